// The print command of the program's main window on real searches: the grid
// behind the shown result reaches the printer, row for row. The tables'
// twips are checked in ResultPrintingTest, the no-printer path in
// PrintCommandTest.
#include <QAction>
#include <algorithm>

#include "support/RecordingPrintSurface.h"
#include "ui/PrintedTable.h"
#include "ui/Startup.h"
#include "ui/Strings.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/support/PdfText.h"

namespace kw {
namespace {

// The recorder's page holds 59 row slots: the table ends at 1400 + 240·59.
constexpr int kFooterY = 1400 + 240 * 59 + 100;

class PrintResultsTest : public ::testing::Test {
 protected:
  PrintResultsTest() : folder_(timetable_.Root()), program_(recorder_.platform) {
    test::FillUiTimetable(timetable_).Build();
    test::CopyDatePictures(timetable_.Root());
    WriteEveryDay(kDisplayKey, "1");  // no tip window
    EXPECT_TRUE(program_.Start());
    window_ = program_.mainWindow();
    QApplication::setActiveWindow(window_);
  }

  void StationSearch(const QString& from, const QString& to) { test::StationSearch(*window_, from, to); }

  test::TestTimetable timetable_;
  test::ProgramFolderScope folder_;
  test::RecordingPlatform recorder_;
  test::RecordingPrintSurface& printer_ = recorder_.printers.printer;
  Program program_;
  MainWindow* window_ = nullptr;
};

// Saved as a PDF where there is no printer, every cell of a result with a
// long caption and remark (the header row first) reads back from the file
// whole and within its column: between the rules left and right of it. The
// print button is on again afterwards.
TEST_F(PrintResultsTest, EveryCellReadsBackFromThePdfWithinItsColumn) {
  printer_.deviceName.clear();
  test::TempDir dir;
  const QString path = QString::fromStdString((dir.Path() / "result.pdf").string());
  recorder_.files.savePaths = {path};
  StationSearch("天津", "徐州");
  window_->Toolbar1ButtonClick(5);
  ASSERT_EQ(recorder_.printers.pdfPaths, QStringList{path});
  // Offered under a name that says what it holds, and said where it went.
  EXPECT_EQ(recorder_.files.suggested, "天津-徐州 车次.pdf");
  EXPECT_EQ(recorder_.messages.Texts(),
            (std::vector<QString>{str::kNoPrinterOfferPdf, str::PdfSavedMessage(path)}));
  EXPECT_TRUE(window_->findChild<QAction*>("Toolbar1_5")->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // Twips from the printable area's corner, a quarter inch into the page, to points.
  const auto points = [](int twips) { return 18 + twips / 20.0; };
  const int rules[] = {170, 3670, 4870, 6070, 7270, 8470, 10970};
  std::vector<test::PdfWord> words = test::PdfWords(path, 1);
  std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
  const GridTexts grid = GridTextsOf(*window_->results->flgDetail);
  ASSERT_EQ(grid.size(), 3u);  // the header row, 1461, G7391/G7394
  EXPECT_EQ(grid[0].mid(1, 2), (QStringList{"天津发车", "徐州到站"}));
  for (int r = 0; r < 3; ++r) {
    const double top = points(1400 + 240 * r);
    QStringList read;
    for (const test::PdfWord& word : words) {
      if (word.yMin < top - 6 || word.yMin >= top + 6) continue;
      read << word.text;
      int column = -1;  // the last whose left rule the word starts right of
      for (int c = 0; c < 6; ++c)
        if (word.xMin >= points(rules[c])) column = c;
      ASSERT_GE(column, 0) << word.text.toStdString();
      EXPECT_LE(word.xMax, points(rules[column + 1])) << word.text.toStdString();
    }
    QStringList cells;
    for (const QString& cell : grid[r])
      if (!cell.trimmed().isEmpty()) cells << cell.trimmed();
    EXPECT_EQ(read.join(u'|').toStdString(), cells.join(u'|').toStdString());
  }
}

// The two legs' grids, side by side (where their rows go is checked in
// ResultPrintingTest, that every row of a grid is printed above).
TEST_F(PrintResultsTest, TransferJourneyPrintsBothLegsSideBySide) {
  StationSearch("包头", "南京");
  ASSERT_EQ(window_->results->lstChange->count(), 1);
  test::PickCandidate(*window_, 0);
  ASSERT_TRUE(window_->results->lvMain->isHidden());
  recorder_.messages.shown.clear();

  window_->munPrint->trigger();
  EXPECT_EQ(recorder_.messages.Texts(), std::vector<QString>{str::kConfirmPrint});
  EXPECT_EQ(printer_.TextsAt(1, 1400),
            (QStringList{"车次", "包头发车", "北京到站", "车次", "北京发车", "南京到站"}));
  EXPECT_EQ(printer_.TextsAt(1, kFooterY), QStringList{"第 1页"});
}

}  // namespace
}  // namespace kw
