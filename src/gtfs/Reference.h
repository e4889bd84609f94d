// What an import takes from the installed timetable: the station table's
// short codes and pinyin, the usual length of each section between two
// stations, and the class, fare and tip tables as they are.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kw {
class Database;
}

namespace kw::gtfs {

struct Reference {
  struct Codes {
    std::string jm;
    std::string py;
  };
  std::unordered_map<std::string, Codes> stations;  // by station name
  // The median length in km of the section between two consecutive stops,
  // by the stations' names in either order (the lesser name first).
  std::map<std::pair<std::string, std::string>, double> sections;
  std::vector<std::pair<int, std::string>> kinds;  // id, class name
  // The rows of the kind, price and everyday tables, each value as text
  // (empty for Null), in the tables' column order.
  std::map<std::string, std::vector<std::vector<std::string>>> copied;

  // The length of the section between stations `a` and `b`; negative when
  // no train of the installed timetable runs it.
  double Section(const std::string& a, const std::string& b) const;
};

// Reads it from an open timetable database.
Reference LoadReference(Database& db);

}  // namespace kw::gtfs
