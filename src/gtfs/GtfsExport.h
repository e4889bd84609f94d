// Export of the open timetable as a GTFS feed (a zip).
#pragma once

#include <string>
#include <vector>

#include "gtfs/Calendar.h"

namespace kw {
class Database;
}

namespace kw::gtfs {

struct ExportSummary {
  int stations = 0;
  int trains = 0;
  int stops = 0;
  std::vector<std::string> withoutPosition;  // stations written with empty coordinates
  // "3 个车站，2 个车次，7 个停站", then the stations without a position.
  std::string Text() const;
};

// Writes the timetable of `db` to the zip `outFile`: agency, stops (every
// station, with its position where known), one route per train class
// (route_type 2, the class name as route_long_name), one trip per train
// (trip_short_name the number, trip_remark the remark), stop times (times
// past midnight as 24:xx and later; shape_dist_traveled in km, empty where
// unknown), one daily service over a year from the timetable's date (the
// VerID's leading YYYY-MM[-DD], else `today`) and feed_info (version = the
// VerID, language zh). The zip appears whole or not at all. Throws
// FeedError when it cannot be written, DatabaseError when reading fails.
ExportSummary ExportFeed(Database& db, const std::string& outFile, Day today = Today());

// The first day a timetable's version text names ("2019-10 全国" ->
// 2019-10-01), or nullopt.
std::optional<Day> VersionDate(std::string_view version);

// One CSV field as RFC 4180 writes it: in quotes, with quotes doubled, when
// it holds a comma, a quote or a line break.
std::string CsvField(std::string_view value);

}  // namespace kw::gtfs
