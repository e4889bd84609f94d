// The update command of the 文件 menu: apply an update file the user picks.
#include <QFileInfo>
#include <optional>

#include "store/CoreStrings.h"
#include "ui/BusyCursor.h"
#include "ui/Platform.h"
#include "ui/Strings.h"
#include "ui/main/MainWindow.h"
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

}  // namespace kw
