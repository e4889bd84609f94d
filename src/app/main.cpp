// kestrelway: the timetable enquiry program.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "store/Version.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "ui/Startup.h"
#include "ui/main/MainWindow.h"

int main(int argc, char** argv) {
  // The version, without a window (nor a display) to show it in.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "kestrelway " << kw::kVersion << '\n';
    return 0;
  }
  QApplication app(argc, argv);
  // The desktop entry the installed program is started from (its icon and name).
  QGuiApplication::setDesktopFileName(QStringLiteral("cn.kestrelway.Kestrelway"));
  // Qt's standard dialogs and menus in Chinese, as the rest of the program.
  kw::LoadQtTranslations(app);
  kw::Platform& platform = kw::DesktopPlatform();
  // One date folder for the whole run: beside the program, or the per-user
  // copy when the program's own cannot be written (an installed program).
  const kw::DatePlace place = kw::ChooseDateRoot(QCoreApplication::applicationDirPath().toStdString());
  if (!place.error.empty()) {
    platform.messages->Show(nullptr, QString::fromStdString(place.error), kw::MessageIcon::Critical);
    return 1;
  }
  kw::Program program(platform);
  // A second start brings the running copy's window to the front and ends.
  if (!program.Start([](kw::MainWindow& window) { kw::WireTrainDetail(window); }))
    return program.handedOver() ? 0 : 1;
  QObject::connect(program.mainWindow(), &kw::MainWindow::programEnded, &app, &QApplication::quit);
  return app.exec();
}
