#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

// A private copy of the hand-made timetable: the tool holds its database
// exclusively, and other tests run beside this one.
test::CommandResult RunBoard(std::vector<std::string> args) {
  static const test::DatabaseCopy copy;
  args.insert(args.begin(), {"--db", copy.DbPath().string(), "board"});
  return test::RunCli(args);
}

TEST(CliBoard, PrintsTheCallsAsTextOrJson) {
  // 郑州 from 20:00: 4602 ends here, K508 starts here.
  auto r = RunBoard({"郑州", "--after", "20:00", "--types", "o"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "4602\t普快\t信阳\t郑州\t20:06\t终到\t\t337\n");
  r = RunBoard({"--json", "郑州", "--after", "20:00", "--only", "start"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"trainId\":28,\"train\":\"K508\",\"kind\":\"快速\",\"from\":\"郑州\",\"to\":\"北京西\","
            "\"arrive\":null,\"depart\":\"22:50\",\"arriveMinutes\":null,\"departMinutes\":1370,"
            "\"dwellMinutes\":null,\"km\":0}\n");
  r = RunBoard({"--json", "密云", "--until", "12:00"});
  EXPECT_EQ(r.out,
            "{\"trainId\":68,\"train\":\"4471\",\"kind\":\"普快\",\"from\":\"北京东\",\"to\":\"承德\","
            "\"arrive\":\"09:58\",\"depart\":\"10:01\",\"arriveMinutes\":598,\"departMinutes\":601,"
            "\"dwellMinutes\":3,\"km\":null}\n");
  // The window runs to 23:59 unless told otherwise: T109 leaves 德州 at 23:06.
  r = RunBoard({"德州", "--after", "23:00"});
  EXPECT_EQ(r.out, "T109\t特快\t北京\t上海\t22:58\t23:06\t8\t356\n") << r.err;
  // The widened mode names the station; towards 北京, sorted by number.
  r = RunBoard({"北京", "--all-with-prefix", "--towards", "天津", "--sort", "train", "--types", "T"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "T17\t特快\t北京\t哈尔滨\t始发\t16:48\t\t0\t北京\n"
            "T109\t特快\t北京\t上海\t始发\t19:33\t\t0\t北京\n");
}

TEST(CliBoard, NothingThereEndsWithAMessageAndBadOptionsWithUsage) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"火星"}, 1, "没有名为“火星”的车站\n"},
      {{"郑州", "--types", "G"}, 1, "对不起！郑州在所选的时间和车型内没有符合要求的列车。\n"},
      {{"郑州", "--only", "both"}, 2, "--only 应为 start 或 end：both\n"},
      {{"郑州", "--sort", "km"}, 2, "--sort 应为 depart、arrive 或 train：km\n"},
      {{"郑州", "--after", "25:00"}, 2, "--after 应为时间 HH:MM：25:00\n"},
  };
  for (const auto& c : cases) {
    const auto r = RunBoard(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[0];
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace kw
