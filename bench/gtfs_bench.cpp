// GTFS export of the benchmark timetables, and import of each one's own
// export (the national set's ~79,000 stop times at 1x; 4x for linearity).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

#include "BenchDatabases.h"
#include "gtfs/GtfsExport.h"
#include "gtfs/GtfsImport.h"

namespace kw::bench {
namespace {

namespace fs = std::filesystem;

std::string FeedPath(int scale) { return BenchDbPath(scale) + ".gtfs.zip"; }

// The scale's export, written once per process.
const std::string& Feed(int scale) {
  static std::map<int, std::string> written;
  auto& path = written[scale];
  if (path.empty()) {
    path = FeedPath(scale);
    gtfs::ExportFeed(BenchDb(scale), path);
  }
  return path;
}

void BM_GtfsExport(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  const std::string out = BenchDbPath(scale) + ".export-bench.zip";
  int stops = 0;
  for (auto _ : state) stops = gtfs::ExportFeed(BenchDb(scale), out).stops;
  state.counters["stops"] = stops;
  fs::remove(out);
}
BENCHMARK(BM_GtfsExport)->Arg(1)->Arg(2)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole import of a feed: reading the zip, the trains of the day and
// building the database file. The installed timetable's tables (the 1x
// timetable's) are read once, before the clock starts.
void BM_GtfsImport(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  const std::string& feed = Feed(scale);
  static const gtfs::Reference reference = gtfs::LoadReference(BenchDb(1));
  const std::string out = BenchDbPath(scale) + ".import-bench.dll";
  int stops = 0;
  for (auto _ : state) {
    fs::remove(out);
    stops = gtfs::ImportFeed(feed, reference, {}, out).stops;
  }
  state.counters["stops"] = stops;
  fs::remove(out);
}
BENCHMARK(BM_GtfsImport)->Arg(1)->Arg(2)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kw::bench
