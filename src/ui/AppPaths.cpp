#include "ui/AppPaths.h"

#include <QGuiApplication>
#include <QSettings>

#include "store/Translation.h"
#include "ui/Strings.h"

namespace kw {

namespace {

DatePlace& Place() {
  static DatePlace place;
  return place;
}

}  // namespace

DatePlace ChooseDateRoot(const std::filesystem::path& programDir) {
  // The same per-user folder as the command-line tool's.
  const DatePlace place = ChooseDatePlace({programDir, InstalledDataDir(programDir), UserDataRoot()});
  SetDatePlace(place);
  return place;
}

DatePlace& RunDatePlace() { return Place(); }

void SetDatePlace(const DatePlace& place) { Place() = place; }

std::filesystem::path DateRoot() {
  if (!Place().root.empty()) return Place().root;
  return QCoreApplication::applicationDirPath().toStdString();
}

void SetDateRoot(const std::filesystem::path& folder) {
  Place() = DatePlace();
  Place().root = folder;
}

QString DatePath(std::string_view name) {
  DatePlace place = Place();
  place.root = DateRoot();
  return QString::fromStdString(ReadableDateFile(place, name).string());
}

namespace {

// A high-density screen takes the picture drawn at twice the size,
// name@2x.ext, where there is one (Qt reads the scale from the name).
QPixmap ScaledPicture(std::string_view name) {
  if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
    const std::filesystem::path plain(name);
    const QPixmap picture(DatePath(plain.stem().string() + "@2x" + plain.extension().string()));
    if (!picture.isNull()) return picture;
  }
  return QPixmap(DatePath(name));
}

}  // namespace

QPixmap DatePicture(std::string_view name) {
  const std::filesystem::path plain(name);
  // A picture with words on it has an English one beside it, name_en.ext,
  // which the English interface takes where there is one.
  if (text::Translating()) {
    const QPixmap english = ScaledPicture(plain.stem().string() + "_en" + plain.extension().string());
    if (!english.isNull()) return english;
  }
  return ScaledPicture(name);
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
