#include "BenchDatabases.h"

#include <cstdlib>
#include <map>
#include <memory>

namespace kw::bench {

std::string BenchDbPath(int scale) {
  const char* dir = std::getenv("KW_BENCH_DIR");
  return std::string(dir ? dir : "build/bench") + "/net-" + std::to_string(scale) + "x/date/Train.dll";
}

Database& BenchDb(int scale) {
  static std::map<int, std::unique_ptr<Database>> open;
  auto& db = open[scale];
  if (!db) db = Database::Open(BenchDbPath(scale));
  return *db;
}

}  // namespace kw::bench
