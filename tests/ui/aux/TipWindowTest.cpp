#include "ui/aux/TipWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>
#include <QTextEdit>

#include "ui/PictureButton.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

class TipWindowTest : public ::testing::Test {
 protected:
  TipWindowTest() : db_(test::FillUiTimetable(timetable_).Open()), folder_(timetable_.Root()) {
    test::CopyDatePictures(timetable_.Root());
  }

  std::unique_ptr<TipWindow> Open() {
    auto window = std::make_unique<TipWindow>(*db_, nullptr);
    window->show();
    return window;
  }

  static void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); }

  test::TestTimetable timetable_;
  std::unique_ptr<Database> db_;
  test::ProgramFolderScope folder_;
};

TEST_F(TipWindowTest, StartsOnTheTipTheSettingNames) {
  WriteEveryDay(kRandomNumberKey, "2");
  auto window = Open();
  EXPECT_EQ(window->currentId(), 2);
  EXPECT_EQ(window->lblTitle->text(), "证件随身");
  EXPECT_EQ(window->txtContent->toPlainText(), "请带好身份证件。");
  EXPECT_EQ(window->lblHeading->text(), "铁路乘车小常识");
  EXPECT_EQ(window->chkNone->text(), "不再显示每日一贴");
  EXPECT_EQ(window->windowTitle(), "Kestrelway");
}

TEST_F(TipWindowTest, AMissingOrNonNumericTipFallsBackToTipOne) {
  for (const char* value : {"99", "abc", ""}) {
    WriteEveryDay(kRandomNumberKey, value);
    auto window = Open();
    EXPECT_EQ(window->currentId(), 1) << value;
    EXPECT_EQ(window->lblTitle->text(), "提前到站") << value;
  }
}

TEST_F(TipWindowTest, NextWrapsToTipOneAndPreviousStopsThere) {
  WriteEveryDay(kRandomNumberKey, "2");
  auto window = Open();
  Click(window->Command2);
  EXPECT_EQ(window->currentId(), 3);
  EXPECT_EQ(window->lblTitle->text(), "中转换乘");
  Click(window->Command2);  // there is no tip 4
  EXPECT_EQ(window->currentId(), 1);
  EXPECT_EQ(window->lblTitle->text(), "提前到站");
  Click(window->imgFront);
  EXPECT_EQ(window->currentId(), 1);
  Click(window->Command2);
  Click(window->imgFront);
  EXPECT_EQ(window->currentId(), 1);
}

TEST_F(TipWindowTest, TheBoxSavesDisplayAndCloseSavesARandomTip) {
  auto window = Open();
  EXPECT_FALSE(window->chkNone->isChecked());
  window->chkNone->setChecked(true);
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "1");
  window->chkNone->setChecked(false);
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "0");
  window->chkNone->setChecked(true);

  std::set<int> seen;
  for (int i = 0; i < 60; ++i) {
    window->show();
    Click(window->Command3);
    EXPECT_TRUE(window->isHidden());
    const int next = ReadEveryDay(kRandomNumberKey).toInt();
    EXPECT_GE(next, 1);
    EXPECT_LE(next, 3);
    seen.insert(next);
  }
  EXPECT_GT(seen.size(), 1u);  // chosen at random, not always the same
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "1");
}

TEST_F(TipWindowTest, TheBoxShowsTheSavedChoice) {
  WriteEveryDay(kDisplayKey, "1");
  auto window = Open();
  EXPECT_TRUE(window->chkNone->isChecked());
  Click(window->Command3);
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "1");  // reopening the tips does not turn them on again
}

TEST_F(TipWindowTest, ButtonsShowHoverAndPressedPictures) {
  auto window = Open();
  PictureButton* next = window->Command2;
  EXPECT_FALSE(next->pixmap().isNull());
  EXPECT_EQ(next->cursor().shape(), Qt::BitmapCursor);  // date/point.cur
  const qint64 normal = next->pixmap().cacheKey();

  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(next, &enter);
  EXPECT_EQ(next->look(), PictureButton::Look::Hover);
  const qint64 hover = next->pixmap().cacheKey();
  EXPECT_NE(hover, normal);

  QTest::mousePress(next, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(next->look(), PictureButton::Look::Pressed);
  EXPECT_NE(next->pixmap().cacheKey(), hover);
  QTest::mouseRelease(next, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(next->look(), PictureButton::Look::Normal);

  QApplication::sendEvent(next, &enter);
  test::MoveOverBackground(window.get());  // over the background
  EXPECT_EQ(next->look(), PictureButton::Look::Normal);
}

}  // namespace
}  // namespace kw
