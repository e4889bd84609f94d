#include "gtfs/Reference.h"

#include <algorithm>
#include <cstdio>

#include "store/Database.h"

namespace kw::gtfs {

namespace {

std::pair<std::string, std::string> SectionKey(const std::string& a, const std::string& b) {
  return a < b ? std::pair{a, b} : std::pair{b, a};
}

}  // namespace

double Reference::Section(const std::string& a, const std::string& b) const {
  const auto it = sections.find(SectionKey(a, b));
  return it == sections.end() ? -1 : it->second;
}

Reference LoadReference(Database& db) {
  Reference ref;
  {
    auto q = db.Prepare("SELECT station, jm, py FROM station");
    while (q.Step()) ref.stations.emplace(q.Text(0), Reference::Codes{q.Text(1), q.Text(2)});
  }
  {
    // Each section's lengths on every train that gives both ends a distance
    // (the first stop 0; a later stop 0 or less has none).
    std::map<std::pair<std::string, std::string>, std::vector<int>> lengths;
    auto q = db.Prepare(
        "SELECT p.trainid, s.station, p.distance FROM pass p JOIN station s ON s.id = p.station "
        "ORDER BY p.trainid, p.zhanci");
    long long train = -1;
    std::string lastName;
    long long lastKm = -1;
    bool first = true;
    while (q.Step()) {
      const long long t = q.Int64(0);
      std::string name = q.Text(1);
      const long long km = q.IsNull(2) ? -1 : q.Int64(2);
      if (t != train) {
        train = t;
        first = true;
      }
      const bool known = first ? km == 0 : km > 0;
      if (!first && known && lastKm >= 0 && km > lastKm) {
        lengths[SectionKey(lastName, name)].push_back(static_cast<int>(km - lastKm));
      }
      lastKm = known ? km : -1;
      lastName = std::move(name);
      first = false;
    }
    for (auto& [key, values] : lengths) {
      std::sort(values.begin(), values.end());
      const size_t n = values.size();
      ref.sections[key] = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    }
  }
  {
    auto q = db.Prepare("SELECT id, kind FROM kind ORDER BY id");
    while (q.Step()) ref.kinds.emplace_back(q.Int(0), q.Text(1));
  }
  for (const char* table : {"kind", "price", "everyday"}) {
    auto q = db.Prepare(std::string("SELECT * FROM ") + table);
    auto& rows = ref.copied[table];
    while (q.Step()) {
      std::vector<std::string> row;
      for (int c = 0; c < q.ColumnCount(); ++c) row.push_back(q.IsNull(c) ? std::string() : q.Text(c));
      rows.push_back(std::move(row));
    }
  }
  return ref;
}

}  // namespace kw::gtfs
