#include "ui/main/ResultArea.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QStyleOptionHeader>
#include <QTest>

#include "ui/support/UiFixture.h"

namespace kw {
namespace {

ResultRow Row(const std::string& caption, const std::string& distance, const std::string& fare, int id,
              const std::string& start = "08:00") {
  return {caption, start, "次日07:40", distance, fare, "", id, "", "", "", ""};
}

class ResultAreaTest : public ::testing::Test {
 protected:
  ResultAreaTest() {
    area_.resize(1000, 500);
    area_.show();
  }

  // A direct result of four trains whose distances sort differently as text
  // and as numbers.
  void FillFour() {
    area_.FillMain({Row(" T109次", " 1463 ", "150 ", 1), Row(" K21次", " 1234 ", "120 ", 2),
                    Row(" 1461次", " 987 ", "90 ", 3), Row(" K3次", " 7800 ", "国际列车", 6)});
    area_.lvMain->show();
  }

  ResultArea area_;
};

// A first click on a column sorts ascending, the same column again the other
// way; train numbers by the value of their digits.
TEST_F(ResultAreaTest, AFirstClickAscendsAndTrainNumbersSortByTheirValue) {
  FillFour();
  area_.FillMain({Row(" G11次", " 1 ", "1 ", 11), Row(" G105次", " 1 ", "1 ", 12), Row(" G5次", " 1 ", "1 ", 13),
                  Row(" G1次", " 1 ", "1 ", 14), Row(" G7次", " 1 ", "1 ", 15)});
  // Distance and fare sort as numbers (as text " 1234 " < " 987 "); a text
  // that is no number comes after the numbers in either order.
  const std::pair<int, QStringList> clicks[] = {
      {0,
       {" 1461次", " G1次", " G5次", " G7次", " G11次", " G105次", " K3次", " K21次", " T109次"}},
      {0,
       {" T109次", " K21次", " K3次", " G105次", " G11次", " G7次", " G5次", " G1次", " 1461次"}},
      {3, {" 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 987 ", " 1234 ", " 1463 ", " 7800 "}},
      {3, {" 7800 ", " 1463 ", " 1234 ", " 987 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 "}},
      {4, {"1 ", "1 ", "1 ", "1 ", "1 ", "90 ", "120 ", "150 ", "国际列车"}},
      {4, {"150 ", "120 ", "90 ", "1 ", "1 ", "1 ", "1 ", "1 ", "国际列车"}}};
  for (const auto& [column, texts] : clicks) {
    test::ClickHeader(area_.lvMain, column);
    EXPECT_EQ(test::ColumnTexts(area_.lvMain, column), texts) << column;
  }
}

// The arrow stays over a list that keeps itself sorted; rows refilled in the
// database's order stand under no arrow.
TEST_F(ResultAreaTest, TextSortKeepsHoldingAfterARefillNumericSortDoesNot) {
  const QHeaderView* header = area_.lvMain->header();
  FillFour();
  test::ClickHeader(area_.lvMain, 0);  // ascending by caption, the list keeps itself sorted
  area_.lvMain->clear();
  area_.FillMain({Row(" Z9次", " 2 ", "2 ", 8), Row(" A1次", " 1 ", "1 ", 7)});
  EXPECT_EQ(test::ColumnTexts(area_.lvMain, 0), (QStringList{" A1次", " Z9次"}));
  EXPECT_EQ(header->sortIndicatorSection(), 0);
  test::ClickHeader(area_.lvMain, 3);
  EXPECT_EQ(header->sortIndicatorSection(), 3);
  area_.lvMain->clear();
  area_.FillMain({Row(" Z9次", " 2 ", "2 ", 8), Row(" A1次", " 1 ", "1 ", 7)});
  EXPECT_EQ(test::ColumnTexts(area_.lvMain, 0), (QStringList{" Z9次", " A1次"}));
  EXPECT_EQ(header->sortIndicatorSection(), -1);
}

// Whichever column is sorted, its arrow leaves the header's text whole.
TEST_F(ResultAreaTest, TheSortArrowLeavesTheHeaderTextWhole) {
  FillFour();
  QHeaderView* header = area_.lvMain->header();
  for (int c = 0; c < area_.lvMain->columnCount(); ++c) {
    if (area_.lvMain->isColumnHidden(c)) continue;
    test::ClickHeader(area_.lvMain, c);
    ASSERT_EQ(header->sortIndicatorSection(), c);
    QStyleOptionHeader option;
    option.initFrom(header);
    option.state |= QStyle::State_Horizontal;
    option.orientation = Qt::Horizontal;
    option.rect = QRect(0, 0, header->sectionSize(c), header->height());
    option.section = c;
    option.text = area_.lvMain->headerItem()->text(c);
    option.sortIndicator = QStyleOptionHeader::SortDown;
    const QRect label = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
    EXPECT_GE(label.width(), option.fontMetrics.horizontalAdvance(option.text)) << option.text.toStdString();
  }
}

TEST_F(ResultAreaTest, LegListNewColumnAscendsSameColumnFlips) {
  area_.SetupLegList(0, "北京", "南京");
  area_.FillLeg(
      0, {Row(" T109次", "", "", 1, "20:00"), Row(" 1461次", "", "", 3, "11:00"), Row(" K21次", "", "", 2)},
      1);
  QTreeWidget* list = area_.lvchang[0];
  list->show();
  const std::pair<int, QStringList> clicks[] = {
      {0, {" 1461次", " K21次", " T109次"}},   // a first click ascends
      {1, {"08:00", "11:00", "20:00"}},        // a new column: ascending
      {1, {"20:00", "11:00", "08:00"}},        // again: descending
      {0, {" 1461次", " K21次", " T109次"}},   // another column: ascending again
      {0, {" T109次", " K21次", " 1461次"}}};
  for (const auto& [column, texts] : clicks) {
    test::ClickHeader(list, column);
    EXPECT_EQ(test::ColumnTexts(list, column), texts) << column;
  }
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

}  // namespace
}  // namespace kw
