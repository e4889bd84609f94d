#include "query/TrainNumberSearch.h"

#include "query/ClassFilter.h"
#include "query/Fares.h"
#include "query/LikePattern.h"
#include "query/TimetableTime.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

namespace {

constexpr std::string_view kSelect = R"sql(
SELECT t.id, t.train, t.kind, k.kind, fs.station, es.station, t.ftime, t.etime, t.day, t.distance, t.memo
FROM train t
LEFT JOIN kind k ON k.id = t.kind
LEFT JOIN station fs ON fs.id = t.fstation
LEFT JOIN station es ON es.id = t.estation
WHERE )sql";

// Text with a letter: numbers ending in it, or carrying it before a "/".
constexpr std::string_view kEndsWith = "t.train LIKE ?1 ESCAPE '\\' OR t.train LIKE ?2 ESCAPE '\\'";
// Four characters or more, no letter: numbers containing it.
constexpr std::string_view kContains = "t.train LIKE ?1 ESCAPE '\\'";
// One to three characters, no letter: numbers ending in a letter or "/"
// followed by it, or carrying a letter and it before a "/"; never a number
// that is exactly the text. A GLOB with a character class after "*" tries
// every position of the number, so the plain substring test (?4, the text
// itself) goes first and spares it nearly every train.
constexpr std::string_view kAfterLetter =
    "instr(t.train, ?4) > 0 AND (t.train GLOB ?1 OR t.train GLOB ?2 OR t.train GLOB ?3)";

bool HasAsciiLetter(std::string_view text) {
  for (char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  }
  return false;
}

// `text` taken literally inside a GLOB pattern.
std::string EscapeGlob(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '*' || c == '?' || c == '[') {
      out += '[';
      out += c;
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

TrainNumberResult FindTrainsByNumber(Database& db, const std::string& text, std::string_view classOption) {
  TrainNumberResult result;
  if (text.empty() || text.size() > kMaxPatternText) return result;

  std::string_view rule;
  std::vector<std::string> patterns;
  if (HasAsciiLetter(text)) {
    const std::string t = EscapeLike(text);
    rule = kEndsWith;
    patterns = {"%" + t, "%" + t + "/%"};
  } else if (text::CharacterCount(text) >= 4) {
    rule = kContains;
    patterns = {"%" + EscapeLike(text) + "%"};
  } else {
    const std::string t = EscapeGlob(text);
    rule = kAfterLetter;
    patterns = {"*[A-Za-z]" + t, "*/" + t, "*[A-Za-z]" + t + "/*", text};
  }
  auto q = db.Prepare(std::string(kSelect) + std::string(rule) + " ORDER BY t.id");
  for (size_t i = 0; i < patterns.size(); ++i) q.Bind(static_cast<int>(i) + 1, patterns[i]);

  while (q.Step()) {
    result.found = true;
    const std::string kindName = q.Text(3);
    if (!ClassMatches(kindName, classOption)) continue;
    ResultRow row;
    row.trainId = q.Int(0);
    const int kindId = q.Int(2);
    row.caption = text::Fill(text::kNumberCaption, {q.Text(1), text::DataWord(kindName), text::StationName(q.Text(4)),
                                                     text::StationName(q.Text(5))});
    row.startText = FormatTime(q.OptDouble(6));
    row.endText = DayLabel(q.Int(8)) + FormatTime(q.OptDouble(7));
    RowFigures figures = RowDistanceFare(db, RowStyle::Number, kindId, JourneyDistance(0, true, q.Int(9)));
    row.distanceText = std::move(figures.distanceText);
    row.fareText = std::move(figures.fareText);
    row.memoText = text::DataWord(q.Text(10));
    // Six cells; a priced row without remark ends after the fare's space.
    row.printLine = row.caption + '\t' + row.startText + '\t' + row.endText + '\t' + row.distanceText + " \t";
    if (figures.international) {
      row.printLine += row.fareText + '\t' + row.memoText;
    } else {
      row.printLine += row.fareText + ' ' + (row.memoText.empty() ? "" : '\t' + row.memoText);
    }
    result.rows.push_back(std::move(row));
  }
  return result;
}

std::string TrainNotFoundMessage(const std::string& text) { return text::Fill(text::kTrainNotFound, {text}); }

}  // namespace kw
