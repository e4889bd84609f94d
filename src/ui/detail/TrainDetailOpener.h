// Opens the train detail window for the rows a result list opens, one at a
// time: a new opening replaces the window that is open. The window's print
// button prints what it shows. The opener is handed everything it needs; it
// knows nothing of the window whose rows it opens.
#pragma once

#include <QObject>
#include <QPointer>

#include "ui/SearchContext.h"
#include "ui/map/MapRoute.h"

namespace kw {

class Database;
struct Platform;
class TrainDetailWindow;

class TrainDetailOpener : public QObject {
  Q_OBJECT

 public:
  // Detail windows read `db`, speak through `platform` and are owned by `parent`.
  TrainDetailOpener(Database& db, Platform& platform, QWidget& parent);

  // The open detail window, or null.
  TrainDetailWindow* window() const;

  // Closes the open window and opens one for the train and stretch that
  // `context` names.
  void OpenDetail(const SearchContext& context);
  void CloseDetail();

 signals:
  // A detail window was built and shown.
  void windowOpened(TrainDetailWindow* window);
  // The open window's stop grid asked for the board of the station `name`.
  void stationBoardRequested(const QString& name);
  // The open window's 地图 asked for the train's route on the map.
  void mapRequested(const kw::MapRoute& route);

 private:
  Database& db_;
  Platform& platform_;
  QWidget& parent_;
  QPointer<TrainDetailWindow> window_;
};

}  // namespace kw
