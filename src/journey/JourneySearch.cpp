// A range search in rounds (rRAPTOR): each train is a route whose trips are
// its daily runs. The departures from the departure stations within the
// window are taken from the latest to the earliest; round k rides the trains
// boarded where round k - 1 improved an arrival. The earliest arrivals by at
// most k legs are kept from one departure to the next (a journey that leaves
// later is also one that the earlier departure has to beat), so each
// departure only works where it does better than every later one, and a
// journey is listed exactly when its departure improved the best arrival at
// the arrival stations for its number of legs. What an earlier departure
// would only repeat is skipped: a station's trains are looked at again only
// for the runs its earlier arrival now catches, and a run already ridden
// from an earlier stop is not ridden again.
#include "journey/JourneySearch.h"

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <memory>

#include "query/Fares.h"

namespace kw {

namespace {

constexpr int kNever = INT_MAX / 2;

// The run of a train (the midnight of its first day, in minutes) that leaves
// a stop whose time within the run is `depart` at or after `ready`.
int FirstRunFrom(int ready, int depart) {
  const int gap = ready - depart;
  if (gap <= 0) return -(-gap / kMinutesPerDay) * kMinutesPerDay;
  return (gap + kMinutesPerDay - 1) / kMinutesPerDay * kMinutesPerDay;
}

// The first call at station s that leaves at `minute` of the day or later
// (the station's end when none does).
int FirstCallFrom(const JourneyTimetable& t, int s, int minute) {
  const auto begin = t.calls.begin();
  return static_cast<int>(std::partition_point(begin + t.callsBegin[s], begin + t.callsBegin[s + 1],
                                               [minute](const JourneyTimetable::Call& c) {
                                                 return MinuteOfDay(c.depart) < minute;
                                               }) -
                          begin);
}

// How the earliest arrival at a station was reached: its last leg.
struct Label {
  int boardStop;
  int alightStop;
  int run;   // midnight of the run's first day
  int legs;  // legs of the whole journey
};

class RangeSearch {
 public:
  RangeSearch(const JourneyTimetable& t, const JourneyRequest& r, const std::vector<int>& sources,
              const std::vector<int>& targets)
      : t_(t),
        legs_(std::clamp(r.maxChanges, 0, kMaxChanges) + 1),
        minChange_(std::clamp(r.minChange, 0, kMaxMinChange)),
        types_(r.types),
        slack_(std::clamp(r.slack, 0, kMaxSlack)),
        isTarget_(t.stations.size()),
        met_(t.trains.size()),
        trainState_(new TrainState[t.trains.size()]),  // each set when the train is met
        reach_(new Reach[t.stops.size()]) {
    for (int s : targets) isTarget_[s] = 1;
    MeasureRidesToTargets(targets);
    MeasureDirectRides(targets);
    for (int k = 1; k <= legs_; ++k) {
      best_[k].assign(t.stations.size(), kNever);
      labels_[k].reset(new Label[t.stations.size()]);  // each set with its best_
      isMarked_[k].assign(t.stations.size(), 0);
      looked_[k].assign(t.stations.size(), {kNever, 0});
    }
    targetBest_.fill(kNever);
    bound_.fill(kNever);
    for (int s : sources) {
      for (int c = t.callsBegin[s]; c < t.callsBegin[s + 1]; ++c) {
        const int stop = t.calls[c].stop;
        const int minute = MinuteOfDay(t.stops[stop].depart);
        if (t.IsLastStop(stop) || !Allowed(t.stops[stop].train)) continue;
        if (minute >= r.earliestDeparture && minute <= r.latestDeparture) departures_.push_back({minute, stop});
      }
    }
    std::sort(departures_.begin(), departures_.end(), std::greater<>());
  }

  void Run(std::vector<Journey>& out) {
    for (size_t first = 0; first < departures_.size();) {
      const int minute = departures_[first].first;
      size_t end = first;
      while (end < departures_.size() && departures_[end].first == minute) ++end;
      const auto before = targetBest_;
      ClearMarks();
      for (size_t d = first; d < end; ++d) RideFrom(departures_[d].second, minute);
      for (int k = 2; k <= legs_ && !marked_[k - 1].empty(); ++k) ScanRound(k);
      for (int k = 1; k <= legs_; ++k) {
        if (targetBest_[k] < before[k] && targetBest_[k] < targetBest_[k - 1]) out.push_back(Rebuild(k));
      }
      first = end;
    }
  }

 private:
  // Whether leaving `stop` at `time` or later could still reach an arrival
  // station in time for a journey of k legs to be listed (bound_); on the
  // last leg, by this train alone. `train` is the stop's.
  bool Promising(int k, int train, int stop, int time) {
    if (!met_[train]) Meet(train);
    return time < bound_[k] - (k == legs_ ? reach_[stop].direct : reach_[stop].on);
  }

  // Round 1: the train that leaves a departure station at `minute`.
  void RideFrom(int stop, int minute) {
    if (!Promising(1, t_.stops[stop].train, stop, minute)) return;
    const JourneyTimetable::Train& train = t_.trains[t_.stops[stop].train];
    const int run = minute - t_.stops[stop].depart;
    for (int q = stop + 1; q < train.firstStop + train.stopCount; ++q) {
      Improve(1, q, run + t_.stops[q].arrive, {stop, q, run, 1});
    }
    trainState_[t_.stops[stop].train].ridden[1] = {run, stop};
  }

  // The stop after which riding `train`'s run `run` in round k can improve
  // nothing (INT_MAX when none): where a ride of that run or an earlier one,
  // in this round or an earlier one, was boarded before, for this departure
  // or a later one. Its arrivals beyond that stop were as early or earlier,
  // and every test they failed then they fail again: arrivals and bounds
  // only ever fall.
  int RiddenFrom(int k, int train, int run) const {
    int from = INT_MAX;
    for (int level = 1; level <= k; ++level) {
      const Ride& ride = trainState_[train].ridden[level];
      if (ride.run <= run) from = std::min(from, ride.stop);
    }
    return from;
  }

  // The trains at station s worth boarding in round k for a traveller ready
  // at `ready`, of those whose first run to be caught is earlier than when
  // the round last looked at the station, in an earlier departure. Every
  // other call is caught on the same run as then, when it was boarded or
  // passed over for good: the run's arrivals are no later now, and the
  // bounds are no looser. The calls are taken in the order they can be
  // caught in, from the ready time on, and no longer once a train leaving
  // then cannot arrive in time (`limit`).
  void ConsiderCalls(int k, int s, int ready, int limit) {
    Looked& looked = looked_[k][s];
    const int begin = t_.callsBegin[s];
    const int count = t_.callsBegin[s + 1] - begin;
    const int first = FirstCallFrom(t_, s, MinuteOfDay(ready));
    int n = count;  // calls to look at, from `first` on and round from the last to the first
    if (looked.ready - ready < kMinutesPerDay) {
      n = MinuteOfDay(ready) <= MinuteOfDay(looked.ready) ? looked.first - first : count - first + looked.first;
    }
    looked = {ready, first};
    for (int i = 0, c = first; i < n; ++i, ++c) {
      if (c == begin + count) c = begin;
      const JourneyTimetable::Call& call = t_.calls[c];
      const int run = FirstRunFrom(ready, call.depart);
      const int departure = run + call.depart;
      if (departure >= limit) break;
      if (!met_[call.train] && !MayArriveInTime(k, call, departure)) continue;
      if (!Promising(k, call.train, call.stop, departure)) continue;
      if (RiddenFrom(k, call.train, run) <= call.stop) continue;
      Boardings& b = trainState_[call.train].boardings;
      if (b.first == INT_MAX) queued_.push_back(call.train);
      b.first = std::min(b.first, call.stop);
      b.last = std::max(b.last, call.stop);
    }
  }

  // Whether boarding at `call` to leave at `departure` may arrive in time to
  // be listed with k legs, judged by the train's next stop alone: it takes
  // its traveller at least that far. Cheaper than meeting the train, for
  // the many trains that go the wrong way.
  bool MayArriveInTime(int k, const JourneyTimetable::Call& call, int departure) const {
    const size_t next = static_cast<size_t>(call.stop) + 1;
    if (next == t_.stops.size() || t_.stops[next].train != call.train) return false;  // it ends here
    const JourneyTimetable::Stop& there = t_.stops[next];
    return departure + (there.arrive - call.depart) + rideToTarget_[there.station] < bound_[k];
  }

  // Round k: every train through a station that round k - 1 improved, from
  // the first such station on, on the earliest run that can be caught. Only
  // these stations are boarded from: an arrival that an earlier round or a
  // later departure found has had its trains ridden then. A train is left
  // once its run can no longer do better and no boarding lies ahead.
  void ScanRound(int k) {
    for (int s : marked_[k - 1]) {
      const int ready = best_[k - 1][s] + minChange_;
      // Riding on from a stop takes at least the riding time from its
      // station (on the last leg, the least ride on one train from it): a
      // train that leaves too late for even that is not worth boarding.
      const int limit = bound_[k] - (k == legs_ ? directRide_ : rideToTarget_)[s];
      if (ready < limit) ConsiderCalls(k, s, ready, limit);
    }
    for (int train : queued_) {
      Boardings& b = trainState_[train].boardings;
      int run = kNever;
      int board = -1;
      int boarded = -1;          // where this run was boarded
      int riddenFrom = INT_MAX;  // of this run
      int legs = 0;
      // The train's stops lie together: it ends where the next one begins.
      const int end = static_cast<int>(t_.stops.size());
      for (int q = b.first; q < end && t_.stops[q].train == train; ++q) {
        const JourneyTimetable::Stop& stop = t_.stops[q];
        if (board >= 0) {
          if (q > riddenFrom) {
            board = -1;
          } else {
            Improve(k, q, run + stop.arrive, {board, q, run, legs});
            if (!Promising(k, train, q, run + stop.depart)) board = -1;
          }
        }
        if (board < 0 && q > b.last) break;
        if (q > b.last || !isMarked_[k - 1][stop.station]) continue;
        const int ready = best_[k - 1][stop.station] + minChange_;
        const int catchable = FirstRunFrom(ready, stop.depart);
        if (catchable >= run || !Promising(k, train, q, catchable + stop.depart)) continue;
        const int from = RiddenFrom(k, train, catchable);
        if (from <= q) continue;
        // A change is onto another train.
        const Label& arrived = labels_[k - 1][stop.station];
        if (t_.stops[arrived.boardStop].train == train) continue;
        run = catchable;
        board = boarded = q;
        riddenFrom = from;
        legs = arrived.legs + 1;
      }
      if (boarded >= 0) trainState_[train].ridden[k] = {run, boarded};
      b = kNoBoardings;
    }
    queued_.clear();
  }

  // Arrival at stop `q` by a journey of at most k legs: kept when it beats
  // what is known for the station, and when riding on from there could still
  // arrive in time to be listed.
  void Improve(int k, int q, int arrival, const Label& label) {
    const int s = t_.stops[q].station;
    if (k == legs_ && !isTarget_[s]) return;  // no leg follows the last
    if (arrival >= best_[k][s] || arrival >= bound_[k] - rideToTarget_[s]) return;
    for (int level = k; level <= legs_ && arrival < best_[level][s]; ++level) {
      best_[level][s] = arrival;
      labels_[level][s] = label;
    }
    if (isTarget_[s]) {
      for (int level = k; level <= legs_ && arrival < targetBest_[level]; ++level) {
        targetBest_[level] = arrival;
        targetStation_[level] = s;
      }
      Tighten();
      return;  // going on from an arrival station only arrives later
    }
    if (!isMarked_[k][s]) {
      isMarked_[k][s] = 1;
      marked_[k].push_back(s);
    }
  }

  // A journey of k legs is listed only when it arrives before the best
  // arrival by at most k legs, and, by the slack, before the best arrival by
  // j < k legs less slack * (k - j): those journeys leave no earlier.
  void Tighten() {
    for (int k = 1; k <= legs_; ++k) {
      bound_[k] = targetBest_[k];
      for (int j = 1; j < k; ++j) {
        if (targetBest_[j] < kNever) bound_[k] = std::min(bound_[k], targetBest_[j] - slack_ * (k - j));
      }
    }
  }

  // For every station, the least riding time on to an arrival station, waits
  // and stops left out (kNever where none is reached): a backward search
  // over the quickest rides between neighbouring stops, by type of train (links). Riding times
  // are whole minutes (none negative), so the stations still open wait in a
  // list for each riding time, taken in rising time, rather than in a heap.
  void MeasureRidesToTargets(const std::vector<int>& targets) {
    rideToTarget_.assign(t_.stations.size(), kNever);
    std::vector<int> first;  // by riding time: the entry its list begins with, -1 for none
    struct Open {
      int station;
      int next;  // entry, -1 at the end of the list
    };
    std::vector<Open> open;
    const auto push = [&](int time, int s) {
      if (static_cast<size_t>(time) >= first.size()) first.resize(std::max<size_t>(time + 1, first.size() * 2), -1);
      open.push_back({s, first[time]});
      first[time] = static_cast<int>(open.size()) - 1;
    };
    for (int s : targets) {
      rideToTarget_[s] = 0;
      push(0, s);
    }
    for (int time = 0; static_cast<size_t>(time) < first.size(); ++time) {
      while (first[time] >= 0) {
        const int s = open[first[time]].station;
        first[time] = open[first[time]].next;
        if (time > rideToTarget_[s]) continue;
        for (int l = t_.linksBegin[s]; l < t_.linksBegin[s + 1]; ++l) {
          const JourneyTimetable::Link& link = t_.links[l];
          if ((types_ & TypeBit(link.type)) == 0) continue;
          const int through = time + link.minutes;
          if (through < rideToTarget_[link.fromStation]) {
            rideToTarget_[link.fromStation] = through;
            push(through, link.fromStation);
          }
        }
      }
    }
  }

  // For every station, the least time from leaving it to an arrival station
  // on one train (kNever where no train taken goes on to one): the trains
  // through the arrival stations, from their stops before.
  void MeasureDirectRides(const std::vector<int>& targets) {
    directRide_.assign(t_.stations.size(), kNever);
    for (int s : targets) {
      for (int c = t_.callsBegin[s]; c < t_.callsBegin[s + 1]; ++c) {
        const int arrivalStop = t_.calls[c].stop;
        const int train = t_.calls[c].train;
        if (!Allowed(train)) continue;
        const int arrive = t_.stops[arrivalStop].arrive;
        for (int q = t_.trains[train].firstStop; q < arrivalStop; ++q) {
          int& ride = directRide_[t_.stops[q].station];
          ride = std::min(ride, arrive - t_.stops[q].depart);
        }
      }
    }
  }

  bool Allowed(int train) const { return (types_ & TypeBit(t_.trains[train].type)) != 0; }

  // The search's first look at train i: nothing ridden or to board yet, and
  // for every stop the least time from leaving it to an arrival station on
  // the train and riding on from where it is left (Reach::on), and on the
  // train alone (Reach::direct); kNever for a last stop, a train not taken,
  // or none reached. Done for the trains the search meets, so that a search
  // pays for those, not for the whole timetable.
  void Meet(int i) {
    met_[i] = 1;
    TrainState& state = trainState_[i];
    state.boardings = kNoBoardings;
    state.ridden.fill(kNoRide);
    const JourneyTimetable::Train& train = t_.trains[i];
    const bool allowed = Allowed(i);
    int best = kNever;    // least arrival + ride on, over the stops after this one
    int direct = kNever;  // least arrival at an arrival station after this one
    for (int q = train.firstStop + train.stopCount - 1; q >= train.firstStop; --q) {
      const JourneyTimetable::Stop& stop = t_.stops[q];
      reach_[q] = {best < kNever ? best - stop.depart : kNever, direct < kNever ? direct - stop.depart : kNever};
      if (!allowed) continue;
      best = std::min(best, stop.arrive + rideToTarget_[stop.station]);
      if (isTarget_[stop.station]) direct = std::min(direct, stop.arrive);
    }
  }

  void ClearMarks() {
    for (int k = 1; k <= legs_; ++k) {
      for (int s : marked_[k]) isMarked_[k][s] = 0;
      marked_[k].clear();
    }
  }

  // The journey that reached the arrival stations best with at most k legs.
  Journey Rebuild(int k) const {
    Journey journey;
    int level = k;
    int station = targetStation_[k];
    while (level > 0) {
      const Label& l = labels_[level][station];
      const JourneyTimetable::Stop& board = t_.stops[l.boardStop];
      journey.legs.push_back({board.train, l.boardStop, l.alightStop, l.run + board.depart,
                              l.run + t_.stops[l.alightStop].arrive, 0});
      level = l.legs - 1;
      station = board.station;
    }
    std::reverse(journey.legs.begin(), journey.legs.end());
    for (size_t i = 1; i < journey.legs.size(); ++i) {
      journey.legs[i].waitMinutes = journey.legs[i].boardMinutes - journey.legs[i - 1].alightMinutes;
    }
    journey.departureMinutes = journey.legs.front().boardMinutes;
    journey.arrivalMinutes = journey.legs.back().alightMinutes;
    return journey;
  }

  static constexpr int kLevels = kMaxChanges + 2;  // level 0 stays empty

  const JourneyTimetable& t_;
  const int legs_;
  const int minChange_;
  const TrainTypes types_;
  const int slack_;
  std::vector<char> isTarget_;  // by station
  std::vector<int> rideToTarget_;  // by station: see MeasureRidesToTargets
  std::vector<int> directRide_;    // by station: see MeasureDirectRides
  // What the search knows of a train, from when it meets the train on.
  struct Ride {
    int run;   // the run last ridden in a round
    int stop;  // and the stop it was boarded at
  };
  static constexpr Ride kNoRide{kNever, INT_MAX};
  struct Boardings {  // the first and last stops at which the current round may board it
    int first;
    int last;
  };
  static constexpr Boardings kNoBoardings{INT_MAX, -1};
  struct TrainState {
    Boardings boardings;
    std::array<Ride, kLevels> ridden;  // by round
  };
  std::vector<char> met_;  // by train
  std::unique_ptr<TrainState[]> trainState_;
  // By stop of a train met: see Meet.
  struct Reach {
    int on;
    int direct;
  };
  std::unique_ptr<Reach[]> reach_;
  // (minute of day, stop) of every departure within the window, latest first.
  std::vector<std::pair<int, int>> departures_;
  // By number of legs k and station: the earliest arrival by at most k legs
  // of the departures taken so far, and its last leg.
  std::array<std::vector<int>, kLevels> best_;
  std::array<std::unique_ptr<Label[]>, kLevels> labels_;
  std::array<int, kLevels> targetBest_{};
  std::array<int, kLevels> targetStation_{};
  // By number of legs k: what a journey of k legs must arrive before to be
  // listed (see Tighten).
  std::array<int, kLevels> bound_{};
  // Stations improved in round k for the current departure.
  std::array<std::vector<int>, kLevels> marked_;
  std::array<std::vector<char>, kLevels> isMarked_;
  // By round and station: the ready time the round last looked at its calls
  // for (kNever before it has), and the first call it looked at then.
  struct Looked {
    int ready;
    int first;
  };
  std::array<std::vector<Looked>, kLevels> looked_;
  // The trains the current round may board (TrainState::boardings).
  std::vector<int> queued_;
};

// Of the journeys with the same departure, arrival and number of changes,
// the one to list: the longest shortest change wait (the safest change),
// then the fewest km (a leg whose distance is not known counts as longer
// than any known one). The search finds one of them; the others are
// looked for from its last leg back: the legs that reach an arrival station
// at that very minute, and then the rides that reach where they leave in
// time, from the trains that leave a departure station at that minute.
class EqualJourneys {
 public:
  EqualJourneys(const JourneyTimetable& t, const JourneyRequest& r, const std::vector<int>& sources,
                const std::vector<int>& targets)
      : t_(t),
        sources_(sources),
        targets_(targets),
        minChange_(std::clamp(r.minChange, 0, kMaxMinChange)),
        types_(r.types),
        isTarget_(t.stations.size()),
        lastLegsAt_(t.stations.size(), -1) {
    for (int s : targets) isTarget_[s] = 1;
  }

  // Replaces `journey` by the best of its equals.
  void ChooseFor(Journey& journey) {
    departure_ = journey.departureMinutes;
    arrival_ = journey.arrivalMinutes;
    changes_ = journey.changes();
    best_ = journey.legs;
    bestScore_ = ScoreOf(best_);
    legs_.assign(best_.size(), {});
    FindLastLegs();
    for (int s : sources_) {
      for (int c = FirstCallFrom(t_, s, departure_); c < t_.callsBegin[s + 1]; ++c) {
        const JourneyTimetable::Call& call = t_.calls[c];
        if (MinuteOfDay(call.depart) != departure_) break;
        if (t_.IsLastStop(call.stop) || !Allowed(call.train)) continue;
        start_ = s;
        RideOn(0, call, departure_ - call.depart);
      }
    }
    for (const LastLeg& l : lastLegs_) lastLegsAt_[t_.stops[l.board].station] = -1;
    if (bestScore_.changed) {
      for (size_t i = 1; i < best_.size(); ++i) best_[i].waitMinutes = best_[i].boardMinutes - best_[i - 1].alightMinutes;
      journey.legs = best_;
    }
  }

 private:
  struct Score {
    int shortestWait = INT_MAX;  // none without a change
    long long km = 0;            // kUnknownKm when a leg's is not known
    bool changed = false;        // a journey other than the search's
    bool operator>(const Score& o) const {
      return shortestWait != o.shortestWait ? shortestWait > o.shortestWait : km < o.km;
    }
  };
  static constexpr long long kUnknownKm = LLONG_MAX / 4;

  // A last leg: it leaves `board` at `departure` and reaches an arrival
  // station at the journey's arrival.
  struct LastLeg {
    int board;
    int alight;
    int departure;
    int next;  // the next last leg from the same station, -1 at the end
  };

  bool Allowed(int train) const { return (types_ & TypeBit(t_.trains[train].type)) != 0; }

  long long LegKm(const JourneyLeg& leg) const {
    const std::optional<int> km = JourneyDistance(t_.distances[leg.boardStop], t_.PositionInTrain(leg.boardStop) == 0,
                                                  t_.distances[leg.alightStop]);
    return km ? *km : kUnknownKm;
  }

  Score ScoreOf(const std::vector<JourneyLeg>& legs) const {
    Score score;
    for (size_t i = 0; i < legs.size(); ++i) {
      score.km += LegKm(legs[i]);
      if (i > 0) score.shortestWait = std::min(score.shortestWait, legs[i].boardMinutes - legs[i - 1].alightMinutes);
    }
    return score;
  }

  // The legs from a station other than an arrival one that reach an arrival
  // station at the journey's arrival, by the station they leave.
  void FindLastLegs() {
    lastLegs_.clear();
    if (changes_ == 0) return;
    for (int s : targets_) {
      for (int c = t_.callsBegin[s]; c < t_.callsBegin[s + 1]; ++c) {
        const JourneyTimetable::Call& call = t_.calls[c];
        const JourneyTimetable::Stop& alight = t_.stops[call.stop];
        if (MinuteOfDay(alight.arrive) != MinuteOfDay(arrival_) || !Allowed(call.train)) continue;
        const int run = arrival_ - alight.arrive;
        for (int p = t_.trains[call.train].firstStop; p < call.stop; ++p) {
          const int from = t_.stops[p].station;
          if (isTarget_[from]) continue;
          lastLegs_.push_back({p, call.stop, run + t_.stops[p].depart, lastLegsAt_[from]});
          lastLegsAt_[from] = static_cast<int>(lastLegs_.size()) - 1;
        }
      }
    }
  }

  // Leg `level` rides `call`'s train, run `run`, from its stop on.
  void RideOn(int level, const JourneyTimetable::Call& call, int run) {
    const JourneyTimetable::Train& train = t_.trains[call.train];
    const int boardMinutes = run + call.depart;
    for (int q = call.stop + 1; q < train.firstStop + train.stopCount; ++q) {
      const int arrive = run + t_.stops[q].arrive;
      if (arrive > arrival_) break;
      const int s = t_.stops[q].station;
      legs_[level] = {call.train, call.stop, q, boardMinutes, arrive, 0};
      if (level == changes_) {
        if (arrive == arrival_ && isTarget_[s] && s != start_) Consider();
      } else if (!isTarget_[s]) {
        ChangeAt(level + 1, s, arrive, call.train);
      }
    }
  }

  // Leg `level` leaves station s, reached at `arrive` on `train`.
  void ChangeAt(int level, int s, int arrive, int train) {
    const int ready = arrive + minChange_;
    if (level == changes_) {
      for (int l = lastLegsAt_[s]; l >= 0; l = lastLegs_[l].next) {
        const LastLeg& last = lastLegs_[l];
        // The first run that can be caught, of another train.
        if (last.departure < ready || last.departure - kMinutesPerDay >= ready) continue;
        if (t_.stops[last.board].train == train) continue;
        if (t_.stops[last.alight].station == start_) continue;
        legs_[level] = {t_.stops[last.board].train, last.board, last.alight, last.departure, arrival_, 0};
        Consider();
      }
      return;
    }
    const int begin = t_.callsBegin[s];
    const int count = t_.callsBegin[s + 1] - begin;
    const int first = FirstCallFrom(t_, s, MinuteOfDay(ready));
    for (int i = 0, c = first; i < count; ++i, ++c) {
      if (c == begin + count) c = begin;
      const JourneyTimetable::Call& call = t_.calls[c];
      const int run = FirstRunFrom(ready, call.depart);
      if (run + call.depart >= arrival_) break;
      if (call.train == train || t_.IsLastStop(call.stop) || !Allowed(call.train)) continue;
      RideOn(level, call, run);
    }
  }

  void Consider() {
    Score score = ScoreOf(legs_);
    if (score > bestScore_) {
      score.changed = true;
      bestScore_ = score;
      best_ = legs_;
    }
  }

  const JourneyTimetable& t_;
  const std::vector<int>& sources_;
  const std::vector<int>& targets_;
  const int minChange_;
  const TrainTypes types_;
  std::vector<char> isTarget_;  // by station
  std::vector<int> lastLegsAt_;  // by station: its first last leg, -1 for none
  std::vector<LastLeg> lastLegs_;
  int departure_ = 0;
  int arrival_ = 0;
  int changes_ = 0;
  int start_ = 0;  // the station the journey being built leaves from
  std::vector<JourneyLeg> legs_;
  std::vector<JourneyLeg> best_;
  Score bestScore_;
};

// Keeps the journeys no other beats, each (departure, arrival, changes) once.
void KeepUnbeaten(std::vector<Journey>& journeys) {
  std::sort(journeys.begin(), journeys.end(), [](const Journey& a, const Journey& b) {
    if (a.departureMinutes != b.departureMinutes) return a.departureMinutes > b.departureMinutes;
    if (a.arrivalMinutes != b.arrivalMinutes) return a.arrivalMinutes < b.arrivalMinutes;
    return a.changes() < b.changes();
  });
  // Every journey met before leaves at the same time or later.
  std::array<int, kMaxChanges + 1> earliest;
  earliest.fill(kNever);
  std::vector<Journey> kept;
  for (auto& j : journeys) {
    const int c = std::clamp(j.changes(), 0, kMaxChanges);
    if (*std::min_element(earliest.begin(), earliest.begin() + c + 1) <= j.arrivalMinutes) continue;
    earliest[c] = j.arrivalMinutes;
    kept.push_back(std::move(j));
  }
  journeys = std::move(kept);
}

// Whether `other`, `days` days later, beats `j` by the rules of FindJourneys.
bool Beats(const Journey& other, int days, const Journey& j, int slack) {
  const int fewer = j.changes() - other.changes();
  const int departure = other.departureMinutes + days * kMinutesPerDay;
  const int arrival = other.arrivalMinutes + days * kMinutesPerDay;
  if (fewer == 0) {
    return departure >= j.departureMinutes && arrival <= j.arrivalMinutes &&
           (departure > j.departureMinutes || arrival < j.arrivalMinutes);
  }
  const int allowance = slack * fewer;
  return fewer > 0 && departure >= j.departureMinutes - allowance && arrival <= j.arrivalMinutes + allowance;
}

// Drops the journeys of the day that another beats, on the same day or a
// later one. The day's unbeaten journeys are enough to compare against: a
// journey that beats j and is itself beaten is beaten by one that beats j
// too. Of the later days the next one is enough: every journey leaves
// within the window, less than a day after j, and arrives a day later on
// each day after that.
void DropBeaten(std::vector<Journey>& journeys, int slack) {
  std::vector<char> beaten(journeys.size());
  for (size_t i = 0; i < journeys.size(); ++i) {
    for (const Journey& other : journeys) {
      if (Beats(other, 0, journeys[i], slack) || Beats(other, 1, journeys[i], slack)) {
        beaten[i] = 1;
        break;
      }
    }
  }
  std::vector<Journey> kept;
  for (size_t i = 0; i < journeys.size(); ++i) {
    if (!beaten[i]) kept.push_back(std::move(journeys[i]));
  }
  journeys = std::move(kept);
}

}  // namespace

std::vector<Journey> FindJourneys(const JourneyTimetable& timetable, const JourneyRequest& request) {
  const auto indexes = [&](const std::vector<int>& ids) {
    std::vector<int> out;
    for (int id : ids) {
      if (const auto s = timetable.StationIndex(id)) out.push_back(*s);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
  };
  const std::vector<int> sources = indexes(request.fromStations);
  const std::vector<int> targets = indexes(request.toStations);

  // A station of both families starts journeys of its own, which may end at
  // every arrival station but itself.
  std::vector<int> plainSources;
  std::vector<int> sharedSources;
  for (int s : sources) {
    (std::binary_search(targets.begin(), targets.end(), s) ? sharedSources : plainSources).push_back(s);
  }
  std::vector<Journey> journeys;
  if (!plainSources.empty()) RangeSearch(timetable, request, plainSources, targets).Run(journeys);
  for (int s : sharedSources) {
    std::vector<int> others;
    std::copy_if(targets.begin(), targets.end(), std::back_inserter(others), [s](int t) { return t != s; });
    if (!others.empty()) RangeSearch(timetable, request, {s}, others).Run(journeys);
  }
  KeepUnbeaten(journeys);
  DropBeaten(journeys, std::clamp(request.slack, 0, kMaxSlack));
  if (!journeys.empty()) {
    EqualJourneys equals(timetable, request, sources, targets);
    for (Journey& j : journeys) equals.ChooseFor(j);
  }
  return journeys;
}

bool JourneyBefore(const Journey& a, const Journey& b, JourneySort sort) {
  const auto key = [sort](const Journey& j) {
    switch (sort) {
      case JourneySort::Arrival: return j.arrivalMinutes;
      case JourneySort::Duration: return j.durationMinutes();
      case JourneySort::Changes: return j.changes();
      case JourneySort::Departure: break;
    }
    return j.departureMinutes;
  };
  if (key(a) != key(b)) return key(a) < key(b);
  if (a.departureMinutes != b.departureMinutes) return a.departureMinutes < b.departureMinutes;
  return a.arrivalMinutes < b.arrivalMinutes;
}

void SortJourneys(std::vector<Journey>& journeys, JourneySort sort) {
  std::stable_sort(journeys.begin(), journeys.end(),
                   [sort](const Journey& a, const Journey& b) { return JourneyBefore(a, b, sort); });
}

std::optional<JourneySort> ParseJourneySort(std::string_view name) {
  if (name == "depart") return JourneySort::Departure;
  if (name == "arrive") return JourneySort::Arrival;
  if (name == "duration") return JourneySort::Duration;
  if (name == "changes") return JourneySort::Changes;
  return std::nullopt;
}

}  // namespace kw
