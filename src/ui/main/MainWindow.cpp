#include "ui/main/MainWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "query/StationLookup.h"
#include "query/Tips.h"
#include "store/Database.h"
#include "ui/AppPaths.h"
#include "ui/BusyCursor.h"
#include "ui/ListCopy.h"
#include "ui/Platform.h"
#include "ui/Startup.h"
#include "ui/Strings.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"
#include "ui/aux/AboutWindow.h"
#include "ui/aux/AdPictureWindow.h"
#include "ui/aux/ClosingScreen.h"
#include "ui/aux/TipWindow.h"
#include "ui/board/BoardWindow.h"
#include "ui/detail/TrainDetailOpener.h"
#include "ui/journey/JourneyWindow.h"
#include "ui/main/QueryPanel.h"
#include "ui/main/ResultArea.h"
#include "ui/map/MapWindow.h"

namespace kw {

namespace {

// Toolbar button indexes.
constexpr int kTipsButton = 2;
constexpr int kPrintButton = 5;
constexpr int kHelpButton = 6;
constexpr int kExitButton = 7;

// The picture window stays on screen at least this long while the window
// loads, so that it is seen at all: the loading itself takes milliseconds.
constexpr int kPictureMilliseconds = 200;

// In English, station names are spelled with the pinyin of this timetable.
void SpellStations(Database& db) {
  if (text::Translating()) text::SetStationSpellings(StationPinyinByName(db));
}

QAction* MakeAction(QObject* parent, const char* name, const QString& text) {
  auto* action = new QAction(text, parent);
  action->setObjectName(name);
  return action;
}

}  // namespace

MainWindow::MainWindow(Database& db, Platform& platform, QWidget* parent)
    : QMainWindow(parent), db_(db), platform_(platform) {
  setObjectName("frmMain");
  setWindowTitle(str::kProductTitle);

  auto* form = new QWidget(this);
  form->setObjectName("frmMainClient");
  panel = new QueryPanel(db_, *platform_.messages, form);
  results = new ResultArea(form);
  auto* layout = new QVBoxLayout(form);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(results, 1);
  setCentralWidget(form);
  const auto resultStem = [this] { return results->fileStem; };
  for (QAbstractItemView* list : {static_cast<QAbstractItemView*>(results->lvMain),
                                  static_cast<QAbstractItemView*>(results->lvchang[0]),
                                  static_cast<QAbstractItemView*>(results->lvchang[1])})
    AttachListCopy(list, platform_, resultStem);
  AttachListCopy(
      results->lstChange, platform_,
      [this] {
        return str::FileStem({str::StationName(RemoveSpaces(context_.journeyFromName)),
                              str::StationName(RemoveSpaces(context_.journeyToName))},
                             str::kFileTransferStations);
      },
      {str::kTransferStationColumn});

  BuildMenus();
  BuildToolbar();
  statusBar()->setObjectName("sbMain");
  sbMainPanel1 = new QLabel(statusBar());
  sbMainPanel1->setObjectName("sbMainPanel1");
  statusBar()->addWidget(sbMainPanel1, 1);
  // The English notice is longer: on a narrow window it takes a second line.
  sbMainPanel1->setWordWrap(text::Translating());
  sbNewerTimetable = new QLabel(statusBar());
  sbNewerTimetable->setObjectName("sbNewerTimetable");
  statusBar()->addPermanentWidget(sbNewerTimetable);
  sbNewerTimetable->hide();
  sbMainPanel2 = new QLabel(statusBar());
  sbMainPanel2->setObjectName("sbMainPanel2");
  statusBar()->addPermanentWidget(sbMainPanel2);

  connect(panel, &QueryPanel::stationSearchRequested, this,
          [this] { Guard([this] { StationSearchCommand(); }); });
  connect(panel, &QueryPanel::numberSearchRequested, this,
          [this] { Guard([this] { NumberSearchCommand(); }); });
  connect(results->lstChange, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    // The station's name, whatever spelling the list shows.
    const QString picked = item->data(kStationNameRole).toString();
    Guard([this, picked] { TransferStationPicked(picked); });
  });

  connect(results->cmdJourney, &QPushButton::clicked, this, &MainWindow::OpenOfferedJourneys);

  connect(results, &ResultArea::mainRowOpened, this,
          [this](int trainId, const QString& boardName, const QString& alightName) {
            context_.selectedTrainId = trainId;
            context_.legBoardName = boardName.toStdString();
            context_.legAlightName = alightName.toStdString();
            emit trainDetailRequested(context_);
            SyncToolbar();
          });
  connect(results, &ResultArea::legRowOpened, this, [this](int leg, int trainId) {
    context_.selectedTrainId = trainId;
    SetLegContext(leg);
    emit trainDetailRequested(context_);
    RefreshViewState();
    SyncToolbar();
  });
  connect(results, &ResultArea::legGridOpened, this, [this](int leg) {
    SetLegContext(leg);
    emit trainDetailRequested(context_);
    RefreshViewState();
    SyncToolbar();
  });
  connect(results, &ResultArea::emptyLegOpened, this, [this] {
    RefreshViewState();
    SyncToolbar();
  });
  connect(results, &ResultArea::detailGridOpened, this, [this] {
    emit trainDetailRequested(context_);
    SyncToolbar();
  });

  RefreshViewState();
  // As designed, or wider where a whole result row needs it, as far as the
  // screen allows (keeping room for the window manager's frame).
  QSize size(std::max(TwipsToPixels(15360), results->WidthForFullRows()), TwipsToPixels(10800));
  if (const QScreen* screen = this->screen())
    size = size.boundedTo(screen->availableGeometry().size() - QSize(TwipsToPixels(300), TwipsToPixels(900)));
  resize(size);
  CentreWindow(*this, nullptr);
  // Where the user left the window last time, as far as this screen holds it.
  restoreGeometry(ReadMemory(QStringLiteral("frmMain")).toByteArray());
  KeepOnScreen(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
  mnuFile = menuBar()->addMenu(str::kMenuFile);
  mnuFile->setObjectName("mnuFile");
  mnuJourney = MakeAction(this, "mnuJourney", str::kMenuJourney);
  mnuBoard = MakeAction(this, "mnuBoard", str::kMenuBoard);
  munPrint = MakeAction(this, "munPrint", str::kMenuPrint);
  mnuUpdate = MakeAction(this, "mnuUpdate", str::kMenuUpdate);
  mnuUseInstalled = MakeAction(this, "mnuUseInstalled", str::kMenuUseInstalled);
  mnuUseInstalled->setVisible(false);
  mnuImportGtfs = MakeAction(this, "mnuImportGtfs", str::kMenuImportGtfs);
  mnuExportGtfs = MakeAction(this, "mnuExportGtfs", str::kMenuExportGtfs);
  mnuExit = MakeAction(this, "mnuExit", str::kMenuExit);
  munPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  // Ctrl+Q quits from any window of the program; Ctrl+P prints the window's own.
  mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  mnuExit->setShortcutContext(Qt::ApplicationShortcut);
  mnuFile->addAction(mnuJourney);
  mnuFile->addAction(mnuBoard);
  mnuRecent = mnuFile->addMenu(str::kMenuRecent);
  mnuRecent->setObjectName("mnuRecent");
  FillRecentMenu();
  mnuFile->addSeparator();
  mnuFile->addAction(munPrint);
  mnuFile->addAction(mnuUpdate);
  mnuFile->addAction(mnuUseInstalled);
  mnuFile->addAction(mnuImportGtfs);
  mnuFile->addAction(mnuExportGtfs);
  mnuFile->addSeparator();
  mnuFile->addAction(mnuExit);

  QMenu* mapMenu = menuBar()->addMenu(str::kMenuMap);
  mapMenu->setObjectName("mnuMapMenu");
  mnuMap = mapMenu->menuAction();
  mnuMap->setObjectName("mnuMap");
  mnuRailMap = MakeAction(this, "mnuRailMap", str::kMenuRailMap);
  mapMenu->addAction(mnuRailMap);
  connect(mnuRailMap, &QAction::triggered, this, &MainWindow::OpenMap);

  mnuLanguage = menuBar()->addMenu(str::kMenuLanguage);
  mnuLanguage->setObjectName("mnuLanguage");
  auto* languages = new QActionGroup(this);
  languages->setExclusive(true);
  mnuChinese = MakeAction(this, "mnuChinese", str::kLanguageChinese);
  mnuEnglish = MakeAction(this, "mnuEnglish", str::kLanguageEnglish);
  for (auto [action, language] : {std::pair{mnuChinese, Language::Chinese}, std::pair{mnuEnglish, Language::English}}) {
    action->setCheckable(true);
    action->setChecked(CurrentLanguage() == language);
    languages->addAction(action);
    mnuLanguage->addAction(action);
    connect(action, &QAction::triggered, this, [this, language] { ChooseLanguage(language); });
  }

  mnuHelp = menuBar()->addMenu(str::kMenuHelp);
  mnuHelp->setObjectName("mnuHelp");
  Common = MakeAction(this, "Common", str::kMenuTips);
  mnuHMain = MakeAction(this, "mnuHMain", str::kMenuHelpTopics);
  About = MakeAction(this, "About", str::kMenuAbout);
  mnuHelp->addAction(Common);
  mnuHelp->addAction(mnuHMain);
  mnuHelp->addSeparator();
  mnuHelp->addAction(About);

  connect(mnuJourney, &QAction::triggered, this, &MainWindow::OpenJourneys);
  connect(mnuBoard, &QAction::triggered, this, &MainWindow::OpenBoard);
  connect(munPrint, &QAction::triggered, this, &MainWindow::printRequested);
  connect(mnuUpdate, &QAction::triggered, this, &MainWindow::UpdateDatabaseCommand);
  connect(mnuUseInstalled, &QAction::triggered, this, &MainWindow::UseInstalledTimetableCommand);
  connect(mnuImportGtfs, &QAction::triggered, this, &MainWindow::ImportGtfsCommand);
  connect(mnuExportGtfs, &QAction::triggered, this, &MainWindow::ExportGtfsCommand);
  connect(mnuExit, &QAction::triggered, this, &QWidget::close);
  connect(Common, &QAction::triggered, this, &MainWindow::OpenTips);
  connect(mnuHMain, &QAction::triggered, this, &MainWindow::OpenAbout);
  connect(About, &QAction::triggered, this, &MainWindow::OpenAbout);
}

void MainWindow::BuildToolbar() {
  Toolbar1 = addToolBar(str::kProductTitle);
  Toolbar1->setObjectName("Toolbar1");
  Toolbar1->setMovable(false);
  Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
  const struct {
    int index;
    const QString& text;
  } buttons[] = {{kTipsButton, str::kToolTips},
                 {kPrintButton, str::kToolPrint},
                 {kHelpButton, str::kToolHelp},
                 {kExitButton, str::kToolExit}};
  // Buttons 1, 3 and 4 are separators.
  Toolbar1->addSeparator();
  for (const auto& button : buttons) {
    if (button.index == kPrintButton) {
      Toolbar1->addSeparator();
      Toolbar1->addSeparator();
    }
    QAction* action = Toolbar1->addAction(button.text);
    action->setObjectName(QStringLiteral("Toolbar1_%1").arg(button.index));
    connect(action, &QAction::triggered, this, [this, index = button.index] { Toolbar1ButtonClick(index); });
    toolbarButtons_[button.index] = action;
  }
  // The journey window's button stands first, outside the numbered ones.
  auto* journeys = new QAction(str::kToolJourney, Toolbar1);
  journeys->setObjectName("Toolbar1_Journey");
  Toolbar1->insertAction(toolbarButtons_[kTipsButton], journeys);
  connect(journeys, &QAction::triggered, mnuJourney, &QAction::trigger);
  // The station board's follows it.
  auto* board = new QAction(str::kToolBoard, Toolbar1);
  board->setObjectName("Toolbar1_Board");
  Toolbar1->insertAction(toolbarButtons_[kTipsButton], board);
  connect(board, &QAction::triggered, mnuBoard, &QAction::trigger);
}

void MainWindow::Toolbar1ButtonClick(int index) {
  switch (index) {
    case kTipsButton:
      Common->trigger();
      break;
    case kPrintButton:
      munPrint->trigger();
      break;
    case kHelpButton:
      mnuHMain->trigger();
      break;
    case kExitButton:
      mnuExit->trigger();
      break;
    default:
      break;
  }
}

void MainWindow::Load() {
  if (loaded_) return;
  loaded_ = true;
  try {
    SpellStations(db_);
  } catch (const DatabaseError&) {
    // The names stay as the timetable writes them.
  }
  {
    BusyCursor busy;
    AdPictureWindow frmShow;
    frmShow.ShowPainted();
    // The start page in the interface's language: in English its English
    // version, where the date folder has one.
    QString page = DatePath("ShowMain.html");
    if (CurrentLanguage() == Language::English && QFileInfo::exists(DatePath("ShowMain_en.html")))
      page = DatePath("ShowMain_en.html");
    if (QFileInfo::exists(page)) results->WebBrowser1->setSource(QUrl::fromLocalFile(page));
    panel->ClearStations();
    // The boxes hold the last pair searched.
    const QStringList recent = ReadMemory(QStringLiteral("Recent")).toStringList();
    if (!recent.isEmpty()) panel->SetStations(recent[0].section(u'/', 0, 0), recent[0].section(u'/', 1));
    results->ClearDetailGrid();
    SyncToolbar();
    emit loaded();
    frmShow.StayShown(kPictureMilliseconds);
  }
  setWindowTitle(str::kProductTitle);
  ShowVersionText();
  ShowNewerTimetable();
}

void MainWindow::ShowVersionText() {
  QString version;
  try {
    version = str::DataWord(DataVersion(db_));
    SpellStations(db_);
  } catch (const DatabaseError&) {
    // A damaged version table leaves the version empty; the program works on.
  }
  sbMainPanel1->setText(str::kStatusProgramVersion + str::kProgramVersion + str::kStatusDataVersion +
                        version + str::kStatusNoticeBefore + str::kPublisherSiteName +
                        str::kStatusNoticeAfter);
}

void MainWindow::ChooseLanguage(Language language) {
  SaveLanguage(language);
  if (language == CurrentLanguage()) return;  // the language the windows speak already
  if (platform_.messages->Show(this, str::kLanguageRestart, MessageIcon::Information, MessageButtons::OkCancel) !=
      MessageAnswer::Ok)
    return;
  restartRequested_ = true;
  close();
}

void MainWindow::ShowSearchNote(const QString& note) { sbMainPanel2->setText(note); }

// Pairs are kept as "from/to": a station box takes no '/'.
void MainWindow::RememberPair(const std::string& from, const std::string& to) {
  constexpr int kRecentPairs = 10;
  const QString pair =
      QString::fromStdString(RemoveSpaces(from)) + u'/' + QString::fromStdString(RemoveSpaces(to));
  QStringList recent = ReadMemory(QStringLiteral("Recent")).toStringList();
  recent.removeAll(pair);
  recent.prepend(pair);
  WriteMemory(QStringLiteral("Recent"), QStringList(recent.mid(0, kRecentPairs)));
  FillRecentMenu();
}

// A recent pair fills the boxes and searches, as 确定 does.
void MainWindow::FillRecentMenu() {
  mnuRecent->clear();
  const QStringList recent = ReadMemory(QStringLiteral("Recent")).toStringList();
  for (const QString& pair : recent) {
    const QString from = pair.section(u'/', 0, 0);
    const QString to = pair.section(u'/', 1);
    QAction* action = mnuRecent->addAction(str::kRecentPair.arg(str::StationName(from), str::StationName(to)));
    connect(action, &QAction::triggered, this, [this, from, to] {
      panel->SetStations(from, to);
      panel->cmdSOK->click();
    });
  }
  mnuRecent->setEnabled(!recent.isEmpty());
}

void MainWindow::RefreshViewState() {
  munPrint->setEnabled(!results->lvMain->isHidden() || !results->lvchang[0]->isHidden() ||
                       !results->lvchang[1]->isHidden());
  results->WebBrowser1->setVisible(results->lvchang[1]->isHidden());
}

void MainWindow::SyncToolbar() {
  toolbarButtons_[kTipsButton]->setEnabled(Common->isEnabled());
  toolbarButtons_[kPrintButton]->setEnabled(munPrint->isEnabled());
  toolbarButtons_[kExitButton]->setEnabled(mnuExit->isEnabled());
}

// The advanced options stay as they are, shown with the list they filtered.
void MainWindow::ResetQueryPanel() {
  results->ClearDetailGrid();
  results->flgDetail->hide();
  results->lvMain->hide();
  SyncToolbar();
}

void MainWindow::OpenTips() {
  if (!tips_) tips_ = new TipWindow(db_, this);
  if (!tips_->isVisible()) CentreWindow(*tips_, this);
  tips_->show();
  tips_->raise();
  tips_->activateWindow();
  SyncToolbar();
}

void MainWindow::OpenAbout() {
  if (!about_) about_ = new AboutWindow(*platform_.shell, this);
  if (!about_->isVisible()) CentreWindow(*about_, this);
  about_->show();
  about_->raise();
  about_->activateWindow();
  SyncToolbar();
}

void MainWindow::OpenJourneys() {
  if (!journeys_) {
    journeys_ = new JourneyWindow(db_, platform_, this);
    connect(journeys_, &JourneyWindow::legDetailRequested, this, &MainWindow::trainDetailRequested);
    connect(journeys_, &JourneyWindow::journeyMapRequested, this, &MainWindow::ShowRouteOnMap);
    CentreWindow(*journeys_, this);
    journeys_->restoreGeometry(ReadMemory(QStringLiteral("frmJourney")).toByteArray());
    KeepOnScreen(*journeys_);
  }
  // It starts from the stations of the query panel's boxes.
  journeys_->StartWith(panel->txtFstation->text(), panel->txtEstation->text());
  journeys_->show();
  journeys_->raise();
  journeys_->activateWindow();
}

void MainWindow::OpenBoard() {
  if (!board_) {
    board_ = new BoardWindow(db_, platform_, this);
    connect(board_, &BoardWindow::trainDetailRequested, this, &MainWindow::trainDetailRequested);
    connect(board_, &BoardWindow::stationMapRequested, this, &MainWindow::OpenMapOnStation);
    CentreWindow(*board_, this);
  }
  board_->show();
  board_->raise();
  board_->activateWindow();
}

void MainWindow::OpenBoardOn(const QString& name) {
  OpenBoard();
  board_->ShowStation(name);
}

MapWindow* MainWindow::Map() {
  if (!map_) {
    map_ = new MapWindow(db_, platform_, this);
    connect(map_, &MapWindow::stationBoardRequested, this, &MainWindow::OpenBoardOn);
    // The station goes into the query panel's box, as a pick would put it.
    connect(map_, &MapWindow::departureChosen, this,
            [this](const QString& name) { panel->SetStations(name, panel->txtEstation->text()); });
    connect(map_, &MapWindow::arrivalChosen, this,
            [this](const QString& name) { panel->SetStations(panel->txtFstation->text(), name); });
    CentreWindow(*map_, this);
  }
  return map_;
}

void MainWindow::OpenMap() { Map()->ShowNetwork(); }

void MainWindow::ShowRouteOnMap(const MapRoute& route) { Map()->ShowRoute(route); }

void MainWindow::OpenMapOnStation(const QString& name) { Map()->ShowStation(name); }

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activated();
}

// Coming back to the main window closes the train detail window. An open
// About or tip window stays in front, but the focus stays where the user put
// it: keys typed into the main window land there.
void MainWindow::Activated() {
  emit trainDetailCloseRequested();
  for (QWidget* window : {static_cast<QWidget*>(about_), static_cast<QWidget*>(tips_)}) {
    if (window && window->isVisible()) window->raise();
  }
  SyncToolbar();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  WriteMemory(QStringLiteral("frmMain"), saveGeometry());
  if (journeys_) WriteMemory(QStringLiteral("frmJourney"), journeys_->saveGeometry());
  emit trainDetailCloseRequested();
  if (tips_) tips_->hide();
  if (about_) about_->hide();
  if (journeys_) journeys_->hide();
  if (board_) board_->hide();
  if (map_) map_->hide();
  if (!closing_) {
    closing_ = std::make_unique<ClosingScreen>();
    connect(closing_.get(), &ClosingScreen::finished, this, &MainWindow::programEnded);
  }
  CentreWindow(*closing_, this);
  closing_->show();
  closing_->Start();
  event->accept();
}

void MainWindow::Guard(const std::function<void()>& command) {
  try {
    command();
  } catch (const DatabaseError& e) {
    platform_.messages->Show(this, QString::fromStdString(e.what()), MessageIcon::Critical);
    RefreshViewState();
    SyncToolbar();
  }
}

void MainWindow::SetLegContext(int leg) {
  // The journey's ends are the texts of the search that listed the legs.
  context_.legBoardName = leg == 1 ? context_.transferStationName : context_.journeyFromName;
  context_.legAlightName = leg == 1 ? context_.journeyToName : context_.transferStationName;
}

TrainDetailOpener* WireTrainDetail(MainWindow& main) {
  auto* opener = new TrainDetailOpener(main.database(), main.platform(), main);
  QObject::connect(&main, &MainWindow::trainDetailRequested, opener, &TrainDetailOpener::OpenDetail);
  QObject::connect(&main, &MainWindow::trainDetailCloseRequested, opener, &TrainDetailOpener::CloseDetail);
  QObject::connect(opener, &TrainDetailOpener::stationBoardRequested, &main, &MainWindow::OpenBoardOn);
  QObject::connect(opener, &TrainDetailOpener::mapRequested, &main, &MainWindow::ShowRouteOnMap);
  return opener;
}

}  // namespace kw
