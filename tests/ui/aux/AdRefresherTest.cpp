#include "ui/aux/AdRefresher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QSettings>
#include <chrono>
#include <future>
#include <memory>

#include "support/FtpTestServer.h"
#include "support/TestTimetable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Runs the event loop until `done` holds; false when it never does.
template <typename Pred>
bool WaitUntil(Pred done, std::chrono::seconds limit = 30s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(2ms);
  }
  return true;
}

void SetAdServer(const QString& value) {
  QSettings(QStringLiteral("Kestrelway"), QStringLiteral("Kestrelway")).setValue("Network/AdServer", value);
}

class AdRefresherTest : public ::testing::Test {
 protected:
  AdRefresherTest() {
    QSettings(QStringLiteral("Kestrelway"), QStringLiteral("Kestrelway")).remove("Network");
    fs::create_directories(app_.Path() / "date");
  }

  // Records what the refresher hands to the work and where the work runs.
  struct Call {
    std::string server;
    fs::path appDir;
    std::thread::id thread;
  };

  // Work that returns `result` at once and records its call.
  AdRefresher::Fetch Recording(AdRefreshResult result) {
    return [this, result](const std::string& server, const fs::path& appDir, const std::atomic<bool>&) {
      calls_.push_back({server, appDir, std::this_thread::get_id()});
      return result;
    };
  }

  test::TempDir app_;
  std::vector<Call> calls_;
};

TEST_F(AdRefresherTest, IsTheHiddenWindowFrmFtpWithText1) {
  QWidget mainWindow;
  auto* refresher = new AdRefresher(app_.Path(), &mainWindow);
  mainWindow.show();
  EXPECT_EQ(refresher->objectName(), "frmFTP");
  EXPECT_FALSE(refresher->isVisible());
  ASSERT_NE(mainWindow.findChild<QLineEdit*>("Text1"), nullptr);
}

TEST_F(AdRefresherTest, WorksOffTheUiThreadAndDeliversOnIt) {
  SetAdServer("127.0.0.1:2121");
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::atomic<bool> started = false;
  std::thread::id workThread;
  AdRefresher refresher(app_.Path(), nullptr,
                        [&](const std::string& server, const fs::path& appDir, const std::atomic<bool>&) {
                          workThread = std::this_thread::get_id();
                          started = true;
                          released.wait_for(30s);
                          AdRefreshResult result;
                          result.outcome = AdRefreshOutcome::Downloaded;
                          result.replyText = server + " " + appDir.string();
                          return result;
                        });
  std::thread::id deliveryThread;
  std::optional<AdRefreshResult> delivered;
  QObject::connect(&refresher, &AdRefresher::Finished, [&](const AdRefreshResult& result) {
    deliveryThread = std::this_thread::get_id();
    delivered = result;
  });
  auto* text1 = refresher.findChild<QLineEdit*>("Text1");

  ASSERT_TRUE(refresher.Start());
  // Start() has returned while the work is still held: the UI thread is free.
  ASSERT_TRUE(WaitUntil([&] { return started.load(); }));
  EXPECT_TRUE(refresher.IsRunning());
  EXPECT_FALSE(refresher.Start());  // one at a time
  EXPECT_FALSE(delivered);
  EXPECT_EQ(text1->text(), "");

  release.set_value();
  ASSERT_TRUE(WaitUntil([&] { return delivered.has_value(); }));
  EXPECT_NE(workThread, std::this_thread::get_id());
  EXPECT_EQ(deliveryThread, std::this_thread::get_id());
  const QString expected = QString::fromStdString("127.0.0.1:2121 " + app_.Path().string());
  EXPECT_EQ(text1->text(), expected);
  EXPECT_EQ(delivered->outcome, AdRefreshOutcome::Downloaded);
  EXPECT_FALSE(refresher.IsRunning());
}

TEST_F(AdRefresherTest, ServerComesFromTheSettingWithThePublishersAsDefault) {
  AdRefreshResult same;
  same.outcome = AdRefreshOutcome::SameSize;
  AdRefresher refresher(app_.Path(), nullptr, Recording(same));
  int finished = 0;
  QObject::connect(&refresher, &AdRefresher::Finished, [&] { ++finished; });

  EXPECT_EQ(AdRefresher::AdServer(), "ftp.kestrelway.cn");
  ASSERT_TRUE(refresher.Start());
  ASSERT_TRUE(WaitUntil([&] { return finished == 1; }));

  SetAdServer(" ftp.example.org:2121 ");
  ASSERT_TRUE(refresher.Start());  // again, once the first has finished
  ASSERT_TRUE(WaitUntil([&] { return finished == 2; }));

  ASSERT_EQ(calls_.size(), 2u);
  EXPECT_EQ(calls_[0].server, "ftp.kestrelway.cn");
  EXPECT_EQ(calls_[1].server, "ftp.example.org:2121");
  EXPECT_EQ(calls_[1].appDir, app_.Path());
}

TEST_F(AdRefresherTest, AnEmptySettingTurnsTheRefreshOff) {
  SetAdServer("");
  AdRefresher refresher(app_.Path(), nullptr, Recording({}));
  EXPECT_FALSE(refresher.Start());
  SetAdServer("   ");
  EXPECT_FALSE(refresher.Start());
  QCoreApplication::processEvents();
  EXPECT_TRUE(calls_.empty());
  EXPECT_FALSE(refresher.IsRunning());
}

TEST_F(AdRefresherTest, ClosingCancelsTheWorkAndWaitsForIt) {
  std::atomic<bool> started = false;
  std::atomic<bool> sawCancel = false;
  std::atomic<bool> returned = false;
  int finished = 0;
  {
    AdRefresher refresher(app_.Path(), nullptr,
                          [&](const std::string&, const fs::path&, const std::atomic<bool>& cancel) {
                            started = true;
                            const auto end = std::chrono::steady_clock::now() + 30s;
                            while (!cancel && std::chrono::steady_clock::now() < end)
                              std::this_thread::sleep_for(1ms);
                            sawCancel = cancel.load();
                            returned = true;
                            return AdRefreshResult{};
                          });
    QObject::connect(&refresher, &AdRefresher::Finished, [&] { ++finished; });
    ASSERT_TRUE(refresher.Start());
    ASSERT_TRUE(WaitUntil([&] { return started.load(); }));
  }
  EXPECT_TRUE(returned);
  EXPECT_TRUE(sawCancel);
  QCoreApplication::processEvents();
  EXPECT_EQ(finished, 0);
}

// The real thing against a real FTP server.
class AdRefresherWithServer : public AdRefresherTest {
 protected:
  AdRefresherWithServer() {
    home_.Write("train/showmain.gif", std::string(5000, 'p'));
    app_.Write("date/showmain.gif", std::string(1200, 'o'));
  }
  test::TempDir home_;
};

TEST_F(AdRefresherWithServer, PutsTheReplyInText1AndLeavesThePictureWaiting) {
  test::FtpTestServer server(home_.Path());
  SetAdServer(QString::fromStdString(server.Address()));
  AdRefresher refresher(app_.Path());
  std::optional<AdRefreshResult> delivered;
  QObject::connect(&refresher, &AdRefresher::Finished, [&](const AdRefreshResult& r) { delivered = r; });

  ASSERT_TRUE(refresher.Start());
  ASSERT_TRUE(WaitUntil([&] { return delivered.has_value(); }));
  EXPECT_EQ(delivered->outcome, AdRefreshOutcome::Downloaded) << delivered->error;
  EXPECT_EQ(refresher.findChild<QLineEdit*>("Text1")->text(), "5000");
  EXPECT_EQ(test::ReadFile(app_.Path() / "date" / "showmian.gif"), std::string(5000, 'p'));
  EXPECT_EQ(test::ReadFile(app_.Path() / "date" / "showmain.gif"), std::string(1200, 'o'));
}

TEST_F(AdRefresherWithServer, ClosingDuringTheDownloadLeavesNothingBehind) {
  home_.Write("train/showmain.gif", std::string(400000, 'p'));
  test::FtpTestServer server(home_.Path(), {"--rate", "20000"});
  SetAdServer(QString::fromStdString(server.Address()));
  const fs::path date = app_.Path() / "date";
  {
    AdRefresher refresher(app_.Path());
    ASSERT_TRUE(refresher.Start());
    // Close once the download is writing.
    ASSERT_TRUE(WaitUntil([&] {
      for (const auto& entry : fs::directory_iterator(date)) {
        std::error_code ec;
        if (entry.path().filename() != "showmain.gif" && fs::file_size(entry.path(), ec) > 0 && !ec)
          return true;
      }
      return false;
    }));
  }
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(date)) names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"showmain.gif"});
  EXPECT_EQ(test::ReadFile(date / "showmain.gif"), std::string(1200, 'o'));
}

}  // namespace
}  // namespace kw
