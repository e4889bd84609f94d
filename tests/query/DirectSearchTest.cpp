#include "query/DirectSearch.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using Ids = std::vector<int>;
using Texts = std::vector<std::string>;
using Outcome = StationSearchOutcome;

// Classes come from the test timetable's fare table: 1 特快 (hard seat "t" +
// band/10), 2 普快 (band/10), 5 空调特快 ("kt" + band/10); 6 has no fare family.
Database& Db() {
  static test::TestTimetable t{
      {"kind", "1\t特快\t特快\n2\t普快\t普快\n5\t空调特快\t空调特快\n6\t高速动车组\t\n"},
      {"station",
       "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t北京\tbj\n6\t北京西\tbjx\n7\t北京南\tbjn\n"
       "8\t上海\tsh\n9\t上海南\tshn\n10\t戊\tw\n11\t子\tz\n12\t丑\tc\n13\t寅\ty\n14\t卯\tm\n"},
      {"train",
       "1\tK21\t1\t1\t3\t8.3\t23.5\t0\t1463\t\n2\tK22\t1\t3\t1\t6\t21\t0\t1463\t\n"
       "3\tT5\t2\t1\t2\t8.29\t12\t0\t200\t空调\n4\tZ7\t1\t1\t2\t23.1\t7.4\t1\t600\t\n"
       "5\tD5\t5\t7\t8\t9\t14\t0\t1318\t\n6\tD1\t5\t6\t8\t7\t12\t0\t1300\t\n"
       "7\tK3\t5\t1\t10\t1\t8\t3\t6001\t\n8\tG3\t5\t8\t5\t9\t14\t0\t1300\t\n"
       "9\tG4\t5\t9\t7\t9\t14\t0\t1300\t\n10\tD9\t5\t6\t8\t15\t20\t0\t1300\t\n"
       "11\tK11\t1\t11\t14\t8\t12\t0\t300\t\n12\tG12\t6\t11\t14\t9\t11\t0\t250\t\n"},
      {"pass",
       "1\t1\t1\t\t8.3\t0\t0\n1\t2\t2\t10.15\t10.2\t0\t137\n1\t3\t3\t23.5\t\t0\t1463\n"
       "2\t3\t1\t\t6\t0\t0\n2\t2\t2\t19\t19.1\t0\t1326\n2\t1\t3\t21\t\t0\t1463\n"
       "3\t1\t1\t\t8.29\t0\t0\n3\t2\t2\t12\t\t0\t200\n"
       "4\t1\t1\t\t23.1\t0\t0\n4\t2\t2\t7.4\t\t1\t600\n"
       "5\t7\t1\t\t9\t0\t0\n5\t8\t2\t14\t\t0\t1318\n"
       "6\t6\t1\t\t7\t0\t0\n6\t7\t2\t7.3\t7.35\t0\t10\n6\t8\t3\t12\t\t0\t1300\n"
       "7\t1\t1\t\t1\t0\t0\n7\t4\t2\t5\t6\t3\t6000\n7\t10\t3\t8\t\t3\t6001\n"
       "8\t8\t1\t\t9\t0\t0\n8\t5\t2\t14\t\t0\t1300\n"
       "9\t9\t1\t\t9\t0\t0\n9\t7\t2\t14\t\t0\t1300\n"
       "10\t6\t1\t\t15\t0\t0\n10\t8\t2\t20\t\t0\t1300\n"
       // K11 has no distance at 丑 (0) and 寅 (-119).
       "11\t11\t1\t\t8\t0\t0\n11\t12\t2\t9\t9.1\t0\t0\n11\t13\t3\t10\t10.1\t0\t-119\n"
       "11\t14\t4\t12\t\t0\t300\n12\t11\t1\t\t9\t0\t0\n12\t14\t2\t11\t\t0\t250\n"}};
  static const auto db = t.Open();
  return *db;
}

Ids Direct(int from, int to, int earliest = 0, int latest = 0) {
  return test::TrainIds(FindDirectTrains(Db(), from, to, earliest, latest).rows);
}

StationSearchResult Search(const std::string& from, const std::string& to, int earliest = 0, int latest = 0,
                           bool hours = false) {
  return RunStationSearch(Db(), {from, to, earliest, latest, hours, ""});
}

TEST(DirectSearch, RowTextsAsTheListShowsThem) {
  const auto rows = FindDirectTrains(Db(), 1, 2, 0, 0).rows;
  ASSERT_EQ(test::TrainIds(rows), (Ids{1, 3, 4}));
  // No remark: the line ends with the fare and its space.
  EXPECT_EQ(rows[0].printLine, " K21次(甲---丙)特快列车\t08:30\t 10:15\t 137 \tt20 ");
  EXPECT_EQ(rows[1].printLine, " T5次(甲---乙)普快列车\t08:29\t 12:00\t 200 \t20 \t空调");
  // 6000 km is priced, one more is international; days beyond the next are counted.
  const auto to6000 = FindDirectTrains(Db(), 1, 4, 0, 0).rows.at(0);
  EXPECT_EQ(to6000.distanceText + to6000.fareText + to6000.endText, " 6000 kt600 第四日05:00");
  EXPECT_EQ(FindDirectTrains(Db(), 1, 10, 0, 0).rows.at(0).printLine,
            " K3次(甲---戊)空调特快列车\t01:00\t第四日08:00\t 6001 \t国际列车");
}

TEST(DirectSearch, UnknownDistancesAndFaresReadUnknownAndNothingIsPricedWithoutADistance) {
  // Distance and fare of each train from 子 (11), 丑 (12), 寅 (13) to 卯 (14) or 丑, 寅.
  const std::tuple<int, int, Texts> cases[] = {
      {11, 14, {" 300 |t30 ", " 250 |暂缺 "}},  // G12's class has no fare family
      {11, 12, {" 暂缺 |暂缺 "}},
      {11, 13, {" 暂缺 |暂缺 "}},
      {12, 14, {" 暂缺 |暂缺 "}},
      {13, 14, {" 暂缺 |暂缺 "}}};
  for (const auto& [from, to, figures] : cases) {
    Texts texts;
    for (const auto& row : FindDirectTrains(Db(), from, to, 0, 0).rows)
      texts.push_back(row.distanceText + "|" + row.fareText);
    EXPECT_EQ(texts, figures) << from << "->" << to;
  }
}

TEST(DirectSearch, DirectionTestTellsOtherWayOnlyFromNoCommonTrain) {
  // K22 calls at 乙 before 甲: it serves 乙 -> 甲 only.
  EXPECT_EQ(Direct(2, 1), (Ids{2}));
  // K3 runs 甲 -> 丁; no train calls at both 丁 and 丙; a station is no
  // journey to itself.
  for (const auto& [from, to, otherWay] : {std::tuple{4, 1, true}, {4, 3, false}, {1, 1, false}}) {
    const auto r = FindDirectTrains(Db(), from, to, 0, 0);
    EXPECT_EQ(std::tuple(r.found, r.rows.size(), r.onlyOtherWay), std::tuple(false, 0u, otherWay))
        << from << to;
  }
}

TEST(DirectSearch, WindowBoundsHoldAtTheExactMinuteOnClockTimes) {
  // Earliest 08:30: K21 leaves at 8.3 and is listed, T5 at 8.29 is not. Latest
  // 10:15 keeps K21 (arrives 10.15); 10:14 drops it. Z7 leaves 23:10 and
  // arrives 07:40 next day, inside 08:30..12:00 by the clock.
  const std::tuple<int, int, Ids> windows[] = {{830, 0, {1, 4}}, {829, 0, {1, 3, 4}}, {0, 1015, {1, 4}},
                                               {0, 1014, {4}},   {830, 1200, {1, 4}}, {830, 1000, {4}},
                                               {2345, 0, {}},    {0, 800, {4}}};
  for (const auto& [earliest, latest, ids] : windows) {
    EXPECT_EQ(Direct(1, 2, earliest, latest), ids) << earliest << "-" << latest;
  }
  EXPECT_EQ(FindDirectTrains(Db(), 1, 2, 0, 800).rows.at(0).endText, "次日07:40");
}

TEST(DirectSearch, SearchIsSkippedForEmptyOrEqualTextsOrEndsInAWindowMessage) {
  for (const auto& [from, to] : {std::pair{"", "乙"}, {"甲", " "}, {"甲", " 甲 "}})
    EXPECT_EQ(Search(from, to).outcome, Outcome::NotSearched) << from << "->" << to;
  EXPECT_EQ(Search("甲", "辛 星").unknownText, "辛星");
  EXPECT_EQ(Search("辛", "甲").unknownText, "辛");
  EXPECT_EQ(Search("辛", "甲").outcome, Outcome::NoStation);
  const auto r = Search("甲", "乙", 2345, 0, true);
  EXPECT_EQ(r.outcome, Outcome::NothingInWindow);
  EXPECT_EQ(r.message, "对不起目前还没有符合您要求的车次！");
  // Minutes alone (00:05) are a bound but not an hour: the transfer offer follows.
  EXPECT_EQ(Search("甲", "乙", 0, 5, false).outcome, Outcome::OfferTransfer);
}

TEST(DirectSearch, PrefixPairsListATrainOnceUnderItsFirstPair) {
  // 北京 x 上海: pairs (北京,上海) (北京,上海南) (北京西,上海) (北京西,上海南)
  // (北京南,上海) (北京南,上海南), in station id order.
  auto r = Search(" 北 京", "上海");
  ASSERT_EQ(r.outcome, Outcome::Found);
  // D1 (id 6) and D9 (id 10) through 北京西; D1 again through 北京南 is not
  // repeated; D5 (id 5) is met only at 北京南.
  EXPECT_EQ(test::TrainIds(r.rows), (Ids{6, 10, 5}));
  EXPECT_EQ(r.rows[0].startText, "07:00") << "D1 as found from 北京西";
  // Each row names the pair it was found for.
  Texts pairs;
  for (const auto& row : r.rows) pairs.push_back(row.boardName + "-" + row.alightName);
  EXPECT_EQ(pairs, (Texts{"北京西-上海", "北京西-上海", "北京南-上海"}));
  // G3 runs 上海 -> 北京: said while nothing was listed. G4 runs 上海南 ->
  // 北京南: met after rows were listed, so not said.
  EXPECT_EQ(r.otherWayMessages, Texts{"从北京到上海只有返程列车，请重新选择"});
  EXPECT_EQ(std::tie(r.fromStationId, r.toStationId, r.fromStationName, r.toStationName),
            std::tuple(7, 9, "北京南", "上海南"));
  // 北京 begins 北京西 as well: 北京西 -> 北京西 is skipped, and D1 runs
  // 北京西 -> 北京南, the other way for 北京南 -> 北京西.
  r = Search("北京", "北京西");
  EXPECT_EQ(r.otherWayMessages, Texts{"从北京南到北京西只有返程列车，请重新选择"});
  EXPECT_EQ(r.outcome, Outcome::OfferTransfer);
  EXPECT_EQ(std::pair(r.fromStationId, r.toStationId), std::pair(5, 6));
}

TEST(DirectSearch, TransferOfferNamesTheFirstPairWhoseIdsItKeeps) {
  // 北京 x 上海南: only G4, which runs the other way at (北京南,上海南).
  const auto r = Search("北京", "上海南");
  ASSERT_EQ(r.outcome, Outcome::OfferTransfer);
  EXPECT_EQ(r.message,
            "对不起！目前还没有由北京发往上海南的直达列车。\n"
            "请点击“确定”键，系统自动为您找出可供中转的车站\n"
            "如果您想放弃，就请点击“取消”按钮");
  EXPECT_EQ(r.otherWayMessages, Texts{"从北京南到上海南只有返程列车，请重新选择"});
  EXPECT_EQ(std::tie(r.fromStationId, r.toStationId, r.fromStationName, r.toStationName),
            std::tuple(5, 9, "北京", "上海南"));
}

}  // namespace
}  // namespace kw
