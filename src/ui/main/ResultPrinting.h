// The printed search results: the direct trains of flgDetail as one table,
// or the two legs of a journey with a change (flgChange(0), flgChange(1))
// side by side.
#pragma once

#include "ui/PrintedTable.h"

namespace kw {

class PrintSurface;

// Both print onto `surface`, end its document and return the number of pages.
int PrintDirectTable(PrintSurface& surface, const GridTexts& detailRows);
int PrintTransferTables(PrintSurface& surface, const GridTexts& firstLeg, const GridTexts& secondLeg);

}  // namespace kw
