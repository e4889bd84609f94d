#include "store/DateFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <sstream>

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

// Files and their contents, written "name=content name=content".
using Files = std::map<std::string, std::string>;
Files Listed(const std::string& list) {
  Files files;
  std::istringstream in(list);
  for (std::string item; in >> item;) files[item.substr(0, item.find('='))] = item.substr(item.find('=') + 1);
  return files;
}
Files Holding(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = ReadFile(entry);
  return files;
}

// A program folder, installed program data and a per-user folder, each
// holding a date folder with the files the case gives.
TEST(DateFolder, TheProgramsOwnFolderWhenWritableElseThePerUserCopy) {
  enum Place { Program, User };
  const struct {
    const char *what, *program, *installed, *user;
    bool programWritable;
    Place place;
    const char* userAfter;  // the per-user date folder after the choice; empty: not made
  } cases[] = {
      {"a build or portable folder", "Train.dll=P", "Train.dll=I", "", true, Program, ""},
      {"installed: first run seeds the copy", "", "Train.dll=I point.cur=c", "", true, User,
       "Train.dll=I point.cur=c"},
      {"a read-only program folder without installed data seeds from itself", "Train.dll=P", "", "", false,
       User, "Train.dll=P"},
      {"the user's copy is kept, a file it lacks is added", "", "Train.dll=I2020 point.cur=c showmain.gif=i",
       "train.DLL=U2019 showmain.gif=u", true, User, "train.DLL=U2019 showmain.gif=u point.cur=c"},
      {"a copy without anything to seed from", "", "", "Train.dll=U", true, User, "Train.dll=U"},
      {"nothing anywhere: the program folder, to report what is missing", "", "", "", true, Program, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const DateSources sources{dir.Path() / "program", dir.Path() / "share" / "kestrelway",
                              dir.Path() / "user"};
    for (const auto& [folder, files] :
         {std::pair{"program/date", c.program}, {"share/kestrelway", c.installed}, {"user/date", c.user}})
      for (const auto& [name, content] : Listed(files)) dir.Write(std::string(folder) + "/" + name, content);

    const DatePlace place = ChooseDatePlace(sources, c.programWritable ? IsWritableFolder : ReadOnly);
    EXPECT_EQ(place.error, "");
    EXPECT_EQ(place.root, c.place == Program ? sources.programDir : sources.userRoot);
    // No other file, and no part file left.
    if (*c.userAfter) {
      EXPECT_EQ(Holding(sources.userRoot / "date"), Listed(c.userAfter));
    } else {
      EXPECT_FALSE(fs::exists(sources.userRoot / "date"));
    }
  }
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
