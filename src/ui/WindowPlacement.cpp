#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/AppPaths.h"

namespace kw {

QIcon ProgramIcon() { return QIcon(DatePicture("main.ico")); }

void CentreWindow(QWidget& window, const QWidget* owner) {
  // Start-up gives the application the icon, which every window shows; only
  // a window opened without it reads the picture.
  if (QGuiApplication::windowIcon().isNull()) window.setWindowIcon(ProgramIcon());
  const bool onOwner = owner != nullptr && owner->isVisible();
  QScreen* screen = onOwner ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QRect around = onOwner ? owner->frameGeometry() : area;

  // The frame the window manager puts round the window: known once it has
  // been shown, else taken to be the owner's.
  QSize frame = window.frameGeometry().size() - window.size();
  if (frame.isNull() && onOwner) frame = owner->frameGeometry().size() - owner->size();
  const QSize outer = window.size() + frame;

  QPoint topLeft = around.center() - QPoint(outer.width() / 2, outer.height() / 2);
  topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
  topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
  window.move(topLeft);
}

}  // namespace kw
