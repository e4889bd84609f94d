#include "query/StationLookup.h"

#include "query/LikePattern.h"
#include "store/Database.h"

namespace kw {

std::string RemoveSpaces(std::string_view text) {
  static constexpr std::string_view kIdeographicSpace = "\u3000";
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, kIdeographicSpace.size()) == kIdeographicSpace) {
      i += kIdeographicSpace.size() - 1;
    } else if (std::string_view(" \t\n\r\v\f").find(text[i]) == std::string_view::npos) {
      out += text[i];
    }
  }
  return out;
}

bool LooksUpByInitials(std::string_view text) {
  if (text.empty()) return true;
  // The last character is Chinese when the text ends in a multi-byte UTF-8
  // sequence; its last byte is then a continuation byte.
  return static_cast<unsigned char>(text.back()) < 0x80;
}

StationMatches FindStations(Database& db, std::string_view text, bool byInitials) {
  if (text.size() > kMaxPatternText) return {};
  const PrefixPattern prefix = MakePrefixPattern(text);
  const char* sql =
      byInitials
          ? (prefix.escaped ? "SELECT id, station FROM station WHERE jm LIKE ? ESCAPE '\\' ORDER BY id"
                            : "SELECT id, station FROM station WHERE jm LIKE ? ORDER BY id")
          : (prefix.escaped ? "SELECT id, station FROM station WHERE station LIKE ? ESCAPE '\\' ORDER BY id"
                            : "SELECT id, station FROM station WHERE station LIKE ? ORDER BY id");
  auto q = db.Prepare(sql);
  q.Bind(1, prefix.pattern);
  StationMatches matches;
  while (q.Step()) {
    matches.ids.push_back(q.Int(0));
    matches.names.push_back(q.Text(1));
  }
  matches.found = !matches.names.empty();
  return matches;
}

std::optional<int> StationIdByName(Database& db, std::string_view name) {
  auto q = db.Prepare("SELECT id FROM station WHERE station = ? ORDER BY id LIMIT 1");
  q.Bind(1, name);
  if (!q.Step()) return std::nullopt;
  return q.Int(0);
}

}  // namespace kw
