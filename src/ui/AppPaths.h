// Where the program finds its files, and its per-user settings.
#pragma once

#include <QPixmap>
#include <QString>
#include <QVariant>
#include <filesystem>
#include <string_view>

#include "store/DateFolder.h"

namespace kw {

// Chooses this run's date folder once, at start (see ChooseDatePlace): the
// one beside the program in `programDir`, or the per-user copy in Qt's
// application data location of "Kestrelway". DateRoot() then names it.
DatePlace ChooseDateRoot(const std::filesystem::path& programDir);

// The place chosen at start (or put in place by a test); the program updates
// it once the user has taken or been told of a newer installed timetable.
DatePlace& RunDatePlace();
void SetDatePlace(const DatePlace& place);

// The folder whose date folder this run uses: as chosen at start, or the
// folder of the executable, unless a test has put another in its place.
std::filesystem::path DateRoot();
// Puts `folder` in place of the date root, holding all its files; an empty
// path undoes it.
void SetDateRoot(const std::filesystem::path& folder);

// The file `name` of the date folder below the date root, found without
// regard to the case of its name; a file the program never writes comes
// from the installed folder when the root is a per-user copy.
QString DatePath(std::string_view name);
// A picture of the date folder; a null pixmap when it cannot be read. On a
// high-density screen name@2x.ext takes its place where there is one.
QPixmap DatePicture(std::string_view name);

// Per-user settings of application "Kestrelway", section "EveryDay". Tests
// redirect them with QSettings::setPath().
QString ReadEveryDay(const QString& key);
void WriteEveryDay(const QString& key, const QString& value);

// What the program remembers between runs, section "Memory": the windows'
// places ("frmMain", "frmJourney") and the recent station pairs ("Recent").
QVariant ReadMemory(const QString& key);
void WriteMemory(const QString& key, const QVariant& value);

inline const QString kDisplayKey = QStringLiteral("Display");
inline const QString kRandomNumberKey = QStringLiteral("RandomNumber");

}  // namespace kw
