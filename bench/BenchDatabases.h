// The benchmark timetables: the national network at 1x, 2x and 4x, built by
// scripts/run-bench into $KW_BENCH_DIR/net-<scale>x/date/Train.dll.
#pragma once

#include <string>

#include "store/Database.h"

namespace kw::bench {

// Scales measured by every case.
inline constexpr int kScales[] = {1, 2, 4};

// Path of the timetable at `scale`.
std::string BenchDbPath(int scale);

// The open timetable at `scale`, opened once per process and kept.
Database& BenchDb(int scale);

}  // namespace kw::bench
