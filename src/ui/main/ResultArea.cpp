#include "ui/main/ResultArea.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/FittedColumns.h"
#include "ui/NaturalOrder.h"
#include "ui/SearchContext.h"
#include "ui/Strings.h"
#include "ui/Twips.h"
#include "ui/main/StartPage.h"

namespace kw {

std::optional<double> NumericValue(const QString& text) {
  static const QRegularExpression leadingNumber(QStringLiteral(R"(^\s*([+-]?(\d+(\.\d*)?|\.\d+)))"));
  const auto match = leadingNumber.match(text);
  if (!match.hasMatch()) return std::nullopt;
  return match.captured(1).toDouble();
}

namespace {

// lvMain columns, with widths of our choosing (twips) that hold a long row
// of the national timetable; once filled, each column takes its content's
// width.
struct MainColumn {
  str::Text header;  // read when the list is made, in the interface's language
  int width;
};
const MainColumn kMainColumns[] = {
    {str::kColTrain, 4800}, {str::kColStart, 1100}, {str::kColEnd, 1200}, {str::kColDistance, 1400},
    {str::kColFare, 1700},  {str::kColMemo, 1200},  {str::kColId, 900},   {str::kColBoard, 1200},
    {str::kColAlight, 1200},
};
// Item data of an lvMain row's first column: the stations of the pair a
// station-search row was found for.
constexpr int kBoardRole = Qt::UserRole + 1;
constexpr int kAlightRole = Qt::UserRole + 2;
// The web pane keeps at least this width (twips) beside a list.
constexpr int kWebPaneWidth = 3600;
constexpr int kMainIdColumn = 6;
// 上车站 and 下车站, shown for a station search's rows.
constexpr int kMainBoardColumn = 7;
constexpr int kMainAlightColumn = 8;
// The train number, which sorts in natural order (G5 before G11).
constexpr int kTrainColumn = 0;
constexpr int kLegIdColumn = 3;
// Columns sorted by number on a header click: distance and fare.
constexpr int kMainDistanceColumn = 3;
constexpr int kMainFareColumn = 4;

// A result list asks its column of the result area for the width of its
// whole rows; the web pane beside it gives way.
class ResultList final : public QTreeWidget {
 public:
  explicit ResultList(QWidget* parent) : QTreeWidget(parent) {
    connect(header(), &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
  }
  QSize sizeHint() const override {
    return {header()->length() + 2 * frameWidth() + verticalScrollBar()->sizeHint().width(),
            QTreeWidget::sizeHint().height()};
  }
};

QTreeWidget* MakeList(QWidget* parent, const char* name) {
  auto* list = new ResultList(parent);
  list->setObjectName(name);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  // Shift, Ctrl and Ctrl+A select several rows, which Ctrl+C copies.
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setSortingEnabled(false);
  list->header()->setSectionsClickable(true);
  list->header()->setSectionsMovable(false);
  // The last column is as wide as its texts too, so that the list asks for
  // the width of its rows and no more.
  list->header()->setStretchLastSection(false);
  // Every header keeps room for the arrow of a sort; none shows one yet.
  list->header()->setSortIndicatorShown(true);
  list->header()->setSortIndicator(-1, Qt::AscendingOrder);
  ShowCutTextsInToolTips(*list);
  list->hide();
  return list;
}

QTableWidget* MakeGrid(QWidget* parent, const char* name) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(name);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setToolTip(str::kOpenRowTip);
  grid->hide();
  return grid;
}

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->hide();
  return label;
}

// Writes `cells` into row `row` of `grid`.
void SetGridRow(QTableWidget* grid, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size() && c < grid->columnCount(); ++c) {
    grid->setItem(row, c, new QTableWidgetItem(cells[c]));
  }
}

// Empties `grid` down to its header row, with `widths` (twips) as columns.
void SetupGrid(QTableWidget* grid, const QStringList& header, const std::vector<int>& widths) {
  grid->clear();
  grid->setRowCount(1);
  grid->setColumnCount(static_cast<int>(widths.size()));
  for (int c = 0; c < grid->columnCount(); ++c) grid->setColumnWidth(c, TwipsToPixels(widths[c]));
  SetGridRow(grid, 0, header);
}

// Appends a row made of the tab-separated parts of `line`.
void AppendGridLine(QTableWidget* grid, const std::string& line, int trainId) {
  const QStringList cells = QString::fromStdString(line).split(u'\t');
  if (grid->columnCount() < cells.size()) grid->setColumnCount(static_cast<int>(cells.size()));
  const int row = grid->rowCount();
  grid->setRowCount(row + 1);
  SetGridRow(grid, row, cells);
  grid->item(row, 0)->setData(kTrainIdRole, trainId);
}

QString RowKey(int n) { return QStringLiteral("Row%1").arg(n); }

int IdOf(const QTreeWidgetItem* item, int column) {
  return static_cast<int>(NumericValue(item->text(column)).value_or(0));
}

}  // namespace

ResultArea::ResultArea(QWidget* parent) : QWidget(parent) {
  setObjectName("ResultArea");

  lblChange = MakeCaption(this, "lblChange", str::kTransferListLabel);
  lstChange = new QListWidget(this);
  lstChange->setObjectName("lstChange");
  lstChange->setFixedWidth(TwipsToPixels(2250));
  lstChange->hide();
  cmdJourney = new QPushButton(str::kOfferJourneys, this);
  cmdJourney->setObjectName("cmdJourney");
  cmdJourney->hide();

  lblTitle = MakeCaption(this, "lblTitle", str::kResultTitle);
  lvMain = MakeList(this, "lvMain");
  lvMain->setToolTip(str::kOpenRowTip);
  lvMain->setColumnCount(static_cast<int>(std::size(kMainColumns)));
  QStringList headers;
  for (const auto& column : kMainColumns) headers << column.header;
  lvMain->setHeaderLabels(headers);
  for (int c = 0; c < lvMain->columnCount(); ++c)
    lvMain->setColumnWidth(c, TwipsToPixels(kMainColumns[c].width));

  lblFirst = MakeCaption(this, "lblFirst");
  lblLast = MakeCaption(this, "lblLast");
  for (int leg = 0; leg < 2; ++leg) {
    lvchang[leg] = MakeList(this, leg == 0 ? "lvchang0" : "lvchang1");
    flgChange[leg] = MakeGrid(this, leg == 0 ? "flgChange0" : "flgChange1");
  }
  flgDetail = MakeGrid(this, "flgDetail");

  WebBrowser1 = new StartPage(this);
  WebBrowser1->setObjectName("WebBrowser1");
  WebBrowser1->setOpenExternalLinks(true);
  WebBrowser1->setMinimumWidth(TwipsToPixels(kWebPaneWidth));

  // Candidates on the left; the direct list or the first leg in the middle,
  // as wide as its rows; the web pane or the second leg on the right, in the
  // rest. A column shows while any of its widgets does.
  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(TwipsToPixels(120), 0, TwipsToPixels(120), TwipsToPixels(60));
  const std::initializer_list<QWidget*> columnWidgets[] = {{lblChange, lstChange, cmdJourney},
                                                           {lblTitle, lvMain, lblFirst, lvchang[0]},
                                                           {WebBrowser1, lblLast, lvchang[1]}};
  const int stretch[] = {0, 0, 1};
  for (int c = 0; c < 3; ++c) {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : columnWidgets[c]) {
      layout->addWidget(w, qobject_cast<QLabel*>(w) ? 0 : 1);
      w->installEventFilter(this);
    }
    columns->addWidget(column, stretch[c]);
    columns_[c] = column;
    FitColumn(column);
  }

  connect(lvMain->header(), &QHeaderView::sectionClicked, this, &ResultArea::MainHeaderClicked);
  lvMain->installEventFilter(this);
  lvMain->viewport()->installEventFilter(this);
  for (int leg = 0; leg < 2; ++leg) {
    connect(lvchang[leg]->header(), &QHeaderView::sectionClicked, this,
            [this, leg](int column) { LegHeaderClicked(leg, column); });
    lvchang[leg]->installEventFilter(this);
    lvchang[leg]->viewport()->installEventFilter(this);
    connect(flgChange[leg], &QTableWidget::cellDoubleClicked, this, [this, leg] {
      if (flgChange[leg]->rowCount() <= 1)
        emit emptyLegOpened();
      else
        emit legGridOpened(leg);
    });
  }
  connect(flgDetail, &QTableWidget::cellDoubleClicked, this, &ResultArea::detailGridOpened);
}

int ResultArea::WidthForFullRows() const {
  const QMargins margins = layout()->contentsMargins();
  return margins.left() + lvMain->sizeHint().width() + layout()->spacing() +
         std::max(WebBrowser1->sizeHint().width(), WebBrowser1->minimumWidth()) + margins.right();
}

void ResultArea::SetupDetailGrid(const QString& mode, const QString& fromName, const QString& toName) {
  QString startHeader;
  QString endHeader;
  if (mode == kModeOrder) {
    startHeader = str::kColStart;
    endHeader = str::kColEnd;
  } else {
    if (mode == kModeStation) startHeader = fromName + str::kDepartsSuffix;
    endHeader = toName + str::kArrivesSuffix;
  }
  SetupGrid(flgDetail,
            {str::kColTrain, startHeader, endHeader, str::kColDistance, str::kColFare, str::kColMemo},
            {3500, 1100, 1300, 1100, 1400, 1700});
}

void ResultArea::SetupLegGrid(int leg, const QString& boardName, const QString& alightName) {
  SetupGrid(flgChange[leg],
            {str::kColTrain, boardName + str::kDepartsSuffix, alightName + str::kArrivesSuffix},
            {2400, 950, 1000});
}

void ResultArea::SetupLegList(int leg, const QString& boardName, const QString& alightName) {
  QTreeWidget* list = lvchang[leg];
  list->clear();
  list->setColumnCount(4);
  list->setHeaderLabels(
      {str::kColTrain, boardName + str::kDepartsSuffix, alightName + str::kArrivesSuffix, str::kColId});
  const int widths[] = {2000, 1000, 1500};
  for (int c = 0; c < 3; ++c) list->setColumnWidth(c, TwipsToPixels(widths[c]));
  list->setColumnHidden(kLegIdColumn, true);
}

void ResultArea::ClearDetailGrid() {
  flgDetail->clear();
  flgDetail->setRowCount(0);
}

void ResultArea::FillMain(const std::vector<ResultRow>& rows) {
  int n = lvMain->topLevelItemCount();
  // A station search's rows say where their train is boarded and left; a
  // train number search's do not.
  const bool stations = std::any_of(rows.begin(), rows.end(), [](const ResultRow& r) { return !r.boardName.empty(); });
  lvMain->setColumnHidden(kMainBoardColumn, !stations);
  lvMain->setColumnHidden(kMainAlightColumn, !stations);
  for (const auto& row : rows) {
    auto* item = new NaturalItem(
        QStringList{QString::fromStdString(row.caption), QString::fromStdString(row.startText),
                    QString::fromStdString(row.endText), QString::fromStdString(row.distanceText),
                    QString::fromStdString(row.fareText), str::DataWord(row.memoText),
                    QString::number(row.trainId), str::StationName(row.boardName),
                    str::StationName(row.alightName)},
        kTrainColumn);
    item->setData(0, kRowKeyRole, RowKey(++n));
    item->setData(0, kBoardRole, QString::fromStdString(row.boardName));
    item->setData(0, kAlightRole, QString::fromStdString(row.alightName));
    lvMain->addTopLevelItem(item);
    AppendGridLine(flgDetail, row.printLine, row.trainId);
  }
  Refilled(lvMain);
}

void ResultArea::FillLeg(int leg, const std::vector<ResultRow>& rows, int firstKey) {
  int n = firstKey;
  for (const auto& row : rows) {
    auto* item = new NaturalItem(QStringList{QString::fromStdString(row.caption), QString::fromStdString(row.startText),
                                             QString::fromStdString(row.endText), QString::number(row.trainId)},
                                 kTrainColumn);
    item->setData(0, kRowKeyRole, RowKey(n++));
    lvchang[leg]->addTopLevelItem(item);
    AppendGridLine(flgChange[leg], row.legLine, row.trainId);
  }
  Refilled(lvchang[leg]);
}

// A list that keeps itself sorted sorts its new rows; the rows of any other
// list stand in the order they came, under no sort arrow.
void ResultArea::Refilled(QTreeWidget* list) {
  ListSort& sort = SortOf(list);
  if (sort.textSort) {
    ApplyTextSort(list);
  } else {
    sort.column = -1;  // the next click on any column sorts ascending
    list->header()->setSortIndicator(-1, sort.order);
  }
  FitColumnsToContents(*list);
}

ResultArea::ListSort& ResultArea::SortOf(QTreeWidget* list) {
  if (list == lvchang[0]) return legSort_[0];
  if (list == lvchang[1]) return legSort_[1];
  return mainSort_;
}

void ResultArea::ApplyTextSort(QTreeWidget* list) {
  const ListSort& sort = SortOf(list);
  list->sortItems(sort.column, sort.order);
  list->header()->setSortIndicator(sort.column, sort.order);
}

void ResultArea::SortListView(QTreeWidget* list, int column, Qt::SortOrder order) {
  ListSort& sort = SortOf(list);
  sort.textSort = false;
  sort.column = column;
  sort.order = order;

  QTreeWidgetItem* current = list->currentItem();
  std::vector<QTreeWidgetItem*> items;
  while (list->topLevelItemCount() > 0) items.push_back(list->takeTopLevelItem(0));
  std::stable_sort(items.begin(), items.end(), [&](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
    const auto x = NumericValue(a->text(column));
    const auto y = NumericValue(b->text(column));
    if (!x || !y) return x.has_value() && !y.has_value();
    return order == Qt::AscendingOrder ? *x < *y : *x > *y;
  });
  for (QTreeWidgetItem* item : items) list->addTopLevelItem(item);
  if (current) list->setCurrentItem(current);
  list->header()->setSortIndicator(column, order);
}

// A new column sorts ascending; the same column again flips the order.
void ResultArea::MainHeaderClicked(int column) {
  mainSort_.order =
      column == mainSort_.column && mainSort_.order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  mainSort_.column = column;
  if (column == kMainDistanceColumn || column == kMainFareColumn) {
    SortListView(lvMain, column, mainSort_.order);
    return;
  }
  mainSort_.textSort = true;
  ApplyTextSort(lvMain);
}

// A new column sorts ascending; the same column again flips the order.
void ResultArea::LegHeaderClicked(int leg, int column) {
  ListSort& sort = legSort_[leg];
  if (column == sort.column) {
    sort.order = sort.order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  } else {
    sort.order = Qt::AscendingOrder;
    sort.column = column;
  }
  sort.textSort = true;
  ApplyTextSort(lvchang[leg]);
}

void ResultArea::OpenMainRow() {
  const QTreeWidgetItem* item = lvMain->currentItem();
  if (!item) return;
  emit mainRowOpened(IdOf(item, kMainIdColumn), item->data(0, kBoardRole).toString(),
                     item->data(0, kAlightRole).toString());
}

void ResultArea::OpenLegRow(int leg) {
  const QTreeWidgetItem* item = lvchang[leg]->currentItem();
  if (lvchang[leg]->topLevelItemCount() == 0 || !item) {
    emit emptyLegOpened();
    return;
  }
  emit legRowOpened(leg, IdOf(item, kLegIdColumn));
}

void ResultArea::FitColumn(QWidget* column) {
  const auto children = column->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  column->setVisible(
      std::any_of(children.begin(), children.end(), [](QWidget* w) { return !w->isHidden(); }));
}

bool ResultArea::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
    QWidget* parent = static_cast<QWidget*>(watched)->parentWidget();
    if (std::find(columns_.begin(), columns_.end(), parent) != columns_.end()) FitColumn(parent);
    return false;
  }
  const bool isKey =
      event->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
  const bool isDoubleClick = event->type() == QEvent::MouseButtonDblClick;
  if (!isKey && !isDoubleClick) return QWidget::eventFilter(watched, event);

  QTreeWidget* list = nullptr;
  for (QTreeWidget* candidate : {lvMain, lvchang[0], lvchang[1]}) {
    if (watched == (isKey ? static_cast<QObject*>(candidate) : candidate->viewport())) list = candidate;
  }
  if (!list) return QWidget::eventFilter(watched, event);

  if (isDoubleClick) {
    // The row under the pointer becomes the selected row first; a
    // double-click beside the rows of a list that has rows opens nothing.
    QTreeWidgetItem* item = list->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (item)
      list->setCurrentItem(item);
    else if (list->topLevelItemCount() > 0)
      return false;
  }
  if (list == lvMain)
    OpenMainRow();
  else
    OpenLegRow(list == lvchang[0] ? 0 : 1);
  return true;
}

}  // namespace kw
