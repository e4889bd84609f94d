#include "query/TimetableTime.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(FormatTime, WritesHourAndMinutesFromTheStoredNumber) {
  EXPECT_EQ(FormatTime(8.0), "08:00");
  EXPECT_EQ(FormatTime(12.0), "12:00");
  EXPECT_EQ(FormatTime(8.3), "08:30");
  EXPECT_EQ(FormatTime(8.05), "08:05");
  EXPECT_EQ(FormatTime(23.59), "23:59");
  EXPECT_EQ(FormatTime(0.4), "00:40");
  EXPECT_EQ(FormatTime(10.0), "10:00");
  EXPECT_EQ(FormatTime(9.0), "09:00");
}

TEST(FormatTime, OneDecimalIsTensOfMinutes) {
  EXPECT_EQ(FormatTime(8.5), "08:50");
  EXPECT_EQ(FormatTime(13.1), "13:10");
}

TEST(FormatTime, ZeroAndMissing) {
  EXPECT_EQ(FormatTime(0.0), "00:00");
  EXPECT_EQ(FormatTime(std::nullopt), "0");
}

TEST(ToHhmm, SurvivesBinaryFractions) {
  // 8.3, 8.29 and 0.07 are not exact in binary; hhmm must still be exact.
  EXPECT_EQ(ToHhmm(8.3), 830);
  EXPECT_EQ(ToHhmm(8.29), 829);
  EXPECT_EQ(ToHhmm(0.07), 7);
  EXPECT_EQ(ToHhmm(23.59), 2359);
  EXPECT_EQ(ToHhmm(8 + 30 / 100.0), ToHhmm(8.3));
}

TEST(WindowBound, CombinesHourAndMinuteBoxes) {
  EXPECT_EQ(WindowBound("8", "5"), 805);
  EXPECT_EQ(WindowBound("8", "30"), 830);
  EXPECT_EQ(WindowBound("", "30"), 30);  // greater than 0, so it applies
  EXPECT_EQ(WindowBound("0", "0"), 0);    // no bound
  EXPECT_EQ(WindowBound("", ""), 0);
  EXPECT_EQ(WindowBound("18", ""), 1800);
}

TEST(DayLabel, NamesEachDayOffset) {
  EXPECT_EQ(DayLabel(0), " ");
  EXPECT_EQ(DayLabel(1), "次日");
  EXPECT_EQ(DayLabel(2), "第三日");
  EXPECT_EQ(DayLabel(7), "第八日");
  EXPECT_EQ(DayLabel(8), "");
  EXPECT_EQ(DayLabel(-1), "");
}

TEST(ParseTimetableTime, AcceptsTheStoredEncodingOnly) {
  EXPECT_EQ(ToHhmm(*ParseTimetableTime("8.3")), 830);
  EXPECT_EQ(ToHhmm(*ParseTimetableTime("8.03")), 803);
  EXPECT_EQ(ToHhmm(*ParseTimetableTime("8")), 800);
  EXPECT_EQ(ToHhmm(*ParseTimetableTime("0.45")), 45);
  EXPECT_EQ(ToHhmm(*ParseTimetableTime(".4")), 40);
  EXPECT_EQ(ToHhmm(*ParseTimetableTime("23.59")), 2359);
  for (const char* bad : {"24", "8.6", "8.60", "8.305", "8:30", "", ".", "8.", "-1", "a", "123"}) {
    EXPECT_FALSE(ParseTimetableTime(bad).has_value()) << bad;
  }
}

TEST(RunningTimeText, HoursAndMinutes) {
  EXPECT_EQ(RunningTimeText(800, 2000, 0), "12小时");
  EXPECT_EQ(RunningTimeText(800, 2005, 0), "12小时05分钟");
  EXPECT_EQ(RunningTimeText(800, 2050, 0), "12小时50分钟");
  EXPECT_EQ(RunningTimeText(800, 850, 0), "50分钟");
  EXPECT_EQ(RunningTimeText(800, 805, 0), "5分钟");
  EXPECT_EQ(RunningTimeText(800, 930, 0), "1小时30分钟");
}

TEST(RunningTimeText, AcrossMidnight) {
  EXPECT_EQ(RunningTimeText(2210, 600, 1), "7小时50分钟");
  EXPECT_EQ(RunningTimeText(2330, 110, 1), "1小时40分钟");
  EXPECT_EQ(RunningTimeText(1000, 1000, 2), "48小时");
}

}  // namespace
}  // namespace kw
