#include "ui/map/NetworkPicture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <set>

#include "ui/Strings.h"

namespace kw {

namespace {

// Segments fall into pens by how many trains run them: 1, 2-3, 4-7, 8-15,
// 16-31, 32 or more.
constexpr int kWidthClasses = 6;
constexpr double kClassWidths[kWidthClasses] = {0.6, 0.9, 1.3, 1.8, 2.4, 3.1};

int WidthClass(int trains) {
  int c = 0;
  while (c + 1 < kWidthClasses && trains >= (2 << c)) ++c;
  return c;
}

// Lines and dots grow a little as the map is zoomed in past the national view.
double ZoomFactor(const MapView& view) {
  return std::clamp(1 + std::log2(std::max(1.0, view.scale() / 8192)) / 4, 1.0, 2.5);
}

QColor Faded(QColor colour, bool faded) {
  if (faded) colour.setAlpha(80);
  return colour;
}

// The names placed so far, in cells of the screen, so that each new name is
// checked against the few near it only.
class LabelSpace {
 public:
  explicit LabelSpace(QSize size)
      : columns_(size.width() / kCell + 1), rows_(size.height() / kCell + 1),
        cells_(static_cast<size_t>(columns_ * rows_)) {}

  // Takes `rect` when it overlaps nothing taken (with a little room around).
  bool Take(const QRectF& rect) {
    const QRectF padded = rect.adjusted(-3, -1, 3, 1);
    int c0, c1, r0, r1;
    Span(padded, c0, c1, r0, r1);
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c)
        for (int i : cells_[static_cast<size_t>(r * columns_ + c)])
          if (rects_[static_cast<size_t>(i)].intersects(padded)) return false;
    Add(rect);
    return true;
  }
  void Add(const QRectF& rect) {
    int c0, c1, r0, r1;
    Span(rect, c0, c1, r0, r1);
    const int index = static_cast<int>(rects_.size());
    rects_.push_back(rect);
    for (int r = r0; r <= r1; ++r)
      for (int c = c0; c <= c1; ++c) cells_[static_cast<size_t>(r * columns_ + c)].push_back(index);
  }

 private:
  static constexpr int kCell = 48;
  void Span(const QRectF& rect, int& c0, int& c1, int& r0, int& r1) const {
    const auto clampTo = [](double v, int n) { return std::clamp(static_cast<int>(std::floor(v / kCell)), 0, n - 1); };
    c0 = clampTo(rect.left(), columns_);
    c1 = clampTo(rect.right(), columns_);
    r0 = clampTo(rect.top(), rows_);
    r1 = clampTo(rect.bottom(), rows_);
  }
  int columns_;
  int rows_;
  std::vector<std::vector<int>> cells_;
  std::vector<QRectF> rects_;
};

QRectF AttributionRect(const QFontMetricsF& metrics, QSize size) {
  const double width = metrics.horizontalAdvance(str::kMapAttribution) + 8;
  const double height = metrics.height() + 4;
  return QRectF(size.width() - width - 4, size.height() - height - 4, width, height);
}

QRectF ScaleBarRect(const QFontMetricsF& metrics, QSize size) {
  return QRectF(4, size.height() - metrics.height() - 18, 140, metrics.height() + 14);
}

}  // namespace

NetworkPicture::NetworkPicture(RailNetwork network) : network_(std::move(network)) {
  const int n = static_cast<int>(network_.stations.size());
  world_.resize(static_cast<size_t>(n));
  double left = 1, top = 1, right = 0, bottom = 0;
  for (int i = 0; i < n; ++i) {
    const auto& position = network_.stations[static_cast<size_t>(i)].position;
    if (!position) continue;
    const QPointF p = ProjectMercator(*position);
    world_[static_cast<size_t>(i)] = p;
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
    byBusyness_.push_back(i);
  }
  if (!byBusyness_.empty()) bounds_ = QRectF(QPointF(left, top), QPointF(right, bottom));
  std::stable_sort(byBusyness_.begin(), byBusyness_.end(), [this](int a, int b) {
    return network_.stations[static_cast<size_t>(a)].trains > network_.stations[static_cast<size_t>(b)].trains;
  });

  groups_.resize(2 * kWidthClasses);
  for (int c = 0; c < kWidthClasses; ++c) {
    groups_[static_cast<size_t>(c)] = {kMapConventional, kClassWidths[c], {}};
    groups_[static_cast<size_t>(kWidthClasses + c)] = {kMapHighSpeed, kClassWidths[c], {}};
  }
  for (const auto& segment : network_.segments) {
    const auto& a = world_[static_cast<size_t>(segment.a)];
    const auto& b = world_[static_cast<size_t>(segment.b)];
    if (!a || !b) continue;
    const int group = (segment.highSpeed() ? kWidthClasses : 0) + WidthClass(segment.trains);
    groups_[static_cast<size_t>(group)].lines.emplace_back(*a, *b);
  }
  SetFont(QFont());
}

std::optional<QPointF> NetworkPicture::WorldOf(int index) const {
  if (index < 0 || index >= static_cast<int>(world_.size())) return std::nullopt;
  return world_[static_cast<size_t>(index)];
}

void NetworkPicture::SetFont(const QFont& font) {
  font_ = font;
  textHeight_ = QFontMetricsF(font_).height();
  labelWidths_.clear();
  staticNames_.clear();
}

const QImage& NetworkPicture::DotSprite(double diameter, bool faded, double pixelRatio) const {
  // Sizes in quarter pixels.
  const long long quarters = std::lround(diameter * 4);
  const long long key = (quarters * 2 + (faded ? 1 : 0)) * 16 + std::lround(pixelRatio * 4);
  auto found = dotSprites_.find(key);
  if (found != dotSprites_.end()) return found->second;
  const double d = quarters / 4.0;
  const int side = static_cast<int>(std::ceil((d + 2) * pixelRatio));
  QImage sprite(side, side, QImage::Format_ARGB32_Premultiplied);
  sprite.fill(Qt::transparent);
  sprite.setDevicePixelRatio(pixelRatio);
  {
    QPainter p(&sprite);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Faded(QColor(0x33, 0x33, 0x33), faded));
    const double centre = side / pixelRatio / 2;
    p.drawEllipse(QPointF(centre, centre), d / 2, d / 2);
  }
  return dotSprites_.emplace(key, std::move(sprite)).first->second;
}

double NetworkPicture::LabelWidth(int station) const {
  if (labelWidths_.empty()) labelWidths_.assign(network_.stations.size(), -1);
  double& width = labelWidths_[static_cast<size_t>(station)];
  if (width < 0) {
    width = QFontMetricsF(font_).horizontalAdvance(str::StationName(network_.stations[static_cast<size_t>(station)].name));
  }
  return width;
}

void NetworkPicture::Clear() {
  pieces_.clear();
  routeStations_.clear();
  routeLabels_.clear();
  changes_.clear();
  routeMissing_ = 0;
  marked_.reset();
}

void NetworkPicture::SetRoute(const MapRoute& route) {
  Clear();
  routeKind_ = route.kind;
  std::set<QString> missing;
  std::set<int> drawn;
  std::vector<int> ends, travelled, others;
  for (size_t l = 0; l < route.legs.size(); ++l) {
    const MapLeg& leg = route.legs[l];
    const QColor colour = route.kind == MapRoute::Kind::Journey
                              ? kMapLegColours[l % std::size(kMapLegColours)]
                              : kMapRoute;
    int previous = -1;      // the last stop drawn: its station
    int previousStop = -1;  // and its place in the leg
    int first = -1;
    for (int k = 0; k < leg.stations.size(); ++k) {
      const auto index = network_.StationNamed(leg.stations[k].toStdString());
      if (!index || !world_[static_cast<size_t>(*index)]) {
        missing.insert(leg.stations[k]);
        continue;
      }
      if (drawn.insert(*index).second) routeStations_.push_back(*index);
      if (previous >= 0) {
        const bool highlighted = route.kind == MapRoute::Kind::Train && leg.boardIndex >= 0 &&
                                 previousStop >= leg.boardIndex && k <= leg.alightIndex;
        pieces_.push_back({previous, *index, highlighted ? kMapHighlight : colour});
      }
      if (first < 0) first = *index;
      const bool end = k == 0 || k == leg.stations.size() - 1;
      const bool boarded = k == leg.boardIndex || k == leg.alightIndex;
      (end ? ends : boarded ? travelled : others).push_back(*index);
      previous = *index;
      previousStop = k;
    }
    if (route.kind == MapRoute::Kind::Journey && l > 0 && first >= 0) changes_.push_back(first);
  }
  // The travelled part is drawn over the rest of the route.
  if (route.kind == MapRoute::Kind::Train) {
    std::stable_partition(pieces_.begin(), pieces_.end(),
                          [](const RoutePiece& p) { return p.colour != kMapHighlight; });
  }
  for (const auto* names : {&ends, &travelled, &others})
    for (int s : *names)
      if (std::find(routeLabels_.begin(), routeLabels_.end(), s) == routeLabels_.end()) routeLabels_.push_back(s);
  routeMissing_ = static_cast<int>(missing.size());
}

QRectF NetworkPicture::RouteBounds() const {
  std::vector<int> stations = routeStations_;
  if (marked_) stations.push_back(*marked_);
  if (stations.empty()) return {};
  double left = 1, top = 1, right = 0, bottom = 0;
  for (int s : stations) {
    const QPointF p = *world_[static_cast<size_t>(s)];
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

std::optional<int> NetworkPicture::StationAt(const MapView& view, const QPointF& screen, double radius) const {
  std::optional<int> nearest;
  double best = radius * radius;
  for (int s : byBusyness_) {
    const QPointF d = view.ToScreen(*world_[static_cast<size_t>(s)]) - screen;
    const double distance = d.x() * d.x() + d.y() * d.y();
    if (distance <= best) {
      best = distance;
      nearest = s;
    }
  }
  return nearest;
}

std::vector<NetworkPicture::Label> NetworkPicture::Labels(const MapView& view) const {
  const QSize size = view.size();
  LabelSpace space(size);
  const QFontMetricsF metrics(font_);
  space.Add(AttributionRect(metrics, size));
  space.Add(ScaleBarRect(metrics, size));
  std::vector<Label> labels;
  std::vector<char> placed(network_.stations.size(), 0);
  // Not more names than the area takes comfortably.
  const size_t most = static_cast<size_t>(size.width()) * static_cast<size_t>(size.height()) / 7000 + 8;
  const QRectF screen(QPointF(0, 0), QSizeF(size));
  const auto place = [&](int s) {
    if (placed[static_cast<size_t>(s)]) return;
    const QPointF p = view.ToScreen(*world_[static_cast<size_t>(s)]);
    if (!screen.contains(p)) return;
    const double w = LabelWidth(s);
    const double h = textHeight_;
    for (const QRectF& rect : {QRectF(p.x() + 5, p.y() - h / 2, w, h), QRectF(p.x() - 5 - w, p.y() - h / 2, w, h),
                               QRectF(p.x() - w / 2, p.y() - 4 - h, w, h), QRectF(p.x() - w / 2, p.y() + 4, w, h)}) {
      if (screen.contains(rect) && space.Take(rect)) {
        labels.push_back({s, rect});
        placed[static_cast<size_t>(s)] = 1;
        return;
      }
    }
  };
  if (marked_) place(*marked_);
  for (int s : routeLabels_) place(s);
  for (int s : byBusyness_) {
    if (labels.size() >= most) break;
    place(s);
  }
  return labels;
}

std::vector<std::pair<int, QRectF>> NetworkPicture::PlaceLabels(const MapView& view) const {
  std::vector<std::pair<int, QRectF>> placed;
  for (const Label& label : Labels(view)) placed.emplace_back(label.station, label.rect);
  return placed;
}

void NetworkPicture::PaintNetwork(QPainter& painter, const MapView& view) const {
  const bool faded = HasOverlay();
  const double zoom = ZoomFactor(view);
  const QRectF visible = view.VisibleWorld();
  const double scale = view.scale();
  const QPointF centre = view.centre();
  const double halfWidth = view.size().width() / 2.0;
  const double halfHeight = view.size().height() / 2.0;
  // Smoothing thousands of wide lines costs more than it shows: the whole
  // network is drawn without, a closer view with it.
  size_t inView = 0;
  for (const LineGroup& group : groups_) {
    for (const QLineF& line : group.lines) {
      if (!((line.x1() < visible.left() && line.x2() < visible.left()) ||
            (line.x1() > visible.right() && line.x2() > visible.right()) ||
            (line.y1() < visible.top() && line.y2() < visible.top()) ||
            (line.y1() > visible.bottom() && line.y2() > visible.bottom())))
        ++inView;
    }
  }
  painter.setRenderHint(QPainter::Antialiasing, inView < 2500);
  for (const LineGroup& group : groups_) {
    if (group.lines.empty()) continue;
    screenLines_.clear();
    for (const QLineF& line : group.lines) {
      // Culled when wholly on one side of the view.
      const double x1 = line.x1(), y1 = line.y1(), x2 = line.x2(), y2 = line.y2();
      if ((x1 < visible.left() && x2 < visible.left()) || (x1 > visible.right() && x2 > visible.right()) ||
          (y1 < visible.top() && y2 < visible.top()) || (y1 > visible.bottom() && y2 > visible.bottom()))
        continue;
      screenLines_.emplace_back((x1 - centre.x()) * scale + halfWidth, (y1 - centre.y()) * scale + halfHeight,
                                (x2 - centre.x()) * scale + halfWidth, (y2 - centre.y()) * scale + halfHeight);
    }
    if (screenLines_.empty()) continue;
    painter.setPen(QPen(Faded(group.colour, faded), group.width * zoom, Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(screenLines_.data(), static_cast<int>(screenLines_.size()));
  }

  // Station dots: small for quiet stations, larger for busy ones.
  const QRectF screen = QRectF(QPointF(0, 0), QSizeF(view.size())).adjusted(-4, -4, 4, 4);
  std::vector<QPointF> dots[3];
  for (int s : byBusyness_) {
    const QPointF p = view.ToScreen(*world_[static_cast<size_t>(s)]);
    if (!screen.contains(p)) continue;
    const int trains = network_.stations[static_cast<size_t>(s)].trains;
    dots[trains >= 50 ? 2 : trains >= 10 ? 1 : 0].push_back(p);
  }
  const double sizes[3] = {2.2, 3.2, 4.4};
  const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  for (int c = 0; c < 3; ++c) {
    if (dots[c].empty()) continue;
    const QImage& sprite = DotSprite(sizes[c] * zoom, faded, ratio);
    const double half = sprite.width() / ratio / 2;
    for (const QPointF& p : dots[c]) painter.drawImage(QPointF(p.x() - half, p.y() - half), sprite);
  }
  painter.setRenderHint(QPainter::Antialiasing, true);
}

void NetworkPicture::PaintOverlay(QPainter& painter, const MapView& view) const {
  for (const RoutePiece& piece : pieces_) {
    const bool highlighted = piece.colour == kMapHighlight && routeKind_ == MapRoute::Kind::Train;
    painter.setPen(QPen(piece.colour, highlighted ? 5 : 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(view.ToScreen(*world_[static_cast<size_t>(piece.from)]),
                     view.ToScreen(*world_[static_cast<size_t>(piece.to)]));
  }
  painter.setBrush(Qt::white);
  painter.setPen(QPen(kMapRoute, 1.5));
  for (int s : routeStations_) painter.drawEllipse(view.ToScreen(*world_[static_cast<size_t>(s)]), 3.5, 3.5);
  painter.setPen(QPen(Qt::black, 2));
  for (int s : changes_) painter.drawEllipse(view.ToScreen(*world_[static_cast<size_t>(s)]), 6.5, 6.5);
  if (marked_) {
    const QPointF p = view.ToScreen(*world_[static_cast<size_t>(*marked_)]);
    painter.setPen(QPen(kMapHighlight, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(p, 9, 9);
    painter.setBrush(kMapHighlight);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(p, 3.5, 3.5);
  }
  painter.setBrush(Qt::NoBrush);
}

void NetworkPicture::PaintDecorations(QPainter& painter, const MapView& view) const {
  const QFontMetricsF metrics(font_);
  const QSize size = view.size();
  painter.setFont(font_);

  // The scale bar, bottom left.
  const ScaleBar bar = ChooseScaleBar(view, 120);
  const QRectF area = ScaleBarRect(metrics, size);
  const double y = area.bottom() - 5;
  const double x = area.left() + 6;
  painter.setPen(QPen(Qt::black, 1.5));
  painter.drawLine(QPointF(x, y), QPointF(x + bar.pixels, y));
  painter.drawLine(QPointF(x, y - 4), QPointF(x, y));
  painter.drawLine(QPointF(x + bar.pixels, y - 4), QPointF(x + bar.pixels, y));
  painter.drawText(QRectF(x, area.top(), 200, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, bar.text);

  // The attribution, bottom right, always.
  const QRectF attribution = AttributionRect(metrics, size);
  painter.fillRect(attribution, QColor(255, 255, 255, 210));
  painter.setPen(QColor(0x33, 0x33, 0x33));
  painter.drawText(attribution, Qt::AlignCenter, str::kMapAttribution);
}

void NetworkPicture::Paint(QPainter& painter, const MapView& view) const {
  painter.fillRect(QRect(QPoint(0, 0), view.size()), kMapBackground);
  painter.setRenderHint(QPainter::Antialiasing, true);
  PaintNetwork(painter, view);
  PaintOverlay(painter, view);

  painter.setFont(font_);
  std::set<int> overlay(routeStations_.begin(), routeStations_.end());
  if (marked_) overlay.insert(*marked_);
  const bool faded = HasOverlay();
  QFont bold = font_;
  bold.setBold(true);
  if (staticNames_.empty()) staticNames_.resize(network_.stations.size());
  for (const Label& label : Labels(view)) {
    const bool own = overlay.count(label.station) > 0;
    painter.fillRect(label.rect.adjusted(-1, 0, 1, 0), QColor(255, 255, 255, own ? 220 : 160));
    painter.setFont(own ? bold : font_);
    painter.setPen(own ? QColor(0x11, 0x11, 0x11) : Faded(QColor(0x30, 0x30, 0x30), faded));
    const QString name = str::StationName(network_.stations[static_cast<size_t>(label.station)].name);
    if (own) {
      painter.drawText(label.rect.adjusted(-2, 0, 6, 0), Qt::AlignLeft | Qt::AlignVCenter, name);
      continue;
    }
    // The network's names keep their layout from one repaint to the next.
    QStaticText& text = staticNames_[static_cast<size_t>(label.station)];
    if (text.text().isEmpty()) {
      text.setText(name);
      text.setTextFormat(Qt::PlainText);
      text.prepare(QTransform(), font_);
    }
    painter.drawStaticText(label.rect.topLeft(), text);
  }
  PaintDecorations(painter, view);
}

}  // namespace kw
