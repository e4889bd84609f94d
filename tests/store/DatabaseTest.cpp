#include "store/Database.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "support/TestTimetable.h"

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

TEST(PasswordFromConnectString, TakesThePwdEntry) {
  EXPECT_EQ(PasswordFromConnectString("MS Access;PWD=604lamp1987.org"), "604lamp1987.org");
  EXPECT_EQ(PasswordFromConnectString("pwd=a=b;MS Access"), "a=b");
  EXPECT_EQ(PasswordFromConnectString("MS Access"), "");
}

TEST(DatabaseOpen, RefusesAMissingWronglyKeyedDamagedOrForeignFile) {
  TempDir dir;
  const auto missing = (dir.Path() / "date" / "Train.dll").string();
  ExpectRefused(missing, missing);
  ExpectRefused(missing, "文件不存在");
  EXPECT_FALSE(std::filesystem::exists(missing)) << "opening created the file";
  ExpectRefused(dir.Write("garbage.dll", std::string(8192, 'x')).string(), "不是本程序的时刻表数据库");

  TestTimetable t{{"station", "1\t北京\tbj\n"}};
  t.Build();
  EXPECT_THROW(Database::Open(t.DbPath().string(), "MS Access;PWD=wrong"), DatabaseError);
  EXPECT_NO_THROW(Database::Open(t.DbPath().string()));
  // Plain sqlite sees neither the file header nor a station name.
  const std::string content = test::ReadFile(t.DbPath());
  EXPECT_NE(content.rfind("SQLite format 3", 0), 0u);
  EXPECT_EQ(content.find("北京"), std::string::npos);
  // The first page overwritten: the file is there but can no longer be read.
  std::fstream(t.DbPath(), std::ios::in | std::ios::out | std::ios::binary) << std::string(1024, '\0');
  ExpectRefused(t.DbPath().string(), "不是本程序的时刻表数据库");
}

TEST(DatabaseOpen, ASecondConnectionIsLockedOut) {
  TestTimetable t;
  auto first = t.Open();
  // Another process trying the same file while the first holds it.
  if (fork() == 0) {
    ExpectRefused(t.DbPath().string(), "另一个程序");
    _exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  wait(&status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the second process was not locked out";
  first.reset();
  EXPECT_NO_THROW(Database::Open(t.DbPath().string()));
}

TEST(DatabaseQueries, CaseBlindNamesNestedStatementsAndRejectedStatements) {
  TestTimetable t{{"station", "1\t北京\tbj\n2\tAbc\tABC\n"}, {"train", "1\tK21\t1\t1\t2\t8\t9\t0\t10\t\n"}};
  auto db = t.Open();
  EXPECT_EQ(QueryRows(*db, "SELECT count(*) FROM train WHERE train = 'k21'"), Rows{"1"});
  EXPECT_EQ(QueryRows(*db, "SELECT id FROM station WHERE jm LIKE 'ab%' AND station = 'ABC'"), Rows{"2"});
  // The same cached statement text again while the outer walk is open.
  const char* sql = "SELECT id FROM station ORDER BY id";
  auto outer = db->Prepare(sql);
  Rows seen;
  while (outer.Step()) {
    EXPECT_EQ(QueryRows(*db, sql), (Rows{"1", "2"}));
    seen.push_back(outer.Text(0));
  }
  EXPECT_EQ(seen, (Rows{"1", "2"}));
  // A rejected statement throws and the connection goes on.
  EXPECT_THROW(db->Prepare("SELECT nothing FROM nowhere"), DatabaseError);
  EXPECT_THROW(db->Execute("INSERT INTO station VALUES (1, '重复', 'cf')"), DatabaseError);
  EXPECT_EQ(QueryRows(*db, "SELECT count(*) FROM station"), Rows{"2"});
}

TEST(Transaction, RollsBackUnlessCommitted) {
  TestTimetable t;
  auto db = t.Open();
  for (bool commit : {false, true}) {
    {
      Transaction tx(*db);
      db->Execute("INSERT INTO station VALUES (5, '戊', 'w')");
      if (commit) tx.Commit();
    }
    EXPECT_EQ(QueryRows(*db, "SELECT count(*) FROM station"), Rows{commit ? "1" : "0"});
  }
}

}  // namespace
}  // namespace kw
