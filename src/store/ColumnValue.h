// A value of one column as it is stored, and how a value written as text
// (in a table file, in an update file) becomes one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "store/Schema.h"

namespace kw {

class Query;

// Null, a whole number, a number (a time h.mm, a position) or a text.
using ColumnValue = std::variant<std::monostate, long long, double, std::string>;

// A clock time written in the stored encoding, hours.minutes ("8.3" = 08:30,
// "8.05" = 08:05, "8" = 08:00, ".4" = 00:40), as its stored number; nullopt
// unless the hour is 0-23 and the minutes 0-59.
std::optional<double> ParseTimetableTime(std::string_view text);

// The stored value for `text` written for `column`: a whole number within
// the column's range for Integer, a time number for Time, the text itself for
// Text, a decimal number within the column's range for Real. nullopt when
// the text is not such a value.
std::optional<ColumnValue> ParseColumnValue(const schema::Column& column, std::string_view text);

// Why `text` cannot be stored in `column`: "列 id 的值 “x” 不是整数",
// "列 day 的值 “9” 超出范围（0 至 7）".
std::string WrongTypeReason(const schema::Column& column, std::string_view text);
// Why a Null cannot be stored in `column`: "列 station 不能为空".
std::string RequiredReason(const schema::Column& column);

// Binds `value` to parameter `index` (1-based) of `query`.
void BindValue(Query& query, int index, const ColumnValue& value);

}  // namespace kw
