// Reference searches for the benchmarks: the statement sequence of the old
// program, one query per result row, on the same database. They build the
// same row texts as the real searches, so the speed-up measured against them
// is the gain of the set-based statements alone. Statements are prepared once
// and bound like the rest of the program: what differs is how many run.
#pragma once

#include <string>
#include <vector>

#include "query/ResultRow.h"
#include "store/Database.h"

namespace kw::bench::literal {

// The station search command: both texts expanded by name prefix, every pair
// searched with a candidate statement and then, per candidate, the two stops,
// the caption lookups, the class, the day offsets, the remark and the fare.
// Bounds are hhmm, 0 = none. Rows as listed, each train once.
std::vector<ResultRow> StationSearch(Database& db, const std::string& fromText, const std::string& toText,
                                     int earliestDeparture, int latestArrival);

// Transfer candidates: one statement returning every stop of every train
// through the departure station that some train through the arrival station
// also serves, then a name query per distinct station.
std::vector<std::string> TransferStations(Database& db, int fromId, int toId);

// Train number search: the match statement, then per train its class, its
// first and last station's names and its fare, each by its own query.
std::vector<ResultRow> TrainsByNumber(Database& db, const std::string& text);

// The station board of one station: the statement of its stops, then per
// stop its train's number, class, first and last station names and whether
// the stop is the train's first or last, each by its own query. The train
// ids of the calls, in the order of the stops.
std::vector<int> StationBoard(Database& db, int stationId);

}  // namespace kw::bench::literal
