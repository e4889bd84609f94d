// The main window as the widget tests drive it: loaded and shown on a
// timetable the test writes, in a temporary program folder, with the
// recorders of the platform; and the searches a user makes through its
// query panel.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "ui/detail/TrainDetailOpener.h"
#include "ui/main/MainWindow.h"
#include "ui/main/QueryPanel.h"
#include "ui/main/ResultArea.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw::test {

// Types `from` and `to` into the station boxes and presses 确定.
inline void StationSearch(MainWindow& window, const QString& from, const QString& to) {
  window.panel->txtFstation->setText(from);
  window.panel->txtEstation->setText(to);
  QTest::mouseClick(window.panel->cmdSOK, Qt::LeftButton);
  QApplication::processEvents();  // lay out the lists just shown
}

// Clicks row `row` of the transfer stations offered.
inline void PickCandidate(MainWindow& window, int row) {
  QListWidget* list = window.results->lstChange;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  // The leg lists' new widths reach the result area's layout a round later.
  for (int round = 0; round < 2; ++round) QApplication::processEvents();
}

class MainWindowFixture : public ::testing::Test {
 protected:
  using Fill = TestTimetable& (*)(TestTimetable&);
  // `withDetail`: rows open the train detail window, as in the program.
  explicit MainWindowFixture(Fill fill = FillUiTimetable, bool withDetail = false)
      : db_(fill(timetable_).Open()), folder_(timetable_.Root()) {
    CopyDatePictures(timetable_.Root());
    main_ = std::make_unique<MainWindow>(*db_, recorder_.platform);
    if (withDetail) opener_ = WireTrainDetail(*main_);
    main_->Load();
    main_->show();
    QApplication::setActiveWindow(main_.get());
  }
  ~MainWindowFixture() override {
    main_.reset();
    Settle();
  }

  // Lets closed windows go.
  static void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void StationSearch(const QString& from, const QString& to) { test::StationSearch(*main_, from, to); }
  void NumberSearch(const QString& text) {
    main_->panel->txtOrder->setText(text);
    QTest::mouseClick(main_->panel->cmdOOk, Qt::LeftButton);
    QApplication::processEvents();
  }
  void PickCandidate(int row) { test::PickCandidate(*main_, row); }
  // Checks the advanced options' box and `option`.
  void Advanced(QCheckBox* option) {
    main_->panel->cheAV->setChecked(true);
    option->setChecked(true);
  }

  // Opens the row of `list` whose caption holds train `number` with the
  // Enter key; the detail window that opened, or null.
  TrainDetailWindow* OpenRow(QTreeWidget* list, const QString& number) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      if (list->topLevelItem(i)->text(0).contains(number + QStringLiteral("次"))) {
        list->setCurrentItem(list->topLevelItem(i));
        QTest::keyClick(list, Qt::Key_Return);
        Settle();
        return opener_->window();
      }
    }
    ADD_FAILURE() << "no row " << number.toStdString();
    return nullptr;
  }

  const std::vector<RecordingMessageBoxes::Shown>& Shown() const { return recorder_.messages.shown; }
  std::vector<std::string> Said(qsizetype chars = -1) const { return recorder_.messages.Said(chars); }
  int Stations() { return std::stoi(QueryRows(*db_, "SELECT count(*) FROM station").at(0)); }

  TestTimetable timetable_;
  std::unique_ptr<Database> db_;
  ProgramFolderScope folder_;
  RecordingPlatform recorder_;
  std::unique_ptr<MainWindow> main_;
  TrainDetailOpener* opener_ = nullptr;
};

}  // namespace kw::test
