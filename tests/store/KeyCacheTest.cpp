#include "store/KeyCache.h"

#include <gtest/gtest.h>

#include <fstream>

#include "store/UserCache.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

std::string SaltOf(const fs::path& db) { return test::ReadFile(db).substr(0, kSaltBytes); }

// The permission bits of a file or folder.
fs::perms Permissions(const fs::path& path) { return fs::status(path).permissions(); }

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Only SQLCipher's derivations and a salt of its size are taken. (A key
// derived wrongly is caught by the tests below: it opens no file.)
TEST(KeyCache, DerivesAKeyOnlyAsSqlcipherCan) {
  const std::string salt(kSaltBytes, 's');
  EXPECT_TRUE(DeriveRawKey("604lamp1987.org", salt, 2, "PBKDF2_HMAC_SHA1"));
  EXPECT_FALSE(DeriveRawKey("604lamp1987.org", salt, 2, "PBKDF2_HMAC_MD5"));
  EXPECT_FALSE(DeriveRawKey("604lamp1987.org", salt.substr(1), 2, "PBKDF2_HMAC_SHA1"));
}

// The first open derives the key and keeps it; the next ones open the file
// with the kept key.
TEST(KeyCache, TheKeyIsDerivedOnceAndOpensTheFile) {
  test::ScopedCacheHome home;
  const test::DatabaseCopy copy;
  const std::string path = copy.DbPath().string();
  EXPECT_EQ(Database::OpenReadOnly(path)->KeyedBy(), KeySource::Derived);
  EXPECT_EQ(Database::OpenReadOnly(path)->KeyedBy(), KeySource::Cache);
  EXPECT_EQ(Database::Open(path)->KeyedBy(), KeySource::Cache);
}

// A kept key that is wrong, cut short, empty or another file's falls back to
// the password: the file opens, and the key is put right for the next time.
TEST(KeyCache, AWrongTruncatedOrForeignKeyFallsBackAndTheFileOpens) {
  test::ScopedCacheHome home;
  const test::DatabaseCopy copy;
  test::TestTimetable other;
  other.Build();
  const std::string path = copy.DbPath().string();
  const fs::path entry = home.Folder() / KeyCacheFileName(SaltOf(path));
  Database::OpenReadOnly(other.DbPath().string());
  Database::OpenReadOnly(path);
  const std::string good = test::ReadFile(entry);
  const std::string foreign = test::ReadFile(home.Folder() / KeyCacheFileName(SaltOf(other.DbPath())));
  ASSERT_EQ(good.size(), 88u);
  ASSERT_EQ(foreign.size(), 88u);
  std::string wrongKey = good;
  wrongKey.back() ^= 1;
  std::string wrongSalt = good;
  wrongSalt[8] ^= 1;
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"wrong key", wrongKey},
      {"another file's entry", foreign},
      {"another salt", wrongSalt},
      {"cut short", good.substr(0, 60)},
      {"empty", ""},
      {"a byte too many", good + "x"},
  };
  for (const auto& c : cases) {
    for (bool readOnly : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (readOnly ? ", read-only" : ", read-write"));
      WriteBytes(entry, c.bytes);
      std::unique_ptr<Database> db;
      ASSERT_NO_THROW(db = readOnly ? Database::OpenReadOnly(path) : Database::Open(path));
      EXPECT_EQ(db->KeyedBy(), KeySource::Derived);
      EXPECT_EQ(test::QueryRows(*db, "SELECT count(*) FROM VerID").size(), 1u);
      db.reset();
      EXPECT_EQ(test::ReadFile(entry), good);
    }
  }
}

// A key is only handed out for the password it was derived from: another
// password is refused as ever.
TEST(KeyCache, AWrongPasswordIsRefusedWithTheKeyKept) {
  test::ScopedCacheHome home;
  const test::DatabaseCopy copy;
  const std::string path = copy.DbPath().string();
  Database::OpenReadOnly(path);
  for (const char* connect : {"MS Access;PWD=604lamp1987.or", "MS Access;PWD=", "MS Access"}) {
    SCOPED_TRACE(connect);
    try {
      Database::OpenReadOnly(path, connect);
      ADD_FAILURE() << "opened";
    } catch (const DatabaseError& e) {
      EXPECT_NE(std::string(e.what()).find("密码不符或文件已损坏"), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(Database::OpenReadOnly(path)->KeyedBy(), KeySource::Cache);
}

// The cache folder and its files are the user's alone; a folder that cannot
// be made leaves the program working without it.
TEST(UserCache, FolderAndFilesArePrivateAndAMissingFolderIsNoError) {
  {
    test::ScopedCacheHome home;
    fs::create_directories(home.Folder());
    fs::permissions(home.Folder(), fs::perms::all);  // made wide open by someone
    const test::DatabaseCopy copy;
    Database::OpenReadOnly(copy.DbPath().string());
    EXPECT_EQ(Permissions(home.Folder()), fs::perms::owner_all);
    int files = 0;
    for (const auto& file : fs::directory_iterator(home.Folder())) {
      EXPECT_EQ(Permissions(file), fs::perms::owner_read | fs::perms::owner_write) << file.path();
      ++files;
    }
    EXPECT_EQ(files, 1);
  }
  {
    // A cache home under a missing parent: both are made private.
    test::TempDir dir;
    test::ScopedCacheHome home(dir.Path() / "cache");
    EXPECT_TRUE(WriteCacheFile("x", "1"));
    EXPECT_EQ(Permissions(dir.Path() / "cache"), fs::perms::owner_all);
    EXPECT_EQ(ReadCacheFile("x", 1), "1");
  }
  {
    test::TempDir dir;
    const fs::path file = dir.Write("file", "");
    test::ScopedCacheHome home(file / "cache");  // no folder can be made there
    const test::DatabaseCopy copy;
    EXPECT_EQ(Database::OpenReadOnly(copy.DbPath().string())->KeyedBy(), KeySource::Derived);
    EXPECT_EQ(Database::OpenReadOnly(copy.DbPath().string())->KeyedBy(), KeySource::Derived);
    EXPECT_FALSE(WriteCacheFile("x", "1"));
  }
}

// A large cache file is read as any other, under the same conditions, and
// its bytes go with it when it is moved.
TEST(UserCache, ALargeFileReadsAsAnyOther) {
  test::ScopedCacheHome home;
  const std::string large(3 << 20, 'k');  // more than a large page
  ASSERT_TRUE(WriteCacheFile("x", "1234"));
  ASSERT_TRUE(WriteCacheFile("empty", ""));
  ASSERT_TRUE(WriteCacheFile("large", large + "end"));
  fs::create_symlink(home.Folder() / "x", home.Folder() / "link");
  fs::create_directory(home.Folder() / "folder");
  const struct {
    const char* name;
    std::uint64_t maxBytes;
    std::optional<std::string> bytes;
  } cases[] = {
      {"x", 4, "1234"},
      {"x", 3, std::nullopt},
      {"empty", 0, ""},
      {"link", 4, std::nullopt},
      {"folder", 4096, std::nullopt},
      {"missing", 4, std::nullopt},
      {"large", large.size() + 3, large + "end"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " up to " + std::to_string(c.maxBytes));
    EXPECT_EQ(ReadCacheFile(c.name, c.maxBytes), c.bytes);
    const auto file = ReadLargeCacheFile(c.name, c.maxBytes);
    ASSERT_EQ(file.has_value(), c.bytes.has_value());
    if (file) {
      EXPECT_EQ(file->Bytes(), *c.bytes);
    }
  }
  std::optional<LargeCacheFile> file = ReadLargeCacheFile("x", 4);
  ASSERT_TRUE(file);
  LargeCacheFile moved = std::move(*file);
  file.reset();
  EXPECT_EQ(moved.Bytes(), "1234");
}

TEST(UserCache, FolderFollowsXdgCacheHomeElseHome) {
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  const struct {
    const char* xdg;
    const char* home;
    const char* folder;
  } cases[] = {
      {"/var/c", "/home/u", "/var/c/Kestrelway"},
      {"relative", "/home/u", "/home/u/.cache/Kestrelway"},
      {"", "/home/u", "/home/u/.cache/Kestrelway"},
      {"", "", ""},
  };
  const test::ScopedCacheHome restored;
  for (const auto& c : cases) {
    setenv("XDG_CACHE_HOME", c.xdg, 1);
    setenv("HOME", c.home, 1);
    EXPECT_EQ(CacheFolder().string(), c.folder) << c.xdg << " " << c.home;
  }
  setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace kw
