#include "query/TransferSearch.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::TrainIds;
using Ids = std::vector<int>;
using Texts = std::vector<std::string>;

// 甲 -> 庚 -> 乙 -> 丙 (A1), 甲 -> 乙 (A2), 庚 -> 乙 -> 戊 (B1), 乙 -> 戊 (B2,
// B3), and 戊 -> 甲 (C1), the only train serving both 甲 and 戊.
Database& Db() {
  static test::TestTimetable t{
      {"station", "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t戊\tw\n6\t己\tj\n7\t庚\tg\n"},
      {"train",
       "1\tA1\t2\t1\t3\t8.3\t12\t0\t300\t\n2\tA2\t2\t1\t2\t18\t19.3\t0\t100\t\n"
       "3\tB1\t2\t7\t5\t7\t11\t0\t300\t\n4\tB2\t2\t2\t5\t20\t23\t0\t200\t\n"
       "5\tC1\t2\t5\t1\t6\t9\t0\t500\t\n6\tB3\t2\t2\t5\t9\t17\t0\t200\t\n"},
      {"pass",
       "1\t1\t1\t\t8.3\t0\t0\n1\t7\t2\t9\t9.05\t0\t50\n1\t2\t3\t10\t10.1\t0\t100\n1\t3\t4\t12\t\t0\t300\n"
       "2\t1\t1\t\t18\t0\t0\n2\t2\t2\t19.3\t\t0\t100\n"
       "3\t7\t1\t\t7\t0\t0\n3\t2\t2\t8\t8.1\t0\t50\n3\t5\t3\t11\t\t0\t300\n"
       "4\t2\t1\t\t20\t0\t0\n4\t5\t2\t23\t\t0\t200\n"
       "5\t5\t1\t\t6\t0\t0\n5\t1\t2\t9\t\t0\t500\n"
       "6\t2\t1\t\t9\t0\t0\n6\t5\t2\t17\t\t0\t200\n"}};
  static const auto db = t.Open();
  return *db;
}

TEST(TransferSearch, CandidatesInStationIdOrderEachOnceWithoutTheDepartureStation) {
  // Reached from 甲: 甲 庚 乙 丙 戊; from 戊: 庚 乙 戊 甲. 甲 is left out, 戊
  // (the arrival station) stays; id order, not route or name order.
  const auto c = FindTransferStations(Db(), 1, 5);
  EXPECT_TRUE(c.found);
  EXPECT_EQ(c.names, (Texts{"乙", "戊", "庚"}));
  const auto none = FindTransferStations(Db(), 1, 4);  // 丁 has no train
  EXPECT_EQ(std::pair(none.found, none.names.size()), std::pair(false, size_t{0}));
}

TEST(TransferSearch, BothLegsWithoutMatchingTheirTimesAndTheWindowAtEachLegsStations) {
  auto r = PickTransferStation(Db(), 1, 5, "乙", 0, 0);
  ASSERT_EQ(r.outcome, TwoLegOutcome::Found);
  EXPECT_EQ(r.transferStationName, "乙");
  EXPECT_EQ(TrainIds(r.firstLeg), (Ids{1, 2}));
  // B1 leaves 乙 at 08:10, before any first-leg train arrives: still listed.
  EXPECT_EQ(TrainIds(r.secondLeg), (Ids{3, 4, 6}));
  EXPECT_EQ(r.firstLeg[0].legLine, " A1次(甲---丙)普快\t08:30\t 10:00");
  EXPECT_EQ(r.secondLeg[0].legLine, " B1次(庚---戊)普快\t08:10\t 11:00");
  EXPECT_TRUE(r.otherWayMessages.empty());
  // 08:30 to 18:00: A1 leaves 甲 at 08:30 and reaches 乙 at 10:00; A2 reaches
  // 乙 at 19:30. From 乙: B1 leaves 08:10 (too early), B2 reaches 戊 at 23:00
  // (too late), B3 09:00 -> 17:00.
  r = PickTransferStation(Db(), 1, 5, "乙", 830, 1800);
  ASSERT_EQ(r.outcome, TwoLegOutcome::Found);
  EXPECT_EQ(TrainIds(r.firstLeg), (Ids{1}));
  EXPECT_EQ(TrainIds(r.secondLeg), (Ids{6}));
  // A leg without train ends the search.
  r = PickTransferStation(Db(), 1, 5, "丙", 0, 0);  // nothing runs 丙 -> 戊
  EXPECT_EQ(r.outcome, TwoLegOutcome::NoSecondLeg);
  EXPECT_TRUE(r.otherWayMessages.empty());
  EXPECT_EQ(PickTransferStation(Db(), 1, 5, "乙", 2000, 0).outcome, TwoLegOutcome::NoFirstLeg);
}

TEST(TransferSearch, NamedTransferUsesExactNamesWithoutSpacesAndNoWindow) {
  auto r = RunNamedTransfer(Db(), " 甲", "乙 ", "戊");
  ASSERT_EQ(r.outcome, TwoLegOutcome::Found);
  EXPECT_EQ(r.transferStationName, "乙 ") << "as typed";
  EXPECT_EQ(std::pair(r.fromStationId, r.toStationId), std::pair(1, 5));
  EXPECT_EQ(TrainIds(r.firstLeg), (Ids{1, 2}));
  EXPECT_EQ(TrainIds(r.secondLeg), (Ids{3, 4, 6}));
  // 甲 -> 戊: C1 calls at both but runs 戊 -> 甲.
  r = RunNamedTransfer(Db(), "甲", "戊", "乙");
  EXPECT_EQ(r.outcome, TwoLegOutcome::NoFirstLeg);
  EXPECT_EQ(r.otherWayMessages, Texts{"从甲到戊只有返程列车，请重新选择"});
}

TEST(TransferSearch, ANameOfNoStationEndsWithItsName) {
  // Exact names: a prefix is not enough.
  const std::pair<TwoLegResult, std::string> cases[] = {{RunNamedTransfer(Db(), "甲", "辛", "戊"), "辛"},
                                                        {RunNamedTransfer(Db(), "甲", "乙", "戊站"), "戊站"},
                                                        {PickTransferStation(Db(), 1, 5, "辛", 0, 0), "辛"}};
  for (const auto& [r, name] : cases) {
    EXPECT_EQ(r.outcome, TwoLegOutcome::UnknownStation) << name;
    EXPECT_EQ(r.unknownName, name);
  }
}

}  // namespace
}  // namespace kw
