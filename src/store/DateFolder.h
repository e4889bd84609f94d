// The `date` folder: the timetable database, pictures and the start page. Its
// name and the names of the files in it are matched without regard to case
// (date and Date, greenBoll.jpg and greenboll.jpg name the same thing).
//
// Where it lives is chosen once per run (ChooseDatePlace): beside the program
// when that folder is writable (a build folder, an unpacked portable archive);
// otherwise a per-user copy of what the program writes (the database, the
// downloaded picture), made from the installed read-only program data, or
// from a portable program's own read-only folder into a per-user folder of
// its own. The copy knows which installed timetable it came from
// (origin.txt), so that a newer one can reach the user. Everything else is
// handed the chosen place and asks DateFolder(root) or ReadableDateFile.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kw {

class Database;

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

// An installed timetable newer than the one a per-user copy holding the
// user's updates came from.
struct NewerTimetable {
  std::string version;     // its VerID
  std::string checksum;    // FileChecksum of its database
  bool announced = false;  // the user has been told of it once already
};

struct DatePlace {
  std::filesystem::path root;  // the folder whose date/ this run uses
  // The read-only folder a per-user copy is made from (the installed data,
  // or a portable program's own date folder); the files the program never
  // writes are read there. Empty when root's date folder holds everything.
  std::filesystem::path source;
  std::string error;                    // set when the per-user copy could not be made; root is then empty
  bool replaced = false;                // an untouched copy took a newer installed timetable at this start
  std::optional<NewerTimetable> newer;  // a newer installed timetable the updated copy did not take
};

// The subfolder of the per-user data folder that a portable program keeps
// its copy in, apart from the installed program's.
inline constexpr std::string_view kPortableFolder = "portable";

// The files of a date folder the program writes (the database, the
// advertisement picture and the downloaded one waiting to take its place):
// a per-user copy holds these, the rest is read where it is installed.
bool ProgramWrites(std::string_view name);

// The file `name` to read in a run on `place`: a file the program writes
// from the per-user copy (from `source` while the copy has none yet), any
// other from `source`; without a source, DateFile(place.root, name).
std::filesystem::path ReadableDateFile(const DatePlace& place, std::string_view name);

// A checksum of a file's bytes (64-bit FNV-1a, 16 hex digits); empty when
// the file cannot be read.
std::string FileChecksum(const std::filesystem::path& file);

// The data version (VerID) of a database file, opened for reading only;
// empty when it cannot be read.
std::string ReadDataVersion(const std::filesystem::path& databaseFile);

// What a per-user copy records of the installed timetable it was made from,
// in origin.txt of the copy's folder.
struct CopyOrigin {
  std::string version;    // VerID of the installed timetable
  std::string checksum;   // FileChecksum of the installed database = of the copy as made
  std::string announced;  // checksum of a newer installed timetable the user has been told of
};
inline constexpr std::string_view kOriginFileName = "origin.txt";
std::optional<CopyOrigin> ReadCopyOrigin(const std::filesystem::path& copyFolder);
void WriteCopyOrigin(const std::filesystem::path& copyFolder, const CopyOrigin& origin);

// `folder` is a folder this process may write in.
bool IsWritableFolder(const std::filesystem::path& folder);

// Chooses the date folder of this run. The program's own date folder is used
// when it exists and is writable. Otherwise a per-user copy of the database
// is used: of the program's own read-only date folder in the per-user
// folder's portable/ (a portable program), else of the installed data. The
// first run copies the database (whole or not at all) and records where it
// came from. When the source's database has changed since (a newer
// timetable was installed): a copy that is still as it was made is replaced
// by the newer one, unless another program has it open; a copy holding the
// user's updates is kept and the newer timetable named in `newer`. With no
// source but a copy, the copy is used as it is; with nothing to use, the
// program's own folder is returned, so that opening its database reports
// what is missing.
// The partial files a killed program left in the chosen date folder are
// removed. A failure's cause is told in Chinese.
DatePlace ChooseDatePlace(const DateSources& sources,
                          bool (*isWritable)(const std::filesystem::path&) = IsWritableFolder);

// Puts the installed timetable of `place.source` in place of the per-user
// copy that `db` has open (文件 → 使用新安装的时刻表): the user's updates are
// gone, the copy records its new origin. Throws DatabaseError or
// std::filesystem::filesystem_error; the copy stays as it was then.
void TakeInstalledTimetable(Database& db, const DatePlace& place);

// Records that the user has been told of `place.newer`, so that the message
// comes once.
void MarkNewerAnnounced(const DatePlace& place);

}  // namespace kw
