// Station-to-station search: the trains that call at a departure station and
// later at an arrival station, optionally within a time window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "query/ResultRow.h"

namespace kw {

class Database;

// The trains of one station pair.
struct DirectTrains {
  bool found = false;           // at least one train, of any class, runs from `fromId` to `toId`
  bool onlyOtherWay = false;    // trains call at both, but every one runs the other way
  std::vector<ResultRow> rows;  // those of the chosen class, in the database's order of the trains
};

// Trains calling at station `fromId` and later at `toId`. Bounds are hhmm, 0 =
// no bound: the train leaves `fromId` at or after `earliestDeparture` and
// reaches `toId` at or before `latestArrival` (clock times only; the day of the
// run plays no part). With a class option (特快, 快速, 普快, 普慢) only trains
// of that class are listed.
DirectTrains FindDirectTrains(Database& db, int fromId, int toId, int earliestDeparture, int latestArrival,
                              std::string_view classOption = {});

// Fills the distance, fare, caption, print and leg texts of a station-search
// row whose trainId, startText, endText and memoText are set: a journey of
// `distance` km (nullopt: not known) on train `number` of class `kindId`
// named `kindName`, running from `first` to `last`.
void CompleteStationRow(Database& db, ResultRow& row, const std::string& number, const std::string& first,
                        const std::string& last, const std::string& kindName, int kindId,
                        std::optional<int> distance);

// "从<from>到<to>只有返程列车，请重新选择": only trains running the other way.
std::string OtherWayMessage(const std::string& fromName, const std::string& toName);

// "对不起！目前还没有由<from>发往<to>的直达列车。": the first line of the offer
// of the transfer search.
std::string NoDirectTrainText(const std::string& fromName, const std::string& toName);

// What the station search command did, for the window to act on.
enum class StationSearchOutcome {
  NotSearched,      // a box empty or both boxes equal: nothing happens, no message
  NoStation,        // a typed text names no station (`unknownText`): the search ends
  Found,            // rows to list
  NothingInWindow,  // no train in the time window, or none of the chosen class: show `message` (OK/Cancel)
  OfferTransfer,    // no train, no window: offer the transfer search with `message` (OK/Cancel)
};

struct StationSearchRequest {
  std::string fromText;       // departure box text (spaces are removed here)
  std::string toText;         // arrival box text
  int earliestDeparture = 0;  // hhmm, 0 = no bound
  int latestArrival = 0;      // hhmm, 0 = no bound
  // Whether either hour box holds an hour above 0; decides between
  // NothingInWindow and OfferTransfer when no train is found.
  bool windowHoursGiven = false;
  // A 车型 option (特快, 快速, 普快, 普慢): only trains of that class are
  // listed; empty: every class.
  std::string classOption;
};

struct StationSearchResult {
  StationSearchOutcome outcome = StationSearchOutcome::NotSearched;
  // Every departure station beginning with the departure text paired with
  // every arrival station beginning with the arrival text; a train found
  // through several pairs is listed once, under the first, whose stations
  // the row names in boardName and alightName.
  std::vector<ResultRow> rows;
  // "Only trains the other way" messages to show, in order, one per pair met
  // before any train was listed.
  std::vector<std::string> otherWayMessages;
  // NothingInWindow: its message; OfferTransfer: the offer's text.
  std::string message;
  // NoStation: the text (spaces removed) that begins no station's name.
  std::string unknownText;
  // Search context: ids and names of the pair searched last; when nothing
  // was found (OfferTransfer), of the first pair, which the offer names.
  int fromStationId = 0;
  int toStationId = 0;
  std::string fromStationName;
  std::string toStationName;
};

StationSearchResult RunStationSearch(Database& db, const StationSearchRequest& request);

}  // namespace kw
