// Trains by number: all or part of a train number typed by the traveller.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "query/ResultRow.h"

namespace kw {

class Database;

// The longest text the train number box takes and the command-line tool
// accepts, in characters: a train number has at most 11 ("G1028/G1029"),
// and the box searches nothing for twelve.
inline constexpr int kMaxTrainNumberLength = 12;

struct TrainNumberResult {
  bool found = false;           // trains of that number run, of any class
  std::vector<ResultRow> rows;  // one per train of the chosen class, in the database's order
};

// `text` has its spaces removed and is not empty. With a class option (特快,
// 快速, 普快, 普慢) only trains of that class are listed.
TrainNumberResult FindTrainsByNumber(Database& db, const std::string& text,
                                     std::string_view classOption = {});

// "对不起！目前尚未开通“<text>”次列车\n\n请检查您输入的车次，或许是您的手误。"
std::string TrainNotFoundMessage(const std::string& text);

}  // namespace kw
