// kestrelway: the timetable enquiry program.
#include <QApplication>

#include "ui/Platform.h"
#include "ui/Startup.h"
#include "ui/detail/TrainDetailOpener.h"
#include "ui/main/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kw::Program program(kw::DesktopPlatform());
  if (!program.Start([](kw::MainWindow& window) { kw::WireTrainDetail(window); })) return 1;
  QObject::connect(program.mainWindow(), &kw::MainWindow::programEnded, &app, &QApplication::quit);
  return app.exec();
}
