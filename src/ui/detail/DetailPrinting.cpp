#include "ui/detail/DetailPrinting.h"

#include <QImage>
#include <QPixmap>
#include <QTableWidget>
#include <QWidget>
#include <algorithm>

#include "query/TrainDetail.h"
#include "ui/PrintCommand.h"
#include "ui/PrintSurface.h"
#include "ui/Strings.h"

namespace kw {

// The columns keep the widths the stop grid's header gives them.
int PrintStopTable(PrintSurface& surface, const QString& title, const GridTexts& stopRows) {
  std::vector<int> widths;
  for (const GridColumn& column : StopGridColumns()) widths.push_back(column.widthTwips);
  const PrintedTable table{title.trimmed(),
                           {{kTableLeft, widths, &stopRows}},
                           str::kFooterPage,
                           str::kFooterPage};
  return PrintTable(surface, table);
}

void PrintWindowImage(PrintSurface& surface, QWidget& window, QWidget* hidden) {
  const bool hide = hidden != nullptr && hidden->isVisible();
  if (hide) hidden->hide();
  const QImage image = window.grab().toImage();
  if (hide) hidden->show();

  // Scaled to the page, keeping its proportions, from the top-left corner.
  if (!image.isNull()) {
    const double scale =
        std::min(double(surface.PageWidth()) / image.width(), double(surface.PageHeight()) / image.height());
    surface.DrawImage(image, QRect(0, 0, int(image.width() * scale), int(image.height() * scale)));
  }
  surface.EndDoc();
}

void PrintTrainDetail(QWidget& window, QWidget* printButton, const QTableWidget& flgPass,
                      const QString& title, const QString& pdfName, Platform& platform) {
  RunPrintCommand(&window, platform, QString(), pdfName, [&](PrintSurface& surface) {
    if (flgPass.isHidden())
      PrintWindowImage(surface, window, printButton);
    else
      PrintStopTable(surface, title, GridTextsOf(flgPass));
  });
}

}  // namespace kw
