// One train's stops and headline data, for the train detail window.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/Translation.h"

namespace kw {

class Database;

struct Stop {
  std::string stationName;
  std::string arrivalText;    // "始发站" first, "终到站" last, else the arrival time
  std::string departureText;  // departure time; the arrival time at the last stop
  std::string distanceText;   // cumulative km with a leading sign blank: " 1463"; " 暂缺" when not known
  std::string gridRow;        // six tab-separated fields for the stop grid
  int distance = 0;           // cumulative km as stored
  bool distanceKnown = true;  // 0 km or less after the first stop is no distance
  int zhanci = 0;             // sequence number
  int day = 0;                // day of the run
};

struct StopList {
  std::vector<Stop> stops;  // in order of zhanci
  int count() const { return static_cast<int>(stops.size()); }
};

StopList LoadStopList(Database& db, int trainId);

// The international special trains (ids 789 to 792): the timetable holds no
// details of them that the detail window could show.
constexpr bool IsInternationalTrain(int trainId) { return trainId >= 789 && trainId <= 792; }

struct TrainDetail {
  bool found = false;  // the train exists (and, for a segment, both stops were found)
  // What could not be found, for the window to say ("车次编号 7 不存在",
  // "本车次不经过 X"); empty when found.
  std::string missing;
  int kindId = 0;
  std::string trainNumber;
  std::string kindName;
  std::string firstStation;
  std::string lastStation;
  std::string departTime;       // "08:30"
  std::string arriveText;       // day label + arrival time
  std::optional<int> distanceKm;  // nullopt when not known
  int dayOffset = 0;
  std::string runningTimeText;  // "12小时05分钟"
};

// "K21次(甲---->乙)特快列车详细情况": the title of the detail window.
std::string DetailTitle(const TrainDetail& detail);

// Whole route, or the segment from `boardName` to `alightName` (each an exact
// station name, else the first stop whose name begins with it). A segment
// whose alighting stop does not come after its boarding stop is not found
// ("本车次不是由X开往Y").
TrainDetail LoadTrainDetail(Database& db, int trainId, bool wholeRoute, const std::string& boardName = {},
                            const std::string& alightName = {});

// The stretch of a train that the detail window highlights.
struct Segment {
  bool found = false;        // both names are stops of the train
  std::string missing;       // "本车次不经过X" when not found
  int fromZhanci = 0;        // sequence number of the boarding stop
  int toZhanci = 0;          // sequence number of the alighting stop
  int gaps = 0;              // numbers from..to that no stop carries (when counted)
  int stationCount = 0;      // stations of the stretch: toZhanci - fromZhanci - gaps + 1
};

// The boarding and alighting stops of `trainId` by exact station name; with
// `prefixFallback` a name that is no stop's exact name takes the first stop
// whose name begins with it. `countGaps` counts the sequence numbers between
// the two stops that no stop carries.
Segment FindSegment(Database& db, int trainId, const std::string& boardName, const std::string& alightName,
                    bool prefixFallback, bool countGaps);

struct GridColumn {
  text::Text header;
  int widthTwips;
};

// Header texts and widths of the stop grid: 站次, 经停站, 到站时间：, 发车时间：, 公里数, 天数.
const std::array<GridColumn, 6>& StopGridColumns();

}  // namespace kw
