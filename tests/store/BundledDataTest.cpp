// The bundled timetable every new user meets: it opens, and its trains agree
// with their own stop lists.
#include <gtest/gtest.h>

#include <algorithm>

#include "query/StationSearch.h"
#include "store/Database.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

Database& Db() { return test::BundledDb(); }

int Count(const char* sql) { return std::stoi(test::QueryRows(Db(), sql).at(0)); }

TEST(BundledData, HasARealisticNetworkWithFaresForEveryTrain) {
  EXPECT_GE(Count("SELECT count(*) FROM station"), 150);
  EXPECT_GE(Count("SELECT count(*) FROM train"), 60);
  EXPECT_GE(Count("SELECT count(*) FROM everyday"), 20);
  EXPECT_EQ(Count("SELECT count(*) FROM VerID"), 1);
  // Tips are numbered 1..n without gaps: the tip window steps through them.
  EXPECT_EQ(Count("SELECT max(id) FROM everyday"), Count("SELECT count(*) FROM everyday"));
  // International trains hold the reserved ids.
  EXPECT_EQ(Count("SELECT count(*) FROM train WHERE id BETWEEN 789 AND 792"), 4);
  EXPECT_GT(Count("SELECT max(distance) FROM train WHERE id BETWEEN 789 AND 792"), 6000);
  EXPECT_EQ(
      Count("SELECT count(*) FROM kind WHERE price NOT IN ('普慢','普快','特快','空调普快','空调特快')"), 0);
  EXPECT_GE(Count("SELECT max(distance) FROM price"), Count("SELECT max(distance) FROM train"));
}

TEST(BundledData, TrainRowsAgreeWithTheirStops) {
  // First and last stop, times, day and distance of each train as its stop list has them.
  EXPECT_EQ(Count(R"sql(
    SELECT count(*) FROM train t
    JOIN pass f ON f.trainid = t.id AND f.zhanci = (SELECT min(zhanci) FROM pass WHERE trainid = t.id)
    JOIN pass l ON l.trainid = t.id AND l.zhanci = (SELECT max(zhanci) FROM pass WHERE trainid = t.id)
    WHERE t.fstation <> f.station OR t.estation <> l.station
       OR round(t.ftime * 100) <> round(f.depart * 100) OR round(t.etime * 100) <> round(l.arrive * 100)
       OR t.day <> l.day OR t.distance <> l.distance)sql"),
            0);
  EXPECT_EQ(Count("SELECT count(*) FROM train t WHERE NOT EXISTS (SELECT 1 FROM pass WHERE trainid = t.id)"),
            0);
}

TEST(BundledData, InitialsFindTheBeijingFamilyAndSharedCodes) {
  const auto m = FindStations(Db(), "bj", true);
  for (const char* name : {"北京", "北京西", "北京南", "北京北", "北京东"}) {
    EXPECT_NE(std::find(m.names.begin(), m.names.end(), name), m.names.end()) << name;
  }
  EXPECT_GE(FindStations(Db(), "cz", true).count(), 3) << "a code shared by several stations";
}

}  // namespace
}  // namespace kw
