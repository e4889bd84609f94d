#include "store/DataBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "query/TimetableTime.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::QueryRows;
using test::TestTimetable;

// Two stations, one train with two stops: a timetable the builder accepts.
const std::string kStations = "1\t北京\tbj\n2\t天津\ttj\n";
const std::string kFirstStop = "1\t1\t1\t8.3\t8.3\t0\t0\n";
TestTimetable ValidTimetable() {
  return {{"station", kStations},
          {"train", "1\tK1\t1\t1\t2\t8.3\t9.5\t0\t137\t\n"},
          {"pass", kFirstStop + "1\t2\t2\t9.5\t9.5\t0\t137\n"}};
}

// The valid timetable with `table` set to `rows` is refused on `line` of
// `file` with a message that holds `words`, and no database is left.
void ExpectRefused(const std::string& table, const std::string& rows, const std::string& file, int line,
                   const std::string& words) {
  auto t = ValidTimetable();
  t.Set(table, rows);
  try {
    t.Build();
    ADD_FAILURE() << "accepted " << rows;
  } catch (const BuildError& e) {
    EXPECT_EQ(e.File(), file) << e.what();
    EXPECT_EQ(e.Line(), line) << e.what();
    EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(t.DbPath())) << "a refused build left a database: " << words;
}

TEST(DataBuilder, BuildsCrLfRowsAndStoresTimesAsNumbersAndEmptyFieldsAsNull) {
  auto t = ValidTimetable();
  t.Set("station", "1\t北京\tbj\r\n2\t天津\ttj\r\n");
  auto db = t.Open();
  auto q = db->Prepare("SELECT arrive, distance FROM pass WHERE station = 2");
  ASSERT_TRUE(q.Step());
  EXPECT_EQ(ToHhmm(q.Double(0)), 950);
  EXPECT_EQ(q.Int(1), 137);
  EXPECT_EQ(QueryRows(*db, "SELECT memo IS NULL FROM train"), std::vector<std::string>{"1"});
  EXPECT_EQ(QueryRows(*db, "SELECT jm FROM station WHERE id = 2"), std::vector<std::string>{"tj"});
}

TEST(DataBuilder, RefusesABadRowNamingItsFileAndLine) {
  const std::tuple<std::string, std::string, std::string, int, std::string> cases[] = {
      {"pass", kFirstStop + "1\t9\t2\t9.5\t9.5\t0\t137\n", "pass.tsv", 3, "车站编号 9 不存在"},
      {"train", "1\tK1\t42\t1\t2\t8.3\t9.5\t0\t137\t\n", "train.tsv", 2, "车型编号 42 不存在"},
      {"train", "1\tK1\t1\t1\t77\t8.3\t9.5\t0\t137\t\n", "train.tsv", 2, "终到站编号 77 不存在"},
      {"pass", kFirstStop + "1\t2\t2\t9.5\t9.5\t0\t137\n1\t1\t3\t10\t10\t0\t200\n", "pass.tsv", 4,
       "有两个停站"},
      {"pass", kFirstStop + "1\t2\t1\t9.5\t9.5\t0\t137\n", "pass.tsv", 3, "站次 1 出现两次"},
      {"pass", kFirstStop + "1\t2\t2\t9.75\t9.75\t0\t137\n", "pass.tsv", 3, "9.75"},
      {"pass", kFirstStop + "1\t2\ttwo\t9.5\t9.5\t0\t137\n", "pass.tsv", 3, "不是整数"},
      {"station", "1\t北京\tbj\n2\t天津\n", "station.tsv", 3, "应有 3 至 6 列"},
      {"station", "1\t北京\tbj\tbeijing\t39.9\t116.4\tx\n", "station.tsv", 2, "应有 3 至 6 列"},
      {"station", kStations + "1\t上海\tsh\n", "station.tsv", 4, "车站编号与第 2 行重复"},
      {"station", kStations + "3\t北京\tbj\n", "station.tsv", 4, "车站名"},
      // Names are one without regard to letter case, as the database compares them.
      {"station", kStations + "3\tAb站\tab\n4\taB站\tab\n", "station.tsv", 5, "车站名与第 4 行重复"},
      // Numbers the program cannot hold exactly (4294967306 would read back as 10).
      {"station", kStations + "4294967306\t北京南\tbjn\n", "station.tsv", 4,
       "列 id 的值 “4294967306” 超出范围"},
  };
  for (const auto& [table, rows, file, line, words] : cases) ExpectRefused(table, rows, file, line, words);
}

TEST(DataBuilder, RefusesABadPositionNamingItsLine) {
  const std::tuple<std::string, int, std::string> cases[] = {
      {"上海\t121.3\t31.2\tosm\n", 2, "车站 上海 不在车站表中"},
      {"北京\t116.4\t\tosm\n", 2, "经度和纬度须同时给出或同时留空"},
      {"北京\t116.4\t95\tosm\n", 2, "列 lat 的值 “95” 超出范围（-90 至 90）"},
      {"北京\t东经116\t39.9\tosm\n", 2, "列 lon 的值 “东经116” 不是数值"},
      {"北京\t116.4\t39.9\n", 2, "应有 4 列，实有 3 列"},
      {"北京\t116.4\t39.9\tosm\n天津\t117.2\t39.1\tosm\n北京\t1\t1\tosm\n", 4, "车站名与第 2 行重复"},
  };
  for (const auto& [rows, line, words] : cases)
    ExpectRefused("station_coordinates", rows, "station_coordinates.tsv", line, words);
}

TEST(DataBuilder, RefusesAWrongHeader) {
  auto t = ValidTimetable();
  t.Build();
  std::ofstream(t.DataDir() / "kind.tsv") << "id\tname\tprice\n1\t特快\t特快\n";
  const auto out = (t.Root() / "out.dll").string();
  try {
    BuildDatabase(t.DataDir().string(), out, "k");
    ADD_FAILURE() << "accepted a wrong header";
  } catch (const BuildError& e) {
    EXPECT_EQ(e.File(), "kind.tsv");
    EXPECT_EQ(e.Line(), 1);
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

// A build that fails while it writes (a folder stands where its journal
// goes) or when it puts the file in place (a folder stands there) fails with
// the cause, leaves no partial file behind and the old file as it was.
TEST(DataBuilder, AFailedBuildLeavesNoPartialFileAndTheOldFileAsItWas) {
  for (const char* obstacle : {"out.dll.part-journal/in the way", "out.dll/in the way"}) {
    SCOPED_TRACE(obstacle);
    auto t = ValidTimetable();
    t.Build();
    const auto out = t.Root() / "out.dll";
    std::filesystem::create_directories(t.Root() / obstacle);
    if (!std::filesystem::exists(out)) std::ofstream(out) << "old";
    EXPECT_THROW(BuildDatabase(t.DataDir().string(), out.string(), "k"), DatabaseError);
    for (const auto& entry : std::filesystem::directory_iterator(t.Root()))
      EXPECT_NE(entry.path().extension(), ".part") << entry.path();
    if (std::filesystem::is_regular_file(out)) {
      EXPECT_EQ(test::ReadFile(out), "old");
    }
  }
}

}  // namespace
}  // namespace kw
