#include "store/ColumnValue.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw {

namespace {

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits only, with an optional sign: a whole number, however long.
bool IsWholeNumber(std::string_view text) {
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  return !text.empty() && AllDigits(text);
}

int TwoDigits(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

// A whole number in decimal with an optional sign, as long as it has at most
// nine digits after its leading zeros (see schema::kLargestNumber).
std::optional<long long> ParseInteger(std::string_view text) {
  if (!IsWholeNumber(text)) return std::nullopt;
  const bool negative = text[0] == '-';
  std::string_view digits = text.substr(text[0] == '-' || text[0] == '+' ? 1 : 0);
  digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.size() > 9) return std::nullopt;
  long long value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return negative ? -value : value;
}

// A decimal number with an optional sign and fraction ("-12.5", "116",
// "39.90"), without exponent; one too large for a double reads as infinity,
// which no column's range holds.
std::optional<double> ParseDecimal(std::string_view text) {
  std::string_view digits = text;
  const bool negative = !digits.empty() && digits[0] == '-';
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
  const size_t point = digits.find('.');
  const std::string_view whole = digits.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if (!AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) value = std::numeric_limits<double>::infinity();
  return negative ? -value : value;
}

}  // namespace

std::optional<double> ParseTimetableTime(std::string_view text) {
  const size_t point = text.find('.');
  const std::string_view hourPart = text.substr(0, point);
  const std::string_view minutePart =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (hourPart.size() > 2 || minutePart.size() > 2) return std::nullopt;
  if (hourPart.empty() && minutePart.empty()) return std::nullopt;
  if (point != std::string_view::npos && minutePart.empty()) return std::nullopt;
  if (!AllDigits(hourPart) || !AllDigits(minutePart)) return std::nullopt;
  const int hour = TwoDigits(hourPart);
  // One decimal digit means tens of minutes: 8.3 is 08:30.
  int minute = TwoDigits(minutePart);
  if (minutePart.size() == 1) minute *= 10;
  if (hour > 23 || minute > 59) return std::nullopt;
  return hour + minute / 100.0;
}

std::optional<ColumnValue> ParseColumnValue(const schema::Column& column, std::string_view text) {
  switch (column.type) {
    case schema::ColumnType::Integer:
      if (const auto value = ParseInteger(text); value && *value >= column.low && *value <= column.high) {
        return *value;
      }
      return std::nullopt;
    case schema::ColumnType::Time:
      if (const auto value = ParseTimetableTime(text)) return *value;
      return std::nullopt;
    case schema::ColumnType::Real:
      if (const auto value = ParseDecimal(text);
          value && *value >= static_cast<double>(column.low) && *value <= static_cast<double>(column.high)) {
        return *value;
      }
      return std::nullopt;
    case schema::ColumnType::Text:
      return std::string(text);
  }
  return std::nullopt;
}

std::string WrongTypeReason(const schema::Column& column, std::string_view text) {
  std::string problem(column.type == schema::ColumnType::Time   ? text::kValueNotTime
                      : column.type == schema::ColumnType::Real ? text::kValueNotNumber
                                                                : text::kValueNotInteger);
  if ((column.type == schema::ColumnType::Integer && IsWholeNumber(text)) ||
      (column.type == schema::ColumnType::Real && ParseDecimal(text))) {
    problem = text::Fill(text::kInBrackets,
                         {text::kValueOutOfRange,
                          text::Fill(text::kRange, {std::to_string(column.low), std::to_string(column.high)})});
  }
  return text::Fill(text::kColumnValue, {column.name, text::Excerpt(text), problem});
}

std::string RequiredReason(const schema::Column& column) {
  return text::Fill(text::kColumnWhy, {column.name, text::kValueRequired});
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
