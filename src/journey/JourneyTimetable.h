// The timetable as journeys with changes need it: every train's stops as
// minutes counted from midnight of the day its run begins, and the stops at
// each station, in compact arrays built once from the database. The
// searches of the query engine stay on SQL; only the journey search reads
// this copy.
#pragma once

#include <cstdint>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "query/TrainType.h"

namespace kw {

class Database;

struct JourneyTimetable {
  struct Station {
    int id = 0;  // station.id
    std::string name;
  };
  // What the searches read of a train; its texts are in trainTexts, so that
  // these stay few bytes each and the searches' reads of them stay in the
  // cache.
  struct Train {
    int id = 0;  // train.id
    int kindId = 0;
    TrainType type = TrainType::Other;
    int firstStop = 0;  // its stops are stops[firstStop .. firstStop + stopCount)
    int stopCount = 0;
  };
  struct TrainTexts {
    std::string number;
    std::string kindName;
    std::string firstStation;  // names of the stations the train runs between
    std::string lastStation;
  };
  // A train at a station. Times are minutes after midnight of the day the
  // train leaves its first station: a stop on its second day arrives at
  // 1440 + the clock time. A stop that arrives before midnight and leaves
  // after it leaves on the following day.
  struct Stop {
    int station = 0;  // index into stations
    int train = 0;    // index into trains
    int arrive = 0;
    int depart = 0;
  };

  // In ascending station.id.
  std::vector<Station> stations;
  // In ascending train.id; trains whose times cannot be followed (a stop
  // reached before the previous one is left, fewer than two timed stops)
  // are left out.
  std::vector<Train> trains;
  std::vector<TrainTexts> trainTexts;  // by the same index as trains
  // Train by train, each train's in the order of its zhanci.
  std::vector<Stop> stops;
  // By stop: km from the train's first station, as the timetable has it.
  // Kept apart from the stops, which the searches read by the thousand.
  std::vector<int> distances;
  // A train at a station, as the searches going from a station read it.
  struct Call {
    int stop = 0;    // index into stops
    int train = 0;   // the stop's
    int depart = 0;  // the stop's
  };
  // The calls at station s are calls[callsBegin[s] .. callsBegin[s + 1]), in
  // the order of their departure's clock time (then of their stops), so that
  // the trains leaving within a time of day lie together.
  std::vector<int> callsBegin;
  std::vector<Call> calls;
  // The rides into each station once for each station left and type of
  // train, the quickest of them: links[linksBegin[s] .. linksBegin[s + 1])
  // for station s. Far fewer than the rides, for searches over the network
  // that care only for the least riding time.
  struct Link {
    int fromStation = 0;
    std::uint16_t minutes = 0;  // at most 65535: a bound can only be lower
    TrainType type = TrainType::Other;
  };
  std::vector<int> linksBegin;
  std::vector<Link> links;

  // Index of the station with that id.
  std::optional<int> StationIndex(int stationId) const;
  // Index of the train's stop within its own run (0 = its first stop).
  int PositionInTrain(int stop) const { return stop - trains[stops[stop].train].firstStop; }
  bool IsLastStop(int stop) const {
    const Train& t = trains[stops[stop].train];
    return stop == t.firstStop + t.stopCount - 1;
  }
  // Bytes held by the arrays and texts.
  size_t MemoryBytes() const;
};

// Reads the whole timetable. Stops whose times are both missing, or whose
// station or train is not in the timetable, are left out; a missing arrival
// is taken as the departure and the other way round.
JourneyTimetable BuildJourneyTimetable(Database& db);

// The timetable as the database holds it now: loaded on first use (from its
// snapshot, see JourneySnapshot.h, or built) and again once the database has
// been changed through its connection (an update file applied).
class JourneyTimetableCache {
 public:
  explicit JourneyTimetableCache(Database& db) : db_(db) {}

  // Reads the timetable's snapshot file, when there is one, and starts
  // checking it and taking the timetable from it on a thread of its own, so
  // that the first Current() finds the timetable ready. That thread looks at
  // the bytes read alone, never at the database. Does nothing when there is
  // no snapshot file: Current() builds the timetable then.
  void Prepare();
  const JourneyTimetable& Current();

 private:
  Database& db_;
  std::optional<JourneyTimetable> timetable_;
  long long builtAtChange_ = -1;
  // The snapshot being read since Prepare(), with nothing changed through
  // the connection then; the cache's end waits for it.
  std::future<std::optional<JourneyTimetable>> prepared_;
};

}  // namespace kw
