// Journeys with one change: where to change, and the trains of each leg.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "query/ResultRow.h"

namespace kw {

class Database;

struct TransferCandidates {
  bool found = false;              // at least one candidate
  std::vector<std::string> names;  // in ascending station id, each once, never the departure station
};

// Stations where some train through `fromId` and some train through `toId`
// both call; with a class option (特快, 快速, 普快, 普慢), trains of that class.
TransferCandidates FindTransferStations(Database& db, int fromId, int toId,
                                        std::string_view classOption = {});

// "对不起！由<from>到达<to>通过一次中转目前无法实现。"
std::string NoTransferMessage(const std::string& fromName, const std::string& toName);

// "没有名为“<name>”的车站": a transfer search named a station that does not exist.
std::string UnknownStationMessage(const std::string& name);

enum class TwoLegOutcome {
  Found,           // both legs have trains
  UnknownStation,  // a name matches no station exactly; `unknownName` says which
  NoFirstLeg,      // no train (of the chosen class) runs the first leg in the right direction
  NoSecondLeg,     // no train (of the chosen class) runs the second leg in the right direction
};

struct TwoLegResult {
  TwoLegOutcome outcome = TwoLegOutcome::NoFirstLeg;
  std::vector<ResultRow> firstLeg;   // list keys run Row1..RowN
  std::vector<ResultRow> secondLeg;  // keys continue from the first leg
  // "Only trains the other way" messages of the legs, in order; the window
  // shows them only while the direct-result list is hidden.
  std::vector<std::string> otherWayMessages;
  // Both legs run trains, but one has none of the chosen class:
  // "对不起目前还没有符合您要求的车次！"; empty otherwise.
  std::string message;
  std::string unknownName;
  std::string transferStationName;
  int fromStationId = 0;
  int toStationId = 0;
};

// A candidate picked from the list: both legs with the time window (hhmm, 0 =
// none) applied to each leg; with a class option, trains of that class.
TwoLegResult PickTransferStation(Database& db, int fromStationId, int toStationId,
                                 const std::string& pickedName, int earliestDeparture, int latestArrival,
                                 std::string_view classOption = {});

// A transfer station named in the panel: stations by exact name (spaces
// removed), no time window; with a class option, trains of that class.
TwoLegResult RunNamedTransfer(Database& db, const std::string& fromText, const std::string& viaText,
                              const std::string& toText, std::string_view classOption = {});

}  // namespace kw
