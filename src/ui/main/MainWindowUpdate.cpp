// The update commands of the 文件 menu: apply an update file the user picks,
// or take a different installed timetable in place of the user's updated copy.
#include <QFileInfo>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressDialog>
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

namespace {

// The progress bar's steps from start to end.
constexpr int kProgressSteps = 1000;

}  // namespace

void MainWindow::UpdateDatabaseCommand() {
  const QString path = platform_.files->OpenFile(this, str::kUpdateDialogCaption, str::kUpdateDialogFilter);
  if (!path.isEmpty() && QFileInfo(path).isFile()) {
    std::optional<UpdateOutcome> outcome;
    {
      BusyCursor busy;
      // A long update shows how far it has come and may be cancelled; the
      // window keeps drawing meanwhile, every other window of the program
      // waits for it (the dialog is modal to them all).
      QProgressDialog progress(str::kUpdateProgress, str::kUpdateCancel, 0, kProgressSteps, this);
      progress.setWindowModality(Qt::ApplicationModal);
      progress.setMinimumDuration(500);
      progress.setAutoReset(false);
      outcome = ApplyUpdateFile(db_, path.toStdString(), [&progress](long long done, long long total) {
        progress.setValue(total > 0 ? static_cast<int>(done * kProgressSteps / total) : 0);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
      });
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
        platform_.messages->Show(this, QString::fromUtf8(text::kUpdateDamaged.view()), MessageIcon::Warning);
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
  // A different installed timetable the per-user folder could not take or
  // record: said once.
  if (!place.notice.empty()) {
    const QString notice = QString::fromStdString(place.notice);
    place.notice.clear();
    if (ReadMemory(QStringLiteral("CannotTakeInstalled")).toString() != notice) {
      platform_.messages->Show(this, notice, MessageIcon::Warning);
      WriteMemory(QStringLiteral("CannotTakeInstalled"), notice);
    }
  }
  const bool different = place.different.has_value();
  mnuUseInstalled->setVisible(different);
  sbNewerTimetable->setVisible(different);
  if (!different) {
    sbNewerTimetable->clear();
    return;
  }
  const QString version = QString::fromStdString(place.different->version);
  sbNewerTimetable->setText(str::kStatusOtherInstalled.arg(version));
  if (place.different->announced) return;
  platform_.messages->Show(this, str::kOtherInstalledMessage.arg(version), MessageIcon::Information);
  try {
    MarkDifferentAnnounced(place);
    place.different->announced = true;
  } catch (const std::filesystem::filesystem_error&) {
    // Not recorded: the message comes again at the next start.
  }
}

void MainWindow::UseInstalledTimetableCommand() {
  DatePlace& place = RunDatePlace();
  if (!place.different) return;
  const QString question = str::kUseInstalledQuestion.arg(QString::fromStdString(place.different->version));
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
  place.different.reset();
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
