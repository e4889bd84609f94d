#include "query/TimetableTime.h"

#include <cmath>
#include <cstdio>

#include "store/CoreStrings.h"

namespace kw {

int ToHhmm(double value) { return static_cast<int>(std::lround(value * 100.0)); }

std::string FormatTime(std::optional<double> value) {
  if (!value) return "0";
  const int hhmm = ToHhmm(*value);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", hhmm / 100, hhmm % 100);
  return text;
}

namespace {

// Leading decimal digits of a box's text as a number; empty text is 0.
int BoxNumber(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 9999) break;
  }
  return value;
}

}  // namespace

int WindowBound(std::string_view hourText, std::string_view minuteText) {
  return BoxNumber(hourText) * 100 + BoxNumber(minuteText);
}

std::string DayLabel(int offset) {
  if (offset < 0 || offset >= static_cast<int>(text::kDayLabels.size())) return {};
  return std::string(text::kDayLabels[offset]);
}

std::string RunningTimeText(int departHhmm, int arriveHhmm, int dayOffset) {
  const int total = HhmmToMinutes(arriveHhmm) - HhmmToMinutes(departHhmm) + 1440 * dayOffset;
  // Floor division, so that minutes stay 0..59 even for a negative total.
  int hours = total / 60;
  if (total % 60 != 0 && total < 0) --hours;
  const int minutes = total - 60 * hours;
  if (minutes == 0) return text::Fill(text::kHoursOnly, {std::to_string(hours)});
  if (hours == 0) return text::Fill(text::kMinutesOnly, {std::to_string(minutes)});
  char mm[16];
  std::snprintf(mm, sizeof mm, "%02d", minutes);
  return text::Fill(text::kHoursMinutes, {std::to_string(hours), mm});
}

}  // namespace kw
