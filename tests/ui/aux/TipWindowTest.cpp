#include "ui/aux/TipWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <set>

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

TEST_F(TipWindowTest, StartsOnTheTipTheSettingNamesOrOnTipOne) {
  for (const QString setting : {"2", "99", "abc", ""}) {
    WriteEveryDay(kRandomNumberKey, setting);
    auto window = Open();
    const bool two = setting == "2";
    EXPECT_EQ(window->currentId(), two ? 2 : 1) << setting.toStdString();
    EXPECT_EQ(window->lblTitle->text(), two ? "证件随身" : "提前到站");
    EXPECT_EQ(window->txtContent->toPlainText(), two ? "请带好身份证件。" : "大站请提前到站。");
  }
}

// → after the last tip shows tip 1, ← before tip 1 the last tip; Right and
// Left page as the buttons do; Esc closes as the close button does.
TEST_F(TipWindowTest, ArrowsAndArrowKeysPageAroundAndEscCloses) {
  WriteEveryDay(kRandomNumberKey, "2");
  auto window = Open();
  QApplication::setActiveWindow(window.get());
  const std::pair<QWidget*, int> clicks[] = {{window->Command2, 3}, {window->Command2, 1},
                                             {window->imgFront, 3}, {window->imgFront, 2},
                                             {window->imgFront, 1}, {window->imgFront, 3}};
  for (const auto& [button, id] : clicks) {
    Click(button);
    EXPECT_EQ(window->currentId(), id);
  }
  EXPECT_EQ(window->lblTitle->text(), "中转换乘");
  for (const auto& [key, id] : {std::pair{Qt::Key_Right, 1}, std::pair{Qt::Key_Left, 3}}) {
    QTest::keyClick(window->txtContent, key);
    EXPECT_EQ(window->currentId(), id);
  }
  QTest::keyClick(window->chkNone, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "0");
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
    seen.insert(ReadEveryDay(kRandomNumberKey).toInt());
  }
  EXPECT_TRUE(window->isHidden());
  EXPECT_GT(seen.size(), 1u);  // chosen at random, not always the same
  EXPECT_GE(*seen.begin(), 1);
  EXPECT_LE(*seen.rbegin(), 3);
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "1");
  // The box shows the saved choice, and reopening the tips does not turn them on again.
  auto again = Open();
  EXPECT_TRUE(again->chkNone->isChecked());
  Click(again->Command3);
  EXPECT_EQ(ReadEveryDay(kDisplayKey), "1");
}

// The buttons take the program's pointer and a picture for each look.
TEST_F(TipWindowTest, ButtonsShowHoverAndPressedPictures) {
  auto window = Open();
  PictureButton* next = window->Command2;
  EXPECT_EQ(next->cursor().shape(), Qt::BitmapCursor);  // date/point.cur
  const qint64 normal = next->pixmap().cacheKey();
  test::Enter(next);
  const qint64 hover = next->pixmap().cacheKey();
  QTest::mousePress(next, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(std::set<qint64>({normal, hover, next->pixmap().cacheKey()}).size(), 3u);
}

}  // namespace
}  // namespace kw
