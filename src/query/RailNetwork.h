// The railway network as the timetable runs it, for the map: every station
// with its position and how many trains call there, and one segment for
// every pair of stations that some train runs between without calling in
// between, counted once however many trains run it.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/StationPositions.h"

namespace kw {

class Database;

struct RailNetwork {
  struct Station {
    int id = 0;  // station.id
    std::string name;
    std::optional<GeoPosition> position;  // none where the timetable has no position
    int trains = 0;                       // trains calling there
  };
  // Two stations with positions that a train runs between; stops without a
  // position in between are passed over, so the line runs through the
  // stations that have one.
  struct Segment {
    int a = 0;  // indexes into stations, a < b
    int b = 0;
    int trains = 0;           // trains running it, either way
    int highSpeedTrains = 0;  // of them, G, D and C trains
    // Run mostly by high-speed trains.
    bool highSpeed() const { return highSpeedTrains * 2 > trains; }
  };

  std::vector<Station> stations;  // ascending id
  std::vector<Segment> segments;  // ascending (a, b)

  // Index of the station named `name` (compared as the database compares
  // names, without regard to letter case), or nullopt.
  std::optional<int> StationNamed(const std::string& name) const;
  // Stations that some train calls at but that have no position.
  int CalledWithoutPosition() const;
  bool HasPositions() const;

 private:
  friend RailNetwork LoadRailNetwork(Database& db);
  std::unordered_map<std::string, int> byName_;  // lower-cased name -> index
};

// A G, D or C train: the high-speed classes, by the leading letter of the
// number.
bool IsHighSpeedNumber(const std::string& number);

// Reads the network from the stations and every train's stops.
RailNetwork LoadRailNetwork(Database& db);

}  // namespace kw
