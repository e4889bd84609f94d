#include "ui/Platform.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "ui/Strings.h"

namespace kw {

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

}  // namespace

Platform& DesktopPlatform() {
  static QtMessageBoxes messages;
  static DesktopShell shell;
  static Platform platform{&messages, &shell};
  return platform;
}

}  // namespace kw
