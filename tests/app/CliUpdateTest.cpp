#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestTimetable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

class CliUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.Set("station", "1\t北京\tbj\n2\t天津\ttj\n");
    t_.Build();
  }
  test::CommandResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", t_.DbPath().string()});
    return test::RunCli(args);
  }
  // The update fails with `status` and one line on stderr that begins with `error`.
  void ExpectError(const std::vector<std::string>& file, int status, const std::string& error) {
    auto args = file;
    args.insert(args.begin(), "update");
    const auto r = Run(args);
    EXPECT_EQ(r.status, status) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(error, 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }

  test::TestTimetable t_;
  test::TempDir dir_;
};

TEST_F(CliUpdateTest, AppliesTheFileAndDeletesIt) {
  const auto file =
      dir_.Write("u.txt", "insert;station;3;3,\"上海\",\"sh\"\r\nupdate;station;2;jm=\"tjx\"\r\n");
  const auto r = Run({"update", file.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "更新完毕！\n");
  EXPECT_EQ(r.err, "");
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(Run({"stations", "sh"}).out, "3\t上海\n");
  EXPECT_EQ(Run({"stations", "tjx"}).out, "2\t天津\n");
}

TEST_F(CliUpdateTest, ABadOrMissingFileIsOneLineOnStderrAndChangesNothing) {
  const auto bad = dir_.Write("bad.txt", "insert;station;3;3,\"上海\",\"sh\"\r\nupdate;station;2;jm=x\r\n");
  const auto empty = dir_.Write("empty.txt", "");
  const auto missing = dir_.Path() / "missing.txt";
  ExpectError({bad.string()}, 2, "文件受损或格式不合法！第 2 行：无法识别的值：x\n");
  ExpectError({empty.string()}, 2, "您的更新文件有问题，请选择正确的更新文件！\n");
  ExpectError({missing.string()}, 3, "无法读取更新文件 " + missing.string());
  ExpectError({}, 2, "用法：kestrelway-cli update FILE");
  EXPECT_TRUE(fs::exists(bad) && fs::exists(empty));
  EXPECT_EQ(Run({"stations", "sh"}).out, "");
}

}  // namespace
}  // namespace kw
