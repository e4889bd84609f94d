#include "store/ColumnValue.h"

#include <gtest/gtest.h>

#include <cmath>

#include "store/CoreStrings.h"

namespace kw {
namespace {

const schema::Column& ColumnOf(const char* table, const char* column) {
  return *schema::FindColumn(*schema::FindTable(table), column);
}

// `text` is kept in `column` as `stored` (of type T), or refused with a
// reason that holds `reason`.
template <class T>
void ExpectParsed(const schema::Column& column, const char* text, T stored, const char* reason) {
  const auto value = ParseColumnValue(column, text);
  if (reason) {
    EXPECT_FALSE(value) << text;
    EXPECT_NE(WrongTypeReason(column, text).find(reason), std::string::npos) << WrongTypeReason(column, text);
  } else if (!value) {
    ADD_FAILURE() << "refused " << text;
  } else if constexpr (std::is_same_v<T, double>) {
    EXPECT_DOUBLE_EQ(std::get<double>(*value), stored) << text;
  } else {
    EXPECT_EQ(std::get<T>(*value), stored) << text;
  }
}

TEST(ColumnValue, TimesAreReadInTheStoredEncodingOnly) {
  const std::pair<const char*, long> good[] = {{"8.3", 830}, {"8.03", 803}, {"8", 800},
                                               {"0.45", 45}, {".4", 40},    {"23.59", 2359}};
  for (const auto& [text, hhmm] : good)
    EXPECT_EQ(std::lround(ParseTimetableTime(text).value() * 100), hhmm) << text;
  for (const char* bad : {"24", "8.6", "8.60", "8.305", "8:30", "", ".", "8.", "-1", "a", "123"}) {
    EXPECT_FALSE(ParseTimetableTime(bad).has_value()) << bad;
  }
}

// Whole numbers are kept only when the program can hold them exactly: nine
// digits at most (so a distance or stop count of two still fits), day
// offsets 0-7 (第八日 is the last day shown).
TEST(ColumnValue, WholeNumbersTheProgramCannotHoldAreRefusedAsOutOfRange) {
  const struct {
    const char *table, *column, *text;
    long long stored;    // when kept
    const char* reason;  // when refused
  } cases[] = {
      {"station", "id", "999999999", 999999999, nullptr},
      {"station", "id", "-999999999", -999999999, nullptr},
      {"station", "id", "+000000000012", 12, nullptr},
      {"station", "id", "1000000000", 0, "超出范围（-999999999 至 999999999）"},
      {"station", "id", "4294967306", 0, "超出范围"},
      {"train", "distance", "999999999999999", 0, "超出范围"},
      {"train", "kind", "-99999999999999999999999", 0, "超出范围"},
      {"pass", "day", "7", 7, nullptr},
      {"pass", "day", "8", 0, "列 day 的值 “8” 超出范围（0 至 7）"},
      {"train", "day", "-1", 0, "超出范围（0 至 7）"},
      {"station", "id", "1.5", 0, "列 id 的值 “1.5” 不是整数"},
      {"station", "id", "-", 0, "不是整数"},
  };
  for (const auto& c : cases) ExpectParsed(ColumnOf(c.table, c.column), c.text, c.stored, c.reason);
}

// Positions are decimal degrees within the globe: latitude to ±90,
// longitude to ±180, both ends included.
TEST(ColumnValue, PositionsAreDecimalDegreesWithinTheirRange) {
  const std::string huge(400, '9');
  const struct {
    const char *column, *text;
    double stored;       // when kept
    const char* reason;  // when refused
  } cases[] = {
      {"lat", "39.90469", 39.90469, nullptr},
      {"lat", "-90", -90, nullptr},
      {"lat", "90.0", 90, nullptr},
      {"lon", "+180", 180, nullptr},
      {"lon", "-0.5", -0.5, nullptr},
      {"lon", ".5", 0.5, nullptr},
      {"lon", "116.", 116, nullptr},
      {"lat", "90.00001", 0, "列 lat 的值 “90.00001” 超出范围（-90 至 90）"},
      {"lon", "-180.5", 0, "超出范围（-180 至 180）"},
      {"lon", "1e2", 0, "列 lon 的值 “1e2” 不是数值"},
      {"lon", ".", 0, "不是数值"},
      {"lon", "-", 0, "不是数值"},
      {"lat", "1.2.3", 0, "不是数值"},
      {"lat", "39.904690000000000000001", 39.90469, nullptr},
      {"lat", huge.c_str(), 0, "超出范围"},
  };
  for (const auto& c : cases) ExpectParsed(ColumnOf("station", c.column), c.text, c.stored, c.reason);
}

TEST(ColumnValue, AMessageRepeatsAtMostEightyCharactersOfAnItem) {
  const std::string eighty(80, 'x');
  std::string chinese;
  for (int i = 0; i < 81; ++i) chinese += "站";
  const std::pair<std::string, std::string> cases[] = {
      {eighty, eighty},
      {eighty + "y", eighty + "…"},
      // Cut between characters, never inside one.
      {chinese, chinese.substr(0, 80 * 3) + "…"},
      {std::string(3'000'000, 'z'), std::string(80, 'z') + "…"},
  };
  for (const auto& [text, excerpt] : cases) EXPECT_EQ(text::Excerpt(text), excerpt);
  EXPECT_EQ(WrongTypeReason(ColumnOf("station", "id"), std::string(100'000, '9')),
            "列 id 的值 “" + std::string(80, '9') + "…” 超出范围（-999999999 至 999999999）");
}

}  // namespace
}  // namespace kw
