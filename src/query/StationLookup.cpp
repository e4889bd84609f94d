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

namespace {

enum class MatchOn { Initials, Name, Pinyin };

StationMatches MatchPrefix(Database& db, const PrefixPattern& prefix, MatchOn on) {
  static constexpr const char* kSql[3][2] = {
      {"SELECT id, station FROM station WHERE jm LIKE ? ORDER BY id",
       "SELECT id, station FROM station WHERE jm LIKE ? ESCAPE '\\' ORDER BY id"},
      {"SELECT id, station FROM station WHERE station LIKE ? ORDER BY id",
       "SELECT id, station FROM station WHERE station LIKE ? ESCAPE '\\' ORDER BY id"},
      {"SELECT id, station FROM station WHERE py LIKE ? ORDER BY id",
       "SELECT id, station FROM station WHERE py LIKE ? ESCAPE '\\' ORDER BY id"},
  };
  auto q = db.Prepare(kSql[static_cast<int>(on)][prefix.escaped ? 1 : 0]);
  q.Bind(1, prefix.pattern);
  StationMatches matches;
  while (q.Step()) {
    matches.ids.push_back(q.Int(0));
    matches.names.push_back(q.Text(1));
  }
  matches.found = !matches.names.empty();
  return matches;
}

}  // namespace

StationMatches FindStations(Database& db, std::string_view text, bool byInitials) {
  if (text.size() > kMaxPatternText) return {};
  const PrefixPattern prefix = MakePrefixPattern(text);
  if (!byInitials) return MatchPrefix(db, prefix, MatchOn::Name);
  StationMatches matches = MatchPrefix(db, prefix, MatchOn::Initials);
  // Letters that begin no short code may begin a full pinyin (shanghai).
  if (!matches.found && !text.empty()) matches = MatchPrefix(db, prefix, MatchOn::Pinyin);
  return matches;
}

std::string PickedStationText(Database& db, std::string_view text) {
  std::string kept = RemoveSpaces(text);
  if (kept.empty() || !LooksUpByInitials(kept)) return kept;
  StationMatches matches = FindStations(db, kept, true);
  return matches.found ? std::move(matches.names.front()) : kept;
}

std::optional<int> StationIdByName(Database& db, std::string_view name) {
  auto q = db.Prepare("SELECT id FROM station WHERE station = ? ORDER BY id LIMIT 1");
  q.Bind(1, name);
  if (!q.Step()) return std::nullopt;
  return q.Int(0);
}

std::unordered_map<std::string, std::string> StationPinyinByName(Database& db) {
  std::unordered_map<std::string, std::string> pinyin;
  auto q = db.Prepare("SELECT station, py FROM station WHERE py IS NOT NULL AND py <> ''");
  while (q.Step()) pinyin.emplace(q.Text(0), q.Text(1));
  return pinyin;
}

}  // namespace kw
