// Small timetables for tests: rows written in the test, built into a real
// encrypted database in a temporary folder with the program's own builder.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "store/Database.h"

namespace kw::test {

// A temporary folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  // Movable, not copyable: the folder has one owner.
  TempDir(TempDir&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  const std::filesystem::path& Path() const { return path_; }
  // Writes `content` to a file below the folder and returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

class TestTimetable {
 public:
  TestTimetable();
  // The default timetable with these tables set, as by Set(table, rows).
  TestTimetable(std::initializer_list<std::pair<const std::string, std::string>> tables);

  // Sets the rows of a table: lines of tab-separated values, without the
  // header line, which is written from the schema. Tables not set are empty,
  // except kind and price, which start with a small usable fare table (see
  // the .cpp). "station_coordinates" sets the rows of the positions file
  // (station, lon, lat, source), which is written only when set.
  TestTimetable& Set(const std::string& table, const std::string& rows);

  // Writes the table files to DataDir() and builds the database at DbPath().
  void Build();
  // Build(), then opens the database.
  std::unique_ptr<Database> Open();

  const std::filesystem::path& Root() const { return dir_.Path(); }
  std::filesystem::path DataDir() const { return dir_.Path() / "data"; }
  // <root>/date/Train.dll, so that Root() can stand for the program folder.
  std::filesystem::path DbPath() const { return dir_.Path() / "date" / "Train.dll"; }

 private:
  TempDir dir_;
  std::map<std::string, std::string> rows_;
};

// A private copy of a built timetable (by default the hand-made one of
// tests/data) in a temporary program folder: the program holds its database
// exclusively, so tests running side by side each open their own copy.
class DatabaseCopy {
 public:
  explicit DatabaseCopy(const std::filesystem::path& source = KW_HANDMADE_DB);
  std::filesystem::path DbPath() const { return dir_.Path() / "date" / "Train.dll"; }
  std::unique_ptr<Database> Open() const { return Database::Open(DbPath().string()); }

 private:
  TempDir dir_;
};

// The train ids of result rows, in their order.
template <class Rows>
std::vector<int> TrainIds(const Rows& rows) {
  std::vector<int> ids;
  for (const auto& row : rows) ids.push_back(row.trainId);
  return ids;
}

// One private copy of the hand-made timetable for the whole test process, open.
Database& HandMadeDb();
// The same for the shipped timetable (date/Train.dll of the build).
Database& ShippedDb();

// Reads a whole file.
std::string ReadFile(const std::filesystem::path& path);

// XDG_CACHE_HOME pointed at a fresh temporary folder (or at `home`) while
// the object lives; the program's cache folder is then Folder().
class ScopedCacheHome {
 public:
  ScopedCacheHome();
  explicit ScopedCacheHome(const std::filesystem::path& home);
  ~ScopedCacheHome();
  ScopedCacheHome(const ScopedCacheHome&) = delete;
  ScopedCacheHome& operator=(const ScopedCacheHome&) = delete;
  std::filesystem::path Folder() const { return home_ / "Kestrelway"; }

 private:
  TempDir dir_;
  std::filesystem::path home_;
  std::string before_;
};

// Every row of a query as text, columns joined by "|", Null as "NULL".
std::vector<std::string> QueryRows(Database& db, const std::string& sql);

// Every row of every table as "table|column|...", sorted.
std::vector<std::string> EveryRow(Database& db);

// UTF-8 text written in GB18030, the code page of Simplified Chinese Windows.
std::string ToGb18030(const std::string& utf8);

// Runs `check` in a child process in which file permissions hold: when the
// tests run as root, the child becomes the unprivileged user nobody. A
// failure in the child fails the calling test.
void RunUnprivileged(const std::function<void()>& check);

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};
// Runs the command-line tool with `args` (each passed as one argument); its
// output goes to `stdoutTo` instead when that is given (out stays empty).
// The tool runs with LANG=C.UTF-8, so that it speaks Chinese unless told.
CommandResult RunCli(const std::vector<std::string>& args, const std::filesystem::path& stdoutTo = {});
// The same with LANG set to `lang`.
CommandResult RunCliWithLang(const std::string& lang, const std::vector<std::string>& args);

}  // namespace kw::test
