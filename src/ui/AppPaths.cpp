#include "ui/AppPaths.h"

#include <QGuiApplication>
#include <QSettings>

#include "ui/Strings.h"

namespace kw {

namespace {

std::filesystem::path& FolderOverride() {
  static std::filesystem::path folder;
  return folder;
}

}  // namespace

DatePlace ChooseDateRoot(const std::filesystem::path& programDir) {
  // The same per-user folder as the command-line tool's.
  const DatePlace place = ChooseDatePlace({programDir, InstalledDataDir(programDir), UserDataRoot()});
  SetDateRoot(place.root);
  return place;
}

std::filesystem::path DateRoot() {
  if (!FolderOverride().empty()) return FolderOverride();
  return QCoreApplication::applicationDirPath().toStdString();
}

void SetDateRoot(const std::filesystem::path& folder) { FolderOverride() = folder; }

QString DatePath(std::string_view name) {
  return QString::fromStdString(DateFile(DateRoot(), name).string());
}

QPixmap DatePicture(std::string_view name) {
  // A high-density screen takes the picture drawn at twice the size,
  // name@2x.ext, where there is one (Qt reads the scale from the name).
  if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
    const std::filesystem::path plain(name);
    const auto twice = DateFile(DateRoot(), plain.stem().string() + "@2x" + plain.extension().string());
    const QPixmap picture(QString::fromStdString(twice.string()));
    if (!picture.isNull()) return picture;
  }
  return QPixmap(DatePath(name));
}

QString ReadEveryDay(const QString& key) {
  QSettings settings(str::kProductTitle, str::kProductTitle);
  settings.beginGroup(QStringLiteral("EveryDay"));
  return settings.value(key).toString();
}

void WriteEveryDay(const QString& key, const QString& value) {
  QSettings settings(str::kProductTitle, str::kProductTitle);
  settings.beginGroup(QStringLiteral("EveryDay"));
  settings.setValue(key, value);
}

QVariant ReadMemory(const QString& key) {
  QSettings settings(str::kProductTitle, str::kProductTitle);
  return settings.value(QStringLiteral("Memory/") + key);
}

void WriteMemory(const QString& key, const QVariant& value) {
  QSettings settings(str::kProductTitle, str::kProductTitle);
  settings.setValue(QStringLiteral("Memory/") + key, value);
}

}  // namespace kw
