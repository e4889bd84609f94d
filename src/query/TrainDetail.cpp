#include "query/TrainDetail.h"

#include <initializer_list>
#include <optional>
#include <string_view>

#include "query/Fares.h"
#include "query/LikePattern.h"
#include "query/StationLookup.h"
#include "query/TimetableTime.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

namespace {

// A number with a leading sign position: " 7", "-7".
std::string Signed(int value) { return (value >= 0 ? " " : "") + std::to_string(value); }

// Grid cells joined by tabs.
std::string JoinTabs(std::initializer_list<std::string_view> cells) {
  std::string line;
  for (auto it = cells.begin(); it != cells.end(); ++it) {
    if (it != cells.begin()) line += '\t';
    line += *it;
  }
  return line;
}

int Hhmm(std::optional<double> time) { return time ? ToHhmm(*time) : 0; }

struct StopRow {
  int zhanci = 0;
  std::optional<double> arrive;
  std::optional<double> depart;
  int day = 0;
  int distance = 0;
  bool first = false;  // the train's first stop
};

// The stop of `trainId` at the station named `name`; with `prefixFallback`,
// when no stop has that exact name, the first stop whose name begins with it.
std::optional<StopRow> FindStop(Database& db, int trainId, const std::string& name, bool prefixFallback) {
  const std::string exact = RemoveSpaces(name);
  if (exact.empty()) return std::nullopt;
  auto q = db.Prepare(R"sql(
SELECT p.zhanci, p.arrive, p.depart, p.day, p.distance,
       NOT EXISTS (SELECT 1 FROM pass f WHERE f.trainid = p.trainid AND f.zhanci < p.zhanci)
FROM pass p JOIN station s ON s.id = p.station
WHERE p.trainid = ?1 AND (s.station = ?2 OR (?3 AND s.station LIKE ?4 ESCAPE '\'))
ORDER BY s.station = ?2 DESC, p.zhanci
LIMIT 1)sql");
  const bool prefix = prefixFallback && exact.size() <= kMaxPatternText;
  q.Bind(1, trainId).Bind(2, exact).Bind(3, prefix ? 1 : 0).Bind(4, prefix ? EscapeLike(exact) + "%" : "");
  if (!q.Step()) return std::nullopt;
  return StopRow{q.Int(0), q.OptDouble(1), q.OptDouble(2), q.Int(3), q.Int(4), q.Int(5) != 0};
}

}  // namespace

StopList LoadStopList(Database& db, int trainId) {
  auto q = db.Prepare(R"sql(
SELECT p.zhanci, s.station, p.arrive, p.depart, p.day, p.distance
FROM pass p LEFT JOIN station s ON s.id = p.station
WHERE p.trainid = ?
ORDER BY p.zhanci)sql");
  q.Bind(1, trainId);
  StopList list;
  while (q.Step()) {
    Stop stop;
    stop.zhanci = q.Int(0);
    stop.stationName = q.Text(1);
    stop.arrivalText = FormatTime(q.OptDouble(2));  // the first and last stops are relabelled below
    stop.departureText = FormatTime(q.OptDouble(3));
    stop.day = q.Int(4);
    stop.distance = q.Int(5);
    stop.distanceKnown = StopDistanceKnown(stop.distance, list.stops.empty());
    stop.distanceText = stop.distanceKnown ? Signed(stop.distance) : " " + std::string(text::kUnknownFigure);
    list.stops.push_back(std::move(stop));
  }
  const int last = list.count() - 1;
  for (int i = 0; i <= last; ++i) {
    Stop& stop = list.stops[i];
    const std::string z = Signed(stop.zhanci);
    const std::string y = Signed(stop.day);
    const std::string d = stop.distanceText + " ";
    if (i == 0) {
      stop.arrivalText = std::string(text::kFirstStop);
      stop.gridRow =
          JoinTabs({z, text::StationName(stop.stationName), text::kFirstStopCell, stop.departureText, text::kFirstStopCell, y});
    } else if (i == last) {
      // The last stop shows its arrival where the others show the departure.
      stop.departureText = stop.arrivalText;
      stop.arrivalText = std::string(text::kLastStop);
      stop.gridRow = JoinTabs({z, text::StationName(stop.stationName), stop.departureText, text::kLastStopCell, d, y});
    } else {
      stop.gridRow = JoinTabs({z, text::StationName(stop.stationName), stop.arrivalText, stop.departureText, d, y});
    }
  }
  return list;
}

TrainDetail LoadTrainDetail(Database& db, int trainId, bool wholeRoute, const std::string& boardName,
                            const std::string& alightName) {
  TrainDetail detail;
  auto q = db.Prepare(R"sql(
SELECT t.train, t.kind, k.kind, fs.station, es.station, t.ftime, t.etime, t.day, t.distance
FROM train t
LEFT JOIN kind k ON k.id = t.kind
LEFT JOIN station fs ON fs.id = t.fstation
LEFT JOIN station es ON es.id = t.estation
WHERE t.id = ?)sql");
  q.Bind(1, trainId);
  if (!q.Step()) {
    detail.missing = text::Fill(text::kTrainMissing, {std::to_string(trainId)});
    return detail;
  }
  detail.trainNumber = q.Text(0);
  detail.kindId = q.Int(1);
  detail.kindName = q.Text(2);
  detail.firstStation = q.Text(3);
  detail.lastStation = q.Text(4);

  std::optional<double> depart, arrive;
  if (wholeRoute) {
    depart = q.OptDouble(5);
    arrive = q.OptDouble(6);
    detail.dayOffset = q.Int(7);
    detail.distanceKm = JourneyDistance(0, true, q.Int(8));
  } else {
    const auto board = FindStop(db, trainId, boardName, true);
    const auto alight = FindStop(db, trainId, alightName, true);
    if (!board || !alight) {
      detail.missing = text::Fill(text::kNotOnTrain, {text::StationName(board ? alightName : boardName)});
      return detail;
    }
    if (alight->zhanci <= board->zhanci) {
      detail.missing = text::Fill(text::kWrongDirection, {text::StationName(boardName), text::StationName(alightName)});
      return detail;
    }
    depart = board->depart;
    arrive = alight->arrive;
    detail.dayOffset = alight->day - board->day;
    detail.distanceKm = JourneyDistance(board->distance, board->first, alight->distance);
  }
  detail.departTime = FormatTime(depart);
  detail.arriveText = DayLabel(detail.dayOffset) + FormatTime(arrive);
  detail.runningTimeText = RunningTimeText(Hhmm(depart), Hhmm(arrive), detail.dayOffset);
  detail.found = true;
  return detail;
}

std::string DetailTitle(const TrainDetail& detail) {
  return text::Fill(text::kDetailTitle,
                    {detail.trainNumber, text::StationName(detail.firstStation), text::StationName(detail.lastStation),
                     text::DataWord(detail.kindName)});
}

Segment FindSegment(Database& db, int trainId, const std::string& boardName, const std::string& alightName,
                    bool prefixFallback, bool countGaps) {
  Segment segment;
  const auto board = FindStop(db, trainId, boardName, prefixFallback);
  const auto alight = FindStop(db, trainId, alightName, prefixFallback);
  if (!board || !alight) {
    segment.missing = text::Fill(text::kNotOnTrain, {text::StationName(board ? alightName : boardName)});
    return segment;
  }
  segment.found = true;
  segment.fromZhanci = board->zhanci;
  segment.toZhanci = alight->zhanci;
  if (countGaps && segment.toZhanci >= segment.fromZhanci) {
    auto q = db.Prepare("SELECT count(*) FROM pass WHERE trainid = ? AND zhanci BETWEEN ? AND ?");
    q.Bind(1, trainId).Bind(2, segment.fromZhanci).Bind(3, segment.toZhanci);
    q.Step();
    segment.gaps = segment.toZhanci - segment.fromZhanci + 1 - q.Int(0);
  }
  segment.stationCount = segment.toZhanci - segment.fromZhanci - segment.gaps + 1;
  return segment;
}

const std::array<GridColumn, 6>& StopGridColumns() {
  static const std::array<GridColumn, 6> columns = {{
      {text::kStopGridHeaders[0], 800},
      {text::kStopGridHeaders[1], 1500},
      {text::kStopGridHeaders[2], 1400},
      {text::kStopGridHeaders[3], 1400},
      {text::kStopGridHeaders[4], 1400},
      {text::kStopGridHeaders[5], 1000},
  }};
  return columns;
}

}  // namespace kw
