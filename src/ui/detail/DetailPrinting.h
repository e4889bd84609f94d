// What the print button of the train detail window prints: the stop grid as
// a ruled table when the grid shows, otherwise an image of the window.
#pragma once

#include <QString>

#include "ui/PrintedTable.h"

class QWidget;

namespace kw {

class PrintSurface;

// The stop grid's rows (header row first) under `title` (lblTitle's text,
// printed without surrounding blanks), every page numbered "第 n页". Ends the
// document and returns the number of pages.
int PrintStopTable(PrintSurface& surface, const QString& title, const GridTexts& stopRows);

// An image of `window`, as large as the page takes it, with `hidden` (the
// print button) left out of the picture. Ends the document.
void PrintWindowImage(PrintSurface& surface, QWidget& window, QWidget* hidden);

}  // namespace kw
