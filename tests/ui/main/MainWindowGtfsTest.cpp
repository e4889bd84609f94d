// 文件 → 导入 GTFS 时刻表 and 文件 → 导出 GTFS in the main window.
#include <QAction>
#include <QLabel>
#include <filesystem>
#include <fstream>

#include "ui/main/MainWindow.h"
#include "ui/support/MainWindowFixture.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

const fs::path kSmallFeed = fs::path(KW_SOURCE_DIR) / "tests/data/gtfs/small";

class MainWindowGtfsTest : public test::MainWindowFixture {
 protected:
  // Picks `path` in the dialog of 文件 → 导入 GTFS 时刻表 and runs the command.
  void Import(const fs::path& path) {
    recorder_.files.paths.push_back(QString::fromStdString(path.string()));
    main_->mnuImportGtfs->trigger();
  }
  test::TempDir files_;
};

TEST_F(MainWindowGtfsTest, AnImportedFeedReplacesTheTimetableOnlyWhenTheUserSaysSo) {
  ASSERT_EQ(Stations(), 12);
  // A folder is picked by its stops.txt; the summary comes with the question.
  recorder_.messages.answers = {MessageAnswer::Cancel};
  Import(kSmallFeed / "stops.txt");
  ASSERT_EQ(Said(19), test::Said{"i OK/Cancel: GTFS 时刻表已读入：\n5 个车站，"});
  EXPECT_TRUE(Shown()[0].text.contains("版本 2026-12 小测试（GTFS）")) << Said()[0];
  EXPECT_EQ(Stations(), 12);  // kept

  recorder_.messages.shown.clear();
  Import(kSmallFeed);  // answered OK
  ASSERT_EQ(recorder_.messages.shown.size(), 2u);
  EXPECT_EQ(recorder_.messages.shown[1].text, "已换用导入的时刻表（库文件版本：2026-12 小测试（GTFS））。");
  EXPECT_EQ(Stations(), 5);
  EXPECT_TRUE(main_->sbMainPanel1->text().contains("库文件版本：2026-12 小测试（GTFS） "))
      << main_->sbMainPanel1->text().toStdString();
  // The swap left nothing beside the database.
  for (const auto& entry : fs::directory_iterator(fs::path(db_->Path()).parent_path())) {
    EXPECT_NE(entry.path().extension(), ".part") << entry.path();
  }
}

TEST_F(MainWindowGtfsTest, ABadFeedIsOneMessageAndChangesNothing) {
  const fs::path feed = files_.Path() / "feed";
  fs::copy(kSmallFeed, feed);
  fs::remove(feed / "trips.txt");
  Import(feed / "stops.txt");
  EXPECT_EQ(Stations(), 12);
  main_->mnuImportGtfs->trigger();  // the dialog cancelled: nothing at all
  EXPECT_EQ(Said(), test::Said{"! OK: 无法导入 GTFS 时刻表：\ntrips.txt：缺少文件"});
}

TEST_F(MainWindowGtfsTest, ExportWritesTheOpenTimetableWhereTheUserSays) {
  const fs::path zip = files_.Path() / "out.zip";
  recorder_.files.savePaths.push_back(QString::fromStdString(zip.string()));
  main_->mnuExportGtfs->trigger();
  EXPECT_EQ(recorder_.files.suggested, "kestrelway-gtfs.zip");
  const std::string said = "i OK: 已导出 GTFS 时刻表 " + zip.string() + "：\n12 个车站，";
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Said()[0].substr(0, said.size()), said);
  EXPECT_TRUE(fs::exists(zip));
}

}  // namespace
}  // namespace kw
