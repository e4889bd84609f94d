#include "query/TransferSearch.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

// 甲 -> 庚 -> 乙 -> 丙 (A1), 甲 -> 乙 (A2), 庚 -> 乙 -> 戊 (B1), 乙 -> 戊 (B2,
// B3), and 戊 -> 甲 (C1), the only train serving both 甲 and 戊.
class TransferSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = new test::TestTimetable;
    table_->Set("station", "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t戊\tw\n6\t己\tj\n7\t庚\tg\n");
    table_->Set("train",
                "1\tA1\t2\t1\t3\t8.3\t12\t0\t300\t\n"
                "2\tA2\t2\t1\t2\t18\t19.3\t0\t100\t\n"
                "3\tB1\t2\t7\t5\t7\t11\t0\t300\t\n"
                "4\tB2\t2\t2\t5\t20\t23\t0\t200\t\n"
                "5\tC1\t2\t5\t1\t6\t9\t0\t500\t\n"
                "6\tB3\t2\t2\t5\t9\t17\t0\t200\t\n");
    table_->Set(
        "pass",
        "1\t1\t1\t\t8.3\t0\t0\n1\t7\t2\t9\t9.05\t0\t50\n1\t2\t3\t10\t10.1\t0\t100\n1\t3\t4\t12\t\t0\t300\n"
        "2\t1\t1\t\t18\t0\t0\n2\t2\t2\t19.3\t\t0\t100\n"
        "3\t7\t1\t\t7\t0\t0\n3\t2\t2\t8\t8.1\t0\t50\n3\t5\t3\t11\t\t0\t300\n"
        "4\t2\t1\t\t20\t0\t0\n4\t5\t2\t23\t\t0\t200\n"
        "5\t5\t1\t\t6\t0\t0\n5\t1\t2\t9\t\t0\t500\n"
        "6\t2\t1\t\t9\t0\t0\n6\t5\t2\t17\t\t0\t200\n");
    db_ = table_->Open().release();
  }
  static void TearDownTestSuite() {
    delete db_;
    delete table_;
  }
  static std::vector<int> Ids(const std::vector<ResultRow>& rows) {
    std::vector<int> ids;
    for (const auto& r : rows) ids.push_back(r.trainId);
    return ids;
  }

  static test::TestTimetable* table_;
  static Database* db_;
};

test::TestTimetable* TransferSearchTest::table_ = nullptr;
Database* TransferSearchTest::db_ = nullptr;

TEST_F(TransferSearchTest, CandidatesInStationIdOrderEachOnceWithoutTheDepartureStation) {
  // Reached from 甲: 甲 庚 乙 丙 戊; from 戊: 庚 乙 戊 甲. 甲 is left out, 戊
  // (the arrival station) stays; id order, not route or name order.
  const auto c = FindTransferStations(*db_, 1, 5);
  EXPECT_TRUE(c.found);
  EXPECT_EQ(c.names, (std::vector<std::string>{"乙", "戊", "庚"}));
}

TEST_F(TransferSearchTest, NoCandidate) {
  const auto c = FindTransferStations(*db_, 1, 4);  // 丁 has no train
  EXPECT_FALSE(c.found);
  EXPECT_TRUE(c.names.empty());
  EXPECT_EQ(NoTransferMessage("甲", "丁"), "对不起！由甲到达丁通过一次中转目前无法实现。\n");
}

TEST_F(TransferSearchTest, PickedStationListsBothLegsWithoutMatchingTheirTimes) {
  const auto r = PickTransferStation(*db_, 1, 5, "乙", 0, 0);
  ASSERT_EQ(r.outcome, TwoLegOutcome::Found);
  EXPECT_EQ(r.transferStationName, "乙");
  EXPECT_EQ(Ids(r.firstLeg), (std::vector<int>{1, 2}));
  // B1 leaves 乙 at 08:10, before any first-leg train arrives: still listed.
  EXPECT_EQ(Ids(r.secondLeg), (std::vector<int>{3, 4, 6}));
  EXPECT_EQ(r.firstLeg[0].legLine, " A1次(甲---丙)普快\t08:30\t 10:00");
  EXPECT_EQ(r.secondLeg[0].legLine, " B1次(庚---戊)普快\t08:10\t 11:00");
  // Leg 2 rows follow leg 1's: the lists number them Row1..Row2, Row3..Row5.
  EXPECT_EQ(r.firstLeg.size() + r.secondLeg.size(), 5u);
  EXPECT_TRUE(r.otherWayMessages.empty());
}

TEST_F(TransferSearchTest, TheWindowAppliesToEachLegAtItsOwnStations) {
  // 08:30 to 18:00: A1 leaves 甲 at 08:30 and reaches 乙 at 10:00; A2 reaches
  // 乙 at 19:30. From 乙: B1 leaves 08:10 (too early), B2 reaches 戊 at 23:00
  // (too late), B3 09:00 -> 17:00.
  const auto r = PickTransferStation(*db_, 1, 5, "乙", 830, 1800);
  ASSERT_EQ(r.outcome, TwoLegOutcome::Found);
  EXPECT_EQ(Ids(r.firstLeg), (std::vector<int>{1}));
  EXPECT_EQ(Ids(r.secondLeg), (std::vector<int>{6}));
}

TEST_F(TransferSearchTest, ALegWithoutTrainEndsTheSearch) {
  auto r = PickTransferStation(*db_, 1, 5, "丙", 0, 0);  // nothing runs 丙 -> 戊
  EXPECT_EQ(r.outcome, TwoLegOutcome::NoSecondLeg);
  EXPECT_TRUE(r.otherWayMessages.empty());
  r = PickTransferStation(*db_, 1, 5, "乙", 2000, 0);  // nothing leaves 甲 after 20:00
  EXPECT_EQ(r.outcome, TwoLegOutcome::NoFirstLeg);
}

TEST_F(TransferSearchTest, NamedTransferUsesExactNamesWithoutSpacesAndNoWindow) {
  const auto r = RunNamedTransfer(*db_, " 甲", "乙 ", "戊");
  ASSERT_EQ(r.outcome, TwoLegOutcome::Found);
  EXPECT_EQ(r.transferStationName, "乙 ") << "as typed";
  EXPECT_EQ(r.fromStationId, 1);
  EXPECT_EQ(r.toStationId, 5);
  EXPECT_EQ(Ids(r.firstLeg), (std::vector<int>{1, 2}));
  EXPECT_EQ(Ids(r.secondLeg), (std::vector<int>{3, 4, 6}));
}

TEST_F(TransferSearchTest, ANameOfNoStationEndsWithItsName) {
  auto r = RunNamedTransfer(*db_, "甲", "辛", "戊");
  EXPECT_EQ(r.outcome, TwoLegOutcome::UnknownStation);
  EXPECT_EQ(r.unknownName, "辛");
  // Exact names: a prefix is not enough.
  r = RunNamedTransfer(*db_, "甲", "乙", "戊站");
  EXPECT_EQ(r.outcome, TwoLegOutcome::UnknownStation);
  EXPECT_EQ(r.unknownName, "戊站");
  r = PickTransferStation(*db_, 1, 5, "辛", 0, 0);
  EXPECT_EQ(r.outcome, TwoLegOutcome::UnknownStation);
  EXPECT_EQ(UnknownStationMessage("辛"), "没有名为“辛”的车站");
}

TEST_F(TransferSearchTest, ALegRunningOnlyTheOtherWayIsSaid) {
  // 甲 -> 戊: C1 calls at both but runs 戊 -> 甲.
  const auto r = RunNamedTransfer(*db_, "甲", "戊", "乙");
  EXPECT_EQ(r.outcome, TwoLegOutcome::NoFirstLeg);
  EXPECT_EQ(r.otherWayMessages, (std::vector<std::string>{"从甲到戊只有返程列车，请重新选择"}));
}

}  // namespace
}  // namespace kw
