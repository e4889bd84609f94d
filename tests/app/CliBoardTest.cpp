#include <gtest/gtest.h>

#include "app/CliCheck.h"

namespace kw {
namespace {

// Runs `board` on a private copy of the hand-made timetable (the tool holds
// its database exclusively, and other tests run beside this one).
void ExpectBoard(std::vector<std::string> args, int status, const char* out, const char* err = nullptr) {
  static const test::DatabaseCopy copy;
  args.insert(args.begin(), "board");
  test::ExpectCli(copy.DbPath().string(), args, status, out, err);
}

TEST(CliBoard, PrintsTheCallsAsTextOrJson) {
  // 郑州 from 20:00: 4602 ends here, K508 starts here.
  ExpectBoard({"郑州", "--after", "20:00", "--types", "o"}, 0,
              "4602\t普快\t信阳\t郑州\t20:06\t终到\t\t337\n");
  ExpectBoard({"--json", "郑州", "--after", "20:00", "--only", "start"}, 0,
              "{\"trainId\":28,\"train\":\"K508\",\"kind\":\"快速\",\"from\":\"郑州\",\"to\":\"北京西\","
              "\"arrive\":null,\"depart\":\"22:50\",\"arriveMinutes\":null,\"departMinutes\":1370,"
              "\"dwellMinutes\":null,\"km\":0}\n");
  ExpectBoard({"--json", "密云", "--until", "12:00"}, 0,
              "{\"trainId\":68,\"train\":\"4471\",\"kind\":\"普快\",\"from\":\"北京东\",\"to\":\"承德\","
              "\"arrive\":\"09:58\",\"depart\":\"10:01\",\"arriveMinutes\":598,\"departMinutes\":601,"
              "\"dwellMinutes\":3,\"km\":null}\n");
  // The window runs to 23:59 unless told otherwise: T109 leaves 德州 at 23:06.
  ExpectBoard({"德州", "--after", "23:00"}, 0, "T109\t特快\t北京\t上海\t22:58\t23:06\t8\t356\n");
  // The widened mode names the station; towards 北京, sorted by number.
  ExpectBoard({"北京", "--all-with-prefix", "--towards", "天津", "--sort", "train", "--types", "T"}, 0,
              "T17\t特快\t北京\t哈尔滨\t始发\t16:48\t\t0\t北京\n"
              "T109\t特快\t北京\t上海\t始发\t19:33\t\t0\t北京\n");
}

TEST(CliBoard, NothingThereEndsWithAMessageAndBadOptionsWithUsage) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;
  } cases[] = {
      {{"火星"}, 1, "没有名为“火星”的车站\n"},
      {{"郑州", "--types", "G"}, 1, "对不起！郑州在所选的时间和车型内没有符合要求的列车。\n"},
      {{"郑州", "--only", "both"}, 2, "--only 应为 start 或 end：both\n"},
      {{"郑州", "--sort", "km"}, 2, "--sort 应为 depart、arrive 或 train：km\n"},
      {{"郑州", "--after", "25:00"}, 2, "--after 应为时间 HH:MM：25:00\n"},
  };
  for (const auto& c : cases) ExpectBoard(c.args, c.status, "", c.err);
}

}  // namespace
}  // namespace kw
