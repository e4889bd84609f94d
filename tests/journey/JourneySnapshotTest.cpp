#include "journey/JourneySnapshot.h"

#include <gtest/gtest.h>

#include <fstream>

#include "journey/JourneySearch.h"
#include "support/JourneyFixture.h"
#include "update/UpdateFile.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using Origin = JourneyTimetableOrigin;

// The journeys from the 甲 family to each other station (or to those given),
// as "dep-arr/changes" lists: what a timetable answers.
std::string Answers(const JourneyTimetable& t,
                    const std::vector<int>& stations = {test::kYi, test::kBing, test::kDing, test::kWu,
                                                        test::kJi}) {
  std::string out;
  for (int to : stations) {
    JourneyRequest request{test::kJiaFamily, {to}};
    std::vector<Journey> journeys = FindJourneys(t, request);
    SortJourneys(journeys, JourneySort::Departure);
    for (const Journey& j : journeys) {
      out += std::to_string(j.departureMinutes) + "-" + std::to_string(j.arrivalMinutes) + "/" +
             std::to_string(j.changes()) + " ";
    }
    out += "| ";
  }
  return out;
}

// Every array of both, element by element, each element as its fields.
template <class T, class Fields>
void ExpectSameRows(const std::vector<T>& a, const std::vector<T>& b, Fields fields) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(fields(a[i]), fields(b[i])) << i;
}

void ExpectSame(const JourneyTimetable& a, const JourneyTimetable& b) {
  ExpectSameRows(a.stations, b.stations, [](const auto& x) { return std::tie(x.id, x.name); });
  ExpectSameRows(a.trains, b.trains,
                 [](const auto& x) { return std::tie(x.id, x.kindId, x.type, x.firstStop, x.stopCount); });
  ExpectSameRows(a.trainTexts, b.trainTexts,
                 [](const auto& x) { return std::tie(x.number, x.kindName, x.firstStation, x.lastStation); });
  ExpectSameRows(a.stops, b.stops,
                 [](const auto& x) { return std::tie(x.station, x.train, x.arrive, x.depart); });
  EXPECT_EQ(a.distances, b.distances);
  EXPECT_EQ(a.callsBegin, b.callsBegin);
  ExpectSameRows(a.calls, b.calls, [](const auto& x) { return std::tie(x.stop, x.train, x.depart); });
  EXPECT_EQ(a.linksBegin, b.linksBegin);
  ExpectSameRows(a.links, b.links, [](const auto& x) { return std::tie(x.fromStation, x.minutes, x.type); });
}

// What the fixture's timetable answers, worked out by hand from its trains
// (JourneyFixture.h). To 己: Z4 reaches 丁 13 minutes before K6 leaves,
// too few, so the K6 of the night after, which reaches 己 at 18:00 on the
// fourth day; 1007 and K6 arrive as late.
constexpr const char* kFixtureAnswers =
    "450-510/0 480-600/0 1320-1350/0 | 420-1200/0 450-660/1 480-720/1 | 1320-1430/0 | 1320-1560/1 | "
    "1320-5400/1 | ";

Origin Load(Database& db, JourneyTimetable* out = nullptr) {
  Origin origin{};
  JourneyTimetable t = LoadJourneyTimetable(db, &origin);
  if (out) *out = std::move(t);
  return origin;
}

// The fixture's timetable built in a program folder, with a cache folder of
// its own.
class JourneySnapshot : public ::testing::Test {
 protected:
  JourneySnapshot() { test::FillJourneyTimetable(t).Build(); }
  test::ScopedCacheHome home;
  test::TestTimetable t;
  const std::string path = t.DbPath().string();
  test::TempDir dir;
};

// The snapshot is written once and gives what a build gives. Whatever is
// wrong with it, the timetable is built again, gives the same answers and a
// good snapshot takes the bad one's place.
TEST_F(JourneySnapshot, IsWrittenOnceAndAStaleTruncatedForeignOrOtherFormatSnapshotIsRebuilt) {
  const auto db = Database::Open(path);
  test::TestTimetable other;
  const auto otherDb = other.Set("station", "1\t东\td\n2\t西\tx\n")
                           .Set("train", "1\tG1\t1\t1\t2\t8\t9\t0\t10\t\n")
                           .Set("pass", "1\t1\t1\t\t8\t0\t0\n1\t2\t2\t9\t\t0\t10\n")
                           .Open();
  ASSERT_EQ(Load(*db), Origin::Built);
  JourneyTimetable read;
  ASSERT_EQ(Load(*db, &read), Origin::Snapshot);
  EXPECT_EQ(Answers(read), kFixtureAnswers);
  const JourneyTimetable fresh = BuildJourneyTimetable(*db);
  ExpectSame(read, fresh);
  ASSERT_EQ(Load(*otherDb), Origin::Built);
  const fs::path file = home.Folder() / JourneySnapshotFileName(db->Path());
  const std::string good = test::ReadFile(file);
  const std::string foreign = test::ReadFile(home.Folder() / JourneySnapshotFileName(otherDb->Path()));
  const std::string source = JourneySnapshotSource(*db);
  std::string flipped = good;
  flipped[flipped.size() - 3] ^= 0x01;  // the last link's riding time, a minute off
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"a byte short", good.substr(0, good.size() - 1)},
      {"a byte more", good + "\n"},
      {"a byte changed", flipped},
      {"the format before", JourneySnapshotBytes(fresh, source, kJourneySnapshotFormat - 1)},
      {"the format after", JourneySnapshotBytes(fresh, source, kJourneySnapshotFormat + 1)},
      {"another file's", foreign},
      {"another timetable's", JourneySnapshotBytes(fresh, source + "x")},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << c.bytes;
    JourneyTimetable loaded;
    EXPECT_EQ(Load(*db, &loaded), Origin::Built);
    EXPECT_EQ(Answers(loaded), kFixtureAnswers);
    EXPECT_EQ(test::ReadFile(file), good);
    EXPECT_EQ(Load(*db), Origin::Snapshot);
  }
}

// An update applied makes the snapshot stale: for the connection that
// applied it, and for every one opened after.
TEST_F(JourneySnapshot, IsStaleOnceAnUpdateIsApplied) {
  // K12 甲 06:00 -> 戊 09:00, then K13 甲 05:00 -> 戊 08:00.
  const auto update = [&](int id, const char* leaves, const char* arrives) {
    return dir.Write("update.txt", test::UpdateAddingTrain(id, leaves, arrives));
  };
  {
    const auto db = Database::Open(path);
    ASSERT_EQ(Load(*db), Origin::Built);
    ASSERT_EQ(Load(*db), Origin::Snapshot);
    ASSERT_EQ(ApplyUpdateFile(*db, update(12, "6", "9")).status, UpdateStatus::Applied);
    JourneyTimetable loaded;
    EXPECT_EQ(Load(*db, &loaded), Origin::Built);
    EXPECT_EQ(Answers(loaded, {test::kWu}), "360-540/0 1320-1560/1 | ");
    // A second update through the same connection, at once.
    ASSERT_EQ(ApplyUpdateFile(*db, update(13, "5", "8")).status, UpdateStatus::Applied);
  }
  const auto db = Database::OpenReadOnly(path);
  JourneyTimetable loaded;
  EXPECT_EQ(Load(*db, &loaded), Origin::Built);
  EXPECT_EQ(Answers(loaded, {test::kWu}), "300-480/0 360-540/0 1320-1560/1 | ");
  EXPECT_EQ(Load(*db), Origin::Snapshot);
}

// The window's cache reads the snapshot ahead, on a thread of its own: what
// it reads is the snapshot's timetable, which Current() then takes without
// building it again; a snapshot that fails its checks, or a change through
// the connection after Prepare(), leaves Current() to build the timetable.
TEST_F(JourneySnapshot, ThePreparedTimetableIsTheSnapshotsUnlessItFailsOrTheDatabaseChanged) {
  // K12 甲 06:00 -> 戊 09:00.
  const fs::path update = dir.Write("update.txt", test::UpdateAddingTrain(12, "6", "9"));
  ASSERT_EQ(Load(*Database::OpenReadOnly(path)), Origin::Built);
  const fs::path file = home.Folder() / JourneySnapshotFileName(path);
  const std::string good = test::ReadFile(file);
  std::string flipped = good;
  flipped[flipped.size() - 3] ^= 0x01;
  const struct {
    const char* what;
    std::string snapshot;
    bool updated;            // an update applied between Prepare() and Current()
    bool snapshotReadAhead;  // the prepared timetable taken
    const char* answers;
  } cases[] = {
      {"a good snapshot", good, false, true, kFixtureAnswers},
      {"a byte changed", flipped, false, false, kFixtureAnswers},
      // Last: the update changes the timetable for good.
      {"an update applied after", good, true, false,
       "450-510/0 480-600/0 1320-1350/0 | 420-1200/0 450-660/1 480-720/1 | 1320-1430/0 | "
       "360-540/0 1320-1560/1 | 1320-5400/1 | "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << c.snapshot;
    const auto db = Database::Open(path);
    JourneyTimetableCache cache(*db);
    cache.Prepare();
    // Gone from the folder, the snapshot read ahead is still what Current()
    // takes; a timetable built instead is kept as a snapshot again.
    fs::remove(file);
    if (c.updated) {
      ASSERT_EQ(ApplyUpdateFile(*db, update).status, UpdateStatus::Applied);
    }
    EXPECT_EQ(Answers(cache.Current()), c.answers);
    EXPECT_NE(fs::exists(file), c.snapshotReadAhead);
  }
}

// A database that fails when the snapshot is looked for: Prepare() (in the
// window's constructor) leaves the fault to Current(), which the search
// reports.
TEST_F(JourneySnapshot, PrepareLeavesADatabaseFaultToCurrent) {
  Database::Open(path)->Execute("DROP TABLE kw_identity; CREATE TABLE kw_identity (other TEXT)");
  const auto db = Database::OpenReadOnly(path);
  JourneyTimetableCache cache(*db);
  EXPECT_NO_THROW(cache.Prepare());
  EXPECT_THROW(cache.Current(), DatabaseError);
}

// A snapshot whose checksum is right but whose arrays do not fit together
// is refused as well: the searches never meet an index out of its array.
TEST_F(JourneySnapshot, ArraysThatDoNotFitAreRefused) {
  const JourneyTimetable good = BuildJourneyTimetable(*Database::Open(path));
  ASSERT_TRUE(JourneyTimetableFromSnapshot(JourneySnapshotBytes(good, "s"), "s"));
  // (Another timetable's snapshot is refused in the test of the rebuilt snapshots.)
  EXPECT_FALSE(JourneyTimetableFromSnapshot(JourneySnapshotBytes(good, ""), ""));
  const struct {
    const char* what;
    std::function<void(JourneyTimetable&)> spoil;
  } cases[] = {
      {"a stop at no station", [](auto& x) { x.stops[3].station = static_cast<int>(x.stations.size()); }},
      {"a stop at a negative station", [](auto& x) { x.stops[0].station = -1; }},
      {"a stop of another train", [](auto& x) { x.stops[1].train = 1; }},
      {"a stop left before it is reached", [](auto& x) { x.stops[1].depart = x.stops[1].arrive - 1; }},
      {"a stop reached before the last is left", [](auto& x) { x.stops[1].arrive = x.stops[0].depart - 1; }},
      {"a train's stops beyond the end", [](auto& x) { x.trains.back().stopCount += 1; }},
      {"a train of one stop", [](auto& x) { x.trains[0].stopCount = 1; }},
      {"a train of an unknown type",
       [](auto& x) { x.trains[2].type = static_cast<TrainType>(kTrainTypeCount); }},
      {"a stop without its km", [](auto& x) { x.distances.pop_back(); }},
      {"stations out of order", [](auto& x) { std::swap(x.stations[0].id, x.stations[1].id); }},
      {"calls beyond the end", [](auto& x) { x.callsBegin.back() += 1; }},
      {"calls without their last station", [](auto& x) { x.callsBegin.pop_back(); }},
      {"a call of no stop", [](auto& x) { x.calls[0].stop = static_cast<int>(x.stops.size()); }},
      {"a call at another station", [](auto& x) { std::swap(x.calls.front(), x.calls.back()); }},
      {"a call of another train", [](auto& x) { x.calls[0].train += 1; }},
      {"links beyond the end", [](auto& x) { x.linksBegin.back() += 1; }},
      {"a link from no station",
       [](auto& x) { x.links[0].fromStation = static_cast<int>(x.stations.size()); }},
      {"a link of an unknown type", [](auto& x) { x.links[0].type = static_cast<TrainType>(200); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    JourneyTimetable bad = good;
    c.spoil(bad);
    EXPECT_FALSE(JourneyTimetableFromSnapshot(JourneySnapshotBytes(bad, "s"), "s"));
  }
  // Cut anywhere, never read.
  const std::string bytes = JourneySnapshotBytes(good, "s");
  for (size_t size = 0; size < bytes.size(); ++size) {
    ASSERT_FALSE(JourneyTimetableFromSnapshot(std::string_view(bytes).substr(0, size), "s")) << size;
  }
}

// A timetable from before identities were recorded, or a cache folder that
// cannot be written: no snapshot is kept or used, the timetable is built
// each time.
TEST_F(JourneySnapshot, WithoutACacheFolderOrIdentityTheTimetableIsAlwaysBuilt) {
  for (const bool identity : {true, false}) {
    SCOPED_TRACE(identity ? "no cache folder" : "no identity");
    // Below a file no cache folder can be made.
    test::ScopedCacheHome cache(identity ? dir.Write("file", "") / "cache" : home.Folder().parent_path());
    if (!identity) Database::Open(path)->Execute("DROP TABLE kw_identity");
    const auto db = Database::OpenReadOnly(path);
    EXPECT_EQ(JourneySnapshotSource(*db).empty(), !identity);
    JourneyTimetable loaded;
    EXPECT_EQ(Load(*db), Origin::Built);
    EXPECT_EQ(Load(*db, &loaded), Origin::Built);
    EXPECT_EQ(Answers(loaded), kFixtureAnswers);
    EXPECT_FALSE(fs::exists(cache.Folder() / JourneySnapshotFileName(db->Path())));
  }
}

}  // namespace
}  // namespace kw
