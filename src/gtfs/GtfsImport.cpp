#include "gtfs/GtfsImport.h"

#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

#include "gtfs/CsvReader.h"
#include "gtfs/FeedError.h"
#include "gtfs/Pinyin.h"
#include "store/CoreStrings.h"
#include "store/DataBuilder.h"
#include "store/Database.h"
#include "store/Schema.h"

namespace kw::gtfs {

namespace fs = std::filesystem;

std::string ImportSummary::Text() const {
  std::string line = text::Fill(text::kGtfsSummary, {std::to_string(stations), std::to_string(trains),
                                                    std::to_string(stops), date, text::VersionName(version)});
  if (skippedLoops > 0) line += text::Fill(text::kGtfsSkippedLoops, {std::to_string(skippedLoops)});
  return line;
}

std::string ClassOfNumber(std::string_view number) {
  number = number.substr(0, number.find('/'));
  while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
  if (number.empty()) return "普快";
  const char lead = static_cast<char>(std::toupper(static_cast<unsigned char>(number.front())));
  switch (lead) {
    case 'G':
      return "高速动车组";
    case 'D':
      return "动车组";
    case 'C':
      return "城际动车组";
    case 'Z':
      return "直达特快";
    case 'T':
      return "特快";
    case 'K':
      return "快速";
    case 'Y':
      return "旅游列车";
    case 'S':
      return "市郊列车";
    case 'L':
      return "临客";
    default:
      break;
  }
  int value = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || end == number.data()) return "普快";
  if (value < 6000) return "普快";
  if (value < 8000) return "普客";
  return "通勤列车";
}

std::string StationName(std::string_view name) {
  const auto space = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!name.empty() && space(name.front())) name.remove_prefix(1);
  while (!name.empty() && space(name.back())) name.remove_suffix(1);
  // The ideographic space U+3000 too.
  while (name.size() >= 3 && name.substr(0, 3) == "\u3000") name.remove_prefix(3);
  while (name.size() >= 3 && name.substr(name.size() - 3) == "\u3000") name.remove_suffix(3);
  constexpr std::string_view kZhan = "站";
  if (name.size() > kZhan.size() && name.substr(name.size() - kZhan.size()) == kZhan) {
    const std::string_view rest = name.substr(0, name.size() - kZhan.size());
    if (text::CharacterCount(rest) >= 2) name = rest;
  }
  return std::string(name);
}

namespace {

constexpr int kDaySeconds = 24 * 3600;
constexpr int kNoTime = -1;

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Tabs and line breaks cannot stand in a table file; a space takes their place.
std::string Flat(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return out;
}

std::string Number(double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, ec == std::errc() ? end : buffer);
}

// "H:MM:SS" (hours may pass 24) as seconds; kNoTime for an empty field,
// nullopt when it is no such time.
std::optional<int> ParseTime(std::string_view t) {
  if (t.empty()) return kNoTime;
  const size_t colon = t.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 3 || t.size() != colon + 6 || t[colon + 3] != ':') {
    return std::nullopt;
  }
  const auto digits = [](std::string_view d, int& out) {
    if (d.find_first_not_of("0123456789") != std::string_view::npos) return false;
    std::from_chars(d.data(), d.data() + d.size(), out);
    return true;
  };
  int h = 0, m = 0, s = 0;
  if (!digits(t.substr(0, colon), h) || !digits(t.substr(colon + 1, 2), m) || !digits(t.substr(colon + 4, 2), s) ||
      m > 59 || s > 59) {
    return std::nullopt;
  }
  return h * 3600 + m * 60 + s;
}

std::string TimeText(int seconds) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return buffer;
}

// The stored h.mm text of the clock time `seconds` past its day's midnight.
std::string StoredTime(int seconds) {
  const int minutes = seconds % kDaySeconds / 60;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d.%02d", minutes / 60, minutes % 60);
  return buffer;
}

std::optional<double> ParseDecimal(std::string_view t) {
  double value = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

struct Stop {
  std::string id;
  int line = 0;
  int parent = -1;      // index of the parent stop
  std::string parentId;
  int station = -1;     // index of the station it stands for
};

struct Station {
  std::string stopId;  // of the first stop that became it
  std::string name;
  std::optional<double> lat, lon;
};

struct Trip {
  std::string id;
  std::string number;
  std::string routeClass;  // the route's long name when it names a class
  std::string service;
  std::string remark;
  int line = 0;
  bool runs = false;       // on the chosen day
  bool lineListing = false;  // a (全线) trip
};

struct StopTime {
  int trip;
  int stop;
  int sequence;
  int arrive;
  int depart;
  double distance;  // NaN when not given
  int line;
};

struct Frequency {
  int start, end, headway;
};

struct TrainStop {
  int station;
  int zhanci;
  int arrive, depart;  // seconds from the first departure's midnight
  int day;
  long long km;  // 0 at a later stop: unknown
};

struct Train {
  std::string idText;  // trip_id of the first trip
  bool fromFrequency = false;
  std::vector<std::string> numbers;
  int trip = 0;
  std::vector<TrainStop> stops;
};

class Importer {
 public:
  Importer(const FeedSource& feed, const Reference& ref, const ImportOptions& options)
      : feed_(feed), ref_(ref), options_(options) {}

  ImportSummary Run(const std::string& outFile);

 private:
  void Progress(int percent) const {
    if (options_.cancel && options_.cancel->load()) throw FeedCancelled();
    if (options_.progress) options_.progress(percent);
  }
  CsvReader Open(const std::string& name) const { return CsvReader(name, feed_.Read(name)); }
  void ReadFeedInfo();
  void ReadCalendar();
  void ReadStops();
  void ReadRoutes();
  void ReadTrips();
  Day ChooseDate();
  void ReadFrequencies();
  void ReadStopTimes();
  void BuildTrains();
  void AddTrain(int trip, const std::vector<const StopTime*>& rows, int shift, bool fromFrequency);
  void WriteDatabase(const std::string& outFile, ImportSummary& summary);

  const FeedSource& feed_;
  const Reference& ref_;
  const ImportOptions& options_;

  std::string version_;
  std::optional<Day> feedStart_, feedEnd_;
  ServiceCalendar calendar_;
  std::vector<Stop> stops_;
  std::unordered_map<std::string, int> stopIndex_;
  std::vector<Station> stations_;
  std::unordered_map<std::string, std::pair<std::string, std::string>> routes_;  // id -> short name, class
  std::vector<Trip> trips_;
  std::unordered_map<std::string, int> tripIndex_;
  std::multimap<int, Frequency> frequencies_;
  std::vector<StopTime> stopTimes_;
  bool tripHasDistance_ = false;
  Day date_ = 0;
  std::vector<Train> trains_;
  std::unordered_map<std::string, int> trainByStops_;
  int skippedLoops_ = 0;
};

void Importer::ReadFeedInfo() {
  if (!feed_.Has("feed_info.txt")) return;
  CsvReader csv = Open("feed_info.txt");
  const int version = csv.Column("feed_version");
  const int start = csv.Column("feed_start_date");
  const int end = csv.Column("feed_end_date");
  if (!csv.Next()) return;
  version_ = Flat(csv.Field(version));
  for (auto [column, target] : {std::pair{start, &feedStart_}, std::pair{end, &feedEnd_}}) {
    const std::string_view value = csv.Field(column);
    if (value.empty()) continue;
    *target = ParseFeedDate(value);
    if (!*target) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadDate, {value}));
  }
}

void Importer::ReadCalendar() {
  const bool weekly = feed_.Has("calendar.txt");
  const bool dated = feed_.Has("calendar_dates.txt");
  if (!weekly && !dated) throw FeedError("calendar.txt", 0, std::string(text::kGtfsNoCalendar));
  const auto date = [](const CsvReader& csv, int column) {
    const std::string_view value = csv.Field(column);
    const auto day = ParseFeedDate(value);
    if (!day) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadDate, {value}));
    return *day;
  };
  if (weekly) {
    CsvReader csv = Open("calendar.txt");
    const int service = csv.Require("service_id");
    static constexpr std::string_view kDays[7] = {"monday", "tuesday",  "wednesday", "thursday",
                                                  "friday", "saturday", "sunday"};
    int days[7];
    for (int i = 0; i < 7; ++i) days[i] = csv.Require(kDays[i]);
    const int start = csv.Require("start_date");
    const int end = csv.Require("end_date");
    std::unordered_map<std::string, int> seen;
    while (csv.Next()) {
      const std::string id(csv.Field(service));
      if (id.empty()) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsEmptyId, {"service_id"}));
      const auto [it, inserted] = seen.emplace(id, csv.Line());
      if (!inserted) {
        throw FeedError(csv.FileName(), csv.Line(),
                        text::Fill(text::kGtfsDuplicateId, {"service_id", id, std::to_string(it->second)}));
      }
      bool runs[7];
      for (int i = 0; i < 7; ++i) {
        const std::string_view v = csv.Field(days[i]);
        if (v != "0" && v != "1") throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadNumber, {kDays[i], v}));
        runs[i] = v == "1";
      }
      calendar_.AddWeekly(id, runs, date(csv, start), date(csv, end));
    }
  }
  if (dated) {
    CsvReader csv = Open("calendar_dates.txt");
    const int service = csv.Require("service_id");
    const int day = csv.Require("date");
    const int type = csv.Require("exception_type");
    while (csv.Next()) {
      const std::string id(csv.Field(service));
      if (id.empty()) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsEmptyId, {"service_id"}));
      const std::string_view t = csv.Field(type);
      if (t != "1" && t != "2") {
        throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadNumber, {"exception_type", t}));
      }
      calendar_.AddException(id, date(csv, day), t == "1");
    }
  }
}

void Importer::ReadStops() {
  CsvReader csv = Open("stops.txt");
  const int id = csv.Require("stop_id");
  const int name = csv.Require("stop_name");
  const int type = csv.Column("location_type");
  const int parent = csv.Column("parent_station");
  const int lat = csv.Column("stop_lat");
  const int lon = csv.Column("stop_lon");
  std::vector<std::string> names;
  std::vector<std::pair<std::optional<double>, std::optional<double>>> positions;
  std::vector<bool> isStation;
  while (csv.Next()) {
    Stop stop;
    stop.id = csv.Field(id);
    stop.line = csv.Line();
    if (stop.id.empty()) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsEmptyId, {"stop_id"}));
    const auto [it, inserted] = stopIndex_.emplace(stop.id, static_cast<int>(stops_.size()));
    if (!inserted) {
      throw FeedError(csv.FileName(), csv.Line(),
                      text::Fill(text::kGtfsDuplicateId, {"stop_id", stop.id, std::to_string(stops_[it->second].line)}));
    }
    stop.parentId = csv.Field(parent);
    std::pair<std::optional<double>, std::optional<double>> position;
    for (auto [column, target, bound, label] :
         {std::tuple{lat, &position.first, 90.0, "stop_lat"}, std::tuple{lon, &position.second, 180.0, "stop_lon"}}) {
      const std::string_view v = csv.Field(column);
      if (v.empty()) continue;
      *target = ParseDecimal(v);
      if (!*target || std::fabs(**target) > bound) {
        throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadNumber, {label, v}));
      }
    }
    if (!position.first || !position.second) position = {};
    const std::string_view t = csv.Field(type);
    isStation.push_back(t == "1" || stop.parentId.empty());
    names.emplace_back(csv.Field(name));
    positions.push_back(position);
    stops_.push_back(std::move(stop));
  }
  // A platform stands for its station: the parent, or the parent's parent.
  for (auto& stop : stops_) {
    if (stop.parentId.empty()) continue;
    const auto it = stopIndex_.find(stop.parentId);
    if (it == stopIndex_.end()) {
      throw FeedError("stops.txt", stop.line, text::Fill(text::kGtfsUnknownStop, {stop.parentId}));
    }
    stop.parent = it->second;
  }
  std::unordered_map<std::string, int> stationByName;  // lower-case name -> station
  for (size_t i = 0; i < stops_.size(); ++i) {
    int top = static_cast<int>(i);
    for (int depth = 0; !isStation[static_cast<size_t>(top)]; ++depth) {
      if (depth > 3) {
        throw FeedError("stops.txt", stops_[i].line, text::Fill(text::kGtfsParentNotStation, {stops_[i].parentId}));
      }
      top = stops_[static_cast<size_t>(top)].parent;
    }
    if (static_cast<size_t>(top) != i) continue;  // a platform; settled below
    const std::string stationName = StationName(names[i]);
    if (stationName.empty()) throw FeedError("stops.txt", stops_[i].line, std::string(text::kGtfsNoName));
    const auto [it, inserted] = stationByName.emplace(Lower(stationName), static_cast<int>(stations_.size()));
    if (inserted) stations_.push_back({stops_[i].id, Flat(stationName), positions[i].first, positions[i].second});
    Station& station = stations_[static_cast<size_t>(it->second)];
    if (!station.lat && positions[i].first) {
      station.lat = positions[i].first;
      station.lon = positions[i].second;
    }
    stops_[i].station = it->second;
  }
  for (auto& stop : stops_) {
    int top = stop.parent;
    while (top >= 0 && stops_[static_cast<size_t>(top)].station < 0) top = stops_[static_cast<size_t>(top)].parent;
    if (stop.station < 0 && top >= 0) stop.station = stops_[static_cast<size_t>(top)].station;
  }
}

void Importer::ReadRoutes() {
  CsvReader csv = Open("routes.txt");
  const int id = csv.Require("route_id");
  const int shortName = csv.Column("route_short_name");
  const int longName = csv.Column("route_long_name");
  std::unordered_map<std::string, int> lines;
  while (csv.Next()) {
    const std::string routeId(csv.Field(id));
    const auto [it, inserted] = lines.emplace(routeId, csv.Line());
    if (!inserted) {
      throw FeedError(csv.FileName(), csv.Line(),
                      text::Fill(text::kGtfsDuplicateId, {"route_id", routeId, std::to_string(it->second)}));
    }
    // A route named exactly as a class of the installed timetable (as the
    // program's own export names them) gives its trains that class.
    std::string routeClass;
    const std::string longText(csv.Field(longName));
    for (const auto& [kindId, kindName] : ref_.kinds) {
      if (!longText.empty() && kindName == longText) routeClass = longText;
    }
    routes_[routeId] = {Flat(csv.Field(shortName)), routeClass};
  }
}

void Importer::ReadTrips() {
  CsvReader csv = Open("trips.txt");
  const int route = csv.Require("route_id");
  const int service = csv.Require("service_id");
  const int id = csv.Require("trip_id");
  const int shortName = csv.Column("trip_short_name");
  const int remark = csv.Column("trip_remark");
  while (csv.Next()) {
    Trip trip;
    trip.id = csv.Field(id);
    trip.line = csv.Line();
    if (trip.id.empty()) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsEmptyId, {"trip_id"}));
    const auto [it, inserted] = tripIndex_.emplace(trip.id, static_cast<int>(trips_.size()));
    if (!inserted) {
      throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsDuplicateId, {"trip_id", trip.id, std::to_string(trips_[static_cast<size_t>(it->second)].line)}));
    }
    const std::string routeId(csv.Field(route));
    const auto r = routes_.find(routeId);
    if (r == routes_.end()) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsUnknownRoute, {routeId}));
    trip.service = csv.Field(service);
    if (!calendar_.Knows(trip.service)) {
      throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsUnknownService, {trip.service}));
    }
    trip.number = Flat(csv.Field(shortName));
    if (trip.number.empty()) trip.number = r->second.first;
    if (trip.number.empty()) trip.number = Flat(trip.id);
    trip.routeClass = r->second.second;
    trip.remark = Flat(csv.Field(remark));
    for (std::string_view mark : {"(全线)", "（全线）"}) {
      if (trip.number.size() >= mark.size() && trip.number.compare(trip.number.size() - mark.size(), mark.size(), mark) == 0) {
        trip.lineListing = true;
      }
    }
    trips_.push_back(std::move(trip));
  }
}

Day Importer::ChooseDate() {
  std::set<std::string> services;
  for (const auto& trip : trips_) {
    if (!trip.lineListing) services.insert(trip.service);
  }
  const auto anyRuns = [&](Day day) {
    for (const auto& s : services) {
      if (calendar_.Runs(s, day)) return true;
    }
    return false;
  };
  const auto span = calendar_.ServedSpan();
  // The first and last day any train runs.
  std::optional<std::pair<Day, Day>> served;
  if (span) {
    for (Day d = span->first; d <= span->second; ++d) {
      if (anyRuns(d)) {
        if (!served) served.emplace(d, d);
        served->second = d;
      }
    }
  }
  const std::string calendarFile = feed_.Has("calendar.txt") ? "calendar.txt" : "calendar_dates.txt";
  if (!served) throw FeedError(calendarFile, 0, std::string(text::kGtfsNoServiceAtAll));
  if (options_.date) {
    if (!anyRuns(*options_.date)) {
      throw FeedError(calendarFile, 0,
                      text::Fill(text::kGtfsDateNotServed,
                                 {IsoDate(*options_.date), IsoDate(served->first), IsoDate(served->second)}));
    }
    return *options_.date;
  }
  return anyRuns(options_.today) ? options_.today : served->first;
}

void Importer::ReadFrequencies() {
  if (!feed_.Has("frequencies.txt")) return;
  CsvReader csv = Open("frequencies.txt");
  const int trip = csv.Require("trip_id");
  const int start = csv.Require("start_time");
  const int end = csv.Require("end_time");
  const int headway = csv.Require("headway_secs");
  while (csv.Next()) {
    const std::string tripId(csv.Field(trip));
    const auto it = tripIndex_.find(tripId);
    if (it == tripIndex_.end()) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsUnknownTrip, {tripId}));
    Frequency f{};
    for (auto [column, target] : {std::pair{start, &f.start}, std::pair{end, &f.end}}) {
      const auto t = ParseTime(csv.Field(column));
      if (!t || *t == kNoTime) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadTime, {csv.Field(column)}));
      *target = *t;
    }
    const auto h = ParseDecimal(csv.Field(headway));
    if (!h || *h < 60 || *h != std::floor(*h) || *h > kDaySeconds) {
      throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadNumber, {"headway_secs", csv.Field(headway)}));
    }
    f.headway = static_cast<int>(*h);
    frequencies_.emplace(it->second, f);
  }
}

void Importer::ReadStopTimes() {
  CsvReader csv = Open("stop_times.txt");
  const int trip = csv.Require("trip_id");
  const int stop = csv.Require("stop_id");
  const int sequence = csv.Require("stop_sequence");
  const int arrive = csv.Require("arrival_time");
  const int depart = csv.Require("departure_time");
  const int distance = csv.Column("shape_dist_traveled");
  int rows = 0;
  while (csv.Next()) {
    if (++rows % 8192 == 0) Progress(30);
    const std::string_view tripId = csv.Field(trip);
    const auto t = tripIndex_.find(std::string(tripId));
    if (t == tripIndex_.end()) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsUnknownTrip, {tripId}));
    const std::string_view stopId = csv.Field(stop);
    const auto s = stopIndex_.find(std::string(stopId));
    if (s == stopIndex_.end()) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsUnknownStop, {stopId}));
    StopTime row{t->second, s->second, 0, 0, 0, std::nan(""), csv.Line()};
    const auto seq = ParseDecimal(csv.Field(sequence));
    if (!seq || *seq < 0 || *seq != std::floor(*seq) || *seq > schema::kLargestNumber) {
      throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadNumber, {"stop_sequence", csv.Field(sequence)}));
    }
    row.sequence = static_cast<int>(*seq);
    for (auto [column, target] : {std::pair{arrive, &row.arrive}, std::pair{depart, &row.depart}}) {
      const auto time = ParseTime(csv.Field(column));
      if (!time) throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadTime, {csv.Field(column)}));
      *target = *time;
    }
    if (row.arrive == kNoTime && row.depart == kNoTime) {
      throw FeedError(csv.FileName(), csv.Line(), std::string(text::kGtfsNoTime));
    }
    const std::string_view km = csv.Field(distance);
    if (!km.empty()) {
      const auto value = ParseDecimal(km);
      if (!value || *value < 0) {
        throw FeedError(csv.FileName(), csv.Line(), text::Fill(text::kGtfsBadNumber, {"shape_dist_traveled", km}));
      }
      row.distance = *value;
    }
    const Trip& owner = trips_[static_cast<size_t>(row.trip)];
    if (owner.runs && !owner.lineListing) stopTimes_.push_back(row);
  }
}

void Importer::BuildTrains() {
  std::stable_sort(stopTimes_.begin(), stopTimes_.end(), [](const StopTime& a, const StopTime& b) {
    return a.trip != b.trip ? a.trip < b.trip : a.sequence < b.sequence;
  });
  std::vector<const StopTime*> rows;
  for (size_t i = 0; i < stopTimes_.size();) {
    size_t j = i;
    rows.clear();
    while (j < stopTimes_.size() && stopTimes_[j].trip == stopTimes_[i].trip) rows.push_back(&stopTimes_[j++]);
    i = j;
    for (size_t k = 1; k < rows.size(); ++k) {
      if (rows[k]->sequence == rows[k - 1]->sequence) {
        throw FeedError("stop_times.txt", rows[k]->line,
                        text::Fill(text::kGtfsDuplicateId,
                                   {"stop_sequence", std::to_string(rows[k]->sequence), std::to_string(rows[k - 1]->line)}));
      }
    }
    const int trip = rows.front()->trip;
    const auto [first, last] = frequencies_.equal_range(trip);
    if (first == last) {
      AddTrain(trip, rows, 0, false);
      continue;
    }
    const int start = rows.front()->depart != kNoTime ? rows.front()->depart : rows.front()->arrive;
    for (auto f = first; f != last; ++f) {
      for (int departure = f->second.start; departure < f->second.end; departure += f->second.headway) {
        AddTrain(trip, rows, departure - start, true);
      }
    }
  }
}

void Importer::AddTrain(int tripIndex, const std::vector<const StopTime*>& rows, int shift, bool fromFrequency) {
  const Trip& trip = trips_[static_cast<size_t>(tripIndex)];
  if (rows.size() < 2) return;  // a train runs between two stations at least
  Train train;
  train.idText = trip.id;
  train.fromFrequency = fromFrequency;
  train.numbers.push_back(trip.number);
  train.trip = tripIndex;
  std::set<int> called;
  bool loop = false;
  int lastTime = -1;
  std::string lastText;
  // Distances: from shape_dist_traveled when the trip gives any, otherwise
  // the installed timetable's section lengths.
  bool given = false;
  for (const auto* r : rows) given = given || !std::isnan(r->distance);
  const double base = given && !std::isnan(rows.front()->distance) ? rows.front()->distance : 0;
  double sum = 0;
  bool sumKnown = true;
  long long farthest = 0;
  int baseDay = 0;
  for (size_t k = 0; k < rows.size(); ++k) {
    const StopTime& r = *rows[k];
    int arrive = r.arrive == kNoTime ? r.depart : r.arrive;
    int depart = r.depart == kNoTime ? r.arrive : r.depart;
    if (k == 0) arrive = depart;
    if (k + 1 == rows.size()) depart = arrive;
    for (const auto& [time, text] : {std::pair{arrive, r.arrive == kNoTime ? r.depart : r.arrive},
                                     std::pair{depart, r.depart == kNoTime ? r.arrive : r.depart}}) {
      if (time < lastTime) {
        throw FeedError("stop_times.txt", r.line, text::Fill(text::kGtfsBackwards, {TimeText(text), lastText}));
      }
      lastTime = time;
      lastText = TimeText(text);
    }
    arrive += shift;
    depart += shift;
    if (k == 0) baseDay = depart / kDaySeconds;
    TrainStop stop{};
    stop.station = stops_[static_cast<size_t>(r.stop)].station;
    // Stops counted from 1 keep their numbers, gaps and all (a gap is a stop
    // left out, which the detail window counts); others are numbered 1, 2, ...
    stop.zhanci = rows.front()->sequence == 1 ? r.sequence : static_cast<int>(k) + 1;
    stop.arrive = arrive;
    stop.depart = depart;
    stop.day = arrive / kDaySeconds - baseDay;
    if (stop.day >= static_cast<int>(text::kDayLabels.size())) {
      throw FeedError("stop_times.txt", r.line, std::string(text::kGtfsTooManyDays));
    }
    if (!called.insert(stop.station).second) loop = true;
    if (k > 0) {
      double km = -1;
      if (given) {
        if (!std::isnan(r.distance)) km = (r.distance - base) * options_.kmPerDistanceUnit;
      } else {
        const double section =
            sumKnown ? ref_.Section(stations_[static_cast<size_t>(train.stops.back().station)].name,
                                    stations_[static_cast<size_t>(stop.station)].name)
                     : -1;
        sumKnown = section > 0;
        if (sumKnown) {
          sum += section;
          km = sum;
        }
      }
      const long long rounded = km > 0 ? std::llround(km) : 0;
      // A stop that does not lie beyond every earlier one has no distance.
      if (rounded > farthest && rounded <= schema::kLargestNumber) {
        stop.km = rounded;
        farthest = rounded;
      }
    }
    train.stops.push_back(stop);
  }
  if (loop) {
    ++skippedLoops_;
    return;
  }
  // The same stops at the same times under another number: one train.
  std::string key;
  key.reserve(train.stops.size() * 16);
  for (const auto& s : train.stops) {
    key += std::to_string(s.station) + ':' + std::to_string(s.arrive) + ':' + std::to_string(s.depart) + ';';
  }
  const auto [it, inserted] = trainByStops_.emplace(std::move(key), static_cast<int>(trains_.size()));
  if (!inserted) {
    auto& numbers = trains_[static_cast<size_t>(it->second)].numbers;
    if (std::find(numbers.begin(), numbers.end(), trip.number) == numbers.end()) numbers.push_back(trip.number);
    return;
  }
  trains_.push_back(std::move(train));
}

// Ids: a whole number the feed gives, when free; the rest after the largest.
template <typename Item, typename IdOf>
std::vector<long long> AssignIds(const std::vector<Item>& items, IdOf idOf) {
  std::vector<long long> ids(items.size(), 0);
  std::set<long long> taken;
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string& text = idOf(items[i]);
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc() && end == text.data() + text.size() && value >= 1 && value <= schema::kLargestNumber &&
        taken.insert(value).second) {
      ids[i] = value;
    }
  }
  long long next = taken.empty() ? 1 : *taken.rbegin() + 1;
  for (auto& id : ids) {
    if (id == 0) id = next++;
  }
  return ids;
}

class TableWriter {
 public:
  TableWriter(const fs::path& dir, std::string_view table) : table_(schema::FindTable(table)) {
    out_.open(dir / (std::string(table) + ".tsv"), std::ios::binary);
    for (size_t c = 0; c < table_->columns.size(); ++c) out_ << (c ? "\t" : "") << table_->columns[c].name;
    out_ << '\n';
  }
  // A row from values by column name; columns not given are empty.
  void Row(const std::vector<std::pair<std::string_view, std::string>>& values) {
    for (size_t c = 0; c < table_->columns.size(); ++c) {
      if (c) out_ << '\t';
      for (const auto& [name, value] : values) {
        if (name == table_->columns[c].name) out_ << Flat(value);
      }
    }
    out_ << '\n';
  }
  // A row in the table's column order.
  void Row(const std::vector<std::string>& values) {
    for (size_t c = 0; c < table_->columns.size(); ++c) out_ << (c ? "\t" : "") << (c < values.size() ? Flat(values[c]) : "");
    out_ << '\n';
  }
  void Close() {
    out_.close();
    if (!out_) throw DatabaseError(text::kGtfsCannotWriteTemporary.str());
  }

 private:
  const schema::Table* table_;
  std::ofstream out_;
};

// A folder of its own in the system's temporary folder, removed with it.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "kestrelway-gtfs-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw DatabaseError(text::Fill(text::kGtfsCannotMakeFolder, {pattern}));
    path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

void Importer::WriteDatabase(const std::string& outFile, ImportSummary& summary) {
  TemporaryFolder folder;
  const fs::path& dir = folder.Path();
  // Every station of the feed, in its order, whether or not a train of the
  // day calls there.
  const std::vector<Station>& kept = stations_;
  const auto stationIds = AssignIds(kept, [](const Station& s) -> const std::string& { return s.stopId; });
  {
    TableWriter w(dir, "station");
    for (size_t i = 0; i < kept.size(); ++i) {
      const Station& s = kept[i];
      std::string jm, py;
      const auto known = ref_.stations.find(s.name);
      if (known != ref_.stations.end()) {
        jm = known->second.jm;
        py = known->second.py;
      }
      if (jm.empty() || py.empty()) {
        const NamePinyin spelled = SpellName(s.name);
        if (jm.empty()) jm = spelled.jm;
        if (py.empty()) py = spelled.py;
      }
      w.Row({{"id", std::to_string(stationIds[i])},
             {"station", s.name},
             {"jm", jm},
             {"py", py},
             {"lat", s.lat ? Number(*s.lat) : ""},
             {"lon", s.lon ? Number(*s.lon) : ""}});
    }
    w.Close();
  }
  // Classes: the installed timetable's, and any the feed needs beyond them.
  std::vector<std::vector<std::string>> kinds = ref_.copied.at("kind");
  std::map<std::string, long long> kindByName;
  long long lastKind = 0;
  for (const auto& [id, name] : ref_.kinds) {
    kindByName.emplace(name, id);
    lastKind = std::max<long long>(lastKind, id);
  }
  const auto trainIds = AssignIds(trains_, [](const Train& t) -> const std::string& {
    static const std::string none;
    return t.fromFrequency ? none : t.idText;
  });
  {
    TableWriter trains(dir, "train");
    TableWriter pass(dir, "pass");
    // The feed's span: feed_info's, else the days the services run.
    std::optional<std::pair<Day, Day>> span = calendar_.ServedSpan();
    if (feedStart_ && feedEnd_) span.emplace(*feedStart_, *feedEnd_);
    std::map<std::string, bool> daily;
    for (size_t i = 0; i < trains_.size(); ++i) {
      const Train& t = trains_[i];
      const Trip& trip = trips_[static_cast<size_t>(t.trip)];
      std::string number;
      for (const auto& n : t.numbers) number += (number.empty() ? "" : "/") + n;
      const std::string className = trip.routeClass.empty() ? ClassOfNumber(number) : trip.routeClass;
      auto kind = kindByName.find(className);
      if (kind == kindByName.end()) {
        kind = kindByName.emplace(className, ++lastKind).first;
        kinds.push_back({std::to_string(lastKind), className, ""});
      }
      auto runsDaily = daily.find(trip.service);
      if (runsDaily == daily.end()) {
        runsDaily = daily.emplace(trip.service, span && calendar_.RunsEveryDay(trip.service, span->first, span->second)).first;
      }
      std::string memo = trip.remark;
      if (!runsDaily->second && memo.find(text::kGtfsNotDaily) == std::string::npos) {
        memo += (memo.empty() ? "" : "，") + std::string(text::kGtfsNotDaily);
      }
      const std::string id = std::to_string(trainIds[i]);
      const TrainStop& first = t.stops.front();
      const TrainStop& last = t.stops.back();
      const auto stationId = [&](int station) {
        return std::to_string(stationIds[static_cast<size_t>(station)]);
      };
      trains.Row({{"id", id},
                  {"train", number},
                  {"kind", std::to_string(kind->second)},
                  {"fstation", stationId(first.station)},
                  {"estation", stationId(last.station)},
                  {"ftime", StoredTime(first.depart)},
                  {"etime", StoredTime(last.arrive)},
                  {"day", std::to_string(last.day)},
                  // The farthest known stop: the last one's distance may be unknown.
                  {"distance", std::to_string(std::max_element(t.stops.begin(), t.stops.end(),
                                                               [](const TrainStop& a, const TrainStop& b) {
                                                                 return a.km < b.km;
                                                               })->km)},
                  {"memo", memo}});
      for (size_t k = 0; k < t.stops.size(); ++k) {
        const TrainStop& s = t.stops[k];
        pass.Row({{"trainid", id},
                  {"station", stationId(s.station)},
                  {"zhanci", std::to_string(s.zhanci)},
                  {"arrive", StoredTime(s.arrive)},
                  {"depart", StoredTime(s.depart)},
                  {"day", std::to_string(s.day)},
                  {"distance", std::to_string(s.km)}});
      }
      summary.stops += static_cast<int>(t.stops.size());
    }
    trains.Close();
    pass.Close();
  }
  {
    TableWriter w(dir, "kind");
    for (const auto& row : kinds) w.Row(row);
    w.Close();
  }
  for (const char* table : {"price", "everyday"}) {
    TableWriter w(dir, table);
    for (const auto& row : ref_.copied.at(table)) w.Row(row);
    w.Close();
  }
  {
    TableWriter w(dir, "VerID");
    w.Row({summary.version});
    w.Close();
  }
  Progress(80);
  BuildDatabase(dir.string(), outFile, PasswordFromConnectString(kConnectString));
  summary.stations = static_cast<int>(kept.size());
  summary.trains = static_cast<int>(trains_.size());
}

ImportSummary Importer::Run(const std::string& outFile) {
  Progress(0);
  ReadFeedInfo();
  ReadCalendar();
  Progress(5);
  ReadStops();
  Progress(10);
  ReadRoutes();
  ReadTrips();
  date_ = ChooseDate();
  for (auto& trip : trips_) trip.runs = calendar_.Runs(trip.service, date_);
  ReadFrequencies();
  Progress(15);
  ReadStopTimes();
  Progress(55);
  BuildTrains();
  Progress(65);
  ImportSummary summary;
  summary.date = IsoDate(date_);
  std::string version = version_.empty() ? summary.date : version_;
  if (version.size() < text::kGtfsVersionMark.size() ||
      version.compare(version.size() - text::kGtfsVersionMark.size(), std::string::npos, text::kGtfsVersionMark) != 0) {
    version += text::kGtfsVersionMark;
  }
  summary.version = version;
  summary.skippedLoops = skippedLoops_;
  WriteDatabase(outFile, summary);
  Progress(100);
  return summary;
}

}  // namespace

ImportSummary ImportFeed(const std::string& feedPath, const Reference& reference, const ImportOptions& options,
                         const std::string& outFile) {
  const auto feed = FeedSource::Open(feedPath, options.limits);
  // Stops and the rest read first, so that a missing file is told before
  // the long reads.
  for (const char* name : {"stops.txt", "routes.txt", "trips.txt", "stop_times.txt"}) {
    if (!feed->Has(name)) throw FeedError(name, 0, std::string(text::kGtfsMissingFile));
  }
  Importer importer(*feed, reference, options);
  return importer.Run(outFile);
}

}  // namespace kw::gtfs
