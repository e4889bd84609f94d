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

class PrintCommandTest : public ::testing::Test {
 protected:
  // Prints one line of text and ends the document, counting the runs.
  bool Run(const QString& question, const QString& pdfName = QStringLiteral("北京-上海 车次")) {
    return RunPrintCommand(nullptr, recorder_.platform, question, pdfName, [this](PrintSurface& surface) {
      ++prints_;
      surface.SetFontName(str::kPrintFont);
      PrintTextAt(surface, 200, 1400, 8, "K21次");
      surface.EndDoc();
    });
  }
  QString PathIn(const char* name) { return QString::fromStdString((dir_.Path() / name).string()); }

  test::TempDir dir_;
  test::RecordingPlatform recorder_;
  test::RecordingMessageBoxes& messages_ = recorder_.messages;
  test::RecordingPrintSurface& printer_ = recorder_.printers.printer;
  test::ScriptedFileDialogs& files_ = recorder_.files;
  int prints_ = 0;
};

TEST_F(PrintCommandTest, PrinterPrintsOnceTheQuestionIsAnsweredOkOrWhenNoneIsAsked) {
  messages_.answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(Run(str::kConfirmPrint));
  EXPECT_EQ(prints_, 0);  // nothing else draws

  EXPECT_TRUE(Run(str::kConfirmPrint));
  EXPECT_EQ(messages_.Said(), test::Said(2, "i OK/Cancel: 打印您的查询结果吗？"));
  EXPECT_EQ(printer_.TextsAt(1, 1400), QStringList{"K21次"});
  EXPECT_EQ(printer_.endDocCount, 1);

  EXPECT_TRUE(Run(QString()));
  EXPECT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(prints_, 2);
  EXPECT_EQ(files_.saveAsked, 0);
}

TEST_F(PrintCommandTest, NoPrinterOffersAPdfNamedForItsPagesAndSaysWhereItWent) {
  printer_.deviceName.clear();
  // A place that cannot be written is reported; then a name typed without its suffix.
  const QString unwritable = PathIn("missing-folder/pages.pdf");
  files_.savePaths = {unwritable, PathIn("pages")};
  EXPECT_FALSE(Run(QString()));
  EXPECT_EQ(files_.suggested, "北京-上海 车次.pdf");
  EXPECT_TRUE(Run(str::kConfirmPrint, "G95/G98 车次"));  // no printer, so nothing to confirm
  EXPECT_EQ(files_.suggested, "G95_G98 车次.pdf");
  const std::string offer = "! OK/Cancel: 没有可用的打印机。要把这些页面保存为 PDF 文件吗？";
  EXPECT_EQ(messages_.Said(),
            (test::Said{offer, "x OK: " + str::PdfFailedMessage(unwritable).toStdString(), offer,
                        "i OK: 已保存为 PDF 文件：" + PathIn("pages.pdf").toStdString()}));
  EXPECT_EQ(recorder_.printers.pdfPaths, (QStringList{unwritable, PathIn("pages.pdf")}));
  EXPECT_TRUE(printer_.texts.empty());
  EXPECT_GT(QFile(PathIn("pages.pdf")).size(), 0);
}

TEST_F(PrintCommandTest, NoPrinterAndAnyRefusalEndsWithoutPages) {
  printer_.deviceName.clear();
  messages_.answers = {MessageAnswer::Cancel};  // on the offer
  EXPECT_FALSE(Run(str::kConfirmPrint));
  EXPECT_EQ(messages_.Texts(), std::vector<QString>{str::kNoPrinterOfferPdf});
  EXPECT_EQ(files_.saveAsked, 0);

  EXPECT_FALSE(Run(str::kConfirmPrint));  // the save dialog is cancelled
  EXPECT_EQ(files_.saveAsked, 1);
  EXPECT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(prints_, 0);
  EXPECT_TRUE(recorder_.printers.pdfPaths.isEmpty());
}

}  // namespace
}  // namespace kw
