#include "query/TrainNumberSearch.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

class TrainNumberSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = new test::TestTimetable;
    table_->Set("station", "1\t甲\tj\n2\t乙\ty\n");
    table_->Set("train",
                "1\tK21\t1\t1\t2\t8.3\t7.4\t1\t1463\t\n"
                "2\tK21/K22\t1\t1\t2\t9\t10\t1\t1463\t\n"
                "3\tT21\t1\t1\t2\t9\t10\t0\t100\t\n"
                "4\tM21\t2\t1\t2\t9\t10\t0\t100\t\n"
                "5\t21\t2\t1\t2\t9\t12\t0\t100\t\n"
                "6\tT20/21\t1\t1\t2\t9\t10\t0\t100\t\n"
                "7\t1461\t2\t1\t2\t9\t10\t0\t100\t\n"
                "8\t21461\t2\t1\t2\t9\t10\t0\t100\t\n"
                "9\tZ210\t5\t1\t2\t9\t10\t0\t100\t\n"
                "10\tD21\t5\t1\t2\t9\t10\t0\t100\t\n"
                "11\tZ4\t5\t1\t2\t9\t10\t5\t6000\t\n"
                "12\tG5\t5\t1\t2\t9\t10\t0\t5999\t周末开行\n"
                "13\tY21/Y22\t5\t1\t2\t9\t10\t0\t100\t\n"
                "14\t121\t2\t1\t2\t9\t10\t0\t100\t\n"
                "15\t1462\t2\t1\t2\t9\t10\t0\t100\t\n"
                "16\tK4\t1\t1\t2\t9\t10\t5\t7000\t国际列车\n");
    db_ = table_->Open().release();
  }
  static void TearDownTestSuite() {
    delete db_;
    delete table_;
  }
  static std::vector<int> Find(const std::string& text) {
    std::vector<int> ids;
    for (const auto& r : FindTrainsByNumber(*db_, text).rows) ids.push_back(r.trainId);
    return ids;
  }

  static test::TestTimetable* table_;
  static Database* db_;
};

test::TestTimetable* TrainNumberSearchTest::table_ = nullptr;
Database* TrainNumberSearchTest::db_ = nullptr;

using Ids = std::vector<int>;

TEST_F(TrainNumberSearchTest, WithALetterNumbersEndingInTheTextOrCarryingItBeforeASlash) {
  EXPECT_EQ(Find("K21"), (Ids{1, 2}));
  EXPECT_EQ(Find("k21"), (Ids{1, 2}));
  EXPECT_EQ(Find("K22"), (Ids{2}));
  EXPECT_EQ(Find("t20"), (Ids{6}));
}

TEST_F(TrainNumberSearchTest, EveryLetterCountsNotOnlyKAndT) {
  EXPECT_EQ(Find("z4"), (Ids{11}));
  EXPECT_EQ(Find("D21"), (Ids{10}));
  EXPECT_EQ(Find("y22"), (Ids{13}));
}

TEST_F(TrainNumberSearchTest, ShortDigitsFollowALetterOrASlashButNeverStandAlone) {
  // 21: K21, K21/K22, T21, M21, T20/21, D21, Y21/Y22; not 21, 121 or Z210.
  EXPECT_EQ(Find("21"), (Ids{1, 2, 3, 4, 6, 10, 13}));
  EXPECT_EQ(Find("22"), (Ids{2, 13}));
  EXPECT_EQ(Find("5"), (Ids{12}));
}

TEST_F(TrainNumberSearchTest, FourDigitsOrMoreMatchAnywhere) {
  EXPECT_EQ(Find("1461"), (Ids{7, 8}));
  EXPECT_EQ(Find("2146"), (Ids{8}));
}

TEST_F(TrainNumberSearchTest, TypedWildcardsAreTakenLiterally) {
  EXPECT_TRUE(Find("14_1").empty());
  EXPECT_TRUE(Find("146%").empty());
  EXPECT_TRUE(Find("*").empty());
  EXPECT_TRUE(Find("2?").empty());
  EXPECT_TRUE(Find("[2]1").empty());
  EXPECT_TRUE(Find("K\"21").empty());
  EXPECT_TRUE(Find("K%").empty());
  EXPECT_FALSE(FindTrainsByNumber(*db_, "").found);
}

TEST_F(TrainNumberSearchTest, RowTextsAsTheListShowsThem) {
  const auto r = FindTrainsByNumber(*db_, "K21");
  ASSERT_TRUE(r.found);
  const ResultRow& k21 = r.rows[0];
  EXPECT_EQ(k21.caption, " K21次(特快(甲----乙))");
  EXPECT_EQ(k21.startText, "08:30");
  EXPECT_EQ(k21.endText, "次日07:40");
  EXPECT_EQ(k21.distanceText, " 1463");
  EXPECT_EQ(k21.fareText, " t150");
  EXPECT_EQ(k21.memoText, "");
  EXPECT_EQ(k21.trainId, 1);
  // Priced, no remark: the line ends after the fare's space.
  EXPECT_EQ(k21.printLine, " K21次(特快(甲----乙))\t08:30\t次日07:40\t 1463 \t t150 ");
  EXPECT_EQ(FindTrainsByNumber(*db_, "T21").rows[0].endText, " 10:00");
}

TEST_F(TrainNumberSearchTest, SixThousandKilometresIsInternational) {
  const auto z4 = FindTrainsByNumber(*db_, "Z4").rows.at(0);
  EXPECT_EQ(z4.fareText, "国际列车");
  EXPECT_EQ(z4.endText, "第六日10:00");
  // International without remark: the line ends with the tab of the empty remark.
  EXPECT_EQ(z4.printLine, " Z4次(空调特快(甲----乙))\t09:00\t第六日10:00\t 6000 \t国际列车\t");
  const auto k4 = FindTrainsByNumber(*db_, "K4").rows.at(0);
  EXPECT_EQ(k4.printLine, " K4次(特快(甲----乙))\t09:00\t第六日10:00\t 7000 \t国际列车\t国际列车");
  const auto g5 = FindTrainsByNumber(*db_, "G5").rows.at(0);
  EXPECT_EQ(g5.fareText, " kt600");
  EXPECT_EQ(g5.printLine, " G5次(空调特快(甲----乙))\t09:00\t 10:00\t 5999 \t kt600 \t周末开行");
}

TEST_F(TrainNumberSearchTest, NotFoundMessageNamesTheText) {
  EXPECT_FALSE(FindTrainsByNumber(*db_, "K9999").found);
  EXPECT_EQ(TrainNotFoundMessage("k21"),
            "对不起！目前尚未开通“k21”次列车\n\n请检查您输入的车次，或许是您的手误。");
}

}  // namespace
}  // namespace kw
