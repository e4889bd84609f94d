#include "ui/Startup.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLibraryInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStatusBar>
#include <QTranslator>
#include <cmath>

#include "net/AdPicture.h"
#include "store/Database.h"
#include "store/DateFolder.h"
#include "ui/AppPaths.h"
#include "ui/Platform.h"
#include "ui/WindowPlacement.h"
#include "ui/aux/AdRefresher.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultPrinting.h"

namespace kw {

namespace {

constexpr int kAskMilliseconds = 1000;

// The name a running copy listens under: one per user and date folder, so
// that copies of the program on other data (a portable one beside an
// installed one) start side by side.
QString InstanceName() {
  const QString user = qEnvironmentVariable("USER", QDir::home().dirName());
  const QByteArray folder = QString::fromStdString(DateRoot().lexically_normal().string()).toUtf8();
  return QStringLiteral("Kestrelway-%1-%2")
      .arg(user,
           QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16)));
}

// Asks a running copy to bring its window to the front; false when none
// answers.
bool AskRunningCopy(const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kAskMilliseconds)) return false;
  socket.write("show\n");
  socket.waitForBytesWritten(kAskMilliseconds);
  socket.disconnectFromServer();
  return true;
}

}  // namespace

QTranslator* LoadQtTranslations(QCoreApplication& app, const QLocale& locale) {
  auto* translator = new QTranslator(&app);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const QLocale chosen = locale.language() == QLocale::C ? QLocale(QLocale::Chinese, QLocale::China) : locale;
  if (!translator->load(chosen, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

Program::Program(Platform& platform) : platform_(platform) {}

Program::~Program() = default;

// Each copy started later connects: the window comes to the front, restored
// if it was minimised.
void Program::ListenForCopies() {
  const QString name = InstanceName();
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // The database is held by this copy alone, so a name still taken is left
  // by a copy that ended without giving it back.
  if (!server_->listen(name)) {
    QLocalServer::removeServer(name);
    server_->listen(name);
  }
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) socket->deleteLater();
    main_->setWindowState(main_->windowState() & ~Qt::WindowMinimized);
    main_->show();
    main_->raise();
    main_->activateWindow();
  });
}

bool Program::Start(const std::function<void(MainWindow&)>& wire) {
  if (AskRunningCopy(InstanceName())) {
    handedOver_ = true;
    return false;
  }
  // A picture downloaded by the last run takes its place before anything
  // shows it.
  SwapWaitingPicture(DateRoot(), &AdRefresher::IsPictureFile);
  const std::string path = DatabasePath(DateRoot()).string();
  try {
    db_ = Database::Open(path);
  } catch (const DatabaseError& e) {
    // A second copy of the program finds the database locked by the first.
    platform_.messages->Show(nullptr, QString::fromStdString(e.what()), MessageIcon::Critical);
    return false;
  }
  // Every window of the program carries its icon, message boxes and file
  // dialogs too.
  QApplication::setWindowIcon(ProgramIcon());
  main_ = std::make_unique<MainWindow>(*db_, platform_);
  ListenForCopies();
  ConnectResultPrinting(*main_, platform_);
  // Ask the server the settings name, if any, for a newer advertisement
  // picture once the window has loaded; the refresher is the window's child,
  // so closing the window cancels a transfer still running.
  MainWindow* window = main_.get();
  QObject::connect(window, &MainWindow::loaded, window,
                   [window] { (new AdRefresher(DateRoot(), window))->Start(); });
  if (wire) wire(*main_);

  // "Display": 0 opens the tips first, another number the main window alone.
  // A first start, or a value that is not a number, writes the defaults and
  // opens the tips.
  bool isNumber = false;
  const double display = ReadEveryDay(kDisplayKey).trimmed().toDouble(&isNumber);
  if (!isNumber || !std::isfinite(display)) {
    isNumber = false;
    WriteEveryDay(kDisplayKey, QStringLiteral("0"));
    WriteEveryDay(kRandomNumberKey, QStringLiteral("1"));
  }
  main_->Load();
  // Which database is open (the program's own or the per-user copy): the
  // version text's tool tip names the file.
  main_->statusBar()->setToolTip(QString::fromStdString(path));
  main_->show();
  if (!isNumber || display == 0) main_->OpenTips();
  return true;
}

}  // namespace kw
