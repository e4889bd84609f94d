#include "ui/Startup.h"

#include <QApplication>
#include <QStatusBar>
#include <cmath>

#include "net/AdPicture.h"
#include "store/Database.h"
#include "store/DateFolder.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "ui/WindowPlacement.h"
#include "ui/aux/AdRefresher.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultPrinting.h"

namespace kw {

Program::Program(Platform& platform) : platform_(platform) {}

Program::~Program() = default;

bool Program::Start(const std::function<void(MainWindow&)>& wire) {
  // A picture downloaded by the last run takes its place before anything
  // shows it.
  SwapWaitingPicture(DateRoot());
  const std::string path = DatabasePath(DateRoot()).string();
  try {
    db_ = Database::Open(path);
  } catch (const DatabaseError& e) {
    // A second copy of the program finds the database locked by the first.
    platform_.messages->Show(nullptr, QString::fromStdString(e.what()), MessageIcon::Critical);
    return false;
  }
  // Every window of the program carries its icon, message boxes and file
  // dialogs too.
  QApplication::setWindowIcon(ProgramIcon());
  main_ = std::make_unique<MainWindow>(*db_, platform_);
  ConnectResultPrinting(*main_, platform_);
  // Ask the publisher's server for a newer advertisement picture once the
  // window has loaded; the refresher is the window's child, so closing the
  // window cancels a transfer still running.
  MainWindow* window = main_.get();
  QObject::connect(window, &MainWindow::loaded, window,
                   [window] { (new AdRefresher(DateRoot(), window))->Start(); });
  if (wire) wire(*main_);

  // "Display": 0 opens the tips first, another number the main window alone.
  // A first start, or a value that is not a number, writes the defaults and
  // opens the tips.
  bool isNumber = false;
  const double display = ReadEveryDay(kDisplayKey).trimmed().toDouble(&isNumber);
  if (!isNumber || !std::isfinite(display)) {
    isNumber = false;
    WriteEveryDay(kDisplayKey, QStringLiteral("0"));
    WriteEveryDay(kRandomNumberKey, QStringLiteral("1"));
  }
  main_->Load();
  // Which database is open (the program's own or the per-user copy): the
  // version text's tool tip names the file.
  main_->statusBar()->setToolTip(QString::fromStdString(path));
  main_->show();
  if (!isNumber || display == 0) main_->OpenTips();
  return true;
}

}  // namespace kw
