// The 文件 menu's update command: the file the user picks is applied, and the
// outcome is reported in message boxes.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"
#include "ui/main/MainWindow.h"

namespace kw {
namespace {

class UpdateCommandTest : public ::testing::Test {
 protected:
  UpdateCommandTest() : folder_(timetable_.Root()) {
    test::CopyDatePictures(timetable_.Root());
    test::FillUiTimetable(timetable_);
    db_ = timetable_.Open();
    window_ = std::make_unique<MainWindow>(*db_, recorder_.platform);
    window_->Load();
  }

  // Picks `content` as the update file in the dialog and runs the command.
  std::filesystem::path Run(const std::string& content) {
    const auto file = files_.Write("update.txt", content);
    recorder_.files.paths.push_back(QString::fromStdString(file.string()));
    window_->mnuUpdate->trigger();
    return file;
  }

  int Stations() {
    auto q = db_->Prepare("SELECT count(*) FROM station");
    q.Step();
    return q.Int(0);
  }

  test::TestTimetable timetable_;
  test::ProgramFolderScope folder_;
  test::TempDir files_;
  test::RecordingPlatform recorder_;
  std::unique_ptr<Database> db_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(UpdateCommandTest, SitsInTheFileMenuBeforeExit) {
  const auto actions = window_->mnuFile->actions();
  const auto update = actions.indexOf(window_->mnuUpdate);
  EXPECT_EQ(window_->mnuUpdate->text(), "更新数据库(&U)...");
  EXPECT_GE(update, 0);
  EXPECT_LT(update, actions.indexOf(window_->mnuExit));
}

TEST_F(UpdateCommandTest, AppliedFileIsReportedAndTheNewVersionShown) {
  const auto file = Run("insert;station;11;11,\"石家庄\",\"sjz\"\nupdate;VerID;2024-05 测试版;ver=\"2025-01\"\n");
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{"更新完毕！"});
  EXPECT_EQ(recorder_.messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(Stations(), 11);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(window_->sbMainPanel1->text().contains("库文件版本：2025-01 "));
}

TEST_F(UpdateCommandTest, BadLineChangesNothingAndNamesTheLine) {
  const auto file = Run("insert;station;11;11,\"石家庄\",\"sjz\"\ndelete;nowhere;1;\n");
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_TRUE(recorder_.messages.shown[0].text.startsWith("文件受损或格式不合法！第 2 行"));
  EXPECT_EQ(recorder_.messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(Stations(), 10);
  EXPECT_TRUE(std::filesystem::exists(file));
}

TEST_F(UpdateCommandTest, FileWithoutRecordsGetsBothMessages) {
  Run("");
  EXPECT_EQ(recorder_.messages.Texts(),
            (std::vector<QString>{"您的更新文件有问题，请选择正确的更新文件！", "文件受损或格式不合法！"}));
}

TEST_F(UpdateCommandTest, CancelledDialogDoesNothing) {
  window_->mnuUpdate->trigger();
  EXPECT_EQ(recorder_.files.asked, 1);
  EXPECT_TRUE(recorder_.messages.shown.empty());
  EXPECT_EQ(Stations(), 10);
}

}  // namespace
}  // namespace kw
