// The texts of journeys as the journey window and the command-line tool show
// them. Times are counted from midnight of the journey's departure day.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "journey/JourneySearch.h"
#include "query/Fares.h"

namespace kw {

class Database;

// "hh:mm" of the time of day.
std::string ClockText(int minutes);
// The day label of the day the time falls on, then the time of day: " 08:30"
// on the departure day, "次日07:40" on the next, "第三日" .. "第八日", and on
// from there "第九日", "第十日", "第十一日" ...
std::string DayTimeText(int minutes);
// As the detail window writes a running time: "12小时", "12小时05分钟", "50分钟".
std::string DurationText(int minutes);

struct JourneyLegTexts {
  int trainId = 0;
  std::string number;   // "K21"
  std::string caption;  // " K21次(甲---乙)特快列车", as a station-search row
  std::string board;    // station names
  std::string alight;
  std::string boardText;    // DayTimeText of the departure
  std::string alightText;   // DayTimeText of the arrival
  std::string runningText;  // DurationText of the ride
  std::string waitText;     // DurationText of the wait before it; empty on the first leg
};

struct JourneyTexts {
  std::string departure;  // ClockText
  std::string arrival;    // DayTimeText
  std::string duration;   // DurationText
  std::string changes;    // "0", "1", "2"
  std::string trains;     // numbers joined: "K21→T5"
  std::string transfers;  // each change station with its wait: "西安(1小时05分钟)、郑州(45分钟)"
  std::vector<JourneyLegTexts> legs;
};

JourneyTexts DescribeJourney(const JourneyTimetable& timetable, const Journey& journey);

// The distance and hard-seat fare of a whole journey: the sums over its legs,
// each leg a ticket of its own; nullopt, and "暂缺" in the texts, when any
// leg's is not known (an international leg's fare is not).
// Wide numbers: three legs of the longest distance a stop may give
// (999,999,999 km) add up beyond a 32-bit number.
struct JourneyTotals {
  std::optional<long long> distanceKm;
  std::optional<long long> fareTenths;  // in tenths of a yuan
  std::string distanceText;       // "1463"
  std::string fareText;           // "553", "12.5"
};
JourneyTotals JourneyDistanceAndFare(Database& db, const JourneyTimetable& timetable, const Journey& journey);

// The distance and hard-seat fare of one leg, by the rules of a station-search
// row: the km between its two stops, priced by the train's class; "暂缺"
// where either is not known.
RowFigures LegDistanceAndFare(Database& db, const JourneyTimetable& timetable, const JourneyLeg& leg);

}  // namespace kw
