#include "ui/aux/AboutWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "ui/PictureButton.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

class AboutWindowTest : public ::testing::Test {
 protected:
  AboutWindowTest() : folder_(dir_.Path()) {
    test::CopyDatePictures(dir_.Path());
    window_ = std::make_unique<AboutWindow>(recorder_.shell, nullptr);
    window_->show();
  }

  test::TempDir dir_;
  test::ProgramFolderScope folder_;
  test::RecordingPlatform recorder_;
  std::unique_ptr<AboutWindow> window_;
};

TEST_F(AboutWindowTest, ShowsTheIconAndItsPictureButtonOrEscCloses) {
  EXPECT_FALSE(window_->imgIcon->pixmap().isNull());  // date/Trainicon.dat
  // The map's station positions are OpenStreetMap's: attributed here too.
  EXPECT_EQ(window_->lblMapData->text(), "车站位置：地图数据 © OpenStreetMap 贡献者（ODbL 1.0 许可）");
  EXPECT_TRUE(window_->lblMapData->isVisible());
  QTest::mouseClick(window_->Command1, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(window_->isHidden());
  window_->show();
  QApplication::setActiveWindow(window_.get());
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  EXPECT_TRUE(window_->isHidden());
}

TEST_F(AboutWindowTest, LinksOpenTheSiteAndAMailAndTurnBlueUnderThePointer) {
  QTest::mouseClick(window_->Label6, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseClick(window_->Label4, Qt::LeftButton, {}, QPoint(3, 3));
  ASSERT_EQ(recorder_.shell.opened.size(), 2u);
  EXPECT_EQ(recorder_.shell.opened[0].scheme(), "https");
  EXPECT_TRUE(window_->Label6->text().contains(recorder_.shell.opened[0].toString()));
  EXPECT_EQ(recorder_.shell.opened[1].scheme(), "mailto");
  EXPECT_TRUE(window_->Label4->text().contains(recorder_.shell.opened[1].path()));

  test::Enter(window_->Label6);
  EXPECT_EQ(window_->Label6->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(window_->Label4->palette().color(QPalette::WindowText), QColor(Qt::black));
  test::MoveOverBackground(window_.get());
  EXPECT_EQ(window_->Label6->palette().color(QPalette::WindowText), QColor(Qt::black));
}

}  // namespace
}  // namespace kw
