// The bundled timetable every new user meets: it opens, and its trains agree
// with their own stop lists.
#include <gtest/gtest.h>

#include "query/StationSearch.h"
#include "store/Database.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

class BundledDataTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    copy_ = new test::BundledCopy;
    db_ = copy_->Open().release();
  }
  static void TearDownTestSuite() {
    delete db_;
    delete copy_;
  }
  static int Count(const char* sql) {
    auto q = db_->Prepare(sql);
    EXPECT_TRUE(q.Step());
    return q.Int(0);
  }
  static test::BundledCopy* copy_;
  static Database* db_;
};

test::BundledCopy* BundledDataTest::copy_ = nullptr;
Database* BundledDataTest::db_ = nullptr;

TEST_F(BundledDataTest, HasARealisticNetwork) {
  EXPECT_GE(Count("SELECT count(*) FROM station"), 150);
  EXPECT_GE(Count("SELECT count(*) FROM train"), 60);
  EXPECT_GE(Count("SELECT count(*) FROM everyday"), 20);
  EXPECT_EQ(Count("SELECT count(*) FROM VerID"), 1);
  // Tips are numbered 1..n without gaps: the tip window steps through them.
  EXPECT_EQ(Count("SELECT max(id) FROM everyday"), Count("SELECT count(*) FROM everyday"));
}

TEST_F(BundledDataTest, InternationalTrainsHoldTheReservedIds) {
  EXPECT_EQ(Count("SELECT count(*) FROM train WHERE id BETWEEN 789 AND 792"), 4);
  EXPECT_GT(Count("SELECT max(distance) FROM train WHERE id BETWEEN 789 AND 792"), 6000);
}

TEST_F(BundledDataTest, TrainRowsAgreeWithTheirStops) {
  // First and last stop, times, day and distance of each train as its stop list has them.
  EXPECT_EQ(Count(R"sql(
    SELECT count(*) FROM train t
    JOIN pass f ON f.trainid = t.id AND f.zhanci = (SELECT min(zhanci) FROM pass WHERE trainid = t.id)
    JOIN pass l ON l.trainid = t.id AND l.zhanci = (SELECT max(zhanci) FROM pass WHERE trainid = t.id)
    WHERE t.fstation <> f.station OR t.estation <> l.station
       OR round(t.ftime * 100) <> round(f.depart * 100) OR round(t.etime * 100) <> round(l.arrive * 100)
       OR t.day <> l.day OR t.distance <> l.distance)sql"),
            0);
  EXPECT_EQ(Count("SELECT count(*) FROM train t WHERE NOT EXISTS (SELECT 1 FROM pass WHERE trainid = t.id)"), 0);
}

TEST_F(BundledDataTest, EveryClassHasAKnownFareFamilyAndEveryTrainABand) {
  EXPECT_EQ(Count("SELECT count(*) FROM kind WHERE price NOT IN ('普慢','普快','特快','空调普快','空调特快')"), 0);
  EXPECT_GE(Count("SELECT max(distance) FROM price"), Count("SELECT max(distance) FROM train"));
}

TEST_F(BundledDataTest, InitialsFindTheBeijingFamily) {
  const auto m = FindStations(*db_, "bj", true);
  for (const char* name : {"北京", "北京西", "北京南", "北京北", "北京东"}) {
    EXPECT_NE(std::find(m.names.begin(), m.names.end(), name), m.names.end()) << name;
  }
  EXPECT_GE(FindStations(*db_, "cz", true).count(), 3) << "a code shared by several stations";
}

}  // namespace
}  // namespace kw
