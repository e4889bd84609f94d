#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/AppPaths.h"
#include "ui/Twips.h"

namespace kw {

namespace {

// The frame the window manager puts round the window: known once it has
// been shown, else taken to be the owner's; none when neither is shown.
QSize FrameOf(const QWidget& window, const QWidget* owner) {
  QSize frame = window.frameGeometry().size() - window.size();
  if (frame.isNull() && owner != nullptr && owner->isVisible())
    frame = owner->frameGeometry().size() - owner->size();
  return frame;
}

// `frame`, or room for a title bar and borders while the frame is not known.
QSize RoomForFrame(const QWidget& window, QSize frame) {
  if (frame.isNull() && !window.isVisible()) return {TwipsToPixels(120), TwipsToPixels(600)};
  return frame;
}

// No larger than `area` less the frame, nor smaller than the window allows.
void FitSize(QWidget& window, const QRect& area, QSize frame) {
  frame = RoomForFrame(window, frame);
  const QSize room = (area.size() - frame).expandedTo(window.minimumSize());
  if (window.width() > room.width() || window.height() > room.height()) window.resize(window.size().boundedTo(room));
}

// Moves the frame's top-left corner `topLeft` so that the frame lies within
// `area` (its top-left corner on it when the frame is larger).
void MoveWithin(QWidget& window, QPoint topLeft, const QRect& area, QSize frame) {
  const QSize outer = window.size() + RoomForFrame(window, frame);
  const QPoint within(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
                      std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
  // A window not shown yet is moved only when it must be: moving it places
  // its frame, which would shift a restored place by the frame's width.
  if (within != topLeft || window.isVisible() || !window.testAttribute(Qt::WA_Moved)) window.move(within);
}

}  // namespace

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
  const QSize frame = FrameOf(window, owner);
  FitSize(window, area, frame);
  const QSize outer = window.size() + frame;
  MoveWithin(window, around.center() - QPoint(outer.width() / 2, outer.height() / 2), area, frame);
}

void KeepOnScreen(QWidget& window) {
  QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().center());
  if (screen == nullptr) screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize frame = FrameOf(window, nullptr);
  FitSize(window, area, frame);
  MoveWithin(window, window.frameGeometry().topLeft(), area, frame);
}

}  // namespace kw
