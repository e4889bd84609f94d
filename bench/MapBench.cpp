// kw_map_bench PROGRAM_FOLDER
//
// The map window on the timetable of PROGRAM_FOLDER/date/Train.dll (the
// national one, with its station positions), offscreen unless another
// platform is asked for, at 1366 × 768:
// - opening: the main window is built and shown, then 地图 → 铁路地图 opens
//   the map with the whole network read, projected and painted once (wall
//   clock, median of five openings, each in a new map window);
// - repainting: a scripted series of 200 pans (drag steps, arrow keys) and
//   zooms (wheel notches, + and −) at the national and at closer views, each
//   followed by a full repaint of the map (median, 90th percentile, max);
// - memory: the resident size (VmRSS) with the main window alone against
//   with the map open and painted.
// Prints the lines of the "Map window" section of bench/RESULTS.md.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/DateFolder.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "BenchPlatform.h"
#include "ui/main/MainWindow.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapWindow.h"

namespace {

// Processor time of this thread, in ms: what a repaint costs, whatever else
// the shared machine runs meanwhile.
double ThreadMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const size_t at = std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5));
  return values[at];
}

void Key(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

void Wheel(QWidget* w, QPointF at, int delta) {
  QWheelEvent wheel(at, w->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &wheel);
}

void Drag(QWidget* w, QPointF from, QPointF to) {
  QMouseEvent press(QEvent::MouseButtonPress, from, w->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, to, w->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &move);
  QApplication::sendEvent(w, &release);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kw_map_bench PROGRAM_FOLDER\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  try {
    const std::filesystem::path folder = argv[1];
    kw::SetDateRoot(folder);
    auto db = kw::Database::Open(kw::DatabasePath(folder).string());
    kw::bench::BenchPlatform platform("kw_map_bench");
    kw::MainWindow main(*db, platform.Get());
    main.Load();
    main.show();
    QApplication::processEvents();
    const long mainAloneKb = kw::bench::StatusKb("VmRSS:");

    // Opening, five times, each a new map window.
    std::vector<double> openings;
    std::vector<double> openingsCpu;
    kw::MapWindow* map = nullptr;
    for (int run = 0; run < 5; ++run) {
      auto* fresh = new kw::MapWindow(*db, platform.Get(), &main);
      fresh->resize(1366, 768);
      QElapsedTimer timer;
      timer.start();
      const double cpu = ThreadMs();
      fresh->ShowNetwork();
      fresh->picMap->repaint();
      openingsCpu.push_back(ThreadMs() - cpu);
      openings.push_back(timer.nsecsElapsed() / 1e6);
      if (map) delete map;
      map = fresh;
    }
    QApplication::processEvents();
    const long withMapKb = kw::bench::StatusKb("VmRSS:");
    const int segments = map->picture().SegmentCount();

    // Pans and zooms, each repainted in full.
    kw::MapCanvas* canvas = map->picMap;
    const QPointF middle(canvas->width() / 2.0, canvas->height() / 2.0);
    std::vector<double> repaints;
    std::vector<double> repaintsCpu;
    const auto timed = [&](auto&& step) {
      step();
      QElapsedTimer timer;
      timer.start();
      const double cpu = ThreadMs();
      canvas->repaint();
      repaintsCpu.push_back(ThreadMs() - cpu);
      repaints.push_back(timer.nsecsElapsed() / 1e6);
    };
    for (int round = 0; round < 4; ++round) {
      for (int i = 0; i < 10; ++i) timed([&] { Drag(canvas, middle, middle + QPointF(37, -23)); });
      for (int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Plus}) timed([&] { Key(canvas, key); });
      for (int i = 0; i < 10; ++i) timed([&] { Wheel(canvas, middle + QPointF(100, 50), i < 5 ? 120 : -120); });
      for (int i = 0; i < 10; ++i) timed([&] { Drag(canvas, middle, middle + QPointF(-31, 19)); });
      for (int key : {Qt::Key_Minus, Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Left, Qt::Key_Minus, Qt::Key_Minus,
                      Qt::Key_Minus, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Minus, Qt::Key_Plus,
                      Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Plus})
        timed([&] { Key(canvas, key); });
    }

    const double open = Percentile(openingsCpu, 0.5);
    const double median = Percentile(repaintsCpu, 0.5);
    const double more = (withMapKb - mainAloneKb) / 1024.0;
    std::printf("- timetable: %s, %d stations, %d segments drawn, at %d × %d px (%s platform); processor time "
                "of the window's thread, wall-clock in brackets (the machine is shared)\n",
                folder.filename().string().c_str(), static_cast<int>(map->picture().network().stations.size()),
                segments, canvas->width(), canvas->height(), qPrintable(QGuiApplication::platformName()));
    std::printf("- opening with the whole network read and drawn: %.1f ms (%.1f ms), median of 5; target 300 ms: %s\n",
                open, Percentile(openings, 0.5), open < 300 ? "yes" : "**no**");
    std::printf(
        "- repaint after a pan or zoom: median %.2f ms (%.2f ms), 90th percentile %.2f ms, max %.2f ms over %d "
        "steps; target median 16 ms: %s\n",
        median, Percentile(repaints, 0.5), Percentile(repaintsCpu, 0.9), Percentile(repaintsCpu, 1.0),
        static_cast<int>(repaints.size()), median < 16 ? "yes" : "**no**");
    std::printf(
        "- resident memory: main window alone %.1f MB, with the map open %.1f MB: %.1f MB more; target 60 MB: %s\n",
        mainAloneKb / 1024.0, withMapKb / 1024.0, more, more <= 60 ? "yes" : "**no**");
  } catch (const std::exception& e) {
    std::cerr << "kw_map_bench: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
