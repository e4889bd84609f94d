#include "ui/journey/JourneyWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "journey/JourneyEnds.h"
#include "store/CoreStrings.h"
#include "store/Database.h"
#include "ui/BusyCursor.h"
#include "ui/FittedColumns.h"
#include "ui/Platform.h"
#include "ui/PrintCommand.h"
#include "ui/PrintedTable.h"
#include "ui/StationPicker.h"
#include "ui/Strings.h"
#include "ui/Twips.h"

namespace kw {

namespace {

// Item data of a leg row.
constexpr int kTrainRole = Qt::UserRole;
constexpr int kBoardRole = Qt::UserRole + 1;
constexpr int kAlightRole = Qt::UserRole + 2;

constexpr int kColumnCount = 8;
// Columns whose header sorts, in the order of JourneySort.
constexpr JourneySort kColumnSorts[] = {JourneySort::Departure, JourneySort::Arrival, JourneySort::Duration,
                                        JourneySort::Changes};
// The printed columns (出发 .. 中转), twips.
const std::vector<int> kPrintWidths = {800, 1300, 1400, 700, 2800, 3800};

// The types of each check box, in order.
constexpr TrainTypes kTypeGroups[6] = {TypeBit(TrainType::G) | TypeBit(TrainType::C),
                                       TypeBit(TrainType::D),
                                       TypeBit(TrainType::Z),
                                       TypeBit(TrainType::T),
                                       TypeBit(TrainType::K),
                                       TypeBit(TrainType::Other)};

QString Q(const std::string& text) { return QString::fromStdString(text); }

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

  // The pick list opens under the box typed in; a pick moves on to the next
  // box, then to 查询.
  for (QLineEdit* box : {txtFstation, txtEstation}) {
    connect(box, &QLineEdit::textEdited, this,
            [this, box] { picker_->Complete(box, box->mapTo(this, QPoint(0, box->height()))); });
  }
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
  connect(cmdSearch, &QPushButton::clicked, this, &JourneyWindow::Search);
  connect(cmdPrint, &QPushButton::clicked, this, &JourneyWindow::Print);
  connect(lvJourney->header(), &QHeaderView::sectionClicked, this, &JourneyWindow::HeaderClicked);
  connect(lvJourney, &QTreeWidget::itemActivated, this, &JourneyWindow::ItemActivated);
}

void JourneyWindow::BuildControls() {
  const auto label = [this](const QString& text) { return new QLabel(text, this); };
  txtFstation = Named(new QLineEdit(this), "txtFstation");
  txtEstation = Named(new QLineEdit(this), "txtEstation");
  txtFstation->setToolTip(str::kFromTip);
  txtEstation->setToolTip(str::kToTip);
  for (QLineEdit* box : {txtFstation, txtEstation}) {
    MakeStationBox(box);
    box->setFixedWidth(TwipsToPixels(1800));
  }
  cmdSwap = Named(new QToolButton(this), "cmdSwap");
  cmdSwap->setText(str::kSwapStations);
  cmdSwap->setToolTip(str::kJourneySwapTip);
  cmdSearch = Named(new QPushButton(str::kJourneySearch, this), "cmdSearch");
  cmdPrint = Named(new QPushButton(str::kPrint, this), "cmdPrint");

  timAfter = Named(new QTimeEdit(QTime(0, 0), this), "timAfter");
  timUntil = Named(new QTimeEdit(QTime(23, 59), this), "timUntil");
  for (QTimeEdit* time : {timAfter, timUntil}) time->setDisplayFormat(QStringLiteral("HH:mm"));
  spnChanges = Named(new QSpinBox(this), "spnChanges");
  spnChanges->setRange(0, kMaxChanges);
  spnChanges->setValue(kMaxChanges);
  spnMinChange = Named(new QSpinBox(this), "spnMinChange");
  spnMinChange->setRange(0, kMaxMinChange);
  spnMinChange->setValue(kDefaultMinChange);

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
  options->addStretch(1);

  auto* types = new QHBoxLayout;
  types->addWidget(label(str::kJourneyTypes));
  for (size_t i = 0; i < cheType.size(); ++i) {
    cheType[i] = new QCheckBox(str::kJourneyTypeNames[i], this);
    cheType[i]->setObjectName(QStringLiteral("cheType%1").arg(i));
    cheType[i]->setChecked(true);
    types->addWidget(cheType[i]);
  }
  types->addStretch(1);
  types->addWidget(cmdPrint);

  lvJourney = Named(new QTreeWidget(this), "lvJourney");
  lvJourney->setColumnCount(kColumnCount);
  lvJourney->setHeaderLabels(QStringList(std::begin(str::kJourneyColumns), std::end(str::kJourneyColumns)));
  lvJourney->setToolTip(str::kOpenRowTip);
  lvJourney->setUniformRowHeights(true);
  lvJourney->setAllColumnsShowFocus(true);
  lvJourney->header()->setSectionsClickable(true);
  const int widths[kColumnCount] = {2400, 2400, 1500, 600, 3600, 4200, 1100, 1300};
  for (int c = 0; c < kColumnCount; ++c) lvJourney->setColumnWidth(c, TwipsToPixels(widths[c]));
  // Columns widen to the texts shown, a journey's legs too once it is opened;
  // a text cut by a column the user narrowed shows whole in a tool tip.
  ShowCutTextsInToolTips(*lvJourney);
  connect(lvJourney, &QTreeWidget::itemExpanded, this, [this] { FitColumnsToContents(*lvJourney); });
  lblCount = Named(new QLabel(this), "lblCount");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(stations);
  layout->addLayout(options);
  layout->addLayout(types);
  layout->addWidget(lvJourney, 1);
  layout->addWidget(lblCount);

  lstStation = picker_->list();
}

TrainTypes JourneyWindow::ChosenTypes() const {
  TrainTypes types = 0;
  for (size_t i = 0; i < cheType.size(); ++i) {
    if (cheType[i]->isChecked()) types |= kTypeGroups[i];
  }
  return types;
}

void JourneyWindow::SearchFrom(const QString& from, const QString& to, int earliestDeparture) {
  txtFstation->setText(from);
  txtEstation->setText(to);
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
  request.types = ChosenTypes();

  // Messages wait until the hourglass has gone.
  JourneyEnds ends;
  try {
    BusyCursor busy;
    ends = FindJourneyEnds(db_, txtFstation->text().toStdString(), txtEstation->text().toStdString());
    if (ends.fault == JourneyEnds::Fault::None) {
      request.fromStations = std::move(ends.fromStations);
      request.toStations = std::move(ends.toStations);
      const JourneyTimetable& timetable = timetable_.Current();
      std::vector<Journey> journeys = FindJourneys(timetable, request);
      for (auto& journey : journeys) {
        JourneyTexts texts = DescribeJourney(timetable, journey);
        std::vector<RowFigures> fares;
        for (const auto& leg : journey.legs) fares.push_back(LegDistanceAndFare(db_, timetable, leg));
        rows_.push_back({std::move(journey), std::move(texts), std::move(fares)});
      }
    }
  } catch (const DatabaseError& e) {
    rows_.clear();
    platform_.messages->Show(this, Q(e.what()), MessageIcon::Critical);
    return;
  }
  if (ends.fault != JourneyEnds::Fault::None) return refuse(Q(ends.message));
  if (rows_.empty()) return refuse(Q(text::Fill(text::kNoJourney, {ends.from, ends.to})));
  FillList();
}

void JourneyWindow::FillList() {
  std::stable_sort(rows_.begin(), rows_.end(),
                   [this](const Row& a, const Row& b) { return JourneyBefore(a.journey, b.journey, sort_); });
  lvJourney->clear();
  for (const Row& row : rows_) {
    const JourneyTexts& t = row.texts;
    auto* item = new QTreeWidgetItem(QStringList{Q(t.departure), Q(t.arrival).trimmed(), Q(t.duration),
                                                 Q(t.changes), Q(t.trains), Q(t.transfers)});
    for (size_t i = 0; i < t.legs.size(); ++i) {
      const JourneyLegTexts& leg = t.legs[i];
      auto* child = new QTreeWidgetItem(QStringList{
          Q(leg.board) + ' ' + Q(leg.boardText).trimmed(), Q(leg.alight) + ' ' + Q(leg.alightText).trimmed(),
          Q(leg.runningText), QString(), Q(leg.caption).trimmed(),
          leg.waitText.empty() ? QString() : str::kJourneyWait.arg(Q(leg.waitText)),
          Q(row.fares[i].distanceText), Q(row.fares[i].fareText)});
      child->setData(0, kTrainRole, leg.trainId);
      child->setData(0, kBoardRole, Q(leg.board));
      child->setData(0, kAlightRole, Q(leg.alight));
      item->addChild(child);
    }
    lvJourney->addTopLevelItem(item);
    item->setExpanded(row.opened);
  }
  ShowSortIndicator();
  FitColumnsToContents(*lvJourney);
  lblCount->setText(rows_.empty() ? QString() : str::kJourneyCount.arg(rows_.size()));
  cmdPrint->setEnabled(!rows_.empty());
}

// The arrow on the column the list is sorted by.
void JourneyWindow::ShowSortIndicator() {
  const auto sorted = std::find(std::begin(kColumnSorts), std::end(kColumnSorts), sort_);
  lvJourney->header()->setSortIndicatorShown(true);
  lvJourney->header()->setSortIndicator(static_cast<int>(sorted - std::begin(kColumnSorts)),
                                        Qt::AscendingOrder);
}

void JourneyWindow::HeaderClicked(int column) {
  // The header has moved the arrow to the column clicked; a column that
  // does not sort gives it back.
  if (column < 0 || column >= static_cast<int>(std::size(kColumnSorts))) return ShowSortIndicator();
  sort_ = kColumnSorts[column];
  // Opened journeys stay opened wherever the new order puts them.
  for (int i = 0; i < lvJourney->topLevelItemCount(); ++i) {
    rows_[i].opened = lvJourney->topLevelItem(i)->isExpanded();
  }
  FillList();
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

void JourneyWindow::Print() {
  GridTexts rows;
  QStringList header;
  for (size_t c = 0; c < kPrintWidths.size(); ++c) header << str::kJourneyColumns[c];
  rows.push_back(header);
  const auto cells = [](const QTreeWidgetItem* item) {
    QStringList texts;
    for (size_t c = 0; c < kPrintWidths.size(); ++c) texts << item->text(static_cast<int>(c));
    return texts;
  };
  for (int i = 0; i < lvJourney->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* journey = lvJourney->topLevelItem(i);
    rows.push_back(cells(journey));
    if (!journey->isExpanded()) continue;
    for (int l = 0; l < journey->childCount(); ++l) rows.push_back(cells(journey->child(l)));
  }
  if (rows.size() == 1) return;
  const PrintedTable table{
      str::kJourneyTitle, {{kTableLeft, kPrintWidths, &rows}}, str::kFooterPage, str::kFooterPage};
  RunPrintCommand(this, platform_, str::kConfirmPrint,
                  [&](PrintSurface& surface) { PrintTable(surface, table); });
}

}  // namespace kw
