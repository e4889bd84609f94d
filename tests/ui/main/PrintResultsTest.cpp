// The print command of the program's main window on real searches: which
// grid reaches the printer. The tables' twips are checked in
// ResultPrintingTest, the no-printer path in PrintCommandTest.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "query/TrainNumberSearch.h"
#include "support/RecordingPrintSurface.h"
#include "ui/AppPaths.h"
#include "ui/Startup.h"
#include "ui/Strings.h"
#include "ui/main/MainWindow.h"
#include "ui/main/QueryPanel.h"
#include "ui/main/ResultArea.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

using test::PrintedText;

// The recorder's page holds 59 row slots: the table ends at 1400 + 240·59.
constexpr int kBottom = 1400 + 240 * 59;

// 北京 to 上海: K21, T21 and Z21, then the 70 trains D101 to D170, too many
// for one page. 包头 to 南京 needs a change at 北京: K263, then K5.
constexpr int kLongRun = 70;
void FillPrintTimetable(test::TestTimetable& t) {
  t.Set("station", "1\t北京\tbj\n2\t天津\ttj\n3\t上海\tsh\n4\t包头\tbt\n5\t南京\tnj\n");
  std::string trains;
  std::string stops;
  auto add = [&](int id, const std::string& number, int from, int to, int distance) {
    const std::string sid = std::to_string(id);
    trains += sid + "\t" + number + "\t1\t" + std::to_string(from) + "\t" + std::to_string(to) +
              "\t8\t20\t0\t" + std::to_string(distance) + "\t\n";
    stops += sid + "\t" + std::to_string(from) + "\t1\t\t8\t0\t0\n";
    stops += sid + "\t" + std::to_string(to) + "\t2\t20\t\t0\t" + std::to_string(distance) + "\n";
  };
  add(1, "K21", 1, 3, 1463);
  add(2, "T21", 1, 3, 1463);
  add(3, "Z21", 1, 3, 1463);
  for (int i = 1; i <= kLongRun; ++i) add(3 + i, "D" + std::to_string(100 + i), 1, 3, 1463);
  add(4 + kLongRun, "K263", 4, 1, 800);
  add(5 + kLongRun, "K5", 1, 5, 1150);
  t.Set("train", trains);
  t.Set("pass", stops);
  t.Set("everyday", "1\t提前到站\t大站请提前到站。\n");
  t.Set("VerID", "2024-05 测试版\n");
}

class PrintResultsTest : public ::testing::Test {
 protected:
  PrintResultsTest() : folder_(timetable_.Root()), program_(recorder_.platform) {
    FillPrintTimetable(timetable_);
    timetable_.Build();
    test::CopyDatePictures(timetable_.Root());
    WriteEveryDay(kDisplayKey, "1");  // no tip window
    EXPECT_TRUE(program_.Start());
    window_ = program_.mainWindow();
    QApplication::setActiveWindow(window_);
  }

  void StationSearch(const QString& from, const QString& to) {
    window_->panel->txtFstation->setText(from);
    window_->panel->txtEstation->setText(to);
    QTest::mouseClick(window_->panel->cmdSOK, Qt::LeftButton);
  }
  void NumberSearch(const QString& text) {
    window_->panel->txtOrder->setText(text);
    QTest::mouseClick(window_->panel->cmdOOk, Qt::LeftButton);
  }
  test::RecordingPrintSurface& Printer() { return recorder_.printers.printer; }

  test::TestTimetable timetable_;
  test::ProgramFolderScope folder_;
  test::RecordingPlatform recorder_;
  Program program_;
  MainWindow* window_ = nullptr;
};

TEST_F(PrintResultsTest, NumberSearchPrintsItsRowsAfterTheQuestion) {
  const TrainNumberResult expected = FindTrainsByNumber(window_->database(), "21");
  ASSERT_EQ(expected.rows.size(), 3u);
  NumberSearch("21");
  ASSERT_EQ(window_->results->lvMain->topLevelItemCount(), 3);
  recorder_.messages.shown.clear();

  window_->munPrint->trigger();
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{"打印您的查询结果吗？"});
  EXPECT_EQ(Printer().endDocCount, 1);
  EXPECT_EQ(Printer().page, 1);
  EXPECT_EQ(Printer().TextsAt(1, 1400),
            (QStringList{"车次", "始发时刻", "终到时刻", "里程(公里)", "硬座票价(元)", "备注"}));
  for (int i = 0; i < 3; ++i) {
    const QStringList row = Printer().TextsAt(1, 1400 + 240 * (i + 1));
    EXPECT_EQ(row.value(0).toStdString(), expected.rows[i].caption);
    EXPECT_EQ(row.value(1).toStdString(), expected.rows[i].startText);
  }
  EXPECT_TRUE(Printer().TextsAt(1, 1400 + 240 * 4).isEmpty());
  // Four row rules and 55 empty slots ruled below them, under the top rule.
  EXPECT_EQ(Printer().CountLines(1, true), 1 + 4 + 56);
  EXPECT_EQ(Printer().texts.back(), (PrintedText{1, 9270, kBottom + 100, 10, "宋体", "第 1頁"}));
  EXPECT_TRUE(window_->findChild<QAction*>("Toolbar1_5")->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// 73 trains and the header: 59 rows on page 1, the other 15 on page 2.
TEST_F(PrintResultsTest, StationSearchHeaderNamesTheStationsAndALongResultBreaks) {
  StationSearch("北京", "上海");
  ASSERT_EQ(window_->results->lvMain->topLevelItemCount(), 3 + kLongRun);
  recorder_.messages.shown.clear();

  window_->Toolbar1ButtonClick(5);
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{str::kConfirmPrint});
  EXPECT_EQ(Printer().page, 2);
  const QStringList header = Printer().TextsAt(1, 1400);
  EXPECT_EQ(header.value(1), "北京发车");
  EXPECT_EQ(header.value(2), "上海到站");
  EXPECT_TRUE(Printer().TextsAt(1, 1400 + 240 * 58).value(0).startsWith(" D155次"));
  EXPECT_TRUE(Printer().TextsAt(2, 1400).value(0).startsWith(" D156次"));
  EXPECT_TRUE(Printer().TextsAt(2, 1400 + 240 * 14).value(0).startsWith(" D170次"));
  EXPECT_EQ(Printer().TextsAt(2, kBottom + 100), QStringList{"第 2頁"});
}

TEST_F(PrintResultsTest, TransferJourneyPrintsBothLegsSideBySide) {
  StationSearch("包头", "南京");
  QListWidget* candidates = window_->results->lstChange;
  ASSERT_EQ(candidates->count(), 1);
  QTest::mouseClick(candidates->viewport(), Qt::LeftButton, {},
                    candidates->visualItemRect(candidates->item(0)).center());
  QApplication::processEvents();
  ASSERT_TRUE(window_->results->lvMain->isHidden());
  recorder_.messages.shown.clear();

  window_->munPrint->trigger();
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{str::kConfirmPrint});
  EXPECT_EQ(Printer().TextsAt(1, 1400),
            (QStringList{"车次", "包头发车", "北京到站", "车次", "北京发车", "南京到站"}));
  // Each leg's row under its own columns: the leg grids' captions end before "列车".
  std::vector<PrintedText> row;
  for (const PrintedText& t : Printer().texts)
    if (t.y == 1640) row.push_back(t);
  ASSERT_EQ(row.size(), 6u);
  EXPECT_EQ(row[0].x, 200);
  EXPECT_TRUE(row[0].text.startsWith(" K263次(包头---北京)"));
  EXPECT_EQ(row[3].x, 5200);
  EXPECT_TRUE(row[3].text.startsWith(" K5次(北京---南京)"));
  EXPECT_FALSE(row[3].text.endsWith("列车"));
  EXPECT_EQ(row[4], (PrintedText{1, 8200, 1640, 8, "宋体", "08:00"}));

  EXPECT_TRUE(Printer().HasLine({1, 150, 1610, 10190, 1610}));
  EXPECT_TRUE(Printer().HasLine({1, 5170, 1370, 5170, kBottom}));
  EXPECT_EQ(Printer().CountLines(1, false), 7);
  EXPECT_EQ(Printer().texts.back(), (PrintedText{1, 10170 - 1700, kBottom + 100, 10, "宋体", "第 1頁"}));
}

}  // namespace
}  // namespace kw
