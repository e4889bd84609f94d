#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QToolBar>
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

  test::TestTimetable timetable_;
  test::ProgramFolderScope folder_;
  std::unique_ptr<Database> db_;
  test::RecordingPlatform recorder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, LoadingShowsTheStartPageAndTheVersions) {
  test::FillUiTimetable(timetable_);
  MainWindow& window = Open();
  EXPECT_EQ(window.windowTitle(), "Kestrelway");
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
  MainWindow& window = Open();
  EXPECT_EQ(window.sbMainPanel1->text(),
            "主程序版本：V1.18, 库文件版本： 　请关注Kestrelway 铁路时刻网网站,下载最新版库文件。");
}

TEST_F(MainWindowTest, MenusCarryTheirCaptions) {
  MainWindow& window = Open();
  EXPECT_EQ(window.mnuFile->title(), "文件(&F)");
  EXPECT_EQ(window.mnuHelp->title(), "帮助(&H)");
  EXPECT_EQ(window.mnuMap->text(), "地图(&M)");
  EXPECT_EQ(window.munPrint->text(), "打印(&P)");
  EXPECT_EQ(window.mnuExit->text(), "退出(&X)");
  EXPECT_EQ(window.Common->text(), "铁路小常识(&K)");
  EXPECT_EQ(window.mnuHMain->text(), "帮助主题(&l)");
  EXPECT_EQ(window.About->text(), "关于(&A)");
  EXPECT_EQ(window.mnuFile->actions().last(), window.mnuExit);
}

TEST_F(MainWindowTest, ToolbarButtonsDispatchByIndex) {
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
  window.results->lvMain->show();
  window.RefreshViewState();
  window.SyncToolbar();
  Button(5)->trigger();
  EXPECT_EQ(print.count(), 1);
  for (int index : {1, 3, 4, 8}) window.Toolbar1ButtonClick(index);  // nothing
  EXPECT_EQ(window.closingScreen(), nullptr);
}

TEST_F(MainWindowTest, ViewStateFollowsTheShownLists) {
  MainWindow& window = Open();
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

  window.Common->setEnabled(false);
  window.SyncToolbar();
  EXPECT_FALSE(Button(2)->isEnabled());
  EXPECT_FALSE(Button(5)->isEnabled());
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
  for (int tick = 0; tick < 50; ++tick) closing->Tick();
  EXPECT_EQ(ended.count(), 0);
  closing->Tick();
  EXPECT_EQ(ended.count(), 1);
}

}  // namespace
}  // namespace kw
