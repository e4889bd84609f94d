// main() of the widget tests: one QApplication for all of them, drawn
// offscreen on a screen of 1600 × 1000 (a desktop's, so that the main window
// opens at the size it takes on one), with settings kept in a folder of their
// own for the run so that no test reads or writes the user's real settings.
// Built a second time for the English tests, which run in English.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

#include "l10n/Language.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryDir settings;
  const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    const QString screens = settings.filePath("screens.json");
    QFile file(screens);
    if (file.open(QIODevice::WriteOnly))
      file.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1600, "height": 1000,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
  }
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  QApplication app(argc, argv);
#ifdef KW_TEST_IN_ENGLISH
  // The English tests run every window with the English translation.
  if (!kw::UseLanguage(kw::Language::English)) {
    fprintf(stderr, "the English translation cannot be loaded\n");
    return 1;
  }
#endif
  return RUN_ALL_TESTS();
}
