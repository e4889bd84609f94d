#include "ui/main/ResultPrinting.h"

#include <QTableWidget>
#include <QTreeWidget>

#include "ui/PrintCommand.h"
#include "ui/Strings.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultArea.h"

namespace kw {

// 车次 3500, then four columns of 1200, 备注 2500: 10800 in all.
int PrintDirectTable(PrintSurface& surface, const GridTexts& detailRows) {
  const PrintedTable table{str::kProductTitle,
                           {{kTableLeft, {3500, 1200, 1200, 1200, 1200, 2500}, &detailRows}},
                           str::kFooterPage,
                           str::kFooterPage};
  return PrintTable(surface, table);
}

// Each leg: 车次 3000, departure 1000, arrival 1000; the second leg starts
// where the first one's columns end, 10000 in all.
int PrintTransferTables(PrintSurface& surface, const GridTexts& firstLeg, const GridTexts& secondLeg) {
  const std::vector<int> legWidths{3000, 1000, 1000};
  const PrintedTable table{str::kProductTitle,
                           {{kTableLeft, legWidths, &firstLeg}, {kTableLeft + 5000, legWidths, &secondLeg}},
                           str::kFooterPage,
                           str::kFooterPage};
  return PrintTable(surface, table);
}

void PrintResults(MainWindow& window, Platform& platform) {
  const ResultArea& results = *window.results;
  std::function<void(PrintSurface&)> print;
  if (!results.lvMain->isHidden() && results.flgChange[0]->isHidden()) {
    print = [&](PrintSurface& surface) { PrintDirectTable(surface, GridTextsOf(*results.flgDetail)); };
  } else if (results.lvMain->isHidden() && !results.lvchang[0]->isHidden()) {
    print = [&](PrintSurface& surface) {
      PrintTransferTables(surface, GridTextsOf(*results.flgChange[0]), GridTextsOf(*results.flgChange[1]));
    };
  }
  // Neither table shows: nothing to print, nothing to ask.
  if (print) RunPrintCommand(&window, platform, str::kConfirmPrint, results.fileStem, print);
  window.SyncToolbar();
}

void ConnectResultPrinting(MainWindow& window, Platform& platform) {
  QObject::connect(&window, &MainWindow::printRequested, &window,
                   [&window, &platform] { PrintResults(window, platform); });
}

}  // namespace kw
