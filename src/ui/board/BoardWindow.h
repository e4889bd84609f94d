// The station board window, frmBoard (车站时刻): every train that calls at
// one station (or, with 含同名车站, at every station whose name begins with the
// text), within a window on the clock, of the chosen types, starting or
// ending there or all, optionally only those going on towards a station.
// One row per call: 车次, 类别, 始发站, 终到站, 到达, 出发, 停留, 里程 (and the
// station in the widened mode), in the window's order (from 23:00, 23:32
// before 00:02). Every header sorts, a second click reverses;
// a row opened (double-click or Enter) asks for the train detail window on
// the stretch from this station to the train's terminus (from its first
// station to here when it ends here). 打印 (Ctrl+P) prints the rows shown.
// The options are remembered from one run to the next.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "query/StationBoard.h"
#include "ui/SearchContext.h"
#include "ui/TrainTypeBoxes.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace kw {

class Database;
struct Platform;
class StationPicker;

class BoardWindow : public QWidget {
  Q_OBJECT

 public:
  // A separate window above `parent`.
  BoardWindow(Database& db, Platform& platform, QWidget* parent);

  // The board of the station named `name` alone, with the window and types
  // as they are (开往 cleared).
  void ShowStation(const QString& name);
  // The search command (查询).
  void Search();
  // The print command (打印): the rows shown, in their order.
  void Print();

  QLineEdit* txtStation;
  QCheckBox* cheSameName;
  QTimeEdit* timAfter;
  QTimeEdit* timUntil;
  // 高铁/城际, 动车, 直达, 特快, 快速, 其他, as in the journey window.
  TypeBoxes cheType{};
  QRadioButton* optAll;
  QRadioButton* optStarts;
  QRadioButton* optEnds;
  QLineEdit* txtTowards;
  QListWidget* lstStation;
  QPushButton* cmdSearch;
  QPushButton* cmdPrint;
  QPushButton* cmdMap;  // 地图: the station shown on the map
  QTreeWidget* lvBoard;
  QLabel* lblCount;

 signals:
  // A row was opened: `context` names its train and stretch.
  void trainDetailRequested(const kw::SearchContext& context);
  // 地图 was pressed: the station of the board shown.
  void stationMapRequested(const QString& name);

 private:
  void BuildControls();
  void RestoreOptions();
  void SaveOptions() const;
  void HeaderClicked(int column);
  void ItemActivated(QTreeWidgetItem* item);
  void FillList();

  Database& db_;
  Platform& platform_;
  StationPicker* picker_;
  BoardResult board_;
  bool widened_ = false;  // the rows shown are of a family of stations
  QString printTitle_;    // the station and the window of the rows shown
  QString fileStem_;      // "北京西 车站时刻", for a saved list or printout
  BoardColumn sort_ = BoardColumn::Depart;
  bool descending_ = false;
  int windowStart_ = 0;  // the clock minute the rows' times count from
};

}  // namespace kw
