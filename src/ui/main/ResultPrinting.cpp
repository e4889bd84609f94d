#include "ui/main/ResultPrinting.h"

#include "ui/Strings.h"

namespace kw {

namespace {

constexpr int kTableLeft = 200;

}  // namespace

// 车次 3500, then four columns of 1200, 备注 2500.
int PrintDirectTable(PrintSurface& surface, const GridTexts& detailRows) {
  const PrintedTable table{str::kProductTitle,
                           kTableLeft,
                           10800,
                           {{kTableLeft, {3500, 1200, 1200, 1200, 1200, 2500}, &detailRows}},
                           str::kFooterPage,
                           str::kFooterPage};
  return PrintTable(surface, table);
}

// Each leg: 车次 3000, departure 1000, arrival 1000; the second leg starts
// where the first one's columns end.
int PrintTransferTables(PrintSurface& surface, const GridTexts& firstLeg, const GridTexts& secondLeg) {
  const std::vector<int> legWidths{3000, 1000, 1000};
  const PrintedTable table{str::kProductTitle,
                           kTableLeft,
                           10000,
                           {{kTableLeft, legWidths, &firstLeg}, {kTableLeft + 5000, legWidths, &secondLeg}},
                           str::kFooterPageSimplified,
                           str::kFooterPage};
  return PrintTable(surface, table);
}

}  // namespace kw
