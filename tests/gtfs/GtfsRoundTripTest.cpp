// The hand-made timetable exported and imported again is the same timetable,
// and the searches give the same answers on it.
#include <gtest/gtest.h>
#include <zip.h>

#include <sstream>

#include "gtfs/CsvReader.h"
#include "gtfs/GtfsExport.h"
#include "gtfs/GtfsImport.h"
#include "support/TestTimetable.h"

namespace kw::gtfs {
namespace {

namespace fs = std::filesystem;

// The hand-made timetable, its feed and the feed imported again, made once.
struct RoundTrip {
  RoundTrip() {
    auto db = copy.Open();
    exported = ExportFeed(*db, Zip().string(), *ParseIsoDate("2030-01-01"));
    ImportOptions options;
    options.today = *ParseIsoDate("2027-06-30");
    imported = ImportFeed(Zip().string(), LoadReference(*db), options, Imported().string());
  }
  fs::path Zip() const { return dir.Path() / "feed.zip"; }
  fs::path Imported() const { return dir.Path() / "Train.dll"; }

  test::DatabaseCopy copy;
  test::TempDir dir;
  ExportSummary exported;
  ImportSummary imported;
};

class GtfsRoundTripTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { trip_ = std::make_unique<RoundTrip>(); }
  static void TearDownTestSuite() { trip_.reset(); }
  static std::vector<std::string> Both(const std::string& sql, bool imported) {
    auto db = Database::Open(imported ? trip_->Imported().string() : trip_->copy.DbPath().string());
    return test::QueryRows(*db, sql);
  }
  static void ExpectSame(const std::string& sql) { EXPECT_EQ(Both(sql, true), Both(sql, false)) << sql; }
  // A member of the exported zip.
  static std::string Member(const std::string& name) {
    int error = 0;
    zip_t* zip = zip_open(trip_->Zip().c_str(), ZIP_RDONLY, &error);
    zip_stat_t st;
    zip_stat(zip, name.c_str(), 0, &st);
    std::string bytes(st.size, '\0');
    zip_file_t* f = zip_fopen(zip, name.c_str(), 0);
    zip_fread(f, bytes.data(), st.size);
    zip_fclose(f);
    zip_discard(zip);
    return bytes;
  }

  static inline std::unique_ptr<RoundTrip> trip_;
};

TEST_F(GtfsRoundTripTest, TheExportIsAFeedOfTheWholeTimetable) {
  const ExportSummary& exported = trip_->exported;
  EXPECT_EQ(exported.Text().rfind("239 个车站，80 个车次，970 个停站", 0), 0u) << exported.Text();
  EXPECT_EQ(exported.withoutPosition.size(), 25u);
  EXPECT_EQ(Member("calendar.txt"),
            "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,start_date,end_date\r\n"
            "daily,1,1,1,1,1,1,1,20261201,20271130\r\n");
  EXPECT_NE(Member("feed_info.txt").find(",zh,20261201,20271130,2026-12 标准版\r\n"), std::string::npos);
  // T109 leaves 北京 at 19:33 and reaches 上海 at 10:18 the next day: 34:18.
  CsvReader times("stop_times.txt", Member("stop_times.txt"));
  std::vector<std::string> t109;
  while (times.Next()) {
    if (times.Field(0) == "1") {
      t109.push_back(std::string(times.Field(1)) + " " + std::string(times.Field(2)) + " " +
                     std::string(times.Field(5)));
    }
  }
  ASSERT_EQ(t109.size(), 11u);
  EXPECT_EQ(t109.front(), "19:33:00 19:33:00 0");
  EXPECT_EQ(t109[3], "24:24:00 24:32:00 497");
  EXPECT_EQ(t109.back(), "34:18:00 34:18:00 1463");
  CsvReader routes("routes.txt", Member("routes.txt"));
  int count = 0;
  while (routes.Next()) {
    ++count;
    EXPECT_EQ(routes.Field(routes.Require("route_type")), "2");
  }
  EXPECT_EQ(count, 9);
}

TEST_F(GtfsRoundTripTest, ImportingTheExportGivesTheSameTimetable) {
  EXPECT_EQ(trip_->imported.Text(),
            "239 个车站，80 个车次，970 个停站，日期 2027-06-30，版本 2026-12 标准版（GTFS）");
  ExpectSame("SELECT id, station, jm, lat, lon FROM station ORDER BY id");
  EXPECT_EQ(Both("SELECT count(*) FROM station WHERE lat IS NULL", true), std::vector<std::string>{"25"});
  // Full pinyin as the installed table gives it; spelled where it gives none.
  const auto withPinyin =
      Both("SELECT id, py FROM station WHERE py IS NOT NULL AND py <> '' ORDER BY id", false);
  const auto all = Both("SELECT id, py FROM station ORDER BY id", true);
  EXPECT_EQ(withPinyin.size(), 11u);
  for (const auto& row : withPinyin) EXPECT_NE(std::find(all.begin(), all.end(), row), all.end()) << row;
  ExpectSame(
      "SELECT id, train, kind, fstation, estation, round(ftime * 100), round(etime * 100), day, distance, "
      "coalesce(memo, '') FROM train ORDER BY id");
  ExpectSame(
      "SELECT trainid, station, zhanci, round(arrive * 100), round(depart * 100), day, distance FROM pass "
      "ORDER BY trainid, zhanci");
  ExpectSame("SELECT * FROM kind ORDER BY id");
  ExpectSame("SELECT * FROM price ORDER BY distance");
}

TEST_F(GtfsRoundTripTest, TheSearchesGiveTheSameAnswers) {
  for (const char* search : {"search 北京 上海", "search 上海 北京 --after 12:00", "search 北京 徐州",
                             "transfer-stations 北京 广州", "train Z40", "train 1461", "detail 3",
                             "journeys 北京 上海", "journeys 哈尔滨 广州", "board 南京"}) {
    SCOPED_TRACE(search);
    std::vector<std::string> args = {"--db", trip_->Imported().string()};
    std::istringstream words(search);
    for (std::string word; words >> word;) args.push_back(word);
    const auto imported = test::RunCli(args);
    args[1] = trip_->copy.DbPath().string();
    const auto original = test::RunCli(args);
    EXPECT_EQ(imported.status, original.status);
    EXPECT_EQ(imported.out, original.out);
    EXPECT_FALSE(original.out.empty());
  }
}

}  // namespace
}  // namespace kw::gtfs
