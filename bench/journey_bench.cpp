// Journeys with changes at national scale: building the in-memory timetable,
// and a whole day's search with up to two changes, each beside the
// brute-force reference of the tests (BM_JourneySearch_Reference), which must
// find the same journeys before it is timed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>
#include <map>
#include <random>
#include <memory>

#include "BenchDatabases.h"
#include "journey/JourneyEnds.h"
#include "journey/JourneySearch.h"
#include "journey/JourneySnapshot.h"
#include "journey/JourneyTexts.h"
#include "query/StationLookup.h"
#include "support/JourneyReference.h"

namespace kw::bench {
namespace {

int Scale(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

const JourneyTimetable& TimetableAt(int scale) {
  static std::map<int, std::unique_ptr<JourneyTimetable>> built;
  auto& t = built[scale];
  if (!t) t = std::make_unique<JourneyTimetable>(BuildJourneyTimetable(BenchDb(scale)));
  return *t;
}

const test::JourneyReference& ReferenceAt(int scale) {
  static std::map<int, std::unique_ptr<test::JourneyReference>> built;
  auto& r = built[scale];
  if (!r) r = std::make_unique<test::JourneyReference>(BenchDb(scale));
  return *r;
}

void Scales(benchmark::internal::Benchmark* b) {
  for (int scale : kScales) b->Arg(scale);
  b->Unit(benchmark::kMillisecond);
}

void BM_JourneyTimetable(benchmark::State& state) {
  Database& db = BenchDb(Scale(state));
  size_t bytes = 0;
  size_t trains = 0;
  size_t stops = 0;
  for (auto _ : state) {
    const JourneyTimetable t = BuildJourneyTimetable(db);
    bytes = t.MemoryBytes();
    trains = t.trains.size();
    stops = t.stops.size();
    benchmark::DoNotOptimize(t);
  }
  state.counters["memoryMB"] = static_cast<double>(bytes) / 1e6;
  state.counters["trains"] = static_cast<double>(trains);
  state.counters["stops"] = static_cast<double>(stops);
}
BENCHMARK(BM_JourneyTimetable)->Apply(Scales);

// Every station of one family to every station of another, the whole day,
// up to two changes of at least 30 minutes, every type of train.
struct Families {
  const char* from;
  const char* to;
};

std::optional<JourneyRequest> RequestFor(benchmark::State& state, Families f) {
  JourneyRequest request;
  Database& db = BenchDb(Scale(state));
  request.fromStations = FindStations(db, f.from, false).ids;
  request.toStations = FindStations(db, f.to, false).ids;
  if (request.fromStations.empty() || request.toStations.empty()) {
    state.SkipWithError("a family of stations is missing");
    return std::nullopt;
  }
  return request;
}

test::JourneyTriple TripleOf(const Journey& j) { return {j.departureMinutes, j.arrivalMinutes, j.changes()}; }

void BM_JourneySearch(benchmark::State& state, Families f) {
  const auto request = RequestFor(state, f);
  if (!request) return;
  const JourneyTimetable& timetable = TimetableAt(Scale(state));
  size_t journeys = 0;
  for (auto _ : state) {
    const auto found = FindJourneys(timetable, *request);
    journeys = found.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["journeys"] = static_cast<double>(journeys);
}

void BM_JourneySearch_Reference(benchmark::State& state, Families f) {
  const auto request = RequestFor(state, f);
  if (!request) return;
  const test::JourneyReference& reference = ReferenceAt(Scale(state));
  std::vector<test::JourneyTriple> found;
  for (const auto& j : FindJourneys(TimetableAt(Scale(state)), *request)) found.push_back(TripleOf(j));
  std::sort(found.begin(), found.end());
  if (found != reference.Find(*request)) {
    state.SkipWithError("the reference and the journey search disagree");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(reference.Find(*request));
}

// Milliseconds of processor time this thread has used: on a machine shared
// with other work, what a step costs rather than how long it waited.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Searches between 300 pairs of stations drawn at random (a fixed draw)
// among those that trains call at, each timed on its own (processor time):
// the median, the 99th percentile and the slowest in ms as counters p50Ms,
// p99Ms and maxMs.
void BM_JourneySearch_RandomPairs(benchmark::State& state) {
  const JourneyTimetable& timetable = TimetableAt(Scale(state));
  std::vector<int> served;
  for (size_t s = 0; s < timetable.stations.size(); ++s) {
    if (timetable.callsBegin[s + 1] > timetable.callsBegin[s]) served.push_back(timetable.stations[s].id);
  }
  std::mt19937 rng(2019);
  std::uniform_int_distribution<size_t> pick(0, served.size() - 1);
  std::vector<JourneyRequest> requests(300);
  for (JourneyRequest& r : requests) {
    r.fromStations = {served[pick(rng)]};
    do r.toStations = {served[pick(rng)]};
    while (r.toStations == r.fromStations);
  }
  std::vector<double> ms;
  for (auto _ : state) {
    ms.clear();
    for (const JourneyRequest& r : requests) {
      const double start = ThreadCpuMs();
      benchmark::DoNotOptimize(FindJourneys(timetable, r));
      ms.push_back(ThreadCpuMs() - start);
    }
  }
  std::sort(ms.begin(), ms.end());
  state.counters["p50Ms"] = ms[ms.size() / 2];
  state.counters["p99Ms"] = ms[ms.size() * 99 / 100];
  state.counters["maxMs"] = ms.back();
}
BENCHMARK(BM_JourneySearch_RandomPairs)->Apply(Scales)->Iterations(1);

// What `kestrelway-cli journeys 北京 上海` does, step by step in one process:
// open the database (for reading, with the key kept), look up the two
// families, load the timetable (from its snapshot), search, write the texts
// with their km and fares. Each step's mean processor time
// in ms as a counter (openMs, endsMs, readMs, searchMs, textsMs).
void BM_CliJourneys(benchmark::State& state) {
  const std::string copy = BenchDbPath(Scale(state)) + ".cli-bench";
  std::filesystem::copy_file(BenchDbPath(Scale(state)), copy, std::filesystem::copy_options::overwrite_existing);
  // The key and the timetable's snapshot kept by a run before, as for
  // every call but the first.
  LoadJourneyTimetable(*Database::OpenReadOnly(copy));
  std::array<double, 5> ms{};
  const auto lap = [&ms](int step, double& since) {
    const double now = ThreadCpuMs();
    ms[step] += now - since;
    since = now;
  };
  for (auto _ : state) {
    double since = ThreadCpuMs();
    const auto db = Database::OpenReadOnly(copy);
    lap(0, since);
    JourneyEnds ends = FindJourneyEnds(*db, "北京", "上海");
    lap(1, since);
    const JourneyTimetable timetable = LoadJourneyTimetable(*db);
    lap(2, since);
    JourneyRequest request;
    request.fromStations = ends.fromStations;
    request.toStations = ends.toStations;
    const std::vector<Journey> journeys = FindJourneys(timetable, request);
    lap(3, since);
    for (const Journey& j : journeys) {
      benchmark::DoNotOptimize(DescribeJourney(timetable, j));
      benchmark::DoNotOptimize(JourneyDistanceAndFare(*db, timetable, j));
    }
    lap(4, since);
  }
  std::filesystem::remove(copy);
  const char* names[] = {"openMs", "endsMs", "readMs", "searchMs", "textsMs"};
  for (size_t i = 0; i < ms.size(); ++i) state.counters[names[i]] = ms[i] / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CliJourneys)->Apply(Scales);

// Far apart across the country, and between hubs.
#define KW_JOURNEYS(bm, ...)                                                                            \
  BENCHMARK_CAPTURE(bm, kashi_fuzhou, Families{"喀什", "福州"})->Apply(Scales)__VA_ARGS__;         \
  BENCHMARK_CAPTURE(bm, lasa_haerbin, Families{"拉萨", "哈尔滨"})->Apply(Scales)__VA_ARGS__;       \
  BENCHMARK_CAPTURE(bm, beijing_shanghai, Families{"北京", "上海"})->Apply(Scales)__VA_ARGS__;     \
  BENCHMARK_CAPTURE(bm, guangzhou_beijing, Families{"广州", "北京"})->Apply(Scales)__VA_ARGS__

KW_JOURNEYS(BM_JourneySearch);
// The reference takes seconds a query: one run of one iteration each.
KW_JOURNEYS(BM_JourneySearch_Reference, ->Iterations(1)->Repetitions(1));

}  // namespace
}  // namespace kw::bench
