#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::RunCli;

class CliStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.Set("station", "1\t北京\tbj\n2\t北京西\tbjx\n3\t天津\ttj\n4\t白涧\tbj\n");
    t_.Build();
    db_ = t_.DbPath().string();
  }
  test::TestTimetable t_;
  std::string db_;
};

TEST_F(CliStoreTest, StationsByInitialsAndByName) {
  auto r = RunCli({"--db", db_, "stations", "bj"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\t北京\n2\t北京西\n4\t白涧\n");
  r = RunCli({"--db", db_, "stations", "北京"});
  EXPECT_EQ(r.out, "1\t北京\n2\t北京西\n");
  r = RunCli({"--db", db_, "--json", "stations", "tj"});
  EXPECT_EQ(r.out, "{\"id\":\"3\",\"name\":\"天津\"}\n");
}

TEST_F(CliStoreTest, NoMatchExitsOneWithNothingOnStdout) {
  const auto r = RunCli({"--db", db_, "stations", "qq"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
}

TEST_F(CliStoreTest, FaresPrintsSevenLinesInPanelOrder) {
  const auto r = RunCli({"--db", db_, "fares", "2", "450"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "50\n100\n5001\n5002\n5003\n5004\n5005\n");
}

TEST_F(CliStoreTest, FailuresAreOneLineOnStderrWithNonZeroStatus) {
  auto r = RunCli({"--db", "/nonexistent/Train.dll", "stations", "bj"});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("/nonexistent/Train.dll"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  r = RunCli({"--db", db_, "fares", "x", "1"});
  EXPECT_EQ(r.status, 2);
  r = RunCli({"--db", db_, "nonsense"});
  EXPECT_EQ(r.status, 2);
}

TEST_F(CliStoreTest, BuildDbRefusesABadRowWithItsLine) {
  test::TempDir out;
  t_.Set("pass", "1\t1\t1\t8\t8\t0\t0\n");  // train 1 does not exist
  try {
    t_.Build();
  } catch (...) {
  }
  const auto r = RunCli({"build-db", t_.DataDir().string(), (out.Path() / "x.dll").string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("pass.tsv 第 2 行"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(out.Path() / "x.dll"));
}

}  // namespace
}  // namespace kw
