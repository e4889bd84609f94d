#include "ui/map/MapCanvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "ui/Strings.h"
#include "ui/map/NetworkPicture.h"

namespace kw {

namespace {

// Room kept around what a fit shows, in pixels.
constexpr int kFitMargin = 30;

}  // namespace

MapCanvas::MapCanvas(const NetworkPicture& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setObjectName("picMap");
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
  view_.SetSize(size());
}

void MapCanvas::Changed() {
  update();
  emit viewChanged();
}

void MapCanvas::ZoomIn() {
  view_.ZoomAt(QPointF(width() / 2.0, height() / 2.0), 2);
  Changed();
}

void MapCanvas::ZoomOut() {
  view_.ZoomAt(QPointF(width() / 2.0, height() / 2.0), 0.5);
  Changed();
}

void MapCanvas::FitTo(const QRectF& world) {
  view_.SetSize(size());
  view_.Fit(world, kFitMargin);
  Changed();
}

std::optional<int> MapCanvas::StationAt(const QPointF& point) const { return picture_.StationAt(view_, point); }

QString MapCanvas::NameOf(int station) const {
  return QString::fromStdString(picture_.network().stations[static_cast<size_t>(station)].name);
}

QString MapCanvas::ToolTipAt(const QPointF& point) const {
  const auto station = StationAt(point);
  if (!station) return {};
  return str::kMapStationTip.arg(str::StationName(NameOf(*station)))
      .arg(picture_.network().stations[static_cast<size_t>(*station)].trains);
}

QMenu* MapCanvas::StationMenu(int station) {
  const QString name = NameOf(station);
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* board = menu->addAction(str::kMapBoard);
  board->setObjectName("mnuMapBoard");
  QAction* from = menu->addAction(str::kMapSetFrom);
  from->setObjectName("mnuMapFrom");
  QAction* to = menu->addAction(str::kMapSetTo);
  to->setObjectName("mnuMapTo");
  connect(board, &QAction::triggered, this, [this, name] { emit stationBoardRequested(name); });
  connect(from, &QAction::triggered, this, [this, name] { emit departureChosen(name); });
  connect(to, &QAction::triggered, this, [this, name] { emit arrivalChosen(name); });
  return menu;
}

void MapCanvas::paintEvent(QPaintEvent*) {
  view_.SetSize(size());
  QPainter painter(this);
  picture_.Paint(painter, view_);
}

void MapCanvas::resizeEvent(QResizeEvent* event) {
  view_.SetSize(size());
  QWidget::resizeEvent(event);
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
  // One notch (120) zooms by the square root of two.
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  view_.ZoomAt(event->position(), std::pow(2.0, notches / 2));
  Changed();
  event->accept();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
  }
  QWidget::mousePressEvent(event);
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
    view_.PanBy(event->position() - *dragFrom_);
    dragFrom_ = event->position();
    Changed();
    return;
  }
  const QString tip = ToolTipAt(event->position());
  if (tip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(event->globalPosition().toPoint(), tip, this);
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragFrom_.reset();
    unsetCursor();
  }
  QWidget::mouseReleaseEvent(event);
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  if (const auto station = StationAt(event->position())) emit stationBoardRequested(NameOf(*station));
}

void MapCanvas::contextMenuEvent(QContextMenuEvent* event) {
  if (const auto station = StationAt(event->pos())) StationMenu(*station)->popup(event->globalPos());
}

void MapCanvas::keyPressEvent(QKeyEvent* event) {
  const double step = std::max(width(), height()) / 8.0;
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      ZoomIn();
      return;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      ZoomOut();
      return;
    case Qt::Key_Left:
      view_.PanBy(QPointF(step, 0));
      break;
    case Qt::Key_Right:
      view_.PanBy(QPointF(-step, 0));
      break;
    case Qt::Key_Up:
      view_.PanBy(QPointF(0, step));
      break;
    case Qt::Key_Down:
      view_.PanBy(QPointF(0, -step));
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  Changed();
}

}  // namespace kw
