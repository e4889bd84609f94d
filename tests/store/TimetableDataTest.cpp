// The two timetables of the project: the national one the program ships
// (data/) and the hand-made one the tests are built on (tests/data). Both
// keep the rules the searches and windows rely on beyond what the builder
// checks row by row.
#include <gtest/gtest.h>

#include <algorithm>

#include "query/StationLookup.h"
#include "store/Database.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

int Count(Database& db, const char* sql) { return std::stoi(test::QueryRows(db, sql).at(0)); }

class TimetableData : public ::testing::TestWithParam<std::string> {
 protected:
  Database& Db() { return GetParam() == "Shipped" ? test::ShippedDb() : test::HandMadeDb(); }
};

TEST_P(TimetableData, TipsFaresAndVersionAreUsable) {
  EXPECT_EQ(Count(Db(), "SELECT count(*) FROM VerID"), 1);
  // Tips are numbered 1..n without gaps: the tip window steps through them.
  EXPECT_GT(Count(Db(), "SELECT count(*) FROM everyday"), 0);
  EXPECT_EQ(Count(Db(), "SELECT min(id) FROM everyday"), 1);
  EXPECT_EQ(Count(Db(), "SELECT max(id) FROM everyday"), Count(Db(), "SELECT count(*) FROM everyday"));
  // A class names one of the five fare families, or none (fares unknown).
  EXPECT_EQ(Count(Db(),
                  "SELECT count(*) FROM kind WHERE coalesce(price, '') NOT IN "
                  "('', '普慢', '普快', '特快', '空调普快', '空调特快')"),
            0);
  EXPECT_GE(Count(Db(), "SELECT max(distance) FROM price"), Count(Db(), "SELECT max(distance) FROM train"));
}

TEST_P(TimetableData, TrainRowsAgreeWithTheirStops) {
  // First and last stop, times, day and distance of each train as its stop
  // list has them (a last stop may hold 0: its distance is not known).
  EXPECT_EQ(Count(Db(), R"sql(
    SELECT count(*) FROM train t
    JOIN pass f ON f.trainid = t.id AND f.zhanci = (SELECT min(zhanci) FROM pass WHERE trainid = t.id)
    JOIN pass l ON l.trainid = t.id AND l.zhanci = (SELECT max(zhanci) FROM pass WHERE trainid = t.id)
    WHERE t.fstation <> f.station OR t.estation <> l.station
       OR round(t.ftime * 100) <> round(f.depart * 100) OR round(t.etime * 100) <> round(l.arrive * 100)
       OR t.day <> l.day OR (l.distance > 0 AND t.distance <> l.distance))sql"),
            0);
  EXPECT_EQ(
      Count(Db(), "SELECT count(*) FROM train t WHERE NOT EXISTS (SELECT 1 FROM pass WHERE trainid = t.id)"),
      0);
}

INSTANTIATE_TEST_SUITE_P(Both, TimetableData, ::testing::Values("Shipped", "HandMade"),
                         [](const auto& info) { return info.param; });

bool Lists(const StationMatches& m, const char* name) {
  return std::find(m.names.begin(), m.names.end(), name) != m.names.end();
}

TEST(ShippedData, IsTheNationalTimetableWithTheProgramsTipsFirst) {
  Database& db = test::ShippedDb();
  const auto m = FindStations(db, "bj", true);
  for (const char* name : {"北京", "北京西", "北京南", "北京东"}) EXPECT_TRUE(Lists(m, name)) << name;
  EXPECT_GT(Count(db, "SELECT count(*) FROM train"), 8000);
  // The program's own tips come first, unchanged, then those of the data set.
  const auto own = test::QueryRows(test::HandMadeDb(), "SELECT * FROM everyday ORDER BY id");
  const auto shipped = test::QueryRows(db, "SELECT * FROM everyday ORDER BY id");
  ASSERT_GT(shipped.size(), own.size());
  EXPECT_TRUE(std::equal(own.begin(), own.end(), shipped.begin()));
}

}  // namespace
}  // namespace kw
