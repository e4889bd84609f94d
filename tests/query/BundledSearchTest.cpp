// The searches on the bundled timetable every new user meets.
#include <gtest/gtest.h>

#include <set>

#include "query/DirectSearch.h"
#include "query/StationSearch.h"
#include "query/TrainDetail.h"
#include "query/TrainNumberSearch.h"
#include "query/TransferSearch.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

class BundledSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    copy_ = new test::BundledCopy;
    db_ = copy_->Open().release();
  }
  static void TearDownTestSuite() {
    delete db_;
    delete copy_;
  }
  static std::set<int> Ids(const std::vector<ResultRow>& rows) {
    std::set<int> ids;
    for (const auto& r : rows) ids.insert(r.trainId);
    return ids;
  }
  static test::BundledCopy* copy_;
  static Database* db_;
};

test::BundledCopy* BundledSearchTest::copy_ = nullptr;
Database* BundledSearchTest::db_ = nullptr;

TEST_F(BundledSearchTest, BeijingToShanghaiCoversEveryStationOfBothCities) {
  const auto r = RunStationSearch(*db_, {"北京", "上海", 0, 0, false});
  ASSERT_EQ(r.outcome, StationSearchOutcome::Found);
  const auto ids = Ids(r.rows);
  EXPECT_EQ(ids.size(), r.rows.size()) << "each train once";
  for (int id : {1, 3, 5, 7})
    EXPECT_TRUE(ids.count(id)) << "T109, 1461, D311 (北京南), G1 (to 上海虹桥): " << id;
  for (int id : {2, 4, 6, 8}) EXPECT_FALSE(ids.count(id)) << "trains to Beijing: " << id;
  EXPECT_EQ(r.rows[0].caption, " T109次(北京---上海)特快列车");
  EXPECT_EQ(r.rows[0].endText, "次日10:18");
}

TEST_F(BundledSearchTest, NumbersWithTwoPartsAndLettersBeyondKAndT) {
  EXPECT_EQ(Ids(FindTrainsByNumber(*db_, "Z41").rows), (std::set<int>{15}));
  EXPECT_EQ(Ids(FindTrainsByNumber(*db_, "z40").rows), (std::set<int>{15}));
  EXPECT_EQ(Ids(FindTrainsByNumber(*db_, "41").rows), (std::set<int>{15}));
  EXPECT_EQ(Ids(FindTrainsByNumber(*db_, "d311").rows), (std::set<int>{5}));
  EXPECT_EQ(Ids(FindTrainsByNumber(*db_, "g1").rows), (std::set<int>{7}));
  const auto k3 = FindTrainsByNumber(*db_, "K3").rows;
  ASSERT_EQ(k3.size(), 1u);
  EXPECT_EQ(k3[0].trainId, 789);
  EXPECT_EQ(k3[0].fareText, "国际列车");
}

TEST_F(BundledSearchTest, TransferFromUrumqiToBeijingWest) {
  const auto from = StationIdByName(*db_, "乌鲁木齐");
  const auto to = StationIdByName(*db_, "北京");
  ASSERT_TRUE(from && to);
  const auto c = FindTransferStations(*db_, *from, *to);
  EXPECT_NE(std::find(c.names.begin(), c.names.end(), "徐州"), c.names.end());
  const auto r = RunNamedTransfer(*db_, "乌鲁木齐", "郑州", "北京西");
  ASSERT_EQ(r.outcome, TwoLegOutcome::Found);
  EXPECT_FALSE(r.firstLeg.empty());
  EXPECT_FALSE(r.secondLeg.empty());
}

TEST_F(BundledSearchTest, EveryTrainLoadsItsStopsAndDetail) {
  auto q = db_->Prepare("SELECT id FROM train ORDER BY id");
  std::vector<int> trains;
  while (q.Step()) trains.push_back(q.Int(0));
  ASSERT_FALSE(trains.empty());
  for (int id : trains) {
    const StopList stops = LoadStopList(*db_, id);
    ASSERT_GE(stops.count(), 2) << id;
    const TrainDetail whole = LoadTrainDetail(*db_, id, true);
    ASSERT_TRUE(whole.found) << id;
    // The segment from the first to the last stop is the whole route.
    const std::string& first = stops.stops.front().stationName;
    const std::string& last = stops.stops.back().stationName;
    const TrainDetail segment = LoadTrainDetail(*db_, id, false, first, last);
    EXPECT_EQ(segment.runningTimeText, whole.runningTimeText) << id;
    EXPECT_EQ(segment.arriveText, whole.arriveText) << id;
    EXPECT_EQ(segment.distanceKm, whole.distanceKm) << id;
    EXPECT_EQ(FindSegment(*db_, id, first, last, true, true).stationCount, stops.count()) << id;
  }
}

}  // namespace
}  // namespace kw
