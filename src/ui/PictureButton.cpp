#include "ui/PictureButton.h"

#include <QMouseEvent>

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
  SetLook(Look::Normal);
  QLabel::leaveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) SetLook(Look::Pressed);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || look_ != Look::Pressed) return;
  SetLook(Look::Normal);
  if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace kw
