#include "query/StationBoard.h"

#include <algorithm>
#include <cstdio>

#include "query/Fares.h"
#include "query/LikePattern.h"
#include "query/StationLookup.h"
#include "query/TimetableTime.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

namespace {

// Every stop at the stations %1 names, with its train. Whether a stop is the
// train's first or last is told by its neighbours in the stop order (the
// (trainid, zhanci) index answers each at once), not by the train's own
// columns. %2 is empty or the 开往 test: a later stop of the train at a
// station whose name begins with the pattern bound to ?2.
constexpr std::string_view kBoardSql = R"sql(
SELECT p.station, s.station, t.id, t.train, k.kind, fs.station, es.station, p.arrive, p.depart, p.distance,
       NOT EXISTS (SELECT 1 FROM pass f WHERE f.trainid = p.trainid AND f.zhanci < p.zhanci),
       NOT EXISTS (SELECT 1 FROM pass l WHERE l.trainid = p.trainid AND l.zhanci > p.zhanci)
FROM pass p
JOIN station s ON s.id = p.station
CROSS JOIN train t ON t.id = p.trainid
LEFT JOIN kind k ON k.id = t.kind
LEFT JOIN station fs ON fs.id = t.fstation
LEFT JOIN station es ON es.id = t.estation
WHERE p.station %1%2)sql";

std::string NamedLike(const PrefixPattern& prefix, int param) {
  return "(SELECT id FROM station WHERE station LIKE ?" + std::to_string(param) +
         (prefix.escaped ? " ESCAPE '\\')" : ")");
}

std::optional<int> ClockMinutes(std::optional<double> value) {
  if (!value) return std::nullopt;
  const int minutes = HhmmToMinutes(ToHhmm(*value)) % kMinutesPerDay;
  return minutes < 0 ? minutes + kMinutesPerDay : minutes;
}

std::string ClockText(int minutes) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
  return text;
}

bool InWindow(std::optional<int> minutes, int after, int until) {
  const bool wholeDay = (after == 0 && until == kMinutesPerDay - 1) || after == until + 1;
  if (!minutes) return wholeDay;
  return after <= until ? *minutes >= after && *minutes <= until : *minutes >= after || *minutes <= until;
}

// The station the text names: its exact name, else the first the lookup lists.
std::optional<std::pair<int, std::string>> OneStation(Database& db, const std::string& text) {
  if (const auto id = StationIdByName(db, text)) {
    auto q = db.Prepare("SELECT station FROM station WHERE id = ?");
    q.Bind(1, *id);
    q.Step();
    return std::make_pair(*id, q.Text(0));
  }
  const StationMatches matches = FindStations(db, text, LooksUpByInitials(text));
  if (!matches.found) return std::nullopt;
  return std::make_pair(matches.ids.front(), matches.names.front());
}

// Sort keys: departure (a train that ends here by its arrival) and arrival
// (a train that starts here by its departure).
int DepartKey(const BoardRow& r) { return r.departMinutes.value_or(r.arriveMinutes.value_or(-1)); }
int ArriveKey(const BoardRow& r) { return r.arriveMinutes.value_or(r.departMinutes.value_or(-1)); }

// Train numbers in the order a traveller reads them: runs of digits by
// their value (G2 before G10).
bool NumberLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  while (i < a.size() && j < b.size()) {
    if (digit(a[i]) && digit(b[j])) {
      size_t ei = i, ej = j;
      while (ei < a.size() && digit(a[ei])) ++ei;
      while (ej < b.size() && digit(b[ej])) ++ej;
      // Leading zeros aside, the longer run is the larger number.
      const std::string_view da = std::string_view(a).substr(i, ei - i);
      const std::string_view db = std::string_view(b).substr(j, ej - j);
      const auto strip = [](std::string_view d) {
        return d.substr(std::min(d.find_first_not_of('0'), d.size()));
      };
      const std::string_view sa = strip(da), sb = strip(db);
      if (sa.size() != sb.size()) return sa.size() < sb.size();
      if (sa != sb) return sa < sb;
      i = ei;
      j = ej;
      continue;
    }
    if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

// -1, 0, 1 for a before, with, after b; a missing figure after every figure.
int CompareFigure(const std::optional<int>& a, const std::optional<int>& b) {
  if (a.has_value() != b.has_value()) return a ? -1 : 1;
  if (!a || *a == *b) return 0;
  return *a < *b ? -1 : 1;
}

template <class T>
int Compare(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// A clock minute counted from `dayStart`, so that a window past midnight
// keeps its order (23:32 before 00:02); -1 (no time) stays first.
int FromStart(int minutes, int dayStart) {
  return minutes < 0 ? minutes : (minutes - dayStart + kMinutesPerDay) % kMinutesPerDay;
}

int CompareBy(const BoardRow& a, const BoardRow& b, BoardColumn column, int dayStart) {
  switch (column) {
    case BoardColumn::Train:
      return NumberLess(a.train, b.train) ? -1 : (NumberLess(b.train, a.train) ? 1 : 0);
    case BoardColumn::Kind:
      return Compare(a.kind, b.kind);
    case BoardColumn::From:
      return Compare(a.from, b.from);
    case BoardColumn::To:
      return Compare(a.to, b.to);
    case BoardColumn::Arrive:
      return Compare(FromStart(ArriveKey(a), dayStart), FromStart(ArriveKey(b), dayStart));
    case BoardColumn::Depart:
      return Compare(FromStart(DepartKey(a), dayStart), FromStart(DepartKey(b), dayStart));
    case BoardColumn::Dwell:
      return CompareFigure(a.dwellMinutes, b.dwellMinutes);
    case BoardColumn::Km:
      return CompareFigure(a.km, b.km);
    case BoardColumn::Station:
      return Compare(a.station, b.station);
  }
  return 0;
}

}  // namespace

void SortBoard(std::vector<BoardRow>& rows, BoardColumn column, bool descending, int dayStart) {
  // The rows are large: their order is found on indexes, then each row moves
  // into its place along the cycles of that order, with no second vector.
  std::vector<size_t> order(rows.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&rows, column, descending, dayStart](size_t i, size_t j) {
    const BoardRow& a = rows[i];
    const BoardRow& b = rows[j];
    int by = CompareBy(a, b, column, dayStart);
    if (descending) by = -by;
    if (by != 0) return by < 0;
    for (BoardColumn tie : {BoardColumn::Depart, BoardColumn::Arrive, BoardColumn::Train}) {
      if (const int t = CompareBy(a, b, tie, dayStart); t != 0) return t < 0;
    }
    return false;
  });
  std::vector<bool> placed(rows.size());
  for (size_t start = 0; start < rows.size(); ++start) {
    if (placed[start] || order[start] == start) continue;
    BoardRow first = std::move(rows[start]);
    size_t at = start;
    for (;;) {
      placed[at] = true;
      const size_t from = order[at];
      if (from == start) {
        rows[at] = std::move(first);
        break;
      }
      rows[at] = std::move(rows[from]);
      at = from;
    }
  }
}

BoardResult FindStationBoard(Database& db, const BoardRequest& request) {
  BoardResult result;
  const std::string text = RemoveSpaces(request.stationText);
  std::string towards = RemoveSpaces(request.towards);
  const auto refuse = [&result](std::string message) {
    result.message = std::move(message);
    result.rows.clear();
    return result;
  };
  if (text.empty()) return refuse(std::string(text::kBoardNeedStation));
  if (text.size() > kMaxPatternText) return refuse(text::Fill(text::kUnknownStation, {text::Excerpt(text)}));

  const auto station = OneStation(db, text);
  if (!station) {
    return refuse(text::Fill(request.allWithPrefix ? text::kNoStationBeginsWith : text::kUnknownStation,
                             {text::Excerpt(text)}));
  }
  // The family: names beginning with the text, or with the name the
  // initials stand for.
  const std::string family = LooksUpByInitials(text) ? station->second : text;
  result.stationName = request.allWithPrefix ? family : station->second;
  if (!towards.empty()) {
    // Letters (sh, shanghai) stand for the name of the first station their
    // lookup lists; the trains go on to any station beginning with it.
    const StationMatches matches =
        towards.size() > kMaxPatternText ? StationMatches{} : FindStations(db, towards, LooksUpByInitials(towards));
    if (!matches.found) return refuse(text::Fill(text::kNoStationBeginsWith, {text::Excerpt(towards)}));
    if (LooksUpByInitials(towards)) towards = matches.names.front();
  }

  const PrefixPattern familyPrefix = MakePrefixPattern(family);
  const PrefixPattern towardsPrefix = MakePrefixPattern(towards);
  const std::string stations = request.allWithPrefix ? "IN " + NamedLike(familyPrefix, 1) : "= ?1";
  const std::string later = towards.empty() ? std::string()
                                            : "\n  AND EXISTS (SELECT 1 FROM pass w WHERE w.station IN " +
                                                  NamedLike(towardsPrefix, 2) +
                                                  " AND w.trainid = p.trainid AND w.zhanci > p.zhanci)";
  auto q = db.Prepare(text::Fill(kBoardSql, {stations, later}));
  if (request.allWithPrefix) {
    q.Bind(1, familyPrefix.pattern);
  } else {
    q.Bind(1, station->first);
  }
  if (!towards.empty()) q.Bind(2, towardsPrefix.pattern);

  // Room for the busiest station's calls (some 800) from the start: moving
  // rows this large as the vector grows would cost more than the search.
  result.rows.reserve(1024);
  bool anyStop = false;
  while (q.Step()) {
    anyStop = true;
    BoardRow row;
    row.stationId = q.Int(0);
    row.station = q.Text(1);
    row.trainId = q.Int(2);
    row.train = q.Text(3);
    if ((request.types & TypeBit(TrainTypeOf(row.train))) == 0) continue;
    row.starts = q.Int(10) != 0;
    row.terminates = q.Int(11) != 0;
    if (request.ends == BoardEnds::Starting && !row.starts) continue;
    if (request.ends == BoardEnds::Terminating && !row.terminates) continue;
    const std::optional<int> arrive = ClockMinutes(q.OptDouble(7));
    const std::optional<int> depart = ClockMinutes(q.OptDouble(8));
    // An end of the run gives its one time in either column.
    if (!row.starts) row.arriveMinutes = row.terminates && !arrive ? depart : arrive;
    if (!row.terminates) row.departMinutes = row.starts && !depart ? arrive : depart;
    const std::optional<int> windowTime = row.terminates ? row.arriveMinutes : row.departMinutes;
    if (!InWindow(windowTime, request.after, request.until)) continue;

    row.kind = q.Text(4);
    row.from = q.Text(5);
    row.to = q.Text(6);
    row.arriveText = row.starts ? std::string(text::kBoardStarts)
                                : (row.arriveMinutes ? ClockText(*row.arriveMinutes) : std::string());
    row.departText = row.terminates ? std::string(text::kBoardEnds)
                                    : (row.departMinutes ? ClockText(*row.departMinutes) : std::string());
    if (row.arriveMinutes && row.departMinutes) {
      // A dwell across midnight counts on into the next day.
      row.dwellMinutes = (*row.departMinutes - *row.arriveMinutes + kMinutesPerDay) % kMinutesPerDay;
    }
    const int km = q.Int(9);
    if (StopDistanceKnown(km, row.starts)) row.km = km;
    row.kmText = DistanceText(row.km);
    result.rows.push_back(std::move(row));
  }
  if (result.rows.empty()) {
    if (!towards.empty()) {
      return refuse(text::Fill(anyStop ? text::kBoardNothingChosenTowards : text::kBoardNoTrainTowards,
                               {text::StationName(result.stationName), text::StationName(towards)}));
    }
    return refuse(
        text::Fill(anyStop ? text::kBoardNothingChosen : text::kBoardNoTrain, {text::StationName(result.stationName)}));
  }
  SortBoard(result.rows, BoardColumn::Depart, false, request.after);
  return result;
}

}  // namespace kw
