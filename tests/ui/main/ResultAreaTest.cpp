#include "ui/main/ResultArea.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "query/SearchContext.h"
#include "ui/Twips.h"

namespace kw {
namespace {

ResultRow Row(const std::string& caption, const std::string& distance, const std::string& fare, int id,
              const std::string& memo = {}) {
  ResultRow row;
  row.caption = caption;
  row.startText = "08:00";
  row.endText = "次日07:40";
  row.distanceText = distance;
  row.fareText = fare;
  row.memoText = memo;
  row.trainId = id;
  row.printLine =
      caption + "\t08:00\t次日07:40\t" + distance + "\t" + fare + (memo.empty() ? "" : "\t" + memo);
  row.legLine = caption + "\t08:00\t次日07:40";
  return row;
}

std::vector<QString> Column(const QTreeWidget* list, int column) {
  std::vector<QString> texts;
  for (int i = 0; i < list->topLevelItemCount(); ++i) texts.push_back(list->topLevelItem(i)->text(column));
  return texts;
}

std::vector<QString> GridRow(const QTableWidget* grid, int row) {
  std::vector<QString> cells;
  for (int c = 0; c < grid->columnCount(); ++c)
    cells.push_back(grid->item(row, c) ? grid->item(row, c)->text() : "");
  return cells;
}

class ResultAreaTest : public ::testing::Test {
 protected:
  ResultAreaTest() {
    area_.resize(1000, 500);
    area_.show();
  }

  void ClickHeader(QTreeWidget* list, int column) {
    QApplication::processEvents();  // lay out a list that was just shown
    QHeaderView* header = list->header();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
  }

  // A direct result of four trains whose distances sort differently as text
  // and as numbers.
  void FillFour() {
    area_.SetupDetailGrid(kModeStation, "北京", "上海");
    area_.FillMain({Row(" T109次", " 1463 ", "150 ", 1), Row(" K21次", " 1234 ", "120 ", 2),
                    Row(" 1461次", " 987 ", "90 ", 3, "慢车"), Row(" K3次", " 7800 ", "国际列车", 6)});
    area_.lvMain->show();
  }

  ResultArea area_;
};

TEST_F(ResultAreaTest, DetailGridHeaderDependsOnMode) {
  area_.SetupDetailGrid(kModeOrder, "北京", "上海");
  EXPECT_EQ(area_.flgDetail->rowCount(), 1);
  EXPECT_EQ(GridRow(area_.flgDetail, 0),
            (std::vector<QString>{"车次", "始发时刻", "终到时刻", "里程(公里)", "硬座票价(元)", "备注"}));
  const int widths[] = {3500, 1100, 1300, 1100, 1400, 1700};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(area_.flgDetail->columnWidth(c), TwipsToPixels(widths[c]));

  area_.SetupDetailGrid(kModeStation, "北京", "上海");
  EXPECT_EQ(area_.flgDetail->item(0, 1)->text(), "北京发车");
  EXPECT_EQ(area_.flgDetail->item(0, 2)->text(), "上海到站");

  area_.SetupDetailGrid(kModeChange, "北京", "上海");
  EXPECT_EQ(area_.flgDetail->item(0, 1)->text(), "");
  EXPECT_EQ(area_.flgDetail->item(0, 2)->text(), "上海到站");
}

TEST_F(ResultAreaTest, LegListAndGridHeaders) {
  area_.SetupLegList(1, "北京", "南京");
  QTreeWidget* list = area_.lvchang[1];
  ASSERT_EQ(list->columnCount(), 4);
  EXPECT_EQ(list->headerItem()->text(0), "车次");
  EXPECT_EQ(list->headerItem()->text(1), "北京发车");
  EXPECT_EQ(list->headerItem()->text(2), "南京到站");
  EXPECT_EQ(list->headerItem()->text(3), "编号");
  EXPECT_EQ(list->columnWidth(0), TwipsToPixels(2000));
  EXPECT_EQ(list->columnWidth(1), TwipsToPixels(1000));
  EXPECT_EQ(list->columnWidth(2), TwipsToPixels(1500));
  EXPECT_TRUE(list->isColumnHidden(3));

  area_.SetupLegGrid(0, "包头", "北京");
  QTableWidget* grid = area_.flgChange[0];
  EXPECT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(GridRow(grid, 0), (std::vector<QString>{"车次", "包头发车", "北京到站"}));
  EXPECT_EQ(grid->columnWidth(0), TwipsToPixels(2400));
  EXPECT_EQ(grid->columnWidth(1), TwipsToPixels(950));
  EXPECT_EQ(grid->columnWidth(2), TwipsToPixels(1000));
}

TEST_F(ResultAreaTest, MainListHasItsSevenColumnsAndTip) {
  const QStringList expected{"车次", "始发时刻", "终到时刻", "里程(公里)", "硬座票价(元)", "备注", "编号"};
  ASSERT_EQ(area_.lvMain->columnCount(), 7);
  for (int c = 0; c < 7; ++c) EXPECT_EQ(area_.lvMain->headerItem()->text(c), expected[c]);
  for (QWidget* w : {static_cast<QWidget*>(area_.lvMain), static_cast<QWidget*>(area_.flgDetail),
                     static_cast<QWidget*>(area_.flgChange[0]), static_cast<QWidget*>(area_.flgChange[1])}) {
    EXPECT_EQ(w->toolTip(), "双击任意车次可察看详细信息");
  }
}

TEST_F(ResultAreaTest, RowsGetKeysAndTheirPrintLines) {
  FillFour();
  ASSERT_EQ(area_.lvMain->topLevelItemCount(), 4);
  const QTreeWidgetItem* third = area_.lvMain->topLevelItem(2);
  EXPECT_EQ(third->data(0, kRowKeyRole).toString(), "Row3");
  EXPECT_EQ(third->text(0), " 1461次");
  EXPECT_EQ(third->text(3), " 987 ");
  EXPECT_EQ(third->text(5), "慢车");
  EXPECT_EQ(third->text(6), "3");

  // The grid: the header row, then one row per train with its id as row data.
  ASSERT_EQ(area_.flgDetail->rowCount(), 5);
  EXPECT_EQ(GridRow(area_.flgDetail, 3),
            (std::vector<QString>{" 1461次", "08:00", "次日07:40", " 987 ", "90 ", "慢车"}));
  EXPECT_EQ(GridRow(area_.flgDetail, 1)[5], "");
  EXPECT_EQ(area_.flgDetail->item(3, 0)->data(kTrainIdRole).toInt(), 3);
}

TEST_F(ResultAreaTest, LegKeysStartWhereTheyAreTold) {
  area_.SetupLegList(0, "包头", "北京");
  area_.SetupLegGrid(0, "包头", "北京");
  area_.FillLeg(0, {Row(" K263次", " 800 ", "80 ", 5)}, 1);
  area_.SetupLegList(1, "北京", "南京");
  area_.SetupLegGrid(1, "北京", "南京");
  area_.FillLeg(1, {Row(" T109次", " 1150 ", "110 ", 1), Row(" 1461次", " 850 ", "80 ", 3)}, 2);
  EXPECT_EQ(area_.lvchang[0]->topLevelItem(0)->data(0, kRowKeyRole).toString(), "Row1");
  EXPECT_EQ(area_.lvchang[1]->topLevelItem(0)->data(0, kRowKeyRole).toString(), "Row2");
  EXPECT_EQ(area_.lvchang[1]->topLevelItem(1)->data(0, kRowKeyRole).toString(), "Row3");
  EXPECT_EQ(area_.lvchang[1]->topLevelItem(1)->text(3), "3");
  EXPECT_EQ(GridRow(area_.flgChange[1], 2), (std::vector<QString>{" 1461次", "08:00", "次日07:40"}));
}

TEST_F(ResultAreaTest, HeaderClicksShareOneOrderThatFlipsEveryTime) {
  FillFour();
  ClickHeader(area_.lvMain, 0);  // first click: descending
  EXPECT_EQ(Column(area_.lvMain, 0), (std::vector<QString>{" T109次", " K3次", " K21次", " 1461次"}));
  ClickHeader(area_.lvMain, 0);  // second: ascending
  EXPECT_EQ(Column(area_.lvMain, 0), (std::vector<QString>{" 1461次", " K21次", " K3次", " T109次"}));
  ClickHeader(area_.lvMain, 1);  // another column carries on from the list's order: descending
  EXPECT_EQ(area_.lvMain->header()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(ResultAreaTest, DistanceAndFareSortAsNumbersWithTextsLast) {
  FillFour();
  ClickHeader(area_.lvMain, 3);  // descending
  EXPECT_EQ(Column(area_.lvMain, 3), (std::vector<QString>{" 7800 ", " 1463 ", " 1234 ", " 987 "}));
  ClickHeader(area_.lvMain, 3);  // ascending: 987 before 1234 (as text " 1234 " < " 987 ")
  EXPECT_EQ(Column(area_.lvMain, 3), (std::vector<QString>{" 987 ", " 1234 ", " 1463 ", " 7800 "}));

  // "国际列车" is no number: after the numbers in either order.
  ClickHeader(area_.lvMain, 4);
  EXPECT_EQ(Column(area_.lvMain, 4), (std::vector<QString>{"150 ", "120 ", "90 ", "国际列车"}));
  ClickHeader(area_.lvMain, 4);
  EXPECT_EQ(Column(area_.lvMain, 4), (std::vector<QString>{"90 ", "120 ", "150 ", "国际列车"}));
}

TEST_F(ResultAreaTest, TextSortKeepsHoldingAfterARefill) {
  FillFour();
  ClickHeader(area_.lvMain, 0);  // descending by caption, the list keeps itself sorted
  area_.lvMain->clear();
  area_.FillMain({Row(" A1次", " 1 ", "1 ", 7), Row(" Z9次", " 2 ", "2 ", 8)});
  EXPECT_EQ(Column(area_.lvMain, 0), (std::vector<QString>{" Z9次", " A1次"}));
  // After a numeric sort the list no longer sorts itself.
  ClickHeader(area_.lvMain, 3);
  area_.lvMain->clear();
  area_.FillMain({Row(" Z9次", " 2 ", "2 ", 8), Row(" A1次", " 1 ", "1 ", 7)});
  EXPECT_EQ(Column(area_.lvMain, 0), (std::vector<QString>{" Z9次", " A1次"}));
}

TEST_F(ResultAreaTest, LegListNewColumnAscendsSameColumnFlips) {
  std::vector<ResultRow> rows = {Row(" T109次", "", "", 1), Row(" 1461次", "", "", 3),
                                 Row(" K21次", "", "", 2)};
  rows[0].startText = "20:00";
  rows[1].startText = "11:00";
  rows[2].startText = "08:00";
  area_.SetupLegList(0, "北京", "南京");
  area_.FillLeg(0, rows, 1);
  area_.lvchang[0]->show();
  ClickHeader(area_.lvchang[0], 0);  // the list's sort column from the start: the order flips
  EXPECT_EQ(Column(area_.lvchang[0], 0), (std::vector<QString>{" T109次", " K21次", " 1461次"}));
  ClickHeader(area_.lvchang[0], 1);  // a new column: ascending
  EXPECT_EQ(Column(area_.lvchang[0], 1), (std::vector<QString>{"08:00", "11:00", "20:00"}));
  ClickHeader(area_.lvchang[0], 1);  // again: descending
  EXPECT_EQ(Column(area_.lvchang[0], 1), (std::vector<QString>{"20:00", "11:00", "08:00"}));
  ClickHeader(area_.lvchang[0], 0);  // another column: ascending again
  EXPECT_EQ(Column(area_.lvchang[0], 0), (std::vector<QString>{" 1461次", " K21次", " T109次"}));
}

TEST_F(ResultAreaTest, EnterOpensTheRowADoubleClickOpens) {
  FillFour();
  QSignalSpy opened(&area_, &ResultArea::mainRowOpened);
  QApplication::processEvents();
  QTreeWidgetItem* second = area_.lvMain->topLevelItem(1);
  const QPoint at = area_.lvMain->visualItemRect(second).center();
  QTest::mouseClick(area_.lvMain->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(area_.lvMain->viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(opened.count(), 1);
  EXPECT_EQ(opened.at(0).at(0).toInt(), 2);
  QTest::keyClick(area_.lvMain, Qt::Key_Return);
  ASSERT_EQ(opened.count(), 2);
  EXPECT_EQ(opened.at(1).at(0).toInt(), 2);
}

TEST_F(ResultAreaTest, OpeningAnEmptyLegOpensNothing) {
  area_.SetupLegList(1, "北京", "南京");
  area_.SetupLegGrid(1, "北京", "南京");
  area_.lvchang[1]->show();
  QSignalSpy rows(&area_, &ResultArea::legRowOpened);
  QSignalSpy empty(&area_, &ResultArea::emptyLegOpened);
  QTest::mouseDClick(area_.lvchang[1]->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  QTest::keyClick(area_.lvchang[1], Qt::Key_Enter);
  EXPECT_EQ(rows.count(), 0);
  EXPECT_EQ(empty.count(), 2);

  area_.FillLeg(1, {Row(" T109次", "", "", 1)}, 2);
  area_.lvchang[1]->setCurrentItem(area_.lvchang[1]->topLevelItem(0));
  QTest::keyClick(area_.lvchang[1], Qt::Key_Enter);
  ASSERT_EQ(rows.count(), 1);
  EXPECT_EQ(rows.at(0).at(0).toInt(), 1);  // the leg
  EXPECT_EQ(rows.at(0).at(1).toInt(), 1);  // the train
}

TEST(NumericValueTest, LeadingNumberWithLeadingSpaces) {
  EXPECT_EQ(NumericValue(" 987 "), 987);
  EXPECT_EQ(NumericValue("  12.5 "), 12.5);
  EXPECT_EQ(NumericValue("-3"), -3);
  EXPECT_EQ(NumericValue("国际列车"), std::nullopt);
  EXPECT_EQ(NumericValue(""), std::nullopt);
}

}  // namespace
}  // namespace kw
