#include "query/RailNetwork.h"

#include <algorithm>
#include <cctype>

#include "store/Database.h"

namespace kw {

namespace {

std::string Lower(const std::string& text) {
  std::string lower = text;
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

}  // namespace

bool IsHighSpeedNumber(const std::string& number) {
  if (number.empty()) return false;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(number[0])));
  return letter == 'G' || letter == 'D' || letter == 'C';
}

std::optional<int> RailNetwork::StationNamed(const std::string& name) const {
  const auto found = byName_.find(Lower(name));
  if (found == byName_.end()) return std::nullopt;
  return found->second;
}

int RailNetwork::CalledWithoutPosition() const {
  return static_cast<int>(
      std::count_if(stations.begin(), stations.end(), [](const Station& s) { return s.trains > 0 && !s.position; }));
}

bool RailNetwork::HasPositions() const {
  return std::any_of(stations.begin(), stations.end(), [](const Station& s) { return s.position.has_value(); });
}

RailNetwork LoadRailNetwork(Database& db) {
  RailNetwork network;
  std::unordered_map<int, int> indexOf;  // station id -> index
  {
    auto q = db.Prepare("SELECT id, station, lat, lon FROM station ORDER BY id");
    while (q.Step()) {
      RailNetwork::Station station{q.Int(0), q.Text(1), std::nullopt, 0};
      if (!q.IsNull(2) && !q.IsNull(3)) station.position = GeoPosition{q.Double(2), q.Double(3)};
      indexOf[station.id] = static_cast<int>(network.stations.size());
      network.byName_[Lower(station.name)] = static_cast<int>(network.stations.size());
      network.stations.push_back(std::move(station));
    }
  }

  // Counted by pair of station indexes (smaller first).
  struct Count {
    int trains = 0;
    int highSpeed = 0;
  };
  std::unordered_map<long long, Count> counts;
  const auto key = [&](int a, int b) {
    return static_cast<long long>(std::min(a, b)) * static_cast<long long>(network.stations.size()) +
           std::max(a, b);
  };
  int currentTrain = -1;
  bool highSpeed = false;
  int previous = -1;  // the train's last stop with a position
  auto q = db.Prepare(
      "SELECT p.trainid, p.station, t.train FROM pass p JOIN train t ON t.id = p.trainid "
      "ORDER BY p.trainid, p.zhanci");
  while (q.Step()) {
    const int train = q.Int(0);
    if (train != currentTrain) {
      currentTrain = train;
      highSpeed = IsHighSpeedNumber(q.Text(2));
      previous = -1;
    }
    const auto found = indexOf.find(q.Int(1));
    if (found == indexOf.end()) continue;
    const int station = found->second;
    ++network.stations[station].trains;
    if (!network.stations[station].position || station == previous) continue;
    if (previous >= 0) {
      Count& count = counts[key(previous, station)];
      ++count.trains;
      if (highSpeed) ++count.highSpeed;
    }
    previous = station;
  }

  network.segments.reserve(counts.size());
  const long long n = static_cast<long long>(network.stations.size());
  for (const auto& [pair, count] : counts) {
    network.segments.push_back(
        {static_cast<int>(pair / n), static_cast<int>(pair % n), count.trains, count.highSpeed});
  }
  std::sort(network.segments.begin(), network.segments.end(),
            [](const auto& x, const auto& y) { return x.a != y.a ? x.a < y.a : x.b < y.b; });
  return network;
}

}  // namespace kw
