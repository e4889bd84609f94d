// Opening the timetable and looking up stations.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "BenchDatabases.h"
#include "query/StationLookup.h"
#include "store/KeyCache.h"

namespace kw::bench {
namespace {

// Opening with the key kept in the cache folder (as every open after the
// first), and with the key derived from the password (the first open of a
// file). Both take the exclusive lock. A copy of the file is opened, so the
// kept connections of the other cases don't lock it.
void BM_OpenDatabase(benchmark::State& state, bool keyKept) {
  const int scale = static_cast<int>(state.range(0));
  const std::string copy = BenchDbPath(scale) + ".open-bench";
  std::filesystem::copy_file(BenchDbPath(scale), copy, std::filesystem::copy_options::overwrite_existing);
  std::string salt(kSaltBytes, '\0');
  std::ifstream(copy, std::ios::binary).read(salt.data(), static_cast<std::streamsize>(salt.size()));
  Database::Open(copy);
  for (auto _ : state) {
    if (!keyKept) {
      state.PauseTiming();
      ForgetRawKey(salt);
      state.ResumeTiming();
    }
    auto db = Database::Open(copy);
    benchmark::DoNotOptimize(db.get());
  }
  std::filesystem::remove(copy);
}
BENCHMARK_CAPTURE(BM_OpenDatabase, key_kept, true)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenDatabase, key_derived, false)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// Typed initials of growing length: "b" matches hundreds of stations.
void BM_StationLookup(benchmark::State& state, const char* text) {
  Database& db = BenchDb(static_cast<int>(state.range(0)));
  size_t matches = 0;
  for (auto _ : state) {
    const auto m = FindStations(db, text, true);
    matches = m.names.size();
    benchmark::DoNotOptimize(m);
  }
  state.counters["matches"] = static_cast<double>(matches);
}
BENCHMARK_CAPTURE(BM_StationLookup, b, "b")->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StationLookup, bj, "bj")->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StationLookup, bjx, "bjx")->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
// Letters that begin no short code fall back on the full pinyin: two lookups.
BENCHMARK_CAPTURE(BM_StationLookup, shanghai, "shanghai")->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StationLookup, beijingx, "beijingx")->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StationLookup, no_match, "zzzzz")->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_StationLookupByName(benchmark::State& state) {
  Database& db = BenchDb(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(FindStations(db, "北京", false));
}
BENCHMARK(BM_StationLookupByName)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kw::bench
