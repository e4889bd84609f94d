// The fares of the shipped timetable against the fares the national ticketing
// site lists for conventional trains (tests/query/observed-fares): the most
// common listed fare of each class and distance zone.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "query/Fares.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

int KindId(const std::string& kindName) {
  const auto rows = test::QueryRows(test::ShippedDb(), "SELECT id FROM kind WHERE kind = '" + kindName + "'");
  return rows.empty() ? -1 : std::stoi(rows.front());
}

// What the program shows for a listed column: the hard seat, or the upper
// berth of the class the site lists one price for.
std::string ShownFare(int kindId, int km, const std::string& column) {
  const FareSet fares = LookupFares(test::ShippedDb(), kindId, km);
  if (column == "hard_seat") return fares.seatFares[0];
  if (column == "hard_sleeper") return fares.sleeperFares[0];
  if (column == "soft_sleeper") return fares.sleeperFares[3];
  return "?" + column;
}

TEST(ShippedFares, GiveTheMostCommonListedFareInNineteenZonesOfTwenty) {
  std::ifstream in(KW_SOURCE_DIR "/tests/query/observed-fares/zones.tsv");
  ASSERT_TRUE(in) << "tests/query/observed-fares/zones.tsv";
  std::string line;
  std::getline(in, line);  // header
  // Class and column: zones agreeing, zones.
  std::map<std::string, std::pair<int, int>> agreeing;
  while (std::getline(in, line)) {
    // Class, km, column, listings, fare.
    std::istringstream fields(line);
    std::array<std::string, 5> f;
    for (auto& field : f) std::getline(fields, field, '\t');
    auto& [hits, zones] = agreeing[f[0] + " " + f[2]];
    hits += ShownFare(KindId(f[0]), std::stoi(f[1]), f[2]) == f[4];
    ++zones;
  }
  // Both classes the site lists, each with its seat and two berths.
  ASSERT_EQ(agreeing.size(), 6u);
  for (const auto& [group, counts] : agreeing) {
    const auto [hits, zones] = counts;
    EXPECT_GE(zones, 35) << group;
    EXPECT_GE(hits * 100, zones * 95) << group << ": " << hits << " of " << zones << " zones";
  }
}

TEST(ShippedFares, KeepTheHalfYuanAndPriceEachClassByItsFamily) {
  // T7 北京西 → 西安 1,283 km: 156.5 hard seat, 268.5 and 422.5 upper berths;
  // 1148 宝鸡 → 西安 173 km: 25.5. The K trains pay the express supplement
  // as the T trains do; the slow trains pay less than the fast ones.
  const int express = KindId("特快"), fast = KindId("普快"), k = KindId("快速"), slow = KindId("普客");
  const FareSet t7 = LookupFares(test::ShippedDb(), express, 1283);
  EXPECT_EQ(t7.seatFares[0] + " " + t7.sleeperFares[0] + " " + t7.sleeperFares[3], "156.5 268.5 422.5");
  EXPECT_EQ(LookupFares(test::ShippedDb(), fast, 173).seatFares[0], "25.5");
  // A journey under 20 km pays the 20 km fare, soft seat too.
  EXPECT_EQ(LookupFares(test::ShippedDb(), express, 3).seatFares[0], "8");
  EXPECT_EQ(LookupFares(test::ShippedDb(), express, 3).seatFares,
            LookupFares(test::ShippedDb(), express, 20).seatFares);
  EXPECT_EQ(LookupFares(test::ShippedDb(), k, 1283).seatFares, t7.seatFares);
  EXPECT_LT(std::stod(LookupFares(test::ShippedDb(), slow, 1283).seatFares[0]),
            std::stod(LookupFares(test::ShippedDb(), fast, 1283).seatFares[0]));
  // Upper, middle, lower: each berth dearer than the one above it.
  for (int i : {0, 1, 3}) EXPECT_LT(std::stod(t7.sleeperFares[i]), std::stod(t7.sleeperFares[i + 1])) << i;
}

}  // namespace
}  // namespace kw
