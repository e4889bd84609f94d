// 文件 → 导入 GTFS 时刻表 and 文件 → 导出 GTFS.
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <thread>

#include "gtfs/FeedError.h"
#include "gtfs/GtfsExport.h"
#include "gtfs/GtfsImport.h"
#include "store/DataBuilder.h"
#include "store/Database.h"
#include "store/DateFolder.h"
#include "ui/AppPaths.h"
#include "ui/BusyCursor.h"
#include "ui/Platform.h"
#include "ui/Strings.h"
#include "ui/main/MainWindow.h"
#include "ui/main/QueryPanel.h"

namespace kw {

namespace fs = std::filesystem;

namespace {

// The installed timetable whose classes, fares, tips, station codes and
// section lengths an import takes: the one installed beside a per-user
// copy, else the open one.
gtfs::Reference InstalledReference(Database& open) {
  const DatePlace& place = RunDatePlace();
  if (!place.source.empty()) {
    const fs::path installed = place.source / "Train.dll";
    std::error_code ec;
    if (fs::exists(installed, ec)) {
      try {
        auto db = Database::OpenReadOnly(installed.string());
        return gtfs::LoadReference(*db);
      } catch (const DatabaseError&) {
        // The open timetable serves instead.
      }
    }
  }
  return gtfs::LoadReference(open);
}

struct ImportRun {
  std::atomic<int> percent{0};
  std::atomic<bool> cancel{false};
  std::atomic<bool> done{false};
  bool cancelled = false;
  std::string error;
  gtfs::ImportSummary summary;
};

}  // namespace

void MainWindow::ImportGtfsCommand() {
  const QString picked = platform_.files->OpenFile(this, str::kGtfsImportCaption, str::kGtfsImportFilter);
  if (picked.isEmpty()) return;
  // A zip, or a feed folder picked by one of its files.
  const QFileInfo info(picked);
  const QString feed = info.isFile() && info.suffix().compare("zip", Qt::CaseInsensitive) != 0
                           ? info.absolutePath()
                           : info.absoluteFilePath();
  QTemporaryDir work;
  if (!work.isValid()) {
    platform_.messages->Show(this, str::kGtfsImportFailed.arg(work.errorString()), MessageIcon::Warning);
    return;
  }
  const std::string out = QDir(work.path()).filePath(QStringLiteral("Train.dll")).toStdString();
  gtfs::Reference reference;
  {
    BusyCursor busy;
    try {
      reference = InstalledReference(db_);
    } catch (const DatabaseError& e) {
      platform_.messages->Show(this, str::kGtfsImportFailed.arg(QString::fromStdString(e.what())),
                               MessageIcon::Warning);
      return;
    }
  }

  // The import runs on a thread of its own; the window shows how far it has
  // come and takes 取消.
  ImportRun run;
  std::thread worker([&run, &reference, feed = feed.toStdString(), out] {
    gtfs::ImportOptions options;
    options.cancel = &run.cancel;
    options.progress = [&run](int percent) { run.percent = percent; };
    try {
      run.summary = gtfs::ImportFeed(feed, reference, options, out);
    } catch (const FeedCancelled&) {
      run.cancelled = true;
    } catch (const std::exception& e) {
      run.error = e.what();
    }
    run.done = true;
  });
  {
    QProgressDialog progress(str::kGtfsImportProgress, str::kGtfsCancel, 0, 100, this);
    progress.setObjectName(QStringLiteral("dlgGtfsProgress"));
    progress.setWindowTitle(str::kProductTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
      if (run.done) {
        loop.quit();
        return;
      }
      if (progress.wasCanceled()) run.cancel = true;
      progress.setValue(run.percent);
    });
    poll.start(30);
    if (!run.done) loop.exec();
  }
  worker.join();
  if (run.cancelled) return;
  if (!run.error.empty()) {
    platform_.messages->Show(this, str::kGtfsImportFailed.arg(QString::fromStdString(run.error)),
                             MessageIcon::Warning);
    return;
  }
  const QString question = str::kGtfsUseQuestion.arg(QString::fromStdString(run.summary.Text()));
  if (platform_.messages->Show(this, question, MessageIcon::Information, MessageButtons::OkCancel) !=
      MessageAnswer::Ok) {
    return;
  }

  // In place of the open file all at once, as an update or the installed
  // timetable takes its place: the new file is copied beside it under a
  // name of this process's own and swapped in whole.
  QString failure;
  {
    BusyCursor busy;
    const fs::path target(db_.Path());
    const fs::path part =
        target.parent_path() / (target.filename().string() + ".gtfs." + std::to_string(getpid()) + ".part");
    int lock = OpenPartial(part);
    try {
      if (lock < 0) throw fs::filesystem_error("open", part, std::error_code(errno, std::generic_category()));
      fs::copy_file(out, part, fs::copy_options::overwrite_existing);
      // The replacement takes the writer lock of its own before its rename.
      ::close(lock);
      lock = -1;
      db_.ReplaceWith(part.string());
    } catch (const DatabaseError& e) {
      failure = QString::fromStdString(e.what());
    } catch (const fs::filesystem_error& e) {
      failure = str::kGtfsUseFailed + QString::fromStdString(e.what());
    }
    std::error_code ec;
    fs::remove(part, ec);
    if (lock >= 0) ::close(lock);
  }
  if (!failure.isEmpty()) {
    platform_.messages->Show(this, failure, MessageIcon::Warning);
    return;
  }
  // 文件 → 使用新安装的时刻表 brings the installed timetable back.
  DatePlace& place = RunDatePlace();
  if (!place.source.empty() && !place.different) {
    const fs::path installed = place.source / "Train.dll";
    std::error_code ec;
    if (fs::exists(installed, ec)) {
      place.different.emplace();
      place.different->version = ReadDataVersion(installed);
      place.different->identity = TimetableIdentity(installed);
      place.different->announced = true;
      mnuUseInstalled->setVisible(true);
    }
  }
  // What is shown came from the replaced data: start afresh.
  emit trainDetailCloseRequested();
  HideTransferResults();
  ResetQueryPanel();
  panel->ClearStations();
  ShowVersionText();
  platform_.messages->Show(this, str::kGtfsUseDone.arg(QString::fromStdString(run.summary.version)),
                           MessageIcon::Information);
  RefreshViewState();
  SyncToolbar();
}

void MainWindow::ExportGtfsCommand() {
  const QString path =
      platform_.files->SaveFile(this, str::kGtfsExportCaption, str::kGtfsExportName, str::kGtfsExportFilter);
  if (path.isEmpty()) return;
  QString message;
  bool ok = false;
  {
    BusyCursor busy;
    try {
      const auto summary = gtfs::ExportFeed(db_, path.toStdString());
      message = str::kGtfsExportDone.arg(path, QString::fromStdString(summary.Text()));
      ok = true;
    } catch (const std::exception& e) {
      message = str::kGtfsExportFailed.arg(QString::fromStdString(e.what()));
    }
  }
  platform_.messages->Show(this, message, ok ? MessageIcon::Information : MessageIcon::Warning);
}

}  // namespace kw
