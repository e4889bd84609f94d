// The search commands of the main window: station to station (cmdSOK), with
// a named transfer station, the choice of a transfer station (lstChange) and
// the train number search (cmdOOk, Enter in txtOrder).
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTreeWidget>

#include "query/DirectSearch.h"
#include "query/StationLookup.h"
#include "query/TimetableTime.h"
#include "query/TrainNumberSearch.h"
#include "query/TransferSearch.h"
#include "store/CoreStrings.h"
#include "ui/BusyCursor.h"
#include "ui/Platform.h"
#include "ui/Strings.h"
#include "ui/journey/JourneyWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/QueryPanel.h"
#include "ui/main/ResultArea.h"

namespace kw {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

// Selects the first row of a shown list and gives it the focus.
void FocusFirstRow(QTreeWidget* list) {
  if (list->isHidden() || list->topLevelItemCount() == 0) return;
  list->setCurrentItem(list->topLevelItem(0));
  list->setFocus();
}

}  // namespace

void MainWindow::HideTransferResults() {
  for (QWidget* w : std::initializer_list<QWidget*>{
           panel->lstStation, results->lstChange, results->lblTitle, results->lblFirst, results->lblLast,
           results->lblChange, results->lvchang[0], results->lvchang[1], results->flgChange[0],
           results->flgChange[1], results->cmdJourney}) {
    w->hide();
  }
}

// Messages about station pairs served only by trains running the other way;
// said only while no direct train is listed.
void MainWindow::ShowOtherWayMessages(const std::vector<std::string>& messages) {
  if (!results->lvMain->isHidden()) return;
  for (const auto& message : messages) platform_.messages->Show(this, Q(message));
}

void MainWindow::StationSearchCommand() {
  if (panel->TransferRequested()) {
    NamedTransferCommand();
    return;
  }
  // Letters typed and not picked (shanghai, bj) stand for the first station
  // their lookup lists, as the pick list would have filled in.
  StationSearchRequest request;
  request.fromText = PickedStationText(db_, S(panel->txtFstation->text()));
  request.toText = PickedStationText(db_, S(panel->txtEstation->text()));
  request.earliestDeparture = panel->EarliestDeparture();
  request.latestArrival = panel->LatestArrival();
  request.windowHoursGiven = panel->WindowHoursGiven();
  request.classOption = panel->ChosenClass();
  RunStationRequest(request);
}

void MainWindow::RunStationRequest(const StationSearchRequest& request) {
  results->lvMain->clear();
  repeatSearch_ = nullptr;
  ShowSearchNote({});
  classOption_ = request.classOption;
  // The legs of a change offered by this search belong to its texts, whatever
  // the boxes hold by the time a transfer station is picked or a leg opened.
  context_.journeyFromName = request.fromText;
  context_.journeyToName = request.toText;
  offerEarliestDeparture_ = HhmmToMinutes(request.earliestDeparture);

  ResetQueryPanel();
  HideTransferResults();
  StationSearchResult result;
  {
    BusyCursor busy;
    result = RunStationSearch(db_, request);
  }

  if (result.outcome == StationSearchOutcome::NoStation) {
    ShowSearchNote(Q(text::Fill(text::kNoStationBeginsWith, {result.unknownText})));
    panel->txtSTime->clear();
    panel->txtETime->clear();
    RefreshViewState();
    SyncToolbar();
    return;
  }
  if (result.outcome != StationSearchOutcome::NotSearched) {
    context_.fromStationId = result.fromStationId;
    context_.toStationId = result.toStationId;
    context_.fromStationName = result.fromStationName;
    context_.toStationName = result.toStationName;
    results->SetupDetailGrid(kModeStation, Q(RemoveSpaces(request.fromText)),
                             Q(RemoveSpaces(request.toText)));
    results->fileStem =
        str::FileStem({Q(RemoveSpaces(request.fromText)), Q(RemoveSpaces(request.toText))}, str::kFileTrains);
    RememberPair(request.fromText, request.toText);
  }
  ShowOtherWayMessages(result.otherWayMessages);

  switch (result.outcome) {
    case StationSearchOutcome::Found:
      results->FillMain(result.rows);
      results->lblTitle->show();
      results->lvMain->show();
      results->WebBrowser1->hide();
      ShowSearchNote(str::kStatusTrainCount.arg(result.rows.size()));
      repeatSearch_ = [this, request] { RunStationRequest(request); };
      break;
    case StationSearchOutcome::NothingInWindow:
      platform_.messages->Show(this, Q(result.message), MessageIcon::Information, MessageButtons::OkCancel);
      panel->txtSTime->clear();
      panel->txtETime->clear();
      RefreshViewState();
      SyncToolbar();
      return;
    case StationSearchOutcome::OfferTransfer:
      if (platform_.messages->Show(this, Q(result.message), MessageIcon::Information,
                                   MessageButtons::OkCancel) == MessageAnswer::Ok) {
        OfferTransferStations();
      }
      break;
    default:
      break;
  }
  FinishStationSearch();
}

// The user accepted the offer: the stations where one change is possible.
void MainWindow::OfferTransferStations() {
  TransferCandidates candidates;
  {
    BusyCursor busy;
    candidates = FindTransferStations(db_, context_.fromStationId, context_.toStationId, classOption_);
  }
  RefreshViewState();
  if (candidates.names.empty()) {
    platform_.messages->Show(this, Q(NoTransferMessage(context_.fromStationName, context_.toStationName)));
    return;
  }
  results->lvMain->hide();
  results->lstChange->clear();
  for (const auto& name : candidates.names) results->lstChange->addItem(Q(name));
  results->lstChange->show();
  results->lblChange->show();
  results->cmdJourney->show();
  results->WebBrowser1->hide();
}

void MainWindow::FinishStationSearch() {
  context_.queryMode = kModeStation;
  FocusFirstRow(results->lvMain);
  RefreshViewState();
  SyncToolbar();
}

// Shows lblFirst and the empty first leg list headed for the leg from
// `from` to `via`; the second leg of an earlier result goes.
void MainWindow::PrepareFirstLeg(const QString& from, const QString& via) {
  results->lblLast->hide();
  results->lvchang[1]->hide();
  results->lblFirst->setText(from + str::kLegArrow + via);
  results->lblFirst->show();
  results->lvchang[0]->show();
  results->SetupLegList(0, from, via);
  results->SetupLegGrid(0, from, via);
}

// Lists both legs; the second leg's keys continue from the first's. Returns
// false, with the leg lists hidden, when a leg has no train.
bool MainWindow::ShowLegs(const TwoLegResult& legs, const QString& via, const QString& to) {
  // A leg with trains, but none of the chosen class.
  if (!legs.message.empty()) platform_.messages->Show(this, Q(legs.message));
  const auto fail = [&] {
    for (int leg = 0; leg < 2; ++leg) {
      results->lvchang[leg]->hide();
      results->flgChange[leg]->hide();
    }
    return false;
  };
  if (legs.outcome == TwoLegOutcome::UnknownStation) {
    platform_.messages->Show(this, Q(UnknownStationMessage(legs.unknownName)));
    return fail();
  }
  if (legs.outcome == TwoLegOutcome::NoFirstLeg) {
    ShowOtherWayMessages(legs.otherWayMessages);
    return fail();
  }
  results->FillLeg(0, legs.firstLeg, 1);
  results->fileStem = str::FileStem({Q(RemoveSpaces(context_.journeyFromName)), via, to}, str::kFileTrains);
  results->lblLast->setText(str::kTransferPrefix + via + str::kLegArrow + to);
  results->lblLast->show();
  results->lvchang[1]->show();
  results->SetupLegList(1, via, to);
  results->SetupLegGrid(1, via, to);
  if (legs.outcome == TwoLegOutcome::NoSecondLeg) {
    ShowOtherWayMessages(legs.otherWayMessages);
    return fail();
  }
  results->FillLeg(1, legs.secondLeg, static_cast<int>(legs.firstLeg.size()) + 1);
  ShowSearchNote(str::kStatusLegCounts.arg(legs.firstLeg.size()).arg(legs.secondLeg.size()));
  return true;
}

void MainWindow::TransferStationPicked(const QString& picked) {
  PickedLegs(picked, panel->EarliestDeparture(), panel->LatestArrival());
}

void MainWindow::PickedLegs(const QString& picked, int earliest, int latest) {
  repeatSearch_ = nullptr;
  ShowSearchNote({});
  ResetQueryPanel();
  context_.transferStationName = S(picked);
  PrepareFirstLeg(Q(context_.journeyFromName), picked);
  TwoLegResult legs;
  {
    BusyCursor busy;
    legs = PickTransferStation(db_, context_.fromStationId, context_.toStationId, S(picked), earliest, latest,
                               classOption_);
  }
  if (ShowLegs(legs, picked, Q(context_.journeyToName))) {
    context_.queryMode = kModeChange;
    FocusFirstRow(results->lvchang[0]);
    repeatSearch_ = [this, picked, earliest, latest] { PickedLegs(picked, earliest, latest); };
  }
  RefreshViewState();
  SyncToolbar();
}

// The station search with a transfer station named in the panel: both legs
// through it, without a time window.
void MainWindow::NamedTransferCommand() {
  results->lvMain->clear();
  const auto picked = [this](const QLineEdit* box) { return Q(PickedStationText(db_, S(box->text()))); };
  NamedLegs(picked(panel->txtFstation), picked(panel->txtCh_Station), picked(panel->txtEstation),
            panel->ChosenClass());
}

void MainWindow::NamedLegs(const QString& from, const QString& via, const QString& to,
                           const std::string& classOption) {
  repeatSearch_ = nullptr;
  ShowSearchNote({});
  munPrint->setEnabled(true);
  // A transfer-station list offered by an earlier search goes.
  HideTransferResults();
  context_.transferStationName = S(via);
  context_.journeyFromName = S(from);
  context_.journeyToName = S(to);
  PrepareFirstLeg(from, via);
  TwoLegResult legs;
  {
    BusyCursor busy;
    legs = RunNamedTransfer(db_, S(from), S(via), S(to), classOption);
  }
  if (legs.fromStationId != 0) context_.fromStationId = legs.fromStationId;
  if (legs.toStationId != 0) context_.toStationId = legs.toStationId;
  if (ShowLegs(legs, via, to)) {
    context_.queryMode = kModeChange;
    repeatSearch_ = [this, from, via, to, classOption] { NamedLegs(from, via, to, classOption); };
  }
  ResetQueryPanel();
  RefreshViewState();
  SyncToolbar();
}

void MainWindow::NumberSearchCommand() { RunNumberSearch(panel->txtOrder->text(), panel->ChosenClass()); }

void MainWindow::RunNumberSearch(const QString& typed, const std::string& classOption) {
  results->lvMain->clear();
  repeatSearch_ = nullptr;
  ShowSearchNote({});
  ResetQueryPanel();
  if (typed.size() < 12) {
    HideTransferResults();
    const std::string text = RemoveSpaces(S(typed));
    if (!text.empty()) {
      TrainNumberResult trains;
      {
        BusyCursor busy;
        trains = FindTrainsByNumber(db_, text, classOption);
      }
      if (trains.found && trains.rows.empty()) {
        // Trains of that number run, but none of the chosen class.
        platform_.messages->Show(this, QString::fromUtf8(text::kNothingInWindow.view()));
      } else if (!trains.found) {
        platform_.messages->Show(this, Q(TrainNotFoundMessage(text)));
        panel->txtOrder->clear();
        panel->txtOrder->setFocus();
      } else {
        context_.queryMode = kModeOrder;
        results->WebBrowser1->hide();
        results->lblTitle->show();
        results->lvMain->show();
        results->SetupDetailGrid(kModeOrder, {}, {});
        results->fileStem = str::FileStem({Q(text)}, str::kFileTrains);
        results->FillMain(trains.rows);
        ShowSearchNote(str::kStatusTrainCount.arg(trains.rows.size()));
        repeatSearch_ = [this, typed, classOption] { RunNumberSearch(typed, classOption); };
      }
    }
  }
  FocusFirstRow(results->lvMain);
  RefreshViewState();
  SyncToolbar();
}

void MainWindow::OpenOfferedJourneys() {
  OpenJourneys();
  journeys_->SearchFrom(Q(RemoveSpaces(context_.journeyFromName)), Q(RemoveSpaces(context_.journeyToName)),
                        offerEarliestDeparture_);
}

}  // namespace kw
