#include "ui/Platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include "ui/PrintSurface.h"
#include "ui/Strings.h"

namespace kw {

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

namespace {

class QtMessageBoxes final : public MessageBoxes {
 public:
  MessageAnswer Show(QWidget* parent, const QString& text, MessageIcon icon,
                     MessageButtons buttons) override {
    QMessageBox box(parent);
    box.setWindowTitle(str::kProductTitle);
    box.setText(text);
    switch (icon) {
      case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
      case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
      case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    QPushButton* ok = box.addButton(str::kOk, QMessageBox::AcceptRole);
    if (buttons == MessageButtons::OkCancel)
      box.setEscapeButton(box.addButton(str::kCancel, QMessageBox::RejectRole));
    else
      box.setEscapeButton(ok);
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
  }
};

class DesktopShell final : public Shell {
 public:
  void Open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

class QtFileDialogs final : public FileDialogs {
 public:
  // Both dialogs start in the user's documents folder, not the program's.
  QString OpenFile(QWidget* parent, const QString& caption, const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, caption, DocumentsFolder(), filter);
  }
  QString SaveFile(QWidget* parent, const QString& caption, const QString& suggestedName,
                   const QString& filter) override {
    return QFileDialog::getSaveFileName(parent, caption, QDir(DocumentsFolder()).filePath(suggestedName), filter);
  }
};

}  // namespace

Platform& DesktopPlatform() {
  static QtMessageBoxes messages;
  static DesktopShell shell;
  static QtFileDialogs files;
  static Platform platform{&messages, &shell, &files, &DesktopPrinters()};
  return platform;
}

}  // namespace kw
