#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestTimetable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::RunCli;

class CliUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.Set("station", "1\t北京\tbj\n2\t天津\ttj\n");
    t_.Build();
    db_ = t_.DbPath().string();
  }
  std::string Stations(const std::string& text) { return RunCli({"--db", db_, "stations", text}).out; }

  test::TestTimetable t_;
  test::TempDir dir_;
  std::string db_;
};

TEST_F(CliUpdateTest, AppliesTheFileAndDeletesIt) {
  const auto file =
      dir_.Write("u.txt", "insert;station;3;3,\"上海\",\"sh\"\r\nupdate;station;2;jm=\"tjx\"\r\n");
  const auto r = RunCli({"--db", db_, "update", file.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "更新完毕！\n");
  EXPECT_EQ(r.err, "");
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(Stations("sh"), "3\t上海\n");
  EXPECT_EQ(Stations("tjx"), "2\t天津\n");
}

TEST_F(CliUpdateTest, ABadLineIsOneLineOnStderrAndNothingChanges) {
  const auto file = dir_.Write("u.txt", "insert;station;3;3,\"上海\",\"sh\"\r\nupdate;station;2;jm=x\r\n");
  const auto r = RunCli({"--db", db_, "update", file.string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "文件受损或格式不合法！第 2 行：无法识别的值：x\n");
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(Stations("sh"), "");
}

TEST_F(CliUpdateTest, AFileWithoutRecordsOrMissingIsRefused) {
  const auto empty = dir_.Write("empty.txt", "");
  auto r = RunCli({"--db", db_, "update", empty.string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "您的更新文件有问题，请选择正确的更新文件！\n");
  EXPECT_TRUE(fs::exists(empty));

  r = RunCli({"--db", db_, "update", (dir_.Path() / "missing.txt").string()});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("无法读取更新文件"), std::string::npos);
  EXPECT_NE(r.err.find("missing.txt"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);

  r = RunCli({"--db", db_, "update"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("update FILE"), std::string::npos);
}

}  // namespace
}  // namespace kw
