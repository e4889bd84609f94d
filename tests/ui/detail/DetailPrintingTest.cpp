// The detail window's print-outs, read back from a recording surface. What
// the print button chooses to print is checked on the real window
// (TrainDetailWindowTest).
#include "ui/detail/DetailPrinting.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "support/RecordingPrintSurface.h"

namespace kw {
namespace {

using test::PrintedText;
using test::RecordingPrintSurface;

GridTexts StopGrid(int stops) {
  GridTexts grid{{"站次", "经停站", "到站时间：", "发车时间：", "公里数", "天数"}};
  grid.push_back({"1", "北京", "始发站", "08:00", " 0", "1"});
  for (int i = 2; i <= stops; ++i)
    grid.push_back(
        {QString::number(i), QString("站%1").arg(i), "09:00", "09:05", QString(" %1").arg(i * 50), "1"});
  return grid;
}

// Columns 800 1500 1400 1400 1400 1000 from x 200: table width 7500.
TEST(PrintStopTable, StopGridAsRuledTableUnderTheTrainsTitle) {
  RecordingPrintSurface surface;
  const int bottom = 1400 + 240 * (PageCapacity(surface.PageHeight()) + 1);
  EXPECT_EQ(PrintStopTable(surface, "  K21次(北京---->上海)特快列车详细情况 ", StopGrid(3)), 1);
  EXPECT_EQ(surface.endDocCount, 1);
  EXPECT_EQ(surface.texts.front(),
            (PrintedText{1, 4000, 700, 18, "宋体", "K21次(北京---->上海)特快列车详细情况"}));
  EXPECT_EQ(surface.TextsAt(1, 1400), StopGrid(0)[0]);
  std::vector<int> xs;
  for (const PrintedText& t : surface.texts)
    if (t.y == 1400 + 240 * 3) xs.push_back(t.x);
  EXPECT_EQ(xs, (std::vector<int>{200, 1000, 2500, 3900, 5300, 6700}));

  // The rules end at the table's right edge.
  EXPECT_TRUE(surface.HasLine({1, 150, bottom - 30, 7690, bottom - 30}));
  for (int x : {170, 970, 2470, 3870, 5270, 6670, 7670})
    EXPECT_TRUE(surface.HasLine({1, x, 1370, x, bottom})) << x;
  EXPECT_EQ(surface.texts.back(), (PrintedText{1, 7670 - 1700, bottom + 100, 10, "宋体", "第 1页"}));
}

// Every page is numbered with the simplified 页; a long title moves left to
// stay on the paper.
TEST(PrintStopTable, PagesAreNumberedInTheSimplifiedFormAndALongTitleStaysOnThePaper) {
  RecordingPrintSurface surface("Recorder", 11180, 3180);  // six slots a page
  const QString title = "K1234次(乌鲁木齐南---->哈尔滨西)特快列车详细情况";
  EXPECT_EQ(PrintStopTable(surface, title, StopGrid(8)), 2);
  EXPECT_EQ(surface.TextsAt(1, 2940), QStringList{"第 1页"});
  EXPECT_EQ(surface.TextsAt(2, 2940), QStringList{"第 2页"});
  surface.SetFontSize(18);
  EXPECT_EQ(surface.texts.front().x + surface.TextWidth(title), surface.PageWidth());
}

TEST(PrintWindowImage, WindowPrintedWithoutItsPrintButtonScaledToThePage) {
  QWidget window;
  window.resize(686, 487);  // 10290 × 7305 twips
  window.setAutoFillBackground(true);
  window.setPalette(QPalette(Qt::white));
  auto* button = new QWidget(&window);
  button->setGeometry(597, 3, 30, 30);
  button->setAutoFillBackground(true);
  button->setPalette(QPalette(Qt::red));
  window.show();
  // With the button shown, the window's picture has it.
  ASSERT_EQ(window.grab().toImage().scaled(window.size()).pixelColor(612, 18), QColor(Qt::red));

  RecordingPrintSurface surface;
  PrintWindowImage(surface, window, button);
  EXPECT_EQ(surface.endDocCount, 1);
  EXPECT_TRUE(button->isVisible());
  ASSERT_EQ(surface.images.size(), 1u);
  const test::PrintedImage& printed = surface.images.front();
  EXPECT_EQ(printed.image.scaled(window.size()).pixelColor(612, 18), QColor(Qt::white));
  // As wide as the page, in the window's proportions.
  EXPECT_EQ(printed.area.topLeft(), QPoint(0, 0));
  EXPECT_EQ(printed.area.width(), surface.PageWidth());
  EXPECT_NEAR(printed.area.height(), surface.PageWidth() * 487.0 / 686.0, 1);
}

}  // namespace
}  // namespace kw
