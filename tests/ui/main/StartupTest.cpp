#include "ui/Startup.h"

#include <gtest/gtest.h>

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

TEST_F(StartupTest, FirstStartWritesTheDefaultsAndShowsTheTips) {
  Program program(recorder_.platform);
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "0");
  EXPECT_EQ(ReadEveryDay(kRandomNumberKey), "1");
  EXPECT_TRUE(program.mainWindow()->isVisible());
  ASSERT_NE(program.mainWindow()->tipWindow(), nullptr);
  EXPECT_TRUE(program.mainWindow()->tipWindow()->isVisible());
  EXPECT_EQ(program.mainWindow()->tipWindow()->currentId(), 1);
}

TEST_F(StartupTest, DisplayOneOpensTheMainWindowAlone) {
  WriteEveryDay(kDisplayKey, "1");
  WriteEveryDay(kRandomNumberKey, "3");
  Program program(recorder_.platform);
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(program.mainWindow()->isVisible());
  EXPECT_EQ(program.mainWindow()->tipWindow(), nullptr);
  EXPECT_EQ(ReadEveryDay(kRandomNumberKey), "3");
}

TEST_F(StartupTest, DisplayZeroShowsTheTipTheSettingNames) {
  WriteEveryDay(kDisplayKey, "0");
  WriteEveryDay(kRandomNumberKey, "3");
  Program program(recorder_.platform);
  ASSERT_TRUE(program.Start());
  ASSERT_NE(program.mainWindow()->tipWindow(), nullptr);
  EXPECT_EQ(program.mainWindow()->tipWindow()->currentId(), 3);
}

TEST_F(StartupTest, ADisplayThatIsNoNumberCountsAsAFirstStart) {
  WriteEveryDay(kDisplayKey, "yes");
  WriteEveryDay(kRandomNumberKey, "3");
  Program program(recorder_.platform);
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "0");
  EXPECT_EQ(ReadEveryDay(kRandomNumberKey), "1");
  ASSERT_NE(program.mainWindow()->tipWindow(), nullptr);
  EXPECT_TRUE(program.mainWindow()->tipWindow()->isVisible());
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
