#include "ui/Startup.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStatusBar>
#include <QTimer>
#include <QTranslator>
#include <cmath>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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
// What a running copy answers a later start with.
constexpr char kAnswer[] = "kestrelway\n";

// A folder that is this user's alone: a directory (not a link), owned by
// the user, that nobody else may enter.
bool IsPrivateFolder(const QByteArray& folder) {
  struct stat st {};
  return !folder.isEmpty() && ::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
         st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

// The peer of `socket` runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket) {
  struct ucred peer {};
  socklen_t size = sizeof peer;
  return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         peer.uid == ::getuid();
}

}  // namespace

QString InstanceSocketName() {
  // The user's runtime folder; else a folder of the user's own in /tmp,
  // made private here. A folder someone else made or can enter is not used.
  QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
  if (!IsPrivateFolder(folder)) {
    folder = "/tmp/kestrelway-" + QByteArray::number(::getuid());
    ::mkdir(folder.constData(), 0700);
    if (!IsPrivateFolder(folder)) return {};
  }
  // One name per date folder, so that copies of the program on other data
  // (a portable one beside an installed one) start side by side.
  const QByteArray root = QString::fromStdString(DateRoot().lexically_normal().string()).toUtf8();
  return QString::fromLocal8Bit(folder) + QStringLiteral("/kestrelway-") +
         QString::fromLatin1(QCryptographicHash::hash(root, QCryptographicHash::Sha1).toHex().left(16));
}

namespace {

// Asks a running copy to bring its window to the front; false when none
// answers as the program does (a listener of another user, or of anything
// else, is no running copy).
bool AskRunningCopy(const QString& name) {
  if (name.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kAskMilliseconds) || !PeerIsThisUser(socket)) return false;
  socket.write("show\n");
  socket.flush();
  // The answer comes from the running copy's event loop, which may be this
  // thread's own (a test).
  QEventLoop loop;
  QTimer::singleShot(kAskMilliseconds, &loop, &QEventLoop::quit);
  QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
    if (socket.canReadLine()) loop.quit();
  });
  QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
  if (!socket.canReadLine()) loop.exec();
  const bool answered = socket.canReadLine() && socket.readLine() == kAnswer;
  socket.abort();
  return answered;
}

}  // namespace

QTranslator* LoadQtTranslations(QCoreApplication& app) {
  // Qt's own texts are English: in English nothing needs loading.
  if (CurrentLanguage() == Language::English) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return nullptr;
  }
  const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
  QLocale::setDefault(chinese);
  auto* translator = new QTranslator(&app);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

Language SavedLanguage() {
  return LanguageNamed(ReadMemory(QStringLiteral("Language")).toString().toStdString()).value_or(Language::Chinese);
}

void SaveLanguage(Language language) {
  WriteMemory(QStringLiteral("Language"), QString::fromUtf8(LanguageCode(language).data(),
                                                            static_cast<qsizetype>(LanguageCode(language).size())));
}

Program::Program(Platform& platform) : platform_(platform) {}

Program::~Program() = default;

// Each copy started later connects: the window comes to the front, restored
// if it was minimised.
void Program::ListenForCopies() {
  const QString name = InstanceSocketName();
  if (name.isEmpty()) return;  // no private folder: the program runs alone
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // The database is held by this copy alone, so a name still taken is left
  // by a copy that ended without giving it back, or was taken by something
  // that did not answer as the program does: this copy takes it over.
  if (!server_->listen(name)) {
    QLocalServer::removeServer(name);
    server_->listen(name);
  }
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      socket->write(kAnswer);
      socket->flush();
      socket->disconnectFromServer();
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
    main_->setWindowState(main_->windowState() & ~Qt::WindowMinimized);
    main_->show();
    main_->raise();
    main_->activateWindow();
  });
}

bool Program::Start(const std::function<void(MainWindow&)>& wire) {
  if (AskRunningCopy(InstanceSocketName())) {
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
