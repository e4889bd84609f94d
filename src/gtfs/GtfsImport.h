// Import of a GTFS feed: the trains that run on one day become a new
// timetable database, keyed like the shipped one.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "gtfs/Calendar.h"
#include "gtfs/FeedSource.h"
#include "gtfs/Reference.h"

namespace kw::gtfs {

struct ImportOptions {
  // The day whose trains are taken; by default today when the feed has
  // trains today, otherwise the feed's first day with trains.
  std::optional<Day> date;
  Day today = Today();
  // Kilometres per unit of shape_dist_traveled: 1 (km) or 0.001 (m).
  double kmPerDistanceUnit = 1.0;
  FeedLimits limits;
  // Told how far the import has come, 0 to 100 (from the importing thread).
  std::function<void(int)> progress;
  // Set by another thread to stop the import; it then throws FeedCancelled.
  const std::atomic<bool>* cancel = nullptr;
};

struct ImportSummary {
  int stations = 0;
  int trains = 0;
  int stops = 0;
  std::string date;     // 2026-12-07
  std::string version;  // the new timetable's VerID
  int skippedLoops = 0;  // trips that call twice at one station, left out
  // "3 个车站，2 个车次，7 个停站，日期 2026-12-07，版本 2026-12（GTFS）".
  std::string Text() const;
};

// Reads the feed at `feedPath` (a .zip or a folder) and writes the timetable
// of the chosen day to `outFile`, with the classes, fares and tips of
// `reference` and its station codes and section lengths where the feed gives
// none. Nothing is left at `outFile` when it fails: throws FeedError for a
// bad feed (naming the file and line), FeedCancelled, BuildError or
// DatabaseError when the database cannot be written.
ImportSummary ImportFeed(const std::string& feedPath, const Reference& reference, const ImportOptions& options,
                         const std::string& outFile);

// The class name of a train by its number, as the shipped timetable's
// classes go: G 高速动车组, D 动车组, C 城际动车组, Z 直达特快, T 特快,
// K 快速, Y 旅游列车, S 市郊列车, L 临客; numbers below 6000 普快, below
// 8000 普客, from 8000 通勤列车. Two numbers joined by "/" go by the first.
std::string ClassOfNumber(std::string_view number);

// A station name from a feed: trimmed, a trailing 站 dropped when at least
// two characters remain (北京南站 -> 北京南).
std::string StationName(std::string_view stopName);

}  // namespace kw::gtfs
