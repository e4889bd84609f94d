// One train of a search result, as the result lists show it.
#pragma once

#include <string>

namespace kw {

struct ResultRow {
  // List columns, in order.
  std::string caption;       // " K21次(甲---乙)特快列车" (station search) or " K21次(特快(甲----乙))" (number search)
  std::string startText;     // departure time "08:30"
  std::string endText;       // day label + arrival time, " 08:30" or "次日07:40"
  std::string distanceText;  // " 137 " (station search) or " 1463" (number search); "暂缺" unknown
  std::string fareText;      // hard-seat fare + " " (" " + fare, number search), "暂缺" or "国际列车"
  std::string memoText;      // remark, empty when there is none
  int trainId = 0;           // train.id; the list shows it as decimal text

  // Tab-separated text of the row for the printable result grid.
  std::string printLine;
  // Tab-separated text for the grids of a journey's legs: caption without
  // "列车", departure, arrival (station search rows only).
  std::string legLine;

  // The station pair a station-search row was found for: the train detail
  // window opened from the row shows the stretch between them.
  std::string boardName;
  std::string alightName;
};

}  // namespace kw
