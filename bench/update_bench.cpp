// Applying a 10,000-line update file. Each iteration starts from the same
// database: a fresh copy of the timetable and a fresh file, made while the
// clock is stopped (a successful update deletes its file).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "BenchDatabases.h"
#include "update/UpdateFile.h"

namespace kw::bench {
namespace {

constexpr int kGroups = 1000;  // of ten lines each

std::string Time(std::mt19937& rng) {
  char text[8];
  std::snprintf(text, sizeof text, "%u.%02u", static_cast<unsigned>(rng() % 24),
                static_cast<unsigned>(rng() % 60));
  return text;
}

// Ten thousand lines in groups of ten: two new stations, three stops of
// existing trains at them, two changed short codes, two changed stops and one
// deleted stop. Deterministic: a fixed seed and the database's own rows.
std::string MakeUpdateFile(Database& db) {
  std::vector<int> stations;
  {
    auto q = db.Prepare("SELECT id FROM station ORDER BY id");
    while (q.Step()) stations.push_back(q.Int(0));
  }
  std::vector<std::pair<int, int>> stops;
  {
    auto q = db.Prepare("SELECT trainid, station FROM pass ORDER BY trainid, station");
    while (q.Step()) stops.emplace_back(q.Int(0), q.Int(1));
  }
  std::vector<int> trains;
  {
    auto q = db.Prepare("SELECT id FROM train ORDER BY id");
    while (q.Step()) trains.push_back(q.Int(0));
  }
  std::mt19937 rng(2019);
  const auto pick = [&rng](const auto& from) { return from[rng() % from.size()]; };
  std::string file;
  int nextStation = stations.back() + 1;
  int nextZhanci = 1000;  // beyond every train's own stops
  for (int g = 0; g < kGroups; ++g) {
    const int added[2] = {nextStation++, nextStation++};
    for (int id : added) {
      const std::string n = std::to_string(id);
      file += "insert;station;" + n + ";" + n + ",\"新站" + n + "\",\"xz" + n + "\"\n";
    }
    for (int i = 0; i < 3; ++i) {
      const int t = pick(trains);
      const int s = added[i % 2];
      const std::string key = std::to_string(t) + "," + std::to_string(s);
      file += "insert;pass;" + key + ";" + key + "," + std::to_string(nextZhanci++) + "," + Time(rng) + "," +
              Time(rng) + ",1," + std::to_string(rng() % 3000) + "\n";
    }
    for (int i = 0; i < 2; ++i) {
      file += "update;station;" + std::to_string(pick(stations)) + ";jm=\"gx" + std::to_string(g) + "\"\n";
    }
    for (int i = 0; i < 2; ++i) {
      const auto [t, s] = pick(stops);
      file += "update;pass;" + std::to_string(t) + "," + std::to_string(s) + ";arrive=" + Time(rng) +
              ",depart=" + Time(rng) + "\n";
    }
    const auto [t, s] = pick(stops);
    file += "delete;pass;" + std::to_string(t) + "," + std::to_string(s) + "\n";
  }
  return file;
}

void BM_ApplyUpdate(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  const std::string content = MakeUpdateFile(BenchDb(scale));
  const std::string copy = BenchDbPath(scale) + ".update-bench";
  const std::filesystem::path file = BenchDbPath(scale) + ".update-bench.txt";
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::copy_file(BenchDbPath(scale), copy, std::filesystem::copy_options::overwrite_existing);
    auto db = Database::Open(copy);
    std::ofstream(file, std::ios::binary) << content;
    state.ResumeTiming();

    const UpdateOutcome outcome = ApplyUpdateFile(*db, file);

    state.PauseTiming();
    db.reset();
    if (outcome.status != UpdateStatus::Applied) {
      state.SkipWithError(("the update failed: " + outcome.Message()).c_str());
      state.ResumeTiming();
      break;
    }
    state.ResumeTiming();
  }
  std::filesystem::remove(copy);
  std::filesystem::remove(file);
  state.counters["lines"] = kGroups * 10;
}
BENCHMARK(BM_ApplyUpdate)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace kw::bench
