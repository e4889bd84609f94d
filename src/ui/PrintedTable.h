// Grids printed as ruled tables: the result tables of the main window and
// the stop table of the train detail window share one page layout.
//
// Page layout, in twips: the title (size 18) at y 700; the table's top rule
// at y 1370; row slot k has its text at y 1400 + 240·k (cell size 8) and its
// rule 30 above that, from 50 left of the table's left edge to 10 short of
// its right edge; vertical rules stand 30 left of each column's text and of
// the right edge, from y 1370 to the table bottom; the footer "第 n页"
// (size 10) sits 100 below the table bottom, 1700 left of the rightmost
// vertical rule. A cell's text keeps to its column: too wide at size 8, it
// prints smaller (down to size 6), and is cut at the column's end beyond that.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QTableWidget;

namespace kw {

class PrintSurface;

// The texts of a grid: rows of cells, the header row first.
using GridTexts = std::vector<QStringList>;

// The cell texts of a grid, its header row first: the labels of its header
// where it shows one (flgPass), else its row 0 (flgDetail, flgChange). A cell
// without an item reads as empty.
GridTexts GridTextsOf(const QTableWidget& grid);

// Prints `text` with its top-left corner at (x, y) in the current font at
// `size` points. The font name stays as it is.
void PrintTextAt(PrintSurface& surface, int x, int y, double size, const QString& text);

inline constexpr int kTableLeft = 200;  // text x of a table's first column

// Rows of one grid printed under columns that start at `left`.
struct TableBand {
  int left = 0;
  std::vector<int> widths;  // of the columns, left to right
  const GridTexts* rows = nullptr;
};

struct PrintedTable {
  QString title;
  // Printed side by side, left to right, each from the top slot: a journey's
  // two legs are two bands, every other table one. The table spans from the
  // first band's left to the end of the last band's columns.
  std::vector<TableBand> bands;
  // Last character of the footer of a page that breaks onto another, and of
  // the last page.
  QString breakFooterEnd;
  QString lastFooterEnd;
};

inline constexpr int kTitleX = 4000;
inline constexpr int kTitleY = 700;
inline constexpr double kTitleSize = 18;
inline constexpr int kTopRuleY = 1370;
inline constexpr int kFirstRowY = 1400;
inline constexpr int kRowPitch = 240;
inline constexpr double kCellSize = 8;
inline constexpr double kFooterSize = 10;

// The page capacity C: a page holds C + 1 row slots (the header row counts),
// as many as fit on `pageHeight` with the footer's line below the table.
int PageCapacity(int pageHeight);

// Prints the table, breaking onto further pages where the rows outrun the
// page, and ends the document. Returns the number of pages.
int PrintTable(PrintSurface& surface, const PrintedTable& table);

}  // namespace kw
