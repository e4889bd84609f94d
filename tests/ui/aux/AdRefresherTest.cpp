#include "ui/aux/AdRefresher.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QSettings>
#include <chrono>
#include <thread>

#include "support/TestTimetable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Runs the event loop until `done` holds; false when it never does.
template <typename Pred>
bool WaitUntil(Pred done) {
  for (const auto end = std::chrono::steady_clock::now() + 30s; !done();) {
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
  test::TempDir app_;
};

// The work runs off the UI thread, one at a time, and is delivered on the UI
// thread; closing cancels the work running and waits for it, delivering
// nothing.
TEST_F(AdRefresherTest, WorksOffTheUiThreadDeliversOnItAndClosingCancels) {
  SetAdServer("127.0.0.1:2121");
  std::atomic<bool> started = false, release = false, sawCancel = false, returned = false;
  std::thread::id workThread;
  auto refresher = std::make_unique<AdRefresher>(
      app_.Path(), nullptr,
      [&](const std::string& server, const fs::path& appDir, const std::atomic<bool>& cancel) {
        workThread = std::this_thread::get_id();
        started = true;
        for (const auto end = std::chrono::steady_clock::now() + 30s;
             !release && !cancel && std::chrono::steady_clock::now() < end;)
          std::this_thread::sleep_for(1ms);
        sawCancel = cancel.load();
        returned = true;
        AdRefreshResult result;
        result.outcome = AdRefreshOutcome::Downloaded;
        result.replyText = server + " " + appDir.string();
        return result;
      });
  std::thread::id deliveryThread;
  std::optional<AdRefreshResult> delivered;
  int finished = 0;
  QObject::connect(refresher.get(), &AdRefresher::Finished, [&](const AdRefreshResult& result) {
    deliveryThread = std::this_thread::get_id();
    delivered = result;
    ++finished;
  });
  auto* text1 = refresher->findChild<QLineEdit*>("Text1");

  ASSERT_TRUE(refresher->Start());
  // Start() has returned while the work is still held: the UI thread is free.
  ASSERT_TRUE(WaitUntil([&] { return started.load(); }));
  EXPECT_TRUE(refresher->IsRunning());
  EXPECT_FALSE(refresher->Start());  // one at a time
  EXPECT_FALSE(delivered);
  EXPECT_EQ(text1->text(), "");

  release = true;
  ASSERT_TRUE(WaitUntil([&] { return delivered.has_value(); }));
  EXPECT_NE(workThread, std::this_thread::get_id());
  EXPECT_EQ(deliveryThread, std::this_thread::get_id());
  EXPECT_EQ(text1->text(), QString::fromStdString("127.0.0.1:2121 " + app_.Path().string()));
  EXPECT_EQ(delivered->outcome, AdRefreshOutcome::Downloaded);
  EXPECT_FALSE(refresher->IsRunning());
  EXPECT_FALSE(sawCancel);

  started = release = returned = false;
  ASSERT_TRUE(refresher->Start());
  ASSERT_TRUE(WaitUntil([&] { return started.load(); }));
  refresher.reset();  // closed while the work runs
  EXPECT_TRUE(returned);
  EXPECT_TRUE(sawCancel);
  QCoreApplication::processEvents();
  EXPECT_EQ(finished, 1);
}

TEST_F(AdRefresherTest, TheServerComesFromTheSettingAndWithoutOneOrWithTheSwitchOffNothingRuns) {
  std::vector<std::string> servers;
  AdRefresher refresher(app_.Path(), nullptr, [&](const std::string& server, const fs::path&, const auto&) {
    servers.push_back(server);
    return AdRefreshResult{};
  });
  int finished = 0;
  QObject::connect(&refresher, &AdRefresher::Finished, [&] { ++finished; });

  EXPECT_FALSE(refresher.Start());  // no setting: no server, no connection
  SetAdServer(" ftp.example.org:2121 ");
  ASSERT_TRUE(refresher.Start());
  ASSERT_TRUE(WaitUntil([&] { return finished == 1; }));
  ASSERT_TRUE(refresher.Start());  // again, once the first has finished
  ASSERT_TRUE(WaitUntil([&] { return finished == 2; }));
  for (const char* off : {"", "   "}) {
    SetAdServer(off);
    EXPECT_FALSE(refresher.Start()) << off;
  }
  // The switch turns it off whatever the server; "true" leaves it on.
  SetAdServer("ftp.example.org:2121");
  QSettings settings(QStringLiteral("Kestrelway"), QStringLiteral("Kestrelway"));
  for (const char* off : {"false", "0"}) {
    settings.setValue("Network/AdRefresh", off);
    EXPECT_FALSE(refresher.Start()) << off;
  }
  settings.setValue("Network/AdRefresh", "true");
  ASSERT_TRUE(refresher.Start());
  ASSERT_TRUE(WaitUntil([&] { return finished == 3; }));
  QCoreApplication::processEvents();
  EXPECT_EQ(servers, std::vector<std::string>(3, "ftp.example.org:2121"));
  EXPECT_FALSE(refresher.IsRunning());
}

// The picture is judged by decoding it, not by its name.
TEST_F(AdRefresherTest, APictureIsAFileThatDecodesAsOne) {
  const auto write = [&](const std::string& name, const QByteArray& bytes) {
    return app_.Write(name, bytes.toStdString());
  };
  QByteArray png, jpeg;
  QBuffer pngBuffer(&png), jpegBuffer(&jpeg);
  pngBuffer.open(QIODevice::WriteOnly);
  jpegBuffer.open(QIODevice::WriteOnly);
  QImage(4, 3, QImage::Format_RGB32).save(&pngBuffer, "PNG");
  QImage(4, 3, QImage::Format_RGB32).save(&jpegBuffer, "JPEG");
  // The start page's own picture, a GIF.
  const fs::path gif = fs::path(KW_SOURCE_DIR) / "data" / "showmain.gif";
  ASSERT_TRUE(fs::exists(gif));
  EXPECT_TRUE(AdRefresher::IsPictureFile(gif));
  EXPECT_TRUE(AdRefresher::IsPictureFile(write("showmain.gif", png)));
  EXPECT_TRUE(AdRefresher::IsPictureFile(write("showmian.gif.x1y2z3.part", jpeg)));
  EXPECT_FALSE(AdRefresher::IsPictureFile(write("page.gif", "<html><body>Login</body></html>")));
  EXPECT_FALSE(AdRefresher::IsPictureFile(write("cut.gif", png.left(png.size() / 2))));
  EXPECT_FALSE(AdRefresher::IsPictureFile(write("empty.gif", {})));
  EXPECT_FALSE(AdRefresher::IsPictureFile(app_.Path() / "missing.gif"));
}

}  // namespace
}  // namespace kw
