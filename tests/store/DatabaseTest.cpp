#include "store/Database.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "query/StationLookup.h"
#include "store/Schema.h"
#include "store/StationPositions.h"
#include "support/TestTimetable.h"
#include "update/UpdateFile.h"

namespace kw {
namespace {

using test::QueryRows;
using test::TempDir;
using test::TestTimetable;
using Rows = std::vector<std::string>;

// Opens `path` and expects a refusal whose message holds `words`.
void ExpectRefused(const std::string& path, const std::string& words) {
  try {
    Database::Open(path);
    ADD_FAILURE() << "opened " << path;
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
  }
}

// The bytes of a new keyed database: the timetable's tables when
// `withSchema`, then what `sql` does.
std::string KeyedDatabase(const TempDir& dir, bool withSchema, const std::string& sql) {
  const auto path = dir.Path() / "keyed.dll";
  const auto db = Database::Create(path.string(), PasswordFromConnectString(kConnectString));
  if (withSchema) schema::CreateSchema(*db);
  db->Execute(sql);
  const std::string bytes = test::ReadFile(path);
  std::filesystem::remove(path);
  return bytes;
}

TEST(DatabaseOpen, RefusesWhatIsNoTimetableAndLeavesTheFileAsItWas) {
  TempDir dir;
  const auto missing = (dir.Path() / "date" / "Train.dll").string();
  ExpectRefused(missing, "无法打开时刻表数据库 " + missing + "：文件不存在");
  EXPECT_FALSE(std::filesystem::exists(missing)) << "opening created the file";

  TestTimetable t{{"station", "1\t北京\tbj\n"}};
  t.Build();
  EXPECT_THROW(Database::Open(t.DbPath().string(), "MS Access;PWD=wrong"), DatabaseError);
  EXPECT_NO_THROW(Database::Open(t.DbPath().string()));
  // Plain sqlite sees neither the file header nor a station name.
  const std::string timetable = test::ReadFile(t.DbPath());
  EXPECT_NE(timetable.rfind("SQLite format 3", 0), 0u);
  EXPECT_EQ(timetable.find("北京"), std::string::npos);

  const std::pair<std::string, std::string> cases[] = {
      {"", "不是本程序的时刻表数据库"},  // SQLite would take it for a new database
      {std::string(8192, 'x'), "不是本程序的时刻表数据库"},
      {std::string(1024, '\0') + timetable.substr(1024), "不是本程序的时刻表数据库"},
      {KeyedDatabase(dir, false, "CREATE TABLE other (x)"), "缺少数据表 station"},
      // Every lookup of a station reads jm.
      {KeyedDatabase(dir, true, "ALTER TABLE station RENAME TO old; CREATE TABLE station (id, station)"),
       "缺少数据列 station.jm"},
  };
  for (const auto& [content, words] : cases) {
    const auto path = dir.Write("date/broken.dll", content);
    ExpectRefused(path.string(), words);
    EXPECT_EQ(test::ReadFile(path), content) << words;
  }
}

TEST(DatabaseOpen, ATimetableWithoutPinyinOrPositionsOpensWorksAndTakesThemFromAnUpdate) {
  TempDir dir;
  const auto path =
      dir.Write("date/Train.dll", KeyedDatabase(dir, true,
                                                "DROP TABLE station;"
                                                "CREATE TABLE station (id INTEGER PRIMARY KEY,"
                                                " station TEXT NOT NULL, jm TEXT COLLATE NOCASE);"
                                                "INSERT INTO station VALUES (1, '上海', 'sh')"));
  // Read only, it works without the column and the file stays as it was;
  // then for writing.
  const std::string before = test::ReadFile(path);
  for (const bool readOnly : {true, false}) {
    if (!readOnly) {
      EXPECT_EQ(test::ReadFile(path), before);
    }
    const auto db = readOnly ? Database::OpenReadOnly(path.string()) : Database::Open(path.string());
    EXPECT_EQ(FindStations(*db, "sh", true).names, Rows{"上海"});
    EXPECT_FALSE(FindStations(*db, "shanghai", true).found);
    EXPECT_TRUE(ReadStationPositions(*db).empty());
  }
  auto db = Database::Open(path.string());
  const auto update = dir.Write("update.txt",
                                "update;station;1;py=\"shanghai\",lat=31.2,lon=121.46\r\n"
                                "insert;station;2;2,\"天津\",\"tj\"\r\n");
  EXPECT_EQ(ApplyUpdateFile(*db, update).status, UpdateStatus::Applied);
  EXPECT_EQ(FindStations(*db, "shanghai", true).names, Rows{"上海"});
  const auto positions = ReadStationPositions(*db);
  ASSERT_EQ(positions.size(), 1u);
  EXPECT_DOUBLE_EQ(positions.at(1).lat, 31.2);
  EXPECT_DOUBLE_EQ(positions.at(1).lon, 121.46);
  EXPECT_EQ(QueryRows(*db, "SELECT count(*) FROM station"), Rows{"2"});
}

// A timetable in a folder of its own and an update for it, file and folder
// open to everybody until a test takes that away.
class DatabasePermissions : public ::testing::Test {
 protected:
  DatabasePermissions() {
    t_.Build();
    std::ofstream(update_) << "update;station;1;jm=\"bjx\"\r\n";
    chmod(t_.Root().c_str(), 0755);
    chmod(folder_.c_str(), 0777);
  }
  ~DatabasePermissions() override { chmod(folder_.c_str(), 0755); }

  TestTimetable t_{{"station", "1\t北京\tbj\n"}};
  const std::string path_ = t_.DbPath().string();
  const std::string folder_ = t_.DbPath().parent_path().string();
  const std::filesystem::path update_ = t_.Root() / "update.txt";
};

TEST_F(DatabasePermissions, AFileOrFolderThatCannotBeWrittenIsSaidToBeSo) {
  // Not "another program holds it": the file's path and the cause.
  chmod(path_.c_str(), 0444);
  test::RunUnprivileged([&] {
    try {
      Database::Open(path_);
      ADD_FAILURE() << "opened a file that cannot be written";
    } catch (const DatabaseError& e) {
      EXPECT_EQ(std::string(e.what()), "无法打开时刻表数据库 " + path_ + "：文件不能写入（没有写入权限）");
    }
  });
  // A folder that cannot be written still serves searches; a change says why it cannot be made.
  chmod(path_.c_str(), 0666);
  chmod(folder_.c_str(), 0555);
  test::RunUnprivileged([&] {
    const auto db = Database::Open(path_);
    const auto outcome = ApplyUpdateFile(*db, update_);
    EXPECT_EQ(outcome.status, UpdateStatus::Failed);
    EXPECT_EQ(outcome.Message(),
              "无法修改时刻表数据库 " + path_ + "：文件夹 " + folder_ + " 不能写入（没有写入权限）");
    EXPECT_EQ(QueryRows(*db, "SELECT jm FROM station"), Rows{"bj"});
  });
  EXPECT_TRUE(std::filesystem::exists(update_));
}

// The installed timetable cannot be written by its users; it is read all the
// same, and nothing is written to it.
TEST_F(DatabasePermissions, AFileThatCannotBeWrittenOpensForReadingOnly) {
  chmod(folder_.c_str(), 0755);
  chmod(path_.c_str(), 0444);
  const std::string before = test::ReadFile(path_);
  test::RunUnprivileged([&] {
    const auto db = Database::OpenReadOnly(path_);
    EXPECT_EQ(QueryRows(*db, "SELECT station FROM station"), Rows{"北京"});
    EXPECT_THROW(db->Execute("UPDATE station SET jm = 'x'"), DatabaseError);
  });
  EXPECT_EQ(test::ReadFile(path_), before);
  chmod(path_.c_str(), 0644);
}

// 文件 → 使用新安装的时刻表: the open connection goes on with the new file.
TEST(DatabaseReplace, TheOpenConnectionTakesTheNewFile) {
  TestTimetable mine{{"station", "1\t北京\tbj\n"}};
  TestTimetable newer{{"station", "2\t上海\tsh\n"}};
  newer.Build();
  const auto db = mine.Open();
  db->Execute("UPDATE station SET jm = 'bjx'");
  const long long changes = db->TotalChanges();
  const auto folder = mine.DbPath().parent_path();

  // (A file that is no timetable is refused in the date folder tests.)
  const auto part = folder / "Train.dll.part";
  std::filesystem::copy_file(newer.DbPath(), part);
  db->ReplaceWith(part.string());
  EXPECT_EQ(QueryRows(*db, "SELECT station FROM station"), Rows{"上海"});
  EXPECT_FALSE(std::filesystem::exists(part));
  EXPECT_GT(db->TotalChanges(), changes);               // a cache of the old data sees the change
  ExpectRefused(mine.DbPath().string(), "另一个程序");  // still held
}

TEST(DatabaseQueries, NestedStatementsNumbersAndRejectedStatements) {
  TestTimetable t{{"station", "1\t北京\tbj\n2\tAbc\tABC\n"}};
  auto db = t.Open();
  // The same cached statement text again while the outer walk is open.
  const char* sql = "SELECT id FROM station ORDER BY id";
  auto outer = db->Prepare(sql);
  Rows seen;
  while (outer.Step()) {
    EXPECT_EQ(QueryRows(*db, sql), (Rows{"1", "2"}));
    seen.push_back(outer.Text(0));
  }
  EXPECT_EQ(seen, (Rows{"1", "2"}));
  // Numbers are read at the width they are stored: one the program cannot
  // hold is an error, never another number (4294967306 is not 10).
  const std::pair<const char*, bool> numbers[] = {
      {"2147483647", true}, {"-2147483648", true}, {"4294967306", false}, {"-2147483649", false}};
  for (const auto& [number, fits] : numbers) {
    auto q = db->Prepare(std::string("SELECT ") + number);
    ASSERT_TRUE(q.Step());
    if (fits) {
      EXPECT_EQ(std::to_string(q.Int(0)), number);
    } else {
      EXPECT_THROW(q.Int(0), DatabaseError) << number;
    }
  }
  // An empty text binds as a text, never as Null, whatever its pointer.
  auto empty = db->Prepare("SELECT typeof(?1), typeof(?2)");
  empty.Bind(1, std::string_view()).Bind(2, "");
  ASSERT_TRUE(empty.Step());
  EXPECT_EQ(empty.Text(0) + empty.Text(1), "texttext");
  // A rejected statement throws and the connection goes on.
  EXPECT_THROW(db->Prepare("SELECT nothing FROM nowhere"), DatabaseError);
  EXPECT_THROW(db->Execute("INSERT INTO station VALUES (1, '重复', 'cf')"), DatabaseError);
  EXPECT_EQ(QueryRows(*db, "SELECT count(*) FROM station"), Rows{"2"});
}

}  // namespace
}  // namespace kw
