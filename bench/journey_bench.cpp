// Journeys with changes at national scale: building the in-memory timetable,
// and a whole day's search with up to two changes, each beside the
// brute-force reference of the tests (BM_JourneySearch_Reference), which must
// find the same journeys before it is timed.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "BenchDatabases.h"
#include "journey/JourneySearch.h"
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
  for (auto _ : state) {
    const JourneyTimetable t = BuildJourneyTimetable(db);
    bytes = t.MemoryBytes();
    trains = t.trains.size();
    benchmark::DoNotOptimize(t);
  }
  state.counters["memoryMB"] = static_cast<double>(bytes) / 1e6;
  state.counters["trains"] = static_cast<double>(trains);
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
