#include "store/DataBuilder.h"

#include <gtest/gtest.h>

#include "query/TimetableTime.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::TestTimetable;

// Two stations, one train with two stops: a timetable the builder accepts.
TestTimetable ValidTimetable() {
  TestTimetable t;
  t.Set("station", "1\t北京\tbj\n2\t天津\ttj\n");
  t.Set("train", "1\tK1\t1\t1\t2\t8.3\t9.5\t0\t137\t\n");
  t.Set("pass", "1\t1\t1\t8.3\t8.3\t0\t0\n1\t2\t2\t9.5\t9.5\t0\t137\n");
  return t;
}

// Builds and expects a refusal naming `file`, `line` and `words`.
void ExpectRefused(TestTimetable& t, const std::string& file, int line, const std::string& words) {
  try {
    t.Build();
    FAIL() << "accepted a bad " << file;
  } catch (const BuildError& e) {
    EXPECT_EQ(e.File(), file) << e.what();
    EXPECT_EQ(e.Line(), line) << e.what();
    EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(t.DbPath())) << "a refused build left a database";
}

TEST(DataBuilder, BuildsAndStoresTimesAsNumbers) {
  auto t = ValidTimetable();
  auto db = t.Open();
  auto q = db->Prepare("SELECT arrive, depart, distance FROM pass WHERE station = 2");
  ASSERT_TRUE(q.Step());
  EXPECT_EQ(ToHhmm(q.Double(0)), 950);
  EXPECT_EQ(q.Int(2), 137);
  auto memo = db->Prepare("SELECT memo IS NULL FROM train");
  ASSERT_TRUE(memo.Step());
  EXPECT_EQ(memo.Int(0), 1) << "an empty field must become Null";
}

TEST(DataBuilder, RefusesUnknownStationAndClass) {
  auto t = ValidTimetable();
  t.Set("pass", "1\t1\t1\t8.3\t8.3\t0\t0\n1\t9\t2\t9.5\t9.5\t0\t137\n");
  ExpectRefused(t, "pass.tsv", 3, "车站编号 9 不存在");

  auto k = ValidTimetable();
  k.Set("train", "1\tK1\t42\t1\t2\t8.3\t9.5\t0\t137\t\n");
  ExpectRefused(k, "train.tsv", 2, "车型编号 42 不存在");

  auto e = ValidTimetable();
  e.Set("train", "1\tK1\t1\t1\t77\t8.3\t9.5\t0\t137\t\n");
  ExpectRefused(e, "train.tsv", 2, "终到站编号 77 不存在");
}

TEST(DataBuilder, RefusesTwoStopsAtOneStationOrOneSequenceNumber) {
  auto t = ValidTimetable();
  t.Set("pass", "1\t1\t1\t8.3\t8.3\t0\t0\n1\t2\t2\t9.5\t9.5\t0\t137\n1\t1\t3\t10\t10\t0\t200\n");
  ExpectRefused(t, "pass.tsv", 4, "有两个停站");

  auto z = ValidTimetable();
  z.Set("pass", "1\t1\t1\t8.3\t8.3\t0\t0\n1\t2\t1\t9.5\t9.5\t0\t137\n");
  ExpectRefused(z, "pass.tsv", 3, "站次 1 出现两次");
}

TEST(DataBuilder, RefusesATimeThatIsNotHoursAndMinutes) {
  auto t = ValidTimetable();
  t.Set("pass", "1\t1\t1\t8.3\t8.3\t0\t0\n1\t2\t2\t9.75\t9.75\t0\t137\n");
  ExpectRefused(t, "pass.tsv", 3, "9.75");
  auto h = ValidTimetable();
  h.Set("train", "1\tK1\t1\t1\t2\t24\t9.5\t0\t137\t\n");
  ExpectRefused(h, "train.tsv", 2, "24");
}

TEST(DataBuilder, RefusesBadShapeAndDuplicateKeys) {
  auto t = ValidTimetable();
  t.Set("station", "1\t北京\tbj\n2\t天津\n");
  ExpectRefused(t, "station.tsv", 3, "应有 3 列");

  auto d = ValidTimetable();
  d.Set("station", "1\t北京\tbj\n2\t天津\ttj\n1\t上海\tsh\n");
  ExpectRefused(d, "station.tsv", 4, "车站编号与第 2 行重复");

  auto n = ValidTimetable();
  n.Set("station", "1\t北京\tbj\n2\t天津\ttj\n3\t北京\tbj\n");
  ExpectRefused(n, "station.tsv", 4, "车站名");

  auto i = ValidTimetable();
  i.Set("pass", "1\t1\t1\t8.3\t8.3\t0\t0\n1\t2\ttwo\t9.5\t9.5\t0\t137\n");
  ExpectRefused(i, "pass.tsv", 3, "不是整数");
}

TEST(DataBuilder, RefusesAWrongHeader) {
  auto t = ValidTimetable();
  t.Build();
  test::TempDir dir;
  for (const auto& entry : std::filesystem::directory_iterator(t.DataDir())) {
    std::filesystem::copy(entry.path(), dir.Path() / entry.path().filename());
  }
  dir.Write("kind.tsv", "id\tname\tprice\n1\t特快\t特快\n");
  const auto out = (dir.Path() / "out.dll").string();
  try {
    BuildDatabase(dir.Path().string(), out, "k");
    FAIL();
  } catch (const BuildError& e) {
    EXPECT_EQ(e.File(), "kind.tsv");
    EXPECT_EQ(e.Line(), 1);
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(DataBuilder, AcceptsCrLfLineEnds) {
  auto t = ValidTimetable();
  t.Set("station", "1\t北京\tbj\r\n2\t天津\ttj\r\n");
  auto db = t.Open();
  auto q = db->Prepare("SELECT jm FROM station WHERE id = 2");
  ASSERT_TRUE(q.Step());
  EXPECT_EQ(q.Text(0), "tj");
}

}  // namespace
}  // namespace kw
