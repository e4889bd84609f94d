// The real print surfaces: a result printed into a PDF file, read back with
// poppler's pdftotext / pdfinfo / pdffonts.
#include "ui/PrintSurface.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

#include "support/TestTimetable.h"
#include "ui/PdfTextMap.h"
#include "ui/Strings.h"
#include "ui/detail/DetailPrinting.h"
#include "ui/main/ResultPrinting.h"
#include "ui/support/PdfText.h"

namespace kw {
namespace {

using test::RunTool;

int PdfPages(const QString& path) {
  const QRegularExpressionMatch m = QRegularExpression(R"(Pages:\s+(\d+))").match(RunTool("pdfinfo", {path}));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of one page.
QString PdfPageText(const QString& path, int page) {
  return RunTool("pdftotext", {"-raw", "-f", QString::number(page), "-l", QString::number(page), path, "-"});
}

GridTexts Trains(int count) {
  GridTexts grid{{"车次", "北京发车", "上海到站", "里程(公里)", "硬座票价(元)", "备注"}};
  for (int i = 1; i <= count; ++i)
    grid.push_back(
        {QString(" K%1次(北京---上海)特快列车").arg(100 + i), "08:30", "次日07:40", " 1463 ", "158 "});
  return grid;
}

class PdfSurface : public ::testing::Test {
 protected:
  QString PathIn(const char* name) { return QString::fromStdString((dir_.Path() / name).string()); }
  test::TempDir dir_;
};

// A4 (595 × 842 points) less the quarter-inch border holds 58 trains to a
// page; the Chinese text is drawn with a CJK face embedded in the file.
TEST_F(PdfSurface, ATableRunsOntoASecondPageWithItsChineseFaceEmbedded) {
  const QString path = PathIn("result.pdf");
  auto surface = MakePdfSurface(path);
  EXPECT_EQ(surface->PageWidth(), 595 * 20 - 720);
  EXPECT_EQ(surface->PageHeight(), 842 * 20 - 720);
  EXPECT_EQ(PrintDirectTable(*surface, Trains(59)), 2);
  EXPECT_TRUE(surface->Error().isEmpty()) << surface->Error().toStdString();
  ASSERT_EQ(PdfPages(path), 2);
  const QString pages[] = {PdfPageText(path, 1), PdfPageText(path, 2)};
  EXPECT_TRUE(pages[0].contains("K158次") && pages[0].contains("上海到站") && !pages[0].contains("K159次"));
  EXPECT_TRUE(pages[1].contains("K159次") && pages[1].contains("第 2页")) << pages[1].toStdString();
  EXPECT_TRUE(RunTool("pdffonts", {path}).contains("CJK"));
}

// The CJK face draws these with the glyphs of radicals (⾼ ⻋ ⻓ ⻬ ⻚ ⾴ ⻩ ⻰ ⻔).
TEST_F(PdfSurface, ChineseReadsBackAsTheCharactersDrawn) {
  const QString path = PathIn("text.pdf");
  const QString drawn = QStringLiteral("高速动车 长春 齐齐哈尔 第 2页 第 3頁 黄山 龙门");
  auto surface = MakePdfSurface(path);
  surface->SetFontName(str::kPrintFont);
  surface->DrawText(1440, 1440, drawn);
  EXPECT_TRUE(surface->EndDoc());
  EXPECT_EQ(PdfPageText(path, 1).trimmed(), drawn);
}

TEST(PdfTextMap, OnlyTheTextsOfOneGlyphAreMended) {
  test::TempDir dir;
  const auto path = dir.Write("maps.pdf",
                              "beginbfchar\n<0001> <2FBC>\n<2EE3> <0041>\nendbfchar\n"
                              "beginbfrange\n<0002> <0002> <2EE3>\n<0003> <0004> <2F00>\n"
                              "<0005> <0006> [<2EDA> <2FBC>]\nendbfrange\n");
  const QHash<char16_t, char16_t> radicals{{0x2FBC, 0x9AD8}, {0x2EE3, 0x8F66}, {0x2F00, 0x4E00}, {0x2EDA, 0x9875}};
  ASSERT_TRUE(MendPdfTextMaps(QString::fromStdString(path.string()), radicals));
  // A range of several glyphs counts up from its text, so it is left alone.
  EXPECT_EQ(test::ReadFile(path),
            "beginbfchar\n<0001> <9AD8>\n<2EE3> <0041>\nendbfchar\n"
            "beginbfrange\n<0002> <0002> <8F66>\n<0003> <0004> <2F00>\n"
            "<0005> <0006> [<9875> <9AD8>]\nendbfrange\n");
}

TEST_F(PdfSurface, WindowImageLandsOnOnePage) {
  const QString path = PathIn("window.pdf");
  QLabel window("K21次(北京---->上海)特快列车详细情况");
  window.resize(686, 487);
  auto surface = MakePdfSurface(path);
  PrintWindowImage(*surface, window, nullptr);
  EXPECT_TRUE(surface->Error().isEmpty());
  EXPECT_EQ(PdfPages(path), 1);
  // pdfimages lists a header of two lines, then one line per picture.
  EXPECT_EQ(RunTool("pdfimages", {"-list", path}).trimmed().split('\n').size(), 3);
}

}  // namespace
}  // namespace kw
