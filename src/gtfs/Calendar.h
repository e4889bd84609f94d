// Dates of a GTFS feed and the days its services run on.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw::gtfs {

// A calendar day as days since 1970-01-01.
using Day = int;

Day DayFromCivil(int year, int month, int day);
// "20261207" -> the day; nullopt unless a real date.
std::optional<Day> ParseFeedDate(std::string_view text);
// "2026-12-07" -> the day; nullopt unless a real date.
std::optional<Day> ParseIsoDate(std::string_view text);
std::string IsoDate(Day day);   // 2026-12-07
std::string FeedDate(Day day);  // 20261207
// 0 Monday .. 6 Sunday.
int Weekday(Day day);
// Today, in China's time (UTC+8), where the timetables run.
Day Today();

// The services of calendar.txt and calendar_dates.txt.
class ServiceCalendar {
 public:
  // A weekly pattern (calendar.txt): weekdays[0] Monday .. [6] Sunday.
  void AddWeekly(const std::string& service, const bool weekdays[7], Day start, Day end);
  // An exception (calendar_dates.txt): added (1) or removed (2).
  void AddException(const std::string& service, Day day, bool added);

  bool Knows(const std::string& service) const { return services_.count(service) > 0; }
  bool Runs(const std::string& service, Day day) const;
  // Whether the service runs on every day from `first` to `last`.
  bool RunsEveryDay(const std::string& service, Day first, Day last) const;
  // The first and last day any service runs; nullopt when none ever does.
  std::optional<std::pair<Day, Day>> ServedSpan() const;

 private:
  struct Service {
    bool weekly = false;
    bool weekdays[7] = {};
    Day start = 0;
    Day end = -1;
    std::map<Day, bool> exceptions;  // day -> added
  };
  std::map<std::string, Service> services_;
};

}  // namespace kw::gtfs
