// The pieces a feed is read with: the CSV reader, dates and services, station
// names, classes by number and the pinyin of names.
#include <gtest/gtest.h>

#include <functional>

#include "gtfs/Calendar.h"
#include "gtfs/CsvReader.h"
#include "gtfs/FeedError.h"
#include "gtfs/GtfsExport.h"
#include "gtfs/GtfsImport.h"
#include "gtfs/Pinyin.h"

namespace kw::gtfs {
namespace {

// Every record of `text` after the header, fields joined by "|", each
// record preceded by its line number.
std::vector<std::string> Records(const std::string& text) {
  CsvReader csv("t.txt", text);
  std::vector<std::string> out;
  while (csv.Next()) {
    std::string r = std::to_string(csv.Line()) + ":";
    for (int c = 0; c < 3; ++c) r += (c ? "|" : "") + std::string(csv.Field(c));
    out.push_back(r);
  }
  return out;
}

// The message of the FeedError `run` throws, or "no error".
std::string ErrorOf(const std::function<void()>& run) {
  try {
    run();
  } catch (const FeedError& e) {
    return e.what();
  }
  return "no error";
}

TEST(CsvReaderTest, ReadsQuotedFieldsAsRfc4180WritesThem) {
  struct Case {
    const char* text;
    std::vector<std::string> records;
  } cases[] = {
      {"a,b,c\n1,2,3\n", {"2:1|2|3"}},
      {"a,b,c\r\n1,2,3\r\n4,5,6", {"2:1|2|3", "3:4|5|6"}},
      {"\xEF\xBB\xBF"
       "a,b,c\r\n\"x, y\",2,3\r\n",
       {"2:x, y|2|3"}},
      {"a,b,c\n\"say \"\"hi\"\"\",,\n", {"2:say \"hi\"||"}},
      {"a,b,c\n\"two\nlines\",2,3\n9,8,7\n", {"2:two\nlines|2|3", "4:9|8|7"}},
      {"a,b,c\n\n1\n\n2,3\n", {"3:1||", "5:2|3|"}},
      {"a,b,c\n 1 , 2 ,\" 3 \"\n", {"2:1|2| 3 "}},
  };
  for (const auto& c : cases) EXPECT_EQ(Records(c.text), c.records) << c.text;
}

TEST(CsvReaderTest, FindsColumnsByNameAndNamesAMissingOne) {
  CsvReader csv("stops.txt", "\xEF\xBB\xBFstop_id, stop_name\n1,a\n");
  EXPECT_EQ(csv.Column("stop_id"), 0);
  EXPECT_EQ(csv.Column("stop_name"), 1);
  EXPECT_EQ(csv.Column("stop_lat"), -1);
  EXPECT_EQ(ErrorOf([&] { csv.Require("stop_lat"); }), "stops.txt 第 1 行：缺少列 stop_lat");
}

TEST(CsvReaderTest, RefusesBadQuotesAndBytesThatAreNotUtf8WithTheirLine) {
  struct Case {
    std::string text;
    std::string error;
  } cases[] = {
      {"a,b\n1,2\n\"open,3\n", "t.txt 第 3 行：引号没有结束"},
      {"a,b\n1,x\"y\"\n", "t.txt 第 2 行：引号只能包住整个字段，字段中的引号要写成两个"},
      {"a,b\n\"x\"y,2\n", "t.txt 第 2 行：引号只能包住整个字段，字段中的引号要写成两个"},
      {"a,b\n1,2\n\xB1\xB1\xBE\xA9,3\n", "t.txt 第 3 行：含有不是 UTF-8 编码的字节"},
      {"a,b\n\xED\xA0\x80,1\n", "t.txt 第 2 行：含有不是 UTF-8 编码的字节"},
      {"a,b\n\xC0\xAF,1\n", "t.txt 第 2 行：含有不是 UTF-8 编码的字节"},
      {"a,b\n\xE5\x8C", "t.txt 第 2 行：含有不是 UTF-8 编码的字节"},
      {"", "t.txt 第 1 行：缺少列名行"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf([&] { Records(c.text); }), c.error) << c.text;
  EXPECT_EQ(FindInvalidUtf8("北京\xF0\x9F\x9A\x84"), std::string::npos);
}

TEST(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField("北京"), "北京");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
}

TEST(CalendarTest, DatesReadAndWriteBothWays) {
  constexpr std::optional<Day> kNone;
  const std::pair<const char*, std::optional<Day>> feedDates[] = {{"19700101", 0},     {"20261207", 20794},
                                                                  {"20240229", 19782}, {"20230229", kNone},
                                                                  {"2026127", kNone},  {"2026-12-07", kNone}};
  for (const auto& [text, day] : feedDates) EXPECT_EQ(ParseFeedDate(text), day) << text;
  EXPECT_EQ(ParseIsoDate("2026-12-07"), 20794);
  EXPECT_EQ(ParseIsoDate("2026-13-01"), kNone);
  EXPECT_EQ(IsoDate(20794), "2026-12-07");
  EXPECT_EQ(FeedDate(19782), "20240229");
  EXPECT_EQ(Weekday(20794), 0);  // a Monday
  EXPECT_EQ(Weekday(20793), 6);
  EXPECT_EQ(VersionDate("2019-10 全国"), ParseIsoDate("2019-10-01"));
  EXPECT_EQ(VersionDate("2026-12-05 测试"), ParseIsoDate("2026-12-05"));
  EXPECT_EQ(VersionDate("标准版"), kNone);
}

TEST(CalendarTest, ExceptionsWinOverTheWeeklyPattern) {
  ServiceCalendar c;
  const bool weekends[7] = {false, false, false, false, false, true, true};
  const Day monday = *ParseFeedDate("20261207");
  c.AddWeekly("we", weekends, monday, monday + 13);
  c.AddException("we", monday + 5, false);  // the first Saturday taken out
  c.AddException("we", monday + 2, true);   // a Wednesday added
  c.AddException("only", monday + 20, true);
  // Days after the Monday; day 19 is past the end of the weekly pattern.
  const std::tuple<const char*, int, bool> runs[] = {
      {"we", 0, false}, {"we", 2, true},   {"we", 5, false},   {"we", 6, true},
      {"we", 13, true}, {"we", 19, false}, {"only", 20, true}, {"nothing", 0, false}};
  for (const auto& [service, day, runsThen] : runs)
    EXPECT_EQ(c.Runs(service, monday + day), runsThen) << service << " " << day;
  EXPECT_TRUE(c.RunsEveryDay("we", monday + 12, monday + 13));
  EXPECT_FALSE(c.RunsEveryDay("we", monday + 11, monday + 13));
  const auto span = c.ServedSpan();
  ASSERT_TRUE(span);
  EXPECT_EQ(span->first, monday + 2);
  EXPECT_EQ(span->second, monday + 20);
}

TEST(StationNameTest, TrimsAndDropsATrailingZhanWhenTwoCharactersRemain) {
  const std::pair<const char*, const char*> names[] = {{"北京南站", "北京南"},     {"  北京站 ", "北京"},
                                                       {"北站", "北站"},           {"站", "站"},
                                                       {"　天津西站　", "天津西"}, {"站前", "站前"}};
  for (const auto& [raw, name] : names) EXPECT_EQ(StationName(raw), name) << raw;
}

TEST(ClassOfNumberTest, FollowsTheShippedClasses) {
  struct Case {
    const char* number;
    const char* className;
  } cases[] = {{"G1", "高速动车组"}, {"d311", "动车组"},   {"C2225", "城际动车组"}, {"Z40/Z41", "直达特快"},
               {"T109", "特快"},     {"K1", "快速"},       {"Y7", "旅游列车"},      {"S201", "市郊列车"},
               {"L1208", "临客"},    {"1461", "普快"},     {"5999", "普快"},        {"6000", "普客"},
               {"7999", "普客"},     {"8000", "通勤列车"}, {"X99", "普快"}};
  for (const auto& c : cases) EXPECT_EQ(ClassOfNumber(c.number), c.className) << c.number;
}

TEST(PinyinTest, SpellsNamesFromTheCharactersReadings) {
  EXPECT_EQ(CharacterReading(U'站'), "zhan");
  EXPECT_EQ(CharacterReading(U'绿'), "lv");  // ü written v
  EXPECT_EQ(CharacterReading(U'a'), "");
  struct Case {
    const char* name;
    const char* jm;
    const char* py;
  } cases[] = {{"龙港西", "lgx", "longgangxi"},   {"长春", "cc", "changchun"},  // the place-name reading
               {"重庆北", "cqb", "chongqingbei"}, {"徐州,东", "xzd", "xuzhoudong"},
               {"K3线", "k3x", "k3xian"},         {"女儿河", "neh", "nverhe"}};
  for (const auto& c : cases) {
    const auto spelled = SpellName(c.name);
    EXPECT_EQ(spelled.jm, c.jm) << c.name;
    EXPECT_EQ(spelled.py, c.py) << c.name;
  }
}

}  // namespace
}  // namespace kw::gtfs
