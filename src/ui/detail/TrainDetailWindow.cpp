#include "ui/detail/TrainDetailWindow.h"

#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <algorithm>

#include "query/Fares.h"
#include "store/CoreStrings.h"
#include "store/Database.h"
#include "ui/AppPaths.h"
#include "ui/BusyCursor.h"
#include "ui/PictureButton.h"
#include "ui/Platform.h"
#include "ui/Strings.h"
#include "ui/Twips.h"

namespace kw {

namespace {

// Diagram elements 0, as designed (twips).
constexpr TwipsBox kBall0{435, 1920, 225, 210};
constexpr TwipsBox kRail0{660, 1965, 600, 120};
constexpr TwipsBox kLabel0{420, 2145, 255, 180};
// Gap between the fit test's label and the next rail.
constexpr int kFitMargin = 100;
// Space between the names of one row and the stations of the next.
constexpr int kRowGap = 450;
// Space kept below the lowest name when the window grows for a long diagram.
constexpr int kBottomMargin = 300;

constexpr TwipsBox kGridBox{60, 1935, 10200, 5325};
constexpr TwipsBox kHoverBox{0, 0, 1815, 780};

const QColor kSegmentName(0, 0, 255);
const QColor kSegmentRow(255, 0, 0);

// The property that holds a diagram element's station index (-1 for rails).
constexpr char kStationProperty[] = "station";

QRect Pixels(const TwipsBox& box) { return TwipsRect(box.left, box.top, box.width, box.height); }

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const TwipsBox& box) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(Pixels(box));
  return label;
}

// A name written downwards, one character to a line.
QString Downwards(const std::string& name) {
  QStringList characters;
  for (char32_t c : QString::fromStdString(name).toUcs4()) characters << QString::fromUcs4(&c, 1);
  return characters.join(u'\n');
}

// The text of a departure time as the headline shows it, "08:05".
QString HeadlineTime(const std::string& time) {
  const QString trimmed = QString::fromStdString(time).trimmed();
  return trimmed.isEmpty() ? QString() : (QStringLiteral("0") + trimmed).right(5);
}

// The route for the map: every stop, the stretch from `segment` travelled.
MapRoute RouteForMap(const std::string& number, const StopList& stops, const Segment* segment) {
  MapRoute route;
  MapLeg leg;
  leg.train = QString::fromStdString(number);
  for (int p = 0; p < stops.count(); ++p) {
    const Stop& stop = stops.stops[static_cast<size_t>(p)];
    leg.stations << QString::fromStdString(stop.stationName);
    if (segment && stop.zhanci == segment->fromZhanci) leg.boardIndex = p;
    if (segment && stop.zhanci == segment->toZhanci) leg.alightIndex = p;
  }
  const int first = leg.boardIndex >= 0 && leg.alightIndex >= 0 ? leg.boardIndex : 0;
  const int last = leg.boardIndex >= 0 && leg.alightIndex >= 0 ? leg.alightIndex : stops.count() - 1;
  if (!leg.stations.isEmpty())
    route.title = leg.train + u' ' + leg.stations[first] + QStringLiteral(" → ") + leg.stations[last];
  route.legs.push_back(std::move(leg));
  return route;
}

}  // namespace

TrainDetailWindow::TrainDetailWindow(Database& db, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), messages_(messages) {
  setObjectName("frmPass");
  setWindowTitle(str::kProductTitle);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  setMouseTracking(true);

  lblTitle = MakeLabel(this, "lblTitle", {}, {105, 390, 10080, 330});
  QFont bold = lblTitle->font();
  bold.setBold(true);
  lblTitle->setFont(bold);

  BuildHeadline();
  BuildFarePanel();

  // The design-time diagram elements; the layout adds the others.
  AddElement(balls_, "imgBoll", kBall0);
  AddElement(rails_, "imgRail", kRail0);
  Element& label0 = AddElement(labels_, "lblDetail", kLabel0);
  label0.widget->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  // The stop grid's captions are its header, which stays in place while a
  // long train's stops scroll under it; rows are as tall as their text.
  flgPass = new QTableWidget(this);
  flgPass->setObjectName("flgPass");
  flgPass->setGeometry(Pixels(kGridBox));
  flgPass->verticalHeader()->hide();
  flgPass->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  flgPass->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const auto& columns = StopGridColumns();
  flgPass->setColumnCount(static_cast<int>(columns.size()));
  for (int c = static_cast<int>(columns.size()) - 1; c >= 0; --c) {
    flgPass->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(columns[c].header.view())));
    flgPass->setColumnWidth(c, TwipsToPixels(columns[c].widthTwips));
  }
  flgPass->hide();
  flgPass->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(flgPass, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
    if (QMenu* menu = StopMenu(flgPass->rowAt(at.y()))) menu->popup(flgPass->viewport()->mapToGlobal(at));
  });

  BuildHoverBox();
  BuildButtons();
  // Esc closes the window as its close button does.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
  // Ctrl+P prints as the print button does.
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
          &TrainDetailWindow::printRequested);
}

void TrainDetailWindow::BuildHeadline() {
  auto* frame = new QGroupBox(str::kDetailFrame, this);
  frame->setObjectName("fraHeadline");
  frame->setGeometry(TwipsRect(330, 720, 3330, 1125));
  // Lines 210 twips apart; labels are a little taller than that so that no
  // glyph is clipped (they draw no background).
  const int lineTops[] = {255, 465, 675};
  const str::Text* captions[] = {&str::kDepartCaption, &str::kArriveCaption, &str::kRunningCaption};
  QLabel** values[] = {&lblFTime, &lblETime, &lblCount};
  const char* names[] = {"lblFTime", "lblETime", "lblCount"};
  for (int line = 0; line < 3; ++line) {
    MakeLabel(frame, qPrintable(QStringLiteral("lblHeadlineCaption%1").arg(line)), *captions[line],
              {150, lineTops[line], 1050, 270});
    *values[line] = MakeLabel(frame, names[line], {}, {1200, lineTops[line], 2050, 270});
  }
  lblKM = MakeLabel(frame, "lblKM", {}, {150, 885, 3100, 270});
}

void TrainDetailWindow::BuildFarePanel() {
  auto* frame = new QGroupBox(str::kFareFrame, this);
  frame->setObjectName("fraFare");
  frame->setGeometry(TwipsRect(4620, 720, 5145, 1125));
  // Seats on the first line, hard sleepers on the second, soft sleepers on
  // the third.
  const struct {
    int line;
    int column;
  } places[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}};
  for (int j = 0; j < 7; ++j) {
    const int left = 150 + places[j].column * 1650;
    const int top = 270 + places[j].line * 270;
    MakeLabel(frame, qPrintable(QStringLiteral("lblPriceCaption%1").arg(j)), str::kFareCaptions[j],
              {left, top, 650, 270});
    lblPrice[j] =
        MakeLabel(frame, qPrintable(QStringLiteral("lblPrice%1").arg(j)), {}, {left + 650, top, 950, 270});
  }
}

void TrainDetailWindow::BuildHoverBox() {
  fraDetail = new QFrame(this);
  fraDetail->setObjectName("fraDetail");
  fraDetail->setFrameShape(QFrame::Box);
  fraDetail->setAutoFillBackground(true);
  QPalette paper = fraDetail->palette();
  paper.setColor(QPalette::Window, QColor(0xff, 0xfb, 0xe0));
  fraDetail->setPalette(paper);
  fraDetail->resize(TwipsToPixels(kHoverBox.width), TwipsToPixels(kHoverBox.height));
  // The box never takes the pointer: moving onto it is moving over what lies
  // beneath.
  fraDetail->setAttribute(Qt::WA_TransparentForMouseEvents);
  Label4_2 = MakeLabel(fraDetail, "Label4_2", str::kArriveCaption, {60, 30, 900, 240});
  lbl_1 = MakeLabel(fraDetail, "lbl_1", str::kDepartCaption, {60, 270, 900, 240});
  Label1 = MakeLabel(fraDetail, "Label1", str::kDistanceCaption, {60, 510, 900, 240});
  flblEtime = MakeLabel(fraDetail, "flblEtime", {}, {960, 30, 825, 240});
  flblStime = MakeLabel(fraDetail, "flblStime", {}, {960, 270, 825, 240});
  labDistance = MakeLabel(fraDetail, "labDistance", {}, {960, 510, 825, 240});
  fraDetail->hide();
}

void TrainDetailWindow::BuildButtons() {
  const struct {
    PictureButton** button;
    const char* name;
    const char* pictures[3];  // normal, pointed at, pressed
    const QString& tip;
    TwipsBox box;
  } buttons[] = {
      {&Command2,
       "Command2",
       {"table.jpg", "table2.jpg", "table1.jpg"},
       str::kShowList,
       {7770, 45, 450, 450}},
      {&Command3,
       "Command3",
       {"site.jpg", "site2.jpg", "site1.jpg"},
       str::kShowDiagram,
       {8370, 60, 450, 450}},
      {&Command1, "Command1", {"pr.jpg", "pr2.jpg", "pr1.jpg"}, str::kPrint, {8955, 45, 450, 450}},
      {&comClose, "comClose", {"x.jpg", "x2.jpg", "x1.jpg"}, str::kClose, {9630, 75, 420, 420}},
  };
  for (const auto& b : buttons) {
    auto* button = new PictureButton(b.name, b.pictures[0], b.pictures[1], b.pictures[2], b.tip, this);
    button->setScaledContents(true);
    button->setFixedSize(Pixels(b.box).size());
    button->move(Pixels(b.box).topLeft());
    *b.button = button;
  }
  // The print button shows its pressed picture until the pointer leaves it
  // for the background.
  Command1->KeepPressedLook();
  connect(Command2, &PictureButton::clicked, this, [this] {
    flgPass->show();
    flgPass->raise();
  });
  connect(Command3, &PictureButton::clicked, flgPass, &QWidget::hide);
  connect(Command1, &PictureButton::clicked, this, &TrainDetailWindow::printRequested);
  connect(comClose, &PictureButton::clicked, this, &QWidget::close);

  cmdMap = new QPushButton(str::kMapButton, this);
  cmdMap->setObjectName("cmdMap");
  cmdMap->setToolTip(str::kMapButtonTip);
  cmdMap->setGeometry(Pixels({6870, 90, 780, 360}));
  cmdMap->setEnabled(false);
  connect(cmdMap, &QPushButton::clicked, this, [this] { emit mapRequested(mapRoute_); });
}

TrainDetailWindow::Element& TrainDetailWindow::AddElement(std::vector<Element>& elements, const char* name,
                                                          const TwipsBox& box) {
  const int index = static_cast<int>(elements.size());
  auto* widget = new QLabel(this);
  widget->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index));
  widget->setScaledContents(true);
  // Pointing at a ball or a name shows its station; a rail is background.
  widget->setMouseTracking(true);
  widget->setProperty(kStationProperty, &elements == &rails_ ? -1 : index);
  widget->installEventFilter(this);
  // Elements made for the stops start hidden; the layout shows them.
  widget->setVisible(index == 0);
  elements.push_back({widget, {}});
  Place(elements.back(), box);
  return elements.back();
}

void TrainDetailWindow::Place(Element& element, const TwipsBox& box) {
  element.box = box;
  element.widget->setGeometry(Pixels(box));
}

bool TrainDetailWindow::gridShown() const { return !flgPass->isHidden(); }

QMenu* TrainDetailWindow::StopMenu(int row) {
  const bool onStop = row >= 0 && row < stopCount() && row < flgPass->rowCount();
  if (!onStop && flgPass->actions().isEmpty()) return nullptr;
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (onStop) {
    QAction* board = menu->addAction(str::kViewStationBoard);
    board->setObjectName("mnuStationBoard");
    const QString name = QString::fromStdString(stops_.stops[static_cast<size_t>(row)].stationName);
    connect(board, &QAction::triggered, this, [this, name] { emit stationBoardRequested(name); });
    if (!flgPass->actions().isEmpty()) menu->addSeparator();
  }
  // The grid's own actions (复制, 导出为 CSV…) follow.
  menu->addActions(flgPass->actions());
  return menu;
}

bool TrainDetailWindow::Open(const SearchContext& context) {
  const std::string& mode = context.queryMode;
  const bool known = mode == kModeOrder || mode == kModeStation || mode == kModeChange;
  if (known && IsInternationalTrain(context.selectedTrainId)) {
    messages_.Show(parentWidget(), str::kInternationalDetail, MessageIcon::Information);
    return false;
  }
  try {
    BusyCursor busy;
    Load(context);
  } catch (const DatabaseError& e) {
    messages_.Show(parentWidget(), QString::fromStdString(e.what()), MessageIcon::Critical);
    return false;
  }
  return true;
}

void TrainDetailWindow::Load(const SearchContext& context) {
  const std::string& mode = context.queryMode;
  const bool wholeRoute = mode == kModeOrder;
  if (!wholeRoute && mode != kModeStation && mode != kModeChange) {
    HideDiagram();  // nothing says which train to draw
    return;
  }
  const int id = context.selectedTrainId;
  const TrainDetail whole = LoadTrainDetail(db_, id, true);
  if (!whole.found) {
    lblTitle->setText(QString::fromStdString(whole.missing));
    HideDiagram();
    return;
  }
  stops_ = LoadStopList(db_, id);
  if (stops_.stops.empty()) {
    ShowDetail(whole, 0, str::kNoStops);
    HideDiagram();
    return;
  }
  mapRoute_ = RouteForMap(whole.trainNumber, stops_, nullptr);
  cmdMap->setEnabled(true);
  if (wholeRoute) {
    ShowDetail(whole, stops_.count(), {});
    LayOutDiagram(whole.firstStation);
    return;
  }

  // The travelled stretch: the boarding and alighting names the result list
  // handed over. What cannot be found is said after the title, and the whole
  // route shows instead.
  const std::string& board = context.legBoardName;
  const std::string& alight = context.legAlightName;
  const TrainDetail part = LoadTrainDetail(db_, id, false, board, alight);
  const Segment segment = FindSegment(db_, id, board, alight, true, true);
  QString missing;
  if (!part.found)
    missing = QString::fromStdString(part.missing);
  else if (!segment.found)
    missing = QString::fromStdString(segment.missing);
  if (!missing.isEmpty()) {
    ShowDetail(whole, stops_.count(), str::kWholeRouteInstead.arg(missing));
    LayOutDiagram(whole.firstStation);
    return;
  }
  ShowDetail(part, segment.stationCount, {});
  LayOutDiagram(whole.firstStation);
  Highlight(segment);
  mapRoute_ = RouteForMap(whole.trainNumber, stops_, &segment);
}

void TrainDetailWindow::HideDiagram() {
  for (auto* elements : {&balls_, &rails_, &labels_}) elements->front().widget->hide();
}

void TrainDetailWindow::ShowDetail(const TrainDetail& detail, int stationCount, const QString& note) {
  lblTitle->setText(QString::fromStdString(DetailTitle(detail)) + note);
  fileStem = str::FileStem({QString::fromStdString(detail.firstStation), QString::fromStdString(detail.lastStation)},
                           QString::fromStdString(detail.trainNumber) + str::kFileTrains);
  setWindowTitle(str::kDetailWindowTitle.arg(QString::fromStdString(detail.trainNumber)));
  const auto fares = FarePanelTexts(db_, detail.kindId, detail.distanceKm);
  for (size_t j = 0; j < fares.size(); ++j) lblPrice[j]->setText(QString::fromStdString(fares[j]));
  lblFTime->setText(HeadlineTime(detail.departTime));
  lblETime->setText(QString::fromStdString(detail.arriveText));
  lblCount->setText(QString::fromStdString(detail.runningTimeText));
  lblKM->setText(str::kKmLine.arg(QString::fromStdString(DistanceText(detail.distanceKm))).arg(stationCount));
}

// The chain of stations: a ball above each name, a rail from each station to
// the next, 855 twips from station to station; a station that would not fit
// on the row starts the next row at the left of the first name, 450 twips
// below the lowest name of the row before.
void TrainDetailWindow::LayOutDiagram(const std::string& firstStation) {
  const QPixmap green = DatePicture("greenBoll.jpg");
  const QPixmap yellow = DatePicture("yellowboll.jpg");
  const QPixmap red = DatePicture("redboll.jpg");
  const QPixmap rail = DatePicture("rail.jpg");
  balls_[0].widget->setPixmap(green);
  rails_[0].widget->setPixmap(rail);

  // A name label as tall as its name written downwards.
  auto fitName = [this](Element& label, const std::string& name) {
    label.widget->setText(Downwards(name));
    const int height = std::max(kLabel0.height, label.widget->sizeHint().height() * kTwipsPerPixel);
    Place(label, {label.box.left, label.box.top, label.box.width, height});
  };
  fitName(labels_[0], firstStation);

  const int count = stopCount();
  int x = 0;  // the left of the name placed last (0 before the second)
  int rowTop = kLabel0.top;
  int rowBottom = labels_[0].box.bottom();
  int ballTop = kBall0.top;
  int railTop = kRail0.top;
  for (int i = 1; i < count; ++i) {
    Element& ball = AddElement(balls_, "imgBoll", kBall0);
    Element& railElement = AddElement(rails_, "imgRail", kRail0);
    Element& label = AddElement(labels_, "lblDetail", kLabel0);
    railElement.widget->setPixmap(rail);
    ball.widget->setPixmap(i == count - 1 ? red : yellow);
    label.widget->setAlignment(labels_[0].widget->alignment());

    const Element& previous = labels_[i - 1];
    const int fitRight = x + label.box.width + kFitMargin + kRail0.width;
    if (fitRight < kClientWidth) {
      x = previous.box.left + previous.box.width + kRail0.width;
    } else {
      x = labels_[0].box.left;
      const int newTop = rowBottom + kRowGap;
      ballTop += newTop - rowTop;
      railTop += newTop - rowTop;
      rowTop = newTop;
    }
    Place(label, {x, rowTop, kLabel0.width, kLabel0.height});
    fitName(label, stops_.stops[i].stationName);
    label.widget->show();
    rowBottom = std::max(rowBottom, label.box.bottom());

    Place(ball, {x, ballTop, kBall0.width, kBall0.height});
    ball.widget->show();

    // The rail to the next station, shown when that station stays on this
    // row; the terminal has none.
    if (i < count - 1) {
      Place(railElement, {x + label.box.width, railTop, kRail0.width, kRail0.height});
      railElement.widget->setVisible(x + label.box.width + kFitMargin + kRail0.width < kClientWidth);
    }
  }

  // The stop grid: one row per stop (a train of one stop keeps none).
  if (count > 1) {
    for (const Stop& stop : stops_.stops) {
      const QStringList cells = QString::fromStdString(stop.gridRow).split(u'\t');
      const int row = flgPass->rowCount();
      flgPass->setRowCount(row + 1);
      for (int c = 0; c < cells.size() && c < flgPass->columnCount(); ++c) {
        flgPass->setItem(row, c, new QTableWidgetItem(cells[c]));
      }
    }
  }

  // A diagram taller than the window makes the window taller.
  if (rowBottom + kBottomMargin > kClientHeight) {
    const int height = rowBottom + kBottomMargin;
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(height));
    const int gridHeight = kGridBox.height + height - kClientHeight;  // the same margin below
    flgPass->setGeometry(Pixels({kGridBox.left, kGridBox.top, kGridBox.width, gridHeight}));
  }
  flgPass->raise();
  fraDetail->raise();
}

// The stretch from the boarding to the alighting stop: blue names, red
// rails between them, red grid rows. Stops are found by their sequence
// numbers, so numbers that no stop carries leave nothing out of place.
void TrainDetailWindow::Highlight(const Segment& segment) {
  const QPixmap redRail = DatePicture("redrail.jpg");
  for (int p = 0; p < stopCount(); ++p) {
    const int zhanci = stops_.stops[p].zhanci;
    if (zhanci < segment.fromZhanci || zhanci > segment.toZhanci) continue;
    QPalette blue = labels_[p].widget->palette();
    blue.setColor(QPalette::WindowText, kSegmentName);
    labels_[p].widget->setPalette(blue);
    if (zhanci < segment.toZhanci) rails_[p].widget->setPixmap(redRail);
    for (int c = 0; c < flgPass->columnCount(); ++c) {
      if (QTableWidgetItem* item = flgPass->item(p, c)) item->setForeground(kSegmentRow);
    }
  }
}

bool TrainDetailWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    const QVariant station = watched->property(kStationProperty);
    if (station.isValid()) {
      if (station.toInt() >= 0)
        ShowStation(station.toInt(), static_cast<QMouseEvent*>(event)->position().toPoint());
      else
        ResetPointer();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TrainDetailWindow::mouseMoveEvent(QMouseEvent* event) {
  ResetPointer();
  QWidget::mouseMoveEvent(event);
}

// The pointer is at `pointer` (pixels) inside the ball or the name of
// station i: the box shows the station's times and distance beside it.
void TrainDetailWindow::ShowStation(int i, QPoint pointer) {
  if (i < 0 || i >= stopCount()) return;
  const Stop& stop = stops_.stops[i];
  labDistance->setText(stop.distanceKnown ? QString::fromStdString(stop.distanceText) + str::kKm
                                          : QString::fromUtf8(text::kUnknownFigure.view()));
  flblStime->setText(QString::fromStdString(stop.departureText));
  flblEtime->setText(QString::fromStdString(stop.arrivalText));
  Label4_2->setVisible(stop.arrivalText == text::kLastStop);

  // Beside the name, on the side where the box fits; the same above or below.
  const int x = pointer.x() * kTwipsPerPixel;
  const int y = pointer.y() * kTwipsPerPixel;
  const TwipsBox& name = labels_[i].box;
  const int windowWidth = width() * kTwipsPerPixel;
  const int windowHeight = height() * kTwipsPerPixel;
  const int left = name.left + x + 200 + kHoverBox.width < windowWidth
                       ? name.left + x + 100
                       : name.left - kHoverBox.width - 100 - x;
  const int top =
      name.top + y + 200 + kHoverBox.height < windowHeight ? name.top + y + 200 : name.top - 200 - y;
  fraDetail->move(TwipsPoint(left, top));
  fraDetail->show();
  fraDetail->raise();
}

void TrainDetailWindow::ResetPointer() {
  fraDetail->hide();
  for (PictureButton* button : {Command2, Command3, Command1, comClose}) button->ShowNormal();
}

}  // namespace kw
