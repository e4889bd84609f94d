#include "ui/PrintCommand.h"

#include <QDir>
#include <QFileInfo>

#include "ui/BusyCursor.h"
#include "ui/ListCopy.h"
#include "ui/Platform.h"
#include "ui/PrintSurface.h"
#include "ui/Strings.h"

namespace kw {

bool RunPrintCommand(QWidget* parent, Platform& platform, const QString& question, const QString& pdfName,
                     const std::function<void(PrintSurface&)>& print) {
  MessageBoxes& messages = *platform.messages;
  std::unique_ptr<PrintSurface> surface = platform.printers->SystemPrinter();
  QString pdfPath;
  if (surface->DeviceName().isEmpty()) {
    // No printer: the user may still keep the pages, as a PDF file.
    if (messages.Show(parent, str::kNoPrinterOfferPdf, MessageIcon::Warning, MessageButtons::OkCancel) !=
        MessageAnswer::Ok)
      return false;
    pdfPath = platform.files->SaveFile(parent, str::kPdfDialogTitle,
                                       FileNameSafe(pdfName) + QStringLiteral(".pdf"), str::kPdfFilter);
    if (pdfPath.isEmpty()) return false;
    if (QFileInfo(pdfPath).suffix().isEmpty()) pdfPath += QStringLiteral(".pdf");
    surface = platform.printers->PdfFile(pdfPath);
  } else if (!question.isEmpty() && messages.Show(parent, question, MessageIcon::Information,
                                                  MessageButtons::OkCancel) != MessageAnswer::Ok) {
    return false;
  }

  {
    BusyCursor busy;
    print(*surface);
  }
  if (!surface->Error().isEmpty()) {
    messages.Show(parent, surface->Error(), MessageIcon::Critical);
    return false;
  }
  if (!pdfPath.isEmpty()) messages.Show(parent, str::PdfSavedMessage(QDir::toNativeSeparators(pdfPath)));
  return true;
}

}  // namespace kw
