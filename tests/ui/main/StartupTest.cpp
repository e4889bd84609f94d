#include "ui/Startup.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QStatusBar>

#include "ui/aux/TipWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : folder_(timetable_.Root()) {
    test::FillUiTimetable(timetable_).Build();
    test::CopyDatePictures(timetable_.Root());
  }

  test::TestTimetable timetable_;
  test::ProgramFolderScope folder_;
  test::RecordingPlatform recorder_;
};

TEST_F(StartupTest, TheDisplaySettingDecidesWhetherTheTipsOpenFirst) {
  const struct {
    const char* display;  // none: a first start
    int tipShown;         // 0: none
    const char* displayAfter;
    const char* tipAfter;
  } cases[] = {{nullptr, 1, "0", "1"}, {"1", 0, "1", "3"}, {"0", 3, "0", "3"}, {"yes", 1, "0", "1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.display ? c.display : "first start");
    QSettings(QStringLiteral("Kestrelway"), QStringLiteral("Kestrelway")).remove("EveryDay");
    if (c.display) {
      WriteEveryDay(kDisplayKey, c.display);
      WriteEveryDay(kRandomNumberKey, "3");
    }
    Program program(recorder_.platform);
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(program.mainWindow()->isVisible());
    // The version text's tool tip names the database that is open.
    EXPECT_EQ(program.mainWindow()->statusBar()->toolTip().toStdString(), timetable_.DbPath().string());
    const TipWindow* tips = program.mainWindow()->tipWindow();
    EXPECT_EQ(tips && tips->isVisible() ? tips->currentId() : 0, c.tipShown);
    EXPECT_EQ(ReadEveryDay(kDisplayKey), c.displayAfter);
    EXPECT_EQ(ReadEveryDay(kRandomNumberKey), c.tipAfter);
  }
}

TEST_F(StartupTest, AMissingDatabaseIsReportedAndTheProgramDoesNotStart) {
  std::filesystem::remove(timetable_.DbPath());
  Program program(recorder_.platform);
  EXPECT_FALSE(program.Start());
  EXPECT_EQ(program.mainWindow(), nullptr);
  ASSERT_EQ(recorder_.messages.shown.size(), 1u);
  EXPECT_EQ(recorder_.messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(recorder_.messages.shown[0].text.contains("文件不存在"));
}

TEST_F(StartupTest, ASecondCopyIsToldTheFirstIsRunning) {
  Program first(recorder_.platform);
  ASSERT_TRUE(first.Start());
  test::RecordingPlatform second;
  Program copy(second.platform);
  EXPECT_FALSE(copy.Start());
  ASSERT_EQ(second.messages.shown.size(), 1u);
  EXPECT_EQ(second.messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(second.messages.shown[0].text.contains("文件正被另一个程序使用"));
}

}  // namespace
}  // namespace kw
