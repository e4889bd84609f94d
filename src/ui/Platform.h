// What the windows ask of the desktop: message boxes and the shell's "open".
// Each sits behind a small interface so that a test can put a recorder in its
// place and drive every window without a person.
#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace kw {

enum class MessageIcon { Information, Warning, Critical };  // the exclamation mark is Warning
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// Message boxes titled "Kestrelway". Show() waits for the answer.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer Show(QWidget* parent, const QString& text,
                             MessageIcon icon = MessageIcon::Information,
                             MessageButtons buttons = MessageButtons::Ok) = 0;
};

// The shell's "open" action: a web address in the browser, a mailto: link in
// the mail program.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual void Open(const QUrl& url) = 0;
};

// The desktop services a window uses. Windows keep the pointers; whoever
// creates the windows keeps the services alive longer.
struct Platform {
  MessageBoxes* messages = nullptr;
  Shell* shell = nullptr;
};

// QMessageBox and QDesktopServices.
Platform& DesktopPlatform();

}  // namespace kw
