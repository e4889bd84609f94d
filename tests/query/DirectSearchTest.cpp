#include "query/DirectSearch.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

// Classes come from the test timetable's fare table: 1 特快 (hard seat "t" +
// band/10), 2 普快 (band/10), 5 空调特快 ("kt" + band/10).
class DirectSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = new test::TestTimetable;
    table_->Set("station",
                "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t北京\tbj\n6\t北京西\tbjx\n7\t北京南\tbjn\n"
                "8\t上海\tsh\n9\t上海南\tshn\n10\t戊\tw\n");
    table_->Set("train",
                "1\tK21\t1\t1\t3\t8.3\t23.5\t0\t1463\t\n"
                "2\tK22\t1\t3\t1\t6\t21\t0\t1463\t\n"
                "3\tT5\t2\t1\t2\t8.29\t12\t0\t200\t空调\n"
                "4\tZ7\t1\t1\t2\t23.1\t7.4\t1\t600\t\n"
                "5\tD5\t5\t7\t8\t9\t14\t0\t1318\t\n"
                "6\tD1\t5\t6\t8\t7\t12\t0\t1300\t\n"
                "7\tK3\t5\t1\t10\t1\t8\t3\t6001\t\n"
                "8\tG3\t5\t8\t5\t9\t14\t0\t1300\t\n"
                "9\tG4\t5\t9\t7\t9\t14\t0\t1300\t\n"
                "10\tD9\t5\t6\t8\t15\t20\t0\t1300\t\n");
    table_->Set("pass",
                "1\t1\t1\t\t8.3\t0\t0\n1\t2\t2\t10.15\t10.2\t0\t137\n1\t3\t3\t23.5\t\t0\t1463\n"
                "2\t3\t1\t\t6\t0\t0\n2\t2\t2\t19\t19.1\t0\t1326\n2\t1\t3\t21\t\t0\t1463\n"
                "3\t1\t1\t\t8.29\t0\t0\n3\t2\t2\t12\t\t0\t200\n"
                "4\t1\t1\t\t23.1\t0\t0\n4\t2\t2\t7.4\t\t1\t600\n"
                "5\t7\t1\t\t9\t0\t0\n5\t8\t2\t14\t\t0\t1318\n"
                "6\t6\t1\t\t7\t0\t0\n6\t7\t2\t7.3\t7.35\t0\t10\n6\t8\t3\t12\t\t0\t1300\n"
                "7\t1\t1\t\t1\t0\t0\n7\t4\t2\t5\t6\t3\t6000\n7\t10\t3\t8\t\t3\t6001\n"
                "8\t8\t1\t\t9\t0\t0\n8\t5\t2\t14\t\t0\t1300\n"
                "9\t9\t1\t\t9\t0\t0\n9\t7\t2\t14\t\t0\t1300\n"
                "10\t6\t1\t\t15\t0\t0\n10\t8\t2\t20\t\t0\t1300\n");
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
  static StationSearchResult Search(const std::string& from, const std::string& to, int earliest = 0,
                                    int latest = 0, bool hours = false) {
    return RunStationSearch(*db_, {from, to, earliest, latest, hours});
  }

  static test::TestTimetable* table_;
  static Database* db_;
};

test::TestTimetable* DirectSearchTest::table_ = nullptr;
Database* DirectSearchTest::db_ = nullptr;

TEST_F(DirectSearchTest, RowTextsAsTheListShowsThem) {
  const auto r = FindDirectTrains(*db_, 1, 2, 0, 0);
  ASSERT_TRUE(r.found);
  ASSERT_EQ(Ids(r.rows), (std::vector<int>{1, 3, 4}));
  const ResultRow& k21 = r.rows[0];
  EXPECT_EQ(k21.caption, " K21次(甲---丙)特快列车");
  EXPECT_EQ(k21.startText, "08:30");
  EXPECT_EQ(k21.endText, " 10:15");
  EXPECT_EQ(k21.distanceText, " 137 ");
  EXPECT_EQ(k21.fareText, "t20 ");
  EXPECT_EQ(k21.memoText, "");
  // No remark: the line ends with the fare and its space.
  EXPECT_EQ(k21.printLine, " K21次(甲---丙)特快列车\t08:30\t 10:15\t 137 \tt20 ");
  EXPECT_EQ(k21.legLine, " K21次(甲---丙)特快\t08:30\t 10:15");

  const ResultRow& t5 = r.rows[1];
  EXPECT_EQ(t5.memoText, "空调");
  EXPECT_EQ(t5.fareText, "20 ");
  EXPECT_EQ(t5.printLine, " T5次(甲---乙)普快列车\t08:29\t 12:00\t 200 \t20 \t空调");
}

TEST_F(DirectSearchTest, DirectionTestSkipsTrainsRunningTheOtherWay) {
  // K22 calls at 乙 before 甲: it serves 乙 -> 甲 only.
  auto r = FindDirectTrains(*db_, 2, 1, 0, 0);
  EXPECT_EQ(Ids(r.rows), (std::vector<int>{2}));
  const auto ids = Ids(FindDirectTrains(*db_, 1, 2, 0, 0).rows);
  EXPECT_EQ(std::find(ids.begin(), ids.end(), 2), ids.end());
}

TEST_F(DirectSearchTest, OnlyTrainsTheOtherWayIsToldFromNoCommonTrain) {
  auto r = FindDirectTrains(*db_, 4, 1, 0, 0);  // K3 runs 甲 -> 丁
  EXPECT_FALSE(r.found);
  EXPECT_TRUE(r.onlyOtherWay);
  EXPECT_TRUE(r.rows.empty());
  r = FindDirectTrains(*db_, 4, 3, 0, 0);  // no train calls at both
  EXPECT_FALSE(r.found);
  EXPECT_FALSE(r.onlyOtherWay);
  EXPECT_EQ(OtherWayMessage("丁", "甲"), "从丁到甲只有返程列车，请重新选择");
}

TEST_F(DirectSearchTest, AStationIsNoJourneyToItself) {
  const auto r = FindDirectTrains(*db_, 1, 1, 0, 0);
  EXPECT_FALSE(r.found);
  EXPECT_FALSE(r.onlyOtherWay);
}

TEST_F(DirectSearchTest, WindowBoundsHoldAtTheExactMinute) {
  // Earliest 08:30: K21 leaves at 8.3 and is listed, T5 at 8.29 is not.
  EXPECT_EQ(Ids(FindDirectTrains(*db_, 1, 2, 830, 0).rows), (std::vector<int>{1, 4}));
  EXPECT_EQ(Ids(FindDirectTrains(*db_, 1, 2, 829, 0).rows), (std::vector<int>{1, 3, 4}));
  // Latest 10:15 keeps K21 (arrives 10.15); 10:14 drops it.
  EXPECT_EQ(Ids(FindDirectTrains(*db_, 1, 2, 0, 1015).rows), (std::vector<int>{1, 4}));
  EXPECT_EQ(Ids(FindDirectTrains(*db_, 1, 2, 0, 1014).rows), (std::vector<int>{4}));
  // Both bounds: Z7 leaves 23:10 and arrives 07:40 next day, inside 08:30..12:00 by the clock.
  EXPECT_EQ(Ids(FindDirectTrains(*db_, 1, 2, 830, 1200).rows), (std::vector<int>{1, 4}));
  EXPECT_EQ(Ids(FindDirectTrains(*db_, 1, 2, 830, 1000).rows), (std::vector<int>{4}));
}

TEST_F(DirectSearchTest, OvernightArrivalCarriesItsDayAndPassesOnClockTime) {
  // Z7 leaves 23:10 and arrives 07:40 next day: clock times alone decide.
  const auto r = FindDirectTrains(*db_, 1, 2, 0, 800);
  ASSERT_EQ(Ids(r.rows), (std::vector<int>{4}));
  EXPECT_EQ(r.rows[0].endText, "次日07:40");
  EXPECT_TRUE(FindDirectTrains(*db_, 1, 2, 2345, 0).rows.empty());
  EXPECT_EQ(FindDirectTrains(*db_, 1, 4, 0, 0).rows[0].endText, "第四日05:00");
}

TEST_F(DirectSearchTest, SixThousandKilometresIsPricedAndOneMoreIsInternational) {
  const auto to6000 = FindDirectTrains(*db_, 1, 4, 0, 0);
  ASSERT_TRUE(to6000.found);
  EXPECT_EQ(to6000.rows[0].distanceText, " 6000 ");
  EXPECT_EQ(to6000.rows[0].fareText, "kt600 ");
  const auto to6001 = FindDirectTrains(*db_, 1, 10, 0, 0);
  ASSERT_TRUE(to6001.found);
  EXPECT_EQ(to6001.rows[0].distanceText, " 6001 ");
  EXPECT_EQ(to6001.rows[0].fareText, "国际列车");
  EXPECT_EQ(to6001.rows[0].printLine, " K3次(甲---戊)空调特快列车\t01:00\t第四日08:00\t 6001 \t国际列车");
}

TEST_F(DirectSearchTest, SearchIsSkippedForEmptyOrEqualTexts) {
  EXPECT_EQ(Search("", "乙").outcome, StationSearchOutcome::NotSearched);
  EXPECT_EQ(Search("甲", " ").outcome, StationSearchOutcome::NotSearched);
  EXPECT_EQ(Search("甲", " 甲 ").outcome, StationSearchOutcome::NotSearched);
  EXPECT_EQ(Search("甲", "辛").outcome, StationSearchOutcome::NoStation);
  EXPECT_EQ(Search("辛", "甲").outcome, StationSearchOutcome::NoStation);
}

TEST_F(DirectSearchTest, PrefixPairsAreMergedAndATrainIsListedOnceUnderItsFirstPair) {
  // 北京 x 上海: pairs (北京,上海) (北京,上海南) (北京西,上海) (北京西,上海南)
  // (北京南,上海) (北京南,上海南), in station id order.
  const auto r = Search(" 北 京", "上海");
  ASSERT_EQ(r.outcome, StationSearchOutcome::Found);
  // D1 (id 6) and D9 (id 10) through 北京西; D1 again through 北京南 is not
  // repeated; D5 (id 5) is met only at 北京南.
  EXPECT_EQ(Ids(r.rows), (std::vector<int>{6, 10, 5}));
  EXPECT_EQ(r.rows[0].startText, "07:00") << "D1 as found from 北京西";
  // G3 runs 上海 -> 北京: said while nothing was listed. G4 runs 上海南 ->
  // 北京南: met after rows were listed, so not said.
  EXPECT_EQ(r.otherWayMessages, (std::vector<std::string>{"从北京到上海只有返程列车，请重新选择"}));
  EXPECT_EQ(r.fromStationId, 7);
  EXPECT_EQ(r.toStationId, 9);
  EXPECT_EQ(r.fromStationName, "北京南");
  EXPECT_EQ(r.toStationName, "上海南");
}

TEST_F(DirectSearchTest, PairsOfOneStationWithItselfAreNotSearched) {
  // 北京 begins 北京西 as well: 北京西 -> 北京西 is skipped, and D1 runs
  // 北京西 -> 北京南, the other way for 北京南 -> 北京西.
  const auto r = Search("北京", "北京西");
  EXPECT_EQ(r.otherWayMessages, (std::vector<std::string>{"从北京南到北京西只有返程列车，请重新选择"}));
  EXPECT_EQ(r.outcome, StationSearchOutcome::OfferTransfer);
  EXPECT_EQ(r.fromStationId, 5);
  EXPECT_EQ(r.toStationId, 6);
}

TEST_F(DirectSearchTest, NothingInTheWindowWhenAnHourBoxWasFilled) {
  const auto r = Search("甲", "乙", 2345, 0, true);
  EXPECT_EQ(r.outcome, StationSearchOutcome::NothingInWindow);
  EXPECT_EQ(r.message, "对不起目前还没有符合您要求的车次！");
  EXPECT_TRUE(r.rows.empty());
  // Minutes alone (00:30) are a bound but not an hour: the transfer offer follows.
  EXPECT_EQ(Search("甲", "乙", 0, 5, false).outcome, StationSearchOutcome::OfferTransfer);
}

TEST_F(DirectSearchTest, TransferOfferNamesTheLastPairAndKeepsTheFirstPairsIds) {
  // 北京 x 上海南: only G4, which runs the other way at (北京南,上海南).
  const auto r = Search("北京", "上海南");
  ASSERT_EQ(r.outcome, StationSearchOutcome::OfferTransfer);
  EXPECT_EQ(r.message,
            "对不起！目前还没有由北京南发往上海南的直达列车。\n"
            "请点击“确定”键，系统自动为您找出可供中转的车站\n"
            "如果您想放弃，就请点击“取消”按钮");
  EXPECT_EQ(r.otherWayMessages, (std::vector<std::string>{"从北京南到上海南只有返程列车，请重新选择"}));
  EXPECT_EQ(r.fromStationId, 5);
  EXPECT_EQ(r.toStationId, 9);
  EXPECT_EQ(r.fromStationName, "北京南");
  EXPECT_EQ(r.toStationName, "上海南");
}

}  // namespace
}  // namespace kw
