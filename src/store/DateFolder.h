// The `date` folder: the timetable database, pictures and the start page. Its
// name and the names of the files in it are matched without regard to case
// (date and Date, greenBoll.jpg and greenboll.jpg name the same thing).
//
// Where it lives is chosen once per run (ChooseDatePlace): beside the program
// when that folder is writable (a build folder, an unpacked portable archive);
// otherwise a per-user copy of what the program writes (the database, the
// downloaded picture), made from the installed read-only program data, or
// from a portable program's own read-only folder. Each installed folder and
// each portable folder has a per-user copy of its own. The copy knows which
// installed timetable it came from (origin.txt, by the timetable's content
// identity), so that a different one can reach the user. Everything else is
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
  std::filesystem::path userRoot;      // the per-user data folder; copies live below it
  // The run only reads (the tool's searches): when no per-user copy exists
  // and none can be made, the source's database is read where it is.
  bool readsOnly = false;
};

// An installed timetable other than the one a per-user copy holding the
// user's updates came from: newer or older, it is different.
struct DifferentTimetable {
  std::string version;     // its VerID
  std::string identity;    // TimetableIdentity of its database
  bool announced = false;  // the user has been told of it once already
};

struct DatePlace {
  std::filesystem::path root;  // the folder whose date/ this run uses
  // The read-only folder a per-user copy is made from (the installed data,
  // or a portable program's own date folder); the files the program never
  // writes are read there. Empty when root's date folder holds everything.
  std::filesystem::path source;
  std::string error;     // set when the per-user copy could not be made; root is then empty
  bool replaced = false;  // an untouched copy took a different installed timetable at this start
  std::optional<DifferentTimetable> different;  // one the updated copy did not take
  // Set when a different installed timetable could not be taken or
  // recorded (the per-user folder cannot be written): the copy is used as
  // it is and this says why, once per run.
  std::string notice;
};

// Where the per-user copies live below the per-user data folder: one folder
// per installed data folder and per portable program, named by a hash of
// its path.
inline constexpr std::string_view kInstalledFolder = "installed";
inline constexpr std::string_view kPortableFolder = "portable";
// The folder whose date/ holds the per-user copy of `source` (an installed
// data folder, or with `portable` a portable program's own date folder).
std::filesystem::path CopyRoot(const std::filesystem::path& userRoot, const std::filesystem::path& source,
                               bool portable);

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

// Which timetable a database file holds: its content identity, or for a
// database made before identities "fnv:" and the FileChecksum of its bytes;
// empty when the file cannot be read at all. `locked` is set when another
// program holds the file so that it cannot be read.
std::string TimetableIdentity(const std::filesystem::path& databaseFile, bool* locked = nullptr);

// What a per-user copy records of the installed timetable it was made from,
// in origin.txt of the copy's folder. Only a regular file of at most
// kOriginMaxBytes is read; anything else is no record.
struct CopyOrigin {
  std::string version;    // VerID of the installed timetable
  std::string identity;   // its TimetableIdentity = the copy's, as made
  std::string announced;  // identity of a different installed timetable the user has been told of
};
inline constexpr std::string_view kOriginFileName = "origin.txt";
inline constexpr size_t kOriginMaxBytes = 4096;
std::optional<CopyOrigin> ReadCopyOrigin(const std::filesystem::path& copyFolder);
void WriteCopyOrigin(const std::filesystem::path& copyFolder, const CopyOrigin& origin);

// For tests: called with the copy's database just before a different
// installed timetable is renamed over an untouched copy (the writer lock is
// held then).
using BeforeReplaceHook = void (*)(const std::filesystem::path& database);
void SetBeforeReplaceHook(BeforeReplaceHook hook);

// `folder` is a folder this process may write in.
bool IsWritableFolder(const std::filesystem::path& folder);

// Chooses the date folder of this run. The program's own date folder is used
// when it exists and is writable. Otherwise a per-user copy of the database
// is used (CopyRoot): of the program's own read-only date folder (a portable
// program), else of the installed data; a copy an earlier version kept in
// the per-user folder's date/ (or portable/date/) is taken over by the first
// to start. The first run copies the database (whole or not at all) and
// records which timetable it came from. When the source holds a different
// timetable since (by identity, never by bytes): a copy that still holds the
// timetable it was made with is replaced by the installed one, deciding and
// replacing under the copy's writer lock (not when another program has it
// open); a copy holding the user's updates is kept and the other timetable
// named in `different`. When that cannot be done or recorded (the folder
// cannot be written), the copy is used as it is and `notice` says so. With no
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

// Records that the user has been told of `place.different`, so that the
// message comes once.
void MarkDifferentAnnounced(const DatePlace& place);

}  // namespace kw
