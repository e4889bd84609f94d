// The searches on the hand-made timetable of tests/data.
#include <gtest/gtest.h>

#include "query/DirectSearch.h"
#include "query/StationLookup.h"
#include "query/TrainDetail.h"
#include "query/TrainNumberSearch.h"
#include "query/TransferSearch.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::TrainIds;
using Ids = std::vector<int>;

Database& Db() { return test::HandMadeDb(); }

// Text far longer than any name (SQLite refuses LIKE patterns over 50,000
// bytes) matches nothing and fails nothing.
TEST(HandMadeSearch, TextOfAnyLengthMatchesNothingInsteadOfFailing) {
  // A "_" makes the station lookup test its pattern on every name.
  std::string wild;
  for (int i = 0; i < 20000; ++i) wild += "北_";
  for (const std::string& text : {std::string(60000, 'b'), wild, std::string(60000, '1')}) {
    EXPECT_FALSE(FindStations(Db(), text, true).found);
    EXPECT_FALSE(FindStations(Db(), text, false).found);
    EXPECT_EQ(RunStationSearch(Db(), {text, "上海", 0, 0, false, ""}).outcome,
              StationSearchOutcome::NoStation);
    EXPECT_FALSE(FindTrainsByNumber(Db(), text).found);
    EXPECT_FALSE(LoadTrainDetail(Db(), 1, false, text, "上海").found);
  }
}

TEST(HandMadeSearch, EveryTrainLoadsItsStopsAndDetail) {
  const auto trains = test::QueryRows(Db(), "SELECT id FROM train ORDER BY id");
  ASSERT_FALSE(trains.empty());
  for (const auto& text : trains) {
    const int id = std::stoi(text);
    const StopList stops = LoadStopList(Db(), id);
    ASSERT_GE(stops.count(), 2) << id;
    const TrainDetail whole = LoadTrainDetail(Db(), id, true);
    ASSERT_TRUE(whole.found) << id;
    // The segment from the first to the last stop is the whole route.
    const std::string& first = stops.stops.front().stationName;
    const std::string& last = stops.stops.back().stationName;
    const TrainDetail segment = LoadTrainDetail(Db(), id, false, first, last);
    EXPECT_EQ(std::tie(segment.runningTimeText, segment.arriveText, segment.distanceKm),
              std::tie(whole.runningTimeText, whole.arriveText, whole.distanceKm))
        << id;
    EXPECT_EQ(FindSegment(Db(), id, first, last, true, true).stationCount, stops.count()) << id;
  }
}

// A 车型 option keeps the trains whose class name contains it, 普慢 also
// 普客, in every search; trains of another class still count as running, so
// that nothing of the class is told apart from no train at all.
TEST(HandMadeSearch, AClassOptionKeepsOnlyTrainsOfItsClassInEverySearch) {
  // 北京 -> 上海: T109 特快, 1461 普快, D311 动车组, G1 高速动车组. Number "1": G1,
  // Z1 直达特快. 北京 -> 徐州: T109, 1461; 徐州 -> 郑州: Z40/Z41 直达特快, K1005
  // 快速. 北京北 -> 张家口: 7091 普客. Changes from 商丘 to 上饶: at 南昌 by
  // 特快 trains, at 郑州 by 快速 ones.
  const struct {
    const char* option;
    Ids station;
    Ids number;
    TwoLegOutcome legs;
    Ids firstLeg, secondLeg;
    Ids local;  // 北京北 -> 张家口
    std::vector<std::string> candidates;
  } cases[] = {
      {"", {1, 3, 5, 7}, {7, 23}, TwoLegOutcome::Found, {1, 3}, {15, 19}, {66}, {"南昌", "郑州"}},
      {"特快", {1}, {23}, TwoLegOutcome::Found, {1}, {15}, {}, {"南昌"}},
      {"快速", {}, {}, TwoLegOutcome::NoFirstLeg, {}, {}, {}, {"郑州"}},
      {"普快", {3}, {}, TwoLegOutcome::NoSecondLeg, {3}, {}, {}, {}},
      {"普慢", {}, {}, TwoLegOutcome::NoFirstLeg, {}, {}, {66}, {}},
  };
  const auto id = [](const char* name) { return *StationIdByName(Db(), name); };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    for (const auto& [from, to, ids] :
         {std::tuple("北京", "上海", c.station), std::tuple("北京北", "张家口", c.local)}) {
      const auto r = RunStationSearch(Db(), {from, to, 0, 0, false, c.option});
      EXPECT_EQ(TrainIds(r.rows), ids) << from;
      EXPECT_EQ(r.outcome, ids.empty() ? StationSearchOutcome::NothingInWindow : StationSearchOutcome::Found);
      EXPECT_EQ(r.message, ids.empty() ? "对不起目前还没有符合您要求的车次！" : "");
      EXPECT_TRUE(r.otherWayMessages.empty());
    }
    const auto trains = FindTrainsByNumber(Db(), "1", c.option);
    EXPECT_EQ(TrainIds(trains.rows), c.number);
    EXPECT_TRUE(trains.found);
    for (const auto& legs : {RunNamedTransfer(Db(), "北京", "徐州", "郑州", c.option),
                             PickTransferStation(Db(), id("北京"), id("郑州"), "徐州", 0, 0, c.option)}) {
      EXPECT_EQ(legs.outcome, c.legs);
      EXPECT_EQ(legs.message.empty(), c.legs == TwoLegOutcome::Found);
      EXPECT_EQ(TrainIds(legs.firstLeg), c.firstLeg);
      if (c.legs != TwoLegOutcome::NoFirstLeg) {
        EXPECT_EQ(TrainIds(legs.secondLeg), c.secondLeg);
      }
    }
    const auto candidates = FindTransferStations(Db(), id("商丘"), id("上饶"), c.option);
    EXPECT_EQ(candidates.names, c.candidates);
    EXPECT_EQ(candidates.found, !c.candidates.empty());
    // Only the 普客 trains 7091 and 7092 serve 北京北 and 张家口: any of their
    // seven other stops is a change.
    const auto local = FindTransferStations(Db(), id("北京北"), id("张家口"), c.option);
    EXPECT_EQ(local.names.size(), c.local.empty() ? 0u : 7u);
  }
}

}  // namespace
}  // namespace kw
