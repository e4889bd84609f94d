#include "net/AdPicture.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <map>
#include <thread>

#include "support/FtpTestServer.h"
#include "support/TestTimetable.h"

namespace kw {

// Outcomes by number in failure messages, in the order of their enumerators.
void PrintTo(SwapOutcome o, std::ostream* out) { *out << "SwapOutcome " << static_cast<int>(o); }
void PrintTo(AdRefreshOutcome o, std::ostream* out) { *out << "AdRefreshOutcome " << static_cast<int>(o); }

namespace {

namespace fs = std::filesystem;
using test::FtpTestServer;
using test::TempDir;
using Files = std::map<std::string, std::string>;
constexpr const char* kFolder = "<folder>";

// Stands in for decoding: the windows' check reads the picture; here a
// "picture" is any file that does not begin as a web page does.
bool IsPicture(const fs::path& path) { return !test::ReadFile(path).starts_with("<"); }

// Every entry of a folder with its content; kFolder for a folder.
Files Snapshot(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] =
        entry.is_regular_file() ? test::ReadFile(entry.path()) : kFolder;
  return files;
}

TEST(SwapWaitingPicture, PutsTheWaitingPictureInPlaceOrLeavesThePictureInUse) {
  using enum SwapOutcome;
  const Files unreadable = {{"showmain.gif", "old"}, {"showmian.gif", kFolder}};  // cannot be copied
  const Files old = {{"showmain.gif", "old"}};  // the picture in use, as it was
  const std::string fiveMb(5 << 20, 'n');
  const struct {
    Files before;
    SwapOutcome outcome;
    Files after;
    std::string folder = "date";
  } cases[] = {
      {old, NothingWaiting, old},
      {{{"showmain.gif", "old"}, {"showmian.gif", "new"}}, Swapped, {{"showmain.gif", "new"}}},
      {{{"showmian.gif", "new"}}, Swapped, {{"showmain.gif", "new"}}},
      // Folder and file names match without regard to case.
      {{{"ShowMain.GIF", "old"}, {"ShowMian.gif", "new"}}, Swapped, {{"ShowMain.GIF", "new"}}, "Date"},
      {unreadable, Failed, unreadable},
      // Downloads a killed program left half done go first.
      {{{"showmain.gif", "old"}, {"showmian.gif.a1B2c3.part", "half"}, {"ShowMian.GIF.x.PART", "half"}},
       NothingWaiting,
       old},
      {{{"showmian.gif.a1B2c3.part", "half"}, {"showmian.gif", "new"}, {"showmian.gif.txt", "kept"}},
       Swapped,
       {{"showmain.gif", "new"}, {"showmian.gif.txt", "kept"}}},
      // So do a swap's and a first copy's.
      {{{"showmain.gif", "old"}, {"showmain.gif.part", "half"}, {"Train.dll.4242.part", "half"}},
       NothingWaiting,
       old},
      // An empty picture, one beyond 5 MB, or no picture is never put in place.
      {{{"showmain.gif", "old"}, {"showmian.gif", ""}}, Failed, old},
      {{{"showmain.gif", "old"}, {"showmian.gif", fiveMb}}, Swapped, {{"showmain.gif", fiveMb}}},
      {{{"showmain.gif", "old"}, {"showmian.gif", fiveMb + 'n'}}, Failed, old},
      {{{"showmain.gif", "old"}, {"showmian.gif", "<html>"}}, Failed, old},
  };
  for (const auto& c : cases) {
    const TempDir app;
    const fs::path date = app.Path() / c.folder;
    for (const auto& [name, content] : c.before) {
      if (content == kFolder)
        fs::create_directories(date / name);
      else
        app.Write(c.folder + "/" + name, content);
    }
    const SwapResult result = SwapWaitingPicture(app.Path(), IsPicture);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.error.empty(), c.outcome != SwapOutcome::Failed) << result.error;
    EXPECT_EQ(Snapshot(date), c.after);
  }
  // A download still running in another copy of the program keeps its file.
  const TempDir app;
  const fs::path running = app.Write("date/showmian.gif.r4nd0m.part", "half");
  const int fd = ::open(running.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  SwapWaitingPicture(app.Path(), IsPicture);
  ::close(fd);
  EXPECT_TRUE(fs::exists(running));
}

TEST(LocalFileSize, IsTheSizeOfARegularFileAndMinusOneOtherwise) {
  const TempDir dir;
  EXPECT_EQ(LocalFileSize(dir.Write("empty.gif", "")), 0);
  EXPECT_EQ(LocalFileSize(dir.Path()), -1);
}

class AdRefresh : public ::testing::Test {
 protected:
  AdRefresh() {
    home_.Write("train/showmain.gif", kServerPicture);
    fs::create_directories(app_.Path() / "date");
  }
  AdRefreshResult Refresh(const std::string& server) {
    return RefreshAdPicture(server, app_.Path(), cancel_, IsPicture, limits_);
  }
  Files Date() const { return Snapshot(app_.Path() / "date"); }
  // A refresh that ended with `outcome`, its error naming `cause`, and the
  // picture in use as it was.
  void ExpectUnchanged(const AdRefreshResult& result, AdRefreshOutcome outcome, const char* cause) {
    EXPECT_EQ(result.outcome, outcome);
    EXPECT_NE(result.error.find(cause), std::string::npos) << result.error;
    EXPECT_EQ(Date(), (Files{{"showmain.gif", kLocalPicture}}));
  }

  const std::string kServerPicture = std::string(5000, 's');
  const std::string kLocalPicture = std::string(1200, 'l');
  // Short waits: the server is on this machine.
  AdRefreshLimits limits_{std::chrono::milliseconds(5000), std::chrono::seconds(3), 1000,
                          std::chrono::seconds(2)};
  std::atomic<bool> cancel_{false};
  TempDir home_;
  TempDir app_;
};

TEST_F(AdRefresh, AMissingOrDifferentPictureIsDownloadedAndTheNextStartSwapsItIn) {
  FtpTestServer server(home_.Path());
  AdRefreshResult result = Refresh(server.Address());  // no picture yet
  EXPECT_EQ(result.outcome, AdRefreshOutcome::Downloaded) << result.error;
  EXPECT_EQ(result.localSize, -1);
  EXPECT_EQ(Date(), (Files{{"showmian.gif", kServerPicture}}));

  fs::remove(app_.Path() / "date" / "showmian.gif");
  app_.Write("date/showmain.gif", kLocalPicture);
  result = Refresh(server.Address());
  ASSERT_EQ(result.outcome, AdRefreshOutcome::Downloaded) << result.error;
  EXPECT_EQ(result.replyText, "5000");
  EXPECT_EQ(result.remoteSize, 5000);
  EXPECT_EQ(result.localSize, 1200);
  EXPECT_EQ(result.error, "");
  // The picture in use is untouched until the next start.
  EXPECT_EQ(Date(), (Files{{"showmain.gif", kLocalPicture}, {"showmian.gif", kServerPicture}}));
  ASSERT_EQ(SwapWaitingPicture(app_.Path(), IsPicture).outcome, SwapOutcome::Swapped);
  EXPECT_EQ(Date(), (Files{{"showmain.gif", kServerPicture}}));

  // Equal sizes download nothing, even when the content differs.
  app_.Write("date/showmain.gif", std::string(5000, 'l'));
  result = Refresh(server.Address());
  EXPECT_EQ(result.outcome, AdRefreshOutcome::SameSize) << result.error;
  EXPECT_EQ(result.localSize, 5000);
  EXPECT_EQ(Date(), (Files{{"showmain.gif", std::string(5000, 'l')}}));
}

TEST_F(AdRefresh, AFailureChangesNothingAndEnds) {
  app_.Write("date/showmain.gif", kLocalPicture);
  const struct {
    std::vector<std::string> options;
    AdRefreshOutcome outcome;
    const char* cause;
    std::string picture = std::string(5000, 's');  // on the server
  } servers[] = {
      {{"--password", "another"}, AdRefreshOutcome::SizeRequestFailed, "530"},
      {{"--size-reply", "550 Not allowed."}, AdRefreshOutcome::SizeRequestFailed, "not found"},
      // Without a size a cut-short download could not be told from the picture.
      {{"--size-reply", "500 Command not understood.", "--cut", "2500"},
       AdRefreshOutcome::SizeRequestFailed,
       "no picture's size"},
      {{"--size-reply", "213 "}, AdRefreshOutcome::SizeRequestFailed, "no picture's size"},
      {{"--size-reply", "213 0"}, AdRefreshOutcome::SizeRequestFailed, "no picture's size: 213 0"},
      {{"--silent"}, AdRefreshOutcome::SizeRequestFailed, "server response timeout"},
      {{"--cut", "2500"}, AdRefreshOutcome::DownloadFailed, "received 2500 of 5000 bytes"},
      {{"--stall", "2500"}, AdRefreshOutcome::DownloadFailed, "too slow"},
      {{"--size-reply", "213 3000"}, AdRefreshOutcome::DownloadFailed, "sent more than the 3000 bytes"},
      // A picture is at most 5 MB and must be one: a larger size is not even
      // downloaded, a transfer beyond it is stopped, a web page is thrown away.
      {{}, AdRefreshOutcome::Refused, "larger than 5242880 bytes: 5242881", std::string((5 << 20) + 1, 's')},
      {{"--size-reply", "213 5242880"},
       AdRefreshOutcome::DownloadFailed,
       "sent more than the 5242880 bytes",
       std::string((5 << 20) + 1, 's')},
      {{}, AdRefreshOutcome::Refused, "no picture", "<html><body>Please log in</body></html>"},
  };
  for (const auto& c : servers) {
    SCOPED_TRACE(c.cause);
    home_.Write("train/showmain.gif", c.picture);
    FtpTestServer server(home_.Path(), c.options);
    ExpectUnchanged(Refresh(server.Address()), c.outcome, c.cause);
  }
  // No server there, or a setting that is no server name.
  const std::string gone = FtpTestServer(home_.Path()).Address();  // a server that has ended
  ExpectUnchanged(Refresh(gone), AdRefreshOutcome::SizeRequestFailed, "connect");
  for (const char* address : {"127.0.0.1/elsewhere", "", "user:pw@127.0.0.1"})
    ExpectUnchanged(Refresh(address), AdRefreshOutcome::SizeRequestFailed, "not a server name");
}

TEST_F(AdRefresh, APictureOfExactlyFiveMegabytesIsKept) {
  // Exactly 5 MB is a picture's size.
  home_.Write("train/showmain.gif", std::string(5 << 20, 's'));
  FtpTestServer server(home_.Path());
  const AdRefreshResult result = Refresh(server.Address());
  EXPECT_EQ(result.outcome, AdRefreshOutcome::Downloaded) << result.error;
  EXPECT_EQ(test::ReadFile(app_.Path() / "date" / "showmian.gif").size(), 5u << 20);
}

TEST_F(AdRefresh, ATricklingServerIsGivenUpAtTheTimeLimit) {
  app_.Write("date/showmain.gif", kLocalPicture);
  home_.Write("train/showmain.gif", std::string(40000, 's'));  // 20 seconds at this rate
  FtpTestServer server(home_.Path(), {"--rate", "2000"});
  limits_.lowSpeedBytes = 1;
  limits_.lowSpeedTime = std::chrono::seconds(60);
  limits_.totalTime = std::chrono::seconds(3);
  ExpectUnchanged(Refresh(server.Address()), AdRefreshOutcome::DownloadFailed, "Timeout");
}

TEST_F(AdRefresh, CancelledDuringTheTransferLeavesNoPartialFile) {
  app_.Write("date/showmain.gif", kLocalPicture);
  home_.Write("train/showmain.gif", std::string(400000, 's'));
  FtpTestServer server(home_.Path(), {"--rate", "20000"});
  AdRefreshResult result;
  std::thread refresh([&] { result = Refresh(server.Address()); });
  // Cancel once the download has begun writing its file.
  bool writing = false;
  for (int i = 0; i < 3000 && !writing; ++i) {
    for (const auto& [name, content] : Date())
      writing = writing || (name != "showmain.gif" && !content.empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  cancel_ = true;
  refresh.join();
  EXPECT_TRUE(writing);
  EXPECT_EQ(result.outcome, AdRefreshOutcome::Cancelled);
  EXPECT_EQ(Date(), (Files{{"showmain.gif", kLocalPicture}}));
}

}  // namespace
}  // namespace kw
