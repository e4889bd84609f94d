#include "ui/AppPaths.h"

#include <QCoreApplication>
#include <QSettings>

#include "store/DateFolder.h"
#include "ui/Strings.h"

namespace kw {

namespace {

std::filesystem::path& FolderOverride() {
  static std::filesystem::path folder;
  return folder;
}

}  // namespace

std::filesystem::path ProgramFolder() {
  if (!FolderOverride().empty()) return FolderOverride();
  return QCoreApplication::applicationDirPath().toStdString();
}

void SetProgramFolder(const std::filesystem::path& folder) { FolderOverride() = folder; }

QString DatePath(std::string_view name) {
  return QString::fromStdString(DateFile(ProgramFolder(), name).string());
}

QPixmap DatePicture(std::string_view name) { return QPixmap(DatePath(name)); }

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

}  // namespace kw
