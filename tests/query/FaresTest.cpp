#include "query/Fares.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using Seats = std::array<std::string, 2>;
using Berths = std::array<std::string, 5>;

Database& Db() {
  // Price columns: pkz, pmw, pkw, tkz, tkw, ktpkz, ktpkw, kttkz, kttkw.
  static test::TestTimetable t{
      {"kind",
       "1\t普慢\t普慢\n2\t普快\t普快\n3\t特快\t特快\n4\t空调普快\t空调普快\n5\t空调特快\t空调特快\n"
       "6\t神秘\t神秘快车\n"},
      {"price",
       "10\t1,2\ta,b,c,d,e,\tf,g,h,i,j,\t3,4\tk,l,m,n,o,\t5,6\tp,q,r,s,t,\t7,8\tu,v,w,x,y,\n"
       "20\t12,19\t1,1,1,1,1,\t2,2,2,2,2,\t13,20\t3,3,3,3,3,\t14,21\t4,4,4,4,4,\t15,22\t5,5,5,5,5,\n"
       "30\t13,20\t1,1,1,1,1,\t2,2,2,2,2,\t14,21\t3,3,3,3,3,\t15,22\t4,4,4,4,4,\t16,23\t5,5,5,5,5,\n"
       "400\t40,80\t30,31,32,45,47,\t33,34,35,48,50,\t41,81\t36,37,38,51,53,\t42,82\t39,40,41,54,56,\t43,"
       "83\t42,43,44,57,59,\n"
       // A band without sleeper fares.
       "500\t50,90\t\t\t51,91\t\t52,92\t\t53,93\t\n"}};
  static const auto db = t.Open();
  return *db;
}

TEST(Fares, BandIsTheSmallestDistanceNotBelowTheJourneyInTheFamilysColumn) {
  // Class 1 (普慢) reads 普快's seat column; class 6 has an unknown family and
  // 99 is no class; 501 km is beyond the table.
  const std::tuple<int, int, Seats> cases[] = {
      {2, 20, {"12", "19"}}, {2, 21, {"13", "20"}},  {2, 11, {"12", "19"}}, {2, 10, {"1", "2"}},
      {2, 0, {"1", "2"}},    {1, 20, {"12", "19"}},  {3, 20, {"13", "20"}}, {4, 20, {"14", "21"}},
      {5, 20, {"15", "22"}}, {1, 399, {"40", "80"}}, {6, 500, {"", ""}},    {99, 20, {"", ""}},
      {2, 501, {"", ""}}};
  for (const auto& [kind, km, seats] : cases) {
    EXPECT_EQ(LookupFares(Db(), kind, km).seatFares, seats) << kind << " " << km;
  }
  EXPECT_EQ(LookupFares(Db(), 2, 0).distance, 1) << "0 km is priced as 1";
}

TEST(Fares, SleepersFromFourHundredKilometresInTheFamilysColumn) {
  const Berths none{"无卧铺", "无卧铺", "无卧铺", "无卧铺", "无卧铺"};
  EXPECT_EQ(LookupFares(Db(), 1, 399).sleeperFares, none);
  EXPECT_EQ(LookupFares(Db(), 99, 20).sleeperFares, none);
  EXPECT_EQ(LookupFares(Db(), 1, 400).sleeperFares, (Berths{"30", "31", "32", "45", "47"}));  // pmw
  const std::pair<int, const char*> upperBerths[] = {{2, "33"}, {3, "36"}, {4, "39"}, {5, "42"}};
  for (const auto& [kind, upper] : upperBerths)
    EXPECT_EQ(LookupFares(Db(), kind, 400).sleeperFares[0], upper);
  EXPECT_EQ(LookupFares(Db(), 6, 500).sleeperFares, Berths{});
  EXPECT_EQ(LookupFares(Db(), 2, 501).sleeperFares, Berths{});
}

TEST(Fares, JourneyDistanceIsKnownOnlyBetweenStopsWithDistances) {
  // (boarding km, boarding is the first stop, alighting km): 0 km or less
  // after the first stop is no distance, nor is a journey of 0 km or less.
  const std::tuple<int, bool, int, std::optional<int>> cases[] = {
      {0, true, 137, 137},   {20, false, 137, 117}, {0, false, 137, std::nullopt}, {-1, false, 137, {}},
      {-3, true, 50, {}},    {20, false, 0, {}},    {20, false, -119, {}},         {137, false, 137, {}},
      {200, false, 137, {}}, {0, true, 0, {}}};
  for (const auto& [board, first, alight, km] : cases) {
    EXPECT_EQ(JourneyDistance(board, first, alight), km) << board << " " << first << " " << alight;
  }
}

TEST(Fares, RowFiguresSayUnknownForAnUnknownDistanceOrFare) {
  using Style = RowStyle;
  const std::tuple<Style, int, std::optional<int>, const char*, const char*> cases[] = {
      {Style::Station, 2, 20, " 20 ", "12 "},
      {Style::Number, 2, 20, " 20", " 12"},
      {Style::Station, 2, std::nullopt, " 暂缺 ", "暂缺 "},
      {Style::Number, 2, std::nullopt, " 暂缺", " 暂缺"},
      {Style::Station, 6, 20, " 20 ", "暂缺 "},    // a family that is none of the five
      {Style::Number, 99, 20, " 20", " 暂缺"},     // no such class
      {Style::Station, 2, 501, " 501 ", "暂缺 "},  // beyond the last band
      // The station search prices 6000 km, the number search does not.
      {Style::Station, 2, 6000, " 6000 ", "暂缺 "},
      {Style::Station, 2, 6001, " 6001 ", "国际列车"},
      {Style::Number, 2, 6000, " 6000", "国际列车"}};
  for (const auto& [style, kind, km, distanceText, fareText] : cases) {
    const RowFigures f = RowDistanceFare(Db(), style, kind, km);
    EXPECT_EQ(f.distanceText + "|" + f.fareText, std::string(distanceText) + "|" + fareText)
        << kind << " " << km.value_or(0);
    EXPECT_EQ(f.international, std::string(fareText) == "国际列车");
  }
}

TEST(Fares, PanelShowsEachFareWithASpaceNoBerthWithoutSleeperFaresAndUnknownFaresAsSuch) {
  using Panel = std::array<std::string, 7>;
  const Panel unknown{"暂缺", "暂缺", "暂缺", "暂缺", "暂缺", "暂缺", "暂缺"};
  const std::tuple<int, std::optional<int>, Panel> cases[] = {
      {1, 400, {"40 ", "80 ", "30 ", "31 ", "32 ", "45 ", "47 "}},
      {2, 450, {"50 ", "90 ", "无卧铺", "无卧铺", "无卧铺", "无卧铺", "无卧铺"}},
      // Under 400 km the berths are "无卧铺" whatever the seats are.
      {2, 20, {"12 ", "19 ", "无卧铺 ", "无卧铺 ", "无卧铺 ", "无卧铺 ", "无卧铺 "}},
      {6, 20, {"暂缺", "暂缺", "无卧铺 ", "无卧铺 ", "无卧铺 ", "无卧铺 ", "无卧铺 "}},
      {6, 500, unknown},
      {2, 501, unknown},
      {2, std::nullopt, unknown}};
  for (const auto& [kind, km, panel] : cases) {
    EXPECT_EQ(FarePanelTexts(Db(), kind, km), panel) << kind << " " << km.value_or(0);
  }
}

// Whole fare texts are split in the lookups above.
TEST(Fares, SplitFaresOfMalformedText) {
  FareSet g;
  SplitFares("1,2", 'W', g);  // too few commas: the rest stays empty
  EXPECT_EQ(g.sleeperFares, (Berths{"1", "2", "", "", ""}));
  SplitFares("15", 'Z', g);
  EXPECT_EQ(g.seatFares, (Seats{"15", ""}));
}

}  // namespace
}  // namespace kw
