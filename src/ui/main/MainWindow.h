// The main query window, frmMain: menus, toolbar, status bar, the query
// panel and the result area, and the search commands that join them.
//
// Hooks for the parts wired in from outside (connect before Load()):
// - trainDetailRequested(context): a result row or a leg of the journey
//   window was opened; `context` names the train and its stretch. Open the
//   train detail window on it, replacing one that is open (WireTrainDetail).
//   The station board window asks through it too; the detail window's
//   查看车站时刻 comes back through OpenBoardOn (WireTrainDetail).
// - trainDetailCloseRequested(): the main window became active again or is
//   closing; close the train detail window if it is open.
// - printRequested(): the print command (menu munPrint, toolbar button 5).
//   The program connects it to PrintResults (ResultPrinting.h), which calls
//   SyncToolbar() when printing is done.
// - loaded(): loading has reached the point where background work starts
//   (the advertisement picture refresh).
// - programEnded(): the closing screen has run out; end the program.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "query/DirectSearch.h"
#include "l10n/Language.h"
#include "query/TransferSearch.h"
#include "ui/SearchContext.h"

class QLabel;
class QMenu;
class QToolBar;

namespace kw {

class AboutWindow;
class BoardWindow;
class ClosingScreen;
class Database;
class JourneyWindow;
class MapWindow;
struct MapRoute;
class QueryPanel;
class ResultArea;
class TipWindow;
class TrainDetailOpener;
struct Platform;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Database& db, Platform& platform, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Loads the window (once): the start page, the picture window while
  // loading, the data version in the status bar.
  void Load();

  // munPrint is enabled exactly while a result list is shown; the web pane is
  // shown exactly while the second leg list is not.
  void RefreshViewState();
  // Toolbar buttons 2, 5 and 7 take the enabled state of Common, munPrint and
  // mnuExit.
  void SyncToolbar();
  // Clears and hides flgDetail and hides lvMain; the advanced options stay
  // shown, so that they explain the list that follows.
  void ResetQueryPanel();
  // Reads the data version again and writes the status bar text; in English,
  // reads the stations' spellings from the timetable again too.
  void ShowVersionText();
  // The status bar's second panel: what the last search did (how many trains
  // it listed, a station it could not find); empty text clears it.
  void ShowSearchNote(const QString& note);

  // Menu commands.
  void OpenTips();
  // Applies an update file the user picks (MainWindowUpdate.cpp).
  void UpdateDatabaseCommand();
  // Replaces the user's updated copy with the newer installed timetable,
  // after asking (MainWindowUpdate.cpp).
  void UseInstalledTimetableCommand();
  // Says in the status bar (and once in a message) that a newer timetable is
  // installed than the one the run's updated copy came from.
  void ShowNewerTimetable();
  // Reads a GTFS feed the user picks into a new timetable off the window's
  // thread, under a progress dialog with 取消, tells what it holds and, if the
  // user agrees, puts it in place of the user's timetable all at once
  // (MainWindowGtfs.cpp).
  void ImportGtfsCommand();
  // Writes the open timetable as a GTFS zip where the user says.
  void ExportGtfsCommand();
  void OpenAbout();
  // The journey window (mnuJourney, the toolbar's 中转行程), as it was left.
  void OpenJourneys();
  // The station board window (mnuBoard, the toolbar's 车站时刻), as it was left.
  void OpenBoard();
  // The station board window on the station named `name`.
  void OpenBoardOn(const QString& name);
  // The map window (地图 → 铁路地图) on the whole network.
  void OpenMap();
  // The map window on a train's route or a journey's legs.
  void ShowRouteOnMap(const MapRoute& route);
  // The map window on the station named `name`.
  void OpenMapOnStation(const QString& name);
  // A toolbar button, by its index: 2 tips, 5 print, 6 help, 7 exit.
  void Toolbar1ButtonClick(int index);

  // 语言 / Language: remembers `language` for the next start and offers to
  // restart now (the windows build their texts once).
  void ChooseLanguage(Language language);
  // The user chose to restart in another language: once the program has
  // ended, it starts again.
  bool restartRequested() const { return restartRequested_; }

  const SearchContext& searchContext() const { return context_; }
  Database& database() { return db_; }
  Platform& platform() { return platform_; }
  TipWindow* tipWindow() const { return tips_; }
  AboutWindow* aboutWindow() const { return about_; }
  JourneyWindow* journeyWindow() const { return journeys_; }
  BoardWindow* boardWindow() const { return board_; }
  MapWindow* mapWindow() const { return map_; }
  ClosingScreen* closingScreen() const { return closing_.get(); }

  QueryPanel* panel;
  ResultArea* results;
  QMenu* mnuFile;
  QMenu* mnuRecent;  // 最近查询: the last ten station pairs searched, latest first
  QMenu* mnuHelp;
  QMenu* mnuLanguage;  // 语言 / Language
  QAction* mnuChinese;
  QAction* mnuEnglish;
  QAction* mnuMap;      // the 地图 menu
  QAction* mnuRailMap;  // 铁路地图
  QAction* mnuJourney;
  QAction* mnuBoard;
  QAction* munPrint;
  QAction* mnuUpdate;
  QAction* mnuUseInstalled;
  QAction* mnuImportGtfs;
  QAction* mnuExportGtfs;
  QAction* mnuExit;
  QAction* Common;
  QAction* mnuHMain;
  QAction* About;
  QToolBar* Toolbar1;
  QLabel* sbMainPanel1;
  QLabel* sbNewerTimetable;
  QLabel* sbMainPanel2;

 signals:
  void trainDetailRequested(const kw::SearchContext& context);
  void trainDetailCloseRequested();
  void printRequested();
  void loaded();
  void programEnded();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void Activated();
  // Runs a search command; a failing database ends it with a message that
  // says why, and the result area stays as the command left it.
  void Guard(const std::function<void()>& command);

  // The search commands (MainWindowSearches.cpp).
  void StationSearchCommand();
  void RunStationRequest(const StationSearchRequest& request);
  // The pair a search named goes first in 最近查询.
  void RememberPair(const std::string& from, const std::string& to);
  void FillRecentMenu();
  void OfferTransferStations();
  void FinishStationSearch();
  void NamedTransferCommand();
  void TransferStationPicked(const QString& picked);
  void PickedLegs(const QString& picked, int earliest, int latest);
  void NamedLegs(const QString& from, const QString& via, const QString& to, const std::string& classOption);
  void NumberSearchCommand();
  void RunNumberSearch(const QString& typed, const std::string& classOption);
  void HideTransferResults();
  void PrepareFirstLeg(const QString& from, const QString& via);
  bool ShowLegs(const TwoLegResult& legs, const QString& via, const QString& to);
  void ShowOtherWayMessages(const std::vector<std::string>& messages);
  void SetLegContext(int leg);
  // The map window, made and wired on first use.
  MapWindow* Map();
  // The journey window on the search that found no through train.
  void OpenOfferedJourneys();

  Database& db_;
  Platform& platform_;
  SearchContext context_;
  bool loaded_ = false;
  bool restartRequested_ = false;
  // Toolbar buttons by index (1 to 7); null where the index is a separator.
  std::array<QAction*, 8> toolbarButtons_{};
  TipWindow* tips_ = nullptr;
  AboutWindow* about_ = nullptr;
  JourneyWindow* journeys_ = nullptr;
  BoardWindow* board_ = nullptr;
  MapWindow* map_ = nullptr;
  // The earliest departure (minutes after midnight) of the search that ended
  // in the offer of transfer stations, for the journey window on its texts.
  int offerEarliestDeparture_ = 0;
  // The 车型 option of the last station search (empty: none), which the
  // transfer legs picked from its candidates keep.
  std::string classOption_;
  // Runs the search whose list is on screen again (after an update file was
  // applied); empty while no search list shows.
  std::function<void()> repeatSearch_;
  std::unique_ptr<ClosingScreen> closing_;
};

// Connects the main window's detail hooks to an opener owned by the main
// window. Call before the main window loads.
TrainDetailOpener* WireTrainDetail(MainWindow& main);

}  // namespace kw
