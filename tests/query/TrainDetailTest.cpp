#include "query/TrainDetail.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using Texts = std::vector<std::string>;

// K21 甲 22:10 -> 乙 -> 北京西 -> 丙 06:00 next day, with no stop numbered 3;
// S1 one stop, N0 none, P1 北京西 -> 北京 -> 丙; U1 甲 -> 乙 -> 北京 -> 丁
// without a distance at 乙 (0) and 北京 (-119).
Database& Db() {
  static test::TestTimetable t{
      {"station", "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t北京\tbj\n6\t北京西\tbjx\n"},
      {"train",
       "1\tK21\t1\t1\t3\t22.1\t6\t1\t800\t\n2\tS1\t2\t1\t1\t9\t9\t0\t0\t\n"
       "3\tN0\t2\t1\t3\t9\t10\t0\t100\t\n4\tP1\t2\t6\t3\t8\t9.3\t0\t100\t\n"
       "5\tU1\t2\t1\t4\t8\t11\t0\t300\t\n"},
      {"pass",
       "1\t1\t1\t\t22.1\t0\t0\n1\t2\t2\t23.5\t23.58\t0\t120\n1\t6\t4\t3\t3.1\t1\t500\n"
       "1\t3\t5\t6\t\t1\t800\n"
       "2\t1\t1\t\t9\t0\t0\n"
       "4\t6\t1\t\t8\t0\t0\n4\t5\t2\t8.2\t8.25\t0\t20\n4\t3\t3\t9.3\t\t0\t100\n"
       "5\t1\t1\t\t8\t0\t0\n5\t2\t2\t9\t9.1\t0\t0\n5\t5\t3\t10\t10.1\t0\t-119\n"
       "5\t4\t4\t11\t\t0\t300\n"}};
  static const auto db = t.Open();
  return *db;
}

// Grid row, arrival, departure and distance texts of every stop.
Texts Stops(int trainId) {
  Texts texts;
  for (const auto& s : LoadStopList(Db(), trainId).stops) {
    texts.push_back(s.gridRow + "|" + s.arrivalText + "|" + s.departureText + "|" + s.distanceText);
  }
  return texts;
}

TEST(TrainDetail, StopListInRouteOrder) {
  EXPECT_EQ(Stops(1), (Texts{" 1\t甲\t<--始发站-->\t22:10\t<--始发站-->\t 0|始发站|22:10| 0",
                             " 2\t乙\t23:50\t23:58\t 120 \t 0|23:50|23:58| 120",
                             " 4\t北京西\t03:00\t03:10\t 500 \t 1|03:00|03:10| 500",
                             // The last stop carries its arrival as the departure text.
                             " 5\t丙\t06:00\t<--终到站-->\t 800 \t 1|终到站|06:00| 800"}));
  EXPECT_EQ(Stops(2), (Texts{" 1\t甲\t<--始发站-->\t09:00\t<--始发站-->\t 0|始发站|09:00| 0"}));
  // Stops after the first at 0 km or less have no distance.
  EXPECT_EQ(Stops(5), (Texts{" 1\t甲\t<--始发站-->\t08:00\t<--始发站-->\t 0|始发站|08:00| 0",
                             " 2\t乙\t09:00\t09:10\t 暂缺 \t 0|09:00|09:10| 暂缺",
                             " 3\t北京\t10:00\t10:10\t 暂缺 \t 0|10:00|10:10| 暂缺",
                             " 4\t丁\t11:00\t<--终到站-->\t 300 \t 0|终到站|11:00| 300"}));
  EXPECT_TRUE(Stops(3).empty());
  EXPECT_TRUE(Stops(99).empty());
}

TEST(TrainDetail, WholeRouteAndSegmentsRunAcrossMidnight) {
  const TrainDetail whole = LoadTrainDetail(Db(), 1, true);
  ASSERT_TRUE(whole.found);
  EXPECT_EQ(DetailTitle(whole), "K21次(甲---->丙)特快列车详细情况");
  EXPECT_EQ(whole.kindId, 1);
  const std::tuple<const char*, const char*, const char*, const char*, int, const char*> cases[] = {
      {"", "", "22:10", "次日06:00", 800, "7小时50分钟"},
      {"乙", "丙", "23:58", "次日06:00", 680, "6小时02分钟"},
      // 北京 is a station but not a stop of K21: the first stop beginning with it, 北京西.
      {"甲", "北京", "22:10", "次日03:00", 500, "4小时50分钟"}};
  for (const auto& [board, alight, depart, arrive, km, running] : cases) {
    const TrainDetail d = *board ? LoadTrainDetail(Db(), 1, false, board, alight) : whole;
    ASSERT_TRUE(d.found) << alight;
    EXPECT_EQ(std::tie(d.departTime, d.arriveText, d.distanceKm, d.runningTimeText, d.dayOffset),
              std::tuple(depart, arrive, km, running, 1));
    // The headline keeps the train's own end stations.
    EXPECT_EQ(d.firstStation + d.lastStation, "甲丙");
  }
  // P1 calls at 北京西 and then 北京: the exact name wins over an earlier prefix match.
  EXPECT_EQ(LoadTrainDetail(Db(), 4, false, "北京", "丙").departTime, "08:25");
}

// A detail's km ("?" when unknown), or for one not found what is missing.
std::string KmOrMissing(const TrainDetail& d) {
  return d.found ? (d.distanceKm ? std::to_string(*d.distanceKm) : "?") : d.missing;
}

// Each case a train and its stretch, no boarding station for the whole
// route.
TEST(TrainDetail, DistanceIsUnknownWhereAStopHasNoneAndAMissingTrainOrStopIsSaid) {
  const std::tuple<int, const char*, const char*, const char*> cases[] = {
      {5, nullptr, "", "300"},
      {5, "甲", "丁", "300"},
      {5, "甲", "乙", "?"},
      {5, "乙", "丁", "?"},
      {5, "北京", "丁", "?"},
      {5, "甲", "北京", "?"},
      {2, nullptr, "", "?"},  // S1's route is 0 km
      {99, nullptr, "", "车次编号 99 不存在"},
      {1, "甲", "丁", "本车次不经过丁"},
      {3, "甲", "丙", "本车次不经过甲"},  // a train without stops
      {1, "", "丙", "本车次不经过"},
      {1, "%", "丙", "本车次不经过%"},  // a typed wildcard is a character
      // The alighting stop must come after the boarding stop.
      {1, "丙", "甲", "本车次不是由丙开往甲"},
      {1, "乙", "乙", "本车次不是由乙开往乙"}};
  for (const auto& [train, board, alight, shown] : cases) {
    const TrainDetail d = LoadTrainDetail(Db(), train, !board, board ? board : "", alight);
    EXPECT_EQ(KmOrMissing(d), shown) << train << " " << (board ? board : "whole") << "-" << alight;
  }
}

TEST(TrainDetail, SegmentHighlightCountsGapsInTheSequence) {
  // Station search: prefix fallback, gaps counted; 甲 (1) to 丙 (5) misses 3.
  Segment s = FindSegment(Db(), 1, "甲", "丙", true, true);
  ASSERT_TRUE(s.found);
  EXPECT_EQ(std::tie(s.fromZhanci, s.toZhanci, s.gaps, s.stationCount), std::tuple(1, 5, 1, 4));
  s = FindSegment(Db(), 1, "北 京", "丙", true, true);
  ASSERT_TRUE(s.found);
  EXPECT_EQ(std::tie(s.fromZhanci, s.stationCount), std::tuple(4, 2));
  // A leg of a journey: exact names, no gap counting.
  s = FindSegment(Db(), 1, "甲", "丙", false, false);
  EXPECT_EQ(std::tie(s.gaps, s.stationCount), std::tuple(0, 5));
  s = FindSegment(Db(), 1, "北京", "丙", false, false);
  EXPECT_FALSE(s.found);
  EXPECT_EQ(s.missing, "本车次不经过北京");
  EXPECT_FALSE(FindSegment(Db(), 99, "甲", "丙", true, true).found);
}

}  // namespace
}  // namespace kw
