// The printed result tables, read back from a recording surface in twips.
// Which grid is printed for which result is checked on real searches
// (PrintResultsTest).
#include "ui/main/ResultPrinting.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/RecordingPrintSurface.h"

namespace kw {
namespace {

using test::PrintedText;
using test::RecordingPrintSurface;

// A page of the recorder's default size holds 59 row slots (C = 58): the
// table bottom is 1400 + 240·59 = 15560, the footer's line ends 15900, short
// of the page's 16120.
constexpr int kA4Capacity = 58;
constexpr int kA4Bottom = 1400 + 240 * (kA4Capacity + 1);
// A page of 3180 twips holds six slots (C = 5): 1400 + 240·6 = 2840 is the
// table bottom and the footer's line ends at 2840 + 100 + 240 = 3180.
constexpr int kSmallPage = 3180;
constexpr int kSmallBottom = 2840;
const int kDirectRules[] = {170, 3670, 4870, 6070, 7270, 8470, 10970};

TEST(PrintDirectTable, ThreeTrainsFillFourRowsThenEmptyRuledSlotsToTheBottom) {
  RecordingPrintSurface surface;
  const GridTexts grid{
      {"车次", "始发时刻", "终到时刻", "里程(公里)", "硬座票价(元)", "备注"},
      {" K21次(特快(北京----上海))", "08:30", "次日07:40", " 1463 ", "158 ", "空调"},
      {" K210次(特快(上海----北京))", "19:02", "次日18:10", " 1463 ", "158 "},
      {" 2101次(普快(北京----天津))", "06:10", " 08:05", " 137 ", "国际列车", ""},
  };
  // One page (the count of pages printed is the count returned: a page
  // ends before the next begins), ended once (below).
  EXPECT_EQ(PrintDirectTable(surface, grid), 1);

  // Title, then the cells at the column x of each row: 200 3700 4900 6100 7300 8500.
  ASSERT_FALSE(surface.texts.empty());
  EXPECT_EQ(surface.texts.front(), (PrintedText{1, 4000, 700, 18, "宋体", "Kestrelway"}));
  const int xs[] = {200, 3700, 4900, 6100, 7300, 8500};
  for (int r = 0; r < 4; ++r) {
    const int y = 1400 + 240 * r;
    QStringList cells = grid[r];
    cells.removeAll(QString());
    EXPECT_EQ(surface.TextsAt(1, y), cells);
    for (const PrintedText& t : surface.texts) {
      if (t.y == y) {
        EXPECT_EQ(t, (PrintedText{1, xs[grid[r].indexOf(t.text)], y, 8, "宋体", t.text}));
      }
    }
  }
  EXPECT_TRUE(surface.TextsAt(1, 1400 + 240 * 4).isEmpty());

  // Horizontal rules from 150 to 10990: the top rule, and one 30 above every
  // slot 0..C+1 (four rows, then the empty slots), the first of them on the
  // top rule.
  for (int slot = 0; slot <= kA4Capacity + 1; ++slot) {
    const int y = 1400 + 240 * slot - 30;
    EXPECT_TRUE(surface.HasLine({1, 150, y, 10990, y})) << "slot " << slot;
  }
  EXPECT_EQ(surface.CountLines(1, true), 1 + kA4Capacity + 2);
  // Vertical rules 30 left of each column and of the right edge, top rule to bottom.
  for (int x : kDirectRules) EXPECT_TRUE(surface.HasLine({1, x, 1370, x, kA4Bottom})) << "x " << x;
  EXPECT_EQ(surface.CountLines(1, false), 7);
  // Footer 100 below the table, 1700 left of the rightmost rule.
  EXPECT_EQ(surface.texts.back(), (PrintedText{1, 10970 - 1700, kA4Bottom + 100, 10, "宋体", "第 1页"}));
}

// A cell's text keeps to its column (its width less 50): whole at size 8
// where it fits, smaller where it does not, cut at the column's end where
// even size 6 is too wide.
TEST(PrintDirectTable, CellTextsKeepToTheirColumns) {
  const QString caption = " G7391/G7394次(乌鲁木齐南---哈尔滨西)高速动车组列车";  // 4080 wide at size 8
  const QString memo = QString("逢周五、周日开行").repeated(5);                   // 6400 wide
  RecordingPrintSurface surface;
  PrintDirectTable(surface, {{"车次", "始发时刻", "终到时刻", "里程(公里)", "硬座票价(元)", "备注"},
                             {caption, "08:00", "次日07:40", " 4700 ", "", memo}});
  const struct {
    QString text;
    int x;
    double size;
    int cutAt;
  } cells[] = {
      {"车次", 200, 8, 0}, {caption, 200, 6.75, 0}, {"次日07:40", 4900, 8, 0}, {memo, 8500, 6, 2450}};
  for (const auto& c : cells) {
    const auto printed = std::find_if(surface.texts.begin(), surface.texts.end(),
                                      [&](const PrintedText& t) { return t.text == c.text; });
    ASSERT_NE(printed, surface.texts.end()) << c.text.toStdString();
    EXPECT_EQ(printed->x, c.x) << c.text.toStdString();
    EXPECT_EQ(printed->size, c.size) << c.text.toStdString();
    EXPECT_EQ(printed->cutAt, c.cutAt) << c.text.toStdString();
  }
}

GridTexts TrainRows(int trains) {
  GridTexts grid{{"车次", "始发时刻", "终到时刻", "里程(公里)", "硬座票价(元)", "备注"}};
  for (int i = 1; i <= trains; ++i)
    grid.push_back({QString(" K%1次").arg(i), "08:00", " 12:00", " 100 ", "20 "});
  return grid;
}

TEST(PrintDirectTable, LongResultBreaksOntoASecondPage) {
  RecordingPrintSurface surface("Recorder", 11180, kSmallPage);
  EXPECT_EQ(PrintDirectTable(surface, TrainRows(8)), 2);  // nine rows: six on page 1, three on page 2
  EXPECT_EQ(surface.endDocCount, 1);

  // Page 1: rows 0..5, the break rule under the last of them, vertical rules, footer.
  EXPECT_EQ(surface.TextsAt(1, 1400 + 240 * 5).value(0), " K5次");
  EXPECT_TRUE(surface.HasLine({1, 150, kSmallBottom, 10990, kSmallBottom}));
  for (int x : kDirectRules) EXPECT_TRUE(surface.HasLine({1, x, 1370, x, kSmallBottom}));
  EXPECT_EQ(surface.TextsAt(1, kSmallBottom + 100), QStringList{"第 1页"});
  EXPECT_EQ(surface.CountLines(1, true), 1 + 6 + 1);

  // Page 2: the title and top rule again, rows 6..8 from y 1400, the empty
  // slots 3..6 ruled, the footer at the same place.
  EXPECT_EQ(surface.TextsAt(2, 700), QStringList{"Kestrelway"});
  EXPECT_EQ(surface.TextsAt(2, 1400).value(0), " K6次");
  EXPECT_EQ(surface.TextsAt(2, 1400 + 240 * 2).value(0), " K8次");
  for (int slot = 0; slot <= 6; ++slot)
    EXPECT_TRUE(surface.HasLine({2, 150, 1370 + 240 * slot, 10990, 1370 + 240 * slot})) << slot;
  EXPECT_EQ(surface.CountLines(2, true), 1 + 7);
  EXPECT_EQ(surface.CountLines(2, false), 7);
  EXPECT_EQ(surface.texts.back(), (PrintedText{2, 10970 - 1700, kSmallBottom + 100, 10, "宋体", "第 2页"}));

  // Twelve rows fill two pages exactly: no blank third page; the rule of
  // slot 6 closes the last one.
  RecordingPrintSurface full("Recorder", 11180, kSmallPage);
  EXPECT_EQ(PrintDirectTable(full, TrainRows(11)), 2);
  EXPECT_EQ(full.TextsAt(2, 1400 + 240 * 5).value(0), " K11次");
  EXPECT_TRUE(full.HasLine({2, 150, 1370 + 240 * 6, 10990, 1370 + 240 * 6}));
  EXPECT_EQ(full.TextsAt(2, kSmallBottom + 100), QStringList{"第 2页"});
}

// Capacity follows the paper to the twip; however small the paper, a page
// takes the header and one row.
TEST(PrintDirectTable, CapacityFollowsThePaper) {
  EXPECT_EQ(PageCapacity(kSmallPage - 1), 4);
  EXPECT_EQ(PageCapacity(0), 1);
}

GridTexts Leg(const QString& board, const QString& alight, int trains, const QString& prefix) {
  GridTexts grid{{"车次", board + "发车", alight + "到站"}};
  for (int i = 1; i <= trains; ++i)
    grid.push_back({QString(" %1%2次(甲---乙)特快").arg(prefix).arg(i), "08:00", " 12:00"});
  return grid;
}

// The legs share one ruling (150..10190); a shorter first leg leaves its
// columns empty on the later pages; every footer reads 页.
TEST(PrintTransferTables, LegsOfDifferentLengthsBreakTogether) {
  RecordingPrintSurface surface("Recorder", 11180, kSmallPage);
  // The second leg has 13 rows: pages of six slots take three pages.
  EXPECT_EQ(PrintTransferTables(surface, Leg("甲", "乙", 2, "K"), Leg("乙", "丙", 12, "T")), 3);
  EXPECT_EQ(surface.TextsAt(1, 1400), (QStringList{"车次", "甲发车", "乙到站", "车次", "乙发车", "丙到站"}));
  EXPECT_EQ(surface.TextsAt(1, kSmallBottom + 100), QStringList{"第 1页"});
  EXPECT_EQ(surface.TextsAt(2, kSmallBottom + 100), QStringList{"第 2页"});
  EXPECT_EQ(surface.TextsAt(3, kSmallBottom + 100), QStringList{"第 3页"});
  EXPECT_TRUE(surface.HasLine({1, 150, kSmallBottom, 10190, kSmallBottom}));
  EXPECT_EQ(surface.TextsAt(2, 1400), (QStringList{" T6次(甲---乙)特快", "08:00", " 12:00"}));
  EXPECT_EQ(surface.TextsAt(3, 1400), (QStringList{" T12次(甲---乙)特快", "08:00", " 12:00"}));
  for (const PrintedText& t : surface.texts) {
    if (t.page == 2 && t.y == 1400) {
      EXPECT_TRUE(t.x == 5200 || t.x == 8200 || t.x == 9200) << t.x;
    }
  }
  for (int x : {170, 3170, 4170, 5170, 8170, 9170, 10170})
    EXPECT_TRUE(surface.HasLine({3, x, 1370, x, kSmallBottom})) << "x " << x;
  // Last page: one row, then slots 1..6 ruled empty.
  EXPECT_EQ(surface.CountLines(3, true), 1 + 1 + 6);
}

}  // namespace
}  // namespace kw
