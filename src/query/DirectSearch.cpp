#include "query/DirectSearch.h"

#include <optional>
#include <unordered_set>
#include <utility>

#include "query/Fares.h"
#include "query/StationSearch.h"
#include "query/TimetableTime.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

namespace {

// Every train that calls at both stations, with its stop at each, in ascending
// train id. Bounds are hhmm, 0 = none; clock times only.
constexpr const char* kPairSql = R"sql(
SELECT t.id, t.train, t.kind, k.kind, fs.station, es.station, t.memo,
       a.zhanci < b.zhanci, a.depart, b.arrive, b.day - a.day, b.distance - a.distance
FROM pass a
JOIN pass b ON b.trainid = a.trainid AND b.station = ?2
JOIN train t ON t.id = a.trainid
LEFT JOIN kind k ON k.id = t.kind
LEFT JOIN station fs ON fs.id = t.fstation
LEFT JOIN station es ON es.id = t.estation
WHERE a.station = ?1
  AND (?3 = 0 OR CAST(round(a.depart * 100) AS INTEGER) >= ?3)
  AND (?4 = 0 OR CAST(round(b.arrive * 100) AS INTEGER) <= ?4)
ORDER BY t.id)sql";

}  // namespace

DirectTrains FindDirectTrains(Database& db, int fromId, int toId, int earliestDeparture, int latestArrival) {
  DirectTrains result;
  // A station is no journey to itself (every train through it would seem to
  // run the other way).
  if (fromId == toId) return result;
  auto q = db.Prepare(kPairSql);
  q.Bind(1, fromId).Bind(2, toId).Bind(3, earliestDeparture).Bind(4, latestArrival);
  bool anyCandidate = false;
  while (q.Step()) {
    anyCandidate = true;
    if (q.Int(7) == 0) continue;  // calls at the arrival station first
    ResultRow row;
    row.trainId = q.Int(0);
    const std::string number = q.Text(1);
    const int kindId = q.Int(2);
    const std::string kindName = q.Text(3);
    const std::string first = q.Text(4);
    const std::string last = q.Text(5);
    row.memoText = q.Text(6);
    row.startText = FormatTime(q.OptDouble(8));
    row.endText = DayLabel(q.Int(10)) + FormatTime(q.OptDouble(9));
    const int distance = q.Int(11);
    row.distanceText = " " + std::to_string(distance) + " ";
    row.fareText = distance > kInternationalDistance ? std::string(text::kInternationalTrain)
                                                     : LookupFares(db, kindId, distance).seatFares[0] + " ";
    row.caption = text::Fill(text::kStationCaption, {number, first, last, kindName});
    row.printLine = row.caption + '\t' + row.startText + '\t' + row.endText + '\t' + row.distanceText + '\t' +
                    row.fareText + (row.memoText.empty() ? "" : '\t' + row.memoText);
    row.legLine = text::Fill(text::kLegCaption, {number, first, last, kindName}) + '\t' + row.startText +
                  '\t' + row.endText;
    result.rows.push_back(std::move(row));
  }
  result.found = !result.rows.empty();
  result.onlyOtherWay = anyCandidate && !result.found;
  return result;
}

std::string OtherWayMessage(const std::string& fromName, const std::string& toName) {
  return text::Fill(text::kOtherWayOnly, {fromName, toName});
}

std::string NoDirectTrainText(const std::string& fromName, const std::string& toName) {
  return text::Fill(text::kNoDirectTrain, {fromName, toName});
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
    return result;
  }

  std::unordered_set<int> listed;
  std::optional<std::pair<int, int>> firstPair;
  for (int i = 0; i < from.count(); ++i) {
    for (int j = 0; j < to.count(); ++j) {
      // Both texts can name one station ("北京" and "北京西" both begin 北京西):
      // a station is no journey to itself.
      if (from.ids[i] == to.ids[j]) continue;
      if (!firstPair) firstPair = {from.ids[i], to.ids[j]};
      result.fromStationId = from.ids[i];
      result.fromStationName = from.names[i];
      result.toStationId = to.ids[j];
      result.toStationName = to.names[j];
      DirectTrains pair =
          FindDirectTrains(db, from.ids[i], to.ids[j], request.earliestDeparture, request.latestArrival);
      if (pair.onlyOtherWay && result.rows.empty()) {
        result.otherWayMessages.push_back(OtherWayMessage(from.names[i], to.names[j]));
      }
      for (auto& row : pair.rows) {
        if (listed.insert(row.trainId).second) result.rows.push_back(std::move(row));
      }
    }
  }

  if (!firstPair) return result;  // no pair of two stations: nothing searched
  if (!result.rows.empty()) {
    result.outcome = StationSearchOutcome::Found;
  } else if (request.windowHoursGiven) {
    result.outcome = StationSearchOutcome::NothingInWindow;
    result.message = std::string(text::kNothingInWindow);
  } else {
    result.outcome = StationSearchOutcome::OfferTransfer;
    result.fromStationId = firstPair->first;
    result.toStationId = firstPair->second;
    result.message = NoDirectTrainText(result.fromStationName, result.toStationName) + "\n" +
                     std::string(text::kOfferTransfer);
  }
  return result;
}

}  // namespace kw
