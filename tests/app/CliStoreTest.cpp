#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::RunCli;

TEST(CliStore, StationsAndFaresOrAOneLineFailureWithItsStatus) {
  test::TestTimetable t{{"station", "1\t北京\tbj\tbeijing\n2\t北京西\tbjx\tbeijingxi\n3\t天津\ttj\n4\t白涧\tbj\n"}};
  t.Build();
  const std::string db = t.DbPath().string();
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"stations", "bj"}, 0, "1\t北京\n2\t北京西\n4\t白涧\n"},
      {{"stations", "北京"}, 0, "1\t北京\n2\t北京西\n"},
      {{"stations", "beijing"}, 0, "1\t北京\n2\t北京西\n"},
      {{"stations", "beijingx"}, 0, "2\t北京西\n"},
      {{"--json", "stations", "tj"}, 0, "{\"id\":\"3\",\"name\":\"天津\"}\n"},
      {{"stations", "qq"}, 1, ""},
      {{"fares", "2", "450"}, 0, "50\n100\n5001\n5002\n5003\n5004\n5005\n"},
      {{"fares", "9", "450"}, 0, "暂缺\n暂缺\n暂缺\n暂缺\n暂缺\n暂缺\n暂缺\n"},  // a class without fares
      {{"fares", "x", "1"}, 2, ""},
      {{"fares", "2", "-100"}, 2, ""},  // no negative distance is priced
      {{"nonsense"}, 2, ""},
      // An option no command takes is refused, before or after the command.
      {{"stations", "--bogus", "bj"}, 2, ""},
      {{"--bogus", "stations", "bj"}, 2, ""}};
  for (auto [args, status, out] : cases) {
    args.insert(args.begin(), {"--db", db});
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, status) << args[2] << ": " << r.err;
    EXPECT_EQ(r.out, out) << args[2];
    EXPECT_EQ(r.err.empty(), status < 2) << r.err;
  }
  EXPECT_NE(RunCli({"--db", db, "stations", "--bogus", "bj"}).err.find("未知选项：--bogus"), std::string::npos);
  // The searches read beside a window that has the file open for writing.
  {
    const auto window = Database::Open(db);
    const auto read = RunCli({"--db", db, "stations", "tj"});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, "3\t天津\n");
  }
  const auto r = RunCli({"--db", "/nonexistent/Train.dll", "stations", "bj"});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("/nonexistent/Train.dll"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST(CliStore, BuildDbRefusesABadRowWithItsLine) {
  test::TestTimetable t{{"pass", "1\t1\t1\t8\t8\t0\t0\n"}};  // train 1 does not exist
  EXPECT_THROW(t.Build(), std::exception);
  const auto out = t.Root() / "x.dll";
  const auto r = RunCli({"build-db", t.DataDir().string(), out.string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("pass.tsv 第 2 行"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace kw
