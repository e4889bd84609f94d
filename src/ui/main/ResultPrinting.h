// The printed search results: the direct trains of flgDetail as one table,
// or the two legs of a journey with a change (flgChange(0), flgChange(1))
// side by side.
#pragma once

#include "ui/PrintedTable.h"

namespace kw {

class MainWindow;
class PrintSurface;
struct Platform;

// Both print onto `surface`, end its document and return the number of pages.
int PrintDirectTable(PrintSurface& surface, const GridTexts& detailRows);
int PrintTransferTables(PrintSurface& surface, const GridTexts& firstLeg, const GridTexts& secondLeg);

// The print command of the main window (munPrint, toolbar button 5): after
// "打印您的查询结果吗？", the direct-train table while lvMain shows, the legs
// while lvchang(0) shows instead. SyncToolbar() when done.
void PrintResults(MainWindow& window, Platform& platform);
// Makes the main window's print command (its printRequested hook) run
// PrintResults.
void ConnectResultPrinting(MainWindow& window, Platform& platform);

}  // namespace kw
