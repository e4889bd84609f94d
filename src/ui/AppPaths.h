// Where the program finds its files, and its per-user settings.
#pragma once

#include <QPixmap>
#include <QString>
#include <filesystem>
#include <string_view>

namespace kw {

// The program folder: the folder of the executable, unless a test has put
// another in its place.
std::filesystem::path ProgramFolder();
// Puts `folder` in place of the program folder; an empty path undoes it.
void SetProgramFolder(const std::filesystem::path& folder);

// The file `name` of the date folder below the program folder, found without
// regard to the case of its name.
QString DatePath(std::string_view name);
// A picture of the date folder; a null pixmap when it cannot be read.
QPixmap DatePicture(std::string_view name);

// Per-user settings of application "Kestrelway", section "EveryDay". Tests
// redirect them with QSettings::setPath().
QString ReadEveryDay(const QString& key);
void WriteEveryDay(const QString& key, const QString& value);

inline const QString kDisplayKey = QStringLiteral("Display");
inline const QString kRandomNumberKey = QStringLiteral("RandomNumber");

}  // namespace kw
