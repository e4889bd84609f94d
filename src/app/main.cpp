// kestrelway: the timetable enquiry program.
#include <QApplication>
#include <cstring>
#include <iostream>
#include <string_view>

#include "store/Version.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "ui/Startup.h"
#include "ui/main/MainWindow.h"

namespace {

constexpr const char* kUsage =
    "用法：kestrelway [--help] [--version] [Qt 的选项，如 -platform 名称]\n"
    "铁路时刻查询的窗口程序。命令行查询请用 kestrelway-cli。\n"
    "  --help     显示此说明并退出\n"
    "  --version  显示版本并退出\n";

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
  // display); anything else that is not Qt's own is refused.
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
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
    std::cerr << "kestrelway：" << (arg.starts_with('-') ? "未知选项：" : "多余的参数：") << arg << '\n'
              << kUsage;
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
  kw::Program program(platform);
  // A second start brings the running copy's window to the front and ends.
  if (!program.Start([](kw::MainWindow& window) { kw::WireTrainDetail(window); }))
    return program.handedOver() ? 0 : 1;
  QObject::connect(program.mainWindow(), &kw::MainWindow::programEnded, &app, &QApplication::quit);
  return app.exec();
}
