// What the windows ask of the desktop: message boxes, the shell's "open",
// file dialogs and the printers (ui/PrintSurface.h).
// Each sits behind a small interface so that a test can put a recorder in its
// place and drive every window without a person.
#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace kw {

class Printers;

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

// The open-file and save-file dialogs.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file, or empty text when the user cancels; the dialog starts
  // in the user's documents folder.
  virtual QString OpenFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
  // Where to save a new file, `suggestedName` offered in the user's documents
  // folder; empty text when the user cancels.
  virtual QString SaveFile(QWidget* parent, const QString& caption, const QString& suggestedName,
                           const QString& filter) = 0;
};

// The desktop services a window uses. Windows keep the pointers; whoever
// creates the windows keeps the services alive longer.
struct Platform {
  MessageBoxes* messages = nullptr;
  Shell* shell = nullptr;
  FileDialogs* files = nullptr;
  Printers* printers = nullptr;
};

// QMessageBox, QDesktopServices, QFileDialog, the system printer and PDF files.
Platform& DesktopPlatform();

// Where the file dialogs start: the user's documents folder, the home folder
// when there is none.
QString DocumentsFolder();

}  // namespace kw
