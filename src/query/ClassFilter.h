// The train-class options of the query panel (特快, 快速, 普快, 普慢): with one
// chosen, the searches list only trains whose class name contains its text.
#pragma once

#include <string_view>
#include <vector>

#include "query/ResultRow.h"

namespace kw {

class Database;

// Whether a class name passes the option: it contains the option's text;
// 普慢 also takes 普客, the name slow trains go by.
bool ClassMatches(std::string_view className, std::string_view option);

// The rows whose trains pass the option, in their order.
std::vector<ResultRow> KeepClass(Database& db, std::vector<ResultRow> rows, std::string_view option);

}  // namespace kw
