#include "ui/map/MapProjection.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kw {

QPointF ProjectMercator(const GeoPosition& position) {
  const double lat = std::clamp(position.lat, -kMercatorMaxLatitude, kMercatorMaxLatitude);
  const double phi = lat * std::numbers::pi / 180;
  const double x = (position.lon + 180) / 360;
  const double y = (1 - std::log(std::tan(phi) + 1 / std::cos(phi)) / std::numbers::pi) / 2;
  return {x, y};
}

GeoPosition UnprojectMercator(const QPointF& world) {
  const double lon = world.x() * 360 - 180;
  const double n = std::numbers::pi * (1 - 2 * world.y());
  const double lat = std::atan(std::sinh(n)) * 180 / std::numbers::pi;
  return {lat, lon};
}

MapView::MapView(QPointF centre, double scale, QSize size) : centre_(centre), size_(size) { SetScale(scale); }

void MapView::SetScale(double scale) { scale_ = std::clamp(scale, kMinScale, kMaxScale); }

QPointF MapView::ToScreen(const QPointF& world) const {
  return {(world.x() - centre_.x()) * scale_ + size_.width() / 2.0,
          (world.y() - centre_.y()) * scale_ + size_.height() / 2.0};
}

QPointF MapView::ToWorld(const QPointF& screen) const {
  return {(screen.x() - size_.width() / 2.0) / scale_ + centre_.x(),
          (screen.y() - size_.height() / 2.0) / scale_ + centre_.y()};
}

QRectF MapView::VisibleWorld() const {
  return QRectF(ToWorld(QPointF(0, 0)), ToWorld(QPointF(size_.width(), size_.height())));
}

void MapView::ZoomAt(const QPointF& screenPoint, double factor) {
  const QPointF fixed = ToWorld(screenPoint);
  SetScale(scale_ * factor);
  // The fixed point goes back under the pointer.
  const QPointF moved = ToScreen(fixed);
  PanBy(screenPoint - moved);
}

void MapView::PanBy(const QPointF& pixels) {
  centre_ -= pixels / scale_;
  centre_.setX(std::clamp(centre_.x(), 0.0, 1.0));
  centre_.setY(std::clamp(centre_.y(), 0.0, 1.0));
}

void MapView::Fit(const QRectF& world, int margin, double pointScale) {
  centre_ = world.center();
  const double width = std::max(1, size_.width() - 2 * margin);
  const double height = std::max(1, size_.height() - 2 * margin);
  if (world.width() <= 0 && world.height() <= 0) {
    SetScale(pointScale);
    return;
  }
  const double sx = world.width() > 0 ? width / world.width() : kMaxScale;
  const double sy = world.height() > 0 ? height / world.height() : kMaxScale;
  SetScale(std::min(sx, sy));
}

double MapView::MetresPerPixel() const {
  const double lat = UnprojectMercator(centre_).lat * std::numbers::pi / 180;
  return 2 * std::numbers::pi * kEarthRadiusMetres * std::cos(lat) / scale_;
}

ScaleBar ChooseScaleBar(const MapView& view, double maxPixels) {
  const double perPixel = view.MetresPerPixel();
  const double most = perPixel * maxPixels;
  double step = std::pow(10.0, std::floor(std::log10(most)));
  double metres = step;
  for (const double m : {5.0, 2.0, 1.0}) {
    if (step * m <= most) {
      metres = step * m;
      break;
    }
  }
  ScaleBar bar;
  bar.metres = metres;
  bar.pixels = metres / perPixel;
  bar.text = metres >= 1000 ? QStringLiteral("%1 km").arg(metres / 1000, 0, 'f', 0)
                            : QStringLiteral("%1 m").arg(metres, 0, 'f', 0);
  return bar;
}

}  // namespace kw
