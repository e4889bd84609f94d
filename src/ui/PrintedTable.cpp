#include "ui/PrintedTable.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "ui/PrintSurface.h"
#include "ui/Strings.h"

namespace kw {

namespace {

constexpr int kRuleAboveText = 30;   // a row's rule is this far above its text
constexpr int kRuleLeftOfText = 30;  // a vertical rule is this far left of its column's text
constexpr int kRuleStartLeft = 50;   // horizontal rules start this far left of the table
constexpr int kRuleEndShort = 10;    // ... and end this far short of its right edge
constexpr int kFooterGap = 100;      // table bottom to footer
constexpr int kFooterLeftOfRule = 1700;
// The footer's line at size 10 (200 twips) with room for its descenders.
constexpr int kFooterLine = 240;
// A cell's text ends this far short of the rule on its right.
constexpr int kCellGap = 20;
// A text too wide for its column prints smaller, down to this size; what
// still runs over is cut at the column's end.
constexpr double kSmallestCellSize = 6;
constexpr double kCellSizeStep = 0.25;

int SlotY(int slot) { return kFirstRowY + kRowPitch * slot; }

class TablePrinter {
 public:
  TablePrinter(PrintSurface& surface, const PrintedTable& table)
      : surface_(surface), table_(table), capacity_(PageCapacity(surface.PageHeight())) {
    int x = 0;
    for (const TableBand& band : table_.bands) {
      x = band.left;
      for (int w : band.widths) {
        columnRules_.push_back(x - kRuleLeftOfText);
        x += w;
      }
    }
    left_ = table_.bands.front().left;
    right_ = x;
    columnRules_.push_back(right_ - kRuleLeftOfText);
  }

  int Print() {
    const int perPage = capacity_ + 1;
    std::size_t rowCount = 0;
    for (const TableBand& band : table_.bands) rowCount = std::max(rowCount, band.rows->size());

    surface_.SetFontName(str::kPrintFont);
    StartPage();
    std::size_t first = 0;
    while (true) {
      for (const TableBand& band : table_.bands) PrintBandRows(band, first, perPage);
      const std::size_t next = first + perPage;
      if (next >= rowCount) break;
      // Page break: a rule under the page's last row closes the table.
      HorizontalRule(SlotY(perPage));
      EndPage(table_.breakFooterEnd);
      surface_.NewPage();
      StartPage();
      first = next;
    }
    // The rest of the last page: its empty slots ruled down to the bottom.
    const int used = static_cast<int>(rowCount - first);
    for (int slot = used; slot <= perPage; ++slot) HorizontalRule(SlotY(slot) - kRuleAboveText);
    EndPage(table_.lastFooterEnd);
    surface_.EndDoc();
    return pages_;
  }

 private:
  void StartPage() {
    // The title stays on the paper: a long one moves left, but not left of
    // the table.
    surface_.SetFontSize(kTitleSize);
    const int room = surface_.PageWidth() - surface_.TextWidth(table_.title);
    PrintTextAt(surface_, std::max(left_, std::min(kTitleX, room)), kTitleY, kTitleSize, table_.title);
    HorizontalRule(kTopRuleY);
  }

  void PrintBandRows(const TableBand& band, std::size_t first, int perPage) {
    const std::size_t end = std::min(band.rows->size(), first + perPage);
    int y = kFirstRowY;
    for (std::size_t r = first; r < end; ++r, y += kRowPitch) {
      HorizontalRule(y - kRuleAboveText);
      const QStringList& cells = (*band.rows)[r];
      int x = band.left;
      for (std::size_t c = 0; c < band.widths.size(); ++c) {
        const QString text = cells.value(static_cast<int>(c));
        if (!text.isEmpty()) PrintCell(x, y, band.widths[c], text);
        x += band.widths[c];
      }
    }
  }

  // A cell's text keeps to its column: where it is too wide at the cell
  // size it prints smaller, and cut at the column's end if even the smallest
  // size is too wide.
  void PrintCell(int x, int y, int columnWidth, const QString& text) {
    const int room = columnWidth - kRuleLeftOfText - kCellGap;
    double size = kCellSize;
    surface_.SetFontSize(size);
    int width = surface_.TextWidth(text);
    if (width > room) {
      size =
          std::max(kSmallestCellSize, std::floor(kCellSize * room / width / kCellSizeStep) * kCellSizeStep);
      surface_.SetFontSize(size);
      // Glyph widths do not shrink exactly in step with the size.
      while ((width = surface_.TextWidth(text)) > room && size > kSmallestCellSize) {
        size = std::max(kSmallestCellSize, size - kCellSizeStep);
        surface_.SetFontSize(size);
      }
    }
    if (width > room)
      surface_.DrawTextWithin(x, y, room, text);
    else
      surface_.DrawText(x, y, text);
  }

  void EndPage(const QString& footerEnd) {
    const int bottom = SlotY(capacity_ + 1);
    for (int x : columnRules_) surface_.DrawLine(x, kTopRuleY, x, bottom);
    ++pages_;
    PrintTextAt(surface_, columnRules_.back() - kFooterLeftOfRule, bottom + kFooterGap, kFooterSize,
                str::kFooterBefore + QString::number(pages_) + footerEnd);
  }

  void HorizontalRule(int y) { surface_.DrawLine(left_ - kRuleStartLeft, y, right_ - kRuleEndShort, y); }

  PrintSurface& surface_;
  const PrintedTable& table_;
  const int capacity_;
  int left_ = 0;                  // text x of the first column
  int right_ = 0;                 // the table's right edge
  std::vector<int> columnRules_;  // x of the vertical rules, left to right
  int pages_ = 0;
};

}  // namespace

GridTexts GridTextsOf(const QTableWidget& grid) {
  GridTexts rows;
  const auto text = [](const QTableWidgetItem* item) { return item != nullptr ? item->text() : QString(); };
  if (!grid.horizontalHeader()->isHidden()) {
    QStringList labels;
    for (int c = 0; c < grid.columnCount(); ++c) labels << text(grid.horizontalHeaderItem(c));
    rows.push_back(labels);
  }
  for (int r = 0; r < grid.rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid.columnCount(); ++c) cells << text(grid.item(r, c));
    rows.push_back(cells);
  }
  return rows;
}

void PrintTextAt(PrintSurface& surface, int x, int y, double size, const QString& text) {
  surface.SetFontSize(size);
  surface.DrawText(x, y, text);
}

// Slot k's text sits at 1400 + 240·k, so C + 1 slots end at 1400 + 240·(C + 1),
// the table bottom; the footer's line goes 100 below that and must still be on
// the paper. Whatever the paper, a page holds at least the header row and one
// more.
int PageCapacity(int pageHeight) {
  const int fit = (pageHeight - kFirstRowY - kFooterGap - kFooterLine) / kRowPitch;
  return std::max(1, fit - 1);
}

int PrintTable(PrintSurface& surface, const PrintedTable& table) {
  return TablePrinter(surface, table).Print();
}

}  // namespace kw
