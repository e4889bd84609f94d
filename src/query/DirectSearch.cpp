#include "query/DirectSearch.h"

#include <map>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "query/ClassFilter.h"
#include "query/Fares.h"
#include "query/LikePattern.h"
#include "query/StationLookup.h"
#include "query/TimetableTime.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

namespace {

// Every train that calls at a departure station and at an arrival station,
// with its stop at each (a and b), for every pair of a departure station that
// %2 names (parameter ?1) and an arrival station that %1 joins as b (?2).
// Pairs come in ascending departure and then arrival station id, the trains
// of a pair in ascending train id. Bounds ?3 and ?4 are hhmm, 0 = none; clock
// times only. Whether the departure stop is the train's first matters only
// at 0 km (where it tells a known 0 from a missing distance), so only there
// is it looked up.
constexpr std::string_view kPairsSql = R"sql(
SELECT a.station, b.station, t.id, t.train, t.kind, k.kind, fs.station, es.station, t.memo,
       a.zhanci < b.zhanci, a.depart, b.arrive, b.day - a.day, a.distance, b.distance,
       a.distance = 0 AND NOT EXISTS (SELECT 1 FROM pass f WHERE f.trainid = a.trainid AND f.zhanci < a.zhanci)
FROM pass a
%1
CROSS JOIN train t ON t.id = a.trainid
LEFT JOIN kind k ON k.id = t.kind
LEFT JOIN station fs ON fs.id = t.fstation
LEFT JOIN station es ON es.id = t.estation
WHERE a.station %2 AND a.station <> b.station
  AND (?3 = 0 OR CAST(round(a.depart * 100) AS INTEGER) >= ?3)
  AND (?4 = 0 OR CAST(round(b.arrive * 100) AS INTEGER) <= ?4)
ORDER BY a.station, b.station, t.id)sql";

// One pair: each departure stop looks its train's stop at the arrival
// station up in the index.
constexpr std::string_view kArrivalById = "JOIN pass b ON b.trainid = a.trainid AND b.station = ?2";

// Every station whose name begins with the pattern bound to ?`param`.
std::string StationsNamed(const PrefixPattern& prefix, int param) {
  return "IN (SELECT id FROM station WHERE station LIKE ?" + std::to_string(param) +
         (prefix.escaped ? " ESCAPE '\\')" : ")");
}

// Families of stations: a lookup per departure stop and arrival station would
// grow with the number of pairs. Instead the arrival side's stops are read
// once into a table of their own (LIMIT -1 keeps SQLite from folding the
// subquery into the join), which SQLite indexes by train; each departure stop
// then finds its train there. CROSS JOIN keeps that order.
std::string ArrivalsNamed(const PrefixPattern& prefix) {
  return "CROSS JOIN (SELECT trainid, station, zhanci, arrive, day, distance FROM pass WHERE station " +
         StationsNamed(prefix, 2) + " LIMIT -1) b ON b.trainid = a.trainid";
}

using PairTrains = std::map<std::pair<int, int>, DirectTrains>;

// The trains of each pair that has any, from a statement of kPairsSql; rows
// only for the trains of the class option.
PairTrains CollectTrains(Database& db, Query& q, std::string_view classOption) {
  PairTrains pairs;
  while (q.Step()) {
    DirectTrains& pair = pairs[{q.Int(0), q.Int(1)}];
    if (q.Int(9) == 0) continue;  // calls at the arrival station first
    pair.found = true;
    const std::string kindName = q.Text(5);
    if (!ClassMatches(kindName, classOption)) continue;
    ResultRow row;
    row.trainId = q.Int(2);
    const std::string number = q.Text(3);
    const int kindId = q.Int(4);
    const std::string first = q.Text(6);
    const std::string last = q.Text(7);
    row.memoText = text::DataWord(q.Text(8));
    row.startText = FormatTime(q.OptDouble(10));
    row.endText = DayLabel(q.Int(12)) + FormatTime(q.OptDouble(11));
    CompleteStationRow(db, row, number, first, last, kindName, kindId,
                       JourneyDistance(q.Int(13), q.Int(15) != 0, q.Int(14)));
    pair.rows.push_back(std::move(row));
  }
  // A pair is here because some train calls at both of its stations.
  for (auto& [stations, pair] : pairs) pair.onlyOtherWay = !pair.found;
  return pairs;
}

}  // namespace

void CompleteStationRow(Database& db, ResultRow& row, const std::string& number, const std::string& first,
                        const std::string& last, const std::string& kindName, int kindId,
                        std::optional<int> distance) {
  RowFigures figures = RowDistanceFare(db, RowStyle::Station, kindId, distance);
  row.distanceText = std::move(figures.distanceText);
  row.fareText = std::move(figures.fareText);
  // Shown texts: stations and the class in the interface's language.
  const std::string firstName = text::StationName(first);
  const std::string lastName = text::StationName(last);
  const std::string kindWord = text::DataWord(kindName);
  row.caption = text::Fill(text::kStationCaption, {number, firstName, lastName, kindWord});
  row.printLine = row.caption + '\t' + row.startText + '\t' + row.endText + '\t' + row.distanceText + '\t' +
                  row.fareText + (row.memoText.empty() ? "" : '\t' + row.memoText);
  row.legLine = text::Fill(text::kLegCaption, {number, firstName, lastName, kindWord}) + '\t' + row.startText + '\t' +
                row.endText;
}

DirectTrains FindDirectTrains(Database& db, int fromId, int toId, int earliestDeparture, int latestArrival,
                              std::string_view classOption) {
  // A station is no journey to itself (every train through it would seem to
  // run the other way).
  if (fromId == toId) return {};
  auto q = db.Prepare(text::Fill(kPairsSql, {kArrivalById, "= ?1"}));
  q.Bind(1, fromId).Bind(2, toId).Bind(3, earliestDeparture).Bind(4, latestArrival);
  PairTrains pairs = CollectTrains(db, q, classOption);
  return pairs.empty() ? DirectTrains{} : std::move(pairs.begin()->second);
}

std::string OtherWayMessage(const std::string& fromName, const std::string& toName) {
  return text::Fill(text::kOtherWayOnly, {text::StationName(fromName), text::StationName(toName)});
}

std::string NoDirectTrainText(const std::string& fromName, const std::string& toName) {
  return text::Fill(text::kNoDirectTrain, {text::StationName(fromName), text::StationName(toName)});
}

StationSearchResult RunStationSearch(Database& db, const StationSearchRequest& request) {
  StationSearchResult result;
  const std::string fromText = RemoveSpaces(request.fromText);
  const std::string toText = RemoveSpaces(request.toText);
  if (fromText.empty() || toText.empty() || fromText == toText) return result;

  const StationMatches from = FindStations(db, fromText, false);
  const StationMatches to = from.found ? FindStations(db, toText, false) : StationMatches{};
  if (!from.found || !to.found) {
    result.outcome = StationSearchOutcome::NoStation;
    result.unknownText = from.found ? toText : fromText;
    return result;
  }

  // The trains of every pair at once; the pairs are then taken in the order
  // the traveller's list shows them.
  const PrefixPattern fromPrefix = MakePrefixPattern(fromText);
  const PrefixPattern toPrefix = MakePrefixPattern(toText);
  auto q = db.Prepare(text::Fill(kPairsSql, {ArrivalsNamed(toPrefix), StationsNamed(fromPrefix, 1)}));
  q.Bind(1, fromPrefix.pattern).Bind(2, toPrefix.pattern);
  q.Bind(3, request.earliestDeparture).Bind(4, request.latestArrival);
  PairTrains pairs = CollectTrains(db, q, request.classOption);

  std::unordered_set<int> listed;
  bool anyTrain = false;                         // of any class
  std::optional<std::pair<int, int>> firstPair;  // indexes into from and to
  for (int i = 0; i < from.count(); ++i) {
    for (int j = 0; j < to.count(); ++j) {
      // Both texts can name one station ("北京" and "北京西" both begin 北京西):
      // a station is no journey to itself.
      if (from.ids[i] == to.ids[j]) continue;
      if (!firstPair) firstPair = {i, j};
      result.fromStationId = from.ids[i];
      result.fromStationName = from.names[i];
      result.toStationId = to.ids[j];
      result.toStationName = to.names[j];
      const auto found = pairs.find({from.ids[i], to.ids[j]});
      if (found == pairs.end()) continue;
      DirectTrains& pair = found->second;
      if (pair.onlyOtherWay && !anyTrain) {
        result.otherWayMessages.push_back(OtherWayMessage(from.names[i], to.names[j]));
      }
      anyTrain = anyTrain || pair.found;
      for (auto& row : pair.rows) {
        if (!listed.insert(row.trainId).second) continue;
        row.boardName = from.names[i];
        row.alightName = to.names[j];
        result.rows.push_back(std::move(row));
      }
    }
  }

  if (!firstPair) return result;  // no pair of two stations: nothing searched
  if (!result.rows.empty()) {
    result.outcome = StationSearchOutcome::Found;
  } else if (anyTrain || request.windowHoursGiven) {
    // Trains run, but none of the chosen class; or none in the time window.
    result.outcome = StationSearchOutcome::NothingInWindow;
    result.message = std::string(text::kNothingInWindow);
  } else {
    // The offer names the stations whose ids the transfer search then takes.
    const auto [i, j] = *firstPair;
    result.outcome = StationSearchOutcome::OfferTransfer;
    result.fromStationId = from.ids[i];
    result.toStationId = to.ids[j];
    result.fromStationName = from.names[i];
    result.toStationName = to.names[j];
    result.message = NoDirectTrainText(result.fromStationName, result.toStationName) + "\n" +
                     std::string(text::kOfferTransfer);
  }
  return result;
}

}  // namespace kw
