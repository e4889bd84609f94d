#include "support/TestTimetable.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "store/DataBuilder.h"
#include "store/Schema.h"

namespace kw::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string name = (fs::temp_directory_path() / "kestrelway-test-XXXXXX").string();
  if (!mkdtemp(name.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = name;
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path TempDir::Write(const std::string& name, const std::string& content) const {
  const fs::path path = path_ / name;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

namespace {

// Every test process, and every tool it starts, keeps the program's caches
// (the database key, the journey timetable's snapshot) in a folder of its
// own, never the user's; removed when the process ends.
const TempDir& CacheHome() {
  static const TempDir home;
  return home;
}
[[maybe_unused]] const bool kCacheHomeSet = [] {
  setenv("XDG_CACHE_HOME", CacheHome().Path().c_str(), 1);
  return true;
}();

}  // namespace

ScopedCacheHome::ScopedCacheHome() : ScopedCacheHome(fs::path()) {}

ScopedCacheHome::ScopedCacheHome(const fs::path& home)
    : home_(home.empty() ? dir_.Path() : home) {
  if (const char* before = std::getenv("XDG_CACHE_HOME")) before_ = before;
  setenv("XDG_CACHE_HOME", home_.c_str(), 1);
}

ScopedCacheHome::~ScopedCacheHome() { setenv("XDG_CACHE_HOME", before_.c_str(), 1); }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TestTimetable::TestTimetable() {
  // Fare families one per class; bands of 100 km up to 7000 km with fares
  // that show their band: the hard seat is the band's upper end / 10.
  Set("kind", "1\t特快\t特快\n2\t普快\t普快\n3\t普慢\t普慢\n4\t空调普快\t空调普快\n5\t空调特快\t空调特快\n");
  std::string price;
  for (int band = 100; band <= 7000; band += 100) {
    const std::string seat = std::to_string(band / 10) + "," + std::to_string(band / 5);
    const std::string b = std::to_string(band);
    const std::string berth = b + "1," + b + "2," + b + "3," + b + "4," + b + "5,";
    price += b + "\t" + seat + "\tm" + berth + "\t" + berth + "\tt" + seat + "\tt" + berth + "\tkp" + seat +
             "\tkp" + berth + "\tkt" + seat + "\tkt" + berth + "\n";
  }
  Set("price", price);
}

TestTimetable::TestTimetable(std::initializer_list<std::pair<const std::string, std::string>> tables)
    : TestTimetable() {
  for (const auto& [table, rows] : tables) Set(table, rows);
}

TestTimetable& TestTimetable::Set(const std::string& table, const std::string& rows) {
  rows_[table] = rows;
  return *this;
}

void TestTimetable::Build() {
  for (const auto& table : schema::Tables()) {
    std::string header;
    for (const auto& column : table.columns)
      header += (header.empty() ? "" : "\t") + std::string(column.name);
    dir_.Write("data/" + std::string(table.name) + ".tsv", header + "\n" + rows_[std::string(table.name)]);
  }
  if (const auto positions = rows_.find("station_coordinates"); positions != rows_.end()) {
    dir_.Write("data/station_coordinates.tsv", "station\tlon\tlat\tsource\n" + positions->second);
  }
  fs::create_directories(DbPath().parent_path());
  std::error_code ec;
  fs::remove(DbPath(), ec);
  BuildDatabase(DataDir().string(), DbPath().string(), PasswordFromConnectString(kConnectString));
}

std::unique_ptr<Database> TestTimetable::Open() {
  Build();
  return Database::Open(DbPath().string());
}

DatabaseCopy::DatabaseCopy(const fs::path& source) {
  fs::create_directories(DbPath().parent_path());
  fs::copy_file(source, DbPath());
}

std::vector<std::string> QueryRows(Database& db, const std::string& sql) {
  std::vector<std::string> rows;
  auto q = db.Prepare(sql);
  while (q.Step()) {
    std::string row;
    for (int c = 0; c < q.ColumnCount(); ++c) row += (c ? "|" : "") + (q.IsNull(c) ? "NULL" : q.Text(c));
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> EveryRow(Database& db) {
  std::vector<std::string> all;
  for (const auto& table : schema::Tables()) {
    const std::string name(table.name);
    const auto rows = QueryRows(db, "SELECT '" + name + "', * FROM " + name);
    all.insert(all.end(), rows.begin(), rows.end());
  }
  std::sort(all.begin(), all.end());
  return all;
}

std::string ToGb18030(const std::string& utf8) {
  const iconv_t cd = iconv_open("GB18030", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GB18030 converter");
  std::string out(utf8.size() * 2 + 8, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* to = out.data();
  size_t toLeft = out.size();
  const size_t rc = iconv(cd, &in, &inLeft, &to, &toLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) throw std::runtime_error("text not convertible to GB18030");
  out.resize(out.size() - toLeft);
  return out;
}

Database& HandMadeDb() {
  static const DatabaseCopy copy;
  static const auto db = copy.Open();
  return *db;
}

Database& ShippedDb() {
  static const DatabaseCopy copy(KW_SHIPPED_DB);
  static const auto db = copy.Open();
  return *db;
}

void RunUnprivileged(const std::function<void()>& check) {
  const pid_t pid = fork();
  if (pid == 0) {
    constexpr uid_t kNobody = 65534;
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
      _exit(3);
    check();
    _exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the unprivileged check failed: " << status;
}

namespace {

CommandResult RunCliIn(const std::string& lang, const std::vector<std::string>& args, const fs::path& stdoutTo) {
  TempDir dir;
  const fs::path out = stdoutTo.empty() ? dir.Path() / "out" : stdoutTo;
  const fs::path err = dir.Path() / "err";
  std::vector<std::string> copies(args);
  std::vector<char*> argv{const_cast<char*>(KW_CLI_PATH)};
  for (auto& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("LANG", lang.c_str(), 1);
    if (freopen(out.c_str(), "w", stdout) && freopen(err.c_str(), "w", stderr))
      execv(KW_CLI_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, stdoutTo.empty() ? ReadFile(out) : "", ReadFile(err)};
}

}  // namespace

CommandResult RunCli(const std::vector<std::string>& args, const fs::path& stdoutTo) {
  return RunCliIn("C.UTF-8", args, stdoutTo);
}

CommandResult RunCliWithLang(const std::string& lang, const std::vector<std::string>& args) {
  return RunCliIn(lang, args, {});
}

}  // namespace kw::test
