#include "gtfs/Calendar.h"

#include <charconv>
#include <chrono>
#include <cstdio>

namespace kw::gtfs {

Day DayFromCivil(int y, int m, int d) {
  // Days from civil (proleptic Gregorian), after H. Hinnant.
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

namespace {

void CivilFromDay(Day z, int& y, int& m, int& d) {
  z += 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = z - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = yoe + era * 400 + (m <= 2);
}

std::optional<int> Digits(std::string_view text) {
  int value = 0;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::optional<Day> Checked(std::optional<int> y, std::optional<int> m, std::optional<int> d) {
  if (!y || !m || !d || *y < 1900 || *y > 9999 || *m < 1 || *m > 12 || *d < 1 || *d > 31) return std::nullopt;
  const Day day = DayFromCivil(*y, *m, *d);
  int yy, mm, dd;
  CivilFromDay(day, yy, mm, dd);
  if (mm != *m || dd != *d) return std::nullopt;  // 31 February
  return day;
}

}  // namespace

std::optional<Day> ParseFeedDate(std::string_view t) {
  if (t.size() != 8) return std::nullopt;
  return Checked(Digits(t.substr(0, 4)), Digits(t.substr(4, 2)), Digits(t.substr(6, 2)));
}

std::optional<Day> ParseIsoDate(std::string_view t) {
  if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
  return Checked(Digits(t.substr(0, 4)), Digits(t.substr(5, 2)), Digits(t.substr(8, 2)));
}

std::string IsoDate(Day day) {
  int y, m, d;
  CivilFromDay(day, y, m, d);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", y, m, d);
  return buffer;
}

std::string FeedDate(Day day) {
  int y, m, d;
  CivilFromDay(day, y, m, d);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", y, m, d);
  return buffer;
}

int Weekday(Day day) {
  // 1970-01-01 was a Thursday (3).
  return ((day % 7) + 7 + 3) % 7;
}

Day Today() {
  const auto now = std::chrono::system_clock::now() + std::chrono::hours(8);
  return static_cast<Day>(std::chrono::floor<std::chrono::days>(now).time_since_epoch().count());
}

void ServiceCalendar::AddWeekly(const std::string& service, const bool weekdays[7], Day start, Day end) {
  Service& s = services_[service];
  s.weekly = true;
  for (int i = 0; i < 7; ++i) s.weekdays[i] = weekdays[i];
  s.start = start;
  s.end = end;
}

void ServiceCalendar::AddException(const std::string& service, Day day, bool added) {
  services_[service].exceptions[day] = added;
}

bool ServiceCalendar::Runs(const std::string& service, Day day) const {
  const auto it = services_.find(service);
  if (it == services_.end()) return false;
  const Service& s = it->second;
  const auto e = s.exceptions.find(day);
  if (e != s.exceptions.end()) return e->second;
  return s.weekly && day >= s.start && day <= s.end && s.weekdays[Weekday(day)];
}

bool ServiceCalendar::RunsEveryDay(const std::string& service, Day first, Day last) const {
  for (Day d = first; d <= last; ++d) {
    if (!Runs(service, d)) return false;
  }
  return true;
}

std::optional<std::pair<Day, Day>> ServiceCalendar::ServedSpan() const {
  std::optional<std::pair<Day, Day>> span;
  const auto take = [&](Day d) {
    if (!span) {
      span.emplace(d, d);
    } else {
      span->first = std::min(span->first, d);
      span->second = std::max(span->second, d);
    }
  };
  for (const auto& [name, s] : services_) {
    if (s.weekly) {
      // The first and last day of the pattern that it really runs on.
      for (Day d = s.start; d <= s.end && d < s.start + 7; ++d) {
        if (Runs(name, d)) {
          take(d);
          break;
        }
      }
      for (Day d = s.end; d >= s.start && d > s.end - 7; --d) {
        if (Runs(name, d)) {
          take(d);
          break;
        }
      }
    }
    for (const auto& [day, added] : s.exceptions) {
      if (added) take(day);
    }
  }
  return span;
}

}  // namespace kw::gtfs
