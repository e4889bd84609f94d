#include "ui/PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "ui/AppPaths.h"

namespace kw {

QCursor PointCursor() {
  // The tip of the forefinger (scripts/gen-pictures.cpp draws it).
  constexpr int kHotX = 10, kHotY = 1;
  const QPixmap picture = DatePicture("point.cur");
  if (picture.isNull()) return QCursor(Qt::PointingHandCursor);
  return QCursor(picture, kHotX, kHotY);
}

PictureButton::PictureButton(const char* objectName, const char* normal, const char* hover,
                             const char* pressed, const QString& fallbackText, QWidget* parent)
    : QLabel(parent) {
  setObjectName(objectName);
  pictures_[0] = DatePicture(normal);
  pictures_[1] = DatePicture(hover);
  pictures_[2] = DatePicture(pressed);
  if (pictures_[0].isNull()) {
    setText(fallbackText);
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
  } else {
    setFixedSize(pictures_[0].deviceIndependentSize().toSize());
  }
  setCursor(PointCursor());
  setAttribute(Qt::WA_NoMousePropagation);
  setFocusPolicy(Qt::TabFocus);
  setToolTip(fallbackText);
  SetLook(Look::Normal);
}

void PictureButton::SetLook(Look look) {
  look_ = look;
  const QPixmap& picture = pictures_[static_cast<int>(look)];
  if (!picture.isNull())
    setPixmap(picture);
  else if (!pictures_[0].isNull())
    setPixmap(pictures_[0]);
}

void PictureButton::enterEvent(QEnterEvent* event) {
  SetLook(Look::Hover);
  QLabel::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
  if (!keepsPressedLook_ || look_ != Look::Pressed) SetLook(Look::Normal);
  QLabel::leaveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) SetLook(Look::Pressed);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || look_ != Look::Pressed) return;
  if (!keepsPressedLook_) SetLook(Look::Normal);
  if (rect().contains(event->position().toPoint())) emit clicked();
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (event->modifiers() == Qt::NoModifier &&
      (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

// The picture, and the focus frame inside its edge while the button has the
// focus.
void PictureButton::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = rect().adjusted(2, 2, -2, -2);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace kw
