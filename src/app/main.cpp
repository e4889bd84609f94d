// kestrelway: the timetable enquiry program.
#include <QApplication>

#include "net/AdPicture.h"
#include "ui/Platform.h"
#include "ui/Startup.h"
#include "ui/aux/AdRefresher.h"
#include "ui/main/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::string appDir = QCoreApplication::applicationDirPath().toStdString();
  // A picture downloaded by the last run takes its place before anything shows it.
  kw::SwapWaitingPicture(appDir);

  kw::Program program(kw::DesktopPlatform());
  const bool started = program.Start([&appDir](kw::MainWindow& window) {
    // Ask the publisher's server for a newer advertisement picture once the
    // window has loaded; the refresher is the window's child, so closing the
    // window cancels a transfer still running.
    QObject::connect(&window, &kw::MainWindow::loaded, &window,
                     [&window, appDir] { (new kw::AdRefresher(appDir, &window))->Start(); });
  });
  if (!started) return 1;
  QObject::connect(program.mainWindow(), &kw::MainWindow::programEnded, &app, &QApplication::quit);
  return app.exec();
}
