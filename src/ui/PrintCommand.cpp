#include "ui/PrintCommand.h"

#include <QFileInfo>

#include "ui/BusyCursor.h"
#include "ui/Platform.h"
#include "ui/PrintSurface.h"
#include "ui/Strings.h"

namespace kw {

bool RunPrintCommand(QWidget* parent, Platform& platform, const QString& question,
                     const std::function<void(PrintSurface&)>& print) {
  MessageBoxes& messages = *platform.messages;
  std::unique_ptr<PrintSurface> surface = platform.printers->SystemPrinter();
  if (surface->DeviceName().isEmpty()) {
    // No printer: the user may still keep the pages, as a PDF file.
    if (messages.Show(parent, str::kNoPrinter, MessageIcon::Warning, MessageButtons::OkCancel) !=
        MessageAnswer::Ok)
      return false;
    if (messages.Show(parent, str::kOfferPdf, MessageIcon::Information, MessageButtons::OkCancel) !=
        MessageAnswer::Ok)
      return false;
    QString path =
        platform.files->SaveFile(parent, str::kPdfDialogTitle, str::kPdfDefaultName, str::kPdfFilter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    surface = platform.printers->PdfFile(path);
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
  return true;
}

}  // namespace kw
