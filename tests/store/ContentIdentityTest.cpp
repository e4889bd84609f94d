#include "store/ContentIdentity.h"

#include <gtest/gtest.h>

#include "store/DataBuilder.h"
#include "support/TestTimetable.h"
#include "update/UpdateFile.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::TestTimetable;

TestTimetable Timetable(const std::string& stations) {
  return {{"station", stations},
          {"train", "1\tK1\t1\t1\t2\t8.3\t9.5\t0\t137\t\n"},
          {"pass", "1\t1\t1\t8.3\t8.3\t0\t0\n1\t2\t2\t9.5\t9.5\t0\t137\n"},
          {"VerID", "2019.05\n"}};
}

std::string IdentityOf(const fs::path& file) {
  return ReadContentIdentity(*Database::OpenReadOnly(file.string()));
}

TEST(ContentIdentity, TheSameTablesGiveTheSameFileAndIdentityAnyOtherRowAnother) {
  auto a = Timetable("1\t北京\tbj\n2\t天津\ttj\n");
  auto b = Timetable("1\t北京\tbj\n2\t天津\ttj\n");
  auto c = Timetable("1\t北京\tbj\n2\t天津西\ttjx\n");
  a.Build();
  b.Build();
  c.Build();
  // Byte for byte, although SQLCipher draws a salt and page IVs for a new file.
  EXPECT_EQ(ReadFile(a.DbPath()), ReadFile(b.DbPath()));
  EXPECT_NE(ReadFile(a.DbPath()), ReadFile(c.DbPath()));
  const std::string identity = IdentityOf(a.DbPath());
  EXPECT_EQ(identity.size(), 64u);
  EXPECT_EQ(IdentityOf(b.DbPath()), identity);
  EXPECT_NE(IdentityOf(c.DbPath()), identity);
  // Another build's salt differs from this one's: the random numbers come
  // back to the library's own once the builder is done.
  EXPECT_NE(ReadFile(a.DbPath()).substr(0, 16), ReadFile(c.DbPath()).substr(0, 16));
  // Still the program's password and schema: it opens for writing.
  EXPECT_EQ(test::QueryRows(*a.Open(), "SELECT station FROM station WHERE id = 2"),
            std::vector<std::string>{"天津"});
}

TEST(ContentIdentity, AnAppliedUpdateMovesItOnTheSameWayARefusedOneLeavesIt) {
  auto t = Timetable("1\t北京\tbj\n2\t天津\ttj\n");
  t.Build();
  const std::string built = IdentityOf(t.DbPath());
  const test::DatabaseCopy copy(t.DbPath());
  TempDir dir;
  const std::string update = "update;station;2;station=\"天津西\"\n";
  {
    auto db = copy.Open();
    ASSERT_EQ(ApplyUpdateFile(*db, dir.Write("u1.txt", update)).status, UpdateStatus::Applied);
    // Refused on its second line: nothing changes, the identity neither.
    EXPECT_EQ(ApplyUpdateFile(*db, dir.Write("bad.txt", update + "update;nosuch;1;x=1\n")).status,
              UpdateStatus::Failed);
    // An update file cannot name the identity's table.
    EXPECT_EQ(ApplyUpdateFile(*db, dir.Write("id.txt", "update;kw_identity;1;identity=\"x\"\n")).status,
              UpdateStatus::Failed);
  }
  // The identity before and the file applied, nothing else.
  const std::string moved = IdentityOf(copy.DbPath());
  EXPECT_NE(moved, built);
  EXPECT_EQ(moved, NextContentIdentity(built, FileDigest(dir.Write("again.txt", update))));
}

TEST(ContentIdentity, ADatabaseFromBeforeIdentitiesHasNone) {
  auto t = Timetable("1\t北京\tbj\n2\t天津\ttj\n");
  auto db = t.Open();
  db->Execute("DROP TABLE kw_identity");
  EXPECT_EQ(ReadContentIdentity(*db), "");
}

TEST(ContentIdentity, FileDigestIsSha256) {
  TempDir dir;
  EXPECT_EQ(FileDigest(dir.Write("abc", "abc")),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(FileDigest(dir.Path() / "missing"), "");
}

}  // namespace
}  // namespace kw
