#include <gtest/gtest.h>

#include <algorithm>

#include "app/CliCheck.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

const std::string kSmallFeed = std::string(KW_SOURCE_DIR) + "/tests/data/gtfs/small";

class CliGtfsTest : public ::testing::Test {
 protected:
  test::CommandResult Run(std::vector<std::string> args, int status, const char* out = nullptr,
                          const char* err = nullptr) {
    return test::ExpectCli(copy_.DbPath().string(), std::move(args), status, out, err);
  }
  test::DatabaseCopy copy_;
  test::TempDir dir_;
};

TEST_F(CliGtfsTest, ImportWritesATimetableThatTheCommandsOpen) {
  const std::string out = (dir_.Path() / "new.dll").string();
  Run({"import-gtfs", kSmallFeed, out, "--date", "2026-12-05", "--distance-unit", "m"}, 0,
      "5 个车站，4 个车次，12 个停站，日期 2026-12-05，版本 2026-12 小测试（GTFS）\n", "");
  test::ExpectCli(out, {"stations", "lgx"}, 0, "5\t龙港西\n");
  const auto search = test::ExpectCli(out, {"search", "北京", "龙港西"}, 0);
  EXPECT_NE(search.out.find("G101/G9101"), std::string::npos) << search.out;
  // Distances in km by default: 900500 km is past what a stop can carry.
  const std::string km = (dir_.Path() / "km.dll").string();
  Run({"import-gtfs", kSmallFeed, km, "--date", "2026-12-05"}, 0);
  EXPECT_EQ(
      test::QueryRows(*Database::Open(km), "SELECT distance FROM pass WHERE trainid = 1 ORDER BY zhanci"),
      (std::vector<std::string>{"0", "120000", "700000", "900500"}));
}

// What is wrong with a feed itself is told by the import's own tests; here
// it is one line, exit 2 and no file.
TEST_F(CliGtfsTest, ABadFeedOrArgumentIsOneLineExitTwoAndNoFile) {
  const std::string out = (dir_.Path() / "new.dll").string();
  struct Case {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"import-gtfs", kSmallFeed, out, "--date", "2026-12-32"}, "日期 “2026-12-32” 应写成 YYYY-MM-DD\n"},
      {{"import-gtfs", kSmallFeed, out, "--distance-unit", "mi"}, "--distance-unit 应为 km 或 m：mi\n"},
      {{"import-gtfs", (dir_.Path() / "none.zip").string(), out}, "none.zip：无法打开\n"},
      {{"import-gtfs", kSmallFeed, copy_.DbPath().string()}, "输出文件不能是正在使用的时刻表数据库\n"},
  };
  for (const auto& c : cases) {
    const auto r = Run(c.args, 2, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), c.error);
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST_F(CliGtfsTest, ExportWritesAZipAndNamesTheStationsWithoutAPosition) {
  const std::string zip = (dir_.Path() / "out.zip").string();
  const auto r = Run({"export-gtfs", zip}, 0);
  EXPECT_EQ(r.out.rfind("239 个车站，80 个车次，970 个停站", 0), 0u) << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
  EXPECT_GT(fs::file_size(zip), 1000u);
  const auto bad = Run({"export-gtfs", (dir_.Path() / "no/such/folder/out.zip").string()}, 3, "");
  EXPECT_NE(bad.err.find("out.zip"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace kw
