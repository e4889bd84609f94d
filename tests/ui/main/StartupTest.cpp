#include "ui/Startup.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocalServer>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTranslator>
#include <chrono>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "store/Database.h"
#include "support/FtpTestServer.h"
#include "ui/aux/TipWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/support/RecordingPlatform.h"
#include "ui/support/UiFixture.h"

namespace kw {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : folder_(timetable_.Root()) {
    test::FillUiTimetable(timetable_).Build();
    test::CopyDatePictures(timetable_.Root());
  }

  test::TestTimetable timetable_;
  test::ProgramFolderScope folder_;
  test::RecordingPlatform recorder_;
};

TEST_F(StartupTest, TheDisplaySettingDecidesWhetherTheTipsOpenFirst) {
  const struct {
    const char* display;  // none: a first start
    int tipShown;         // 0: none
    const char* displayAfter;
    const char* tipAfter;
  } cases[] = {{nullptr, 1, "0", "1"}, {"1", 0, "1", "3"}, {"0", 3, "0", "3"}, {"yes", 1, "0", "1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.display ? c.display : "first start");
    QSettings(QStringLiteral("Kestrelway"), QStringLiteral("Kestrelway")).remove("EveryDay");
    if (c.display) {
      WriteEveryDay(kDisplayKey, c.display);
      WriteEveryDay(kRandomNumberKey, "3");
    }
    Program program(recorder_.platform);
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(program.mainWindow()->isVisible());
    // The version text's tool tip names the database that is open.
    EXPECT_EQ(program.mainWindow()->statusBar()->toolTip().toStdString(), timetable_.DbPath().string());
    const TipWindow* tips = program.mainWindow()->tipWindow();
    EXPECT_EQ(tips && tips->isVisible() ? tips->currentId() : 0, c.tipShown);
    EXPECT_EQ(ReadEveryDay(kDisplayKey), c.displayAfter);
    EXPECT_EQ(ReadEveryDay(kRandomNumberKey), c.tipAfter);
  }
}

// The picture downloaded by the last run is put in place first, before the
// database opens (so even when it cannot: a missing database is reported and
// the program does not start); once the main window has loaded, the picture
// on the publisher's server is fetched in the background.
TEST_F(StartupTest, TheAdvertisementPictureIsSwappedFirstAndRefreshedOnceTheWindowHasLoaded) {
  namespace fs = std::filesystem;
  const fs::path date = timetable_.Root() / "date";
  test::TempDir server;
  // Two pictures of different sizes: the one the last run downloaded, the
  // one on the server.
  const auto picture = [](const fs::path& path, int side) {
    fs::create_directories(path.parent_path());
    QImage(side, side, QImage::Format_RGB32).save(QString::fromStdString(path.string()), "PNG");
    return test::ReadFile(path);
  };
  const std::string lastTime = picture(date / "showmian.gif", 2);
  const std::string onTheServer = picture(server.Path() / "train/showmain.gif", 3);
  fs::rename(timetable_.DbPath(), date / "away.dll");
  Program missing(recorder_.platform);
  EXPECT_FALSE(missing.Start());
  EXPECT_EQ(missing.mainWindow(), nullptr);
  ASSERT_EQ(recorder_.messages.Said(0), test::Said{"x OK: "});
  EXPECT_TRUE(recorder_.messages.shown[0].text.contains("文件不存在"));
  EXPECT_EQ(test::ReadFile(date / "showmain.gif"), lastTime);
  EXPECT_FALSE(fs::exists(date / "showmian.gif"));
  fs::rename(date / "away.dll", timetable_.DbPath());

  test::FtpTestServer ftp(server.Path());
  QSettings(QStringLiteral("Kestrelway"), QStringLiteral("Kestrelway"))
      .setValue("Network/AdServer", QString::fromStdString(ftp.Address()));
  Program program(recorder_.platform);
  ASSERT_TRUE(program.Start());
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!fs::exists(date / "showmian.gif") && std::chrono::steady_clock::now() < end) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  EXPECT_EQ(test::ReadFile(date / "showmian.gif"), onTheServer);
  EXPECT_EQ(test::ReadFile(date / "showmain.gif"), lastTime);
}

// A second start on the same date folder brings the first copy's window to
// the front and ends quietly. A database held by a program that does not
// answer (no copy of this one) is still said to be in use.
TEST_F(StartupTest, ASecondStartBringsTheRunningWindowToTheFront) {
  {
    const auto held = Database::Open(timetable_.DbPath().string());
    Program copy(recorder_.platform);
    EXPECT_FALSE(copy.Start());
    EXPECT_FALSE(copy.handedOver());
    ASSERT_EQ(recorder_.messages.Said(0), test::Said{"x OK: "});
    EXPECT_TRUE(recorder_.messages.shown[0].text.contains("文件正被另一个程序使用"));
  }
  test::RecordingPlatform firstPlatform;
  Program first(firstPlatform.platform);
  ASSERT_TRUE(first.Start());
  first.mainWindow()->showMinimized();
  test::RecordingPlatform second;
  Program copy(second.platform);
  EXPECT_FALSE(copy.Start());
  EXPECT_TRUE(copy.handedOver());
  EXPECT_TRUE(second.messages.shown.empty());
  for (int round = 0; round < 5 && first.mainWindow()->isMinimized(); ++round)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
  EXPECT_FALSE(first.mainWindow()->isMinimized());
  EXPECT_TRUE(first.mainWindow()->isVisible());
}

// Qt's own texts (a text box's menu, the file dialogs) are Chinese whatever
// the system's locale, the C locale too.
TEST(QtTranslations, QtsOwnTextsAreChineseWhateverTheLocale) {
  const QLocale before;
  for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
    QLocale::setDefault(locale);
    std::unique_ptr<QTranslator> translator(LoadQtTranslations(*QCoreApplication::instance()));
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is missing";
    EXPECT_EQ(QLocale().language(), QLocale::Chinese);
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    EXPECT_TRUE(menu->actions().at(0)->text().startsWith("撤消"))
        << menu->actions().at(0)->text().toStdString();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "查找范围：");
  }
  QLocale::setDefault(before);
}

// The socket a running copy listens on lies in the user's own runtime
// folder. A listener that does not answer as the program does (planted by
// someone else) or a socket left behind does not stop the start: the new
// copy takes the name over and answers later starts itself.
TEST_F(StartupTest, ASocketSomeoneElsePlantedOrLeftBehindDoesNotStopTheStart) {
  namespace fs = std::filesystem;
  test::TempDir runtime;
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", QByteArray(runtime.Path().c_str()));
  const QString folder = QString::fromStdString(runtime.Path().string());
  fs::permissions(runtime.Path(), fs::perms(0777));  // others may enter: not used
  EXPECT_FALSE(InstanceSocketName().startsWith(folder));
  fs::permissions(runtime.Path(), fs::perms(0700));
  const QString name = InstanceSocketName();
  EXPECT_TRUE(name.startsWith(folder + "/kestrelway-")) << name.toStdString();

  for (const bool planted : {true, false}) {
    SCOPED_TRACE(planted ? "a silent listener" : "a socket left behind");
    QLocalServer squatter;
    if (planted) {
      ASSERT_TRUE(squatter.listen(name));
    } else {
      const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      std::snprintf(address.sun_path, sizeof address.sun_path, "%s", name.toLocal8Bit().constData());
      ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
      close(fd);
    }
    test::RecordingPlatform platform;
    Program program(platform.platform);
    ASSERT_TRUE(program.Start());
    EXPECT_FALSE(program.handedOver());
    test::RecordingPlatform second;
    Program copy(second.platform);
    EXPECT_FALSE(copy.Start());
    EXPECT_TRUE(copy.handedOver());
  }
  if (saved.isNull()) {
    qunsetenv("XDG_RUNTIME_DIR");
  } else {
    qputenv("XDG_RUNTIME_DIR", saved);
  }
}

}  // namespace
}  // namespace kw
