#include "journey/JourneySearch.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "journey/JourneyTexts.h"
#include "support/JourneyFixture.h"
#include "support/JourneyReference.h"
#include "update/UpdateFile.h"

namespace kw {
namespace {

using test::JourneyTriple;
using Triples = std::vector<JourneyTriple>;

// The journeys' (departure, arrival, changes), sorted unless told.
Triples TriplesOf(const std::vector<Journey>& journeys, bool sorted = true) {
  Triples out;
  for (const auto& j : journeys) out.push_back({j.departureMinutes, j.arrivalMinutes, j.changes()});
  if (sorted) std::sort(out.begin(), out.end());
  return out;
}

std::string Describe(const Triples& triples) {
  std::string out;
  for (const auto& t : triples) {
    out += "(" + std::to_string(t.departure) + "," + std::to_string(t.arrival) + "," +
           std::to_string(t.changes) + ")";
  }
  return out;
}

std::string Describe(const std::vector<Journey>& journeys) { return Describe(TriplesOf(journeys)); }

// A timetable built for the search, with the reference over the same rows.
struct Built {
  explicit Built(std::unique_ptr<Database> opened)
      : db(std::move(opened)), timetable(BuildJourneyTimetable(*db)), reference(*db) {}

  // The search's journeys: exactly the reference's, each of them valid.
  std::vector<Journey> Find(const JourneyRequest& request) const {
    const std::vector<Journey> journeys = FindJourneys(timetable, request);
    EXPECT_EQ(Describe(journeys), Describe(reference.Find(request)));
    for (const auto& j : journeys) EXPECT_EQ(test::CheckJourney(reference, timetable, request, j), "");
    return journeys;
  }

  std::unique_ptr<Database> db;
  JourneyTimetable timetable;
  test::JourneyReference reference;
};

const Built& Journeys() {
  static test::TestTimetable t;
  static const Built built(test::FillJourneyTimetable(t).Open());
  return built;
}

constexpr int kDay = kMinutesPerDay;

// Each case on the fixture of JourneyFixture.h, from the 甲 family; times in
// minutes after midnight of the departure day. The request's settings left
// out are the defaults: any train, up to two changes of 30 minutes or more,
// leaving at any time of day.
struct Case {
  const char* what;
  int to;
  Triples expected;
  int minChange = 30, maxChanges = 2;
  const char* types = "GCDZTKO";
  int after = 0, until = 1439;
};

using test::kBing, test::kDing, test::kJi, test::kWu;
constexpr const char* kAll = "GCDZTKO";

const Case kCases[] = {
    // 1007 direct; C8 then T3; G1 (or K9, the same times: listed once) then
    // K2, which leaves 乙 exactly 30 minutes after G1 arrives. D10 at 22:00
    // then T3 at 10:29 is beaten by the next morning's C8 and T3.
    {"the minimum change met at the exact minute", kBing, {{420, 1200, 0}, {450, 660, 1}, {480, 720, 1}}},
    // With 29 minutes G1 catches T3, which beats C8's journey to the minute.
    {"a minute less catches the earlier train", kBing, {{420, 1200, 0}, {480, 660, 1}}, 29},
    {"no changes", kBing, {{420, 1200, 0}}, 30, 0},
    {"types without 其他", kBing, {{450, 660, 1}, {480, 720, 1}}, 30, 2, "GCDZTK"},
    {"城际 and 特快 only", kBing, {{450, 660, 1}}, 30, 2, "CT"},
    // Without 城际 nothing on the next morning beats the night's D10.
    {"动车 and 特快 only", kBing, {{1320, 2100, 1}}, 30, 2, "DT"},
    // The next day's journeys leave within the window too: from 08:00 on.
    {"leaving from 07:45", kBing, {{480, 720, 1}, {1320, 2100, 1}}, 30, 2, kAll, 465},
    {"leaving by 07:30", kBing, {{420, 1200, 0}, {450, 660, 1}}, 30, 2, kAll, 0, 450},
    // Z4 reaches 丁 at 23:50; D5 leaves at 00:30 the next day.
    {"a change past midnight", kWu, {{1320, kDay + 120, 1}}},
    {"the next day's train met at the exact minimum", kWu, {{1320, kDay + 120, 1}}, 40},
    {"the next day's train missed by the minimum", kWu, {{1320, 2 * kDay + 120, 1}}, 45},
    // K6 leaves 丁 at 00:03 after arriving 23:58: the day after its arrival
    // day, so Z4's traveller (ready 00:20) takes the next day's K6, which
    // reaches 己 two days after leaving 丙 (18:00 on the fourth day: minute
    // 5400). It beats every earlier journey.
    {"a leg of several days, leaving a stop after midnight", kJi, {{1320, 5400, 1}}},
    {"one change, or two leaving later", kJi, {{420, 5400, 1}, {480, 5400, 2}}, 30, 2, kAll, 0, 1260},
    {"at most one change", kJi, {{420, 5400, 1}}, 30, 1, kAll, 0, 1260},
    {"nothing direct", kJi, {}, 30, 0},
    // D10 then D11 ties with Z4 on departure and arrival: fewer changes win.
    {"a tie goes to fewer changes", kDing, {{1320, 1430, 0}}},
    {"the tie's loser when the winner is filtered out", kDing, {{1320, 1430, 1}}, 30, 2, "D"},
};

TEST(JourneySearch, RulesOnTheFixtureAgreeWithTheReference) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const JourneyRequest request{
        test::kJiaFamily, {c.to}, c.after, c.until, c.maxChanges, c.minChange, *ParseTrainTypes(c.types)};
    EXPECT_EQ(Describe(Journeys().Find(request)), Describe(c.expected));
  }
}

// A small timetable written train by train: each stop as (station id,
// arrival, departure, km, day of arrival), times as the database writes
// them ("9.02").
struct StopSpec {
  int station;
  std::string arrive, depart;
  int km;
  int day = 0;
};
struct TrainSpec {
  std::string number;
  std::vector<StopSpec> stops;
};

std::unique_ptr<Database> OpenTrains(test::TestTimetable& t, const std::string& stations,
                                     const std::vector<TrainSpec>& trains) {
  std::string trainRows, passRows;
  for (size_t i = 0; i < trains.size(); ++i) {
    const std::string id = std::to_string(i + 1);
    const auto& stops = trains[i].stops;
    trainRows += id + "\t" + trains[i].number + "\t1\t" + std::to_string(stops.front().station) + "\t" +
                 std::to_string(stops.back().station) + "\t\t\t" + std::to_string(stops.back().day) + "\t" +
                 std::to_string(stops.back().km) + "\t\n";
    for (size_t z = 0; z < stops.size(); ++z) {
      passRows += id + "\t" + std::to_string(stops[z].station) + "\t" + std::to_string(z + 1) + "\t" +
                  stops[z].arrive + "\t" + stops[z].depart + "\t" + std::to_string(stops[z].day) + "\t" +
                  std::to_string(stops[z].km) + "\n";
    }
  }
  return t.Set("station", stations).Set("train", trainRows).Set("pass", passRows).Open();
}

// From 东 to 西, each pair of journeys one case (times as minutes):
//   Z1   东 08:00 -> 西 12:00           G2 东 08:10 -> 中 09:00, G3 中 09:30 -> 西 11:45
//   Z6   东 12:50 -> 西 17:00           G4 东 13:00 -> 中 14:00, G5 中 14:30 -> 西 16:00
//   T10  东 17:30 -> 西 21:45           D7 东 18:00 -> 北 18:30, D8 北 19:00 -> 中 19:30,
//                                       D9 中 20:00 -> 西 21:00
//   K11  东 23:00 -> 西 12:30 the next day, beaten by the next day's Z1 whatever the slack.
// G2 and G3 save Z1 25 minutes, G4 and G5 save Z6 an hour; D7, D8 and D9
// save T10 75 minutes with two changes.
TEST(JourneySearch, EachChangeMustSaveTheSlack) {
  test::TestTimetable t;
  const Built b(OpenTrains(t, "1\t东\td\n2\t中\tz\n3\t西\tx\n4\t北\tb\n",
                           {{"Z1", {{1, "", "8", 0}, {3, "12", "", 100}}},
                            {"G2", {{1, "", "8.1", 0}, {2, "9", "", 100}}},
                            {"G3", {{2, "", "9.3", 0}, {3, "11.45", "", 100}}},
                            {"G4", {{1, "", "13", 0}, {2, "14", "", 100}}},
                            {"G5", {{2, "", "14.3", 0}, {3, "16", "", 100}}},
                            {"Z6", {{1, "", "12.5", 0}, {3, "17", "", 100}}},
                            {"D7", {{1, "", "18", 0}, {4, "18.3", "", 100}}},
                            {"D8", {{4, "", "19", 0}, {2, "19.3", "", 100}}},
                            {"D9", {{2, "", "20", 0}, {3, "21", "", 100}}},
                            {"T10", {{1, "", "17.3", 0}, {3, "21.45", "", 100}}},
                            {"K11", {{1, "", "23", 0}, {3, "12.3", "", 100, 1}}}}));
  const struct {
    int slack;
    Triples expected;
  } cases[] = {
      {0, {{480, 720, 0}, {490, 705, 1}, {770, 1020, 0}, {780, 960, 1}, {1050, 1305, 0}, {1080, 1260, 2}}},
      // Z1 leaves 10 minutes earlier but arrives 15 later.
      {10, {{480, 720, 0}, {490, 705, 1}, {770, 1020, 0}, {780, 960, 1}, {1050, 1305, 0}, {1080, 1260, 2}}},
      // Two changes may cost T10 40 minutes: it arrives 45 later.
      {20, {{480, 720, 0}, {770, 1020, 0}, {780, 960, 1}, {1050, 1305, 0}, {1080, 1260, 2}}},
      {30, {{480, 720, 0}, {770, 1020, 0}, {780, 960, 1}, {1050, 1305, 0}}},
      {120, {{480, 720, 0}, {770, 1020, 0}, {1050, 1305, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("slack " + std::to_string(c.slack));
    JourneyRequest request{{1}, {3}};
    request.slack = c.slack;
    EXPECT_EQ(Describe(b.Find(request)), Describe(c.expected));
  }
}

// Each journey as "departure trains changes", by departure.
std::string JourneyLines(const JourneyTimetable& timetable, std::vector<Journey> journeys) {
  SortJourneys(journeys, JourneySort::Departure);
  std::string out;
  for (const Journey& j : journeys) {
    const JourneyTexts texts = DescribeJourney(timetable, j);
    out += texts.departure + " " + texts.trains + " " + texts.transfers + ";";
  }
  return out;
}

// Of the journeys with the same departure, arrival and changes the one with
// the longest shortest change wait is listed, then the one of fewest km.
//   A1 甲 08:00 -> 乙 09:00 -> 丙 10:00 -> 丁 11:10
//   B2            乙 09:40 -> 丙 10:52 -> 丁 11:47 -> 戊 12:30
// meet three times: waits of 40, 52 and 37 minutes.
//   C3 甲 13:00 -> 辛 14:00 (100 km)   D5 辛 14:40 -> 己 16:00 (100 km)
//   C4 甲 13:00 -> 壬 14:00 (80 km)    D6 壬 14:40 -> 己 16:00 (150 km)
// wait 40 minutes either way; through 辛 is 30 km shorter.
//   P7 甲 06:00 -> 子 07:00   Q8 子 07:35 -> 丑 08:05   R10 丑 09:00 -> 庚 10:00
//                             Q9 子 07:45 -> 丑 08:15
// Q8's changes wait 35 and 55 minutes, Q9's 45 and 45.
TEST(JourneySearch, OfEqualJourneysTheSafestChangeThenTheShortestIsListed) {
  test::TestTimetable t;
  const Built b(OpenTrains(
      t,
      "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t戊\tw\n6\t己\tj\n7\t庚\tg\n8\t辛\tx\n9\t壬\tr\n10\t子\tz\n1"
      "1\t丑\tc\n",
      {{"A1", {{1, "", "8", 0}, {2, "9", "9.02", 100}, {3, "10", "10.02", 200}, {4, "11.1", "", 300}}},
       {"B2",
        {{2, "", "9.4", 0}, {3, "10.5", "10.52", 100}, {4, "11.45", "11.47", 200}, {5, "12.3", "", 260}}},
       {"C3", {{1, "", "13", 0}, {8, "14", "", 100}}},
       {"C4", {{1, "", "13", 0}, {9, "14", "", 80}}},
       {"D5", {{8, "", "14.4", 0}, {6, "16", "", 100}}},
       {"D6", {{9, "", "14.4", 0}, {6, "16", "", 150}}},
       {"P7", {{1, "", "6", 0}, {10, "7", "", 100}}},
       {"Q8", {{10, "", "7.35", 0}, {11, "8.05", "", 100}}},
       {"Q9", {{10, "", "7.45", 0}, {11, "8.15", "", 100}}},
       {"R10", {{11, "", "9", 0}, {7, "10", "", 100}}}}));
  const struct {
    int to;
    const char* expected;
  } cases[] = {
      {5, "08:00 A1→B2 丙(52分钟);"},
      {6, "13:00 C3→D5 辛(40分钟);"},
      {7, "06:00 P7→Q9→R10 子(45分钟)、丑(45分钟);"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JourneyLines(b.timetable, b.Find({{1}, {c.to}})), c.expected) << c.to;
  }
}

// What a later departure did must not hide what an earlier one can do:
//   P1 甲 08:00 -> 乙 08:30       L2 乙 09:00 -> 丙 10:00, stays until 12:00 -> 丁 14:00
//   R3 甲 09:00 -> 丙 11:00       Q4 丙 10:30 -> 丁 11:00
// 09:00 R3 boards L2 at 丙; 08:00 P1 boards it a stop earlier and reaches 丙
// in time for Q4 while L2 waits there.
//   E5 庚 07:00 -> 戊 08:00       F6 庚 07:30 -> 戊 08:00 the next day
//   G7 戊 09:00 -> 己 10:00
// F6 reaches 戊 a day later than E5: every train there leaves in between.
// Apart from these:
//   K8 子 08:00 -> 寅 10:00   K9 丑 08:00 -> 寅 10:00
// from {子, 丑} to {丑, 寅} the two are one journey (same departure, arrival
// and changes), listed once.
//   T10 卯 08:00 -> 辰 08:00, leaves 08:00 -> 巳 09:00
// reaches 辰 the minute it left 卯: a train the search keeps.
TEST(JourneySearch, WhatALaterDepartureRodeOrLookedAtIsLookedAtAgainAndEqualJourneysAreListedOnce) {
  test::TestTimetable t;
  const Built b(OpenTrains(t,
                           "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t戊\tw\n6\t己\tj\n7\t庚\tg\n"
                           "8\t子\tz\n9\t丑\tc\n10\t寅\ty\n11\t卯\tm\n12\t辰\tc\n13\t巳\ts\n",
                           {{"P1", {{1, "", "8", 0}, {2, "8.3", "", 50}}},
                            {"L2", {{2, "", "9", 0}, {3, "10", "12", 100}, {4, "14", "", 200}}},
                            {"R3", {{1, "", "9", 0}, {3, "11", "", 150}}},
                            {"Q4", {{3, "", "10.3", 0}, {4, "11", "", 50}}},
                            {"E5", {{7, "", "7", 0}, {5, "8", "", 100}}},
                            {"F6", {{7, "", "7.3", 0}, {5, "8", "", 2000, 1}}},
                            {"G7", {{5, "", "9", 0}, {6, "10", "", 100}}},
                            {"K8", {{8, "", "8", 0}, {10, "10", "", 100}}},
                            {"K9", {{9, "", "8", 0}, {10, "10", "", 100}}},
                            {"T10", {{11, "", "8", 0}, {12, "8", "8", 50}, {13, "9", "", 100}}}}));
  const struct {
    std::vector<int> from, to;
    const char* expected;
  } cases[] = {
      {{1}, {4}, "(480,660,2)(540,840,1)"}, {{7}, {6}, "(420,600,1)"},   {{8, 9}, {9, 10}, "(480,600,0)"},
      {{11}, {13}, "(480,540,0)"},          {{12}, {13}, "(480,540,0)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.from[0]) + " -> " + std::to_string(c.to[0]));
    EXPECT_EQ(Describe(b.Find({c.from, c.to})), c.expected);
  }
}

// The shape of a random timetable: its stations and trains, and the longest
// ride between two stops in five-minute steps.
struct RandomShape {
  const char* what;
  int stations;
  int trains;
  int longestRide;
  int firstDepartures;  // trains leave their first stops within this many five-minute steps of midnight
  int seed;
};

// A random timetable: trains of two to five stops at times on a five-minute
// grid (so that ties are common), with dwells that may cross midnight.
std::unique_ptr<Database> OpenRandomTimetable(test::TestTimetable& t, std::mt19937& rng,
                                              const RandomShape& shape) {
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const char* letters[] = {"G", "C", "D", "Z", "T", "K", ""};
  std::string stations;
  for (int s = 1; s <= shape.stations; ++s) {
    stations += std::to_string(s) + "\t站" + std::to_string(s) + "\tz" + std::to_string(s) + "\n";
  }
  const auto stored = [](int minutes) {  // as the database writes it: "9.05"
    const int m = minutes % kDay;
    return std::to_string(m / 60) + (m % 60 < 10 ? ".0" : ".") + std::to_string(m % 60);
  };
  std::vector<TrainSpec> trains;
  for (int id = 1; id <= shape.trains; ++id) {
    std::vector<int> route(shape.stations);
    std::iota(route.begin(), route.end(), 1);
    std::shuffle(route.begin(), route.end(), rng);
    route.resize(pick(2, 5));
    TrainSpec& train = trains.emplace_back(letters[pick(0, 6)] + std::to_string(id));
    int clock = 5 * pick(0, shape.firstDepartures);
    for (size_t i = 0; i < route.size(); ++i) {
      const int arrive = clock;
      if (i > 0) clock += 5 * pick(0, 4);  // dwell, perhaps across midnight
      const bool last = i + 1 == route.size();
      train.stops.push_back({route[i], i == 0 ? "" : stored(arrive), last ? "" : stored(clock),
                             100 * static_cast<int>(i), arrive / kDay});
      clock += 5 * pick(2, shape.longestRide);
    }
  }
  return OpenTrains(t, stations, trains);
}

// Sparse timetables of long rides over several days, and dense ones of short
// rides where many journeys come within minutes of each other, so that a
// bound of the search that is too tight by a little loses one.
TEST(JourneySearch, RandomTimetablesAgreeWithTheReference) {
  const RandomShape shapes[] = {{"sparse, long rides", 8, 16, 180, 287, 14},
                                {"dense, short rides", 5, 80, 12, 72, 15}};
  for (const RandomShape& shape : shapes) {
    SCOPED_TRACE(shape.what);
    std::mt19937 rng(shape.seed);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const auto someStations = [&] {
      std::vector<int> ids{pick(1, shape.stations)};
      if (pick(0, 1)) ids.push_back(pick(1, shape.stations));
      return ids;
    };
    int found = 0;
    for (int round = 0; round < 6; ++round) {
      test::TestTimetable t;
      const Built b(OpenRandomTimetable(t, rng, shape));
      for (int q = 0; q < 40; ++q) {
        JourneyRequest request;
        request.fromStations = someStations();
        request.toStations = someStations();  // may share a station with the departures
        if (pick(0, 1)) {
          request.earliestDeparture = 5 * pick(0, 287);
          request.latestDeparture = std::min(kDay - 1, request.earliestDeparture + 5 * pick(0, 200));
        }
        request.maxChanges = pick(0, 2);
        request.minChange = std::vector<int>{0, 5, 30, 120, 180}[pick(0, 4)];
        if (pick(0, 1)) request.types = static_cast<TrainTypes>(pick(1, kAllTrainTypes));
        request.slack = std::vector<int>{0, 15, 30, 120}[pick(0, 3)];
        SCOPED_TRACE("timetable " + std::to_string(round) + ", query " + std::to_string(q));
        found += static_cast<int>(b.Find(request).size());
      }
    }
    EXPECT_GT(found, 200);  // the queries do find journeys
  }
}

TEST(JourneyTimetable, TimesCountFromTheTrainsFirstDayAndUnfollowableTrainsAreLeftOut) {
  test::TestTimetable t;
  test::FillJourneyTimetable(t);
  // 12 reaches 乙 before it leaves 甲; 13's second stop has no time; 14's
  // middle stop has none either, but two stops are left; 15 gives its first
  // stop an arrival and its last a departure, which play no part.
  t.Set("train", test::kJourneyTrains +
                     "12\tX12\t1\t1\t2\t8\t7\t0\t1\t\n13\tX13\t1\t1\t2\t8\t9\t0\t1\t\n"
                     "14\tX14\t1\t1\t2\t8\t10\t0\t1\t\n15\tX15\t1\t1\t2\t8\t10\t0\t1\t\n");
  t.Set("pass", test::kJourneyPass +
                    "12\t1\t1\t\t8\t0\t0\n12\t2\t2\t7\t\t0\t1\n13\t1\t1\t\t8\t0\t0\n13\t2\t2\t\t\t0\t1\n"
                    "14\t1\t1\t\t8\t0\t0\n14\t3\t2\t\t\t0\t1\n14\t2\t3\t10\t\t0\t1\n"
                    "15\t1\t1\t23\t8\t0\t0\n15\t2\t2\t10\t9\t0\t1\n");
  const auto db = t.Open();
  const JourneyTimetable tt = BuildJourneyTimetable(*db);
  std::vector<int> ids;
  for (const auto& train : tt.trains) ids.push_back(train.id);
  EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15}));

  // Each stop of a train as "station arrive-depart", in minutes of the run.
  const auto stopsOf = [&](int trainId) {
    std::string out;
    for (const JourneyTimetable::Stop& s : tt.stops) {
      if (tt.trains[s.train].id != trainId) continue;
      out += tt.stations[s.station].name + std::to_string(s.arrive) + "-" + std::to_string(s.depart) + " ";
    }
    return out;
  };
  // K6 arrives at 丁 23:58 and leaves 00:03 the next day.
  EXPECT_EQ(stopsOf(6), "丙540-540 丁1438-1443 己3960-3960 ");
  EXPECT_EQ(stopsOf(5), "丁30-30 戊120-120 ");
  EXPECT_EQ(stopsOf(14), "甲480-480 乙600-600 ");
  EXPECT_EQ(stopsOf(15), "甲480-480 乙600-600 ");
  // The calls at each station, by the clock time they leave at.
  std::string atDing;
  const int ding = *tt.StationIndex(test::kDing);
  for (int c = tt.callsBegin[ding]; c < tt.callsBegin[ding + 1]; ++c) {
    const JourneyTimetable::Call& call = tt.calls[c];
    EXPECT_EQ(tt.stops[call.stop].train, call.train);
    EXPECT_EQ(tt.stops[call.stop].depart, call.depart);
    atDing += tt.trainTexts[call.train].number + "@" + std::to_string(call.depart) + " ";
  }
  EXPECT_EQ(atDing, "K6@1443 D5@30 Z4@1430 D11@1430 ");
}

// The lower-bound pass walks one link per station left and type of train
// into each station: the quickest ride of them.
TEST(JourneyTimetable, LinksKeepTheQuickestRidePerStationLeftAndType) {
  test::TestTimetable t;
  // 甲 to 乙: G1 90 minutes, G2 60, G3 120, K4 45; G2 on to 丙 in 60.
  const auto db =
      OpenTrains(t, "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n",
                 {{"G1", {{1, "", "8.00", 0}, {2, "9.30", "", 100}}},
                  {"G2", {{1, "", "10.00", 0}, {2, "11.00", "11.10", 100}, {3, "12.10", "", 200}}},
                  {"G3", {{1, "", "12.00", 0}, {2, "14.00", "", 100}}},
                  {"K4", {{1, "", "8.00", 0}, {2, "8.45", "", 100}}}});
  const JourneyTimetable tt = BuildJourneyTimetable(*db);
  const auto into = [&](int stationId) {
    const int s = *tt.StationIndex(stationId);
    std::string out;
    for (int l = tt.linksBegin[s]; l < tt.linksBegin[s + 1]; ++l) {
      const JourneyTimetable::Link& link = tt.links[l];
      out += tt.stations[link.fromStation].name + "GCDZTKO"[static_cast<int>(link.type)] +
             std::to_string(link.minutes) + " ";
    }
    return out;
  };
  EXPECT_EQ(into(1), "");
  EXPECT_EQ(into(2), "甲G60 甲K45 ");
  EXPECT_EQ(into(3), "乙G60 ");
}

TEST(JourneyTimetable, CacheIsBuiltAgainOnlyAfterTheDatabaseChanged) {
  test::TestTimetable t;
  const auto db = test::FillJourneyTimetable(t).Open();
  JourneyTimetableCache cache(*db);
  const auto* first = cache.Current().trains.data();
  EXPECT_EQ(cache.Current().trains.data(), first);
  // K12 甲 06:00 -> 戊 09:00.
  test::TempDir dir;
  ASSERT_EQ(ApplyUpdateFile(*db, dir.Write("update.txt", test::UpdateAddingTrain(12, "6", "9"))).status,
            UpdateStatus::Applied);
  EXPECT_EQ(Describe(FindJourneys(cache.Current(), {{test::kJia}, {test::kWu}})), "(360,540,0)(1320,1560,1)");
}

TEST(JourneyTexts, TimesDurationsAndAJourneysLines) {
  const struct {
    int minutes;
    const char* dayTime;
    const char* duration;
  } times[] = {
      {0, " 00:00", "0小时"},
      {50, " 00:50", "50分钟"},
      {65, " 01:05", "1小时05分钟"},
      {kDay + 450, "次日07:30", "31小时30分钟"},
      {7 * kDay + 59, "第八日00:59", "168小时59分钟"},
      {8 * kDay, "第九日00:00", "192小时"},
      {10 * kDay + 600, "第十一日10:00", "250小时"},
      {19 * kDay, "第二十日00:00", "456小时"},
  };
  for (const auto& t : times) {
    EXPECT_EQ(DayTimeText(t.minutes), t.dayTime) << t.minutes;
    EXPECT_EQ(DurationText(t.minutes), t.duration) << t.minutes;
  }

  const Built& f = Journeys();
  const auto journeys = FindJourneys(f.timetable, {test::kJiaFamily, {test::kJi}});
  ASSERT_EQ(journeys.size(), 1u);
  const JourneyTexts texts = DescribeJourney(f.timetable, journeys[0]);
  EXPECT_EQ(std::vector<std::string>({texts.departure, texts.arrival, texts.duration, texts.changes,
                                      texts.trains, texts.transfers}),
            (std::vector<std::string>{"22:00", "第四日18:00", "68小时", "1", "Z4→K6", "丁(24小时13分钟)"}));
  ASSERT_EQ(texts.legs.size(), 2u);
  const JourneyLegTexts& k6 = texts.legs[1];
  EXPECT_EQ(k6.caption, " K6次(丙---己)普快列车");
  EXPECT_EQ(
      std::vector<std::string>(
          {k6.board, k6.boardText, k6.alight, k6.alightText, k6.runningText, k6.waitText}),
      (std::vector<std::string>{"丁", "第三日00:03", "己", "第四日18:00", "41小时57分钟", "24小时13分钟"}));
  EXPECT_EQ(texts.legs[0].waitText, "");
  // 丁 is 900 km along K6, 己 2000: 1100 km in the 普快 band of 1100 km.
  const RowFigures fare = LegDistanceAndFare(*f.db, f.timetable, journeys[0].legs[1]);
  EXPECT_EQ(fare.distanceText, " 1100 ");
  EXPECT_EQ(fare.fareText, "110 ");
}

// A journey's km and fare are its legs' added, the fare in tenths of a yuan:
// 6000 km from K1's first stop at 12.5, then 100 km at 3.
TEST(JourneyTexts, TotalsAddTheLegsToTheTenthOfAYuan) {
  test::TestTimetable t;
  t.Set("price", "100\t\t\t\t3,6\t\t\t\t\t\n6000\t\t\t\t12.5,20\t\t\t\t\t\n");
  const Built b(OpenTrains(
      t, "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n",
      {{"K1", {{1, "", "8", 0}, {2, "20", "", 6000}}}, {"K2", {{2, "", "21", 0}, {3, "23", "", 100}}}}));
  for (const auto& [to, figures] : {std::pair{3, "6100 15.5"}, {2, "6000 12.5"}}) {
    const auto journeys = b.Find({{1}, {to}});
    ASSERT_EQ(journeys.size(), 1u);
    const JourneyTotals totals = JourneyDistanceAndFare(*b.db, b.timetable, journeys[0]);
    EXPECT_EQ(totals.distanceText + " " + totals.fareText, figures);
  }
}

TEST(JourneySearch, SortsByEachKeyWithTiesByDepartureThenArrival) {
  const auto journey = [](int departure, int arrival, int changes) {
    return Journey{departure, arrival, std::vector<JourneyLeg>(changes + 1)};
  };
  const std::vector<Journey> journeys = {journey(600, 900, 1), journey(480, 900, 2), journey(480, 700, 0),
                                         journey(700, 800, 0)};
  const struct {
    const char* name;
    const char* order;
  } sorts[] = {
      {"depart", "(480,700,0)(480,900,2)(600,900,1)(700,800,0)"},
      {"arrive", "(480,700,0)(700,800,0)(480,900,2)(600,900,1)"},
      {"duration", "(700,800,0)(480,700,0)(600,900,1)(480,900,2)"},
      {"changes", "(480,700,0)(700,800,0)(600,900,1)(480,900,2)"},
  };
  for (const auto& s : sorts) {
    std::vector<Journey> sorted = journeys;
    SortJourneys(sorted, *ParseJourneySort(s.name));
    EXPECT_EQ(Describe(TriplesOf(sorted, false)), s.order) << s.name;
  }
  EXPECT_EQ(ParseTrainTypes("gK"), TypeBit(TrainType::G) | TypeBit(TrainType::K));
  EXPECT_FALSE(ParseTrainTypes(""));
}

}  // namespace
}  // namespace kw
