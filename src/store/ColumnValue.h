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

// Null, a whole number, a time number (h.mm) or a text.
using ColumnValue = std::variant<std::monostate, long long, double, std::string>;

// A whole number in decimal with an optional sign and at most 15 digits.
std::optional<long long> ParseInteger(std::string_view text);

// The stored value for `text` written for a column of `type`: a whole number
// for Integer, a time in the stored h.mm encoding for Time ("8.3" = 08:30),
// the text itself for Text. nullopt when the text is not of that type.
std::optional<ColumnValue> ParseColumnValue(schema::ColumnType type, std::string_view text);

// Why `text` cannot be stored in `column`: "列 id 的值 “x” 不是整数".
std::string WrongTypeReason(const schema::Column& column, std::string_view text);
// Why a Null cannot be stored in `column`: "列 station 不能为空".
std::string RequiredReason(const schema::Column& column);

// Binds `value` to parameter `index` (1-based) of `query`.
void BindValue(Query& query, int index, const ColumnValue& value);

}  // namespace kw
