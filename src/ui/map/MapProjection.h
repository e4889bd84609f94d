// Web Mercator, the projection of web maps: a position in WGS84 degrees
// becomes a point of the world square, (0, 0) at 180° W, 85.05° N and (1, 1)
// at 180° E, 85.05° S. A MapView shows part of that square on a widget or
// a page: a centre, a scale in pixels per world width, and a size.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include "store/StationPositions.h"

namespace kw {

// The latitude beyond which Web Mercator squares off the world (± 85.0511°).
inline constexpr double kMercatorMaxLatitude = 85.05112877980659;
// The earth's radius of the projection, in metres.
inline constexpr double kEarthRadiusMetres = 6378137.0;

// The world point of `position`; latitudes beyond the projection's limit
// are held at it.
QPointF ProjectMercator(const GeoPosition& position);
// The position of a world point.
GeoPosition UnprojectMercator(const QPointF& world);

class MapView {
 public:
  // Zoom limits: the whole world in 64 px, one world width in 2^27 px (about
  // 0.3 m a pixel).
  static constexpr double kMinScale = 64;
  static constexpr double kMaxScale = 134217728;

  MapView() = default;
  MapView(QPointF centre, double scale, QSize size);

  QPointF centre() const { return centre_; }
  double scale() const { return scale_; }  // pixels per world width
  QSize size() const { return size_; }
  void SetSize(QSize size) { size_ = size; }
  void SetCentre(QPointF world) { centre_ = world; }
  void SetScale(double scale);

  QPointF ToScreen(const QPointF& world) const;
  QPointF ToWorld(const QPointF& screen) const;
  QPointF ToScreen(const GeoPosition& position) const { return ToScreen(ProjectMercator(position)); }
  // The part of the world square the view shows.
  QRectF VisibleWorld() const;

  // Zooms by `factor` (2 = twice as large) keeping the world point under
  // `screenPoint` where it is.
  void ZoomAt(const QPointF& screenPoint, double factor);
  // Moves the picture by `pixels` (the world moves with the pointer).
  void PanBy(const QPointF& pixels);
  // Shows all of `world` with `margin` pixels around it, as large as fits.
  // An empty rectangle (one point) is shown at `pointScale`.
  void Fit(const QRectF& world, int margin, double pointScale = 2048 * 256);
  // Metres on the ground per pixel at the view's centre.
  double MetresPerPixel() const;

 private:
  QPointF centre_{0.5, 0.5};
  double scale_ = 256;
  QSize size_{256, 256};
};

// The scale bar: the longest round distance (1, 2 or 5 times a power of ten
// km, or of ten m below 1 km) that takes at most `maxPixels` on the view.
struct ScaleBar {
  double metres = 0;
  double pixels = 0;
  QString text;  // "200 km", "500 m"
};
ScaleBar ChooseScaleBar(const MapView& view, double maxPixels);

}  // namespace kw
