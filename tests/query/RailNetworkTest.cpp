// The network the map draws: segments between consecutive stops with a
// position, counted once whichever way and however often they are run.
#include "query/RailNetwork.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

struct SegmentFigures {
  std::string a, b;
  int trains, highSpeed;
  bool operator==(const SegmentFigures&) const = default;
};

std::vector<SegmentFigures> Figures(const RailNetwork& network) {
  std::vector<SegmentFigures> out;
  for (const auto& s : network.segments) {
    out.push_back({network.stations[static_cast<size_t>(s.a)].name, network.stations[static_cast<size_t>(s.b)].name,
                   s.trains, s.highSpeedTrains});
  }
  return out;
}

// A G train 甲-乙-丙-丁 and a K train back 丁-丙-乙; 丙 has no position, so
// both run 乙-丁 on the map, and 甲-乙 is the G train's alone.
TEST(RailNetwork, OneSegmentPerStationPairThroughTheStationsWithAPosition) {
  test::TestTimetable t{{"station", "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t戊\tw\n"},
                        {"station_coordinates", "甲\t116.4\t39.9\tosm\n乙\t117.2\t39.1\tosm\n丙\t\t\t\n"
                                                "丁\t118.8\t32.1\tinterpolated\n戊\t120\t30\tosm\n"},
                        {"train", "1\tG1\t1\t1\t4\t8\t12\t0\t900\t\n2\tK2\t1\t4\t2\t8\t20\t0\t800\t\n"},
                        {"pass", "1\t1\t1\t8\t8\t0\t0\n1\t2\t2\t9\t9.1\t0\t120\n1\t3\t3\t10\t10.1\t0\t400\n"
                                 "1\t4\t4\t12\t12\t0\t900\n"
                                 "2\t4\t1\t8\t8\t0\t0\n2\t3\t2\t14\t14.1\t0\t500\n2\t2\t3\t20\t20\t0\t800\n"}};
  const auto db = t.Open();
  const RailNetwork network = LoadRailNetwork(*db);
  EXPECT_EQ(Figures(network), (std::vector<SegmentFigures>{{"甲", "乙", 1, 1}, {"乙", "丁", 2, 1}}));
  EXPECT_TRUE(network.segments[0].highSpeed());
  EXPECT_FALSE(network.segments[1].highSpeed());  // half high-speed is not mostly
  // 丙 is called at and has no position; 戊 has one but no train.
  EXPECT_EQ(network.CalledWithoutPosition(), 1);
  EXPECT_EQ(network.stations[1].trains, 2);
  EXPECT_EQ(network.stations[4].trains, 0);
  EXPECT_EQ(network.StationNamed("丁"), 3);
  EXPECT_FALSE(network.StationNamed("己").has_value());
  ASSERT_TRUE(network.stations[3].position.has_value());
  EXPECT_DOUBLE_EQ(network.stations[3].position->lat, 32.1);
  EXPECT_DOUBLE_EQ(network.stations[3].position->lon, 118.8);
}

// Figures counted from tests/data by hand (a separate script), not by the code.
TEST(RailNetwork, TheHandMadeTimetableHas282Segments) {
  const RailNetwork network = LoadRailNetwork(test::HandMadeDb());
  EXPECT_EQ(network.segments.size(), 282u);
  EXPECT_EQ(std::count_if(network.segments.begin(), network.segments.end(),
                          [](const auto& s) { return s.highSpeed(); }),
            13);
  EXPECT_EQ(network.CalledWithoutPosition(), 25);
  EXPECT_TRUE(network.HasPositions());
  const auto wuxi = network.StationNamed("无锡");
  const auto changzhou = network.StationNamed("常州");
  ASSERT_TRUE(wuxi && changzhou);
  const auto busiest = std::find_if(network.segments.begin(), network.segments.end(), [&](const auto& s) {
    return std::min(s.a, s.b) == std::min(*wuxi, *changzhou) && std::max(s.a, s.b) == std::max(*wuxi, *changzhou);
  });
  ASSERT_NE(busiest, network.segments.end());
  EXPECT_EQ(busiest->trains, 16);
  EXPECT_EQ(network.stations[static_cast<size_t>(*network.StationNamed("郑州"))].trains, 22);
}

TEST(RailNetwork, ATimetableWithoutPositionsHasStationsButNoSegments) {
  test::TestTimetable t{{"station", "1\t甲\tj\n2\t乙\ty\n"},
                        {"train", "1\tK1\t1\t1\t2\t8\t12\t0\t900\t\n"},
                        {"pass", "1\t1\t1\t8\t8\t0\t0\n1\t2\t2\t12\t12\t0\t900\n"}};
  const auto db = t.Open();
  const RailNetwork network = LoadRailNetwork(*db);
  EXPECT_TRUE(network.segments.empty());
  EXPECT_FALSE(network.HasPositions());
  EXPECT_EQ(network.CalledWithoutPosition(), 2);
}

TEST(RailNetwork, HighSpeedIsTheLeadingLetterGDOrC) {
  for (const char* number : {"G1", "d311", "C2225", "G95/G98"}) EXPECT_TRUE(IsHighSpeedNumber(number)) << number;
  for (const char* number : {"K21", "T109", "1461", "Z1", "", "Y1"}) EXPECT_FALSE(IsHighSpeedNumber(number)) << number;
}

}  // namespace
}  // namespace kw
