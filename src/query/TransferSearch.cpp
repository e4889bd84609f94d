#include "query/TransferSearch.h"

#include "query/ClassFilter.h"
#include "query/DirectSearch.h"
#include "query/StationLookup.h"
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
                        int latestArrival, std::string_view classOption, TwoLegResult result) {
  const auto searchLeg = [&](int a, int b, std::vector<ResultRow>& rows) {
    DirectTrains leg = FindDirectTrains(db, a, b, earliestDeparture, latestArrival, classOption);
    if (leg.onlyOtherWay)
      result.otherWayMessages.push_back(OtherWayMessage(StationName(db, a), StationName(db, b)));
    rows = std::move(leg.rows);
    return leg.found;
  };
  if (!searchLeg(fromId, viaId, result.firstLeg)) {
    result.outcome = TwoLegOutcome::NoFirstLeg;
  } else if (!searchLeg(viaId, toId, result.secondLeg)) {
    result.outcome = TwoLegOutcome::NoSecondLeg;
  } else if (result.firstLeg.empty() || result.secondLeg.empty()) {
    // Trains run both legs, but a leg has none of the chosen class.
    result.outcome = result.firstLeg.empty() ? TwoLegOutcome::NoFirstLeg : TwoLegOutcome::NoSecondLeg;
    result.message = std::string(text::kNothingInWindow);
  } else {
    result.outcome = TwoLegOutcome::Found;
  }
  return result;
}

}  // namespace

TransferCandidates FindTransferStations(Database& db, int fromId, int toId, std::string_view classOption) {
  // Stations reached by some train through the departure station and by some
  // train through the arrival station. With a class option (?3) only trains
  // whose class name contains ?3 or ?4 (the texts of ClassTexts) count; each
  // train through either station is looked up once, by its key.
  auto q = db.Prepare(R"sql(
SELECT s.id, s.station FROM station s
WHERE s.id <> ?1 AND s.id IN (
  SELECT x.station FROM pass a JOIN pass x ON x.trainid = a.trainid
  WHERE a.station = ?1 AND (?3 = '' OR EXISTS (SELECT 1 FROM train t JOIN kind k ON k.id = t.kind
                                               WHERE t.id = a.trainid AND (instr(k.kind, ?3) OR instr(k.kind, ?4))))
  INTERSECT
  SELECT y.station FROM pass b JOIN pass y ON y.trainid = b.trainid
  WHERE b.station = ?2 AND (?3 = '' OR EXISTS (SELECT 1 FROM train t JOIN kind k ON k.id = t.kind
                                               WHERE t.id = b.trainid AND (instr(k.kind, ?3) OR instr(k.kind, ?4)))))
ORDER BY s.id)sql");
  const auto classTexts = ClassTexts(classOption);
  q.Bind(1, fromId).Bind(2, toId).Bind(3, classTexts[0]).Bind(4, classTexts[1]);
  TransferCandidates candidates;
  while (q.Step()) candidates.names.push_back(q.Text(1));
  candidates.found = !candidates.names.empty();
  return candidates;
}

std::string NoTransferMessage(const std::string& fromName, const std::string& toName) {
  return text::Fill(text::kNoTransfer, {text::StationName(fromName), text::StationName(toName)});
}

std::string UnknownStationMessage(const std::string& name) {
  return text::Fill(text::kUnknownStation, {text::StationName(name)});
}

TwoLegResult PickTransferStation(Database& db, int fromStationId, int toStationId,
                                 const std::string& pickedName, int earliestDeparture, int latestArrival,
                                 std::string_view classOption) {
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
  return SearchLegs(db, fromStationId, *viaId, toStationId, earliestDeparture, latestArrival, classOption,
                    std::move(result));
}

TwoLegResult RunNamedTransfer(Database& db, const std::string& fromText, const std::string& viaText,
                              const std::string& toText, std::string_view classOption) {
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
  return SearchLegs(db, *ids[0], *ids[1], *ids[2], 0, 0, classOption, std::move(result));
}

}  // namespace kw
