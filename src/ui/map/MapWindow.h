// The map window, frmMap (地图 → 铁路地图): the railway network as the
// timetable runs it, on Web Mercator, with nothing else drawn (no borders,
// coast or base map). 全图 fits the whole network, + and − zoom, 打印 prints
// the view under its title, 导出为图片… writes a PNG picture or an SVG
// drawing. Other windows show on it a train's route with the part travelled
// (ShowRoute, from the detail window), a journey's legs (ShowRoute, from the
// journey window) or one station (ShowStation, from the station board).
// Stations without a position are left out and counted in lblNote; a
// timetable without positions says so there and draws nothing.
//
// The window asks, through its signals, for what other windows do: a
// station's board, and a station put into the main window's From or To box.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/map/MapRoute.h"
#include "ui/map/NetworkPicture.h"

class QLabel;
class QPushButton;

namespace kw {

class Database;
class MapCanvas;
struct Platform;

class MapWindow : public QWidget {
  Q_OBJECT

 public:
  // A separate window above `parent`. The network is read when first shown.
  MapWindow(Database& db, Platform& platform, QWidget* parent);

  // The whole network, fitted.
  void ShowNetwork();
  // `route` over the network, fitted to its stations.
  void ShowRoute(const MapRoute& route);
  // The station named `name`, centred and marked.
  void ShowStation(const QString& name);

  // 全图: the whole network fitted, whatever is drawn over it.
  void FitAll();
  void Print();
  // 导出为图片…: asks where, then ExportTo.
  void ExportImage();
  bool ExportTo(const QString& path);

  const NetworkPicture& picture() const { return picture_; }
  // What the window shows, for printouts and files: "G1 北京南 → 上海虹桥".
  const QString& title() const { return title_; }

  MapCanvas* picMap;
  QPushButton* cmdFit;
  QPushButton* cmdZoomIn;
  QPushButton* cmdZoomOut;
  QPushButton* cmdPrint;
  QPushButton* cmdExport;
  QLabel* lblNote;

 signals:
  void stationBoardRequested(const QString& name);
  void departureChosen(const QString& name);
  void arrivalChosen(const QString& name);

 private:
  // Reads the network again when the database changed since it was read;
  // false (a message shown) when it cannot be read.
  bool Load();
  void SetTitle(const QString& title);
  void ShowNote();
  void Present();

  Database& db_;
  Platform& platform_;
  NetworkPicture picture_;
  long long loadedAt_ = -1;
  QString title_;
  QString stationNote_;  // what ShowStation could not show
};

}  // namespace kw
