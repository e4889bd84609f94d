#include "ui/journey/JourneyWindow.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <optional>

#include "journey/JourneyEnds.h"
#include "query/TrainDetail.h"
#include "query/StationLookup.h"
#include "ui/AppPaths.h"
#include "store/CoreStrings.h"
#include "store/Database.h"
#include "ui/BusyCursor.h"
#include "ui/FitTexts.h"
#include "ui/FittedColumns.h"
#include "ui/ListCopy.h"
#include "ui/NaturalOrder.h"
#include "ui/Platform.h"
#include "ui/PrintCommand.h"
#include "ui/PrintSurface.h"
#include "ui/PrintedTable.h"
#include "ui/StationPicker.h"
#include "ui/Strings.h"
#include "ui/TimeBoxTyping.h"
#include "ui/Twips.h"

namespace kw {

namespace {

// Item data of a leg row.
constexpr int kTrainRole = Qt::UserRole;
constexpr int kBoardRole = Qt::UserRole + 1;
constexpr int kAlightRole = Qt::UserRole + 2;

constexpr int kColumnCount = 10;
// The columns 出发 .. 换乘 sort as the core sorts journeys.
constexpr JourneySort kColumnSorts[] = {JourneySort::Departure, JourneySort::Arrival, JourneySort::Duration,
                                        JourneySort::Changes};
enum Column { kTrainsColumn = 4, kTransfersColumn, kDistanceColumn, kFareColumn, kBoardColumn, kAlightColumn };

// Printed columns are as wide as their widest text at the cell size, plus
// room for the rules; narrowed in step when they outrun the page, where the
// texts print smaller.
constexpr int kPrintColumnRoom = 120;
constexpr int kPrintRightMargin = 400;

// The window's options in the settings.
const QString kAfterKey = QStringLiteral("JourneyAfter");
const QString kUntilKey = QStringLiteral("JourneyUntil");
const QString kChangesKey = QStringLiteral("JourneyMaxChanges");
const QString kMinChangeKey = QStringLiteral("JourneyMinChange");
const QString kSlackKey = QStringLiteral("JourneySlack");
const QString kTypesKey = QStringLiteral("JourneyTypes");


QString Q(const std::string& text) { return QString::fromStdString(text); }

// Where a journey is boarded and left: its first leg's boarding station and
// its last leg's alighting station.
std::string Boarded(const JourneyTexts& t) { return t.legs.empty() ? std::string() : t.legs.front().board; }
std::string Left(const JourneyTexts& t) { return t.legs.empty() ? std::string() : t.legs.back().alight; }

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

JourneyWindow::JourneyWindow(Database& db, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window),
      db_(db),
      platform_(platform),
      timetable_(db),
      picker_(new StationPicker(db, *platform.messages, this)) {
  setObjectName("frmJourney");
  setWindowTitle(str::kJourneyTitle);
  resize(TwipsToPixels(18000), TwipsToPixels(9000));
  BuildControls();
  ReadOptions();
  // The timetable is read from its snapshot while the window opens and the
  // stations are typed, rather than when 查询 is pressed.
  timetable_.Prepare();

  // The pick list opens under the box typed in; a pick moves on to the next
  // box, then to 查询.
  for (QLineEdit* box : {txtFstation, txtEstation}) {
    connect(box, &QLineEdit::textEdited, this,
            [this, box] { picker_->Complete(box, box->mapTo(this, QPoint(0, box->height()))); });
    connect(box, &QLineEdit::textChanged, this, &JourneyWindow::BoxChanged);
  }
  for (QTimeEdit* time : {timAfter, timUntil}) connect(time, &QTimeEdit::timeChanged, this, &JourneyWindow::BoxChanged);
  for (QSpinBox* spin : {spnChanges, spnMinChange, spnSlack})
    connect(spin, &QSpinBox::valueChanged, this, &JourneyWindow::BoxChanged);
  for (QCheckBox* box : cheType) connect(box, &QCheckBox::toggled, this, &JourneyWindow::BoxChanged);
  connect(picker_, &StationPicker::picked, this, [this](QLineEdit* box) {
    (box == txtFstation ? static_cast<QWidget*>(txtEstation) : cmdSearch)->setFocus();
  });
  connect(cmdSwap, &QToolButton::clicked, this, [this] {
    picker_->Close();
    const QString from = txtFstation->text();
    txtFstation->setText(txtEstation->text());
    txtEstation->setText(from);
  });
  connect(txtEstation, &QLineEdit::returnPressed, this, &JourneyWindow::Search);
  connect(txtFstation, &QLineEdit::returnPressed, this, [this] {
    if (txtEstation->text().trimmed().isEmpty())
      txtEstation->setFocus();
    else
      Search();
  });
  connect(cmdSearch, &QPushButton::clicked, this, &JourneyWindow::Search);
  // Enter searches from 查询 and from the time and number boxes.
  for (QWidget* w : std::initializer_list<QWidget*>{cmdSearch, timAfter, timUntil, spnChanges, spnMinChange, spnSlack})
    w->installEventFilter(this);
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &JourneyWindow::Print);
  connect(cmdPrint, &QPushButton::clicked, this, &JourneyWindow::Print);
  connect(cmdMap, &QPushButton::clicked, this, [this] {
    const MapRoute route = SelectedJourneyRoute();
    if (!route.legs.empty()) emit journeyMapRequested(route);
  });
  connect(lvJourney->header(), &QHeaderView::sectionClicked, this, &JourneyWindow::HeaderClicked);
  connect(lvJourney, &QTreeWidget::itemActivated, this, &JourneyWindow::ItemActivated);
}

// Enter on 查询, in a time box or a number box searches.
bool JourneyWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // A number typed into a box counts before the search reads it.
      if (auto* box = qobject_cast<QAbstractSpinBox*>(watched)) box->interpretText();
      Search();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void JourneyWindow::BuildControls() {
  const auto label = [this](const QString& text) { return new QLabel(text, this); };
  txtFstation = Named(new QLineEdit(this), "txtFstation");
  txtEstation = Named(new QLineEdit(this), "txtEstation");
  txtFstation->setToolTip(str::kFromTip);
  txtEstation->setToolTip(str::kToTip);
  for (QLineEdit* box : {txtFstation, txtEstation}) {
    MakeStationBox(box);
    // Wider in English, for a picked name with its spelling.
    box->setFixedWidth(TwipsToPixels(TextsAreTranslated() ? 2700 : 1800));
  }
  cmdSwap = Named(new QToolButton(this), "cmdSwap");
  cmdSwap->setText(str::kSwapStations);
  cmdSwap->setToolTip(str::kJourneySwapTip);
  cmdSearch = Named(new QPushButton(str::kJourneySearch, this), "cmdSearch");
  cmdPrint = Named(new QPushButton(str::kPrint, this), "cmdPrint");
  cmdMap = Named(new QPushButton(str::kMapButton, this), "cmdMap");
  cmdMap->setToolTip(str::kMapButtonTip);

  timAfter = Named(new QTimeEdit(QTime(0, 0), this), "timAfter");
  timUntil = Named(new QTimeEdit(QTime(23, 59), this), "timUntil");
  for (QTimeEdit* time : {timAfter, timUntil}) {
    time->setDisplayFormat(QStringLiteral("HH:mm"));
    TakeTypedTimes(time);
  }
  const auto spin = [this](const char* name, int highest, int value) {
    auto* box = Named(new QSpinBox(this), name);
    box->setRange(0, highest);
    box->setValue(value);
    return box;
  };
  spnChanges = spin("spnChanges", kMaxChanges, kMaxChanges);
  spnMinChange = spin("spnMinChange", kMaxMinChange, kDefaultMinChange);
  spnSlack = spin("spnSlack", kMaxSlack, kDefaultSlack);

  auto* stations = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{label(str::kJourneyFrom), txtFstation, cmdSwap,
                                                    label(str::kJourneyTo), txtEstation, cmdSearch}) {
    stations->addWidget(w);
  }
  stations->addStretch(1);

  auto* options = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{
           label(str::kJourneyLeave), timAfter, label(str::kJourneyLeaveTo), timUntil,
           label(str::kJourneyMaxChanges), spnChanges, label(str::kJourneyTimes),
           label(str::kJourneyMinChange), spnMinChange, label(str::kJourneyMinutes)}) {
    options->addWidget(w);
  }
  // The longer English takes a line of its own for the slack, so that the
  // window fits a small screen.
  auto* slack = TextsAreTranslated() ? new QHBoxLayout : options;
  for (QWidget* w : std::initializer_list<QWidget*>{label(str::kJourneySlack), spnSlack, label(str::kJourneyMinutes)})
    slack->addWidget(w);
  options->addStretch(1);
  if (slack != options) slack->addStretch(1);

  auto* types = new QHBoxLayout;
  AddTypeBoxes(this, *types, cheType);
  types->addStretch(1);
  types->addWidget(cmdMap);
  types->addWidget(cmdPrint);

  lvJourney = Named(new QTreeWidget(this), "lvJourney");
  lvJourney->setColumnCount(kColumnCount);
  lvJourney->setHeaderLabels(QStringList(std::begin(str::kJourneyColumns), std::end(str::kJourneyColumns)));
  lvJourney->setToolTip(str::kOpenRowTip);
  lvJourney->setUniformRowHeights(true);
  lvJourney->setAllColumnsShowFocus(true);
  lvJourney->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lvJourney->header()->setSectionsClickable(true);
  const int widths[kColumnCount] = {2400, 2400, 1500, 600, 3600, 4200, 1100, 1300, 1200, 1200};
  for (int c = 0; c < kColumnCount; ++c) {
    // English headers are longer: each column at least as wide as its header.
    const int header = TextsAreTranslated() ? lvJourney->header()->sectionSizeHint(c) : 0;
    lvJourney->setColumnWidth(c, std::max(TwipsToPixels(widths[c]), header));
  }
  // Columns widen to the texts shown, a journey's legs too once it is opened;
  // a text cut by a column the user narrowed shows whole in a tool tip.
  ShowCutTextsInToolTips(*lvJourney);
  connect(lvJourney, &QTreeWidget::itemExpanded, this, [this] { FitColumnsToContents(*lvJourney); });
  AttachListCopy(lvJourney, platform_, [this] { return fileStem_; });
  lblCount = Named(new QLabel(this), "lblCount");
  auto* counts = new QHBoxLayout;
  counts->addWidget(lblCount);
  counts->addStretch(1);
  counts->addWidget(NewTypesLeftOutLabel(this, cheType));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(stations);
  layout->addLayout(options);
  if (slack != options) layout->addLayout(slack);
  layout->addLayout(types);
  layout->addWidget(lvJourney, 1);
  layout->addLayout(counts);

  lstStation = picker_->list();
}

// The options of the last run; a value that is missing or out of its range
// keeps the box's default.
void JourneyWindow::ReadOptions() {
  const auto number = [](const QString& key, int lowest, int highest) -> std::optional<int> {
    bool ok = false;
    const int n = ReadEveryDay(key).trimmed().toInt(&ok);
    if (!ok || n < lowest || n > highest) return std::nullopt;
    return n;
  };
  const auto after = number(kAfterKey, 0, kMinutesPerDay - 1);
  const auto until = number(kUntilKey, 0, kMinutesPerDay - 1);
  if (after && until && *after <= *until) {
    timAfter->setTime(QTime(*after / 60, *after % 60));
    timUntil->setTime(QTime(*until / 60, *until % 60));
  }
  if (const auto n = number(kChangesKey, 0, kMaxChanges)) spnChanges->setValue(*n);
  if (const auto n = number(kMinChangeKey, 0, kMaxMinChange)) spnMinChange->setValue(*n);
  if (const auto n = number(kSlackKey, 0, kMaxSlack)) spnSlack->setValue(*n);
  if (const auto n = number(kTypesKey, 1, (1 << cheType.size()) - 1)) {
    for (size_t i = 0; i < cheType.size(); ++i) cheType[i]->setChecked((*n >> i) & 1);
  }
}

void JourneyWindow::WriteOptions() const {
  const auto minutes = [](const QTimeEdit* box) { return QString::number(box->time().msecsSinceStartOfDay() / 60000); };
  WriteEveryDay(kAfterKey, minutes(timAfter));
  WriteEveryDay(kUntilKey, minutes(timUntil));
  WriteEveryDay(kChangesKey, QString::number(spnChanges->value()));
  WriteEveryDay(kMinChangeKey, QString::number(spnMinChange->value()));
  WriteEveryDay(kSlackKey, QString::number(spnSlack->value()));
  int types = 0;
  for (size_t i = 0; i < cheType.size(); ++i) types |= (cheType[i]->isChecked() ? 1 : 0) << i;
  WriteEveryDay(kTypesKey, QString::number(types));
}

void JourneyWindow::BoxChanged() {
  if (sender() != txtFstation && sender() != txtEstation) WriteOptions();
  if (rows_.empty() || stale_) return;
  stale_ = true;
  lvJourney->setEnabled(false);
  cmdPrint->setEnabled(false);
  cmdMap->setEnabled(false);
  lblCount->setText(str::kJourneyStale);
}

void JourneyWindow::StartWith(const QString& from, const QString& to) {
  if (!from.trimmed().isEmpty()) txtFstation->setText(StationBoxText(from));
  if (!to.trimmed().isEmpty()) txtEstation->setText(StationBoxText(to));
}

void JourneyWindow::SearchFrom(const QString& from, const QString& to, int earliestDeparture) {
  txtFstation->setText(StationBoxText(from));
  txtEstation->setText(StationBoxText(to));
  timAfter->setTime(QTime(0, 0).addSecs(earliestDeparture * 60));
  timUntil->setTime(QTime(23, 59));
  Search();
}

void JourneyWindow::Search() {
  picker_->Close();
  rows_.clear();
  FillList();
  const auto refuse = [this](const QString& message) { platform_.messages->Show(this, message); };
  JourneyRequest request;
  request.earliestDeparture = timAfter->time().msecsSinceStartOfDay() / 60000;
  request.latestDeparture = timUntil->time().msecsSinceStartOfDay() / 60000;
  if (request.earliestDeparture > request.latestDeparture) return refuse(str::kJourneyBadWindow);
  request.maxChanges = spnChanges->value();
  request.minChange = spnMinChange->value();
  request.slack = spnSlack->value();
  request.types = CheckedTypes(cheType);

  // Messages wait until the hourglass has gone.
  JourneyEnds ends;
  try {
    BusyCursor busy;
    // Letters not picked from the list (shanghai) stand for the first
    // station their lookup lists, as in the command-line tool.
    ends = FindJourneyEnds(db_, PickedStationText(db_, StationBoxName(txtFstation->text())),
                           PickedStationText(db_, StationBoxName(txtEstation->text())));
    if (ends.fault == JourneyEnds::Fault::None) {
      request.fromStations = std::move(ends.fromStations);
      request.toStations = std::move(ends.toStations);
      const JourneyTimetable& timetable = timetable_.Current();
      std::vector<Journey> journeys = FindJourneys(timetable, request);
      for (auto& journey : journeys) {
        JourneyTexts texts = DescribeJourney(timetable, journey);
        JourneyTotals totals = JourneyDistanceAndFare(db_, timetable, journey);
        std::vector<RowFigures> fares;
        for (const auto& leg : journey.legs) fares.push_back(LegDistanceAndFare(db_, timetable, leg));
        rows_.push_back({std::move(journey), std::move(texts), std::move(totals), std::move(fares)});
      }
    }
  } catch (const DatabaseError& e) {
    rows_.clear();
    platform_.messages->Show(this, Q(e.what()), MessageIcon::Critical);
    return;
  }
  if (ends.fault != JourneyEnds::Fault::None) return refuse(Q(ends.message));
  if (rows_.empty()) {
    const QString off = TypesLeftOutText(cheType);
    return refuse(Q(text::Fill(text::kNoJourney, {text::StationName(ends.from), text::StationName(ends.to)})) +
                  (off.isEmpty() ? QString() : u'\n' + off));
  }
  const QString from = str::StationName(ends.from);
  const QString to = str::StationName(ends.to);
  printTitle_ = str::kJourneyPrintTitle.arg(from, to, timAfter->time().toString(QStringLiteral("HH:mm")),
                                            timUntil->time().toString(QStringLiteral("HH:mm")));
  fileStem_ = str::FileStem({from, to}, str::kFileJourneys);
  FillList();
}

// The order of the column sorted by: the core's for 出发 .. 换乘, the texts
// for 车次 and 中转, the figures for km and fare with unknown ones last either
// way round; ties by departure, then arrival.
bool JourneyWindow::RowBefore(const Row& a, const Row& b) const {
  if (sortColumn_ < static_cast<int>(std::size(kColumnSorts))) {
    const JourneySort sort = kColumnSorts[sortColumn_];
    return sortDescending_ ? JourneyBefore(b.journey, a.journey, sort) : JourneyBefore(a.journey, b.journey, sort);
  }
  const auto compare = [this](const auto& x, const auto& y) -> int {
    if (x == y) return 0;
    return (x < y) != sortDescending_ ? -1 : 1;
  };
  int order = 0;
  switch (sortColumn_) {
    case kTrainsColumn: {
      const QString x = Q(a.texts.trains), y = Q(b.texts.trains);
      order = NaturalLess(x, y) ? -1 : NaturalLess(y, x) ? 1 : 0;
      if (sortDescending_) order = -order;
      break;
    }
    case kTransfersColumn:
      order = compare(a.texts.transfers, b.texts.transfers);
      break;
    case kBoardColumn:
      order = compare(Boarded(a.texts), Boarded(b.texts));
      break;
    case kAlightColumn:
      order = compare(Left(a.texts), Left(b.texts));
      break;
    default: {
      const auto figure = [this](const Row& r) {
        return sortColumn_ == kDistanceColumn ? r.totals.distanceKm : r.totals.fareTenths;
      };
      const auto x = figure(a), y = figure(b);
      if (x.has_value() != y.has_value()) return x.has_value();
      if (x) order = compare(*x, *y);
    }
  }
  if (order != 0) return order < 0;
  return JourneyBefore(a.journey, b.journey, JourneySort::Departure);
}

void JourneyWindow::FillList() {
  std::stable_sort(rows_.begin(), rows_.end(), [this](const Row& a, const Row& b) { return RowBefore(a, b); });
  lvJourney->clear();
  for (const Row& row : rows_) {
    const JourneyTexts& t = row.texts;
    auto* item = new QTreeWidgetItem(QStringList{Q(t.departure), Q(t.arrival).trimmed(), Q(t.duration),
                                                 Q(t.changes), Q(t.trains), Q(t.transfers),
                                                 Q(row.totals.distanceText), Q(row.totals.fareText),
                                                 str::StationName(Boarded(t)), str::StationName(Left(t))});
    for (size_t i = 0; i < t.legs.size(); ++i) {
      const JourneyLegTexts& leg = t.legs[i];
      auto* child = new QTreeWidgetItem(QStringList{
          str::StationName(leg.board) + ' ' + Q(leg.boardText).trimmed(),
          str::StationName(leg.alight) + ' ' + Q(leg.alightText).trimmed(),
          Q(leg.runningText), QString(), Q(leg.caption).trimmed(),
          leg.waitText.empty() ? QString() : str::kJourneyWait.arg(Q(leg.waitText)),
          Q(row.fares[i].distanceText).trimmed(), Q(row.fares[i].fareText).trimmed(), str::StationName(leg.board),
          str::StationName(leg.alight)});
      child->setData(0, kTrainRole, leg.trainId);
      child->setData(0, kBoardRole, Q(leg.board));
      child->setData(0, kAlightRole, Q(leg.alight));
      item->addChild(child);
    }
    lvJourney->addTopLevelItem(item);
    item->setExpanded(row.opened);
  }
  stale_ = false;
  lvJourney->setEnabled(true);
  ShowSortIndicator();
  FitColumnsToContents(*lvJourney);
  lblCount->setText(rows_.empty() ? QString() : str::kJourneyCount.arg(rows_.size()));
  cmdPrint->setEnabled(!rows_.empty());
  cmdMap->setEnabled(!rows_.empty());
}

// The arrow on the column the list is sorted by.
void JourneyWindow::ShowSortIndicator() {
  lvJourney->header()->setSortIndicatorShown(true);
  lvJourney->header()->setSortIndicator(sortColumn_, sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void JourneyWindow::HeaderClicked(int column) {
  if (column < 0 || column >= kColumnCount) return ShowSortIndicator();
  sortDescending_ = column == sortColumn_ && !sortDescending_;
  sortColumn_ = column;
  // Opened journeys stay opened wherever the new order puts them.
  for (int i = 0; i < lvJourney->topLevelItemCount(); ++i) {
    rows_[i].opened = lvJourney->topLevelItem(i)->isExpanded();
  }
  const bool stale = stale_;
  FillList();
  if (stale) {
    stale_ = false;
    BoxChanged();
  }
}

void JourneyWindow::ItemActivated(QTreeWidgetItem* item) {
  if (!item || !item->parent()) return;  // a journey opens onto its legs by itself
  SearchContext context;
  context.queryMode = kModeChange;
  context.selectedTrainId = item->data(0, kTrainRole).toInt();
  context.legBoardName = item->data(0, kBoardRole).toString().toStdString();
  context.legAlightName = item->data(0, kAlightRole).toString().toStdString();
  emit legDetailRequested(context);
}

MapRoute JourneyWindow::SelectedJourneyRoute() {
  MapRoute route;
  route.kind = MapRoute::Kind::Journey;
  if (rows_.empty() || stale_) return route;
  QTreeWidgetItem* item = lvJourney->currentItem();
  if (item && item->parent()) item = item->parent();
  const int index = item ? lvJourney->indexOfTopLevelItem(item) : 0;
  const Row& row = rows_[static_cast<size_t>(std::max(0, index))];
  try {
    for (const JourneyLegTexts& legTexts : row.texts.legs) {
      MapLeg leg;
      leg.train = Q(legTexts.number);
      // The stops ridden, from boarding to alighting.
      bool riding = false;
      for (const Stop& stop : LoadStopList(db_, legTexts.trainId).stops) {
        riding = riding || stop.stationName == legTexts.board;
        if (riding) leg.stations << Q(stop.stationName);
        if (riding && stop.stationName == legTexts.alight) break;
      }
      if (leg.stations.isEmpty()) leg.stations << Q(legTexts.board) << Q(legTexts.alight);
      route.legs.push_back(std::move(leg));
    }
  } catch (const DatabaseError& e) {
    platform_.messages->Show(this, Q(e.what()), MessageIcon::Critical);
    route.legs.clear();
    return route;
  }
  if (!row.texts.legs.empty()) {
    route.title = Q(row.texts.trains) + u' ' + str::StationName(row.texts.legs.front().board) +
                  QStringLiteral(" → ") + str::StationName(row.texts.legs.back().alight);
  }
  return route;
}

void JourneyWindow::Print() {
  GridTexts rows;
  rows.push_back(QStringList(std::begin(str::kJourneyColumns), std::end(str::kJourneyColumns)));
  const auto cells = [](const QTreeWidgetItem* item) {
    QStringList texts;
    for (int c = 0; c < kColumnCount; ++c) texts << item->text(c);
    return texts;
  };
  for (int i = 0; i < lvJourney->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* journey = lvJourney->topLevelItem(i);
    rows.push_back(cells(journey));
    if (!journey->isExpanded()) continue;
    for (int l = 0; l < journey->childCount(); ++l) rows.push_back(cells(journey->child(l)));
  }
  if (rows.size() == 1 || stale_) return;
  RunPrintCommand(this, platform_, str::kConfirmPrint, fileStem_, [&](PrintSurface& surface) {
    // Each column as wide as its widest text, so that every text prints
    // whole; all narrowed alike when the page is too narrow for them.
    surface.SetFontName(str::kPrintFont);
    surface.SetFontSize(kCellSize);
    std::vector<int> widths(kColumnCount, 0);
    for (const QStringList& row : rows) {
      for (int c = 0; c < kColumnCount; ++c) widths[c] = std::max(widths[c], surface.TextWidth(row[c]) + kPrintColumnRoom);
    }
    const int room = surface.PageWidth() - kTableLeft - kPrintRightMargin;
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    if (total > room) {
      for (int& w : widths) w = static_cast<int>(static_cast<long long>(w) * room / total);
    }
    const PrintedTable table{printTitle_, {{kTableLeft, widths, &rows}}, str::kFooterPage, str::kFooterPage};
    PrintTable(surface, table);
  });
}

}  // namespace kw
