// The real print surfaces: a result printed into a PDF file, read back with
// poppler's pdftotext / pdfinfo / pdffonts.
#include "ui/PrintSurface.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>

#include "support/TestTimetable.h"
#include "ui/detail/DetailPrinting.h"
#include "ui/main/ResultPrinting.h"

namespace kw {
namespace {

QString RunTool(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return QStringLiteral("<%1 failed>").arg(program);
  return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path) {
  const QRegularExpressionMatch m = QRegularExpression(R"(Pages:\s+(\d+))").match(RunTool("pdfinfo", {path}));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of one page. Qt maps a glyph that the CJK face shares between an
// ideograph and a Kangxi radical back to the radical (頁 reads as U+2FB4);
// compatibility normalisation turns such radicals into the ideographs.
QString PdfPageText(const QString& path, int page) {
  return RunTool("pdftotext", {"-raw", "-f", QString::number(page), "-l", QString::number(page), path, "-"})
      .normalized(QString::NormalizationForm_KC);
}

GridTexts Trains(int count) {
  GridTexts grid{{"车次", "北京发车", "上海到站", "里程(公里)", "硬座票价(元)", "备注"}};
  for (int i = 1; i <= count; ++i)
    grid.push_back(
        {QString(" K%1次(北京---上海)特快列车").arg(100 + i), "08:30", "次日07:40", " 1463 ", "158 "});
  return grid;
}

TEST(PdfSurface, ResultPrintsWithItsTrainsAndChineseTextOnEveryPage) {
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.Path() / "result.pdf").string());
  auto surface = MakePdfSurface(path);
  EXPECT_EQ(surface->DeviceName(), path);
  // A4 (595 × 842 points) less the quarter-inch border.
  EXPECT_EQ(surface->PageWidth(), 595 * 20 - 720);
  EXPECT_EQ(surface->PageHeight(), 842 * 20 - 720);

  // 70 trains and the header: 59 rows on page 1, 12 on page 2.
  const int capacity = PageCapacity(surface->PageHeight());
  ASSERT_EQ(capacity, 58);
  const GridTexts grid = Trains(70);
  EXPECT_EQ(PrintDirectTable(*surface, grid), 2);
  EXPECT_TRUE(surface->Error().isEmpty()) << surface->Error().toStdString();

  ASSERT_EQ(PdfPages(path), 2);
  const QString page1 = PdfPageText(path, 1);
  const QString page2 = PdfPageText(path, 2);
  EXPECT_TRUE(page1.contains("Kestrelway"));
  EXPECT_TRUE(page1.contains("北京")) << page1.toStdString();
  EXPECT_TRUE(page1.contains("上海到站"));
  EXPECT_TRUE(page1.contains("第 1頁"));
  EXPECT_TRUE(page2.contains("Kestrelway"));
  EXPECT_TRUE(page2.contains("第 2頁"));
  for (int i = 1; i <= 70; ++i) {
    const QString number = QString("K%1次").arg(100 + i);
    const bool onFirst = i <= capacity;
    EXPECT_EQ(page1.contains(number), onFirst) << number.toStdString();
    EXPECT_EQ(page2.contains(number), !onFirst) << number.toStdString();
  }

  // The Chinese text is drawn with a CJK face embedded in the file.
  const QString fonts = RunTool("pdffonts", {path});
  EXPECT_TRUE(fonts.contains("CJK")) << fonts.toStdString();
}

TEST(PdfSurface, WindowImageLandsOnOnePage) {
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.Path() / "window.pdf").string());
  QLabel window("K21次(北京---->上海)特快列车详细情况");
  window.resize(686, 487);
  auto surface = MakePdfSurface(path);
  PrintWindowImage(*surface, window, nullptr);
  EXPECT_TRUE(surface->Error().isEmpty());
  EXPECT_EQ(PdfPages(path), 1);
  // pdfimages lists a header of two lines, then one line per picture.
  EXPECT_EQ(RunTool("pdfimages", {"-list", path}).trimmed().split('\n').size(), 3);
}

TEST(PdfSurface, UnwritablePlaceIsReportedNotPassedAsSuccess) {
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.Path() / "no-such-folder" / "result.pdf").string());
  auto surface = MakePdfSurface(path);
  PrintDirectTable(*surface, Trains(1));
  EXPECT_FALSE(surface->EndDoc());
  EXPECT_TRUE(surface->Error().contains(path)) << surface->Error().toStdString();
  EXPECT_FALSE(QFile::exists(path));
}

TEST(PrinterSurface, NoPrinterHasNoName) {
  EXPECT_TRUE(MakePrinterSurface(QPrinterInfo())->DeviceName().isEmpty());
}

TEST(PrintFontFamilies, ChineseStandInsFollowTheNamedFont) {
  const QStringList families = PrintFontFamilies("宋体");
  ASSERT_GE(families.size(), 2);
  EXPECT_EQ(families.front(), "宋体");
  EXPECT_TRUE(families.contains("Noto Serif CJK SC"));
  EXPECT_EQ(families.count("Noto Sans CJK SC"), 1);
}

}  // namespace
}  // namespace kw
