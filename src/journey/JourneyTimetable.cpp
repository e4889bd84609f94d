#include "journey/JourneyTimetable.h"

#include <algorithm>
#include <map>
#include <new>
#include <system_error>

#include "journey/JourneySnapshot.h"
#include "query/TimetableTime.h"
#include "store/Database.h"

namespace kw {

std::optional<int> JourneyTimetable::StationIndex(int stationId) const {
  const auto it = std::lower_bound(stations.begin(), stations.end(), stationId,
                                   [](const Station& s, int id) { return s.id < id; });
  if (it == stations.end() || it->id != stationId) return std::nullopt;
  return static_cast<int>(it - stations.begin());
}

size_t JourneyTimetable::MemoryBytes() const {
  size_t bytes = sizeof(*this) + stations.capacity() * sizeof(Station) + trains.capacity() * sizeof(Train) +
                 trainTexts.capacity() * sizeof(TrainTexts) +
                 stops.capacity() * sizeof(Stop) +
                 distances.capacity() * sizeof(int) + callsBegin.capacity() * sizeof(int) +
                 calls.capacity() * sizeof(Call) + linksBegin.capacity() * sizeof(int) +
                 links.capacity() * sizeof(Link);
  const auto text = [](const std::string& s) { return s.capacity() > 15 ? s.capacity() + 1 : 0; };
  for (const auto& s : stations) bytes += text(s.name);
  for (const auto& t : trainTexts) {
    bytes += text(t.number) + text(t.kindName) + text(t.firstStation) + text(t.lastStation);
  }
  return bytes;
}

namespace {

constexpr int kNoTime = -1;

struct PassRow {
  int trainId;
  int zhanci;
  int station;  // index into stations
  int arrive;   // hhmm, or kNoTime
  int depart;
  int day;
  int distance;
};

std::vector<JourneyTimetable::Station> ReadStations(Database& db) {
  std::vector<JourneyTimetable::Station> stations;
  auto q = db.Prepare("SELECT id, station FROM station ORDER BY id");
  while (q.Step()) stations.push_back({q.Int(0), q.Text(1)});
  return stations;
}

// The names of a train's class and end stations come from the few kinds
// and the stations read once: a join for each would look every one up in
// the database again.
struct ReadTrain {
  JourneyTimetable::Train train;
  JourneyTimetable::TrainTexts texts;
};

std::vector<ReadTrain> ReadTrains(Database& db, const JourneyTimetable& t) {
  std::map<int, std::string> kinds;
  for (auto q = db.Prepare("SELECT id, kind FROM kind"); q.Step();) kinds.emplace(q.Int(0), q.Text(1));
  const auto name = [&t](int stationId) {
    const std::optional<int> s = t.StationIndex(stationId);
    return s ? t.stations[*s].name : std::string();
  };
  std::vector<ReadTrain> trains;
  if (auto last = db.Prepare("SELECT count(*) FROM train"); last.Step()) {
    trains.reserve(static_cast<size_t>(std::max(0, last.Int(0))));
  }
  auto q = db.Prepare("SELECT id, train, kind, fstation, estation FROM train ORDER BY id");
  while (q.Step()) {
    ReadTrain read;
    JourneyTimetable::Train& train = read.train;
    JourneyTimetable::TrainTexts& texts = read.texts;
    train.id = q.Int(0);
    texts.number = q.Text(1);
    train.kindId = q.Int(2);
    if (const auto kind = kinds.find(train.kindId); kind != kinds.end() && !q.IsNull(2)) texts.kindName = kind->second;
    texts.firstStation = q.IsNull(3) ? std::string() : name(q.Int(3));
    texts.lastStation = q.IsNull(4) ? std::string() : name(q.Int(4));
    train.type = TrainTypeOf(texts.number);
    trains.push_back(std::move(read));
  }
  return trains;
}

// Every stop whose station is known and which has a time, by train and
// zhanci. Times become whole hhmm, as everywhere (8.3 -> 830).
std::vector<PassRow> ReadStops(Database& db, const JourneyTimetable& t) {
  // Station ids as they index the timetable's stations; a table instead of a
  // search for each stop while the ids are not spread too far.
  const int maxId = t.stations.empty() ? 0 : t.stations.back().id;
  std::vector<int> indexOf;
  if (!t.stations.empty() && t.stations.front().id >= 0 && maxId <= 16 * static_cast<int>(t.stations.size()) + 4096) {
    indexOf.assign(static_cast<size_t>(maxId) + 1, -1);
    for (size_t i = 0; i < t.stations.size(); ++i) indexOf[t.stations[i].id] = static_cast<int>(i);
  }
  const auto stationIndex = [&](int id) {
    if (indexOf.empty()) return t.StationIndex(id).value_or(-1);
    return id >= 0 && id <= maxId ? indexOf[id] : -1;
  };

  // Room for every row at once: growing the array row by row copied it over
  // and over.
  std::vector<PassRow> rows;
  if (auto last = db.Prepare("SELECT max(rowid) FROM pass"); last.Step() && !last.IsNull(0)) {
    rows.reserve(static_cast<size_t>(std::max(0, last.Int(0))));
  }
  auto q = db.Prepare("SELECT trainid, zhanci, station, arrive, depart, day, distance FROM pass");
  while (q.Step()) {
    const int station = stationIndex(q.Int(2));
    const int arrive = q.IsNull(3) ? kNoTime : ToHhmm(q.Double(3));
    const int depart = q.IsNull(4) ? kNoTime : ToHhmm(q.Double(4));
    if (station < 0 || (arrive == kNoTime && depart == kNoTime)) continue;
    rows.push_back({q.Int(0), q.Int(1), station, arrive, depart, q.Int(5), q.Int(6)});
  }
  const auto before = [](const PassRow& a, const PassRow& b) {
    return a.trainId != b.trainId ? a.trainId < b.trainId : a.zhanci < b.zhanci;
  };
  if (!std::is_sorted(rows.begin(), rows.end(), before)) std::sort(rows.begin(), rows.end(), before);
  return rows;
}

// The stop's times counted from the train's first day; `day` is the day of
// arrival. A train's first stop is only left and its last only reached, so
// their other time plays no part.
JourneyTimetable::Stop TimedStop(const PassRow& row, bool first, bool last) {
  const int arriveTime = first || row.arrive == kNoTime ? row.depart : row.arrive;
  const int departTime = last || row.depart == kNoTime ? row.arrive : row.depart;
  const int arrive = HhmmToMinutes(arriveTime != kNoTime ? arriveTime : departTime);
  const int depart = HhmmToMinutes(departTime != kNoTime ? departTime : arriveTime);
  const int base = row.day * kMinutesPerDay;
  return {row.station, 0, base + arrive, base + depart + (depart < arrive ? kMinutesPerDay : 0)};
}

}  // namespace

JourneyTimetable BuildJourneyTimetable(Database& db) {
  JourneyTimetable t;
  t.stations = ReadStations(db);
  std::vector<ReadTrain> read = ReadTrains(db, t);
  const std::vector<PassRow> rows = ReadStops(db, t);

  t.stops.reserve(rows.size());
  t.distances.reserve(rows.size());
  size_t r = 0;
  for (auto& [train, texts] : read) {
    while (r < rows.size() && rows[r].trainId < train.id) ++r;  // stops of no known train
    const size_t first = t.stops.size();
    const size_t firstRow = r;
    size_t end = r;
    while (end < rows.size() && rows[end].trainId == train.id) ++end;
    bool inOrder = true;
    for (; r < end; ++r) {
      JourneyTimetable::Stop stop = TimedStop(rows[r], r == firstRow, r + 1 == end);
      stop.train = static_cast<int>(t.trains.size());
      if (t.stops.size() > first && stop.arrive < t.stops.back().depart) inOrder = false;
      t.stops.push_back(stop);
      t.distances.push_back(rows[r].distance);
    }
    if (!inOrder || t.stops.size() - first < 2) {
      t.stops.resize(first);
      t.distances.resize(first);
      continue;
    }
    train.firstStop = static_cast<int>(first);
    train.stopCount = static_cast<int>(t.stops.size() - first);
    t.trains.push_back(train);
    t.trainTexts.push_back(std::move(texts));
  }
  t.stops.shrink_to_fit();
  t.distances.shrink_to_fit();

  t.callsBegin.assign(t.stations.size() + 1, 0);
  for (const auto& stop : t.stops) ++t.callsBegin[stop.station + 1];
  for (size_t s = 1; s < t.callsBegin.size(); ++s) t.callsBegin[s] += t.callsBegin[s - 1];
  t.calls.resize(t.stops.size());
  std::vector<int> next(t.callsBegin.begin(), t.callsBegin.end() - 1);
  for (size_t i = 0; i < t.stops.size(); ++i) {
    const JourneyTimetable::Stop& stop = t.stops[i];
    t.calls[next[stop.station]++] = {static_cast<int>(i), stop.train, stop.depart};
  }
  for (size_t s = 0; s < t.stations.size(); ++s) {
    std::sort(t.calls.begin() + t.callsBegin[s], t.calls.begin() + t.callsBegin[s + 1],
              [](const JourneyTimetable::Call& a, const JourneyTimetable::Call& b) {
                const int ma = MinuteOfDay(a.depart);
                const int mb = MinuteOfDay(b.depart);
                return ma != mb ? ma < mb : a.stop < b.stop;
              });
  }

  // The rides between neighbouring stops, by the station they reach.
  std::vector<std::vector<JourneyTimetable::Link>> into(t.stations.size());
  for (size_t i = 1; i < t.stops.size(); ++i) {
    const JourneyTimetable::Stop& here = t.stops[i];
    const JourneyTimetable::Stop& before = t.stops[i - 1];
    if (before.train != here.train) continue;
    const int minutes = std::min(here.arrive - before.depart, 0xffff);
    into[here.station].push_back({before.station, static_cast<std::uint16_t>(minutes), t.trains[here.train].type});
  }
  t.linksBegin.assign(1, 0);
  for (auto& rides : into) {
    // By station left and type, the quickest first; it alone is kept.
    std::sort(rides.begin(), rides.end(), [](const auto& a, const auto& b) {
      if (a.fromStation != b.fromStation) return a.fromStation < b.fromStation;
      return a.type != b.type ? a.type < b.type : a.minutes < b.minutes;
    });
    for (size_t i = 0; i < rides.size(); ++i) {
      if (i == 0 || rides[i].fromStation != rides[i - 1].fromStation || rides[i].type != rides[i - 1].type) {
        t.links.push_back(rides[i]);
      }
    }
    t.linksBegin.push_back(static_cast<int>(t.links.size()));
  }
  t.links.shrink_to_fit();
  return t;
}

void JourneyTimetableCache::Prepare() {
  if (timetable_ || prepared_.valid()) return;
  std::optional<FoundJourneySnapshot> found;
  try {
    found = FindJourneySnapshot(db_);
  } catch (const DatabaseError&) {
    // A database that cannot be read now (busy, damaged): Current() meets
    // the fault again where the search reports it.
  }
  if (!found) return;
  try {
    prepared_ = std::async(std::launch::async, [found = std::move(*found)] {
      return JourneyTimetableFromSnapshot(found.file.Bytes(), found.source);
    });
  } catch (const std::system_error&) {
    // No thread to be had: Current() reads the snapshot itself.
  }
}

const JourneyTimetable& JourneyTimetableCache::Current() {
  const long long changes = db_.TotalChanges();
  if (prepared_.valid()) {
    // Taken only when nothing has been changed through the connection since
    // Prepare(); a snapshot that failed its checks is left to the load below.
    std::optional<JourneyTimetable> read;
    try {
      read = prepared_.get();
    } catch (const std::bad_alloc&) {
    }
    if (read && changes == 0) {
      timetable_ = std::move(read);
      builtAtChange_ = changes;
    }
  }
  if (!timetable_ || changes != builtAtChange_) {
    timetable_ = LoadJourneyTimetable(db_);
    builtAtChange_ = changes;
  }
  return *timetable_;
}

}  // namespace kw
