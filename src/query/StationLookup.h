// Station name lookup: the stations whose short code (pinyin initials, jm) or
// whose name begins with the typed text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kw {

class Database;

// The longest station text the boxes take and the command-line tool accepts,
// in characters: room for any station name or short code.
inline constexpr int kMaxStationTextLength = 20;

struct StationMatches {
  bool found = false;              // at least one station matched
  std::vector<std::string> names;  // station.station of each match, in table order
  std::vector<int> ids;            // station.id, at the same index as its name
  int count() const { return static_cast<int>(names.size()); }
};

// Prefix match of `text` on the short code (byInitials) or on the name. Only
// when letters begin no short code, they match the beginning of the full
// pinyin (shanghai, beijingx). The text is bound as a parameter with the LIKE
// wildcards escaped, so no typed character changes what the statement means.
// An empty text matches every station.
StationMatches FindStations(Database& db, std::string_view text, bool byInitials);

// A station text of the command-line tool as a station box holds it once a
// name is picked from its list: without spaces, and letters (bj, shanghai)
// replaced by the first station their lookup lists; a text ending in Chinese,
// or letters that match nothing, stay as typed.
std::string PickedStationText(Database& db, std::string_view text);

// The id of the station named exactly `name` (names compare without regard to
// case); nullopt when no station has that name.
std::optional<int> StationIdByName(Database& db, std::string_view name);

// How the query panel chooses the lookup: by name when the last character of
// the text is Chinese (a character outside ASCII), by initials otherwise.
bool LooksUpByInitials(std::string_view text);

// `text` with every space removed: ASCII spaces, tabs, line breaks and the
// ideographic space (U+3000).
std::string RemoveSpaces(std::string_view text);

// Every station's full pinyin (station.py) by name, for spelling names in
// English (text::SetStationSpellings); stations without one are left out.
std::unordered_map<std::string, std::string> StationPinyinByName(Database& db);

}  // namespace kw
