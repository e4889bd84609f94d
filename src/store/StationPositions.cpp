#include "store/StationPositions.h"

#include "store/Database.h"

namespace kw {

std::unordered_map<int, GeoPosition> ReadStationPositions(Database& db) {
  std::unordered_map<int, GeoPosition> positions;
  auto q = db.Prepare("SELECT id, lat, lon FROM station WHERE lat IS NOT NULL AND lon IS NOT NULL");
  while (q.Step()) positions[q.Int(0)] = {q.Double(1), q.Double(2)};
  return positions;
}

}  // namespace kw
