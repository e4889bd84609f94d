#include "query/TrainDetail.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

// K21 甲 22:10 -> 乙 -> 北京西 -> 丙 06:00 next day, with no stop numbered 3.
class TrainDetailTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = new test::TestTimetable;
    table_->Set("station", "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t北京\tbj\n6\t北京西\tbjx\n");
    table_->Set("train",
                "1\tK21\t1\t1\t3\t22.1\t6\t1\t800\t\n"
                "2\tS1\t2\t1\t1\t9\t9\t0\t0\t\n"
                "3\tN0\t2\t1\t3\t9\t10\t0\t100\t\n"
                "4\tP1\t2\t6\t3\t8\t9.3\t0\t100\t\n");
    table_->Set("pass",
                "1\t1\t1\t\t22.1\t0\t0\n1\t2\t2\t23.5\t23.58\t0\t120\n1\t6\t4\t3\t3.1\t1\t500\n"
                "1\t3\t5\t6\t\t1\t800\n"
                "2\t1\t1\t\t9\t0\t0\n"
                "4\t6\t1\t\t8\t0\t0\n4\t5\t2\t8.2\t8.25\t0\t20\n4\t3\t3\t9.3\t\t0\t100\n");
    db_ = table_->Open().release();
  }
  static void TearDownTestSuite() {
    delete db_;
    delete table_;
  }
  static test::TestTimetable* table_;
  static Database* db_;
};

test::TestTimetable* TrainDetailTest::table_ = nullptr;
Database* TrainDetailTest::db_ = nullptr;

TEST_F(TrainDetailTest, StopListInRouteOrderWithGridRows) {
  const StopList list = LoadStopList(*db_, 1);
  ASSERT_EQ(list.count(), 4);
  std::vector<std::string> rows;
  for (const auto& s : list.stops) rows.push_back(s.gridRow);
  EXPECT_EQ(rows, (std::vector<std::string>{
                      " 1\t甲\t<--始发站-->\t22:10\t<--始发站-->\t 0",
                      " 2\t乙\t23:50\t23:58\t 120 \t 0",
                      " 4\t北京西\t03:00\t03:10\t 500 \t 1",
                      " 5\t丙\t06:00\t<--终到站-->\t 800 \t 1",
                  }));
  EXPECT_EQ(list.stops[0].arrivalText, "始发站");
  EXPECT_EQ(list.stops[0].departureText, "22:10");
  EXPECT_EQ(list.stops[2].arrivalText, "03:00");
  EXPECT_EQ(list.stops[2].departureText, "03:10");
  // The last stop carries its arrival as the departure text.
  EXPECT_EQ(list.stops[3].arrivalText, "终到站");
  EXPECT_EQ(list.stops[3].departureText, "06:00");
  EXPECT_EQ(list.stops[3].distanceText, " 800");
}

TEST_F(TrainDetailTest, SingleStopAndNoStops) {
  const StopList one = LoadStopList(*db_, 2);
  ASSERT_EQ(one.count(), 1);
  EXPECT_EQ(one.stops[0].gridRow, " 1\t甲\t<--始发站-->\t09:00\t<--始发站-->\t 0");
  EXPECT_EQ(one.stops[0].arrivalText, "始发站");
  EXPECT_EQ(LoadStopList(*db_, 3).count(), 0);
  EXPECT_EQ(LoadStopList(*db_, 99).count(), 0);
}

TEST_F(TrainDetailTest, WholeRouteRunsAcrossMidnight) {
  const TrainDetail d = LoadTrainDetail(*db_, 1, true);
  ASSERT_TRUE(d.found);
  EXPECT_EQ(d.trainNumber, "K21");
  EXPECT_EQ(d.kindName, "特快");
  EXPECT_EQ(d.kindId, 1);
  EXPECT_EQ(d.firstStation, "甲");
  EXPECT_EQ(d.lastStation, "丙");
  EXPECT_EQ(d.departTime, "22:10");
  EXPECT_EQ(d.arriveText, "次日06:00");
  EXPECT_EQ(d.distanceKm, 800);
  EXPECT_EQ(d.dayOffset, 1);
  EXPECT_EQ(d.runningTimeText, "7小时50分钟");
  EXPECT_EQ(DetailTitle(d), "K21次(甲---->丙)特快列车详细情况");
}

TEST_F(TrainDetailTest, SegmentBetweenTwoStops) {
  const TrainDetail d = LoadTrainDetail(*db_, 1, false, "乙", "丙");
  ASSERT_TRUE(d.found);
  EXPECT_EQ(d.departTime, "23:58");
  EXPECT_EQ(d.arriveText, "次日06:00");
  EXPECT_EQ(d.distanceKm, 680);
  EXPECT_EQ(d.dayOffset, 1);
  EXPECT_EQ(d.runningTimeText, "6小时02分钟");
  // The headline keeps the train's own end stations.
  EXPECT_EQ(d.firstStation, "甲");
}

TEST_F(TrainDetailTest, SegmentNameFallsBackToTheFirstStopBeginningWithIt) {
  // 北京 is a station but not a stop of K21; 北京西 is.
  const TrainDetail d = LoadTrainDetail(*db_, 1, false, "甲", "北京");
  ASSERT_TRUE(d.found);
  EXPECT_EQ(d.arriveText, "次日03:00");
  EXPECT_EQ(d.distanceKm, 500);
  EXPECT_EQ(d.runningTimeText, "4小时50分钟");
  // P1 calls at 北京西 and then 北京: the exact name wins over an earlier prefix match.
  EXPECT_EQ(LoadTrainDetail(*db_, 4, false, "北京", "丙").departTime, "08:25");
}

TEST_F(TrainDetailTest, MissingTrainOrStopGivesAnEmptyDetailThatSaysWhy) {
  TrainDetail d = LoadTrainDetail(*db_, 99, true);
  EXPECT_FALSE(d.found);
  EXPECT_EQ(d.missing, "车次编号 99 不存在");
  d = LoadTrainDetail(*db_, 1, false, "甲", "丁");
  EXPECT_FALSE(d.found);
  EXPECT_EQ(d.missing, "本车次不经过丁");
  d = LoadTrainDetail(*db_, 3, false, "甲", "丙");  // a train without stops
  EXPECT_FALSE(d.found);
  EXPECT_EQ(d.missing, "本车次不经过甲");
  EXPECT_FALSE(LoadTrainDetail(*db_, 1, false, "", "丙").found);
  EXPECT_FALSE(LoadTrainDetail(*db_, 1, false, "%", "丙").found) << "a typed wildcard is a character";
}

TEST_F(TrainDetailTest, SegmentHighlightCountsGapsInTheSequence) {
  // Station search: prefix fallback, gaps counted; 甲 (1) to 丙 (5) misses 3.
  Segment s = FindSegment(*db_, 1, "甲", "丙", true, true);
  ASSERT_TRUE(s.found);
  EXPECT_EQ(s.fromZhanci, 1);
  EXPECT_EQ(s.toZhanci, 5);
  EXPECT_EQ(s.gaps, 1);
  EXPECT_EQ(s.stationCount, 4);
  s = FindSegment(*db_, 1, "北 京", "丙", true, true);
  ASSERT_TRUE(s.found);
  EXPECT_EQ(s.fromZhanci, 4);
  EXPECT_EQ(s.stationCount, 2);
  // A leg of a journey: exact names, no gap counting.
  s = FindSegment(*db_, 1, "甲", "丙", false, false);
  EXPECT_EQ(s.gaps, 0);
  EXPECT_EQ(s.stationCount, 5);
  s = FindSegment(*db_, 1, "北京", "丙", false, false);
  EXPECT_FALSE(s.found);
  EXPECT_EQ(s.missing, "本车次不经过北京");
  EXPECT_FALSE(FindSegment(*db_, 99, "甲", "丙", true, true).found);
}

}  // namespace
}  // namespace kw
