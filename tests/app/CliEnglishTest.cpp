// The tool in English (--lang en, or LANG=en_*) on the hand-made timetable:
// every command's rows and messages, station names as capitalised pinyin (a
// station without pinyin keeps its Chinese name), JSON with the same keys.
#include <gtest/gtest.h>

#include <fstream>

#include "app/CliCheck.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

const std::string& DbPath() {
  static const test::DatabaseCopy copy;
  static const std::string path = copy.DbPath().string();
  return path;
}

test::CommandResult RunIn(const std::string& lang, std::vector<std::string> args) {
  args.insert(args.begin(), {"--db", DbPath()});
  return test::RunCliWithLang(lang, args);
}

test::CommandResult RunEnglish(std::vector<std::string> args) {
  args.insert(args.begin(), {"--lang", "en"});
  return RunIn("C.UTF-8", args);
}

void ExpectEnglish(std::vector<std::string> args, int status, const std::string& out,
                   const std::string& err) {
  args.insert(args.begin(), {"--lang", "en"});
  test::ExpectCli(DbPath(), args, status, out.c_str(), err.c_str());
}

// A command line of words without spaces, with its exit status, output and
// error text in English.
struct Case {
  std::string command;
  int status;
  std::string out, err;
};

void ExpectCases(const std::vector<Case>& cases) {
  for (const auto& c : cases) ExpectEnglish(test::Words(c.command), c.status, c.out, c.err);
}

TEST(CliEnglish, SearchesPrintEnglishRowsAndMessages) {
  ExpectCases({
      // 宝鸡 has no pinyin in the hand-made station table.
      {"stations bj", 0,
       "9\t宝鸡\n10\tBeijing\n11\tBeijingbei\n12\tBeijingdong\n13\tBeijingnan\n14\tBeijingxi\n", ""},
      {"--json stations beijingn", 0, "{\"id\":\"13\",\"name\":\"Beijingnan\"}\n", ""},
      {"stations zzz", 1, "", "No station name starts with \"zzz\"\n"},
      {"search Beijing 上海 --after 19:40 --before 07:20", 0,
       " D311 (Beijingnan---Shanghai) EMU\t19:42\t+1 day 07:15\t 1324 \t159 \tSleeper EMU, berths only\t5\n",
       ""},
      {"search 上海 bjd", 1, "",
       "Sorry, there is no direct train from Shanghai to Beijingdong yet.\n"
       "Sorry, Beijingdong cannot be reached from Shanghai with one change.\n"},
      {"train T69", 0,
       " T69 (Express (Beijingxi----乌鲁木齐))\t10:00\t+2 days 04:46\t 3768\t 354\tAir-conditioned\t17\n",
       ""},
      {"train X1", 1, "",
       "Sorry, there is no train \"X1\". Please check the train number you entered; it may be a typo.\n"},
      {"transfer-stations beijingnan shhq", 0, "济南西\n南京南\nShanghaihongqiao\n", ""},
      {"board 郑州 --after 20:00", 0,
       "4602\tOrdinary Fast\t信阳\t郑州\t20:06\tTerminus\t\t337\n"
       "T7\tExpress\tBeijingxi\t成都\t20:19\t20:27\t8\t689\n"
       "T70\tExpress\t乌鲁木齐\tBeijingxi\t20:34\t20:46\t12\t3079\n"
       "K508\tFast\t郑州\tBeijingxi\tOrigin\t22:50\t\t0\n",
       ""},
      {"--json board 郑州 --after 20:00 --only start", 0,
       "{\"trainId\":28,\"train\":\"K508\",\"kind\":\"Fast\",\"from\":\"郑州\",\"to\":\"Beijingxi\","
       "\"arrive\":null,\"depart\":\"22:50\",\"arriveMinutes\":null,\"departMinutes\":1370,"
       "\"dwellMinutes\":null,\"km\":0}\n",
       ""},
      {"journeys 北京 上海 --after 19:00 --until 19:40", 0,
       "19:33\t+1 day 10:18\t14 h 45 min\t0\t1463\t174\tT109\tBeijing\t 19:33\tShanghai\t+1 day 10:18\t\n",
       ""},
      {"--json journeys 北京 上海 --after 19:30 --until 19:35", 0,
       "{\"departure\":\"19:33\",\"arrival\":\"+1 day 10:18\",\"duration\":\"14 h 45 min\","
       "\"departureMinutes\":1173,\"arrivalMinutes\":2058,\"durationMinutes\":885,\"changes\":0,"
       "\"distanceKm\":1463,\"fare\":174,\"legs\":[{\"trainId\":1,\"train\":\"T109\",\"board\":\"Beijing\","
       "\"boardMinutes\":1173,\"alight\":\"Shanghai\",\"alightMinutes\":2058,\"waitMinutes\":0}]}\n",
       ""},
  });
}

TEST(CliEnglish, DetailTransferAndFaresPrintEnglishWords) {
  auto r = RunEnglish({"detail", "1", "--board", "beijing", "--alight", "济南"});
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
            "T109 (Beijing---->Shanghai) Express: details\t19:33\t+1 day 00:24\t4 h 51 min\t497\t4");
  EXPECT_NE(r.out.find("\n 11\tShanghai\t10:18\t<--Terminus-->\t 1463 \t 1\n"), std::string::npos) << r.out;
  // The fare names are the tool's own words; the rest of the page is the
  // core's texts, tested in English with the core.
  r = RunEnglish({"detail", "7"});
  EXPECT_EQ(r.out.substr(r.out.rfind("\n\n") + 2),
            "Hard seat\t159 \nSoft seat\t280 \nHard sleeper upper\t292 \nHard sleeper middle\t304 \n"
            "Hard sleeper lower\t316 \nSoft sleeper upper\t370 \nSoft sleeper lower\t395 \n");
  ExpectCases({
      {"transfer 北京 济南 上海 --after 19:00", 0,
       " T109 (Beijing---Shanghai) Express\t19:33\t+1 day 00:24\t1\n"
       "\n"
       " 1461 (Beijing---Shanghai) Ordinary Fast\t20:23\t+1 day 13:35\t3\n",
       ""},
      // The fare names stay the keys of the JSON object.
      {"--json fares 2 500", 0,
       "{\"硬座\":\"69\",\"软座\":\"121\",\"硬卧上\":\"126\",\"硬卧中\":\"131\",\"硬卧下\":\"137\","
       "\"软卧上\":\"160\",\"软卧下\":\"170\"}\n",
       ""},
  });
}

TEST(CliEnglish, RefusalsAndTheWritingCommandsSpeakEnglish) {
  test::TempDir dir;
  const std::string bad = (dir.Path() / "update.txt").string();
  std::ofstream(bad) << "insert;station;x;1\n";
  const std::string out = (dir.Path() / "new.dll").string();
  const std::string feed = std::string(KW_SOURCE_DIR) + "/tests/data/gtfs/small";
  ExpectCases({
      {"search 北京 上海 --class 动车", 2, "",
       "--class must be 特快 (Express), 快速 (Fast), 普快 (Ordinary Fast) or 普慢 (Ordinary): 动车\n"},
      {"journeys 北京 上海 --slack 500", 2, "", "--slack must be from 0 to 120: 500\n"},
      {"stations", 2, "", "Usage: kestrelway-cli stations TEXT\n"},
  });
  ExpectEnglish({"update", bad}, 2, "",
                "The file is damaged or not in a valid format. Line 1: value not recognised: x\n");
  ExpectEnglish(
      {"build-db", (dir.Path() / "none").string(), out}, 2, "",
      "station.tsv line 0: Cannot read the file " + (dir.Path() / "none" / "station.tsv").string() + "\n");
  ExpectEnglish({"import-gtfs", feed, out, "--date", "2026-12-05", "--distance-unit", "m"}, 0,
                "5 stations, 4 trains, 12 stops, date 2026-12-05, version 2026-12 小测试 (GTFS)\n", "");
  ExpectEnglish({"import-gtfs", feed, out, "--date", "05.12.2026"}, 2, "",
                "the date \"05.12.2026\" should be written as YYYY-MM-DD\n");
  const auto exported = RunEnglish({"export-gtfs", (dir.Path() / "feed.zip").string()});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out.substr(0, exported.out.find(';')), "239 stations, 80 trains, 970 stops");
}

TEST(CliEnglish, LanguageComesFromTheOptionOrLangAndJsonKeysStayTheSame) {
  const std::string inEnglish =
      " T109 (Express (Beijing----Shanghai))\t19:33\t+1 day 10:18\t 1463\t 174\t\t1";
  const std::string inChinese = " T109次(特快(北京----上海))\t19:33\t次日10:18\t 1463\t 174\t\t1";
  // LANG=en_* picks English; --lang, before or after the command, wins. A
  // language the tool does not speak is refused in the environment's.
  const struct {
    const char* lang;
    std::vector<std::string> args;
    int status;
    std::string firstLine;  // of the output, or of the refusal
  } cases[] = {
      {"en_GB.UTF-8", {"train", "T109"}, 0, inEnglish},
      {"en_GB.UTF-8", {"train", "T109", "--lang", "zh"}, 0, inChinese},
      {"C.UTF-8", {"train", "T109", "--lang", "en"}, 0, inEnglish},
      {"zh_CN.UTF-8", {"train", "T109"}, 0, inChinese},
      {"", {"train", "T109"}, 0, inChinese},
      {"C.UTF-8", {"--lang", "xx", "stations", "bj"}, 2, "--lang 应为 en 或 zh：xx"},
      {"en_US.UTF-8", {"stations", "bj", "--lang", "fr"}, 2, "--lang must be en or zh: fr"},
      {"en_US.UTF-8", {"--lang", "", "stations", "bj"}, 2, "--lang must be en or zh: "},
  };
  for (const auto& c : cases) {
    const auto r = RunIn(c.lang, c.args);
    EXPECT_EQ(r.status, c.status) << c.lang << r.err;
    EXPECT_EQ(r.out.empty(), c.status != 0) << c.lang;
    const std::string& said = c.status ? r.err : r.out;
    EXPECT_EQ(said.substr(0, said.find('\n')), c.firstLine) << c.lang;
  }

  // The JSON keys stay the same in English (those of the lines above too):
  // the fare names of the detail page among them.
  const auto detail = RunEnglish({"--json", "detail", "1"});
  EXPECT_NE(detail.out.find("\n{\"硬座\":\""), std::string::npos) << detail.out;
}

}  // namespace
}  // namespace kw
