#include "store/DateFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "support/TestTimetable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;

TEST(DateFolder, FindsFilesWithoutRegardToCase) {
  TempDir dir;
  dir.Write("Date/greenboll.jpg", "x");
  EXPECT_EQ(DateFile(dir.Path(), "greenBoll.jpg"), dir.Path() / "Date" / "greenboll.jpg");
  EXPECT_EQ(DateFile(dir.Path(), "missing.jpg"), dir.Path() / "Date" / "missing.jpg");
  TempDir empty;
  EXPECT_EQ(DatabasePath(empty.Path()), empty.Path() / "date" / "Train.dll");
}

bool ReadOnly(const fs::path&) { return false; }

// A copy's record of an installed timetable with this checksum.
CopyOrigin Origin(const std::string& checksum) {
  CopyOrigin origin;
  origin.version = "old";
  origin.checksum = checksum;
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
// database is copied, and the copy records the checksum of the installed
// database it came from; a newer installed one replaces a copy still as it
// was made and is named beside a copy that holds the user's updates.
TEST(DateFolder, TheProgramsOwnFolderWhenWritableElseAPerUserCopyOfTheDatabase) {
  enum Place { Program, User, Portable };
  // FNV-1a checksums of the one-line databases below.
  const std::string I = "af64044c86023084", I1 = "09240307b5b8c38f", I2 = "09240407b5b8c542";
  const struct {
    const char *what, *program, *installed, *user, *origin;  // origin: the copy's recorded checksum
    bool programWritable;
    Place place;
    const char *dbAfter, *originAfter;  // the copy's database and record; empty: no copy made
    bool replaced, newer;
  } cases[] = {
      {"a build or portable folder", "P", "I", "", "", true, Program, "", "", false, false},
      {"installed: the first run copies the database", "", "I", "", "", true, User, "I", I.c_str(), false,
       false},
      {"a read-only portable folder keeps a copy of its own", "P", "I", "", "", false, Portable, "P",
       "af640d4c86023fcf", false, false},
      {"an untouched copy takes the newer installed timetable", "", "I2", "I1", I1.c_str(), true, User, "I2",
       I2.c_str(), true, false},
      {"an updated copy stays, the newer one is named", "", "I2", "U", I1.c_str(), true, User, "U",
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
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const DateSources sources{dir.Path() / "program", dir.Path() / "share" / "kestrelway",
                              dir.Path() / "user"};
    const fs::path userRoot = c.place == Portable ? sources.userRoot / "portable" : sources.userRoot;
    if (*c.program) dir.Write("program/date/Train.dll", c.program);
    if (*c.installed) {
      dir.Write("share/kestrelway/Train.dll", c.installed);
      dir.Write("share/kestrelway/point.cur", "c");
    }
    if (*c.user) dir.Write("user/date/train.DLL", c.user);
    if (*c.origin) WriteCopyOrigin(sources.userRoot / "date", Origin(c.origin));

    const DatePlace place = ChooseDatePlace(sources, c.programWritable ? IsWritableFolder : ReadOnly);
    EXPECT_EQ(place.error, "");
    EXPECT_EQ(place.root, c.place == Program ? sources.programDir : userRoot);
    EXPECT_EQ(place.replaced, c.replaced);
    EXPECT_EQ(place.newer.has_value(), c.newer);
    if (c.newer) {
      EXPECT_EQ(place.newer->checksum, I2);
    }
    if (!*c.dbAfter) {
      EXPECT_FALSE(fs::exists(userRoot / "date"));
      continue;
    }
    // The database and its record, no other file (no picture, no part file).
    Files expected = {{*c.user ? "train.DLL" : "Train.dll", c.dbAfter}};
    if (*c.originAfter) expected["origin.txt"] = ReadFile(userRoot / "date" / "origin.txt");
    EXPECT_EQ(Holding(userRoot / "date"), expected);
    EXPECT_EQ(ReadCopyOrigin(userRoot / "date").value_or(CopyOrigin{}).checksum, c.originAfter);
  }
}

TEST(DateFolder, TheNewerTimetableIsAnnouncedOnce) {
  TempDir dir;
  const DateSources sources{dir.Path() / "program", dir.Path() / "share", dir.Path() / "user"};
  dir.Write("share/Train.dll", "I2");
  dir.Write("user/date/Train.dll", "U");
  WriteCopyOrigin(sources.userRoot / "date", Origin("09240307b5b8c38f"));
  const DatePlace first = ChooseDatePlace(sources);
  ASSERT_TRUE(first.newer);
  EXPECT_FALSE(first.newer->announced);
  MarkNewerAnnounced(first);
  const DatePlace second = ChooseDatePlace(sources);
  ASSERT_TRUE(second.newer);
  EXPECT_TRUE(second.newer->announced);
  // What the copy came from is kept with the note.
  EXPECT_EQ(ReadCopyOrigin(sources.userRoot / "date")->version, "old");
  // Yet another installed timetable is news again.
  dir.Write("share/Train.dll", "I3");
  EXPECT_FALSE(ChooseDatePlace(sources).newer->announced);
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
  DatePlace place = ChooseDatePlace(sources);
  EXPECT_TRUE(place.root.empty());
  EXPECT_EQ(place.error, "无法建立本用户的数据文件夹 " + (dir.Path() / "user" / "date").string() +
                             "：路径中有一项不是文件夹");
  EXPECT_FALSE(ChooseDatePlace({sources.programDir, sources.installedDir, {}}).error.empty());
  fs::remove(sources.userRoot);
  fs::create_directories(sources.userRoot);
  fs::permissions(dir.Path(), fs::perms(0755));
  fs::permissions(sources.userRoot, fs::perms(0555));  // nobody may write in it
  test::RunUnprivileged([&] {
    EXPECT_EQ(ChooseDatePlace(sources).error,
              "无法建立本用户的数据文件夹 " + (sources.userRoot / "date").string() + "：没有权限");
  });
}

// A partial copy a killed start left in the per-user folder goes at the next
// start; one that a running start holds stays.
TEST(DateFolder, PartialFilesThatNoRunningCopyHoldsAreRemovedAtStart) {
  TempDir dir;
  dir.Write("share/kestrelway/Train.dll", "I");
  const fs::path stale = dir.Write("user/date/Train.dll.4242.part", "half");
  const fs::path held = dir.Write("user/date/point.cur.4343.part", "half");
  const fs::path other = dir.Write("user/date/notes.txt", "kept");
  const int lock = OpenPartial(held);
  ASSERT_GE(lock, 0);
  const DatePlace place =
      ChooseDatePlace({dir.Path() / "program", dir.Path() / "share" / "kestrelway", dir.Path() / "user"});
  close(lock);
  EXPECT_EQ(place.root, dir.Path() / "user");
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(held));
  EXPECT_TRUE(fs::exists(other));
  EXPECT_EQ(ReadFile(dir.Path() / "user" / "date" / "Train.dll"), "I");
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
