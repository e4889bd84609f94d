// The station board (车站时刻): every train that calls at a station, with
// where it comes from and where it goes, its clock times there, its dwell and
// its distance from its first station. One statement reads the stops at the
// station (or at every station of a family) with their trains; the options
// then pick from them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "query/TrainType.h"

namespace kw {

class Database;

// Which calls a board lists.
enum class BoardEnds {
  All,
  Starting,     // only trains that start here (只看始发)
  Terminating,  // only trains that end here (只看终到)
};

struct BoardRequest {
  // The station as typed or picked: its exact name, else the first station
  // the lookup lists for it (by initials when it ends in a letter).
  std::string stationText;
  // Every station whose name begins with the text (含同名车站: 北京 covers
  // 北京西, 北京南 ...); initials stand for the name of the station they
  // name first.
  bool allWithPrefix = false;
  // The window on the clock time of the departure (of the arrival for a train
  // that ends here), minutes after midnight, both ends included. An `after`
  // later than `until` wraps past midnight (22:00 to 02:00).
  int after = 0;
  int until = kMinutesPerDay - 1;
  TrainTypes types = kAllTrainTypes;
  BoardEnds ends = BoardEnds::All;
  // Not empty: only trains that call later at a station whose name begins
  // with it (开往).
  std::string towards;
};

struct BoardRow {
  int trainId = 0;
  int stationId = 0;
  std::string station;  // the station called at (the widened mode shows it)
  std::string train;    // the number, as the number search lists it
  std::string kind;     // class name
  std::string from;     // the train's first station
  std::string to;       // its last station
  // Clock minutes after midnight; none at the first stop (arrival) and at
  // the last (departure), or where the timetable gives no time.
  std::optional<int> arriveMinutes;
  std::optional<int> departMinutes;
  std::string arriveText;           // "08:30", "始发" at the first stop
  std::string departText;           // "08:35", "终到" at the last stop
  std::optional<int> dwellMinutes;  // none at either end
  std::optional<int> km;            // from the first station; none when not known
  std::string kmText;               // "1463" or "暂缺"
  bool starts = false;              // the train's first stop
  bool terminates = false;          // its last stop
  // The stretch the detail window highlights: here to the terminus, or the
  // first station to here for a train that ends here.
  std::string stretchFrom() const { return terminates ? from : station; }
  std::string stretchTo() const { return terminates ? station : to; }
};

struct BoardResult {
  // Empty when the board could be read; else what is wrong, for the user
  // (no such station, a 开往 text that names none, nothing calls there).
  std::string message;
  std::string stationName;     // the station (the text, in the widened mode)
  std::vector<BoardRow> rows;  // sorted by departure, then arrival
};

// Throws DatabaseError when the database cannot be read.
BoardResult FindStationBoard(Database& db, const BoardRequest& request);

// The columns of the board, in the order the window shows them.
enum class BoardColumn { Train, Kind, From, To, Arrive, Depart, Dwell, Km, Station };

// Sorts the rows by a column (stable); `descending` reverses it. Departure
// sorts a train that ends here by its arrival and arrival a train that starts
// here by its departure, so that either keeps the board in clock order; ties
// go by departure, then arrival, then the number. Rows without a figure
// (dwell, km) come last in ascending order.
void SortBoard(std::vector<BoardRow>& rows, BoardColumn column, bool descending = false);

}  // namespace kw
