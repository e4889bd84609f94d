#include "ui/map/MapOutput.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "ui/PrintSurface.h"
#include "ui/Strings.h"
#include "ui/map/NetworkPicture.h"

namespace kw {

namespace {

// The picture printed is drawn at this many pixels to the inch.
constexpr double kPrintDpi = 150;
constexpr int kTitleTwips = 600;
constexpr int kGapTwips = 120;

// The same part of the world as `view`, on a canvas of `size`.
MapView Resized(const MapView& view, QSize size) {
  const double factor =
      std::min(double(size.width()) / view.size().width(), double(size.height()) / view.size().height());
  return MapView(view.centre(), view.scale() * factor, size);
}

}  // namespace

void PrintMap(PrintSurface& surface, const QString& title, const NetworkPicture& picture, const MapView& view) {
  surface.SetFontName(str::kPrintFont);
  surface.SetFontSize(14);
  surface.DrawText(0, 0, title);

  // The picture keeps the view's proportions within the page.
  const int width = surface.PageWidth();
  const int room = surface.PageHeight() - kTitleTwips - 2 * kGapTwips - 400;
  const double aspect = double(view.size().height()) / std::max(1, view.size().width());
  int pictureWidth = width;
  int pictureHeight = int(width * aspect);
  if (pictureHeight > room) {
    pictureHeight = room;
    pictureWidth = int(room / aspect);
  }
  const QSize pixels(std::max(1, int(pictureWidth * kPrintDpi / kTwipsPerInch)),
                     std::max(1, int(pictureHeight * kPrintDpi / kTwipsPerInch)));
  QImage image(pixels, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    picture.Paint(painter, Resized(view, pixels));
  }
  surface.DrawImage(image, QRect(0, kTitleTwips, pictureWidth, pictureHeight));

  surface.SetFontSize(9);
  surface.DrawText(0, kTitleTwips + pictureHeight + kGapTwips, str::kMapAttribution);
  surface.EndDoc();
}

bool ExportMap(const QString& path, const QString& title, const NetworkPicture& picture, const MapView& view) {
  if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view.size());
    svg.setViewBox(QRect(QPoint(0, 0), view.size()));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    picture.Paint(painter, view);
    if (!painter.end()) return false;
    return QFileInfo(path).size() > 0;
  }
  QImage image(view.size(), QImage::Format_RGB32);
  {
    QPainter painter(&image);
    picture.Paint(painter, view);
  }
  return image.save(path, "PNG");
}

}  // namespace kw
