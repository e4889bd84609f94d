#include "query/TimetableTime.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(TimetableTime, FormatsAndConvertsTheStoredNumber) {
  // One decimal is tens of minutes (8.5 is 08:50); 8.3, 8.29 and 0.07 are not exact in binary.
  const std::pair<double, const char*> formats[] = {{8.0, "08:00"},  {12.0, "12:00"},  {8.3, "08:30"},
                                                    {8.05, "08:05"}, {23.59, "23:59"}, {0.4, "00:40"},
                                                    {8.5, "08:50"},  {13.1, "13:10"},  {0.0, "00:00"}};
  for (const auto& [stored, text] : formats) EXPECT_EQ(FormatTime(stored), text) << stored;
  EXPECT_EQ(FormatTime(std::nullopt), "0");
  const std::pair<double, int> hhmm[] = {
      {8.3, 830}, {8.29, 829}, {0.07, 7}, {23.59, 2359}, {8 + 30 / 100.0, 830}};
  for (const auto& [stored, expected] : hhmm) EXPECT_EQ(ToHhmm(stored), expected) << stored;
}

TEST(TimetableTime, WindowBoundAndDayLabel) {
  // Minutes alone are greater than 0, so they apply; 0 is no bound.
  const std::tuple<const char*, const char*, int> bounds[] = {
      {"8", "5", 805}, {"8", "30", 830}, {"", "30", 30}, {"0", "0", 0}, {"", "", 0}, {"18", "", 1800}};
  for (const auto& [hours, minutes, bound] : bounds)
    EXPECT_EQ(WindowBound(hours, minutes), bound) << hours << minutes;
  const std::pair<int, const char*> labels[] = {{0, " "},      {1, "次日"}, {2, "第三日"},
                                                {7, "第八日"}, {8, ""},     {-1, ""}};
  for (const auto& [offset, label] : labels) EXPECT_EQ(DayLabel(offset), label) << offset;
}

TEST(TimetableTime, RunningTimeIncludingAcrossMidnight) {
  const std::tuple<int, int, int, const char*> cases[] = {
      {800, 2000, 0, "12小时"},      {800, 2005, 0, "12小时05分钟"}, {800, 2050, 0, "12小时50分钟"},
      {800, 850, 0, "50分钟"},       {800, 805, 0, "5分钟"},         {800, 930, 0, "1小时30分钟"},
      {2210, 600, 1, "7小时50分钟"}, {2330, 110, 1, "1小时40分钟"},  {1000, 1000, 2, "48小时"}};
  for (const auto& [depart, arrive, days, text] : cases)
    EXPECT_EQ(RunningTimeText(depart, arrive, days), text);
}

}  // namespace
}  // namespace kw
