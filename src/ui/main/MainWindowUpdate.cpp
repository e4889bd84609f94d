// The update commands of the 文件 menu: apply an update file the user picks,
// or take a newer installed timetable in place of the user's updated copy.
#include <QFileInfo>
#include <QLabel>
#include <filesystem>
#include <optional>

#include "store/CoreStrings.h"
#include "store/Database.h"
#include "ui/AppPaths.h"
#include "ui/BusyCursor.h"
#include "ui/Platform.h"
#include "ui/Strings.h"
#include "ui/main/MainWindow.h"
#include "ui/main/QueryPanel.h"
#include "update/UpdateFile.h"

namespace kw {

void MainWindow::UpdateDatabaseCommand() {
  const QString path = platform_.files->OpenFile(this, str::kUpdateDialogCaption, str::kUpdateDialogFilter);
  if (!path.isEmpty() && QFileInfo(path).isFile()) {
    std::optional<UpdateOutcome> outcome;
    {
      BusyCursor busy;
      outcome = ApplyUpdateFile(db_, path.toStdString());
    }
    const QString message = QString::fromStdString(outcome->Message());
    switch (outcome->status) {
      case UpdateStatus::Applied:
      case UpdateStatus::AppliedFileKept:
        platform_.messages->Show(
            this, message,
            outcome->status == UpdateStatus::Applied ? MessageIcon::Information : MessageIcon::Warning);
        ShowVersionText();
        // The list on screen shows what the timetable now says.
        if (repeatSearch_) {
          const std::function<void()> again = repeatSearch_;
          Guard(again);
        }
        break;
      case UpdateStatus::NoRecords:
        platform_.messages->Show(this, message, MessageIcon::Information);
        platform_.messages->Show(this, QString::fromUtf8(text::kUpdateDamaged), MessageIcon::Warning);
        break;
      case UpdateStatus::Failed:
        platform_.messages->Show(this, message, MessageIcon::Warning);
        break;
    }
  }
  RefreshViewState();
  SyncToolbar();
}

void MainWindow::ShowNewerTimetable() {
  DatePlace& place = RunDatePlace();
  const bool newer = place.newer.has_value();
  mnuUseInstalled->setVisible(newer);
  sbNewerTimetable->setVisible(newer);
  if (!newer) {
    sbNewerTimetable->clear();
    return;
  }
  const QString version = QString::fromStdString(place.newer->version);
  sbNewerTimetable->setText(str::kStatusNewerInstalled.arg(version));
  if (place.newer->announced) return;
  platform_.messages->Show(this, str::kNewerInstalledMessage.arg(version), MessageIcon::Information);
  try {
    MarkNewerAnnounced(place);
    place.newer->announced = true;
  } catch (const std::filesystem::filesystem_error&) {
    // Not recorded: the message comes again at the next start.
  }
}

void MainWindow::UseInstalledTimetableCommand() {
  DatePlace& place = RunDatePlace();
  if (!place.newer) return;
  const QString question = str::kUseInstalledQuestion.arg(QString::fromStdString(place.newer->version));
  if (platform_.messages->Show(this, question, MessageIcon::Warning, MessageButtons::OkCancel) !=
      MessageAnswer::Ok) {
    return;
  }
  QString failure;
  {
    BusyCursor busy;
    try {
      TakeInstalledTimetable(db_, place);
    } catch (const DatabaseError& e) {
      failure = QString::fromStdString(e.what());
    } catch (const std::filesystem::filesystem_error& e) {
      failure = str::kUseInstalledFailed + QString::fromStdString(e.what());
    }
  }
  if (!failure.isEmpty()) {
    platform_.messages->Show(this, failure, MessageIcon::Warning);
    return;
  }
  place.newer.reset();
  // What is shown came from the replaced data: start afresh.
  emit trainDetailCloseRequested();
  HideTransferResults();
  ResetQueryPanel();
  panel->ClearStations();
  ShowVersionText();
  ShowNewerTimetable();
  platform_.messages->Show(this, str::kUseInstalledDone, MessageIcon::Information);
  RefreshViewState();
  SyncToolbar();
}

}  // namespace kw
