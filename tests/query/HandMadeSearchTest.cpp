// The searches on the hand-made timetable of tests/data.
#include <gtest/gtest.h>

#include "query/DirectSearch.h"
#include "query/StationSearch.h"
#include "query/TrainDetail.h"
#include "query/TrainNumberSearch.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

Database& Db() { return test::HandMadeDb(); }

// Text far longer than any name (SQLite refuses LIKE patterns over 50,000
// bytes) matches nothing and fails nothing.
TEST(HandMadeSearch, TextOfAnyLengthMatchesNothingInsteadOfFailing) {
  const auto repeated = [](const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
  };
  // A "_" makes the station lookup test its pattern on every name.
  for (const std::string& text : {repeated("b", 60000), repeated("北_", 20000), repeated("1", 60000)}) {
    EXPECT_FALSE(FindStations(Db(), text, true).found);
    EXPECT_FALSE(FindStations(Db(), text, false).found);
    EXPECT_EQ(RunStationSearch(Db(), {text, "上海", 0, 0, false}).outcome, StationSearchOutcome::NoStation);
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

}  // namespace
}  // namespace kw
