#include <gtest/gtest.h>

#include <sstream>

#include "app/CliCheck.h"
#include "support/JourneyFixture.h"

namespace kw {
namespace {

const std::string& Db() {
  static test::TestTimetable t;
  static const std::string path = [] {
    test::FillJourneyTimetable(t).Build();
    return t.DbPath().string();
  }();
  return path;
}

test::CommandResult ExpectJourneys(std::vector<std::string> args, int status, const char* out = nullptr,
                                   const char* err = nullptr) {
  args.insert(args.begin(), "journeys");
  return test::ExpectCli(Db(), args, status, out, err);
}

TEST(CliJourneys, PrintsEachJourneyWithItsLegsAsTextOrJson) {
  // Z4 to 丁, then D5 after midnight; D10 and D11 tie with Z4 but change more.
  const char* z4 =
      "22:00\t次日02:00\t4小时\t1\t300\t暂缺\tZ4\t甲\t 22:00\t丁\t "
      "23:50\t\tD5\t丁\t次日00:30\t戊\t次日02:00\t40分钟\n";
  ExpectJourneys({"甲", "戊"}, 0, z4);
  // Station texts lose tabs, line breaks and the ideographic space.
  ExpectJourneys({"\t甲\n", "戊\u3000"}, 0, z4);
  // Letters stand for the first station their lookup lists: 甲 and 戊.
  ExpectJourneys({"j", "w"}, 0, z4);
  ExpectJourneys(
      {"--json", "甲", "戊"}, 0,
      "{\"departure\":\"22:00\",\"arrival\":\"次日02:00\",\"duration\":\"4小时\",\"departureMinutes\":1320,"
      "\"arrivalMinutes\":1560,\"durationMinutes\":240,\"changes\":1,\"distanceKm\":300,\"fare\":null,"
      "\"legs\":[{\"trainId\":4,\"train\":\"Z4\",\"board\":\"甲\",\"boardMinutes\":1320,\"alight\":\"丁\","
      "\"alightMinutes\":1430,\"waitMinutes\":0},"
      "{\"trainId\":5,\"train\":\"D5\",\"board\":\"丁\",\"boardMinutes\":1470,\"alight\":\"戊\","
      "\"alightMinutes\":1560,\"waitMinutes\":40}]}\n");
  // 城际, 特快 and 其他 trains only, the shortest first; 甲 covers 甲西.
  ExpectJourneys(
      {"甲", "丙", "--types", "cto", "--sort", "duration", "--after", "7:00", "--until", "07:30"}, 0,
      "07:30\t 11:00\t3小时30分钟\t1\t230\t暂缺\tC8\t甲西\t 07:30\t乙\t 08:30\t\tT3\t乙\t 10:29\t丙\t "
      "11:00\t1小时59分钟\n"
      "07:00\t 20:00\t13小时\t0\t450\t50\t1007\t甲\t 07:00\t丙\t 20:00\t\n");
  // A window of one minute: 1007 leaves 甲 at 07:00.
  ExpectJourneys({"甲", "丙", "--after", "7:00", "--until", "07:00"}, 0,
                 "07:00\t 20:00\t13小时\t0\t450\t50\t1007\t甲\t 07:00\t丙\t 20:00\t\n");
  // Two 普快 tickets: 80 km at 10 and 150 km at 20.
  auto r = ExpectJourneys({"甲", "丙", "--types", "CK", "--until", "7:45", "--json"}, 0);
  EXPECT_NE(r.out.find("\"changes\":1,\"distanceKm\":230,\"fare\":30,"), std::string::npos) << r.out;
  // 45 minutes to change at 丁 miss D5 by five minutes: the next night's.
  r = ExpectJourneys({"甲", "戊", "--min-change", "45", "--max-changes", "1"}, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\t', 6)), "22:00\t第三日02:00");
}

// From 东 to 西: Z1 08:00 -> 12:00 direct, or G2 08:10 -> 中 09:00 and G3
// 09:30 -> 11:45, whose change saves 15 minutes: less than the 30 minutes
// of slack the tool leaves when none is given.
TEST(CliJourneys, AChangeMustSaveThirtyMinutesUnlessToldOtherwise) {
  static test::TestTimetable t{
      {"station", "1\t东\td\n2\t中\tz\n3\t西\tx\n"},
      {"train",
       "1\tZ1\t1\t1\t3\t8\t12\t0\t300\t\n2\tG2\t1\t1\t2\t8.1\t9\t0\t100\t\n"
       "3\tG3\t1\t2\t3\t9.3\t11.45\t0\t200\t\n"},
      {"pass",
       "1\t1\t1\t\t8\t0\t0\n1\t3\t2\t12\t\t0\t300\n2\t1\t1\t\t8.1\t0\t0\n2\t2\t2\t9\t\t0\t100\n"
       "3\t2\t1\t\t9.3\t0\t0\n3\t3\t2\t11.45\t\t0\t200\n"}};
  t.Build();
  const auto run = [](std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", t.DbPath().string(), "journeys", "东", "西"});
    const auto r = test::RunCli(args);
    std::string departures;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) departures += line.substr(0, 5) + " ";
    return departures;
  };
  EXPECT_EQ(run({}), "08:00 ");
  EXPECT_EQ(run({"--slack", "14"}), "08:00 08:10 ");
}

TEST(CliJourneys, SaysWhyNothingIsListed) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;
  } cases[] = {
      {{"戊", "甲"}, 1, "对不起！由戊到甲在所选的时间和车型内没有能够衔接的行程。\n"},
      {{"甲", "己", "--max-changes", "0"}, 1, "对不起！由甲到己在所选的时间和车型内没有能够衔接的行程。\n"},
      {{"甲", "辛"}, 1, "没有以“辛”开头的站名\n"},
      {{" ", "甲"}, 2, "请输入出发站和到达站\n"},
      {{"甲", " 甲"}, 2, "出发站与到达站相同\n"},
      {{"甲", "丙", "--after", "24:00"}, 2, "--after 应为时间 HH:MM：24:00\n"},
      {{"甲", "丙", "--until", "8:60"}, 2, "--until 应为时间 HH:MM：8:60\n"},
      {{"甲", "丙", "--after", "007:30"}, 2, "--after 应为时间 HH:MM：007:30\n"},
      {{"甲", "丙", "--until", "7:030"}, 2, "--until 应为时间 HH:MM：7:030\n"},
      {{"甲", "丙", "--after", "12:00", "--until", "11:59"}, 2, "--after 不能晚于 --until\n"},
      {{"甲", "丙", "--max-changes", "3"}, 2, "--max-changes 应在 0 到 2 之间：3\n"},
      {{"甲", "丙", "--min-change", "181"}, 2, "--min-change 应在 0 到 180 之间：181\n"},
      {{"甲", "丙", "--min-change", "半"}, 2, "--min-change 应为整数：半\n"},
      {{"甲", "丙", "--types", "GX"}, 2, "--types 应为 GCDZTKO 中的字母：GX\n"},
      {{"甲", "丙", "--sort", "fastest"}, 2, "--sort 应为 depart、arrive、duration 或 changes：fastest\n"},
      {{"甲", "丙", "--slack", "121"}, 2, "--slack 应在 0 到 120 之间：121\n"},
      {{"甲", "丙", "--types", ""}, 2, "--types 的值不能为空\n"},  // every option alike
      // An echoed value stays on one line.
      {{"甲", "丙", "--sort", "a\nb"}, 2, "--sort 应为 depart、arrive、duration 或 changes：a b\n"},
      {{"甲", "丙", "--slack", "3\n0"}, 2, "--slack 应为整数：3 0\n"},
      {{"辛\n", "甲"}, 1, "没有以“辛”开头的站名\n"},
  };
  for (const auto& c : cases) ExpectJourneys(c.args, c.status, "", c.err);
}

// Totals of three legs of the largest distance a stop may give, or of the
// largest fare a fare table may give, are beyond 32-bit numbers.
TEST(CliJourneys, TotalsBeyondThirtyTwoBitsAreAddedWhole) {
  // 子 -> 丑 -> 寅 -> 卯 on three trains of 999,999,999 km; 辰 -> 巳 -> 午 -> 未
  // on three of 100 km whose hard seat is 99,999,999.9 yuan.
  test::TestTimetable t{
      {"station", "1\t子\tz\n2\t丑\tc\n3\t寅\ty\n4\t卯\tm\n5\t辰\tch\n6\t巳\ts\n7\t午\tw\n8\t未\tw\n"},
      {"train",
       "1\tK1\t2\t1\t2\t8\t9\t0\t999999999\t\n2\tK2\t2\t2\t3\t10\t11\t0\t999999999\t\n"
       "3\tK3\t2\t3\t4\t12\t13\t0\t999999999\t\n4\tK4\t2\t5\t6\t8\t9\t0\t100\t\n"
       "5\tK5\t2\t6\t7\t10\t11\t0\t100\t\n6\tK6\t2\t7\t8\t12\t13\t0\t100\t\n"},
      {"pass",
       "1\t1\t1\t\t8\t0\t0\n1\t2\t2\t9\t\t0\t999999999\n2\t2\t1\t\t10\t0\t0\n2\t3\t2\t11\t\t0\t999999999\n"
       "3\t3\t1\t\t12\t0\t0\n3\t4\t2\t13\t\t0\t999999999\n4\t5\t1\t\t8\t0\t0\n4\t6\t2\t9\t\t0\t100\n"
       "5\t6\t1\t\t10\t0\t0\n5\t7\t2\t11\t\t0\t100\n6\t7\t1\t\t12\t0\t0\n6\t8\t2\t13\t\t0\t100\n"},
      {"price", "100\t99999999.9,1\t\t\t\t\t\t\t\t\n"}};
  t.Build();
  const std::string db = t.DbPath().string();
  auto r = test::RunCli({"--db", db, "--json", "journeys", "子", "卯"});
  EXPECT_NE(r.out.find("\"changes\":2,\"distanceKm\":2999999997,\"fare\":null,"), std::string::npos) << r.out;
  r = test::RunCli({"--db", db, "journeys", "辰", "未"});
  EXPECT_EQ(r.out.substr(0, r.out.find("\tK4")), "08:00\t 13:00\t5小时\t2\t300\t299999999.7") << r.err;
}

}  // namespace
}  // namespace kw
