#include "store/ColumnValue.h"

#include "query/TimetableTime.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

std::optional<long long> ParseInteger(std::string_view text) {
  const size_t digits = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (digits == text.size() || text.size() - digits > 15) return std::nullopt;
  long long value = 0;
  for (size_t i = digits; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return text[0] == '-' ? -value : value;
}

std::optional<ColumnValue> ParseColumnValue(schema::ColumnType type, std::string_view text) {
  switch (type) {
    case schema::ColumnType::Integer:
      if (const auto value = ParseInteger(text)) return *value;
      return std::nullopt;
    case schema::ColumnType::Time:
      if (const auto value = ParseTimetableTime(text)) return *value;
      return std::nullopt;
    case schema::ColumnType::Text:
      return std::string(text);
  }
  return std::nullopt;
}

std::string WrongTypeReason(const schema::Column& column, std::string_view text) {
  const std::string_view problem =
      column.type == schema::ColumnType::Time ? text::kValueNotTime : text::kValueNotInteger;
  return "列 " + std::string(column.name) + " 的值 “" + std::string(text) + "” " + std::string(problem);
}

std::string RequiredReason(const schema::Column& column) {
  return "列 " + std::string(column.name) + " " + std::string(text::kValueRequired);
}

void BindValue(Query& query, int index, const ColumnValue& value) {
  if (const auto* i = std::get_if<long long>(&value)) {
    query.Bind(index, *i);
  } else if (const auto* d = std::get_if<double>(&value)) {
    query.Bind(index, *d);
  } else if (const auto* s = std::get_if<std::string>(&value)) {
    query.Bind(index, std::string_view(*s));
  } else {
    query.BindNull(index);
  }
}

}  // namespace kw
