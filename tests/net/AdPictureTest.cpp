#include "net/AdPicture.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <map>
#include <thread>

#include "support/FtpTestServer.h"
#include "support/TestTimetable.h"

namespace kw {

void PrintTo(SwapOutcome outcome, std::ostream* out) {
  constexpr const char* kNames[] = {"NothingWaiting", "Swapped", "Failed"};
  *out << kNames[static_cast<int>(outcome)];
}

void PrintTo(AdRefreshOutcome outcome, std::ostream* out) {
  constexpr const char* kNames[] = {"SameSize", "Downloaded", "SizeRequestFailed", "DownloadFailed",
                                    "Cancelled"};
  *out << kNames[static_cast<int>(outcome)];
}

namespace {

namespace fs = std::filesystem;
using test::FtpTestServer;
using test::ReadFile;
using test::TempDir;

// `n` bytes that differ from those of another `seed`.
std::string Picture(size_t n, unsigned seed) {
  std::string bytes(n, '\0');
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 31 + seed * 7 + i / 251) & 0xff);
  return bytes;
}

// A short stand-in for a file's content: its size and a hash.
std::string Digest(const std::string& content) {
  return std::to_string(content.size()) + " bytes #" + std::to_string(std::hash<std::string>{}(content));
}

using Files = std::map<std::string, std::string>;

// Every entry of a folder: the digest of each file, "<folder>" for folders.
Files Snapshot(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] =
        entry.is_regular_file() ? Digest(ReadFile(entry.path())) : "<folder>";
  }
  return files;
}

// ---------------------------------------------------------------- swap at start

TEST(SwapWaitingPicture, WithNothingWaitingLeavesThePictureAlone) {
  TempDir app;
  app.Write("date/showmain.gif", "old");
  const SwapResult result = SwapWaitingPicture(app.Path());
  EXPECT_EQ(result.outcome, SwapOutcome::NothingWaiting);
  EXPECT_EQ(Snapshot(app.Path() / "date"), (Files{{"showmain.gif", Digest("old")}}));
}

TEST(SwapWaitingPicture, PutsTheWaitingPictureInPlaceAndRemovesIt) {
  TempDir app;
  app.Write("date/showmain.gif", "old");
  app.Write("date/showmian.gif", Picture(3000, 1));
  const SwapResult result = SwapWaitingPicture(app.Path());
  EXPECT_EQ(result.outcome, SwapOutcome::Swapped);
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(Snapshot(app.Path() / "date"), (Files{{"showmain.gif", Digest(Picture(3000, 1))}}));
  // The next start finds nothing waiting.
  EXPECT_EQ(SwapWaitingPicture(app.Path()).outcome, SwapOutcome::NothingWaiting);
}

TEST(SwapWaitingPicture, CreatesAMissingPicture) {
  TempDir app;
  app.Write("date/showmian.gif", "new");
  EXPECT_EQ(SwapWaitingPicture(app.Path()).outcome, SwapOutcome::Swapped);
  EXPECT_EQ(Snapshot(app.Path() / "date"), (Files{{"showmain.gif", Digest("new")}}));
}

TEST(SwapWaitingPicture, MatchesFolderAndFileNamesWithoutRegardToCase) {
  TempDir app;
  app.Write("Date/ShowMain.GIF", "old");
  app.Write("Date/ShowMian.gif", "new");
  EXPECT_EQ(SwapWaitingPicture(app.Path()).outcome, SwapOutcome::Swapped);
  EXPECT_EQ(Snapshot(app.Path() / "Date"), (Files{{"ShowMain.GIF", Digest("new")}}));
}

TEST(SwapWaitingPicture, FailureLeavesThePictureInUseIntact) {
  TempDir app;
  app.Write("date/showmain.gif", "old");
  fs::create_directories(app.Path() / "date" / "showmian.gif");  // cannot be copied
  const SwapResult result = SwapWaitingPicture(app.Path());
  EXPECT_EQ(result.outcome, SwapOutcome::Failed);
  EXPECT_NE(result.error, "");
  EXPECT_EQ(Snapshot(app.Path() / "date"),
            (Files{{"showmain.gif", Digest("old")}, {"showmian.gif", "<folder>"}}));
}

TEST(LocalFileSize, IsTheSizeOfARegularFileAndMinusOneOtherwise) {
  TempDir dir;
  EXPECT_EQ(LocalFileSize(dir.Write("a.gif", Picture(1234, 2))), 1234);
  EXPECT_EQ(LocalFileSize(dir.Write("empty.gif", "")), 0);
  EXPECT_EQ(LocalFileSize(dir.Path() / "missing.gif"), -1);
  EXPECT_EQ(LocalFileSize(dir.Path()), -1);
}

// ---------------------------------------------------------------- refresh

// A server that accepts connections and never says a word.
class SilentServer {
 public:
  SilentServer() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(fd_, 4);
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~SilentServer() { ::close(fd_); }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  int fd_ = -1;
  int port_ = 0;
};

class AdRefresh : public ::testing::Test {
 protected:
  static constexpr size_t kServerSize = 5000;

  AdRefresh() {
    home_.Write("train/showmain.gif", Picture(kServerSize, 9));
    fs::create_directories(DateDir());
  }

  fs::path DateDir() const { return app_.Path() / "date"; }

  AdRefreshResult Refresh(const std::string& server) {
    return RefreshAdPicture(server, app_.Path(), cancel_, limits_);
  }

  // Short waits: the server is on this machine.
  AdRefreshLimits limits_{std::chrono::milliseconds(5000), std::chrono::seconds(3), 1000,
                          std::chrono::seconds(2)};
  std::atomic<bool> cancel_{false};
  TempDir home_;
  TempDir app_;
};

TEST_F(AdRefresh, EqualSizesDownloadNothingEvenWhenTheContentDiffers) {
  FtpTestServer server(home_.Path());
  app_.Write("date/showmain.gif", Picture(kServerSize, 1));
  const auto before = Snapshot(DateDir());

  const AdRefreshResult result = Refresh(server.Address());
  EXPECT_EQ(result.outcome, AdRefreshOutcome::SameSize) << result.error;
  EXPECT_EQ(result.replyText, "5000");
  EXPECT_EQ(result.remoteSize, 5000);
  EXPECT_EQ(result.localSize, 5000);
  EXPECT_EQ(Snapshot(DateDir()), before);
}

TEST_F(AdRefresh, DifferentSizeDownloadsThePictureAndTheNextStartSwapsItIn) {
  FtpTestServer server(home_.Path());
  app_.Write("date/showmain.gif", Picture(1200, 1));

  const AdRefreshResult result = Refresh(server.Address());
  ASSERT_EQ(result.outcome, AdRefreshOutcome::Downloaded) << result.error;
  EXPECT_EQ(result.replyText, "5000");
  EXPECT_EQ(result.localSize, 1200);
  EXPECT_EQ(result.error, "");
  // The picture in use is untouched until the next start.
  EXPECT_EQ(Snapshot(DateDir()), (Files{{"showmain.gif", Digest(Picture(1200, 1))},
                                        {"showmian.gif", Digest(Picture(kServerSize, 9))}}));

  ASSERT_EQ(SwapWaitingPicture(app_.Path()).outcome, SwapOutcome::Swapped);
  EXPECT_EQ(Snapshot(DateDir()), (Files{{"showmain.gif", Digest(Picture(kServerSize, 9))}}));
  // Now the sizes agree.
  EXPECT_EQ(Refresh(server.Address()).outcome, AdRefreshOutcome::SameSize);
}

TEST_F(AdRefresh, MissingLocalPictureCountsAsMinusOneAndIsDownloaded) {
  FtpTestServer server(home_.Path());
  const AdRefreshResult result = Refresh(server.Address());
  ASSERT_EQ(result.outcome, AdRefreshOutcome::Downloaded) << result.error;
  EXPECT_EQ(result.localSize, -1);
  EXPECT_EQ(Snapshot(DateDir()), (Files{{"showmian.gif", Digest(Picture(kServerSize, 9))}}));
}

TEST_F(AdRefresh, AServerWithoutSizeCountsAsDifferent) {
  FtpTestServer server(home_.Path(), {"--size-reply", "500 Command not understood."});
  app_.Write("date/showmain.gif", Picture(kServerSize, 1));
  const AdRefreshResult result = Refresh(server.Address());
  EXPECT_EQ(result.outcome, AdRefreshOutcome::Downloaded) << result.error;
  EXPECT_EQ(result.replyText, "500 Command not understood.");
  EXPECT_EQ(result.remoteSize, -1);
  EXPECT_EQ(Digest(ReadFile(DateDir() / "showmian.gif")), Digest(Picture(kServerSize, 9)));
}

// Failures: the folder stays exactly as it was, and the refresh ends.
class AdRefreshFailure : public AdRefresh {
 protected:
  AdRefreshFailure() { app_.Write("date/showmain.gif", Picture(1200, 1)); }
  void ExpectNothingChanged(const AdRefreshResult& result, AdRefreshOutcome outcome) {
    EXPECT_EQ(result.outcome, outcome) << result.error;
    EXPECT_NE(result.error, "");
    EXPECT_EQ(Snapshot(DateDir()), (Files{{"showmain.gif", Digest(Picture(1200, 1))}}));
  }
};

TEST_F(AdRefreshFailure, WrongPassword) {
  FtpTestServer server(home_.Path(), {"--password", "another"});
  const AdRefreshResult result = Refresh(server.Address());
  ExpectNothingChanged(result, AdRefreshOutcome::SizeRequestFailed);
  EXPECT_EQ(result.replyText, "");
}

TEST_F(AdRefreshFailure, ErrorReplyToSize) {
  FtpTestServer server(home_.Path(), {"--size-reply", "550 Not allowed."});
  const AdRefreshResult result = Refresh(server.Address());
  ExpectNothingChanged(result, AdRefreshOutcome::SizeRequestFailed);
  EXPECT_EQ(result.replyText, "550 Not allowed.");
}

TEST_F(AdRefreshFailure, ServerDown) {
  ExpectNothingChanged(Refresh("127.0.0.1:" + std::to_string(test::ClosedPort())),
                       AdRefreshOutcome::SizeRequestFailed);
}

TEST_F(AdRefreshFailure, ServerThatNeverAnswers) {
  SilentServer server;
  ExpectNothingChanged(Refresh(server.Address()), AdRefreshOutcome::SizeRequestFailed);
}

TEST_F(AdRefreshFailure, NoPictureOnTheServer) {
  fs::remove(home_.Path() / "train" / "showmain.gif");
  FtpTestServer server(home_.Path());
  const AdRefreshResult result = Refresh(server.Address());
  EXPECT_NE(result.outcome, AdRefreshOutcome::Downloaded);
  EXPECT_NE(result.outcome, AdRefreshOutcome::SameSize);
  EXPECT_EQ(Snapshot(DateDir()), (Files{{"showmain.gif", Digest(Picture(1200, 1))}}));
}

TEST_F(AdRefreshFailure, TransferCutOffHalfWay) {
  FtpTestServer server(home_.Path(), {"--cut", "2500"});
  ExpectNothingChanged(Refresh(server.Address()), AdRefreshOutcome::DownloadFailed);
}

TEST_F(AdRefreshFailure, TransferThatStalls) {
  FtpTestServer server(home_.Path(), {"--stall", "2500"});
  ExpectNothingChanged(Refresh(server.Address()), AdRefreshOutcome::DownloadFailed);
}

TEST_F(AdRefreshFailure, ServerSendsMoreThanItReported) {
  FtpTestServer server(home_.Path(), {"--size-reply", "213 3000"});
  ExpectNothingChanged(Refresh(server.Address()), AdRefreshOutcome::DownloadFailed);
}

TEST_F(AdRefreshFailure, NotAServerName) {
  ExpectNothingChanged(Refresh("127.0.0.1/elsewhere"), AdRefreshOutcome::SizeRequestFailed);
  ExpectNothingChanged(Refresh(""), AdRefreshOutcome::SizeRequestFailed);
  ExpectNothingChanged(Refresh("user:pw@127.0.0.1"), AdRefreshOutcome::SizeRequestFailed);
}

TEST_F(AdRefreshFailure, CancelledDuringTheTransferLeavesNoPartialFile) {
  home_.Write("train/showmain.gif", Picture(400000, 9));
  FtpTestServer server(home_.Path(), {"--rate", "20000"});
  AdRefreshResult result;
  std::thread refresh([&] { result = Refresh(server.Address()); });

  // Wait until the download has begun writing its file.
  bool writing = false;
  for (int i = 0; i < 3000 && !writing; ++i) {
    for (const auto& entry : fs::directory_iterator(DateDir())) {
      std::error_code ec;
      const auto size = fs::file_size(entry.path(), ec);
      writing = writing || (entry.path().filename() != "showmain.gif" && !ec && size > 0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  cancel_ = true;
  refresh.join();
  EXPECT_TRUE(writing);
  ExpectNothingChanged(result, AdRefreshOutcome::Cancelled);
}

}  // namespace
}  // namespace kw
