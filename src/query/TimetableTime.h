// Timetable times. The database keeps a clock time as a number whose whole
// part is the hour and whose first two decimals are the minutes: 8.3 is 08:30,
// 8.05 is 08:05, 8 is 08:00. Such numbers are never compared as floating
// point: both sides become whole hhmm first (8.3 -> 830).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kw {

// The stored number as whole hhmm (8.3 -> 830, 0.4 -> 40).
int ToHhmm(double value);

// Whole hhmm as minutes after midnight (830 -> 510).
constexpr int HhmmToMinutes(int hhmm) { return hhmm / 100 * 60 + hhmm % 100; }

// "hh:mm" text of a stored time: 8 -> 08:00, 8.3 -> 08:30, 8.05 -> 08:05,
// 0 -> 00:00. A missing value (database Null) gives "0".
std::string FormatTime(std::optional<double> value);

// The hhmm bound of a search window from the panel's hour and minute boxes
// (empty box = 0): hour 8, minute 5 -> 805; hour 8, minute 30 -> 830. 0 means
// no bound.
int WindowBound(std::string_view hourText, std::string_view minuteText);

// The text put before an arrival time for a day offset: " " on the same day,
// "次日" the next day, "第三日" ... "第八日". Empty for offsets outside 0..7.
std::string DayLabel(int offset);

// Running time between a departure and an arrival hhmm, `dayOffset` days
// later, as "12小时", "12小时05分钟" or "50分钟".
std::string RunningTimeText(int departHhmm, int arriveHhmm, int dayOffset);

}  // namespace kw
