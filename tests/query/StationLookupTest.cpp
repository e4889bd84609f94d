#include "query/StationLookup.h"

#include <gtest/gtest.h>

#include "support/TestTimetable.h"

namespace kw {
namespace {

using Names = std::vector<std::string>;

Database& Db() {
  // Table order differs from name and code order on purpose.
  static test::TestTimetable t{
      {"station",
       "7\t北京西\tbjx\tbeijingxi\n3\t包头\tbt\tbaotou\n9\t北京\tbj\tbeijing\n4\t常州\tcz\n"
       "5\t郴州\tcz\n6\t沧州\tcz\n8\t北京南\tbjn\tbeijingnan\n10\t百分%站\tb%z\n11\t下划_线\tx_x\n"
       "13\t商丘\tsq\tshangqiu\n12\t上海\tsh\tshanghai\n14\t反\\斜\tf\\x\n"}};
  static const auto db = t.Open();
  return *db;
}

TEST(StationLookup, InitialsAndNamesMatchByPrefixInTableOrder) {
  EXPECT_EQ(FindStations(Db(), "b", true).ids, (std::vector<int>{3, 7, 8, 9, 10}));
  EXPECT_EQ(FindStations(Db(), "北京西", false).ids, (std::vector<int>{7}));
  // Initials or names as the text looks; letters that begin no short code
  // match the full pinyin.
  const std::pair<const char*, Names> cases[] = {
      {"b", {"包头", "北京西", "北京南", "北京", "百分%站"}},
      {"cz", {"常州", "郴州", "沧州"}},      // a shared code
      {"BJ", {"北京西", "北京南", "北京"}},  // case-blind
      {"北京", {"北京西", "北京南", "北京"}},
      {"zzz", {}},
      {"bei", {"北京西", "北京南", "北京"}},
      {"beijingx", {"北京西"}},
      {"BeiJingN", {"北京南"}},
      {"shang", {"上海", "商丘"}},
      {"shangh", {"上海"}},
      {"shanghaix", {}},
      // Letters that begin a short code give the short codes' list alone
      // (商丘's shangqiu begins with sh too).
      {"sh", {"上海"}},
      // Wildcards stand for themselves here too.
      {"bei_ing", {}},
      {"bei%", {}},
      // Chinese is looked up by name only.
      {"上海", {"上海"}},
  };
  for (const auto& [text, names] : cases) {
    const auto found = FindStations(Db(), text, LooksUpByInitials(text));
    EXPECT_EQ(found.names, names) << text;
    EXPECT_EQ(found.found, !names.empty()) << text;
  }
}

TEST(StationLookup, TypedCharactersAreNeverPatternsOrSql) {
  // A LIKE wildcard stands for itself.
  EXPECT_EQ(FindStations(Db(), "%", true).count(), 0);
  EXPECT_EQ(FindStations(Db(), "b%", true).names, (Names{"百分%站"}));
  EXPECT_EQ(FindStations(Db(), "x_", true).names, (Names{"下划_线"}));
  EXPECT_EQ(FindStations(Db(), "_", true).count(), 0);
  // So does the escape character.
  EXPECT_EQ(FindStations(Db(), "反\\", false).names, (Names{"反\\斜"}));
  EXPECT_EQ(FindStations(Db(), "F\\", true).names, (Names{"反\\斜"}));
  // Quotes and statement breakers are just text.
  for (const char* hostile : {"\"", "'", "b\" or 1=1 --", "'); DROP TABLE station; --", "\\", "*", "?"}) {
    EXPECT_FALSE(FindStations(Db(), hostile, true).found) << hostile;
    EXPECT_FALSE(FindStations(Db(), hostile, false).found) << hostile;
  }
  EXPECT_EQ(FindStations(Db(), "", true).count(), 12) << "the table must be intact";
}

TEST(StationLookup, TheToolTakesTheFirstStationLettersList) {
  // The ideographic space goes too, and only it: 北 京 and 西 stay whole.
  const std::pair<const char*, const char*> cases[] = {{"cz", "常州"},
                                                       {" bei jing ", "北京西"},
                                                       {"shang", "上海"},
                                                       {"北 京", "北京"},
                                                       {"qq", "qq"},
                                                       {"", ""},
                                                       {"\u3000北\u3000京\u3000", "北京"},
                                                       {"北\t京\n西\u3000", "北京西"}};
  for (const auto& [text, picked] : cases) EXPECT_EQ(PickedStationText(Db(), text), picked) << text;
}

TEST(StationLookup, InitialsAreDecidedByTheLastCharacter) {
  // 什 and 一 end in 0x80, the lowest continuation byte (E4 BB 80, E4 B8 80).
  const std::pair<const char*, bool> cases[] = {{"bj", true},    {"BJ", true},    {"北京", false},
                                                {"bj北", false}, {"北京x", true}, {"喀什", false},
                                                {"一", false}};
  for (const auto& [text, initials] : cases) EXPECT_EQ(LooksUpByInitials(text), initials) << text;
}

}  // namespace
}  // namespace kw
