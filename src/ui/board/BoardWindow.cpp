#include "ui/board/BoardWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "store/Database.h"
#include "ui/AppPaths.h"
#include "ui/BusyCursor.h"
#include "ui/FitTexts.h"
#include "ui/FittedColumns.h"
#include "ui/ListCopy.h"
#include "ui/Platform.h"
#include "ui/PrintCommand.h"
#include "ui/PrintedTable.h"
#include "ui/StationPicker.h"
#include "ui/Strings.h"
#include "ui/TimeBoxTyping.h"
#include "ui/Twips.h"

namespace kw {

namespace {

// Item data of a row: its index in the board's rows.
constexpr int kRowRole = Qt::UserRole;

constexpr int kColumnCount = 9;  // the last, 车站, shows in the widened mode only
// Printed column widths, twips: 车次 .. 里程, then 车站.
const std::vector<int> kPrintWidths = {1500, 1300, 1500, 1500, 800, 800, 900, 800, 1500};


// Where the options are remembered (settings group EveryDay).
const QString kKeyStation = QStringLiteral("BoardStation");
const QString kKeySameName = QStringLiteral("BoardSameName");
const QString kKeyAfter = QStringLiteral("BoardAfter");
const QString kKeyUntil = QStringLiteral("BoardUntil");
const QString kKeyTypes = QStringLiteral("BoardTypes");
const QString kKeyEnds = QStringLiteral("BoardEnds");
const QString kKeyTowards = QStringLiteral("BoardTowards");

const QString kTimeFormat = QStringLiteral("HH:mm");

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

int Minutes(const QTimeEdit* time) { return time->time().msecsSinceStartOfDay() / 60000; }

}  // namespace

BoardWindow::BoardWindow(Database& db, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window),
      db_(db),
      platform_(platform),
      picker_(new StationPicker(db, *platform.messages, this)) {
  setObjectName("frmBoard");
  setWindowTitle(str::kBoardTitle);
  resize(TwipsToPixels(12000), TwipsToPixels(9000));
  BuildControls();
  RestoreOptions();

  // The pick list opens under the box typed in; a pick moves on to 查询.
  for (QLineEdit* box : {txtStation, txtTowards}) {
    connect(box, &QLineEdit::textEdited, this,
            [this, box] { picker_->Complete(box, box->mapTo(this, QPoint(0, box->height()))); });
    connect(box, &QLineEdit::returnPressed, this, &BoardWindow::Search);
  }
  connect(picker_, &StationPicker::picked, this, [this] { cmdSearch->setFocus(); });
  connect(cmdSearch, &QPushButton::clicked, this, &BoardWindow::Search);
  // Enter on a focused 查询 (where a pick leaves the focus) searches.
  cmdSearch->setAutoDefault(true);
  connect(cmdPrint, &QPushButton::clicked, this, &BoardWindow::Print);
  connect(cmdMap, &QPushButton::clicked, this, [this] {
    if (!board_.stationName.empty()) emit stationMapRequested(QString::fromStdString(board_.stationName));
  });
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &BoardWindow::Print);
  connect(lvBoard->header(), &QHeaderView::sectionClicked, this, &BoardWindow::HeaderClicked);
  connect(lvBoard, &QTreeWidget::itemActivated, this, &BoardWindow::ItemActivated);
}

void BoardWindow::BuildControls() {
  const auto label = [this](const QString& text) { return new QLabel(text, this); };
  txtStation = Named(new QLineEdit(this), "txtStation");
  txtStation->setToolTip(str::kBoardStationTip);
  txtTowards = Named(new QLineEdit(this), "txtTowards");
  txtTowards->setToolTip(str::kBoardTowardsTip);
  for (QLineEdit* box : {txtStation, txtTowards}) {
    MakeStationBox(box);
    // Wider in English, for a picked name with its spelling.
    box->setFixedWidth(TwipsToPixels(TextsAreTranslated() ? 2700 : 1800));
  }
  cheSameName = Named(new QCheckBox(str::kBoardSameName, this), "cheSameName");
  cheSameName->setToolTip(str::kBoardSameNameTip);
  cmdSearch = Named(new QPushButton(str::kJourneySearch, this), "cmdSearch");
  cmdPrint = Named(new QPushButton(str::kPrint, this), "cmdPrint");
  cmdPrint->setEnabled(false);
  cmdMap = Named(new QPushButton(str::kMapButton, this), "cmdMap");
  cmdMap->setToolTip(str::kMapButtonTip);
  cmdMap->setEnabled(false);

  timAfter = Named(new QTimeEdit(QTime(0, 0), this), "timAfter");
  timUntil = Named(new QTimeEdit(QTime(23, 59), this), "timUntil");
  for (QTimeEdit* time : {timAfter, timUntil}) {
    time->setDisplayFormat(kTimeFormat);
    time->setToolTip(str::kBoardTimeTip);
    TakeTypedTimes(time);
  }
  optAll = Named(new QRadioButton(str::kBoardAll, this), "optAll");
  optStarts = Named(new QRadioButton(str::kBoardStartsOnly, this), "optStarts");
  optEnds = Named(new QRadioButton(str::kBoardEndsOnly, this), "optEnds");
  optAll->setChecked(true);

  auto* stations = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{label(str::kBoardStation), txtStation, cheSameName,
                                                    label(str::kBoardTowards), txtTowards, cmdSearch}) {
    stations->addWidget(w);
  }
  stations->addStretch(1);

  auto* options = new QHBoxLayout;
  for (QWidget* w :
       std::initializer_list<QWidget*>{label(str::kBoardTime), timAfter, label(str::kJourneyLeaveTo),
                                       timUntil, optAll, optStarts, optEnds}) {
    options->addWidget(w);
  }
  options->addStretch(1);

  auto* types = new QHBoxLayout;
  AddTypeBoxes(this, *types, cheType);
  types->addStretch(1);
  types->addWidget(cmdMap);
  types->addWidget(cmdPrint);

  lvBoard = Named(new QTreeWidget(this), "lvBoard");
  lvBoard->setColumnCount(kColumnCount);
  lvBoard->setHeaderLabels(QStringList(std::begin(str::kBoardColumns), std::end(str::kBoardColumns)));
  lvBoard->setToolTip(str::kOpenRowTip);
  lvBoard->setRootIsDecorated(false);
  lvBoard->setUniformRowHeights(true);
  lvBoard->setAllColumnsShowFocus(true);
  lvBoard->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lvBoard->header()->setSectionsClickable(true);
  lvBoard->header()->setSortIndicatorShown(true);
  lvBoard->header()->setSortIndicator(static_cast<int>(BoardColumn::Depart), Qt::AscendingOrder);
  lvBoard->header()->setStretchLastSection(false);
  ShowCutTextsInToolTips(*lvBoard);
  AttachListCopy(lvBoard, platform_, [this] { return fileStem_; });
  lblCount = Named(new QLabel(this), "lblCount");
  auto* counts = new QHBoxLayout;
  counts->addWidget(lblCount);
  counts->addStretch(1);
  counts->addWidget(NewTypesLeftOutLabel(this, cheType));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(stations);
  layout->addLayout(options);
  layout->addLayout(types);
  layout->addWidget(lvBoard, 1);
  layout->addLayout(counts);

  lstStation = picker_->list();
}

void BoardWindow::RestoreOptions() {
  txtStation->setText(StationBoxText(ReadEveryDay(kKeyStation)));
  cheSameName->setChecked(ReadEveryDay(kKeySameName) == QStringLiteral("1"));
  // A remembered value that is no time (an edited settings file) leaves the box as it is.
  for (auto [box, key] : {std::pair{timAfter, kKeyAfter}, std::pair{timUntil, kKeyUntil}}) {
    const QTime time = QTime::fromString(ReadEveryDay(key), kTimeFormat);
    if (time.isValid()) box->setTime(time);
  }
  const QString types = ReadEveryDay(kKeyTypes);
  if (types.size() == static_cast<int>(cheType.size())) {
    for (size_t i = 0; i < cheType.size(); ++i) cheType[i]->setChecked(types[static_cast<int>(i)] != u'0');
  }
  const QString ends = ReadEveryDay(kKeyEnds);
  (ends == QStringLiteral("start") ? optStarts
   : ends == QStringLiteral("end") ? optEnds
                                   : optAll)
      ->setChecked(true);
  txtTowards->setText(StationBoxText(ReadEveryDay(kKeyTowards)));
}

void BoardWindow::SaveOptions() const {
  WriteEveryDay(kKeyStation, QString::fromStdString(StationBoxName(txtStation->text())));
  WriteEveryDay(kKeySameName, cheSameName->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  WriteEveryDay(kKeyAfter, timAfter->time().toString(kTimeFormat));
  WriteEveryDay(kKeyUntil, timUntil->time().toString(kTimeFormat));
  QString types;
  for (const QCheckBox* box : cheType) types += box->isChecked() ? u'1' : u'0';
  WriteEveryDay(kKeyTypes, types);
  WriteEveryDay(kKeyEnds, optStarts->isChecked() ? QStringLiteral("start")
                          : optEnds->isChecked() ? QStringLiteral("end")
                                                 : QStringLiteral("all"));
  WriteEveryDay(kKeyTowards, QString::fromStdString(StationBoxName(txtTowards->text())));
}

void BoardWindow::ShowStation(const QString& name) {
  txtStation->setText(StationBoxText(name));
  cheSameName->setChecked(false);
  txtTowards->clear();
  Search();
}

void BoardWindow::Search() {
  picker_->Close();
  board_ = {};
  FillList();
  SaveOptions();
  BoardRequest request;
  request.stationText = StationBoxName(txtStation->text());
  request.allWithPrefix = cheSameName->isChecked();
  request.after = Minutes(timAfter);
  request.until = Minutes(timUntil);
  request.types = CheckedTypes(cheType);
  request.ends = optStarts->isChecked() ? BoardEnds::Starting
                 : optEnds->isChecked() ? BoardEnds::Terminating
                                        : BoardEnds::All;
  request.towards = StationBoxName(txtTowards->text());
  // Messages wait until the hourglass has gone.
  try {
    BusyCursor busy;
    board_ = FindStationBoard(db_, request);
  } catch (const DatabaseError& e) {
    board_ = {};
    platform_.messages->Show(this, Q(e.what()), MessageIcon::Critical);
    return;
  }
  if (!board_.message.empty()) {
    const QString message = Q(board_.message);
    board_ = {};
    platform_.messages->Show(this, message);
    return;
  }
  widened_ = request.allWithPrefix;
  printTitle_ = str::kBoardPrintTitle.arg(str::StationName(board_.stationName), timAfter->time().toString(kTimeFormat),
                                          timUntil->time().toString(kTimeFormat));
  fileStem_ = str::FileStem({str::StationName(board_.stationName)}, str::kFileBoard);
  windowStart_ = request.after;
  SortBoard(board_.rows, sort_, descending_, windowStart_);
  FillList();
}

void BoardWindow::FillList() {
  lvBoard->clear();
  lvBoard->setColumnHidden(kColumnCount - 1, !widened_);
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<int>(board_.rows.size()));
  for (size_t i = 0; i < board_.rows.size(); ++i) {
    const BoardRow& row = board_.rows[i];
    auto* item = new QTreeWidgetItem(QStringList{
        Q(row.train), str::DataWord(row.kind), str::StationName(row.from), str::StationName(row.to),
        Q(row.arriveText), Q(row.departText), row.dwellMinutes ? QString::number(*row.dwellMinutes) : QString(),
        Q(row.kmText), str::StationName(row.station)});
    for (int c : {4, 5, 6, 7}) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(0, kRowRole, static_cast<int>(i));
    items << item;
  }
  lvBoard->addTopLevelItems(items);
  lvBoard->header()->setSortIndicator(static_cast<int>(sort_),
                                      descending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
  FitColumnsToContents(*lvBoard);
  lblCount->setText(board_.rows.empty() ? QString() : str::kBoardCount.arg(board_.rows.size()));
  cmdPrint->setEnabled(!board_.rows.empty());
  cmdMap->setEnabled(!board_.stationName.empty());
}

void BoardWindow::HeaderClicked(int column) {
  const auto clicked = static_cast<BoardColumn>(column);
  // The same header again reverses the order; another sorts ascending.
  descending_ = clicked == sort_ ? !descending_ : false;
  sort_ = clicked;
  SortBoard(board_.rows, sort_, descending_, windowStart_);
  FillList();
}

void BoardWindow::ItemActivated(QTreeWidgetItem* item) {
  if (!item) return;
  const int index = item->data(0, kRowRole).toInt();
  if (index < 0 || index >= static_cast<int>(board_.rows.size())) return;
  const BoardRow& row = board_.rows[static_cast<size_t>(index)];
  SearchContext context;
  context.queryMode = kModeStation;
  context.selectedTrainId = row.trainId;
  context.legBoardName = row.stretchFrom();
  context.legAlightName = row.stretchTo();
  emit trainDetailRequested(context);
}

void BoardWindow::Print() {
  if (board_.rows.empty()) return;
  const int columns = widened_ ? kColumnCount : kColumnCount - 1;
  const std::vector<int> widths(kPrintWidths.begin(), kPrintWidths.begin() + columns);
  GridTexts rows;
  QStringList header;
  for (int c = 0; c < columns; ++c) header << str::kBoardColumns[c];
  rows.push_back(header);
  for (int i = 0; i < lvBoard->topLevelItemCount(); ++i) {
    QStringList cells;
    for (int c = 0; c < columns; ++c) cells << lvBoard->topLevelItem(i)->text(c);
    rows.push_back(cells);
  }
  const PrintedTable table{printTitle_, {{kTableLeft, widths, &rows}}, str::kFooterPage, str::kFooterPage};
  RunPrintCommand(this, platform_, str::kConfirmPrint, fileStem_,
                  [&](PrintSurface& surface) { PrintTable(surface, table); });
}

}  // namespace kw
