// kw_gui_first_journey PROGRAM_FOLDER
//
// How long the journey window's first search after the start takes: opens
// PROGRAM_FOLDER/date/Train.dll as the program does, opens the journey
// window (offscreen unless another platform is asked for) and searches
// 北京 → 上海 over the whole day. Prints the milliseconds from the search
// command until the list is laid out and painted, in wall-clock and in
// processor time it took (the machine may be shared), whether the snapshot
// was there, the journeys listed, and the milliseconds (wall-clock and
// processor time) from the window's start, its opening included, until the
// same list is painted; or exits non-zero with a one-line error. The window
// reads the snapshot from when it opens, so the search itself may find the
// timetable read; the second pair counts that reading too.
#include <QApplication>
#include <QTreeWidget>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "journey/JourneySnapshot.h"
#include "store/Database.h"
#include "store/DateFolder.h"
#include "store/UserCache.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "BenchPlatform.h"
#include "ui/journey/JourneyWindow.h"

namespace {

// Processor time of the process, in ms.
double ProcessCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kw_gui_first_journey PROGRAM_FOLDER\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  try {
    const std::filesystem::path folder = argv[1];
    kw::SetDateRoot(folder);
    auto db = kw::Database::Open(kw::DatabasePath(folder).string());
    // Whether a snapshot is there for this run to find (read before the
    // window looks for it).
    const std::string source = kw::JourneySnapshotSource(*db);
    const bool snapshot = !source.empty() && [&] {
      const auto name = kw::JourneySnapshotFileName(db->Path());
      return std::filesystem::exists(kw::CacheFolder() / name);
    }();
    kw::bench::BenchPlatform platform("kw_gui_first_journey");
    const auto opened = std::chrono::steady_clock::now();
    const double cpuOpened = ProcessCpuMs();
    kw::JourneyWindow window(*db, platform.Get(), nullptr);
    window.show();
    QApplication::processEvents();

    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessCpuMs();
    window.SearchFrom(QStringLiteral("北京"), QStringLiteral("上海"), 0);
    QApplication::processEvents();  // lay out and paint the list
    const auto end = std::chrono::steady_clock::now();
    const double cpuEnd = ProcessCpuMs();
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    const double cpuMs = cpuEnd - cpuStart;
    const double openMs = std::chrono::duration<double, std::milli>(end - opened).count();
    const double openCpuMs = cpuEnd - cpuOpened;
    const int listed = window.lvJourney->topLevelItemCount();
    if (listed == 0) throw std::runtime_error("the search listed no journey");
    std::printf("%.2f %.2f %s %d %.2f %.2f\n", ms, cpuMs, snapshot ? "snapshot" : "built", listed, openMs,
                openCpuMs);
  } catch (const std::exception& e) {
    std::cerr << "kw_gui_first_journey: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
