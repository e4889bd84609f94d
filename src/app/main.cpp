// kestrelway: the timetable enquiry program.
#include <QApplication>
#include <QProcess>
#include <cstring>
#include <iostream>
#include <memory>
#include <string_view>

#include "store/Version.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "ui/Startup.h"
#include "ui/Strings.h"
#include "ui/main/MainWindow.h"

namespace {

// The language the program answers its options in: the one the user chose
// in the window, else English where the system's language is English.
kw::Language OptionsLanguage() {
  if (!kw::ReadMemory(QStringLiteral("Language")).toString().isEmpty()) return kw::SavedLanguage();
  return kw::EnvironmentLanguage();
}

std::string Usage() { return kw::str::kUsage.str().toStdString(); }

// Qt's own options the program passes on to Qt: those with a value, then
// those without.
bool IsQtOption(std::string_view arg, bool& takesValue) {
  if (arg.rfind("--", 0) == 0) arg.remove_prefix(1);
  const size_t eq = arg.find('=');
  const std::string_view name = arg.substr(0, eq);
  for (const std::string_view valued : {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-style",
                                        "-stylesheet", "-session", "-display", "-qwindowgeometry",
                                        "-qwindowtitle", "-qwindowicon", "-geometry", "-title", "-name"}) {
    if (name == valued) {
      takesValue = eq == std::string_view::npos;
      return true;
    }
  }
  takesValue = false;
  for (const std::string_view plain : {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"}) {
    if (arg == plain) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // The options of the program itself are answered without a window (nor a
  // display); anything else that is not Qt's own is refused. Only an answer
  // needs the language: a normal start reads it once, below.
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      kw::UseLanguage(OptionsLanguage());
      std::cout << Usage();
      return 0;
    }
    if (arg == "--version") {
      std::cout << "kestrelway " << kw::kVersion << '\n';
      return 0;
    }
    bool takesValue = false;
    if (IsQtOption(arg, takesValue)) {
      if (takesValue) ++i;
      continue;
    }
    kw::UseLanguage(OptionsLanguage());
    const QString what = QString::fromLocal8Bit(arg.data(), static_cast<qsizetype>(arg.size()));
    std::cerr << (arg.starts_with('-') ? kw::str::kUnknownOption : kw::str::kExtraArgument).arg(what).toStdString()
              << '\n'
              << Usage();
    return 2;
  }
  QApplication app(argc, argv);
  // The desktop entry the installed program is started from (its icon and name).
  QGuiApplication::setDesktopFileName(QStringLiteral("cn.kestrelway.Kestrelway"));
  // The interface's language, and Qt's standard dialogs and menus in it.
  kw::UseLanguage(kw::SavedLanguage());
  kw::LoadQtTranslations(app);
  kw::Platform& platform = kw::DesktopPlatform();
  // One date folder for the whole run: beside the program, or the per-user
  // copy when the program's own cannot be written (an installed program).
  const kw::DatePlace place = kw::ChooseDateRoot(QCoreApplication::applicationDirPath().toStdString());
  if (!place.error.empty()) {
    platform.messages->Show(nullptr, QString::fromStdString(place.error), kw::MessageIcon::Critical);
    return 1;
  }
  auto program = std::make_unique<kw::Program>(platform);
  // A second start brings the running copy's window to the front and ends.
  if (!program->Start([](kw::MainWindow& window) { kw::WireTrainDetail(window); }))
    return program->handedOver() ? 0 : 1;
  QObject::connect(program->mainWindow(), &kw::MainWindow::programEnded, &app, &QApplication::quit);
  const int status = app.exec();
  // A change of language asked for a restart: the new copy starts once this
  // one has let go of its window, its database and its socket.
  const bool restart = program->mainWindow()->restartRequested();
  program.reset();
  if (restart) QProcess::startDetached(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
  return status;
}
