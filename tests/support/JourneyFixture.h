// A small timetable for journeys with changes. From 甲 and 甲西 (the 甲
// family) on to 乙, 丙, 丁, 戊 and 己:
//
//   G1   甲 08:00 -> 乙 10:00          K9   甲 08:00 -> 乙 10:00 (the same times)
//   C8   甲西 07:30 -> 乙 08:30         1007 甲 07:00 -> 丙 20:00
//   K2   乙 10:30 -> 丙 12:00          T3   乙 10:29 -> 丙 11:00
//   Z4   甲 22:00 -> 丁 23:50          D5   丁 00:30 -> 戊 02:00
//   D10  甲 22:00 -> 乙 22:30          D11  乙 23:00 -> 丁 23:50
//   K6   丙 09:00 -> 丁 arrives 23:58, leaves 00:03 -> 己 18:00 two days later
#pragma once

#include <string>
#include <vector>

#include "support/TestTimetable.h"

namespace kw::test {

enum JourneyStation { kJia = 1, kYi, kBing, kDing, kWu, kJi, kJiaWest };
inline const std::vector<int> kJiaFamily = {kJia, kJiaWest};

inline const std::string kJourneyStations =
    "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t丁\td\n5\t戊\tw\n6\t己\tj\n7\t甲西\tjx\n";
inline const std::string kJourneyTrains =
    "1\tG1\t1\t1\t2\t8\t10\t0\t300\t\n2\tK2\t2\t2\t3\t10.3\t12\t0\t150\t\n"
    "3\tT3\t1\t2\t3\t10.29\t11\t0\t150\t\n4\tZ4\t1\t1\t4\t22\t23.5\t0\t200\t\n"
    "5\tD5\t2\t4\t5\t0.3\t2\t0\t100\t\n6\tK6\t2\t3\t6\t9\t18\t2\t2000\t\n"
    "7\t1007\t3\t1\t3\t7\t20\t0\t450\t\n8\tC8\t2\t7\t2\t7.3\t8.3\t0\t80\t\n"
    "9\tK9\t2\t1\t2\t8\t10\t0\t300\t\n10\tD10\t2\t1\t2\t22\t22.3\t0\t300\t\n"
    "11\tD11\t2\t2\t4\t23\t23.5\t0\t120\t\n";
inline const std::string kJourneyPass =
    "1\t1\t1\t\t8\t0\t0\n1\t2\t2\t10\t\t0\t300\n"
    "2\t2\t1\t\t10.3\t0\t0\n2\t3\t2\t12\t\t0\t150\n"
    "3\t2\t1\t\t10.29\t0\t0\n3\t3\t2\t11\t\t0\t150\n"
    "4\t1\t1\t\t22\t0\t0\n4\t4\t2\t23.5\t\t0\t200\n"
    "5\t4\t1\t\t0.3\t0\t0\n5\t5\t2\t2\t\t0\t100\n"
    "6\t3\t1\t\t9\t0\t0\n6\t4\t2\t23.58\t0.03\t0\t900\n6\t6\t3\t18\t\t2\t2000\n"
    "7\t1\t1\t\t7\t0\t0\n7\t3\t2\t20\t\t0\t450\n"
    "8\t7\t1\t\t7.3\t0\t0\n8\t2\t2\t8.3\t\t0\t80\n"
    "9\t1\t1\t\t8\t0\t0\n9\t2\t2\t10\t\t0\t300\n"
    "10\t1\t1\t\t22\t0\t0\n10\t2\t2\t22.3\t\t0\t300\n"
    "11\t2\t1\t\t23\t0\t0\n11\t4\t2\t23.5\t\t0\t120\n";

inline TestTimetable& FillJourneyTimetable(TestTimetable& t) {
  t.Set("station", kJourneyStations).Set("train", kJourneyTrains).Set("pass", kJourneyPass);
  return t;
}

// An update file adding train K<id>, 甲 at `leaves` to 戊 at `arrives`, 100
// km (times as the database writes them: "6" is 06:00).
inline std::string UpdateAddingTrain(int id, const std::string& leaves, const std::string& arrives) {
  const std::string n = std::to_string(id);
  return "insert;train;" + n + ";" + n + ",\"K" + n + "\",2,1,5," + leaves + "," + arrives + ",0,100,Null\n" +
         "insert;pass;" + n + ",1;" + n + ",1,1,Null," + leaves + ",0,0\n" + "insert;pass;" + n + ",5;" + n +
         ",5,2," + arrives + ",Null,0,100\n";
}

}  // namespace kw::test
