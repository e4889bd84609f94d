#include <gtest/gtest.h>

#include "app/CliCheck.h"

namespace kw {
namespace {

const std::string& Db() {
  static test::TestTimetable t{
      {"station", "1\t甲\tj\tjia\n2\t乙\ty\tyi\n3\t丙\tb\n4\t戊\tw\n5\t丁\td\n"},
      {"train",
       "1\tK21\t1\t1\t3\t8.3\t23.5\t0\t1463\t\n2\tT5\t2\t1\t2\t8.29\t12\t0\t200\t空调\n"
       "3\tB1\t2\t2\t4\t13\t15\t0\t100\t\n4\tC1\t2\t4\t1\t6\t9\t0\t300\t\n"
       "5\tE1\t2\t4\t5\t7\t8\t0\t-1\t\n"},
      {"pass",
       "1\t1\t1\t\t8.3\t0\t0\n1\t2\t2\t10.15\t10.2\t0\t137\n1\t3\t3\t23.5\t\t0\t1463\n"
       "2\t1\t1\t\t8.29\t0\t0\n2\t2\t2\t12\t\t0\t200\n"
       "3\t2\t1\t\t13\t0\t0\n3\t4\t2\t15\t\t0\t100\n"
       "4\t4\t1\t\t6\t0\t0\n4\t1\t2\t9\t\t0\t300\n"
       // E1 戊 -> 丁 has no distance at 丁.
       "5\t4\t1\t\t7\t0\t0\n5\t5\t2\t8\t\t0\t-1\n"}};
  static const std::string path = [] {
    t.Build();
    return t.DbPath().string();
  }();
  return path;
}

test::CommandResult Expect(std::vector<std::string> args, int status, const char* out = nullptr,
                           const char* err = nullptr) {
  return test::ExpectCli(Db(), std::move(args), status, out, err);
}

const std::string kK21Row = " K21次(甲---丙)特快列车\t08:30\t 10:15\t 137 \tt20 \t\t1\n";

TEST(CliSearch, SearchPrintsRowsOrSaysWhyNotWithTheTransferStations) {
  Expect({"search", "甲", "乙"}, 0,
         (kK21Row + " T5次(甲---乙)普快列车\t08:29\t 12:00\t 200 \t20 \t空调\t2\n").c_str());
  Expect({"search", "甲", "乙", "--before", "10:15"}, 0, kK21Row.c_str());
  // Letters stand for the first station they list, as a pick from a box's list.
  Expect({"search", "jia", "y", "--before", "10:15"}, 0, kK21Row.c_str());
  Expect({"--json", "search", "甲", "乙", "--after", "08:30"}, 0,
         "{\"caption\":\" K21次(甲---丙)特快列车\",\"startText\":\"08:30\",\"endText\":\" 10:15\","
         "\"distanceText\":\" 137 \",\"fareText\":\"t20 \",\"memoText\":\"\",\"trainId\":\"1\"}\n");
  // C1 runs 戊 -> 甲 only; with a time window there is no offer.
  Expect({"search", "甲", "戊"}, 1, "中转站:\n乙\n戊\n",
         "从甲到戊只有返程列车，请重新选择\n对不起！目前还没有由甲发往戊的直达列车。\n");
  Expect({"search", "甲", "戊", "--after", "1:00"}, 1, "", "对不起目前还没有符合您要求的车次！\n");
  Expect({"search", "丙", "丁"}, 1, "",
         "对不起！目前还没有由丙发往丁的直达列车。\n对不起！由丙到达丁通过一次中转目前无法实现。\n");
  Expect({"search", "甲", "辛"}, 1, "", "没有以“辛”开头的站名\n");
  // Texts longer than the window's boxes take are refused.
  const std::string longName(21, 'j');
  Expect({"search", longName, "乙"}, 2, "", "站名过长（最多 20 个字符）\n");
  for (const auto& bad :
       std::vector<std::vector<std::string>>{{"search", "甲", " 甲"},
                                             {"search", "甲", "乙", "--after", "25:00"},
                                             {"search", "甲", "乙", "--before", "8:x"},
                                             {"search", "甲"},
                                             {"detail", "1", "--board", "甲"},
                                             {"detail", "K21"},
                                             {"stations", longName},
                                             {"transfer", "甲", longName, "戊"},
                                             {"transfer-stations", "甲", longName},
                                             {"detail", "1", "--board", "甲", "--alight", longName},
                                             {"train", "K2121212121212"}}) {
    Expect(bad, 2);
  }
}

TEST(CliSearch, TrainNumbersWithSpacesRemovedAndBothLegsOfATransfer) {
  Expect({"train", " k 2 1 "}, 0, " K21次(特快(甲----丙))\t08:30\t 23:50\t 1463\t t150\t\t1\n");
  Expect({"train", "x9"}, 1, "", "对不起！目前尚未开通“x9”次列车 请检查您输入的车次，或许是您的手误。\n");
  Expect({"transfer", "甲", "乙", "戊"}, 0,
         " K21次(甲---丙)特快列车\t08:30\t 10:15\t1\n"
         " T5次(甲---乙)普快列车\t08:29\t 12:00\t2\n"
         "\n"
         " B1次(乙---戊)普快列车\t13:00\t 15:00\t3\n");
  const auto r = Expect({"transfer", "甲", "乙", "戊", "--after", "8:30"}, 0);
  EXPECT_EQ(r.out.find("T5次"), std::string::npos) << "T5 leaves at 08:29, before the window";
  // An arrival bound alone is a window too: B1 reaches 戊 at 15:00.
  Expect({"transfer", "甲", "乙", "戊", "--before", "14:00"}, 1, "",
         "对不起！目前还没有由乙发往戊的直达列车。\n");
  Expect({"transfer", "甲", "辛", "戊"}, 1, "", "没有名为“辛”的车站\n");
  Expect({"transfer", "甲", "丙", "戊"}, 1, "", "对不起！目前还没有由丙发往戊的直达列车。\n");
  Expect({"transfer-stations", "甲", "戊"}, 0, "乙\n戊\n");
  Expect({"transfer-stations", "jia", "w"}, 0, "乙\n戊\n");
}

// --class reaches the searches (which the query tests cover class by class);
// any text that is not one of the four options is refused.
TEST(CliSearch, AClassOptionIsPassedOnAndAnyOtherTextIsRefused) {
  Expect({"search", "甲", "乙", "--class", "普快"}, 0,
         " T5次(甲---乙)普快列车\t08:29\t 12:00\t 200 \t20 \t空调\t2\n");
  Expect({"transfer", "甲", "乙", "戊", "--class", "特快"}, 1, "", "对不起目前还没有符合您要求的车次！\n");
  Expect({"train", "K21", "--class", "普慢"}, 1, "", "对不起目前还没有符合您要求的车次！\n");
  for (const char* bad : {"动车", "", "特"}) Expect({"train", "K21", "--class", bad}, 2);
  Expect({"search", "甲", "乙", "--class"}, 2);
}

// A value the tool cannot take comes back cut at 80 characters: a number,
// a time, a word of a list, a command.
TEST(CliSearch, AnEchoedValueIsCutAtEightyCharacters) {
  const std::string value(100'000, '9');
  const std::string echoed = std::string(80, '9') + "…\n";
  for (const auto& args : std::vector<std::vector<std::string>>{{"fares", "1", value},
                                                                {"search", "甲", "乙", "--after", value},
                                                                {"train", "K21", "--class", value},
                                                                {"journeys", "甲", "乙", "--sort", value},
                                                                {value}}) {
    const auto r = Expect(args, 2);
    const std::string line = r.err.substr(0, r.err.find('\n') + 1);
    EXPECT_EQ(line.substr(line.find("：") + 3), echoed) << args[0];
  }
}

TEST(CliSearch, DetailPrintsHeadlineStopsAndFares) {
  Expect({"detail", "1"}, 0,
         "K21次(甲---->丙)特快列车详细情况\t08:30\t 23:50\t15小时20分钟\t1463\t3\n"
         "\n"
         " 1\t甲\t<--始发站-->\t08:30\t<--始发站-->\t 0\n"
         " 2\t乙\t10:15\t10:20\t 137 \t 0\n"
         " 3\t丙\t23:50\t<--终到站-->\t 1463 \t 0\n"
         "\n"
         "硬座\tt150 \n软座\t300 \n硬卧上\tt15001 \n硬卧中\t15002 \n硬卧下\t15003 \n"
         "软卧上\t15004 \n软卧下\t15005 \n");
  auto r = Expect({"detail", "1", "--board", "甲", "--alight", "乙"}, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
            "K21次(甲---->丙)特快列车详细情况\t08:30\t 10:15\t1小时45分钟\t137\t2");
  r = Expect({"--json", "detail", "1", "--board", "甲", "--alight", "乙"}, 0);
  EXPECT_NE(r.out.find("{\"zhanci\":\" 2\",\"station\":\"乙\",\"arrive\":\"10:15\",\"depart\":\"10:20\","
                       "\"distance\":\" 137 \",\"day\":\" 0\"}\n"),
            std::string::npos)
      << r.out;
  Expect({"detail", "1", "--board", "乙", "--alight", "甲"}, 1, "", "本车次不是由乙开往甲\n");
  // No distance, so no fare.
  Expect({"detail", "5"}, 0,
         "E1次(戊---->丁)普快列车详细情况\t07:00\t 08:00\t1小时\t暂缺\t2\n"
         "\n"
         " 1\t戊\t<--始发站-->\t07:00\t<--始发站-->\t 0\n"
         " 2\t丁\t08:00\t<--终到站-->\t 暂缺 \t 0\n"
         "\n"
         "硬座\t暂缺\n软座\t暂缺\n硬卧上\t暂缺\n硬卧中\t暂缺\n硬卧下\t暂缺\n软卧上\t暂缺\n软卧下\t暂缺\n");
}

}  // namespace
}  // namespace kw
