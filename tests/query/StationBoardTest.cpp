// The station board on the hand-made timetable of tests/data (郑州: 22 calls,
// three trains starting, three ending there).
#include <gtest/gtest.h>

#include "query/StationBoard.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

Database& Db() { return test::HandMadeDb(); }

// A request at `station`, changed by `change`.
BoardRequest At(const char* station, const std::function<void(BoardRequest&)>& change = {}) {
  BoardRequest request;
  request.stationText = station;
  if (change) change(request);
  return request;
}

// The rows' train numbers, joined by spaces.
std::string Numbers(const std::vector<BoardRow>& rows) {
  std::string numbers;
  for (const auto& row : rows) numbers += (numbers.empty() ? "" : " ") + row.train;
  return numbers;
}

// What a row shows, then its stretch: "train|arrive|depart|dwell|km|from>to".
std::string Shown(const BoardRow& row) {
  return row.train + '|' + row.arriveText + '|' + row.departText + '|' +
         (row.dwellMinutes ? std::to_string(*row.dwellMinutes) : "") + '|' + row.kmText + '|' +
         row.stretchFrom() + '>' + row.stretchTo();
}

const BoardRow& RowOf(const BoardResult& board, const std::string& train) {
  for (const auto& row : board.rows) {
    if (row.train == train) return row;
  }
  throw std::runtime_error("no row for " + train);
}

TEST(StationBoard, RowsShowEndsTimesDwellAndDistance) {
  const BoardResult zhengzhou = FindStationBoard(Db(), At("郑州"));
  ASSERT_EQ(zhengzhou.message, "");
  const BoardResult miyun = FindStationBoard(Db(), At("密云"));
  const struct {
    const BoardResult& board;
    const char* train;
    std::string shown;
  } cases[] = {
      {zhengzhou, "4601", "4601|始发|07:05||0|郑州>信阳"},         // first stop: from here on
      {zhengzhou, "K507", "K507|07:40|终到||689|北京西>郑州"},     // last stop: its first station to here
      {zhengzhou, "K1005", "K1005|00:30|00:40|10|575|郑州>兰州"},  // after midnight
      {zhengzhou, "Z238/Z235", "Z238/Z235|15:50|16:00|10|2056|郑州>广州"},
      {miyun, "4471", "4471|09:58|10:01|3|暂缺|密云>承德"},  // 0 km after the first stop
  };
  // The texts are made from the figures: an arrival, departure or km shown
  // is one held, "暂缺" one unknown.
  for (const auto& c : cases) EXPECT_EQ(Shown(RowOf(c.board, c.train)), c.shown) << c.train;
  EXPECT_FALSE(RowOf(zhengzhou, "4601").arriveMinutes.has_value());
  EXPECT_FALSE(RowOf(zhengzhou, "K507").departMinutes.has_value());
}

TEST(StationBoard, EachOptionPicksItsTrainsInDepartureOrder) {
  const auto with = [](auto change) { return At("郑州", change); };
  const struct {
    const char* what;
    BoardRequest request;
    const char* trains;
  } cases[] = {
      // Terminating trains stand at their arrival.
      {"all", At("郑州"),
       "K1005 Z1 Z12 Z40/Z41 Z42/Z43 Z11 Z2 K1006 T8 4601 Z236/Z237 K507 T16 K1159/K1158 K1157/K1160 "
       "Z238/Z235 T69 T15 4602 T7 T70 K508"},
      {"from 20:00", with([](auto& r) { r.after = 1200; }), "4602 T7 T70 K508"},
      {"20:06 to 20:27, both ends in", with([](auto& r) { r.after = 1206, r.until = 1227; }), "4602 T7"},
      // The window wraps: in its own order, both ends in.
      {"22:50 to 01:13", with([](auto& r) { r.after = 1370, r.until = 73; }), "K508 K1005 Z1"},
      {"22:50 alone", with([](auto& r) { r.after = r.until = 1370; }), "K508"},
      {"快速 (K)", with([](auto& r) { r.types = TypeBit(TrainType::K); }),
       "K1005 K1006 K507 K1159/K1158 K1157/K1160 K508"},
      {"other", with([](auto& r) { r.types = TypeBit(TrainType::Other); }), "4601 4602"},
      {"starting", with([](auto& r) { r.ends = BoardEnds::Starting; }), "4601 K1157/K1160 K508"},
      {"ending", with([](auto& r) { r.ends = BoardEnds::Terminating; }), "K507 K1159/K1158 4602"},
      // T69 and T7 come from 北京西: an earlier call does not count.
      {"towards 北京", with([](auto& r) { r.towards = "北京"; }), "Z12 Z2 T8 T16 T70 K508"},
      // Pinyin: the first station it names.
      {"towards beijing", with([](auto& r) { r.towards = "beijing"; }), "Z12 Z2 T8 T16 T70 K508"},
      {"towards 北京, starting", with([](auto& r) { r.towards = "北京", r.ends = BoardEnds::Starting; }),
       "K508"},
  };
  for (const auto& c : cases) {
    const BoardResult board = FindStationBoard(Db(), c.request);
    EXPECT_EQ(Numbers(board.rows), c.trains) << c.what;
    EXPECT_EQ(board.stationName, "郑州") << c.what;
  }
}

TEST(StationBoard, TheTextNamesOneStationOrWithTheBoxAFamily) {
  const struct {
    const char* text;
    bool widened;
    std::string name;
    size_t rows;
  } cases[] = {
      {"北京", false, "北京", 16},
      {"北京", true, "北京", 47},    // 北京 16, 北京西 22, 北京南 5, 北京北 2, 北京东 2
      {"bjx", false, "北京西", 22},  // initials name the station
      {"bjx", true, "北京西", 22},   // ... and the family of its name
      {"北京 西", false, "北京西", 22},
  };
  for (const auto& c : cases) {
    const BoardResult board =
        FindStationBoard(Db(), At(c.text, [&](auto& r) { r.allWithPrefix = c.widened; }));
    EXPECT_EQ(board.stationName, c.name) << c.text;
    EXPECT_EQ(board.rows.size(), c.rows) << c.text << c.widened;
  }
  const auto family = At("北京", [](auto& r) { r.allWithPrefix = true; });
  EXPECT_EQ(RowOf(FindStationBoard(Db(), family), "G1").station, "北京南");
}

TEST(StationBoard, WhatCannotBeListedIsSaid) {
  const struct {
    BoardRequest request;
    std::string message;
  } cases[] = {
      {At(" "), "请输入车站"},
      {At("火星"), "没有名为“火星”的车站"},
      {At("火星", [](auto& r) { r.allWithPrefix = true; }), "没有以“火星”开头的站名"},
      {At("郑州", [](auto& r) { r.towards = "火星"; }), "没有以“火星”开头的站名"},
      {At("郑州", [](auto& r) { r.types = TypeBit(TrainType::G); }),
       "对不起！郑州在所选的时间和车型内没有符合要求的列车。"},
      {At("密云", [](auto& r) { r.ends = BoardEnds::Starting; }),
       "对不起！密云在所选的时间和车型内没有符合要求的列车。"},
      // With 开往 the message names both conditions.
      {At("郑州", [](auto& r) { r.towards = "鞍山"; }), "对不起！目前没有停靠郑州并开往鞍山…的列车。"},
      {At("郑州", [](auto& r) { r.towards = "bj", r.types = TypeBit(TrainType::G); }),
       "对不起！停靠郑州并开往宝鸡…的列车在所选的时间和车型内都不符合要求。"},
  };
  for (const auto& c : cases) {
    const BoardResult board = FindStationBoard(Db(), c.request);
    EXPECT_EQ(board.message, c.message) << c.request.stationText;
    EXPECT_TRUE(board.rows.empty());
  }
}

TEST(StationBoard, EveryColumnSortsAndReverses) {
  const auto types = [](auto& r) { r.types = TypeBit(TrainType::K) | TypeBit(TrainType::Other); };
  std::vector<BoardRow> rows = FindStationBoard(Db(), At("郑州", types)).rows;
  const struct {
    BoardColumn column;
    bool descending;
    const char* trains;
  } cases[] = {
      // Numbers by the value of their digits.
      {BoardColumn::Train, false, "4601 4602 K507 K508 K1005 K1006 K1157/K1160 K1159/K1158"},
      {BoardColumn::Train, true, "K1159/K1158 K1157/K1160 K1006 K1005 K508 K507 4602 4601"},
      // Starting trains stand at their departure; ties by departure.
      {BoardColumn::Arrive, false, "K1005 K1006 4601 K507 K1159/K1158 K1157/K1160 4602 K508"},
      {BoardColumn::Km, false, "4601 K1157/K1160 K508 4602 K1005 K507 K1006 K1159/K1158"},
      {BoardColumn::Km, true, "K1159/K1158 K1006 K507 K1005 4602 4601 K1157/K1160 K508"},
      // The ends have no dwell: last, in departure order.
      {BoardColumn::Dwell, false, "K1005 K1006 4601 K507 K1159/K1158 K1157/K1160 4602 K508"},
  };
  for (const auto& c : cases) {
    SortBoard(rows, c.column, c.descending);
    EXPECT_EQ(Numbers(rows), c.trains) << static_cast<int>(c.column) << c.descending;
  }
}

// A dwell across midnight counts on into the next day; a first stop with
// only one time and a last with only one give it; a stop without times is
// listed in a whole-day window only, which may also wrap (06:00 to 05:59); a
// station no train calls at says so.
TEST(StationBoard, ADwellAcrossMidnightCountsIntoTheNextDay) {
  test::TestTimetable timetable;
  timetable.Set("station", "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t戊\tw\n");
  timetable.Set("train", "1\tK1\t1\t1\t3\t22\t2\t1\t300\t\n2\tK2\t1\t1\t3\t6\t9\t0\t300\t\n");
  timetable.Set("pass",
                "1\t1\t1\t\t22\t0\t0\n1\t2\t2\t23.55\t0.1\t1\t150\n1\t3\t3\t2\t\t1\t300\n"
                "2\t1\t1\t6\t\t0\t0\n2\t4\t2\t\t\t0\t100\n2\t3\t3\t\t9\t0\t300\n");
  const auto db = timetable.Open();
  const BoardResult board = FindStationBoard(*db, At("乙", [](auto& r) { r.after = 0, r.until = 30; }));
  ASSERT_EQ(board.rows.size(), 1u) << board.message;
  EXPECT_EQ(Shown(board.rows[0]), "K1|23:55|00:10|15|150|乙>丙");
  const auto rows = [&db](const char* station) {
    std::string shown;
    for (const BoardRow& row : FindStationBoard(*db, At(station)).rows) shown += Shown(row) + ";";
    return shown;
  };
  EXPECT_EQ(rows("甲"), "K2|始发|06:00||0|甲>丙;K1|始发|22:00||0|甲>丙;");
  EXPECT_EQ(rows("丙"), "K1|02:00|终到||300|甲>丙;K2|09:00|终到||300|甲>丙;");
  EXPECT_EQ(rows("丁"), "K2||||100|丁>丙;");
  for (const auto& [after, until, listed] : {std::tuple{360, 359, true}, {0, 1439, true}, {0, 1438, false}}) {
    BoardRequest request = At("丁");
    request.after = after;
    request.until = until;
    EXPECT_EQ(FindStationBoard(*db, request).rows.size(), listed ? 1u : 0u) << after << "-" << until;
  }
  EXPECT_EQ(FindStationBoard(*db, At("戊")).message, "对不起！目前没有停靠戊的列车。");
}

}  // namespace
}  // namespace kw
