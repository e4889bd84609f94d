// The drawing area of the map window: paints a NetworkPicture on its view
// and moves the view. The wheel and + / − zoom (at the pointer, or at the
// centre), dragging and the arrow keys pan. Pointing at a station shows its
// name and how many trains call there; a double-click asks for its station
// board; its context menu offers 车站时刻, 设为出发站 and 设为到达站.
#pragma once

#include <QWidget>
#include <optional>

#include "ui/map/MapProjection.h"

class QMenu;

namespace kw {

class NetworkPicture;

class MapCanvas : public QWidget {
  Q_OBJECT

 public:
  MapCanvas(const NetworkPicture& picture, QWidget* parent);

  MapView& view() { return view_; }
  const MapView& view() const { return view_; }
  // Zooms by two at the centre, or back out.
  void ZoomIn();
  void ZoomOut();
  // Shows all of `world` (a rectangle of the world square).
  void FitTo(const QRectF& world);

  // The station under `point` (pixels of the canvas), as an index into the
  // network's stations.
  std::optional<int> StationAt(const QPointF& point) const;
  // What pointing at `point` shows: the station's name and trains; empty
  // away from every station.
  QString ToolTipAt(const QPointF& point) const;
  // The context menu of station `station` (deleted when it closes).
  QMenu* StationMenu(int station);

 signals:
  void stationBoardRequested(const QString& name);
  void departureChosen(const QString& name);
  void arrivalChosen(const QString& name);
  // The view moved or zoomed.
  void viewChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString NameOf(int station) const;
  void Changed();

  const NetworkPicture& picture_;
  MapView view_;
  std::optional<QPointF> dragFrom_;
};

}  // namespace kw
