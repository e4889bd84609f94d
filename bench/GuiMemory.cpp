// kw_gui_memory PROGRAM_FOLDER
//
// The peak memory of the program's window process after a search: opens
// PROGRAM_FOLDER/date/Train.dll, builds and shows the real main window
// (offscreen unless another platform is asked for), types 北京 and 上海 into
// the station boxes key by key, as a traveller does, and presses the confirm
// button. Prints one markdown line with the peak resident size (VmHWM of
// /proc/self/status), or exits non-zero with a one-line error.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "store/Database.h"
#include "store/DateFolder.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "BenchPlatform.h"
#include "ui/main/MainWindow.h"

namespace {

// Types `text` into `box` one character at a time, as key events that carry
// the character (QTest's key clicks take ASCII only).
void Type(QLineEdit* box, const QString& text) {
  box->clear();  // the window starts with the last search's stations
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
  }
}

template <typename T>
T* Control(QWidget& window, const char* name) {
  T* control = window.findChild<T*>(name);
  if (!control) throw std::runtime_error(std::string("the main window has no control ") + name);
  return control;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kw_gui_memory PROGRAM_FOLDER\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  try {
    const std::filesystem::path folder = argv[1];
    kw::SetDateRoot(folder);
    auto db = kw::Database::Open(kw::DatabasePath(folder).string());
    kw::bench::BenchPlatform platform("kw_gui_memory");
    kw::MainWindow window(*db, platform.Get());
    window.Load();
    window.show();
    QApplication::processEvents();

    const QString from = QStringLiteral("北京");
    const QString to = QStringLiteral("上海");
    Type(Control<QLineEdit>(window, "txtFstation"), from);
    Type(Control<QLineEdit>(window, "txtEstation"), to);
    QTest::mouseClick(Control<QPushButton>(window, "cmdSOK"), Qt::LeftButton);
    QApplication::processEvents();  // lay out and paint the result list

    const int listed = Control<QTreeWidget>(window, "lvMain")->topLevelItemCount();
    if (listed == 0) throw std::runtime_error("the search listed no train");
    const double mb = kw::bench::StatusKb("VmHWM:") / 1024.0;
    std::printf(
        "- peak memory of the window process (VmHWM) after the search %s → %s on the timetable of %s "
        "(%d trains listed): %.1f MB; target 100 MB: %s\n",
        from.toStdString().c_str(), to.toStdString().c_str(), folder.filename().string().c_str(), listed, mb,
        mb < 100 ? "yes" : "**no**");
  } catch (const std::exception& e) {
    std::cerr << "kw_gui_memory: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
