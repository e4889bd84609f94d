// The `date` folder: the timetable database, pictures and the start page. Its
// name and the names of the files in it are matched without regard to case
// (date and Date, greenBoll.jpg and greenboll.jpg name the same thing).
//
// Where it lives is chosen once per run (ChooseDatePlace): beside the program
// when that folder is writable (a build folder, an unpacked portable archive);
// otherwise a per-user copy seeded from the installed read-only program data.
// Everything else is handed the chosen root and asks DateFolder(root).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kw {

// The date folder below `root`; root/"date" when none exists yet.
std::filesystem::path DateFolder(const std::filesystem::path& root);

// The file `name` in the date folder, whatever the case of its name on disk;
// the path as written when no such file exists.
std::filesystem::path DateFile(const std::filesystem::path& root, std::string_view name);

// The timetable database: date/Train.dll below `root`.
std::filesystem::path DatabasePath(const std::filesystem::path& root);

// Partial files: a file the program writes into the date folder is written
// under its name + ".part" (with a tag before it: Train.dll.<pid>.part,
// showmian.gif.XXXXXX.part, showmain.gif.part) and renamed or linked into
// place when whole. The writer holds it open with OpenPartial, which locks
// it; RemoveStalePartials, run at start, removes every *.part file of the
// date folder below `root` that no running copy of the program holds (one a
// killed program left behind).
int OpenPartial(const std::filesystem::path& path);
void RemoveStalePartials(const std::filesystem::path& root);

// The folder of the running executable.
std::filesystem::path ExecutableDir();

// The installed read-only program data beside an installed executable in
// `programDir` (bin/../share/kestrelway): the files of a date folder.
std::filesystem::path InstalledDataDir(const std::filesystem::path& programDir);

// The per-user data folder of the program: $XDG_DATA_HOME/Kestrelway, or
// ~/.local/share/Kestrelway (where Qt puts the application data of
// "Kestrelway"); empty when neither variable is set.
std::filesystem::path UserDataRoot();

struct DateSources {
  std::filesystem::path programDir;    // the folder of the executable
  std::filesystem::path installedDir;  // the installed read-only program data
  std::filesystem::path userRoot;      // the per-user data folder; the copy is its date/
};

struct DatePlace {
  std::filesystem::path root;  // the folder whose date/ this run uses
  std::string error;           // set when the per-user copy could not be made; root is then empty
};

// `folder` is a folder this process may write in.
bool IsWritableFolder(const std::filesystem::path& folder);

// Chooses the date folder of this run. The program's own date folder is used
// when it exists and is writable. Otherwise the per-user copy is used, when
// there is one or something to seed it from (the installed data, else the
// program's own read-only date folder): every file of that source missing
// from the copy is copied in (whole or not at all). A file the copy already
// has is never replaced: its database may hold updates the user applied.
// With nothing to use, the program's own folder is returned, so that opening
// its database reports what is missing. The partial files a killed program
// left in the chosen date folder are removed. A failure's cause is told in
// Chinese.
DatePlace ChooseDatePlace(const DateSources& sources,
                          bool (*isWritable)(const std::filesystem::path&) = IsWritableFolder);

}  // namespace kw
