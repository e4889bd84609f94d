// Where the stations are: the optional lat and lon columns of the station
// table (WGS84 degrees), which the map draws from.
#pragma once

#include <unordered_map>

namespace kw {

class Database;

struct GeoPosition {
  double lat = 0;  // degrees north
  double lon = 0;  // degrees east
};

// The position of every station that has one, by station id. Stations with
// a Null latitude or longitude are left out; a database made before positions
// were kept gives an empty map.
std::unordered_map<int, GeoPosition> ReadStationPositions(Database& db);

}  // namespace kw
