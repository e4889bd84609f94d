// What the print button of the train detail window prints: the stop grid as
// a ruled table when the grid shows, otherwise an image of the window.
#pragma once

#include <QString>

#include "ui/PrintedTable.h"

class QTableWidget;
class QWidget;

namespace kw {

class PrintSurface;
struct Platform;

// The stop grid's rows (header row first) under `title` (lblTitle's text,
// printed without surrounding blanks), every page numbered "第 n页". Ends the
// document and returns the number of pages.
int PrintStopTable(PrintSurface& surface, const QString& title, const GridTexts& stopRows);

// An image of `window`, as large as the page takes it, with `hidden` (the
// print button) left out of the picture. Ends the document.
void PrintWindowImage(PrintSurface& surface, QWidget& window, QWidget* hidden);

// The print button Command1 of the detail window: the stop grid flgPass as a
// table under lblTitle's text when the grid shows, otherwise the window's
// image without the print button. Nothing is asked before printing; a PDF
// file in place of a printer is offered as `pdfName`.pdf.
void PrintTrainDetail(QWidget& window, QWidget* printButton, const QTableWidget& flgPass,
                      const QString& title, const QString& pdfName, Platform& platform);

}  // namespace kw
