#include <gtest/gtest.h>

#include "app/CliCheck.h"

namespace kw {
namespace {

using test::RunCli;

TEST(CliStore, StationsAndFaresOrAOneLineFailureWithItsStatus) {
  test::TestTimetable t{
      {"station", "1\t北京\tbj\tbeijing\n2\t北京西\tbjx\tbeijingxi\n3\t天津\ttj\n4\t白涧\tbj\n"}};
  t.Build();
  const std::string db = t.DbPath().string();
  const struct {
    std::vector<std::string> args;
    int status;
    const char *out, *err;  // err: its first line
  } cases[] = {
      {{"stations", "bj"}, 0, "1\t北京\n2\t北京西\n4\t白涧\n", ""},
      {{"stations", "北京"}, 0, "1\t北京\n2\t北京西\n", ""},
      {{"stations", "beijingx"}, 0, "2\t北京西\n", ""},
      {{"--json", "stations", "tj"}, 0, "{\"id\":\"3\",\"name\":\"天津\"}\n", ""},
      {{"stations", "qq"}, 1, "", "没有以“qq”开头的站名\n"},
      {{"--json", "stations", "上海"}, 1, "", "没有以“上海”开头的站名\n"},
      {{"fares", "2", "450"}, 0, "50\n100\n5001\n5002\n5003\n5004\n5005\n", ""},
      {{"fares", "9", "450"}, 0, "暂缺\n暂缺\n暂缺\n暂缺\n暂缺\n暂缺\n暂缺\n", ""},  // a class without fares
      {{"fares", "x", "1"}, 2, "", "KIND_ID 应为整数：x\n"},
      {{"fares", "2", "-100"}, 2, "", "KM 不能为负数：-100\n"},  // no negative distance is priced
      {{"nonsense"}, 2, "", "未知命令：nonsense\n"},
      // An option no command takes is refused, before or after the command.
      {{"stations", "--bogus", "bj"}, 2, "", "未知选项：--bogus\n"},
      {{"--bogus", "stations", "bj"}, 2, "", "未知选项：--bogus\n"}};
  for (const auto& c : cases) {
    const auto r = test::ExpectCli(db, c.args, c.status, c.out);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), c.err);
  }
  // The searches read beside a window that has the file open for writing.
  {
    const auto window = Database::Open(db);
    test::ExpectCli(db, {"stations", "tj"}, 0, "3\t天津\n");
  }
  const auto r = RunCli({"--db", "/nonexistent/Train.dll", "stations", "bj"});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("/nonexistent/Train.dll"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

// Output that cannot be written is a failure, not a result: every command
// checks its stream at the end.
TEST(CliStore, OutputThatCannotBeWrittenFailsWithAMessage) {
  test::TestTimetable t{{"station", "1\t北京\tbj\n2\t天津\ttj\n"}};
  t.Build();
  const std::string db = t.DbPath().string();
  const test::TempDir dir;
  const auto update = dir.Write("update.txt", "update;station;2;jm=\"tj\"\n");
  const test::DatabaseCopy national(KW_SHIPPED_DB);
  const std::string full = "无法写出结果：磁盘空间不足\n";
  const struct {
    std::string db;
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {db, {"stations", "bj"}, 3, full},
      {db, {"--json", "stations", "tj"}, 3, full},
      {db, {"fares", "2", "450"}, 3, full},
      // The update itself is done: the message says so.
      {db, {"update", update.string()}, 3, "更新完毕！但" + full},
      // Output beyond the stream's buffer fails while the command runs.
      {national.DbPath().string(), {"--json", "board", "北京"}, 3, full},
      // Nothing to write and nothing found: the message alone, status 1.
      {db, {"stations", "qq"}, 1, "没有以“qq”开头的站名\n"},
  };
  for (auto [path, args, status, err] : cases) {
    args.insert(args.begin(), {"--db", path});
    const auto r = RunCli(args, "/dev/full");
    EXPECT_EQ(r.status, status) << args[2];
    EXPECT_EQ(r.err, err) << args[2];
  }
  EXPECT_FALSE(std::filesystem::exists(update));
}

}  // namespace
}  // namespace kw
