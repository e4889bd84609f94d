#include "store/Database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "store/DateFolder.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

using test::TempDir;
using test::TestTimetable;

TEST(PasswordFromConnectString, TakesThePwdEntry) {
  EXPECT_EQ(PasswordFromConnectString("MS Access;PWD=604lamp1987.org"), "604lamp1987.org");
  EXPECT_EQ(PasswordFromConnectString("pwd=a=b;MS Access"), "a=b");
  EXPECT_EQ(PasswordFromConnectString("MS Access"), "");
}

TEST(DatabaseOpen, MissingFileIsNamedAndNothingIsCreated) {
  TempDir dir;
  const auto path = (dir.Path() / "date" / "Train.dll").string();
  try {
    Database::Open(path);
    FAIL() << "opened a missing file";
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("文件不存在"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(DatabaseOpen, WrongKeyIsRefused) {
  TestTimetable t;
  t.Build();
  EXPECT_THROW(Database::Open(t.DbPath().string(), "MS Access;PWD=wrong"), DatabaseError);
  EXPECT_NO_THROW(Database::Open(t.DbPath().string()));
}

TEST(DatabaseOpen, DamagedOrForeignFileIsRefused) {
  TempDir dir;
  const auto garbage = dir.Write("garbage.dll", std::string(8192, 'x'));
  EXPECT_THROW(Database::Open(garbage.string()), DatabaseError);

  TestTimetable t;
  t.Build();
  // Overwrite the first page: the file is still there but can no longer be read.
  {
    std::fstream f(t.DbPath(), std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(0);
    f << std::string(1024, '\0');
  }
  try {
    Database::Open(t.DbPath().string());
    FAIL() << "opened a damaged file";
  } catch (const DatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("不是本程序的时刻表数据库"), std::string::npos) << e.what();
  }
}

TEST(DatabaseOpen, PlainSqliteCannotReadTheFile) {
  TestTimetable t;
  t.Set("station", "1\t北京\tbj\n");
  t.Build();
  const std::string content = test::ReadFile(t.DbPath());
  EXPECT_NE(content.rfind("SQLite format 3", 0), 0u) << "the file header is readable";
  EXPECT_EQ(content.find("北京"), std::string::npos) << "a station name is readable";
}

TEST(DatabaseOpen, ASecondConnectionIsLockedOut) {
  TestTimetable t;
  auto first = t.Open();
  // Another process trying the same file while the first holds it.
  const pid_t pid = fork();
  if (pid == 0) {
    try {
      Database::Open(t.DbPath().string());
      _exit(0);
    } catch (const DatabaseError& e) {
      _exit(std::string(e.what()).find("另一个程序") != std::string::npos ? 7 : 1);
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  first.reset();
  EXPECT_NO_THROW(Database::Open(t.DbPath().string()));
}

TEST(DatabaseQueries, NamesCompareWithoutRegardToCase) {
  TestTimetable t;
  t.Set("station", "1\t北京\tbj\n2\tAbc\tABC\n");
  t.Set("train", "1\tK21\t1\t1\t2\t8\t9\t0\t10\t\n");
  auto db = t.Open();
  auto q = db->Prepare("SELECT count(*) FROM train WHERE train = 'k21'");
  ASSERT_TRUE(q.Step());
  EXPECT_EQ(q.Int(0), 1);
  auto s = db->Prepare("SELECT id FROM station WHERE jm LIKE 'ab%' AND station = 'ABC'");
  ASSERT_TRUE(s.Step());
  EXPECT_EQ(s.Int(0), 2);
}

TEST(DatabaseQueries, CachedStatementCanBeNested) {
  TestTimetable t;
  t.Set("station", "1\t甲\tj\n2\t乙\ty\n");
  auto db = t.Open();
  const char* sql = "SELECT id FROM station ORDER BY id";
  auto outer = db->Prepare(sql);
  std::vector<int> seen;
  while (outer.Step()) {
    auto inner = db->Prepare(sql);  // same text while the outer walk is open
    int n = 0;
    while (inner.Step()) ++n;
    EXPECT_EQ(n, 2);
    seen.push_back(outer.Int(0));
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST(DatabaseQueries, RejectedStatementThrowsAndTheConnectionGoesOn) {
  TestTimetable t;
  t.Set("station", "1\t甲\tj\n");
  auto db = t.Open();
  EXPECT_THROW(db->Prepare("SELECT nothing FROM nowhere"), DatabaseError);
  EXPECT_THROW(db->Execute("INSERT INTO station VALUES (1, '重复', 'cf')"), DatabaseError);
  auto q = db->Prepare("SELECT count(*) FROM station");
  ASSERT_TRUE(q.Step());
  EXPECT_EQ(q.Int(0), 1);
}

TEST(Transaction, RollsBackUnlessCommitted) {
  TestTimetable t;
  auto db = t.Open();
  {
    Transaction tx(*db);
    db->Execute("INSERT INTO station VALUES (5, '戊', 'w')");
  }
  {
    auto q = db->Prepare("SELECT count(*) FROM station");
    ASSERT_TRUE(q.Step());
    EXPECT_EQ(q.Int(0), 0);
  }
  {
    Transaction tx(*db);
    db->Execute("INSERT INTO station VALUES (5, '戊', 'w')");
    tx.Commit();
  }
  auto q = db->Prepare("SELECT count(*) FROM station");
  ASSERT_TRUE(q.Step());
  EXPECT_EQ(q.Int(0), 1);
}

TEST(DateFolder, FindsFilesWithoutRegardToCase) {
  TempDir dir;
  dir.Write("Date/greenboll.jpg", "x");
  EXPECT_EQ(DateFile(dir.Path(), "greenBoll.jpg"), dir.Path() / "Date" / "greenboll.jpg");
  EXPECT_EQ(DateFile(dir.Path(), "missing.jpg"), dir.Path() / "Date" / "missing.jpg");
  TempDir empty;
  EXPECT_EQ(DatabasePath(empty.Path()), empty.Path() / "date" / "Train.dll");
}

}  // namespace
}  // namespace kw
