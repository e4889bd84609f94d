#include "ui/aux/ClosingScreen.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace kw {
namespace {

class ClosingScreenTest : public ::testing::Test {
 protected:
  ClosingScreenTest() : ended_(&screen_, &ClosingScreen::finished) {
    screen_.show();
    screen_.Start();
  }
  ClosingScreen screen_;
  QSignalSpy ended_;
};

TEST_F(ClosingScreenTest, CreditsScrollUpThenTheProgramEnds) {
  EXPECT_TRUE(screen_.Timer1->isActive());
  for (int tick = 1; tick <= 50; ++tick) {
    screen_.Tick();
    ASSERT_EQ(screen_.frameTopTwips(), -90 * tick);
    ASSERT_EQ(ended_.count(), 0) << "tick " << tick;
  }
  screen_.Tick();  // at -4500, above -4455: the end
  EXPECT_EQ(ended_.count(), 1);
  EXPECT_FALSE(screen_.Timer1->isActive());
  screen_.Tick();
  EXPECT_EQ(ended_.count(), 1);
}

TEST_F(ClosingScreenTest, AClickEndsAtOnce) {
  QTest::mouseClick(screen_.Frame1, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(ended_.count(), 1);
}

TEST_F(ClosingScreenTest, AKeyEndsAtOnce) {
  QTest::keyClick(&screen_, Qt::Key_A);
  EXPECT_EQ(ended_.count(), 1);
}

}  // namespace
}  // namespace kw
