// kestrelway: the timetable enquiry program.
#include <QApplication>

#include "net/AdPicture.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "ui/Startup.h"
#include "ui/aux/AdRefresher.h"
#include "ui/detail/TrainDetailOpener.h"
#include "ui/main/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The desktop entry the installed program is started from (its icon and name).
  QGuiApplication::setDesktopFileName(QStringLiteral("cn.kestrelway.Kestrelway"));
  kw::Platform& platform = kw::DesktopPlatform();
  // One date folder for the whole run: beside the program, or the per-user
  // copy when the program's own cannot be written (an installed program).
  const kw::DatePlace place = kw::ChooseDateRoot(QCoreApplication::applicationDirPath().toStdString());
  if (!place.error.empty()) {
    platform.messages->Show(nullptr, QString::fromStdString(place.error), kw::MessageIcon::Critical);
    return 1;
  }
  const std::filesystem::path root = place.root;
  // A picture downloaded by the last run takes its place before anything shows it.
  kw::SwapWaitingPicture(root);

  kw::Program program(platform);
  const bool started = program.Start([&root](kw::MainWindow& window) {
    kw::WireTrainDetail(window);
    // Ask the publisher's server for a newer advertisement picture once the
    // window has loaded; the refresher is the window's child, so closing the
    // window cancels a transfer still running.
    QObject::connect(&window, &kw::MainWindow::loaded, &window,
                     [&window, root] { (new kw::AdRefresher(root, &window))->Start(); });
  });
  if (!started) return 1;
  QObject::connect(program.mainWindow(), &kw::MainWindow::programEnded, &app, &QApplication::quit);
  return app.exec();
}
