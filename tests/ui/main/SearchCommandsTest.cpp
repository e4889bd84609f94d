// The search commands driven through the main window's controls, on the
// small timetable of the widget tests, checked against what the query engine
// returns for the same request.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "query/DirectSearch.h"
#include "query/TrainNumberSearch.h"
#include "query/TransferSearch.h"
#include "ui/main/MainWindow.h"
#include "ui/main/QueryPanel.h"
#include "ui/main/ResultArea.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

using test::kBaotou;
using test::kBeijing;
using test::kNanjing;

class SearchCommandsTest : public ::testing::Test {
 protected:
  SearchCommandsTest() : db_(test::FillUiTimetable(timetable_).Open()), folder_(timetable_.Root()) {
    test::CopyDatePictures(timetable_.Root());
    window_ = std::make_unique<MainWindow>(*db_, recorder_.platform);
    window_->Load();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    panel_ = window_->panel;
    results_ = window_->results;
  }

  void StationSearch(const QString& from, const QString& to) {
    panel_->txtFstation->setText(from);
    panel_->txtEstation->setText(to);
    QTest::mouseClick(panel_->cmdSOK, Qt::LeftButton);
    QApplication::processEvents();  // lay out the lists just shown
  }

  void NumberSearch(const QString& text) {
    panel_->txtOrder->setText(text);
    QTest::mouseClick(panel_->cmdOOk, Qt::LeftButton);
    QApplication::processEvents();
  }

  void PickCandidate(int row) {
    QListWidget* list = results_->lstChange;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QApplication::processEvents();
  }

  // The texts of a list row, as the result row fields.
  static std::vector<std::string> ListRow(const QTreeWidgetItem* item) {
    std::vector<std::string> texts;
    for (int c = 0; c < item->columnCount(); ++c) texts.push_back(item->text(c).toStdString());
    return texts;
  }
  static std::vector<std::string> Fields(const ResultRow& row) {
    return {row.caption,
            row.startText,
            row.endText,
            row.distanceText,
            row.fareText,
            row.memoText,
            std::to_string(row.trainId)};
  }
  static QString GridLine(const QTableWidget* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c)
      cells << (grid->item(row, c) ? grid->item(row, c)->text() : "");
    while (!cells.isEmpty() && cells.last().isEmpty()) cells.removeLast();
    return cells.join(u'\t');
  }
  static QString TrimmedLine(const std::string& line) {
    QStringList cells = QString::fromStdString(line).split(u'\t');
    while (!cells.isEmpty() && cells.last().isEmpty()) cells.removeLast();
    return cells.join(u'\t');
  }

  test::TestTimetable timetable_;
  std::unique_ptr<Database> db_;
  test::ProgramFolderScope folder_;
  test::RecordingPlatform recorder_;
  std::unique_ptr<MainWindow> window_;
  QueryPanel* panel_;
  ResultArea* results_;
};

TEST_F(SearchCommandsTest, StationSearchListsTheRowsOfTheQueryEngine) {
  StationSearchRequest request;
  request.fromText = "北京";
  request.toText = "上海";
  const auto expected = RunStationSearch(*db_, request);
  ASSERT_EQ(expected.outcome, StationSearchOutcome::Found);
  ASSERT_EQ(expected.rows.size(), 3u);  // 北京 and 北京西 to 上海

  StationSearch("北京", "上海");
  QTreeWidget* list = results_->lvMain;
  ASSERT_EQ(list->topLevelItemCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ListRow(list->topLevelItem(i)), Fields(expected.rows[i]));
    EXPECT_EQ(list->topLevelItem(i)->data(0, kRowKeyRole).toString(), QStringLiteral("Row%1").arg(i + 1));
    EXPECT_EQ(GridLine(results_->flgDetail, i + 1), TrimmedLine(expected.rows[i].printLine));
  }
  EXPECT_EQ(results_->flgDetail->item(0, 1)->text(), "北京发车");
  EXPECT_EQ(results_->flgDetail->item(0, 2)->text(), "上海到站");
  EXPECT_TRUE(results_->flgDetail->isHidden());
  EXPECT_FALSE(list->isHidden());
  EXPECT_FALSE(results_->lblTitle->isHidden());
  EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
  EXPECT_EQ(window_->searchContext().queryMode, "STATION");
  EXPECT_TRUE(window_->munPrint->isEnabled());
  EXPECT_TRUE(window_->findChild<QAction*>("Toolbar1_5")->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(recorder_.messages.shown.empty());
}

TEST_F(SearchCommandsTest, TheMinuteBoxOfEachRowBoundsItsHour) {
  panel_->cheAV->setChecked(true);
  panel_->cheTime->setChecked(true);
  panel_->txtSTime->setText("11");
  panel_->txtEmin->setText("1");  // the departure row: leaving at 11:01 or later
  StationSearch("北京", "上海");
  ASSERT_EQ(results_->lvMain->topLevelItemCount(), 1);  // T109 at 20:00, not 1461 at 11:00
  EXPECT_EQ(results_->lvMain->topLevelItem(0)->text(6), "1");
  // The search resets the options and empties the hour boxes.
  EXPECT_FALSE(panel_->cheAV->isChecked());
  EXPECT_EQ(panel_->txtSTime->text(), "");
}

TEST_F(SearchCommandsTest, NothingInTheWindowSaysSo) {
  panel_->cheAV->setChecked(true);
  panel_->cheTime->setChecked(true);
  panel_->txtSTime->setText("21");
  StationSearch("北京", "上海");
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_EQ(recorder_.messages.shown[0].text, "对不起目前还没有符合您要求的车次！");
  EXPECT_EQ(recorder_.messages.shown[0].buttons, MessageButtons::OkCancel);
  EXPECT_TRUE(results_->lvMain->isHidden());
  EXPECT_TRUE(results_->lstChange->isHidden());
  EXPECT_FALSE(window_->munPrint->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SearchCommandsTest, UnknownOrEqualStationsEndQuietly) {
  StationSearch("北京", "zzz");
  StationSearch("北京", "北京");
  EXPECT_TRUE(recorder_.messages.shown.empty());
  EXPECT_TRUE(results_->lvMain->isHidden());
  EXPECT_FALSE(results_->WebBrowser1->isHidden());
}

TEST_F(SearchCommandsTest, NoThroughTrainOffersTransferStationsAndAPickListsBothLegs) {
  StationSearch("包头", "南京");
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_EQ(recorder_.messages.shown[0].buttons, MessageButtons::OkCancel);
  EXPECT_TRUE(recorder_.messages.shown[0].text.startsWith("对不起！目前还没有由包头发往南京的直达列车。"));
  const auto candidates = FindTransferStations(*db_, kBaotou, kNanjing);
  ASSERT_EQ(results_->lstChange->count(), static_cast<int>(candidates.names.size()));
  EXPECT_EQ(results_->lstChange->item(0)->text(), "北京");
  EXPECT_FALSE(results_->lstChange->isHidden());
  EXPECT_FALSE(results_->lblChange->isHidden());
  EXPECT_TRUE(results_->lvMain->isHidden());
  EXPECT_EQ(window_->searchContext().fromStationId, kBaotou);
  EXPECT_EQ(window_->searchContext().toStationId, kNanjing);

  PickCandidate(0);
  const auto legs = PickTransferStation(*db_, kBaotou, kNanjing, "北京", 0, 0);
  ASSERT_EQ(legs.outcome, TwoLegOutcome::Found);
  QTreeWidget* first = results_->lvchang[0];
  QTreeWidget* second = results_->lvchang[1];
  ASSERT_EQ(first->topLevelItemCount(), static_cast<int>(legs.firstLeg.size()));
  ASSERT_EQ(second->topLevelItemCount(), static_cast<int>(legs.secondLeg.size()));
  ASSERT_GE(second->topLevelItemCount(), 2);
  // Keys run on from the first leg into the second.
  const int n = first->topLevelItemCount();
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(first->topLevelItem(i)->data(0, kRowKeyRole).toString(), QStringLiteral("Row%1").arg(i + 1));
  }
  for (int i = 0; i < second->topLevelItemCount(); ++i) {
    EXPECT_EQ(second->topLevelItem(i)->data(0, kRowKeyRole).toString(),
              QStringLiteral("Row%1").arg(n + i + 1));
    EXPECT_EQ(second->topLevelItem(i)->text(0).toStdString(), legs.secondLeg[i].caption);
    EXPECT_EQ(second->topLevelItem(i)->text(3).toStdString(), std::to_string(legs.secondLeg[i].trainId));
    EXPECT_EQ(GridLine(results_->flgChange[1], i + 1), TrimmedLine(legs.secondLeg[i].legLine));
  }
  EXPECT_EQ(first->headerItem()->text(1), "包头发车");
  EXPECT_EQ(second->headerItem()->text(2), "南京到站");
  EXPECT_EQ(results_->lblFirst->text(), "包头---->北京");
  EXPECT_EQ(results_->lblLast->text(), "中转站北京---->南京");
  EXPECT_EQ(window_->searchContext().queryMode, "CHANGE");
  EXPECT_EQ(window_->searchContext().transferStationName, "北京");
  EXPECT_TRUE(results_->WebBrowser1->isHidden());
  EXPECT_FALSE(results_->lstChange->isHidden());  // stays for further picks
  EXPECT_TRUE(window_->munPrint->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SearchCommandsTest, CancellingTheOfferEndsTheSearch) {
  recorder_.messages.answers = {MessageAnswer::Cancel};
  StationSearch("包头", "南京");
  EXPECT_TRUE(results_->lstChange->isHidden());
  EXPECT_FALSE(results_->WebBrowser1->isHidden());
  EXPECT_FALSE(window_->munPrint->isEnabled());
}

TEST_F(SearchCommandsTest, TrainsOnlyTheOtherWayAreNamedBeforeTheOffer) {
  StationSearchRequest request;
  request.fromText = "天津";
  request.toText = "北京";
  const auto expected = RunStationSearch(*db_, request);
  ASSERT_EQ(expected.outcome, StationSearchOutcome::OfferTransfer);

  StationSearch("天津", "北京");
  const auto texts = recorder_.messages.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], QString::fromStdString(OtherWayMessage("天津", "北京")));
  EXPECT_EQ(texts[1], QString::fromStdString(expected.message));
  EXPECT_EQ(recorder_.messages.shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(recorder_.messages.shown[1].buttons, MessageButtons::OkCancel);
}

TEST_F(SearchCommandsTest, NamedTransferListsBothLegsAndResetsThePanel) {
  panel_->txtFstation->setText("包头");
  panel_->txtEstation->setText("南京");
  panel_->cheAV->setChecked(true);
  panel_->cheStation->setChecked(true);
  panel_->txtCh_Station->setText("北京");
  QTest::mouseClick(panel_->cmdSOK, Qt::LeftButton);

  const auto legs = RunNamedTransfer(*db_, "包头", "北京", "南京");
  ASSERT_EQ(legs.outcome, TwoLegOutcome::Found);
  EXPECT_EQ(results_->lvchang[0]->topLevelItemCount(), static_cast<int>(legs.firstLeg.size()));
  EXPECT_EQ(results_->lvchang[1]->topLevelItemCount(), static_cast<int>(legs.secondLeg.size()));
  EXPECT_EQ(results_->lblLast->text(), "中转站北京---->南京");
  EXPECT_EQ(window_->searchContext().queryMode, "CHANGE");
  EXPECT_EQ(window_->searchContext().fromStationId, kBaotou);
  EXPECT_FALSE(panel_->cheAV->isChecked());
  EXPECT_FALSE(panel_->cheStation->isChecked());
  EXPECT_TRUE(results_->lvMain->isHidden());
  EXPECT_TRUE(window_->munPrint->isEnabled());
  EXPECT_TRUE(recorder_.messages.shown.empty());
}

TEST_F(SearchCommandsTest, NamedTransferThroughAnUnknownStationSaysSo) {
  panel_->txtFstation->setText("包头");
  panel_->txtEstation->setText("南京");
  panel_->cheAV->setChecked(true);
  panel_->cheStation->setChecked(true);
  panel_->txtCh_Station->setText("西安");
  QTest::mouseClick(panel_->cmdSOK, Qt::LeftButton);
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_TRUE(recorder_.messages.shown[0].text.contains("西安"));
  EXPECT_TRUE(results_->lvchang[0]->isHidden());
  EXPECT_TRUE(results_->lvchang[1]->isHidden());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SearchCommandsTest, ABrokenDatabaseEndsTheSearchWithAMessage) {
  db_->Execute("DROP TABLE pass");
  StationSearch("北京", "上海");
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_EQ(recorder_.messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(recorder_.messages.shown[0].text.contains("pass"));
  EXPECT_TRUE(results_->lvMain->isHidden());
  EXPECT_FALSE(window_->munPrint->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  db_->Execute("DROP TABLE station");
  QTest::keyClicks(panel_->txtEstation, "s");  // the pick list cannot be filled
  ASSERT_EQ(recorder_.messages.shown.size(), 2u);
  EXPECT_EQ(recorder_.messages.shown[1].icon, MessageIcon::Critical);
  EXPECT_TRUE(panel_->lstStation->isHidden());
}

TEST_F(SearchCommandsTest, TrainNumberSearchListsItsTrains) {
  const auto expected = FindTrainsByNumber(*db_, "K21");
  ASSERT_TRUE(expected.found);
  NumberSearch("K 21");
  ASSERT_EQ(results_->lvMain->topLevelItemCount(), static_cast<int>(expected.rows.size()));
  EXPECT_EQ(ListRow(results_->lvMain->topLevelItem(0)), Fields(expected.rows[0]));
  EXPECT_EQ(results_->flgDetail->item(0, 1)->text(), "始发时刻");
  EXPECT_EQ(GridLine(results_->flgDetail, 1), TrimmedLine(expected.rows[0].printLine));
  EXPECT_EQ(window_->searchContext().queryMode, "ORDER");
  EXPECT_EQ(panel_->txtOrder->text(), "K21");  // the box keeps what was typed (its filter took the space)
  EXPECT_EQ(QApplication::focusWidget(), results_->lvMain);
}

TEST_F(SearchCommandsTest, UnknownTrainNumberSaysSoAndEmptiesTheBox) {
  QTest::keyClicks(panel_->txtOrder, "99");
  QTest::keyClick(panel_->txtOrder, Qt::Key_Return);
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_EQ(recorder_.messages.shown[0].text, QString::fromStdString(TrainNotFoundMessage("99")));
  EXPECT_EQ(recorder_.messages.shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(panel_->txtOrder->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), panel_->txtOrder);
  EXPECT_TRUE(results_->lvMain->isHidden());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SearchCommandsTest, TwelveCharactersSearchNothing) {
  NumberSearch("K21");
  NumberSearch("K21K21K21K21");
  EXPECT_TRUE(results_->lvMain->isHidden());
  EXPECT_EQ(results_->lvMain->topLevelItemCount(), 0);
  EXPECT_TRUE(recorder_.messages.shown.empty());
  EXPECT_FALSE(window_->munPrint->isEnabled());
}

TEST_F(SearchCommandsTest, ANumberSearchAfterATransferShowsOnlyItsOwnList) {
  StationSearch("包头", "南京");
  PickCandidate(0);
  NumberSearch("K21");
  EXPECT_FALSE(results_->lvMain->isHidden());
  EXPECT_TRUE(results_->lvchang[0]->isHidden());
  EXPECT_TRUE(results_->lvchang[1]->isHidden());
  EXPECT_TRUE(results_->lstChange->isHidden());
  EXPECT_FALSE(results_->WebBrowser1->isHidden());
}

TEST_F(SearchCommandsTest, EnterOpensTheSameTrainAsADoubleClick) {
  QSignalSpy opened(window_.get(), &MainWindow::trainDetailRequested);
  StationSearch("北京", "上海");
  QTreeWidget* list = results_->lvMain;
  const QPoint at = list->visualItemRect(list->topLevelItem(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(opened.count(), 1);
  const SearchContext byDoubleClick = window_->searchContext();
  EXPECT_EQ(byDoubleClick.selectedTrainId, list->topLevelItem(2)->text(6).toInt());

  list->setCurrentItem(list->topLevelItem(0));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(window_->searchContext().selectedTrainId, list->topLevelItem(0)->text(6).toInt());
  list->setCurrentItem(list->topLevelItem(2));
  QTest::keyClick(list, Qt::Key_Return);
  ASSERT_EQ(opened.count(), 3);
  EXPECT_EQ(window_->searchContext().selectedTrainId, byDoubleClick.selectedTrainId);
  EXPECT_EQ(window_->searchContext().queryMode, byDoubleClick.queryMode);
  EXPECT_EQ(window_->searchContext().fromStationName, byDoubleClick.fromStationName);
}

TEST_F(SearchCommandsTest, OpeningALegHandsOverTheJourney) {
  StationSearch("包头", "南京");
  PickCandidate(0);
  QSignalSpy opened(window_.get(), &MainWindow::trainDetailRequested);
  QTreeWidget* second = results_->lvchang[1];
  second->setCurrentItem(second->topLevelItem(1));
  QTest::keyClick(second, Qt::Key_Return);
  ASSERT_EQ(opened.count(), 1);
  const SearchContext& context = window_->searchContext();
  EXPECT_EQ(context.selectedTrainId, second->topLevelItem(1)->text(3).toInt());
  EXPECT_EQ(context.legBoardName, "北京");
  EXPECT_EQ(context.legAlightName, "南京");
  EXPECT_EQ(context.journeyToName, "南京");
  EXPECT_TRUE(context.isSecondLeg);

  QTreeWidget* first = results_->lvchang[0];
  const QPoint at = first->visualItemRect(first->topLevelItem(0)).center();
  QTest::mouseDClick(first->viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(opened.count(), 2);
  EXPECT_EQ(context.selectedTrainId, first->topLevelItem(0)->text(3).toInt());
  EXPECT_EQ(context.legBoardName, "包头");
  EXPECT_EQ(context.journeyFromName, "包头");
  EXPECT_EQ(context.legAlightName, "北京");
  EXPECT_FALSE(context.isSecondLeg);
}

}  // namespace
}  // namespace kw
