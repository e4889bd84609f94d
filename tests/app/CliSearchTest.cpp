#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::RunCli;

class CliSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    table_ = new test::TestTimetable;
    table_->Set("station", "1\t甲\tj\n2\t乙\ty\n3\t丙\tb\n4\t戊\tw\n5\t丁\td\n");
    table_->Set("train",
                "1\tK21\t1\t1\t3\t8.3\t23.5\t0\t1463\t\n"
                "2\tT5\t2\t1\t2\t8.29\t12\t0\t200\t空调\n"
                "3\tB1\t2\t2\t4\t13\t15\t0\t100\t\n"
                "4\tC1\t2\t4\t1\t6\t9\t0\t300\t\n");
    table_->Set("pass",
                "1\t1\t1\t\t8.3\t0\t0\n1\t2\t2\t10.15\t10.2\t0\t137\n1\t3\t3\t23.5\t\t0\t1463\n"
                "2\t1\t1\t\t8.29\t0\t0\n2\t2\t2\t12\t\t0\t200\n"
                "3\t2\t1\t\t13\t0\t0\n3\t4\t2\t15\t\t0\t100\n"
                "4\t4\t1\t\t6\t0\t0\n4\t1\t2\t9\t\t0\t300\n");
    table_->Build();
  }
  static void TearDownTestSuite() { delete table_; }

  // The tool on the fixture's database.
  static test::CommandResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", table_->DbPath().string()});
    return RunCli(args);
  }

  static test::TestTimetable* table_;
};

test::TestTimetable* CliSearchTest::table_ = nullptr;

constexpr const char* kK21Row = " K21次(甲---丙)特快列车\t08:30\t 10:15\t 137 \tt20 \t\t1\n";
constexpr const char* kT5Row = " T5次(甲---乙)普快列车\t08:29\t 12:00\t 200 \t20 \t空调\t2\n";

TEST_F(CliSearchTest, SearchPrintsTheListRowsInListOrder) {
  auto r = Cli({"search", "甲", "乙"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, std::string(kK21Row) + kT5Row);
  r = Cli({"search", "甲", "乙", "--after", "8:30"});
  EXPECT_EQ(r.out, kK21Row);
  r = Cli({"--json", "search", "甲", "乙", "--after", "08:30"});
  EXPECT_EQ(r.out,
            "{\"caption\":\" K21次(甲---丙)特快列车\",\"startText\":\"08:30\",\"endText\":\" 10:15\","
            "\"distanceText\":\" 137 \",\"fareText\":\"t20 \",\"memoText\":\"\",\"trainId\":\"1\"}\n");
}

TEST_F(CliSearchTest, SearchWithoutTrainSaysSoAndListsTransferStations) {
  // C1 runs 戊 -> 甲 only.
  auto r = Cli({"search", "甲", "戊"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "从甲到戊只有返程列车，请重新选择\n对不起！目前还没有由甲发往戊的直达列车。\n");
  EXPECT_EQ(r.out, "中转站:\n乙\n戊\n");
  // With a time window there is no offer.
  r = Cli({"search", "甲", "戊", "--after", "1:00"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "对不起目前还没有符合您要求的车次！\n");
  EXPECT_EQ(r.out, "");
  // No candidate at all.
  r = Cli({"search", "丙", "丁"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "对不起！目前还没有由丙发往丁的直达列车。\n对不起！由丙到达丁通过一次中转目前无法实现。\n");
  EXPECT_EQ(r.out, "");
}

TEST_F(CliSearchTest, BadSearchInputIsRefused) {
  auto r = Cli({"search", "甲", "辛"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "没有以“辛”开头的站名\n");
  EXPECT_EQ(Cli({"search", "甲", " 甲"}).status, 2);
  EXPECT_EQ(Cli({"search", "甲", "乙", "--after", "25:00"}).status, 2);
  EXPECT_EQ(Cli({"search", "甲", "乙", "--before", "8:x"}).status, 2);
  EXPECT_EQ(Cli({"search", "甲"}).status, 2);
}

TEST_F(CliSearchTest, TrainNumbersWithSpacesRemoved) {
  auto r = Cli({"train", " k 2 1 "});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, " K21次(特快(甲----丙))\t08:30\t 23:50\t 1463\t t150\t\t1\n");
  r = Cli({"train", "x9"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "对不起！目前尚未开通“x9”次列车 请检查您输入的车次，或许是您的手误。\n");
}

TEST_F(CliSearchTest, TransferPrintsBothLegs) {
  auto r = Cli({"transfer", "甲", "乙", "戊"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            " K21次(甲---丙)特快列车\t08:30\t 10:15\t1\n"
            " T5次(甲---乙)普快列车\t08:29\t 12:00\t2\n"
            "\n"
            " B1次(乙---戊)普快列车\t13:00\t 15:00\t3\n");
  r = Cli({"transfer", "甲", "乙", "戊", "--after", "8:30"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.find("T5次"), std::string::npos) << "T5 leaves at 08:29, before the window";
  r = Cli({"transfer", "甲", "辛", "戊"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "没有名为“辛”的车站\n");
  r = Cli({"transfer", "甲", "丙", "戊"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "对不起！目前还没有由丙发往戊的直达列车。\n");
  r = Cli({"transfer-stations", "甲", "戊"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "乙\n戊\n");
}

TEST_F(CliSearchTest, DetailPrintsHeadlineStopsAndFares) {
  auto r = Cli({"detail", "1"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "K21次(甲---->丙)特快列车详细情况\t08:30\t 23:50\t15小时20分钟\t1463\t3\n"
            "\n"
            " 1\t甲\t<--始发站-->\t08:30\t<--始发站-->\t 0\n"
            " 2\t乙\t10:15\t10:20\t 137 \t 0\n"
            " 3\t丙\t23:50\t<--终到站-->\t 1463 \t 0\n"
            "\n"
            "硬座\tt150 \n软座\t300 \n硬卧上\tt15001 \n硬卧中\t15002 \n硬卧下\t15003 \n"
            "软卧上\t15004 \n软卧下\t15005 \n");
  r = Cli({"detail", "1", "--board", "甲", "--alight", "乙"});
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
            "K21次(甲---->丙)特快列车详细情况\t08:30\t 10:15\t1小时45分钟\t137\t2");
  r = Cli({"--json", "detail", "1", "--board", "甲", "--alight", "乙"});
  EXPECT_NE(r.out.find("{\"zhanci\":\" 2\",\"station\":\"乙\",\"arrive\":\"10:15\",\"depart\":\"10:20\","
                       "\"distance\":\" 137 \",\"day\":\" 0\"}\n"),
            std::string::npos)
      << r.out;
  r = Cli({"detail", "99"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "车次编号 99 不存在\n");
  r = Cli({"detail", "1", "--board", "甲", "--alight", "丁"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "本车次不经过丁\n");
  EXPECT_EQ(Cli({"detail", "1", "--board", "甲"}).status, 2);
  EXPECT_EQ(Cli({"detail", "K21"}).status, 2);
}

// Every command answers on the bundled timetable.
TEST(CliSearchBundled, EveryCommandAnswersOnTheBundledTimetable) {
  test::BundledCopy copy;
  const std::string db = copy.DbPath().string();
  for (const std::vector<std::string>& command : std::vector<std::vector<std::string>>{
           {"search", "北京", "上海"},
           {"search", "北京", "上海", "--after", "19:00", "--before", "12:00"},
           {"transfer-stations", "乌鲁木齐", "北京西"},
           {"transfer", "乌鲁木齐", "郑州", "北京西"},
           {"train", "Z41"},
           {"train", "1461"},
           {"detail", "15"},
           {"detail", "15", "--board", "上海", "--alight", "郑州"},
       }) {
    std::vector<std::string> args = {"--db", db};
    args.insert(args.end(), command.begin(), command.end());
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, 0) << command[0] << " " << command[1] << ": " << r.err;
    EXPECT_FALSE(r.out.empty()) << command[0];
  }
}

}  // namespace
}  // namespace kw
