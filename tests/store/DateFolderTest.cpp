#include "store/DateFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "store/CoreStrings.h"
#include "support/TestTimetable.h"
#include "update/UpdateFile.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;

// The part files below `root`: none is left once a copy has failed.
std::vector<fs::path> PartFiles(const fs::path& root) {
  std::vector<fs::path> parts;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.path().extension() == ".part") parts.push_back(entry.path());
  return parts;
}

bool ReadOnly(const fs::path&) { return false; }

// A copy's record of an installed timetable with this identity.
CopyOrigin Origin(const std::string& identity) {
  CopyOrigin origin;
  origin.version = "old";
  origin.identity = identity;
  return origin;
}

DatePlace Place(const fs::path& root, const fs::path& source) {
  DatePlace place;
  place.root = root;
  place.source = source;
  return place;
}

// Files and their contents.
using Files = std::map<std::string, std::string>;
Files Holding(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = ReadFile(entry);
  return files;
}

// A program folder, installed program data and a per-user folder. Only the
// database is copied, and the copy records the identity of the installed
// database it came from; a different installed one replaces a copy still as
// it was made and is named beside a copy that holds the user's updates.
// (These databases are one-line files: their identity is their checksum.)
TEST(DateFolder, TheProgramsOwnFolderWhenWritableElseAPerUserCopyOfTheDatabase) {
  enum Place { Program, User, Portable, Legacy };
  // FNV-1a checksums of the one-line databases below.
  const std::string I = "fnv:af64044c86023084", I1 = "fnv:09240307b5b8c38f", I2 = "fnv:09240407b5b8c542";
  const struct {
    const char *what, *program, *installed, *user, *origin;  // origin: the copy's recorded identity
    bool programWritable;
    Place place;
    const char *dbAfter, *originAfter;  // the copy's database and record; empty: no copy made
    bool replaced, different;
    bool legacy = false;  // the copy was made by an earlier version, in user/date
  } cases[] = {
      {"a build or portable folder", "P", "I", "", "", true, Program, "", "", false, false},
      {"installed: the first run copies the database", "", "I", "", "", true, User, "I", I.c_str(), false,
       false},
      {"a read-only portable folder keeps a copy of its own", "P", "I", "", "", false, Portable, "P",
       "fnv:af640d4c86023fcf", false, false},
      {"an untouched copy takes the other installed timetable", "", "I2", "I1", I1.c_str(), true, User, "I2",
       I2.c_str(), true, false},
      {"an updated copy stays, the other one is named", "", "I2", "U", I1.c_str(), true, User, "U",
       I1.c_str(), false, true},
      {"a copy from before records stays when it differs", "", "I2", "U", "", true, User, "U", "", false,
       true},
      {"a copy from before records, equal to the installed one", "", "I", "I", "", true, User, "I", I.c_str(),
       false, false},
      {"updated since the installed one it came from", "", "I", "U", I.c_str(), true, User, "U", I.c_str(),
       false, false},
      {"a copy with nothing installed", "", "", "U", "", true, User, "U", "", false, false},
      {"nothing anywhere: the program folder, to report what is missing", "", "", "", "", true, Program, "",
       "", false, false},
      {"an earlier version's copy is taken over and kept apart from now on", "", "I2", "I1", I1.c_str(), true,
       User, "I2", I2.c_str(), true, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const DateSources sources{dir.Path() / "program", dir.Path() / "share" / "kestrelway",
                              dir.Path() / "user"};
    const fs::path userRoot = c.place == Portable
                                  ? CopyRoot(sources.userRoot, sources.programDir / "date", true)
                                  : CopyRoot(sources.userRoot, sources.installedDir, false);
    const fs::path made = c.legacy ? sources.userRoot : userRoot;
    if (*c.program) dir.Write("program/date/Train.dll", c.program);
    if (*c.installed) {
      dir.Write("share/kestrelway/Train.dll", c.installed);
      dir.Write("share/kestrelway/point.cur", "c");
    }
    if (*c.user) {
      fs::create_directories(made / "date");
      std::ofstream(made / "date" / "train.DLL") << c.user;
    }
    if (*c.origin) WriteCopyOrigin(made / "date", Origin(c.origin));

    const DatePlace place = ChooseDatePlace(sources, c.programWritable ? IsWritableFolder : ReadOnly);
    EXPECT_EQ(place.error, "");
    EXPECT_EQ(place.notice, "");
    EXPECT_EQ(place.root, c.place == Program ? sources.programDir : userRoot);
    EXPECT_EQ(place.replaced, c.replaced);
    EXPECT_EQ(place.different.has_value(), c.different);
    if (c.different) {
      EXPECT_EQ(place.different->identity, I2);
    }
    EXPECT_FALSE(fs::exists(sources.userRoot / "date"));
    if (!*c.dbAfter) {
      EXPECT_FALSE(fs::exists(userRoot / "date"));
      continue;
    }
    // The database and its record, no other file (no picture, no part file).
    Files expected = {{*c.user ? "train.DLL" : "Train.dll", c.dbAfter}};
    if (*c.originAfter) expected["origin.txt"] = ReadFile(userRoot / "date" / "origin.txt");
    EXPECT_EQ(Holding(userRoot / "date"), expected);
    EXPECT_EQ(ReadCopyOrigin(userRoot / "date").value_or(CopyOrigin{}).identity, c.originAfter);
  }
}

// Two installed folders (two prefixes) and two portable programs: four
// copies, none replacing another's.
TEST(DateFolder, EachInstalledFolderAndEachPortableProgramHasItsOwnCopy) {
  TempDir dir;
  dir.Write("a/share/Train.dll", "A");
  dir.Write("b/share/Train.dll", "B");
  dir.Write("p/date/Train.dll", "P");
  dir.Write("q/date/Train.dll", "Q");
  const fs::path user = dir.Path() / "user";
  std::vector<fs::path> roots;
  for (const auto& [program, installed] :
       {std::pair{"a/bin", "a/share"}, {"b/bin", "b/share"}, {"p", "none"}, {"q", "none"}}) {
    const DatePlace place = ChooseDatePlace({dir.Path() / program, dir.Path() / installed, user}, ReadOnly);
    ASSERT_EQ(place.error, "");
    roots.push_back(place.root);
  }
  // Each its own: a copy shared by two would hold only the later one.
  std::vector<std::string> held;
  for (const fs::path& root : roots) held.push_back(ReadFile(DatabasePath(root)));
  EXPECT_EQ(held, (std::vector<std::string>{"A", "B", "P", "Q"}));
  // The second start of the first finds its own copy as it was.
  EXPECT_EQ(ChooseDatePlace({dir.Path() / "a/bin", dir.Path() / "a/share", user}, ReadOnly).root, roots[0]);
}

// What the program writes comes from the copy, the rest from where it is
// installed, whatever an older program copied beside the database.
TEST(DateFolder, FilesTheProgramOnlyReadsComeFromTheInstalledFolder) {
  TempDir dir;
  for (const char* name : {"user/date/Train.dll", "user/date/point.cur", "user/date/showmain.gif",
                           "share/Train.dll", "share/point.cur", "share/showmain.gif", "share/ShowMain.html"})
    dir.Write(name, "x");
  const DatePlace copy = Place(dir.Path() / "user", dir.Path() / "share");
  const struct {
    const char* name;
    const char* expected;
  } cases[] = {
      {"Train.dll", "user/date/Train.dll"}, {"SHOWMAIN.GIF", "user/date/showmain.gif"},
      {"point.cur", "share/point.cur"},     {"showmain.html", "share/ShowMain.html"},
      {"missing.jpg", "share/missing.jpg"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadableDateFile(copy, c.name), dir.Path() / c.expected) << c.name;
  fs::remove(dir.Path() / "user/date/showmain.gif");  // not downloaded yet: the installed one
  EXPECT_EQ(ReadableDateFile(copy, "showmain.gif"), dir.Path() / "share/showmain.gif");
  // Without a copy, everything is in the root's own date folder.
  EXPECT_EQ(ReadableDateFile(Place(dir.Path() / "user", {}), "point.cur"),
            dir.Path() / "user/date/point.cur");
}

// The cause is told in Chinese, never as the system's English text.
TEST(DateFolder, APerUserCopyThatCannotBeMadeIsReported) {
  TempDir dir;
  dir.Write("share/kestrelway/Train.dll", "I");
  dir.Write("user", "a file where the folder should be");
  const DateSources sources{dir.Path() / "program", dir.Path() / "share" / "kestrelway", dir.Path() / "user"};
  const fs::path copy = CopyRoot(sources.userRoot, sources.installedDir, false) / "date";
  DatePlace place = ChooseDatePlace(sources);
  EXPECT_TRUE(place.root.empty());
  EXPECT_EQ(place.error, "无法建立本用户的数据文件夹 " + copy.string() + "：路径中有一项不是文件夹");
  EXPECT_FALSE(ChooseDatePlace({sources.programDir, sources.installedDir, {}}).error.empty());
  // A run that only reads reads the installed timetable instead.
  for (const fs::path& userRoot : {sources.userRoot, fs::path()}) {
    const DatePlace reading = ChooseDatePlace({sources.programDir, sources.installedDir, userRoot, true});
    EXPECT_EQ(reading.error, "");
    EXPECT_EQ(ReadableDateFile(reading, "Train.dll"), sources.installedDir / "Train.dll");
  }
  fs::remove(sources.userRoot);
  fs::create_directories(sources.userRoot);
  fs::permissions(dir.Path(), fs::perms(0755));
  fs::permissions(sources.userRoot, fs::perms(0555));  // nobody may write in it
  test::RunUnprivileged([&] {
    EXPECT_EQ(ChooseDatePlace(sources).error, "无法建立本用户的数据文件夹 " + copy.string() + "：没有权限");
  });
}

// The first copy fails half-way (the installed file cannot be read): the
// part file goes with it.
TEST(DateFolder, ACopyThatFailsLeavesNoPartFile) {
  TempDir dir;
  const fs::path installed = dir.Write("share/kestrelway/Train.dll", "I");
  fs::permissions(installed, fs::perms::none);
  fs::create_directories(dir.Path() / "user");
  fs::permissions(dir.Path(), fs::perms(0755));
  fs::permissions(dir.Path() / "user", fs::perms(0777));
  test::RunUnprivileged([&] {
    const DatePlace place =
        ChooseDatePlace({dir.Path() / "program", installed.parent_path(), dir.Path() / "user"});
    EXPECT_NE(place.error.find("没有权限"), std::string::npos) << place.error;
  });
  EXPECT_EQ(PartFiles(dir.Path() / "user"), std::vector<fs::path>{});
}

// A partial copy a killed start left in the per-user folder goes at the next
// start; one that a running start holds stays.
TEST(DateFolder, PartialFilesThatNoRunningCopyHoldsAreRemovedAtStart) {
  TempDir dir;
  dir.Write("share/kestrelway/Train.dll", "I");
  const fs::path copy = CopyRoot(dir.Path() / "user", dir.Path() / "share" / "kestrelway", false);
  const fs::path date = copy / "date";
  fs::create_directories(date);
  for (const char* name : {"Train.dll.4242.part", "point.cur.4343.part", "notes.txt"})
    std::ofstream(date / name) << "half";
  const int lock = OpenPartial(date / "point.cur.4343.part");
  ASSERT_GE(lock, 0);
  const DatePlace place =
      ChooseDatePlace({dir.Path() / "program", dir.Path() / "share" / "kestrelway", dir.Path() / "user"});
  close(lock);
  EXPECT_EQ(place.root, copy);
  Files left = Holding(date);
  left.erase("origin.txt");  // the copy's record
  EXPECT_EQ(left, (Files{{"Train.dll", "I"}, {"point.cur.4343.part", "half"}, {"notes.txt", "half"}}));
}

// Installed timetables built from tables, and a per-user folder.
class DateFolderCopyTest : public ::testing::Test {
 protected:
  DateFolderCopyTest() {
    v1_.Build();
    v2_.Build();
    Install(v1_);
  }
  // The first start makes the copy of v1.
  void SetUp() override { ASSERT_EQ(ChooseDatePlace(Sources()).error, ""); }
  void Install(test::TestTimetable& t) {
    fs::copy_file(t.DbPath(), installed_ / "Train.dll", fs::copy_options::overwrite_existing);
  }
  DateSources Sources() const { return {dir_.Path() / "bin", installed_, dir_.Path() / "user"}; }
  fs::path Copy() const { return CopyRoot(dir_.Path() / "user", installed_, false) / "date"; }
  // Applies the update `lines` to the copy.
  UpdateStatus UpdateCopy(const std::string& lines) {
    auto db = Database::Open((Copy() / "Train.dll").string());
    return ApplyUpdateFile(*db, dir_.Write("u.txt", lines)).status;
  }
  std::vector<std::string> Stations() {
    return test::QueryRows(*Database::OpenReadOnly((Copy() / "Train.dll").string()),
                           "SELECT station FROM station");
  }

  TempDir dir_;
  fs::path installed_ = [this] {
    fs::create_directories(dir_.Path() / "share");
    return dir_.Path() / "share";
  }();
  test::TestTimetable v1_{{"station", "1\t北京\tbj\n"}, {"VerID", "v1\n"}};
  test::TestTimetable v2_{{"station", "1\t上海\tsh\n"}, {"VerID", "v2\n"}};
};

// A refused update rolls back: the copy still holds the timetable it was
// made with, whatever its bytes, and takes another installed one.
TEST_F(DateFolderCopyTest, ARefusedUpdateLeavesTheCopyUntouchedAnAppliedOneKeepsIt) {
  for (const bool applied : {false, true}) {
    SCOPED_TRACE(applied ? "applied" : "refused");
    fs::remove_all(dir_.Path() / "user");
    Install(v1_);
    ASSERT_EQ(ChooseDatePlace(Sources()).error, "");
    const std::string update =
        "update;station;1;jm=\"bjx\"\n" + std::string(applied ? "" : "update;nosuch;1;x=1\n");
    EXPECT_EQ(UpdateCopy(update), applied ? UpdateStatus::Applied : UpdateStatus::Failed);
    Install(v2_);
    const DatePlace place = ChooseDatePlace(Sources());
    EXPECT_EQ(place.replaced, !applied);
    ASSERT_EQ(place.different.has_value(), applied);  // read below
    EXPECT_EQ(Stations(), std::vector<std::string>{applied ? "北京" : "上海"});
    if (applied) {
      EXPECT_EQ(place.different->version, "v2");
    }
    // Back to the first (a downgrade): the untouched copy follows; the
    // updated one came from it and has nothing to be told.
    Install(v1_);
    const DatePlace back = ChooseDatePlace(Sources());
    EXPECT_EQ(back.replaced, !applied);
    EXPECT_FALSE(back.different);
    EXPECT_EQ(Stations(), std::vector<std::string>{"北京"});
  }
}

// A package rebuilt from the same tables is the same timetable: the copy
// holding the user's updates is not told to drop them. Another timetable is
// announced once; yet another is news again.
TEST_F(DateFolderCopyTest, ARebuiltPackageIsNoNewsADifferentTimetableIsAnnouncedOnce) {
  ASSERT_EQ(UpdateCopy("update;station;1;jm=\"bjx\"\n"), UpdateStatus::Applied);
  test::TestTimetable rebuilt{{"station", "1\t北京\tbj\n"}, {"VerID", "v1\n"}};
  rebuilt.Build();
  Database::Open(rebuilt.DbPath().string())->Execute("PRAGMA user_version = 7");  // other bytes
  Install(rebuilt);
  const DatePlace same = ChooseDatePlace(Sources());
  EXPECT_FALSE(same.different);
  EXPECT_FALSE(same.replaced);
  Install(v2_);
  const DatePlace first = ChooseDatePlace(Sources());
  ASSERT_TRUE(first.different);
  EXPECT_FALSE(first.different->announced);
  MarkDifferentAnnounced(first);
  const DatePlace second = ChooseDatePlace(Sources());
  ASSERT_TRUE(second.different);
  EXPECT_TRUE(second.different->announced);
  // What the copy came from is kept with the note.
  EXPECT_EQ(ReadCopyOrigin(Copy())->version, "v1");
  dir_.Write("share/Train.dll", "I3");
  EXPECT_FALSE(ChooseDatePlace(Sources()).different->announced);
}

// Another program applies an update while this start holds an untouched copy
// at the rename: the update waits for the copy's writer lock, so it is
// either refused (its file kept) or in the copy, never lost after 更新完毕.
fs::path gUpdateFile;
UpdateStatus gStatus;
void UpdateAtTheRename(const fs::path& database) {
  try {
    auto db = Database::Open(database.string());
    gStatus = ApplyUpdateFile(*db, gUpdateFile).status;
  } catch (const DatabaseError&) {
    gStatus = UpdateStatus::Failed;
  }
}

TEST_F(DateFolderCopyTest, AnUpdateDuringTheReplacementIsNeverLost) {
  Install(v2_);
  gUpdateFile = dir_.Write("u.txt", "insert;station;7;7,\"天津\",\"tj\"\n");
  gStatus = UpdateStatus::Applied;
  SetBeforeReplaceHook(UpdateAtTheRename);
  const DatePlace place = ChooseDatePlace(Sources());
  SetBeforeReplaceHook(nullptr);
  EXPECT_TRUE(place.replaced);
  EXPECT_EQ(gStatus, UpdateStatus::Failed);
  EXPECT_TRUE(fs::exists(gUpdateFile));
  EXPECT_EQ(Stations(), std::vector<std::string>{"上海"});
}

// The window has the untouched copy open: the copy is not replaced under it,
// and nothing is said until a start that finds it free.
TEST_F(DateFolderCopyTest, AnUntouchedCopyOpenInAnotherProgramIsNotReplaced) {
  Install(v2_);
  {
    const auto window = Database::Open((Copy() / "Train.dll").string());
    const DatePlace place = ChooseDatePlace(Sources());
    EXPECT_FALSE(place.replaced);
    EXPECT_FALSE(place.different);
    EXPECT_EQ(Stations(), std::vector<std::string>{"北京"});
  }
  EXPECT_TRUE(ChooseDatePlace(Sources()).replaced);
  EXPECT_EQ(Stations(), std::vector<std::string>{"上海"});
}

// A writer that opened the file before it was replaced holds a lock on the
// old file; it sees that the name has moved on.
TEST_F(DateFolderCopyTest, AWriterLockKnowsWhenItsFileWasReplaced) {
  const std::string path = (installed_ / "Train.dll").string();
  WriterLock lock(path);
  ASSERT_TRUE(lock.Held());
  EXPECT_TRUE(lock.StillAt(path));
  EXPECT_TRUE(WriterLock(path).Busy());
  fs::copy_file(v2_.DbPath(), installed_ / "new.dll");
  fs::rename(installed_ / "new.dll", path);
  EXPECT_FALSE(lock.StillAt(path));
  EXPECT_TRUE(WriterLock(path).Held());  // the new file is free
}

// A per-user folder that cannot be written, or a folder named origin.txt:
// the run goes on with the copy it has, and says once why the other
// timetable is not taken.
TEST_F(DateFolderCopyTest, AFolderThatCannotBeWrittenKeepsTheCopyInUse) {
  Install(v2_);
  fs::permissions(dir_.Path(), fs::perms(0755));
  fs::permissions(Copy(), fs::perms(0555));
  test::RunUnprivileged([&] {
    const DatePlace place = ChooseDatePlace(Sources());
    EXPECT_EQ(place.error, "");
    EXPECT_EQ(place.root, Copy().parent_path());
    EXPECT_FALSE(place.replaced);
    EXPECT_EQ(place.notice.rfind(text::kUserDataCannotTake, 0), 0u) << place.notice;
    EXPECT_NE(place.notice.find("没有权限"), std::string::npos) << place.notice;
  });
  fs::permissions(Copy(), fs::perms(0755));
  EXPECT_EQ(Stations(), std::vector<std::string>{"北京"});

  fs::remove(Copy() / "origin.txt");
  fs::create_directory(Copy() / "origin.txt");
  const DatePlace place = ChooseDatePlace(Sources());
  EXPECT_EQ(place.error, "");
  EXPECT_EQ(place.root, Copy().parent_path());
  ASSERT_TRUE(place.different);  // no record: the copy is not known to be untouched
  EXPECT_THROW(MarkDifferentAnnounced(place), fs::filesystem_error);
  EXPECT_EQ(PartFiles(Copy()), std::vector<fs::path>{});
  EXPECT_EQ(Stations(), std::vector<std::string>{"北京"});
}

// 使用新安装的时刻表 with an installed file that is no timetable, or gone:
// refused, no part file left, the copy open as it was.
TEST_F(DateFolderCopyTest, AnInstalledTimetableThatCannotBeTakenLeavesTheCopyAsItWas) {
  const auto db = Database::Open((Copy() / "Train.dll").string());
  const DatePlace place = Place(Copy().parent_path(), installed_);
  dir_.Write("share/Train.dll", "not a timetable");
  EXPECT_THROW(TakeInstalledTimetable(*db, place), DatabaseError);
  EXPECT_EQ(PartFiles(Copy()), std::vector<fs::path>{});
  fs::remove(installed_ / "Train.dll");
  EXPECT_THROW(TakeInstalledTimetable(*db, place), fs::filesystem_error);
  EXPECT_EQ(PartFiles(Copy()), std::vector<fs::path>{});
  EXPECT_EQ(test::QueryRows(*db, "SELECT station FROM station"), std::vector<std::string>{"北京"});
}

// origin.txt is read only as a small regular file.
TEST(DateFolder, TheOriginRecordIsReadOnlyFromASmallRegularFile) {
  TempDir dir;
  dir.Write("a/origin.txt", "VerID=v\nidentity=abc\n");
  EXPECT_EQ(ReadCopyOrigin(dir.Path() / "a").value_or(CopyOrigin{}).identity, "abc");
  dir.Write("b/origin.txt", "identity=abc\n" + std::string(kOriginMaxBytes, '#'));
  EXPECT_FALSE(ReadCopyOrigin(dir.Path() / "b"));
  fs::create_directories(dir.Path() / "c");
  fs::create_symlink("/dev/zero", dir.Path() / "c" / "origin.txt");
  EXPECT_FALSE(ReadCopyOrigin(dir.Path() / "c"));
  fs::create_directories(dir.Path() / "d" / "origin.txt");
  EXPECT_FALSE(ReadCopyOrigin(dir.Path() / "d"));
  // An earlier version's record names the installed file by its checksum.
  dir.Write("e/origin.txt", "VerID=v\nchecksum=0123\n");
  EXPECT_EQ(ReadCopyOrigin(dir.Path() / "e").value_or(CopyOrigin{}).identity, "fnv:0123");
}

// The tool's per-user folder is where Qt puts the program's (the same rule).
TEST(DateFolder, UserDataRootFollowsTheXdgDataHome) {
  const std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
  const char* savedXdg = std::getenv("XDG_DATA_HOME");
  const std::string xdg = savedXdg ? savedXdg : "";
  setenv("HOME", "/home/u", 1);
  setenv("XDG_DATA_HOME", "/data/u", 1);
  EXPECT_EQ(UserDataRoot(), fs::path("/data/u/Kestrelway"));
  setenv("XDG_DATA_HOME", "relative", 1);  // ignored, as Qt ignores it
  EXPECT_EQ(UserDataRoot(), fs::path("/home/u/.local/share/Kestrelway"));
  unsetenv("XDG_DATA_HOME");
  unsetenv("HOME");
  EXPECT_EQ(UserDataRoot(), fs::path());
  setenv("HOME", saved.c_str(), 1);
  if (savedXdg) setenv("XDG_DATA_HOME", xdg.c_str(), 1);
}

}  // namespace
}  // namespace kw
