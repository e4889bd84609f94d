#include "gtfs/GtfsExport.h"

#include <zip.h>

#include <charconv>
#include <cmath>
#include <list>
#include <map>
#include <optional>

#include "gtfs/FeedError.h"
#include "store/CoreStrings.h"
#include "store/Database.h"
#include "store/Schema.h"

namespace kw::gtfs {

std::string ExportSummary::Text() const {
  std::string line = text::Fill(text::kGtfsExportSummary,
                                {std::to_string(stations), std::to_string(trains), std::to_string(stops)});
  if (!withoutPosition.empty()) {
    // The first ten by name, then 等.
    std::string names;
    for (size_t i = 0; i < withoutPosition.size() && i < 10; ++i) {
      if (i) names += text::kListJoin;
      names += text::StationName(withoutPosition[i]);
    }
    if (withoutPosition.size() > 10) names += text::kListMore;
    line += text::Fill(text::kGtfsNoPosition, {std::to_string(withoutPosition.size()), names});
  }
  return line;
}

std::optional<Day> VersionDate(std::string_view version) {
  if (version.size() >= 10) {
    if (auto day = ParseIsoDate(version.substr(0, 10))) return day;
  }
  if (version.size() >= 7) return ParseIsoDate(std::string(version.substr(0, 7)) + "-01");
  return std::nullopt;
}

std::string CsvField(std::string_view value) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
  std::string out = "\"";
  for (char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

namespace {

class CsvText {
 public:
  explicit CsvText(std::initializer_list<std::string_view> header) { Row(header); }
  void Row(std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (auto f : fields) {
      if (!first) text_ += ',';
      text_ += CsvField(f);
      first = false;
    }
    text_ += "\r\n";
  }
  std::string& Text() { return text_; }

 private:
  std::string text_;
};

// "8:05:00" style GTFS time of `seconds`.
std::string FeedTime(int seconds) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return buffer;
}

std::string Number(double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, ec == std::errc() ? end : buffer);
}

// Seconds past midnight of a stored h.mm time; nullopt for Null.
std::optional<int> ClockSeconds(const Query& q, int column) {
  if (q.IsNull(column)) return std::nullopt;
  const long long hhmm = std::llround(q.Double(column) * 100);
  return static_cast<int>(hhmm / 100 * 3600 + hhmm % 100 * 60);
}

struct StopRow {
  std::string station;  // its id; empty when the station table lacks it
  std::string name;
  int zhanci;
  std::optional<int> arrive, depart;
  int day;
  long long km;
};

}  // namespace

ExportSummary ExportFeed(Database& db, const std::string& outFile, Day today) {
  ExportSummary summary;
  std::string version;
  {
    auto q = db.Prepare("SELECT * FROM VerID");
    if (q.Step() && !q.IsNull(0)) version = q.Text(0);
  }
  const Day start = VersionDate(version).value_or(today);

  CsvText agency({"agency_id", "agency_name", "agency_url", "agency_timezone", "agency_lang"});
  agency.Row({"1", "中国铁路", "https://www.12306.cn/", "Asia/Shanghai", "zh"});

  const schema::Table* stationTable = schema::FindTable("station");
  const bool positions = schema::FindColumn(*stationTable, "lat") && schema::FindColumn(*stationTable, "lon");
  CsvText stops({"stop_id", "stop_name", "stop_lat", "stop_lon", "location_type"});
  std::map<long long, std::string> stationNames;
  {
    auto q = db.Prepare(positions ? "SELECT id, station, lat, lon FROM station"
                                  : "SELECT id, station, NULL, NULL FROM station");
    while (q.Step()) {
      const std::string id = std::to_string(q.Int64(0));
      const std::string name = q.Text(1);
      stationNames[q.Int64(0)] = name;
      const bool known = !q.IsNull(2) && !q.IsNull(3);
      if (!known) summary.withoutPosition.push_back(name);
      stops.Row({id, name, known ? Number(q.Double(2)) : "", known ? Number(q.Double(3)) : "", "0"});
      ++summary.stations;
    }
  }

  CsvText routes({"route_id", "agency_id", "route_short_name", "route_long_name", "route_type"});
  std::map<long long, std::string> kinds;
  {
    auto q = db.Prepare("SELECT id, kind FROM kind");
    while (q.Step()) kinds[q.Int64(0)] = q.IsNull(1) ? std::string() : q.Text(1);
  }

  // Every train's stops, in order.
  std::map<long long, std::vector<StopRow>> passes;
  {
    auto q = db.Prepare(
        "SELECT trainid, station, zhanci, arrive, depart, day, distance FROM pass ORDER BY trainid, zhanci");
    while (q.Step()) {
      const auto name = stationNames.find(q.Int64(1));
      const bool known = name != stationNames.end();
      passes[q.Int64(0)].push_back({known ? std::to_string(q.Int64(1)) : std::string(),
                                    known ? name->second : std::string(), q.Int(2), ClockSeconds(q, 3), ClockSeconds(q, 4), q.IsNull(5) ? 0 : q.Int(5),
                                    q.IsNull(6) ? 0 : q.Int64(6)});
    }
  }

  CsvText trips({"route_id", "service_id", "trip_id", "trip_short_name", "trip_headsign", "trip_remark"});
  CsvText stopTimes({"trip_id", "arrival_time", "departure_time", "stop_id", "stop_sequence", "shape_dist_traveled"});
  std::map<long long, bool> usedKinds;
  {
    auto q = db.Prepare("SELECT id, train, kind, memo FROM train");
    while (q.Step()) {
      const long long id = q.Int64(0);
      const auto stopsOf = passes.find(id);
      if (stopsOf == passes.end() || stopsOf->second.size() < 2) continue;
      const long long kind = q.IsNull(2) || !kinds.count(q.Int64(2)) ? 0 : q.Int64(2);
      usedKinds[kind] = true;
      const std::string tripId = std::to_string(id);
      const auto& rows = stopsOf->second;
      trips.Row({std::to_string(kind), "daily", tripId, q.Text(1), rows.back().name,
                 q.IsNull(3) ? "" : q.Text(3)});
      for (size_t k = 0; k < rows.size(); ++k) {
        const StopRow& r = rows[k];
        if (r.station.empty()) continue;  // a stop at a station the table lacks
        const int arriveClock = r.arrive.value_or(r.depart.value_or(0));
        const int departClock = r.depart.value_or(arriveClock);
        int arrive = r.day * 24 * 3600 + (k == 0 ? departClock : arriveClock);
        int depart = r.day * 24 * 3600 + (k + 1 == rows.size() ? arriveClock : departClock);
        if (k + 1 < rows.size() && k > 0 && departClock < arriveClock) depart += 24 * 3600;
        if (k == 0) arrive = depart;
        const std::string km = k == 0 ? "0" : r.km > 0 ? std::to_string(r.km) : "";
        stopTimes.Row({tripId, FeedTime(arrive), FeedTime(depart), r.station, std::to_string(r.zhanci), km});
        ++summary.stops;
      }
      ++summary.trains;
    }
  }
  for (const auto& [kind, used] : usedKinds) {
    const auto name = kinds.find(kind);
    routes.Row({std::to_string(kind), "1", "", name == kinds.end() || name->second.empty() ? "列车" : name->second, "2"});
  }

  CsvText calendar({"service_id", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday",
                    "start_date", "end_date"});
  calendar.Row({"daily", "1", "1", "1", "1", "1", "1", "1", FeedDate(start), FeedDate(start + 364)});
  CsvText feedInfo({"feed_publisher_name", "feed_publisher_url", "feed_lang", "feed_start_date", "feed_end_date",
                    "feed_version"});
  feedInfo.Row({"Kestrelway", "https://www.kestrelway.example/", "zh", FeedDate(start), FeedDate(start + 364), version});

  const std::pair<const char*, CsvText*> files[] = {
      {"agency.txt", &agency}, {"stops.txt", &stops},       {"routes.txt", &routes},      {"trips.txt", &trips},
      {"stop_times.txt", &stopTimes}, {"calendar.txt", &calendar}, {"feed_info.txt", &feedInfo}};
  int error = 0;
  zip_t* zip = zip_open(outFile.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!zip) {
    zip_error_t e;
    zip_error_init_with_code(&e, error);
    const std::string why = zip_error_strerror(&e);
    zip_error_fini(&e);
    throw FeedError(outFile, 0, text::Fill(text::kGtfsCannotWrite, {outFile, why}));
  }
  for (const auto& [name, csv] : files) {
    const std::string& data = csv->Text();
    zip_source_t* source = zip_source_buffer(zip, data.data(), data.size(), 0);
    const zip_int64_t index = source ? zip_file_add(zip, name, source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) : -1;
    // The fastest deflate: the text is repetitive, and the default level
    // spends most of the export's time for a few per cent of size.
    if (index < 0 || zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1) < 0) {
      if (source && index < 0) zip_source_free(source);
      const std::string why = zip_strerror(zip);
      zip_discard(zip);
      throw FeedError(outFile, 0, text::Fill(text::kGtfsCannotWrite, {outFile, why}));
    }
  }
  // Written to a temporary file beside it and renamed into place.
  if (zip_close(zip) != 0) {
    const std::string why = zip_strerror(zip);
    zip_discard(zip);
    throw FeedError(outFile, 0, text::Fill(text::kGtfsCannotWrite, {outFile, why}));
  }
  return summary;
}

}  // namespace kw::gtfs
