// What every print command does around the drawing: find the printer, and
// without one say so and offer to save the same pages as a PDF file; ask
// before printing where the command asks; draw under the busy cursor; say
// plainly when the pages could not be produced.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kw {

class PrintSurface;
struct Platform;

// `print` draws the pages onto the surface it is given and ends the document.
// `question` is asked (information icon, OK and Cancel) before the printer
// prints; empty: nothing is asked. Without a printer, the PDF file offered
// instead is named `pdfName` + ".pdf" (what the pages show: "北京-上海 车次"),
// and where it went is said once it is written. Returns true when pages were
// produced.
bool RunPrintCommand(QWidget* parent, Platform& platform, const QString& question, const QString& pdfName,
                     const std::function<void(PrintSurface&)>& print);

}  // namespace kw
