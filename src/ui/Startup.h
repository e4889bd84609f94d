// The start-up procedure: puts a downloaded advertisement picture in place,
// opens the timetable database and chooses the first window. The program
// object then keeps the database and the main window for the whole run.
#pragma once

#include <functional>
#include <memory>

#include "l10n/Language.h"

class QCoreApplication;
class QLocalServer;
class QString;
class QTranslator;

namespace kw {

class Database;
class MainWindow;
struct Platform;

// Loads Qt's own texts (standard buttons, the file dialogs, the text boxes'
// menus) in the interface's language (CurrentLanguage()), whatever the
// system's locale, and makes it the default locale of Qt's widgets. Qt's
// texts are English already; Chinese comes from Qt's translations folder.
// The translator, owned by `app`, or null when none is loaded.
QTranslator* LoadQtTranslations(QCoreApplication& app);

// The interface's language the user chose (语言 / Language), remembered
// across starts; Chinese until one is chosen.
Language SavedLanguage();
void SaveLanguage(Language language);

// The local socket a running copy listens on for later starts: in the
// user's runtime folder ($XDG_RUNTIME_DIR) when it is the user's private
// folder, else in /tmp/kestrelway-<uid>, made private; empty when neither
// is private to the user (the program then runs without it).
QString InstanceSocketName();

class Program {
 public:
  explicit Program(Platform& platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // When a copy of the program already runs on this run's date folder for
  // this user, asks it to come to the front and returns false (handedOver()).
  // Otherwise swaps in a waiting advertisement picture, opens the database (a
  // failure is reported in a message box, and the result is false), waits
  // for later copies to ask for the window, then shows the
  // main window, and the tip of the day above it unless the user turned the
  // tips off. Once the main window has loaded, the advertisement picture is
  // refreshed in the background. `wire` is given the main window before it
  // loads, to connect its hooks.
  bool Start(const std::function<void(MainWindow&)>& wire = {});

  MainWindow* mainWindow() const { return main_.get(); }
  // Start() found a copy running and brought its window to the front.
  bool handedOver() const { return handedOver_; }

 private:
  void ListenForCopies();

  Platform& platform_;
  bool handedOver_ = false;
  std::unique_ptr<Database> db_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<QLocalServer> server_;  // goes first, before the window it shows
};

}  // namespace kw
