#include "query/ClassFilter.h"

#include <algorithm>

#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

bool ClassMatches(std::string_view className, std::string_view option) {
  if (option.empty()) return true;
  if (className.find(option) != std::string_view::npos) return true;
  return option == text::kFamilySlow && className.find(text::kSlowTrainClass) != std::string_view::npos;
}

std::vector<ResultRow> KeepClass(Database& db, std::vector<ResultRow> rows, std::string_view option) {
  const auto passes = [&](const ResultRow& row) {
    auto q = db.Prepare("SELECT k.kind FROM train t JOIN kind k ON k.id = t.kind WHERE t.id = ?");
    q.Bind(1, row.trainId);
    return q.Step() && ClassMatches(q.Text(0), option);
  };
  rows.erase(std::remove_if(rows.begin(), rows.end(), [&](const ResultRow& row) { return !passes(row); }),
             rows.end());
  return rows;
}

}  // namespace kw
