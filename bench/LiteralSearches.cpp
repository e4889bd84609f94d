#include "LiteralSearches.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "query/DirectSearch.h"
#include "query/Fares.h"
#include "query/TimetableTime.h"
#include "store/CoreStrings.h"

namespace kw::bench::literal {

namespace {

// First column of the first row of a one-parameter query; empty when none.
std::string FirstText(Database& db, const char* sql, int id) {
  auto q = db.Prepare(sql);
  q.Bind(1, id);
  return q.Step() ? q.Text(0) : std::string();
}

int FirstInt(Database& db, const char* sql, int a) {
  auto q = db.Prepare(sql);
  q.Bind(1, a);
  return q.Step() ? q.Int(0) : 0;
}

int FirstInt(Database& db, const char* sql, int a, int b) {
  auto q = db.Prepare(sql);
  q.Bind(1, a).Bind(2, b);
  return q.Step() ? q.Int(0) : 0;
}

struct StopRead {
  int zhanci = 0;
  int distance = 0;
  std::optional<double> time;
};

StopRead ReadStop(Database& db, const char* sql, int trainId, int stationId) {
  auto q = db.Prepare(sql);
  q.Bind(1, trainId).Bind(2, stationId);
  if (!q.Step()) return {};
  return {q.Int(0), q.Int(1), q.OptDouble(2)};
}

// The trains of one station pair, a statement per value of each row.
void DirectTrains(Database& db, int fromId, int toId, int earliestDeparture, int latestArrival,
                  std::vector<ResultRow>& rows) {
  auto candidates = db.Prepare(
      "SELECT * FROM pass WHERE station = ?1 AND trainid IN (SELECT trainid FROM pass WHERE station = ?2 "
      "AND (?3 = 0 OR CAST(round(arrive * 100) AS INTEGER) <= ?3)) "
      "AND (?4 = 0 OR CAST(round(depart * 100) AS INTEGER) >= ?4)");
  candidates.Bind(1, fromId).Bind(2, toId).Bind(3, latestArrival).Bind(4, earliestDeparture);
  bool anyCandidate = false;
  bool anyStored = false;
  while (candidates.Step()) {
    anyCandidate = true;
    const int t = candidates.Int(0);
    const StopRead from = ReadStop(
        db, "SELECT zhanci, distance, depart FROM pass WHERE trainid = ? AND station = ?", t, fromId);
    const StopRead to =
        ReadStop(db, "SELECT zhanci, distance, arrive FROM pass WHERE trainid = ? AND station = ?", t, toId);
    if (from.zhanci >= to.zhanci) continue;

    std::string number;
    int firstId = 0;
    {
      auto q = db.Prepare("SELECT train, fstation FROM train WHERE id = ?");
      q.Bind(1, t);
      if (q.Step()) {
        number = q.Text(0);
        firstId = q.Int(1);
      }
    }
    const std::string first = FirstText(db, "SELECT station FROM station WHERE id = ?", firstId);
    const int lastId = FirstInt(db, "SELECT estation FROM train WHERE id = ?", t);
    const std::string last = FirstText(db, "SELECT station FROM station WHERE id = ?", lastId);
    const std::string kindName =
        FirstText(db, "SELECT kind FROM kind WHERE id IN (SELECT kind FROM train WHERE id = ?)", t);

    ResultRow row;
    row.trainId = t;
    row.startText = FormatTime(from.time);
    const char* daySql = "SELECT day FROM pass WHERE station = ? AND trainid = ?";
    const int offset = FirstInt(db, daySql, toId, t) - FirstInt(db, daySql, fromId, t);
    row.endText = DayLabel(offset) + FormatTime(to.time);
    int kindId = 0;
    {
      auto q = db.Prepare("SELECT memo, kind FROM train WHERE id = ?");
      q.Bind(1, t);
      if (q.Step()) {
        row.memoText = q.Text(0);
        kindId = q.Int(1);
      }
    }
    // A departure stop at 0 km has a known distance only when it is the first.
    const bool fromFirst = from.zhanci == FirstInt(db, "SELECT min(zhanci) FROM pass WHERE trainid = ?", t);
    // The fare lookup inside issues the old program's two statements.
    CompleteStationRow(db, row, number, first, last, kindName, kindId,
                       JourneyDistance(from.distance, fromFirst, to.distance));
    rows.push_back(std::move(row));
    anyStored = true;
  }
  if (anyCandidate && !anyStored) {
    // Only trains the other way: both names for the message.
    FirstText(db, "SELECT station FROM station WHERE id = ?", fromId);
    FirstText(db, "SELECT station FROM station WHERE id = ?", toId);
  }
}

// The benchmark's texts hold no LIKE wildcard of their own.
std::vector<std::pair<int, std::string>> StationsNamed(Database& db, const std::string& prefix) {
  auto q = db.Prepare("SELECT id, station FROM station WHERE station LIKE ?");
  q.Bind(1, prefix + "%");
  std::vector<std::pair<int, std::string>> stations;
  while (q.Step()) stations.emplace_back(q.Int(0), q.Text(1));
  return stations;
}

}  // namespace

std::vector<ResultRow> StationSearch(Database& db, const std::string& fromText, const std::string& toText,
                                     int earliestDeparture, int latestArrival) {
  const auto from = StationsNamed(db, fromText);
  const auto to = StationsNamed(db, toText);
  std::vector<ResultRow> listed;
  std::unordered_set<int> seen;
  for (const auto& [fromId, fromName] : from) {
    for (const auto& [toId, toName] : to) {
      if (fromId == toId) continue;
      std::vector<ResultRow> rows;
      DirectTrains(db, fromId, toId, earliestDeparture, latestArrival, rows);
      for (auto& row : rows) {
        if (seen.insert(row.trainId).second) listed.push_back(std::move(row));
      }
    }
  }
  return listed;
}

std::vector<std::string> TransferStations(Database& db, int fromId, int toId) {
  auto q = db.Prepare(R"sql(
SELECT station FROM pass
WHERE trainid IN (SELECT trainid FROM pass WHERE station = ?1)
  AND station IN (SELECT station FROM pass WHERE trainid IN (SELECT trainid FROM pass WHERE station = ?2))
ORDER BY station)sql");
  q.Bind(1, fromId).Bind(2, toId);
  std::vector<std::string> names;
  int previous = 0;
  while (q.Step()) {
    const int s = q.Int(0);
    if (s != previous && s != fromId) {
      names.push_back(FirstText(db, "SELECT station FROM station WHERE id = ?", s));
    }
    previous = s;
  }
  return names;
}

std::vector<ResultRow> TrainsByNumber(Database& db, const std::string& text) {
  // The match statement of each rule, with the program's letter rule (any
  // letter, either case) so that both searches find the same trains.
  std::vector<std::string> patterns;
  const char* sql;
  const auto letter = [](unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; };
  if (std::any_of(text.begin(), text.end(), letter)) {
    sql = "SELECT * FROM train WHERE train LIKE ? OR train LIKE ?";
    patterns = {"%" + text, "%" + text + "/%"};
  } else if (text.size() >= 4) {
    sql = "SELECT * FROM train WHERE train LIKE ?";
    patterns = {"%" + text + "%"};
  } else {
    sql = "SELECT * FROM train WHERE train GLOB ? OR train GLOB ? OR train GLOB ?";
    patterns = {"*[A-Za-z]" + text, "*/" + text, "*[A-Za-z]" + text + "/*"};
  }
  auto q = db.Prepare(sql);
  for (size_t i = 0; i < patterns.size(); ++i) q.Bind(static_cast<int>(i) + 1, patterns[i]);

  std::vector<ResultRow> rows;
  while (q.Step()) {
    ResultRow row;
    row.trainId = q.Int(0);
    const int kindId = q.Int(2);
    const std::string kindName = FirstText(db, "SELECT kind FROM kind WHERE id = ?", kindId);
    const std::string first = FirstText(db, "SELECT station FROM station WHERE id = ?", q.Int(3));
    const std::string last = FirstText(db, "SELECT station FROM station WHERE id = ?", q.Int(4));
    row.caption = text::Fill(text::kNumberCaption, {q.Text(1), kindName, first, last});
    row.startText = FormatTime(q.OptDouble(5));
    row.endText = DayLabel(q.Int(7)) + FormatTime(q.OptDouble(6));
    const int distance = q.Int(8);
    row.distanceText = " " + std::to_string(distance);
    row.fareText = distance >= kInternationalDistance ? std::string(text::kInternationalTrain)
                                                      : " " + LookupFares(db, kindId, distance).seatFares[0];
    row.memoText = q.Text(9);
    row.printLine = row.caption + '\t' + row.startText + '\t' + row.endText + '\t' + row.distanceText +
                    " \t" + row.fareText + '\t' + row.memoText;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<int> StationBoard(Database& db, int stationId) {
  std::vector<int> ids;
  auto stops = db.Prepare("SELECT trainid, zhanci, arrive, depart, distance FROM pass WHERE station = ?1");
  stops.Bind(1, stationId);
  while (stops.Step()) {
    const int trainId = stops.Int(0);
    const int zhanci = stops.Int(1);
    const std::string number = FirstText(db, "SELECT train FROM train WHERE id = ?1", trainId);
    const int kindId = FirstInt(db, "SELECT kind FROM train WHERE id = ?1", trainId);
    const std::string kind = FirstText(db, "SELECT kind FROM kind WHERE id = ?1", kindId);
    const std::string first = FirstText(
        db, "SELECT station FROM station WHERE id = (SELECT fstation FROM train WHERE id = ?1)", trainId);
    const std::string last = FirstText(
        db, "SELECT station FROM station WHERE id = (SELECT estation FROM train WHERE id = ?1)", trainId);
    const bool starts = FirstInt(db, "SELECT min(zhanci) FROM pass WHERE trainid = ?1", trainId) == zhanci;
    const bool ends = FirstInt(db, "SELECT max(zhanci) FROM pass WHERE trainid = ?1", trainId) == zhanci;
    const std::string arrive = starts ? std::string(text::kBoardStarts) : FormatTime(stops.OptDouble(2));
    const std::string depart = ends ? std::string(text::kBoardEnds) : FormatTime(stops.OptDouble(3));
    const std::string row = number + kind + first + last + arrive + depart + DistanceText(stops.Int(4));
    if (!row.empty()) ids.push_back(trainId);
  }
  return ids;
}

}  // namespace kw::bench::literal
