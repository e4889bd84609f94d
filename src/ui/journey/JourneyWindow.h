// The journey window, frmJourney: journeys of one to three trains that really
// connect, over one day of departures. From and To boxes with the query
// panel's pick list, the departure window, the most changes, the least time
// to change, the time an extra change must save and the train types (the
// options are kept in the settings from one run to the next); one row per
// journey (出发, 到达, 历时, 换乘, 车次, 中转, total km and hard-seat fare,
// 上车站, 下车站), which opens onto its legs (boarding and alighting station
// with their times, riding time, train, wait before it, km and fare). A leg
// opened (double-click or Enter) asks for the train detail window on that
// train, from its boarding to its alighting station. Every column header
// sorts (车次 by the value of its digits), a second click the other way
// round; changing a box greys the list until the next 查询, which Enter in
// any box also runs. The train types switched off are named under the list.
// 打印 (Ctrl+P) prints the rows shown.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "journey/JourneyTexts.h"
#include "journey/JourneyTimetable.h"
#include "ui/SearchContext.h"
#include "ui/TrainTypeBoxes.h"
#include "ui/map/MapRoute.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kw {

class Database;
struct Platform;
class StationPicker;

class JourneyWindow : public QWidget {
  Q_OBJECT

 public:
  // A separate window above `parent`.
  JourneyWindow(Database& db, Platform& platform, QWidget* parent);

  // Puts the stations and the earliest departure (minutes after midnight;
  // the latest is the end of the day) into the boxes and searches.
  void SearchFrom(const QString& from, const QString& to, int earliestDeparture);
  // Puts each of the stations that is not empty into its box.
  void StartWith(const QString& from, const QString& to);
  // The search command (查询).
  void Search();
  // The print command (打印): the rows shown, legs of opened journeys under
  // their journey.
  void Print();
  // The legs of the selected journey (the first when none is selected), as
  // the map draws them; no legs when the list is empty.
  MapRoute SelectedJourneyRoute();

  QLineEdit* txtFstation;
  QLineEdit* txtEstation;
  QToolButton* cmdSwap;  // ⇄ between From and To
  QListWidget* lstStation;
  QTimeEdit* timAfter;
  QTimeEdit* timUntil;
  QSpinBox* spnChanges;
  QSpinBox* spnMinChange;
  QSpinBox* spnSlack;
  // 高铁/城际, 动车, 直达, 特快, 快速, 其他.
  TypeBoxes cheType{};
  QPushButton* cmdSearch;
  QPushButton* cmdPrint;
  QPushButton* cmdMap;  // 地图: the selected journey's legs on the map
  QTreeWidget* lvJourney;
  QLabel* lblCount;

 signals:
  // A leg was opened: `context` names its train and stretch ("CHANGE").
  void legDetailRequested(const kw::SearchContext& context);
  // 地图 was pressed: the selected journey's legs.
  void journeyMapRequested(const kw::MapRoute& route);

 private:
  struct Row {
    Journey journey;
    JourneyTexts texts;
    JourneyTotals totals;
    std::vector<RowFigures> fares;  // by leg
    bool opened = false;            // shown with its legs
  };

  bool eventFilter(QObject* watched, QEvent* event) override;
  void BuildControls();
  void HeaderClicked(int column);
  void ItemActivated(QTreeWidgetItem* item);
  void FillList();
  void ShowSortIndicator();
  // A box changed: the list no longer answers the boxes, and the options
  // are kept.
  void BoxChanged();
  void ReadOptions();
  void WriteOptions() const;
  bool RowBefore(const Row& a, const Row& b) const;

  Database& db_;
  Platform& platform_;
  JourneyTimetableCache timetable_;
  std::vector<Row> rows_;
  int sortColumn_ = 0;
  bool sortDescending_ = false;
  bool stale_ = false;
  QString printTitle_;  // of the search the list shows
  QString fileStem_;    // "北京-上海 中转行程", for a saved list or printout
  StationPicker* picker_;
};

}  // namespace kw
