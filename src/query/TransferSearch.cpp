#include "query/TransferSearch.h"

#include "query/DirectSearch.h"
#include "query/StationSearch.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

namespace {

std::string StationName(Database& db, int id) {
  auto q = db.Prepare("SELECT station FROM station WHERE id = ?");
  q.Bind(1, id);
  return q.Step() ? q.Text(0) : std::string();
}

// Both legs through the transfer station `viaId`, each the direct search of
// its own pair.
TwoLegResult SearchLegs(Database& db, int fromId, int viaId, int toId, int earliestDeparture,
                        int latestArrival, TwoLegResult result) {
  const auto searchLeg = [&](int a, int b, std::vector<ResultRow>& rows) {
    DirectTrains leg = FindDirectTrains(db, a, b, earliestDeparture, latestArrival);
    if (leg.onlyOtherWay)
      result.otherWayMessages.push_back(OtherWayMessage(StationName(db, a), StationName(db, b)));
    rows = std::move(leg.rows);
    return leg.found;
  };
  if (!searchLeg(fromId, viaId, result.firstLeg)) {
    result.outcome = TwoLegOutcome::NoFirstLeg;
  } else if (!searchLeg(viaId, toId, result.secondLeg)) {
    result.outcome = TwoLegOutcome::NoSecondLeg;
  } else {
    result.outcome = TwoLegOutcome::Found;
  }
  return result;
}

}  // namespace

TransferCandidates FindTransferStations(Database& db, int fromId, int toId) {
  // Stations reached by some train through the departure station and by some
  // train through the arrival station.
  auto q = db.Prepare(R"sql(
SELECT s.id, s.station FROM station s
WHERE s.id <> ?1 AND s.id IN (
  SELECT x.station FROM pass a JOIN pass x ON x.trainid = a.trainid WHERE a.station = ?1
  INTERSECT
  SELECT y.station FROM pass b JOIN pass y ON y.trainid = b.trainid WHERE b.station = ?2)
ORDER BY s.id)sql");
  q.Bind(1, fromId).Bind(2, toId);
  TransferCandidates candidates;
  while (q.Step()) candidates.names.push_back(q.Text(1));
  candidates.found = !candidates.names.empty();
  return candidates;
}

std::string NoTransferMessage(const std::string& fromName, const std::string& toName) {
  return text::Fill(text::kNoTransfer, {fromName, toName});
}

std::string UnknownStationMessage(const std::string& name) {
  return text::Fill(text::kUnknownStation, {name});
}

TwoLegResult PickTransferStation(Database& db, int fromStationId, int toStationId,
                                 const std::string& pickedName, int earliestDeparture, int latestArrival) {
  TwoLegResult result;
  result.transferStationName = pickedName;
  result.fromStationId = fromStationId;
  result.toStationId = toStationId;
  const std::string via = RemoveSpaces(pickedName);
  const auto viaId = StationIdByName(db, via);
  if (!viaId) {
    result.outcome = TwoLegOutcome::UnknownStation;
    result.unknownName = via;
    return result;
  }
  return SearchLegs(db, fromStationId, *viaId, toStationId, earliestDeparture, latestArrival,
                    std::move(result));
}

TwoLegResult RunNamedTransfer(Database& db, const std::string& fromText, const std::string& viaText,
                              const std::string& toText) {
  TwoLegResult result;
  result.transferStationName = viaText;
  const std::string names[3] = {RemoveSpaces(fromText), RemoveSpaces(viaText), RemoveSpaces(toText)};
  std::optional<int> ids[3];
  for (int i = 0; i < 3; ++i) {
    ids[i] = StationIdByName(db, names[i]);
    if (!ids[i]) {
      result.outcome = TwoLegOutcome::UnknownStation;
      result.unknownName = names[i];
      return result;
    }
  }
  result.fromStationId = *ids[0];
  result.toStationId = *ids[2];
  // No time window: both legs list every train.
  return SearchLegs(db, *ids[0], *ids[1], *ids[2], 0, 0, std::move(result));
}

}  // namespace kw
