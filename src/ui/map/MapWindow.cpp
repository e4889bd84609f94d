#include "ui/map/MapWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "query/RailNetwork.h"
#include "store/Database.h"
#include "ui/BusyCursor.h"
#include "ui/ListCopy.h"
#include "ui/Platform.h"
#include "ui/PrintCommand.h"
#include "ui/Strings.h"
#include "ui/Twips.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapOutput.h"

namespace kw {

namespace {

// A station shown alone: about 400 km across a window of 1000 pixels.
constexpr double kStationScale = 65536;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

MapWindow::MapWindow(Database& db, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), platform_(platform) {
  setObjectName("frmMap");
  setWindowTitle(str::kMapTitle);
  picMap = new MapCanvas(picture_, this);
  cmdFit = MakeButton(this, "cmdFit", str::kMapFit);
  cmdZoomIn = MakeButton(this, "cmdZoomIn", QStringLiteral("+"));
  cmdZoomIn->setToolTip(str::kMapZoomIn);
  cmdZoomOut = MakeButton(this, "cmdZoomOut", QStringLiteral("−"));
  cmdZoomOut->setToolTip(str::kMapZoomOut);
  cmdPrint = MakeButton(this, "cmdPrint", str::kPrint);
  cmdExport = MakeButton(this, "cmdExport", str::kMapExport);
  lblNote = new QLabel(this);
  lblNote->setObjectName("lblNote");
  lblNote->setWordWrap(true);

  auto* bar = new QHBoxLayout;
  for (QPushButton* button : {cmdFit, cmdZoomIn, cmdZoomOut}) bar->addWidget(button);
  bar->addWidget(lblNote, 1);
  bar->addWidget(cmdPrint);
  bar->addWidget(cmdExport);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(bar);
  layout->addWidget(picMap, 1);

  connect(cmdFit, &QPushButton::clicked, this, &MapWindow::FitAll);
  connect(cmdZoomIn, &QPushButton::clicked, picMap, &MapCanvas::ZoomIn);
  connect(cmdZoomOut, &QPushButton::clicked, picMap, &MapCanvas::ZoomOut);
  connect(cmdPrint, &QPushButton::clicked, this, &MapWindow::Print);
  connect(cmdExport, &QPushButton::clicked, this, &MapWindow::ExportImage);
  connect(picMap, &MapCanvas::stationBoardRequested, this, &MapWindow::stationBoardRequested);
  connect(picMap, &MapCanvas::departureChosen, this, &MapWindow::departureChosen);
  connect(picMap, &MapCanvas::arrivalChosen, this, &MapWindow::arrivalChosen);

  QSize size(TwipsToPixels(15000), TwipsToPixels(10500));
  if (const QScreen* screen = this->screen())
    size = size.boundedTo(screen->availableGeometry().size() - QSize(TwipsToPixels(300), TwipsToPixels(900)));
  resize(size);
}

bool MapWindow::Load() {
  // The canvas takes its size from the layout before anything is fitted to
  // it, also when the window has not been shown yet.
  layout()->activate();
  if (loadedAt_ == db_.TotalChanges()) return true;
  try {
    BusyCursor busy;
    NetworkPicture fresh(LoadRailNetwork(db_));
    fresh.SetFont(font());
    picture_ = std::move(fresh);
    loadedAt_ = db_.TotalChanges();
  } catch (const DatabaseError& e) {
    platform_.messages->Show(this, QString::fromStdString(e.what()), MessageIcon::Critical);
    return false;
  }
  return true;
}

void MapWindow::SetTitle(const QString& title) {
  title_ = title;
  setWindowTitle(str::kMapTitleOf.arg(title));
}

void MapWindow::ShowNote() {
  QString note;
  if (!picture_.network().HasPositions()) {
    note = str::kMapNoPositions;
  } else if (!stationNote_.isEmpty()) {
    note = stationNote_;
  } else {
    const int missing = picture_.RouteStations().empty() && picture_.RouteStationsWithoutPosition() == 0
                            ? picture_.network().CalledWithoutPosition()
                            : picture_.RouteStationsWithoutPosition();
    if (missing > 0) note = str::kMapMissingStations.arg(missing);
  }
  lblNote->setText(note);
  const bool drawable = picture_.network().HasPositions();
  for (QWidget* w : {static_cast<QWidget*>(cmdFit), static_cast<QWidget*>(cmdZoomIn),
                     static_cast<QWidget*>(cmdZoomOut), static_cast<QWidget*>(cmdPrint),
                     static_cast<QWidget*>(cmdExport)})
    w->setEnabled(drawable);
}

void MapWindow::Present() {
  ShowNote();
  picMap->update();
  show();
  raise();
  activateWindow();
}

void MapWindow::ShowNetwork() {
  if (!Load()) return;
  picture_.Clear();
  stationNote_.clear();
  SetTitle(str::kMapNetworkTitle);
  picMap->FitTo(picture_.Bounds());
  Present();
}

void MapWindow::ShowRoute(const MapRoute& route) {
  if (!Load()) return;
  picture_.SetRoute(route);
  stationNote_.clear();
  SetTitle(route.title);
  const QRectF bounds = picture_.RouteBounds();
  picMap->FitTo(picture_.RouteStations().empty() ? picture_.Bounds() : bounds);
  Present();
}

void MapWindow::ShowStation(const QString& name) {
  if (!Load()) return;
  picture_.Clear();
  stationNote_.clear();
  SetTitle(str::StationName(name));
  const auto station = picture_.network().StationNamed(name.toStdString());
  std::optional<QPointF> world;
  if (station) world = picture_.WorldOf(*station);
  if (!station) {
    stationNote_ = str::kMapStationNotFound.arg(str::StationName(name));
    picMap->FitTo(picture_.Bounds());
  } else if (!world) {
    stationNote_ = str::kMapStationNoPosition.arg(str::StationName(name));
    picMap->FitTo(picture_.Bounds());
  } else {
    picture_.SetMarked(*station);
    MapView& view = picMap->view();
    view.SetSize(picMap->size());
    view.SetScale(std::max(view.scale(), kStationScale));
    view.SetCentre(*world);
    picMap->update();
  }
  Present();
}

void MapWindow::FitAll() { picMap->FitTo(picture_.Bounds()); }

void MapWindow::Print() {
  RunPrintCommand(this, platform_, QString(), str::FileStem({title_}, str::kFileMap),
                  [this](PrintSurface& surface) { PrintMap(surface, title_, picture_, picMap->view()); });
}

void MapWindow::ExportImage() {
  QString path = platform_.files->SaveFile(this, str::kMapExportTitle,
                                           FileNameSafe(str::FileStem({title_}, str::kFileMap)) + ".png",
                                           str::kMapExportFilter);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
  if (!ExportTo(path)) platform_.messages->Show(this, str::MapExportFailedMessage(path), MessageIcon::Critical);
}

bool MapWindow::ExportTo(const QString& path) {
  MapView view = picMap->view();
  view.SetSize(picMap->size());
  return ExportMap(path, title_, picture_, view);
}

}  // namespace kw
