// The tips of the day and the version of the timetable data.
#pragma once

#include <optional>
#include <string>

namespace kw {

class Database;

struct Tip {
  std::string title;
  std::string content;
};

// Tip number `id`; nullopt when there is none.
std::optional<Tip> LoadTip(Database& db, int id);

// The highest tip number; 0 without tips.
int LargestTipId(Database& db);

// The data version: the first column of the first row of VerID, empty when
// the table is empty.
std::string DataVersion(Database& db);

}  // namespace kw
