// The core's composed texts in English, on the hand-made timetable (pinyin
// for 北京.., 上海.., none for 天津 or 乌鲁木齐): station names as capitalised
// pinyin or their Chinese name, classes and remarks in English, running times
// and days in English.
#include <gtest/gtest.h>

#include "gtfs/GtfsExport.h"
#include "journey/JourneyTexts.h"
#include "query/DirectSearch.h"
#include "query/StationBoard.h"
#include "query/StationLookup.h"
#include "query/TimetableTime.h"
#include "query/TrainDetail.h"
#include "query/TrainNumberSearch.h"
#include "query/TransferSearch.h"
#include "store/CoreStrings.h"
#include "store/DataBuilder.h"
#include "store/Database.h"

namespace kw {
namespace {

// The hand-made timetable, its stations spelled as the program spells them
// (set again on each call: other tests set spellings of their own).
Database& Handmade() {
  static const std::unique_ptr<Database> db = Database::OpenReadOnly(KW_HANDMADE_DB);
  text::SetStationSpellings(StationPinyinByName(*db));
  return *db;
}

// A text the core composed, and the English it should read.
struct Case {
  std::string got;
  const char* expected;
};

TEST(EnglishCoreTexts, RunningTimesAndDaysReadInEnglish) {
  const Case cases[] = {
      {RunningTimeText(800, 1240, 0), "4 h 40 min"},     {RunningTimeText(800, 2000, 0), "12 h"},
      {RunningTimeText(800, 850, 0), "50 min"},          {RunningTimeText(2330, 30, 1), "1 h"},
      {RunningTimeText(1933, 1018, 1), "14 h 45 min"},   {DurationText(1440 + 65), "25 h 05 min"},
      {DayTimeText(1440 + 7 * 60 + 40), "+1 day 07:40"}, {DayTimeText(8 * 1440 + 5), "+8 days 00:05"},
      {DayTimeText(10 * 1440), "+10 days 00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(EnglishCoreTexts, CaptionsAndMessagesSpellStationsAndClasses) {
  Database& db = Handmade();
  const auto direct = RunStationSearch(db, {"北京", "上海", 0, 0, false, ""});
  ASSERT_FALSE(direct.rows.empty());
  const auto number = FindTrainsByNumber(db, "T69", "");
  ASSERT_EQ(number.rows.size(), 1u);
  const TrainDetail detail = LoadTrainDetail(db, 1, true, "", "");
  const StopList stops = LoadStopList(db, 1);
  ASSERT_EQ(stops.count(), 11);
  BoardRequest board;  // no train at 00:00-00:01
  board.stationText = "天津";
  board.after = 0;
  board.until = 1;
  const Case cases[] = {
      {direct.rows[0].caption, " T109 (Beijing---Shanghai) Express"},
      {direct.rows[0].legLine.substr(0, direct.rows[0].legLine.find('\t')),
       " T109 (Beijing---Shanghai) Express"},
      {direct.rows[0].endText, "+1 day 10:18"},
      // A station without pinyin keeps its name; a remark reads in English.
      {number.rows[0].caption, " T69 (Express (Beijingxi----乌鲁木齐))"},
      {number.rows[0].memoText, "Air-conditioned"},
      {DetailTitle(detail), "T109 (Beijing---->Shanghai) Express: details"},
      {detail.runningTimeText, "14 h 45 min"},
      {stops.stops[0].gridRow, " 1\tBeijing\t<--Origin-->\t19:33\t<--Origin-->\t 0"},
      {stops.stops[1].gridRow, " 2\t天津\t20:49\t20:57\t 137 \t 0"},
      {stops.stops[10].gridRow, " 11\tShanghai\t10:18\t<--Terminus-->\t 1463 \t 1"},
      {LoadTrainDetail(db, 1, false, "上海", "北京").missing,
       "This train does not run from Shanghai to Beijing"},
      {NoDirectTrainText("上海", "北京西"),
       "Sorry, there is no direct train from Shanghai to Beijingxi yet."},
      {UnknownStationMessage("北京南"), "There is no station named \"Beijingnan\""},
      {FindStationBoard(db, board).message, "Sorry, no train at 天津 matches the chosen times and classes."},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
  // The keys stay the timetable's own names.
  EXPECT_EQ(detail.firstStation, "北京");
  EXPECT_EQ(stops.stops[0].stationName, "北京");
  EXPECT_EQ(direct.rows[0].boardName, "北京");
}

TEST(EnglishCoreTexts, BuildAndExportMessagesReadInEnglish) {
  Handmade();  // the spellings
  gtfs::ExportSummary summary{3, 2, 7, {"北京南", "天津"}};
  EXPECT_EQ(summary.Text(), "3 stations, 2 trains, 7 stops; 2 stations without a position: Beijingnan, 天津");
  EXPECT_STREQ(BuildError("pass.tsv", 12, text::Fill(text::kBuildColumnCount, {"7", "3"})).what(),
               "pass.tsv line 12: 7 columns expected, 3 found");
  EXPECT_EQ(text::VersionName("2019-10 全国"), "2019-10 National");
  EXPECT_EQ(text::VersionName("2026-12（GTFS）"), "2026-12 (GTFS)");
}

}  // namespace
}  // namespace kw
