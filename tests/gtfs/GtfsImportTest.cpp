// Import of the small hand-made feed of tests/data/gtfs/small, and of the bad
// feeds made from it: one clear line each, and nothing left behind.
#include <gtest/gtest.h>
#include <zip.h>

#include <deque>
#include <fstream>

#include "gtfs/FeedError.h"
#include "gtfs/GtfsImport.h"
#include "store/DataBuilder.h"
#include "support/TestTimetable.h"

namespace kw::gtfs {
namespace {

namespace fs = std::filesystem;

const fs::path kSmallFeed = fs::path(KW_SOURCE_DIR) / "tests/data/gtfs/small";

// A copy of the small feed in a temporary folder, to be spoilt by a test.
class Feed {
 public:
  Feed() {
    fs::create_directories(Dir());
    for (const auto& entry : fs::directory_iterator(kSmallFeed))
      fs::copy_file(entry.path(), Dir() / entry.path().filename());
  }
  fs::path Dir() const { return tmp_.Path() / "feed"; }
  fs::path Out() const { return tmp_.Path() / "out" / "Train.dll"; }
  std::string Read(const std::string& name) const { return test::ReadFile(Dir() / name); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Dir() / name, std::ios::binary) << bytes;
  }
  // Replaces the one `from` in file `name` by `to`.
  void Edit(const std::string& name, const std::string& from, const std::string& to) const {
    std::string text = Read(name);
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    Write(name, text);
  }
  void Remove(const std::string& name) const { fs::remove(Dir() / name); }
  // The feed as a zip, each file a member.
  fs::path Zip() const {
    const fs::path path = tmp_.Path() / "feed.zip";
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    std::deque<std::string> files;  // the buffers stay in place until the zip is written
    for (const auto& entry : fs::directory_iterator(Dir())) {
      const std::string& bytes = files.emplace_back(Read(entry.path().filename().string()));
      zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
      zip_file_add(zip, entry.path().filename().c_str(), source, ZIP_FL_OVERWRITE);
    }
    zip_close(zip);
    return path;
  }

  ImportSummary Import(ImportOptions options = Dated("2026-12-05"), const fs::path& feed = {}) const {
    fs::create_directories(Out().parent_path());
    return ImportFeed((feed.empty() ? Dir() : feed).string(), Ref(), options, Out().string());
  }
  // The error an import stops with ("no error" for none); it leaves nothing behind.
  std::string ImportError(const ImportOptions& options, const fs::path& feed = {}) const {
    std::string error = "no error";
    try {
      Import(options, feed);
    } catch (const FeedError& e) {
      error = e.what();
    }
    EXPECT_TRUE(fs::is_empty(Out().parent_path())) << error;
    return error;
  }
  static ImportOptions Dated(const std::string& date) {
    ImportOptions o;
    o.date = ParseIsoDate(date);
    o.kmPerDistanceUnit = 0.001;
    return o;
  }
  static const Reference& Ref() {
    static const Reference ref = LoadReference(test::HandMadeDb());
    return ref;
  }

 private:
  test::TempDir tmp_;
};

std::vector<std::string> Rows(const fs::path& db, const std::string& sql) {
  auto open = Database::Open(db.string());
  return test::QueryRows(*open, sql);
}

TEST(GtfsImportTest, TheDaysTrainsBecomeATimetable) {
  Feed feed;
  const auto summary = feed.Import();
  EXPECT_EQ(summary.Text(), "5 个车站，4 个车次，12 个停站，日期 2026-12-05，版本 2026-12 小测试（GTFS）");
  const fs::path db = feed.Out();
  // Platforms stand for their stations; 站 dropped; codes from the installed
  // table where it knows the name (北京, 天津, 德州), else spelled; positions
  // for the map are the station's own, not its platforms'.
  EXPECT_EQ(
      Rows(db, "SELECT * FROM station ORDER BY id"),
      (std::vector<std::string>{"1|北京|bj|beijing|39.9042|116.4274", "2|天津|tj|tianjin|39.1355|117.209",
                                "3|德州|dz|dezhou|37.45|116.31", "4|徐州,东|xzd|xuzhoudong|34.26|117.18",
                                "5|龙港西|lgx|longgangxi|NULL|NULL"}));
  // Identical trips are one train with both numbers; the class follows the
  // number (旅游列车 added to the installed classes); the weekend and the
  // one-day trains are not daily; the (全线) trip is no train.
  EXPECT_EQ(Rows(db, "SELECT * FROM train ORDER BY id"),
            (std::vector<std::string>{
                "1|G101/G9101|8|1|5|8.0|12.0|0|901|NULL", "2|K1|3|1|5|22.0|1.1|1|356|NULL",
                "3|D5|7|2|1|10.0|10.4|0|130|非每日开行", "4|Y7|10|1|3|7.0|9.0|0|0|非每日开行"}));
  EXPECT_EQ(Rows(db, "SELECT * FROM kind WHERE id >= 9 ORDER BY id"),
            (std::vector<std::string>{"9|临客|特快", "10|旅游列车|NULL"}));
  // K1 is as long as its farthest known stop. Metres become km (900.5 km
  // rounds up); past midnight is the next day;
  // without shape_dist_traveled the installed timetable's sections count
  // (北京-天津 137, 天津-德州 219) until one is unknown (暂缺, 0).
  EXPECT_EQ(Rows(db, "SELECT * FROM pass ORDER BY trainid, zhanci"),
            (std::vector<std::string>{"1|1|1|8.0|8.0|0|0", "1|2|2|8.3|8.32|0|120", "1|4|3|11.0|11.02|0|700",
                                      "1|5|4|12.0|12.0|0|901", "2|1|1|22.0|22.0|0|0", "2|2|2|23.3|23.4|0|137",
                                      "2|3|3|0.5|0.58|1|356", "2|5|4|1.1|1.1|1|0", "3|2|1|10.0|10.0|0|0",
                                      "3|1|2|10.4|10.4|0|130", "4|1|1|7.0|7.0|0|0", "4|3|2|9.0|9.0|0|0"}));
  EXPECT_EQ(Rows(db, "SELECT * FROM VerID"), std::vector<std::string>{"2026-12 小测试（GTFS）"});
  // Fares and tips are the installed timetable's.
  for (const std::string sql : {"SELECT * FROM price", "SELECT * FROM everyday"})
    EXPECT_EQ(Rows(db, sql), test::QueryRows(test::HandMadeDb(), sql)) << sql;
}

TEST(GtfsImportTest, TheDefaultDayIsTodayWhenServedElseTheFirstDayWithTrains) {
  const std::pair<const char*, const char*> cases[] = {
      {"2026-12-07", "5 个车站，2 个车次，8 个停站，日期 2026-12-07，版本 2026-12 小测试（GTFS）"},
      {"2027-03-01", "5 个车站，2 个车次，8 个停站，日期 2026-12-01，版本 2026-12 小测试（GTFS）"},
      {"2026-12-06", "5 个车站，3 个车次，10 个停站，日期 2026-12-06，版本 2026-12 小测试（GTFS）"},
  };
  for (const auto& [today, summary] : cases) {
    ImportOptions options;  // no date given
    options.today = *ParseIsoDate(today);
    options.kmPerDistanceUnit = 0.001;
    EXPECT_EQ(Feed().Import(options).Text(), summary) << today;
  }
}

TEST(GtfsImportTest, AFeedWithoutInfoTakesTheDateAsItsVersion) {
  Feed feed;
  feed.Remove("feed_info.txt");
  EXPECT_EQ(feed.Import().version, "2026-12-05（GTFS）");
  // Without feed_info's span, the days the services run are the span: the
  // daily trains run on all of them.
  EXPECT_EQ(Rows(feed.Out(), "SELECT train, memo FROM train ORDER BY id"),
            (std::vector<std::string>{"G101/G9101|NULL", "K1|NULL", "D5|非每日开行", "Y7|非每日开行"}));
}

TEST(GtfsImportTest, FrequenciesExpandIntoOneTrainPerDeparture) {
  Feed feed;
  feed.Write("frequencies.txt", "trip_id,start_time,end_time,headway_secs\nt4,06:00:00,07:00:00,1800\n");
  feed.Import();
  EXPECT_EQ(Rows(feed.Out(), "SELECT train, ftime, etime FROM train WHERE train = 'D5' ORDER BY ftime"),
            (std::vector<std::string>{"D5|6.0|6.4", "D5|6.3|7.1"}));
}

TEST(GtfsImportTest, AZipReadsAsTheFolderDoes) {
  Feed feed;
  const auto summary = feed.Import(Feed::Dated("2026-12-05"), feed.Zip());
  EXPECT_EQ(summary.Text(), "5 个车站，4 个车次，12 个停站，日期 2026-12-05，版本 2026-12 小测试（GTFS）");
}

struct BadFeed {
  const char* what;
  std::function<void(const Feed&)> spoil;
  std::string error;
  const char* date = "2026-12-05";
};

class BadFeedTest : public ::testing::TestWithParam<BadFeed> {};

TEST_P(BadFeedTest, IsOneClearLineAndLeavesNothing) {
  const BadFeed& c = GetParam();
  Feed feed;
  c.spoil(feed);
  EXPECT_EQ(feed.ImportError(Feed::Dated(c.date)), c.error);
}

// Replaces the one `from` in file `name` of the feed by `to`.
std::function<void(const Feed&)> Editing(const char* name, std::string from, std::string to) {
  return [=](const Feed& f) { f.Edit(name, from, to); };
}

const BadFeed kBadFeeds[] = {
    {"MissingFile", [](const Feed& f) { f.Remove("stop_times.txt"); }, "stop_times.txt：缺少文件"},
    {"NoCalendar",
     [](const Feed& f) {
       f.Remove("calendar.txt");
       f.Remove("calendar_dates.txt");
     },
     "calendar.txt：缺少 calendar.txt 和 calendar_dates.txt（至少要有其一）"},
    {"MissingColumn", Editing("trips.txt", "service_id", "service"), "trips.txt 第 1 行：缺少列 service_id"},
    {"UnknownTrip", Editing("stop_times.txt", "t5,9:00:00", "t9,9:00:00"),
     "stop_times.txt 第 17 行：没有这个车次：trip_id “t9”"},
    {"UnknownStop", Editing("stop_times.txt", "10:40:00,BJ-1", "10:40:00,BJ-9"),
     "stop_times.txt 第 15 行：没有这个站点：stop_id “BJ-9”"},
    {"UnknownParent", Editing("stops.txt", "0,BJ\r\nTJ", "0,BX\r\nTJ"),
     "stops.txt 第 4 行：没有这个站点：stop_id “BX”"},
    {"UnknownRoute", Editing("trips.txt", "R1,extra", "R7,extra"),
     "trips.txt 第 6 行：没有这条线路：route_id “R7”"},
    {"TimeNotHMMSS", Editing("stop_times.txt", "t5,9:00:00", "t5,9:0:00"),
     "stop_times.txt 第 17 行：时间 “9:0:00” 应写成 时:分:秒（H:MM:SS）"},
    {"MinutesPast59", Editing("stop_times.txt", "9:00:00,DZ", "9:60:00,DZ"),
     "stop_times.txt 第 17 行：时间 “9:60:00” 应写成 时:分:秒（H:MM:SS）"},
    {"TimesBackwards", Editing("stop_times.txt", "11:00:00,11:02:00,XZ", "08:20:00,08:22:00,XZ"),
     "stop_times.txt 第 4 行：时间 8:20:00 早于前面的 8:32:00"},
    {"DepartureBeforeArrival", Editing("stop_times.txt", "23:30:00,23:40:00", "23:30:00,23:20:00"),
     "stop_times.txt 第 12 行：时间 23:20:00 早于前面的 23:30:00"},
    {"DuplicateStopId", Editing("stops.txt", "龙港西站,,,,\r\n", "龙港西站,,,,\r\nTJ,天津二,,,,\r\n"),
     "stops.txt 第 10 行：stop_id “TJ” 与第 5 行重复"},
    {"DuplicateTripId", Editing("trips.txt", "R1,daily,t2", "R1,daily,t1"),
     "trips.txt 第 3 行：trip_id “t1” 与第 2 行重复"},
    {"DuplicateSequence", Editing("stop_times.txt", "DZ-A,3", "DZ-A,2"),
     "stop_times.txt 第 12 行：stop_sequence “2” 与第 11 行重复"},
    {"NotUtf8", Editing("stops.txt", "龙港西站", test::ToGb18030("龙港西站")),
     "stops.txt 第 9 行：含有不是 UTF-8 编码的字节"},
    {"UnclosedQuote", Editing("stops.txt", "\"徐州,东\"", "\"徐州,东"), "stops.txt 第 8 行：引号没有结束"},
    {"BadCalendarDate", Editing("calendar.txt", "20261201,20261231\nweekend", "20261301,20261231\nweekend"),
     "calendar.txt 第 2 行：日期 “20261301” 应写成 YYYYMMDD"},
    {"PastTheEighthDay", Editing("stop_times.txt", "25:10:00,25:10:00", "200:10:00,200:10:00"),
     "stop_times.txt 第 13 行：车次运行超过八天"},
    {"DateNotServed", [](const Feed&) {},
     "calendar.txt：2027-01-05 这一天没有车次开行（有车次开行的日期：2026-12-01 至 2026-12-31）",
     "2027-01-05"},
};

INSTANTIATE_TEST_SUITE_P(Feeds, BadFeedTest, ::testing::ValuesIn(kBadFeeds),
                         [](const auto& info) { return std::string(info.param.what); });

// Zip bombs: a member that expands past the bound on size, or past the bound
// on the ratio of expanded to stored size, is refused before it is read whole.
TEST(GtfsImportTest, AZipMemberPastTheBoundsIsRefused) {
  {
    Feed feed;
    feed.Write("stops.txt", feed.Read("stops.txt") + std::string(4 << 20, '\n'));
    EXPECT_EQ(feed.ImportError(Feed::Dated("2026-12-05"), feed.Zip()),
              "stops.txt：压缩比超过 200 倍（疑为压缩炸弹），不予读取");
  }
  Feed feed;
  ImportOptions options = Feed::Dated("2026-12-05");
  options.limits.maxFileBytes = 2048;
  feed.Write("stop_times.txt", feed.Read("stop_times.txt") + std::string(2048, ' '));
  EXPECT_EQ(feed.ImportError(options, feed.Zip()), "stop_times.txt：解压后超过 2 KB，不予读取");
  // The same bound holds for a folder's file.
  EXPECT_NE(feed.ImportError(options), "no error");
}

TEST(GtfsImportTest, CancellingLeavesNothing) {
  Feed feed;
  std::atomic<bool> cancel{false};
  ImportOptions options = Feed::Dated("2026-12-05");
  options.cancel = &cancel;
  int calls = 0;
  options.progress = [&](int percent) {
    ++calls;
    if (percent >= 55) cancel = true;
  };
  EXPECT_THROW(feed.Import(options), FeedCancelled);
  EXPECT_GT(calls, 2);
  EXPECT_TRUE(fs::is_empty(feed.Out().parent_path()));
}

}  // namespace
}  // namespace kw::gtfs
