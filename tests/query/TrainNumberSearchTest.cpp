#include "query/TrainNumberSearch.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using Ids = std::vector<int>;

Database& Db() {
  static test::TestTimetable t{
      {"station", "1\t甲\tj\n2\t乙\ty\n"},
      {"train",
       "1\tK21\t1\t1\t2\t8.3\t7.4\t1\t1463\t\n2\tK21/K22\t1\t1\t2\t9\t10\t1\t1463\t\n"
       "3\tT21\t1\t1\t2\t9\t10\t0\t100\t\n4\tM21\t2\t1\t2\t9\t10\t0\t100\t\n"
       "5\t21\t2\t1\t2\t9\t12\t0\t100\t\n6\tT20/21\t1\t1\t2\t9\t10\t0\t100\t\n"
       "7\t1461\t2\t1\t2\t9\t10\t0\t100\t\n8\t21461\t2\t1\t2\t9\t10\t0\t100\t\n"
       "9\tZ210\t5\t1\t2\t9\t10\t0\t100\t\n10\tD21\t5\t1\t2\t9\t10\t0\t100\t\n"
       "11\tZ4\t5\t1\t2\t9\t10\t5\t6000\t\n12\tG5\t5\t1\t2\t9\t10\t0\t5999\t周末开行\n"
       "13\tY21/Y22\t5\t1\t2\t9\t10\t0\t100\t\n14\t121\t2\t1\t2\t9\t10\t0\t100\t\n"
       "15\t1462\t2\t1\t2\t9\t10\t0\t100\t\n16\tK4\t1\t1\t2\t9\t10\t5\t7000\t国际列车\n"
       "17\tA8\t1\t1\t2\t9\t10\t0\t0\t\n18\tB8\t1\t1\t2\t9\t10\t0\t-5\t\n"
       "19\tC8\t6\t1\t2\t9\t10\t0\t300\t\n"
       // Numbers that hold wildcards, so that a wildcard read as one would match
       // them ("2?" as "K27").
       "20\t2?/K27\t1\t1\t2\t9\t10\t0\t100\t\n21\t*/K2\t1\t1\t2\t9\t10\t0\t100\t\n"
       "22\t[2]/K2\t1\t1\t2\t9\t10\t0\t100\t\n"},
      {"kind", "1\t特快\t特快\n2\t普快\t普快\n5\t空调特快\t空调特快\n6\t城际\t\n"}};
  static const auto db = t.Open();
  return *db;
}

std::string PrintLine(const std::string& text) { return FindTrainsByNumber(Db(), text).rows.at(0).printLine; }

TEST(TrainNumberSearch, WhichNumbersATextMatches) {
  // With a letter (any letter, either case): numbers ending in the text or carrying it before a slash.
  // Digits alone: short ones follow a letter or a slash but never stand alone (21 finds neither 21, 121
  // nor Z210); four or more match anywhere. Typed wildcards are taken literally.
  const std::pair<std::string, Ids> cases[] = {
      {"K21", {1, 2}}, {"k21", {1, 2}},  {"K22", {2}},     {"t20", {6}},
      {"z4", {11}},    {"D21", {10}},    {"y22", {13}},    {"21", {1, 2, 3, 4, 6, 10, 13}},
      {"22", {2, 13}}, {"5", {12}},      {"1461", {7, 8}}, {"2146", {8}},
      {"14_1", {}},    {"146%", {}},     {"*", {}},        {"2?", {}},
      {"[2]", {}},     {"K\"21", {}},    {"K%", {}},       {"", {}},
      {"K9999", {}},   {"K2", {21, 22}}, {"20", {6}}};
  for (const auto& [text, ids] : cases) {
    const auto r = FindTrainsByNumber(Db(), text);
    EXPECT_EQ(test::TrainIds(r.rows), ids) << text;
    EXPECT_EQ(r.found, !ids.empty()) << text;
  }
}

TEST(TrainNumberSearch, RowTextsWithSixThousandKilometresInternationalAndUnknownFigures) {
  // Priced, no remark: the line ends after the fare's space.
  EXPECT_EQ(PrintLine("K21"), " K21次(特快(甲----乙))\t08:30\t次日07:40\t 1463 \t t150 ");
  // International without remark: the line ends with the tab of the empty remark.
  EXPECT_EQ(PrintLine("Z4"), " Z4次(空调特快(甲----乙))\t09:00\t第六日10:00\t 6000 \t国际列车\t");
  EXPECT_EQ(PrintLine("K4"), " K4次(特快(甲----乙))\t09:00\t第六日10:00\t 7000 \t国际列车\t国际列车");
  EXPECT_EQ(PrintLine("G5"), " G5次(空调特快(甲----乙))\t09:00\t 10:00\t 5999 \t kt600 \t周末开行");
  // A route of 0 km or less has no distance and is not priced; a class
  // without a fare family has no fare.
  EXPECT_EQ(PrintLine("A8"), " A8次(特快(甲----乙))\t09:00\t 10:00\t 暂缺 \t 暂缺 ");
  EXPECT_EQ(PrintLine("B8"), " B8次(特快(甲----乙))\t09:00\t 10:00\t 暂缺 \t 暂缺 ");
  EXPECT_EQ(PrintLine("C8"), " C8次(城际(甲----乙))\t09:00\t 10:00\t 300 \t 暂缺 ");
}

}  // namespace
}  // namespace kw
