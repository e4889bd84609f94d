// The one connection to the timetable database and the prepared statements
// that run on it.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace kw {

// Any failure of the database: opening, a rejected statement, a damaged page.
// what() is one line that names the file where that helps.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The connect string the program has always used; the database key is its PWD.
inline constexpr std::string_view kConnectString = "MS Access;PWD=604lamp1987.org";

// Value of the PWD entry of a connect string ("MS Access;PWD=secret" -> "secret");
// empty when there is none. Entry names are matched without regard to case.
std::string PasswordFromConnectString(std::string_view connectString);

class Database;

// The lock that every writer of a database file holds for as long as its
// connection lives (an advisory lock on the file, apart from SQLite's own
// locks, so that readers still read between the writer's transactions).
// Whoever puts another file in place of a database takes it first, so that
// deciding and replacing are one step against any writer.
class WriterLock {
 public:
  // Takes the lock on the file at `path` now, without waiting. Held() is
  // false when another holds it (Busy()) or the file cannot be opened.
  explicit WriterLock(const std::string& path);
  ~WriterLock();
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;
  bool Held() const { return fd_ >= 0; }
  bool Busy() const { return busy_; }
  // The locked file is still the one named `path` (not renamed away).
  bool StillAt(const std::string& path) const;

 private:
  int fd_ = -1;
  bool busy_ = false;
};

// Which key opened a database: the raw key kept in the user's cache folder,
// the raw key derived from the password when the file was opened, or the
// password handed to SQLCipher (when no raw key would do).
enum class KeySource { Cache, Derived, Password };

// A prepared statement borrowed from the connection's cache. Bind parameters
// (1-based), step through the rows, read columns (0-based). The statement is
// reset and its bindings cleared when the Query goes out of scope, so it can be
// reused by the next caller without preparing it again.
class Query {
 public:
  Query(Query&& other) noexcept;
  Query& operator=(Query&&) = delete;
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;
  ~Query();

  Query& Bind(int index, int value);
  Query& Bind(int index, long long value);
  Query& Bind(int index, double value);
  Query& Bind(int index, std::string_view text);
  Query& Bind(int index, const char* text) { return Bind(index, std::string_view(text)); }
  Query& BindNull(int index);

  // Steps to the next row; false when there are no more.
  bool Step();
  // Runs a statement that returns no rows (or ignores them).
  void Run();

  bool IsNull(int column) const;
  int Int(int column) const;
  long long Int64(int column) const;
  double Double(int column) const;
  std::string Text(int column) const;
  std::optional<double> OptDouble(int column) const;
  int ColumnCount() const;
  std::string ColumnName(int column) const;

 private:
  friend class Database;
  // `inUse` is the cache entry's flag, cleared when the Query ends; null for
  // a private statement that is finalized instead.
  Query(Database* db, sqlite3_stmt* stmt, bool* inUse);
  void Check(int rc) const;

  Database* db_;
  sqlite3_stmt* stmt_;
  bool* inUse_;
};

class Database {
 public:
  // Opens an existing database file for reading and writing, keyed with the
  // password of the connect string (through the key kept for the file's salt
  // in the user's cache folder, see KeyCache.h), and takes its WriterLock,
  // held while the connection lives (readers may still read). Never creates a file, and never writes
  // to one it refuses. Throws DatabaseError when the file is missing or
  // cannot be written, the key is wrong, the file is not a timetable database
  // (a table or column the program uses is missing) or is damaged, or
  // another program holds it.
  static std::unique_ptr<Database> Open(const std::string& path,
                                        std::string_view connectString = kConnectString);
  // Opens an existing database file for reading only (one the user cannot
  // write, such as the installed timetable), with the same checks but no
  // lock held beyond each read. Every change through it fails. A file left
  // with an interrupted update's journal is refused with the advice to open
  // it once with write access.
  static std::unique_ptr<Database> OpenReadOnly(const std::string& path,
                                                std::string_view connectString = kConnectString);

  // Creates a new, empty database file keyed with `password` (used by the
  // builder). Fails when the file already exists.
  static std::unique_ptr<Database> Create(const std::string& path, std::string_view password);

  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // A prepared statement for `sql`, from the cache when it was prepared before.
  Query Prepare(std::string_view sql);
  // Runs one or more statements without parameters.
  void Execute(std::string_view sql);

  // Puts the complete database file `replacement` (in the same folder) in
  // place of this connection's file, under the writer lock, and reopens it, on the same object, so
  // that everything holding the connection goes on with the new data. A
  // replacement that is not a timetable database is refused and the open
  // file stays as it was. Cached statements are dropped; TotalChanges()
  // grows past its value before.
  void ReplaceWith(const std::string& replacement);

  const std::string& Path() const { return path_; }
  sqlite3* Handle() const { return db_; }
  long long Changes() const;
  KeySource KeyedBy() const { return keySource_; }
  // Rows changed through this connection since it opened; a cache of the
  // data can tell by it whether the data has changed.
  long long TotalChanges() const;

 private:
  friend class Query;
  Database(sqlite3* db, std::string path);
  // `held`: the writer lock of the file at `path`, already taken.
  static std::unique_ptr<Database> Connect(const std::string& path, std::string_view connectString,
                                           bool readOnly, std::unique_ptr<WriterLock> held = nullptr);
  // Throws the DatabaseError of SQLite's result code `rc` and its message.
  [[noreturn]] void Fail(int rc) const;
  // The message of a failure with SQLite's result code `rc` and text `message`.
  std::string ErrorText(int rc, const std::string& message) const;

  sqlite3* db_;
  std::string path_;
  std::string connectString_;
  std::unique_ptr<WriterLock> lock_;  // null for a reader
  KeySource keySource_ = KeySource::Password;
  // Changes counted before the file was last replaced.
  long long changesBefore_ = 0;
  struct CacheEntry {
    sqlite3_stmt* stmt = nullptr;
    bool inUse = false;
  };
  std::unordered_map<std::string, CacheEntry> cache_;
};

// Runs a block of changes as one transaction: committed by Commit(), rolled
// back when the object is destroyed first (an exception, an early return).
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  Database& db_;
  bool open_ = true;
};

}  // namespace kw
