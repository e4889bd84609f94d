#include "support/JourneyReference.h"

#include <algorithm>
#include <cmath>

#include "store/Database.h"

namespace kw::test {

namespace {

constexpr int kDay = 1440;
constexpr int kNone = 1 << 30;

int ClockMinutes(double stored) {
  const long hhmm = std::lround(stored * 100);
  return static_cast<int>(hhmm / 100 * 60 + hhmm % 100);
}

// The run (a whole number of days) that leaves at `depart` within the run
// at `ready` or after.
int RunFrom(int ready, int depart) {
  return static_cast<int>(std::ceil(static_cast<double>(ready - depart) / kDay)) * kDay;
}

bool TypeAllowed(const std::string& number, TrainTypes types) {
  const char c =
      number.empty() ? '?' : static_cast<char>(std::toupper(static_cast<unsigned char>(number[0])));
  const std::string letters = "GCDZTK";
  const size_t i = letters.find(c);
  return (types >> (i == std::string::npos ? 6 : i)) & 1u;
}

}  // namespace

JourneyReference::JourneyReference(Database& db) {
  auto q = db.Prepare(
      "SELECT p.trainid, t.train, p.station, p.zhanci, p.arrive, p.depart, p.day FROM pass p "
      "JOIN train t ON t.id = p.trainid JOIN station s ON s.id = p.station ORDER BY p.trainid, p.zhanci");
  struct Row {
    int trainId;
    std::string number;
    Stop stop;
    std::optional<double> arrive, depart;
    int day;
  };
  std::vector<Row> rows;
  while (q.Step()) {
    rows.push_back(
        {q.Int(0), q.Text(1), {q.Int(2), q.Int(3), 0, 0}, q.OptDouble(4), q.OptDouble(5), q.Int(6)});
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    Row& r = rows[i];
    const bool first = i == 0 || rows[i - 1].trainId != r.trainId;
    const bool last = i + 1 == rows.size() || rows[i + 1].trainId != r.trainId;
    if (first) trains_.push_back({r.trainId, r.number, {}});
    // The first stop is only left, the last only reached; `day` is the day
    // of arrival, and a departure clock before the arrival clock is on the
    // next day.
    const std::optional<double> a = first || !r.arrive ? r.depart : r.arrive;
    const std::optional<double> d = last || !r.depart ? r.arrive : r.depart;
    if (!a && !d) continue;
    const int arriveClock = ClockMinutes(a ? *a : *d);
    const int departClock = ClockMinutes(d ? *d : *a);
    r.stop.arrive = r.day * kDay + arriveClock;
    r.stop.depart = r.day * kDay + departClock + (departClock < arriveClock ? kDay : 0);
    trains_.back().stops.push_back(r.stop);
  }
}

const JourneyReference::Train* JourneyReference::FindTrain(int trainId) const {
  const auto it =
      std::find_if(trains_.begin(), trains_.end(), [&](const Train& t) { return t.id == trainId; });
  return it == trains_.end() ? nullptr : &*it;
}

std::vector<JourneyTriple> JourneyReference::Find(const JourneyRequest& r) const {
  int stations = 0;
  for (const auto& t : trains_) {
    for (const auto& stop : t.stops) stations = std::max(stations, stop.station + 1);
  }
  const auto flags = [&](const std::vector<int>& ids) {
    std::vector<char> of(stations);
    for (int id : ids) {
      if (id >= 0 && id < stations) of[id] = 1;
    }
    return of;
  };
  const std::vector<char> isSource = flags(r.fromStations);
  const std::vector<char> isTarget = flags(r.toStations);
  const int legs = r.maxChanges + 1;
  std::vector<const Train*> trains;
  for (const auto& t : trains_) {
    if (TypeAllowed(t.number, r.types)) trains.push_back(&t);
  }
  // A boarding: train, position of the stop boarded, and the positions after
  // it at arrival stations (all a last leg can end at).
  struct Boarding {
    const Train* train;
    size_t at;
    std::vector<size_t> toTargets;
  };
  // By station: every boarding, and those that reach an arrival station.
  std::vector<std::vector<Boarding>> boardings(stations);
  std::vector<std::vector<Boarding>> lastBoardings(stations);
  for (const Train* t : trains) {
    for (size_t i = 0; i + 1 < t->stops.size(); ++i) {
      Boarding b{t, i, {}};
      for (size_t j = i + 1; j < t->stops.size(); ++j) {
        if (isTarget[t->stops[j].station]) b.toTargets.push_back(j);
      }
      if (!b.toTargets.empty()) lastBoardings[t->stops[i].station].push_back(b);
      boardings[t->stops[i].station].push_back(std::move(b));
    }
  }
  // Best arrival by departure minute and changes.
  std::vector<int> best(kDay * 3, kNone);
  const auto record = [&](int start, int departure, int arrival, int station, int changes) {
    if (isTarget[station] && station != start) {
      int& b = best[departure * 3 + changes];
      b = std::min(b, arrival);
    }
  };
  // Every leg on from `station` reached at `arrival` on `from` (only to the
  // arrival stations when it is the last).
  const auto onward = [&](int station, int arrival, const Train* from, bool last, auto&& visit) {
    for (const Boarding& b : (last ? lastBoardings : boardings)[station]) {
      if (b.train == from) continue;
      const int run = RunFrom(arrival + r.minChange, b.train->stops[b.at].depart);
      const auto ride = [&](size_t j) {
        visit(b.train, b.train->stops[j].station, run + b.train->stops[j].arrive);
      };
      if (last) {
        for (size_t j : b.toTargets) ride(j);
      } else {
        for (size_t j = b.at + 1; j < b.train->stops.size(); ++j) ride(j);
      }
    }
  };
  for (const Train* t : trains) {
    for (size_t i = 0; i + 1 < t->stops.size(); ++i) {
      const int start = t->stops[i].station;
      if (!isSource[start]) continue;
      const int departure = ((t->stops[i].depart % kDay) + kDay) % kDay;
      if (departure < r.earliestDeparture || departure > r.latestDeparture) continue;
      const int run = departure - t->stops[i].depart;
      for (size_t j = i + 1; j < t->stops.size(); ++j) {
        const int a1 = run + t->stops[j].arrive;
        const int s1 = t->stops[j].station;
        record(start, departure, a1, s1, 0);
        if (legs < 2) continue;
        onward(s1, a1, t, legs == 2, [&](const Train* t2, int s2, int a2) {
          record(start, departure, a2, s2, 1);
          if (legs < 3) return;
          onward(s2, a2, t2, true,
                 [&](const Train*, int s3, int a3) { record(start, departure, a3, s3, 2); });
        });
      }
    }
  }
  std::vector<JourneyTriple> all;
  for (int d = 0; d < kDay; ++d) {
    for (int c = 0; c < 3; ++c) {
      if (best[d * 3 + c] < kNone) all.push_back({d, best[d * 3 + c], c});
    }
  }
  // Every journey is also run on each later day; one leaving after j's
  // arrival and the slack of two changes can beat nothing.
  const auto beats = [&](const JourneyTriple& k, const JourneyTriple& j) {
    if (k.changes < j.changes) {
      const int allowance = r.slack * (j.changes - k.changes);
      return k.departure >= j.departure - allowance && k.arrival <= j.arrival + allowance;
    }
    return k.changes == j.changes && k.departure >= j.departure && k.arrival <= j.arrival && k != j;
  };
  std::vector<JourneyTriple> unbeaten;
  for (const auto& j : all) {
    bool beaten = false;
    for (int day = 0; !beaten && day * kDay <= j.arrival + 2 * r.slack; ++day) {
      beaten = std::any_of(all.begin(), all.end(), [&](const JourneyTriple& k) {
        return beats({k.departure + day * kDay, k.arrival + day * kDay, k.changes}, j);
      });
    }
    if (!beaten) unbeaten.push_back(j);
  }
  std::sort(unbeaten.begin(), unbeaten.end());
  return unbeaten;
}

std::string CheckJourney(const JourneyReference& reference, const JourneyTimetable& timetable,
                         const JourneyRequest& request, const Journey& journey) {
  const auto& legs = journey.legs;
  if (legs.empty() || journey.changes() > request.maxChanges) return "wrong number of legs";
  if (journey.departureMinutes != legs.front().boardMinutes ||
      journey.arrivalMinutes != legs.back().alightMinutes)
    return "departure or arrival differs from its legs";
  if (journey.departureMinutes < request.earliestDeparture ||
      journey.departureMinutes > request.latestDeparture)
    return "departure outside the window";
  const auto stationId = [&](int stop) { return timetable.stations[timetable.stops[stop].station].id; };
  if (!std::ranges::count(request.fromStations, stationId(legs.front().boardStop)))
    return "starts at no departure station";
  if (!std::ranges::count(request.toStations, stationId(legs.back().alightStop)))
    return "ends at no arrival station";
  if (stationId(legs.front().boardStop) == stationId(legs.back().alightStop)) return "ends where it began";
  for (size_t i = 0; i < legs.size(); ++i) {
    const JourneyLeg& leg = legs[i];
    const auto* train = reference.FindTrain(timetable.trains[leg.train].id);
    const auto stopAt = [&](int stop) -> const JourneyReference::Stop* {
      if (!train) return nullptr;
      const auto it = std::find_if(train->stops.begin(), train->stops.end(),
                                   [&](const auto& s) { return s.station == stationId(stop); });
      return it == train->stops.end() ? nullptr : &*it;
    };
    const auto *board = stopAt(leg.boardStop), *alight = stopAt(leg.alightStop);
    const std::string where = "leg " + std::to_string(i + 1) + ": ";
    if (!train || !board || !alight) return where + "stop not on its train";
    if (!TypeAllowed(train->number, request.types)) return where + "train of a type not asked for";
    if (board->zhanci >= alight->zhanci) return where + "rides backwards";
    if (((leg.boardMinutes - board->depart) % kDay + kDay) % kDay != 0)
      return where + "departure not as timetabled";
    if (leg.alightMinutes - leg.boardMinutes != alight->arrive - board->depart)
      return where + "ride time wrong";
    if (i == 0) {
      if (leg.waitMinutes != 0) return where + "wait before the first leg";
      continue;
    }
    const JourneyLeg& before = legs[i - 1];
    if (stationId(before.alightStop) != stationId(leg.boardStop))
      return where + "changes between two stations";
    if (before.train == leg.train) return where + "changes onto the same train";
    if (leg.waitMinutes != leg.boardMinutes - before.alightMinutes) return where + "wait miscounted";
    if (leg.waitMinutes < request.minChange) return where + "change shorter than the minimum";
    if (leg.waitMinutes >= request.minChange + kDay) return where + "an earlier run could be caught";
  }
  return {};
}

}  // namespace kw::test
