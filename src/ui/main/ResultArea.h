// The result area of the main window: the direct-train list lvMain, the two
// leg lists lvchang0/lvchang1 of a journey with a change, the candidate
// transfer stations lstChange, the web pane, and the hidden grids that hold
// the rows for printing (flgDetail for lvMain, flgChange0/flgChange1 for the
// legs).
//
// The grids work like flex grids: row 0 is their header row, kept as ordinary
// cells, and each result row follows it; the table's own headers stay hidden.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "query/ResultRow.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTextBrowser;
class QTreeWidget;

namespace kw {

// Item data of a list row's first column: its key, "Row" + running number.
inline constexpr int kRowKeyRole = Qt::UserRole;
// Item data of a grid row's first cell: the train id of the row.
inline constexpr int kTrainIdRole = Qt::UserRole;
// Item data of a candidate transfer station (lstChange): its name, which the
// list shows as the interface spells it.
inline constexpr int kStationNameRole = Qt::UserRole;

// How a column's text sorts in a numeric sort: its leading number (leading
// spaces allowed); nullopt when the text does not begin with one.
std::optional<double> NumericValue(const QString& text);

class ResultArea : public QWidget {
  Q_OBJECT

 public:
  explicit ResultArea(QWidget* parent = nullptr);

  // The width that shows a whole row of lvMain at its first column widths
  // beside the web pane.
  int WidthForFullRows() const;

  // Empties flgDetail and writes its header row; `mode` "ORDER" heads
  // columns 1 and 2 with the timetable words, "STATION" with the station
  // names, any other mode leaves column 1 empty.
  void SetupDetailGrid(const QString& mode, const QString& fromName, const QString& toName);
  void SetupLegGrid(int leg, const QString& boardName, const QString& alightName);
  void SetupLegList(int leg, const QString& boardName, const QString& alightName);
  // Empties flgDetail.
  void ClearDetailGrid();

  // Rows of a direct result: lvMain rows with keys Row1.., and their print
  // lines in flgDetail (after its header row).
  void FillMain(const std::vector<ResultRow>& rows);
  // Rows of one leg: lvchang(leg) rows with keys from Row<firstKey> on, and
  // their leg lines in flgChange(leg).
  void FillLeg(int leg, const std::vector<ResultRow>& rows, int firstKey);

  // Sorts `list` by the numbers in `column`. Texts that are not numbers,
  // such as "国际列车", come after every number in either order, in the order
  // they had. The list's own text sort is switched off.
  void SortListView(QTreeWidget* list, int column, Qt::SortOrder order);

  QLabel* lblTitle;
  QTreeWidget* lvMain;
  QLabel* lblFirst;
  QLabel* lblLast;
  std::array<QTreeWidget*, 2> lvchang;
  std::array<QTableWidget*, 2> flgChange;
  QTableWidget* flgDetail;
  QLabel* lblChange;
  QListWidget* lstChange;
  // Under the candidates: the journey window on the same search.
  QPushButton* cmdJourney;
  QTextBrowser* WebBrowser1;
  // What the lists show, for the name of a file they are saved to
  // ("北京-上海 车次"); set by each search.
  QString fileStem;

 signals:
  // A row of lvMain was opened (double-click or Enter); `trainId` from its
  // 编号, and for a station-search row the stations of the pair it was found
  // for (empty for a train-number row).
  void mainRowOpened(int trainId, const QString& boardName, const QString& alightName);
  // A row of lvchang(leg) was opened.
  void legRowOpened(int leg, int trainId);
  // flgChange(leg), holding rows, was double-clicked.
  void legGridOpened(int leg);
  // A leg list or grid without rows was opened.
  void emptyLegOpened();
  // flgDetail was double-clicked.
  void detailGridOpened();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Sort settings of a list; they survive refills.
  struct ListSort {
    int column = -1;  // none yet: the rows stand in the order they came
    Qt::SortOrder order = Qt::AscendingOrder;
    bool textSort = false;  // the list keeps itself sorted by text
  };
  // Shows a column of the result area while any of its widgets is shown.
  void FitColumn(QWidget* column);
  ListSort& SortOf(QTreeWidget* list);
  // After rows were added: sorted and marked as its sort says, columns
  // fitted to the texts.
  void Refilled(QTreeWidget* list);
  void ApplyTextSort(QTreeWidget* list);
  void MainHeaderClicked(int column);
  void LegHeaderClicked(int leg, int column);
  void OpenMainRow();
  void OpenLegRow(int leg);

  std::array<QWidget*, 3> columns_{};
  ListSort mainSort_;
  std::array<ListSort, 2> legSort_;
};

}  // namespace kw
