#include "query/StationSearch.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

class StationSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& t = t_;
    // Table order differs from name and code order on purpose.
    t.Set("station",
          "7\t北京西\tbjx\n"
          "3\t包头\tbt\n"
          "9\t北京\tbj\n"
          "4\t常州\tcz\n"
          "5\t郴州\tcz\n"
          "6\t沧州\tcz\n"
          "8\t北京南\tbjn\n"
          "10\t百分%站\tb%z\n"
          "11\t下划_线\tx_x\n");
    db_ = t.Open();
  }
  test::TestTimetable t_;
  std::unique_ptr<Database> db_;
};

TEST_F(StationSearchTest, InitialsMatchByPrefixInTableOrder) {
  const auto m = FindStations(*db_, "b", true);
  EXPECT_TRUE(m.found);
  EXPECT_EQ(m.names, (std::vector<std::string>{"包头", "北京西", "北京南", "北京", "百分%站"}));
  EXPECT_EQ(m.ids, (std::vector<int>{3, 7, 8, 9, 10}));
}

TEST_F(StationSearchTest, SharedCodesListEveryStation) {
  const auto m = FindStations(*db_, "cz", true);
  EXPECT_EQ(m.names, (std::vector<std::string>{"常州", "郴州", "沧州"}));
}

TEST_F(StationSearchTest, InitialsIgnoreCase) {
  EXPECT_EQ(FindStations(*db_, "BJ", true).names, FindStations(*db_, "bj", true).names);
  EXPECT_EQ(FindStations(*db_, "BJ", true).count(), 3);
}

TEST_F(StationSearchTest, NameMatchesEveryStationBeginningWithIt) {
  const auto m = FindStations(*db_, "北京", false);
  EXPECT_EQ(m.names, (std::vector<std::string>{"北京西", "北京南", "北京"}));
  EXPECT_EQ(FindStations(*db_, "北京西", false).ids, (std::vector<int>{7}));
}

TEST_F(StationSearchTest, NoMatchIsNotFound) {
  const auto m = FindStations(*db_, "zzz", true);
  EXPECT_FALSE(m.found);
  EXPECT_EQ(m.count(), 0);
}

TEST_F(StationSearchTest, EmptyTextMatchesEveryStation) { EXPECT_EQ(FindStations(*db_, "", true).count(), 9); }

TEST_F(StationSearchTest, TypedCharactersAreNeverPatternsOrSql) {
  // A LIKE wildcard stands for itself.
  EXPECT_EQ(FindStations(*db_, "%", true).count(), 0);
  EXPECT_EQ(FindStations(*db_, "b%", true).names, (std::vector<std::string>{"百分%站"}));
  EXPECT_EQ(FindStations(*db_, "x_", true).names, (std::vector<std::string>{"下划_线"}));
  EXPECT_EQ(FindStations(*db_, "_", true).count(), 0);
  // Quotes and statement breakers are just text.
  for (const char* hostile : {"\"", "'", "b\" or 1=1 --", "'); DROP TABLE station; --", "\\", "*", "?"}) {
    EXPECT_FALSE(FindStations(*db_, hostile, true).found) << hostile;
    EXPECT_FALSE(FindStations(*db_, hostile, false).found) << hostile;
  }
  EXPECT_EQ(FindStations(*db_, "", true).count(), 9) << "the table must be intact";
}

TEST(LooksUpByInitials, DecidesByTheLastCharacter) {
  EXPECT_TRUE(LooksUpByInitials("bj"));
  EXPECT_TRUE(LooksUpByInitials("BJ"));
  EXPECT_FALSE(LooksUpByInitials("北京"));
  EXPECT_FALSE(LooksUpByInitials("bj北"));
  EXPECT_TRUE(LooksUpByInitials("北京x"));
}

TEST(RemoveSpaces, RemovesEverySpace) {
  EXPECT_EQ(RemoveSpaces(" k 2 1 "), "k21");
  EXPECT_EQ(RemoveSpaces("   "), "");
  EXPECT_EQ(RemoveSpaces("北 京"), "北京");
}

}  // namespace
}  // namespace kw
