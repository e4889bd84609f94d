#include "query/Fares.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

class FaresTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& t = t_;
    t.Set("kind",
          "1\t普慢\t普慢\n2\t普快\t普快\n3\t特快\t特快\n4\t空调普快\t空调普快\n5\t空调特快\t空调特快\n"
          "6\t神秘\t神秘快车\n");
    // pkz, pmw, pkw, tkz, tkw, ktpkz, ktpkw, kttkz, kttkw
    t.Set("price",
          "10\t1,2\ta,b,c,d,e,\tf,g,h,i,j,\t3,4\tk,l,m,n,o,\t5,6\tp,q,r,s,t,\t7,8\tu,v,w,x,y,\n"
          "20\t12,19\t1,1,1,1,1,\t2,2,2,2,2,\t13,20\t3,3,3,3,3,\t14,21\t4,4,4,4,4,\t15,22\t5,5,5,5,5,\n"
          "30\t13,20\t1,1,1,1,1,\t2,2,2,2,2,\t14,21\t3,3,3,3,3,\t15,22\t4,4,4,4,4,\t16,23\t5,5,5,5,5,\n"
          "400\t40,80\t30,31,32,45,47,\t33,34,35,48,50,\t41,81\t36,37,38,51,53,\t42,82\t39,40,41,54,56,\t43,"
          "83\t42,43,44,57,59,\n");
    db_ = t.Open();
  }
  test::TestTimetable t_;
  std::unique_ptr<Database> db_;
};

TEST_F(FaresTest, BandIsTheSmallestDistanceNotBelowTheJourney) {
  EXPECT_EQ(LookupFares(*db_, 2, 20).seatFares[0], "12");
  EXPECT_EQ(LookupFares(*db_, 2, 21).seatFares[0], "13");
  EXPECT_EQ(LookupFares(*db_, 2, 11).seatFares[0], "12");
  EXPECT_EQ(LookupFares(*db_, 2, 10).seatFares[0], "1");
}

TEST_F(FaresTest, SeatColumnSplitsIntoHardAndSoft) {
  const auto f = LookupFares(*db_, 2, 20);
  EXPECT_EQ(f.seatFares[0], "12");
  EXPECT_EQ(f.seatFares[1], "19");
}

TEST_F(FaresTest, EachFamilyReadsItsOwnColumns) {
  EXPECT_EQ(LookupFares(*db_, 1, 20).seatFares[0], "12");  // 普慢 shares pkz with 普快
  EXPECT_EQ(LookupFares(*db_, 3, 20).seatFares[0], "13");
  EXPECT_EQ(LookupFares(*db_, 4, 20).seatFares[0], "14");
  EXPECT_EQ(LookupFares(*db_, 5, 20).seatFares[1], "22");
  EXPECT_EQ(LookupFares(*db_, 1, 400).sleeperFares[0], "30");  // pmw
  EXPECT_EQ(LookupFares(*db_, 2, 400).sleeperFares[0], "33");  // pkw
  EXPECT_EQ(LookupFares(*db_, 3, 400).sleeperFares[0], "36");
  EXPECT_EQ(LookupFares(*db_, 4, 400).sleeperFares[0], "39");
  EXPECT_EQ(LookupFares(*db_, 5, 400).sleeperFares[0], "42");
}

TEST_F(FaresTest, SleepersFromFourHundredKilometres) {
  const auto short_trip = LookupFares(*db_, 1, 399);
  for (const auto& fare : short_trip.sleeperFares) EXPECT_EQ(fare, "无卧铺");
  EXPECT_EQ(short_trip.seatFares[0], "40");
  const auto long_trip = LookupFares(*db_, 1, 400);
  EXPECT_EQ(long_trip.sleeperFares, (std::array<std::string, 5>{"30", "31", "32", "45", "47"}));
}

TEST_F(FaresTest, ZeroKilometresIsPricedAsOne) {
  const auto f = LookupFares(*db_, 2, 0);
  EXPECT_EQ(f.distance, 1);
  EXPECT_EQ(f.seatFares[0], "1");
}

TEST_F(FaresTest, UnknownFamilyOrDistanceBeyondTheTableGivesEmptyFares) {
  const auto unknown = LookupFares(*db_, 6, 500);
  EXPECT_EQ(unknown.seatFares[0], "");
  EXPECT_EQ(unknown.sleeperFares[0], "");
  const auto missingKind = LookupFares(*db_, 99, 20);
  EXPECT_EQ(missingKind.seatFares[0], "");
  EXPECT_EQ(missingKind.sleeperFares[0], "无卧铺");
  const auto beyond = LookupFares(*db_, 2, 401);
  EXPECT_EQ(beyond.seatFares[0], "");
  EXPECT_EQ(beyond.sleeperFares[4], "");
}

TEST_F(FaresTest, FarePanelShowsEachFareWithASpaceAndNoBerthWithoutSleeperFares) {
  EXPECT_EQ(FarePanelTexts(LookupFares(*db_, 1, 400)),
            (std::array<std::string, 7>{"40 ", "80 ", "30 ", "31 ", "32 ", "45 ", "47 "}));
  // No sleeper fare at all (unknown family): every berth field says so.
  EXPECT_EQ(FarePanelTexts(LookupFares(*db_, 6, 500)),
            (std::array<std::string, 7>{" ", " ", "无卧铺", "无卧铺", "无卧铺", "无卧铺", "无卧铺"}));
}

TEST(SplitFares, ShapesAndMalformedText) {
  FareSet f;
  SplitFares("30,31,32,45,47,", 'W', f);
  EXPECT_EQ(f.sleeperFares, (std::array<std::string, 5>{"30", "31", "32", "45", "47"}));
  SplitFares("12,19", 'Z', f);
  EXPECT_EQ(f.seatFares, (std::array<std::string, 2>{"12", "19"}));
  FareSet g;
  SplitFares("1,2", 'W', g);  // too few commas: the rest stays empty
  EXPECT_EQ(g.sleeperFares, (std::array<std::string, 5>{"1", "2", "", "", ""}));
  SplitFares("15", 'Z', g);
  EXPECT_EQ(g.seatFares, (std::array<std::string, 2>{"15", ""}));
  SplitFares("9,9", 'X', g);
  EXPECT_EQ(g.seatFares[0], "15");
}

}  // namespace
}  // namespace kw
