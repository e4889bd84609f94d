// The conversation around a print: printer or PDF file, the question, the
// failure message.
#include "ui/PrintCommand.h"

#include <gtest/gtest.h>

#include <QFile>

#include "support/RecordingPrintSurface.h"
#include "support/TestTimetable.h"
#include "ui/PrintedTable.h"
#include "ui/Strings.h"
#include "ui/support/RecordingPlatform.h"

namespace kw {
namespace {

using test::RecordingMessageBoxes;

class PrintCommandTest : public ::testing::Test {
 protected:
  // Prints one line of text and ends the document, counting the runs.
  bool Run(const QString& question) {
    return RunPrintCommand(nullptr, recorder_.platform, question, [this](PrintSurface& surface) {
      ++prints_;
      surface.SetFontName(str::kPrintFont);
      PrintTextAt(surface, 200, 1400, 8, "K21次");
      surface.EndDoc();
    });
  }
  RecordingMessageBoxes& Messages() { return recorder_.messages; }
  test::RecordingPrinters& Printers() { return recorder_.printers; }
  test::ScriptedFileDialogs& Files() { return recorder_.files; }

  test::RecordingPlatform recorder_;
  int prints_ = 0;
};

TEST_F(PrintCommandTest, PrinterPrintsAfterTheQuestionIsAnsweredOk) {
  EXPECT_TRUE(Run(str::kConfirmPrint));
  ASSERT_EQ(Messages().shown.size(), 1u);
  EXPECT_EQ(Messages().shown[0].text, "打印您的查询结果吗？");
  EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(Messages().shown[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(Printers().printer.TextsAt(1, 1400), QStringList{"K21次"});
  EXPECT_EQ(Printers().printer.endDocCount, 1);
  EXPECT_EQ(Files().saveAsked, 0);
}

TEST_F(PrintCommandTest, CancelledQuestionPrintsNothing) {
  Messages().answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(Run(str::kConfirmPrint));
  EXPECT_EQ(prints_, 0);
  EXPECT_TRUE(Printers().printer.texts.empty());
}

TEST_F(PrintCommandTest, WithoutQuestionPrintsAtOnce) {
  EXPECT_TRUE(Run(QString()));
  EXPECT_TRUE(Messages().shown.empty());
  EXPECT_EQ(prints_, 1);
}

TEST_F(PrintCommandTest, NoPrinterSaysSoThenSavesThePagesAsPdf) {
  test::TempDir dir;
  Printers().printer.deviceName.clear();
  // The name is typed without its suffix.
  Files().savePaths = {QString::fromStdString((dir.Path() / "pages").string())};
  const QString path = QString::fromStdString((dir.Path() / "pages.pdf").string());
  EXPECT_TRUE(Run(str::kConfirmPrint));

  ASSERT_EQ(Messages().shown.size(), 2u);
  EXPECT_EQ(Messages().shown[0].text, "对不起，请先安装打印机！");
  EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(Messages().shown[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(Messages().shown[1].text, str::kOfferPdf);
  EXPECT_EQ(Messages().shown[1].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(Files().saveAsked, 1);
  EXPECT_EQ(Printers().pdfPaths, QStringList{path});
  EXPECT_TRUE(Printers().printer.texts.empty());
  EXPECT_GT(QFile(path).size(), 0);
}

TEST_F(PrintCommandTest, NoPrinterAndAnyRefusalEndsWithoutPages) {
  Printers().printer.deviceName.clear();

  Messages().answers = {MessageAnswer::Cancel};  // on the no-printer message
  EXPECT_FALSE(Run(str::kConfirmPrint));
  EXPECT_EQ(Messages().Texts(), std::vector<QString>{str::kNoPrinter});

  Messages().shown.clear();
  Messages().answers = {MessageAnswer::Ok, MessageAnswer::Cancel};  // on the offer
  EXPECT_FALSE(Run(str::kConfirmPrint));
  EXPECT_EQ(Messages().shown.size(), 2u);
  EXPECT_EQ(Files().saveAsked, 0);

  EXPECT_FALSE(Run(str::kConfirmPrint));  // the save dialog is cancelled
  EXPECT_EQ(Files().saveAsked, 1);

  EXPECT_EQ(prints_, 0);
  EXPECT_TRUE(Printers().pdfPaths.isEmpty());
}

TEST_F(PrintCommandTest, FileThatCannotBeWrittenIsReported) {
  test::TempDir dir;
  Printers().printer.deviceName.clear();
  const QString path = QString::fromStdString((dir.Path() / "missing-folder" / "pages.pdf").string());
  Files().savePaths = {path};
  EXPECT_FALSE(Run(QString()));
  ASSERT_EQ(Messages().shown.size(), 3u);
  EXPECT_EQ(Messages().shown[2].text, str::PdfFailedMessage(path));
  EXPECT_EQ(Messages().shown[2].icon, MessageIcon::Critical);
  EXPECT_EQ(Messages().shown[2].buttons, MessageButtons::Ok);
}

}  // namespace
}  // namespace kw
