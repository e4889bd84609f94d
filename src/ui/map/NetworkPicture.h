// The railway network drawn on a MapView: one line per segment, thicker the
// more trains run it, high-speed lines in their own colour; a dot per
// station; the names of the busiest stations that fit without overlapping;
// a route or a marked station over it; the scale bar and the attribution.
//
// Everything that does not depend on the view is worked out once: the world
// points of the stations, the segments grouped by pen, the stations in order
// of busyness. A repaint only projects what lies in view, so that panning
// and zooming stay smooth over the whole national network.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QStaticText>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "query/RailNetwork.h"
#include "ui/map/MapProjection.h"
#include "ui/map/MapRoute.h"

class QPainter;

namespace kw {

// The colours of the map.
inline const QColor kMapBackground(0xfb, 0xfb, 0xf8);
inline const QColor kMapConventional(0x7f, 0x6a, 0x55);
inline const QColor kMapHighSpeed(0x2a, 0x9d, 0x8f);
inline const QColor kMapRoute(0x1f, 0x3f, 0x8f);
// The travelled part of a route: the red of the detail window's route
// diagram (redrail.jpg).
inline const QColor kMapHighlight(0xe0, 0x10, 0x10);
// The legs of a journey, one after the other.
inline const QColor kMapLegColours[] = {QColor(0xe0, 0x10, 0x10), QColor(0x1f, 0x5f, 0xa8),
                                        QColor(0x2e, 0x9e, 0x45), QColor(0x8e, 0x44, 0xad)};

class NetworkPicture {
 public:
  NetworkPicture() = default;
  explicit NetworkPicture(RailNetwork network);

  const RailNetwork& network() const { return network_; }
  // The segments drawn: those between two stations with a position.
  int SegmentCount() const { return static_cast<int>(network_.segments.size()); }
  // The world rectangle of every station with a position; empty without any.
  QRectF Bounds() const { return bounds_; }
  // Where station `index` lies on the world square, when it has a position.
  std::optional<QPointF> WorldOf(int index) const;

  // A piece of the route drawn: between two stations (indexes), in a colour.
  struct RoutePiece {
    int from = 0;
    int to = 0;
    QColor colour;
  };
  // Draws `route` over the network (faded beneath it). Stops without a
  // position, or not in the timetable, are passed over and counted.
  void SetRoute(const MapRoute& route);
  // Marks one station (a ring and its name); nullopt: none.
  void SetMarked(std::optional<int> station) { marked_ = station; }
  void Clear();
  const std::vector<RoutePiece>& RoutePieces() const { return pieces_; }
  // Stops of the route that are drawn (station indexes, each once) and those
  // left out for want of a position.
  const std::vector<int>& RouteStations() const { return routeStations_; }
  int RouteStationsWithoutPosition() const { return routeMissing_; }
  // Where the route's changes of train are (station indexes).
  const std::vector<int>& ChangeStations() const { return changes_; }
  bool HasOverlay() const { return !routeStations_.empty() || marked_.has_value(); }
  // The world rectangle of the route's stations; empty without a route.
  QRectF RouteBounds() const;

  // Paints the whole map onto `painter`, whose device is `view.size()`
  // large: background, network, overlay, names, scale bar, attribution.
  void Paint(QPainter& painter, const MapView& view) const;
  // The stations whose names the view shows, in the order they were placed
  // (route stops and the marked station first, then by busyness).
  std::vector<std::pair<int, QRectF>> PlaceLabels(const MapView& view) const;
  // The station whose dot is nearest `screen` within `radius` pixels.
  std::optional<int> StationAt(const MapView& view, const QPointF& screen, double radius = 8) const;

  // The font of the names; the attribution and the scale bar use it too.
  void SetFont(const QFont& font);
  const QFont& font() const { return font_; }

 private:
  struct LineGroup {
    QColor colour;
    double width = 1;
    std::vector<QLineF> lines;  // world points
  };
  struct Label {
    int station;
    QRectF rect;  // on the screen
  };
  std::vector<Label> Labels(const MapView& view) const;
  void PaintNetwork(QPainter& painter, const MapView& view) const;
  void PaintOverlay(QPainter& painter, const MapView& view) const;
  void PaintDecorations(QPainter& painter, const MapView& view) const;
  double LabelWidth(int station) const;

  RailNetwork network_;
  std::vector<std::optional<QPointF>> world_;  // by station
  std::vector<LineGroup> groups_;              // thin first
  std::vector<int> byBusyness_;                // stations with a position, busiest first
  QRectF bounds_;
  QFont font_;
  double textHeight_ = 12;
  mutable std::vector<double> labelWidths_;  // by station, measured in font_ when first needed
  mutable std::vector<QLineF> screenLines_;  // reused by each repaint
  // Names laid out once each (by station), and station dots drawn once per
  // size, colour and pixel ratio: a repaint only places them.
  mutable std::vector<QStaticText> staticNames_;
  mutable std::map<long long, QImage> dotSprites_;
  const QImage& DotSprite(double diameter, bool faded, double pixelRatio) const;

  MapRoute::Kind routeKind_ = MapRoute::Kind::Train;
  std::vector<RoutePiece> pieces_;
  std::vector<int> routeStations_;
  std::vector<int> routeLabels_;  // in order of priority
  std::vector<int> changes_;
  int routeMissing_ = 0;
  std::optional<int> marked_;
};

}  // namespace kw
