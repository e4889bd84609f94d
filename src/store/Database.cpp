#include "store/Database.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "store/CoreStrings.h"
#include "store/KeyCache.h"
#include "store/Schema.h"

namespace kw {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string OpenFailure(const std::string& path, std::string_view cause) {
  return text::Fill(text::kPathFailure, {text::kDbCannotOpen, path, cause});
}

// Why a file or folder cannot be written, from the errno of the attempt.
std::string WriteCause(int error) {
  if (error == EACCES || error == EPERM) return std::string(text::kDbNoPermission);
  if (error == EROFS) return std::string(text::kDbReadOnlyFileSystem);
  return text::ErrorCause(error);
}

// Checks that the opened file holds every table and column the program reads
// and writes (names compared without regard to case), and returns the added
// columns an older database lacks.
std::vector<const schema::Column*> CheckSchema(Database& db) {
  std::vector<const schema::Column*> lacking;
  for (const auto& table : schema::Tables()) {
    // Names from the program's own schema, never typed text.
    auto q = db.Prepare("PRAGMA table_info(" + std::string(table.name) + ")");
    std::vector<std::string> present;
    while (q.Step()) present.push_back(Lower(q.Text(1)));
    if (present.empty()) {
      throw DatabaseError(
          OpenFailure(db.Path(), std::string(text::kDbMissingTable) + " " + std::string(table.name)));
    }
    for (const auto& column : table.columns) {
      if (std::find(present.begin(), present.end(), Lower(column.name)) == present.end()) {
        if (!column.added.empty()) {
          lacking.push_back(&column);
          continue;
        }
        throw DatabaseError(OpenFailure(db.Path(), std::string(text::kDbMissingColumn) + " " +
                                                       std::string(table.name) + "." +
                                                       std::string(column.name)));
      }
    }
  }
  return lacking;
}

// A journal left beside `path` by an update that did not finish.
bool HasJournal(const std::string& path) {
  struct stat st {};
  return ::stat((path + "-journal").c_str(), &st) == 0 && st.st_size > 0;
}

// The first column of the first row of a statement without parameters run
// on `handle`; empty when it gives none.
std::string PragmaText(sqlite3* handle, const char* sql) {
  sqlite3_stmt* stmt = nullptr;
  std::string value;
  if (sqlite3_prepare_v2(handle, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW) {
    if (const auto* text = sqlite3_column_text(stmt, 0)) value = reinterpret_cast<const char*>(text);
  }
  sqlite3_finalize(stmt);
  return value;
}

}  // namespace

// ------------------------------------------------------------------ WriterLock

WriterLock::WriterLock(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    busy_ = errno == EWOULDBLOCK;
    ::close(fd_);
    fd_ = -1;
  }
}

WriterLock::~WriterLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool WriterLock::StillAt(const std::string& path) const {
  struct stat locked {}, named {};
  return fd_ >= 0 && ::fstat(fd_, &locked) == 0 && ::stat(path.c_str(), &named) == 0 &&
         locked.st_dev == named.st_dev && locked.st_ino == named.st_ino;
}

std::string PasswordFromConnectString(std::string_view connectString) {
  size_t start = 0;
  while (start <= connectString.size()) {
    size_t end = connectString.find(';', start);
    if (end == std::string_view::npos) end = connectString.size();
    const std::string_view entry = connectString.substr(start, end - start);
    const size_t eq = entry.find('=');
    if (eq != std::string_view::npos && Lower(text::Trim(entry.substr(0, eq))) == "pwd") {
      return std::string(entry.substr(eq + 1));
    }
    start = end + 1;
  }
  return {};
}

// ------------------------------------------------------------------ Query

Query::Query(Database* db, sqlite3_stmt* stmt, bool* inUse) : db_(db), stmt_(stmt), inUse_(inUse) {}

Query::Query(Query&& other) noexcept : db_(other.db_), stmt_(other.stmt_), inUse_(other.inUse_) {
  other.stmt_ = nullptr;
}

Query::~Query() {
  if (!stmt_) return;
  if (inUse_) {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    *inUse_ = false;
  } else {
    sqlite3_finalize(stmt_);
  }
}

void Query::Check(int rc) const {
  if (rc != SQLITE_OK) db_->Fail(rc);
}

Query& Query::Bind(int index, int value) {
  Check(sqlite3_bind_int(stmt_, index, value));
  return *this;
}

Query& Query::Bind(int index, long long value) {
  Check(sqlite3_bind_int64(stmt_, index, value));
  return *this;
}

Query& Query::Bind(int index, double value) {
  Check(sqlite3_bind_double(stmt_, index, value));
  return *this;
}

Query& Query::Bind(int index, std::string_view text) {
  // An empty view may point nowhere, which SQLite would bind as Null.
  Check(sqlite3_bind_text(stmt_, index, text.data() ? text.data() : "", static_cast<int>(text.size()),
                          SQLITE_TRANSIENT));
  return *this;
}

Query& Query::BindNull(int index) {
  Check(sqlite3_bind_null(stmt_, index));
  return *this;
}

bool Query::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  db_->Fail(rc);
}

void Query::Run() {
  while (Step()) {
  }
}

bool Query::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
int Query::Int(int column) const {
  // Read at the width it is stored: a number the program cannot hold is an
  // error, never another (smaller) number.
  const long long value = sqlite3_column_int64(stmt_, column);
  if (value < INT_MIN || value > INT_MAX) {
    throw DatabaseError(text::Fill(
        text::kPathFailure,
        {text::kDbError, db_->Path(), text::Fill(text::kInBrackets, {text::kDbNumberTooLarge, std::to_string(value)})}));
  }
  return static_cast<int>(value);
}
long long Query::Int64(int column) const { return sqlite3_column_int64(stmt_, column); }
double Query::Double(int column) const { return sqlite3_column_double(stmt_, column); }

std::string Query::Text(int column) const {
  const auto* p = sqlite3_column_text(stmt_, column);
  if (!p) return {};
  return std::string(reinterpret_cast<const char*>(p), sqlite3_column_bytes(stmt_, column));
}

std::optional<double> Query::OptDouble(int column) const {
  if (IsNull(column)) return std::nullopt;
  return Double(column);
}

int Query::ColumnCount() const { return sqlite3_column_count(stmt_); }

std::string Query::ColumnName(int column) const {
  const char* name = sqlite3_column_name(stmt_, column);
  return name ? name : "";
}

// ------------------------------------------------------------------ Database

Database::Database(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}

Database::~Database() {
  for (auto& [sql, entry] : cache_) sqlite3_finalize(entry.stmt);
  sqlite3_close(db_);
}

std::unique_ptr<Database> Database::Open(const std::string& path, std::string_view connectString) {
  // A file put in place of this one (a newer installed timetable) between
  // opening and locking: the lock is taken again on the file now there.
  for (int attempt = 0;; ++attempt) {
    auto lock = std::make_unique<WriterLock>(path);
    if (lock->Busy()) throw DatabaseError(OpenFailure(path, text::kDbLocked));
    if (lock->Held() && !lock->StillAt(path) && attempt < 5) continue;
    return Connect(path, connectString, false, lock->Held() ? std::move(lock) : nullptr);
  }
}

std::unique_ptr<Database> Database::OpenReadOnly(const std::string& path, std::string_view connectString) {
  return Connect(path, connectString, true);
}

std::unique_ptr<Database> Database::Connect(const std::string& path, std::string_view connectString,
                                            bool readOnly, std::unique_ptr<WriterLock> held) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw DatabaseError(OpenFailure(path, text::kDbMissing));
  }
  // SQLite would quietly open a file it cannot write for reading only, and
  // would take an empty file for a new database and write a first page into
  // it: both are found out here, before SQLite sees the file.
  const int fd = ::open(path.c_str(), (readOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (readOnly) throw DatabaseError(OpenFailure(path, std::strerror(error)));
    throw DatabaseError(OpenFailure(path, text::Fill(text::kInBrackets, {text::kDbReadOnly, WriteCause(error)})));
  }
  struct stat st {};
  const bool empty = ::fstat(fd, &st) == 0 && st.st_size == 0;
  // The salt SQLCipher keeps in the first bytes of the file.
  std::string salt(kSaltBytes, '\0');
  if (::pread(fd, salt.data(), salt.size(), 0) != static_cast<ssize_t>(salt.size())) salt.clear();
  ::close(fd);
  if (empty) throw DatabaseError(OpenFailure(path, text::kDbNotTimetable));
  if (!readOnly && !held) throw DatabaseError(OpenFailure(path, text::kDbLocked));

  // The key is tried quickest first: the one kept for this salt, the one
  // derived here once, then the password itself. Whatever the cache holds,
  // a good file opens.
  const std::string password = PasswordFromConnectString(connectString);
  const bool rawKeys = !salt.empty() && !password.empty();
  const std::optional<std::string> cached = rawKeys ? CachedRawKey(password, salt) : std::nullopt;
  std::unique_ptr<Database> db;
  for (KeySource source : {KeySource::Cache, KeySource::Derived, KeySource::Password}) {
    if (source == KeySource::Cache && !cached) continue;
    if (source == KeySource::Derived && !rawKeys) continue;
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &handle,
                                   readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
      const std::string cause = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc);
      sqlite3_close(handle);
      throw DatabaseError(OpenFailure(path, cause));
    }
    db.reset(new Database(handle, path));
    db->connectString_ = std::string(connectString);
    db->keySource_ = source;
    std::optional<std::string> derived;
    if (source == KeySource::Cache) {
      const std::string spec = RawKeySpec(*cached, salt);
      sqlite3_key(handle, spec.data(), static_cast<int>(spec.size()));
    } else if (source == KeySource::Derived) {
      // As SQLCipher would derive it for a new connection.
      const std::string algorithm = PragmaText(handle, "PRAGMA cipher_default_kdf_algorithm");
      derived = DeriveRawKey(password, salt, std::atoi(PragmaText(handle, "PRAGMA cipher_default_kdf_iter").c_str()),
                             algorithm.empty() ? "PBKDF2_HMAC_SHA1" : algorithm);
      if (!derived) continue;
      const std::string spec = RawKeySpec(*derived, salt);
      sqlite3_key(handle, spec.data(), static_cast<int>(spec.size()));
    } else {
      sqlite3_key(handle, password.data(), static_cast<int>(password.size()));
    }
    // A reader waits a little for a writer's commit; a writer holds the
    // file's writer lock and so has no other writer to wait for.
    sqlite3_busy_timeout(handle, readOnly ? 5000 : 0);

    // The first read decrypts page 1: a wrong key or a file that is not a
    // database fails here.
    try {
      db->Prepare("SELECT count(*) FROM sqlite_master").Run();
    } catch (const DatabaseError&) {
      const int extended = sqlite3_extended_errcode(handle);
      const int code = extended & 0xff;
      if (code == SQLITE_BUSY || code == SQLITE_LOCKED) throw DatabaseError(OpenFailure(path, text::kDbLocked));
      // A killed update left its journal, which only a writer can roll back.
      if (extended == SQLITE_READONLY_ROLLBACK ||
          ((code == SQLITE_READONLY || code == SQLITE_CANTOPEN) && HasJournal(path)))
        throw DatabaseError(OpenFailure(path, text::kDbNeedsRecovery));
      if (source == KeySource::Password) {
        if (cached) ForgetRawKey(salt);
        throw DatabaseError(OpenFailure(path, text::kDbNotTimetable));
      }
      continue;
    }
    if (source == KeySource::Derived) RememberRawKey(password, salt, *derived);
    if (source == KeySource::Password && cached) ForgetRawKey(salt);
    break;
  }
  db->lock_ = std::move(held);
  // Only reads so far: a file refused here is left as it was.
  const auto lacking = CheckSchema(*db);
  if (readOnly) {
    for (const auto& table : schema::Tables()) {
      std::vector<const schema::Column*> missing;
      for (const auto& column : table.columns) {
        if (std::find(lacking.begin(), lacking.end(), &column) != lacking.end()) missing.push_back(&column);
      }
      if (!missing.empty()) db->Execute(schema::StandInView(table, missing));
    }
    return db;
  }
  // An older timetable gains the columns added since, empty: it then works
  // as it did (no full pinyin), and update files may fill them.
  for (const auto* column : lacking) {
    Transaction transaction(*db);
    db->Execute(column->added);
    transaction.Commit();
  }
  return db;
}

void Database::ReplaceWith(const std::string& replacement) {
  // Refuses a replacement that is not a timetable before touching anything.
  OpenReadOnly(replacement, connectString_);
  // Locked before it takes the name, so that no writer gets in between.
  auto newLock = std::make_unique<WriterLock>(replacement);
  if (!newLock->Held()) throw DatabaseError(OpenFailure(replacement, text::kDbLocked));
  const long long before = TotalChanges();
  for (auto& [sql, entry] : cache_) sqlite3_finalize(entry.stmt);
  cache_.clear();
  sqlite3_close(db_);
  db_ = nullptr;
  std::error_code moved;
  std::filesystem::rename(replacement, path_, moved);
  // Reopens whichever file is now in place (the old one when the move
  // failed); should even that fail, every later statement reports it.
  std::unique_ptr<Database> fresh = Connect(path_, connectString_, false, moved ? std::move(lock_) : std::move(newLock));
  std::swap(db_, fresh->db_);
  std::swap(lock_, fresh->lock_);
  keySource_ = fresh->keySource_;
  changesBefore_ = before + 1;
  if (moved) throw DatabaseError(OpenFailure(replacement, text::ErrorCause(moved.value())));
}

std::unique_ptr<Database> Database::Create(const std::string& path, std::string_view password) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    throw DatabaseError(OpenFailure(path, text::kDbExists));
  }
  sqlite3* handle = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    const std::string cause = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc);
    sqlite3_close(handle);
    throw DatabaseError(OpenFailure(path, cause));
  }
  std::unique_ptr<Database> db(new Database(handle, path));
  sqlite3_key(handle, password.data(), static_cast<int>(password.size()));
  return db;
}

Query Database::Prepare(std::string_view sql) {
  auto it = cache_.find(std::string(sql));
  if (it != cache_.end() && !it->second.inUse) {
    it->second.inUse = true;
    return Query(this, it->second.stmt, &it->second.inUse);
  }
  sqlite3_stmt* stmt = nullptr;
  const int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(stmt);
    Fail(rc);
  }
  if (it != cache_.end()) {
    // The cached copy is being walked by an outer caller: use a private one.
    return Query(this, stmt, nullptr);
  }
  // Elements of an unordered_map keep their address, so the flag stays valid.
  auto& entry = cache_.emplace(std::string(sql), CacheEntry{stmt, true}).first->second;
  return Query(this, stmt, &entry.inUse);
}

void Database::Execute(std::string_view sql) {
  char* error = nullptr;
  const int rc = sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    throw DatabaseError(ErrorText(rc, message));
  }
}

long long Database::Changes() const { return sqlite3_changes(db_); }
long long Database::TotalChanges() const { return changesBefore_ + sqlite3_total_changes(db_); }

void Database::Fail(int rc) const {
  std::string message = sqlite3_errmsg(db_);
  if (message.empty() || message == "not an error") message = sqlite3_errstr(rc);
  throw DatabaseError(ErrorText(rc, message));
}

std::string Database::ErrorText(int rc, const std::string& message) const {
  // A change needs a journal beside the file: a folder that cannot be
  // written turns every change into SQLite's "unable to open database file".
  const int code = rc & 0xff;
  if (code == SQLITE_CANTOPEN || code == SQLITE_READONLY) {
    std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    if (folder.empty()) folder = ".";
    if (::access(folder.c_str(), W_OK) != 0) {
      const std::string cause = WriteCause(errno);
      return text::Fill(text::kPathFailure,
                        {text::kDbCannotChange, path_,
                         text::Fill(text::kInBrackets, {text::Fill(text::kDbFolderReadOnly, {folder.string()}), cause})});
    }
  }
  return text::Fill(text::kPathFailure, {text::kDbError, path_, message});
}

// ------------------------------------------------------------------ Transaction

Transaction::Transaction(Database& db) : db_(db) { db_.Execute("BEGIN"); }

Transaction::~Transaction() {
  if (!open_) return;
  try {
    db_.Execute("ROLLBACK");
  } catch (const DatabaseError&) {
    // Nothing more can be done; SQLite has already rolled back on the error.
  }
}

void Transaction::Commit() {
  db_.Execute("COMMIT");
  open_ = false;
}

}  // namespace kw
