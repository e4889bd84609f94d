#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTreeWidget>

#include "ui/aux/AboutWindow.h"
#include "ui/aux/ClosingScreen.h"
#include "ui/aux/TipWindow.h"
#include "ui/main/ResultArea.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : folder_(timetable_.Root()) { test::CopyDatePictures(timetable_.Root()); }

  MainWindow& Open() {
    db_ = timetable_.Open();
    window_ = std::make_unique<MainWindow>(*db_, recorder_.platform);
    window_->Load();
    window_->show();
    return *window_;
  }

  QAction* Button(int index) {
    return window_->findChild<QAction*>(QStringLiteral("Toolbar1_%1").arg(index));
  }

  // Picks a file holding `content` in the dialog of 文件 → 更新数据库 and runs the command.
  std::filesystem::path Update(const std::string& content) {
    const auto file = files_.Write("update.txt", content);
    recorder_.files.paths.push_back(QString::fromStdString(file.string()));
    window_->mnuUpdate->trigger();
    return file;
  }
  int Stations() { return std::stoi(test::QueryRows(*db_, "SELECT count(*) FROM station").at(0)); }

  test::TestTimetable timetable_;
  test::ProgramFolderScope folder_;
  test::TempDir files_;
  std::unique_ptr<Database> db_;
  test::RecordingPlatform recorder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, LoadingShowsTheStartPageAndTheVersions) {
  test::FillUiTimetable(timetable_);
  MainWindow& window = Open();
  EXPECT_EQ(
      window.sbMainPanel1->text(),
      "主程序版本：V1.18, 库文件版本：2024-05 测试版 　请关注Kestrelway 铁路时刻网网站,下载最新版库文件。");
  EXPECT_TRUE(window.results->WebBrowser1->source().toLocalFile().endsWith("date/ShowMain.html"));
  EXPECT_FALSE(window.results->WebBrowser1->isHidden());
  EXPECT_TRUE(window.results->lvMain->isHidden());
  EXPECT_FALSE(window.munPrint->isEnabled());
  EXPECT_FALSE(Button(5)->isEnabled());
  EXPECT_TRUE(Button(7)->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), "frmShow");  // closed
}

TEST_F(MainWindowTest, AnEmptyVersionTableLeavesTheVersionEmpty) {
  EXPECT_EQ(Open().sbMainPanel1->text(),
            "主程序版本：V1.18, 库文件版本： 　请关注Kestrelway 铁路时刻网网站,下载最新版库文件。");
}

TEST_F(MainWindowTest, ToolbarButtonsDispatchByIndexAndFollowTheShownLists) {
  MainWindow& window = Open();
  QSignalSpy print(&window, &MainWindow::printRequested);
  Button(2)->trigger();
  ASSERT_NE(window.tipWindow(), nullptr);
  EXPECT_TRUE(window.tipWindow()->isVisible());
  Button(6)->trigger();
  ASSERT_NE(window.aboutWindow(), nullptr);
  EXPECT_TRUE(window.aboutWindow()->isVisible());
  Button(5)->trigger();  // nothing shown: printing is off
  EXPECT_EQ(print.count(), 0);
  for (int index : {1, 3, 4, 8}) window.Toolbar1ButtonClick(index);  // nothing
  EXPECT_EQ(window.closingScreen(), nullptr);

  // Printing follows the shown lists; the web pane shows unless the second leg does.
  ResultArea* results = window.results;
  results->lvchang[0]->show();
  results->lvchang[1]->show();
  window.RefreshViewState();
  EXPECT_TRUE(window.munPrint->isEnabled());
  EXPECT_TRUE(results->WebBrowser1->isHidden());
  results->lvchang[1]->hide();
  window.RefreshViewState();
  EXPECT_TRUE(window.munPrint->isEnabled());
  EXPECT_FALSE(results->WebBrowser1->isHidden());
  results->lvchang[0]->hide();
  window.RefreshViewState();
  EXPECT_FALSE(window.munPrint->isEnabled());
  results->lvMain->show();
  window.RefreshViewState();
  window.SyncToolbar();
  Button(5)->trigger();
  EXPECT_EQ(print.count(), 1);

  window.Common->setEnabled(false);
  window.SyncToolbar();
  EXPECT_FALSE(Button(2)->isEnabled());
}

TEST_F(MainWindowTest, ComingBackClosesTheDetailWindowAndKeepsAboutInFront) {
  MainWindow& window = Open();
  window.About->trigger();
  QSignalSpy closeDetail(&window, &MainWindow::trainDetailCloseRequested);
  QApplication::setActiveWindow(&window);
  EXPECT_GE(closeDetail.count(), 1);
  EXPECT_TRUE(window.aboutWindow()->isVisible());
}

TEST_F(MainWindowTest, ExitShowsTheClosingScreenWhichEndsTheProgram) {
  MainWindow& window = Open();
  window.Common->trigger();
  QSignalSpy ended(&window, &MainWindow::programEnded);
  QSignalSpy closeDetail(&window, &MainWindow::trainDetailCloseRequested);
  Button(7)->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.tipWindow()->isVisible());
  EXPECT_GE(closeDetail.count(), 1);
  ClosingScreen* closing = window.closingScreen();
  ASSERT_NE(closing, nullptr);
  EXPECT_TRUE(closing->isVisible());
  for (int tick = 0; tick <= 50; ++tick) closing->Tick();  // its end, as ClosingScreenTest counts it
  EXPECT_EQ(ended.count(), 1);
}

TEST_F(MainWindowTest, AppliedUpdateIsReportedAndTheNewVersionShown) {
  test::FillUiTimetable(timetable_);
  MainWindow& window = Open();
  const auto actions = window.mnuFile->actions();
  EXPECT_GE(actions.indexOf(window.mnuUpdate), 0);
  EXPECT_LT(actions.indexOf(window.mnuUpdate), actions.indexOf(window.mnuExit));

  const auto file =
      Update("insert;station;11;11,\"石家庄\",\"sjz\"\nupdate;VerID;2024-05 测试版;ver=\"2025-01\"\n");
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{"更新完毕！"});
  EXPECT_EQ(recorder_.messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(Stations(), 11);
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(window.sbMainPanel1->text().contains("库文件版本：2025-01 "));
}

TEST_F(MainWindowTest, UpdateWithABadLineChangesNothingAndNamesTheLine) {
  test::FillUiTimetable(timetable_);
  Open();
  const auto file = Update("insert;station;11;11,\"石家庄\",\"sjz\"\ndelete;nowhere;1;\n");
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_TRUE(recorder_.messages.shown[0].text.startsWith("文件受损或格式不合法！第 2 行"));
  EXPECT_EQ(recorder_.messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(Stations(), 10);
  EXPECT_TRUE(std::filesystem::exists(file));
}

TEST_F(MainWindowTest, CancelledUpdateDoesNothingAndOneWithoutRecordsGetsBothMessages) {
  test::FillUiTimetable(timetable_);
  Open().mnuUpdate->trigger();  // the dialog answers nothing: cancelled
  EXPECT_EQ(recorder_.files.asked, 1);
  EXPECT_TRUE(recorder_.messages.shown.empty());
  Update("");
  EXPECT_EQ(recorder_.messages.Texts(),
            (std::vector<QString>{"您的更新文件有问题，请选择正确的更新文件！", "文件受损或格式不合法！"}));
  EXPECT_EQ(Stations(), 10);
}

}  // namespace
}  // namespace kw
