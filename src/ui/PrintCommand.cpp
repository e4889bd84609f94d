#include "ui/PrintCommand.h"

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
    const QString path = platform.printers->AskPdfPath(parent);
    if (path.isEmpty()) return false;
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
