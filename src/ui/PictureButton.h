// A button drawn with pictures from the date folder: one normal, one while
// the pointer is over it (with the program's pointing cursor), one while it
// is pressed. While the button is held, pointer moves stay with it (the
// window behind would take them for moves over its background and put the
// button back to normal). Tab reaches the button; Space or Enter clicks it.
#pragma once

#include <QLabel>
#include <QPixmap>

namespace kw {

class PictureButton : public QLabel {
  Q_OBJECT

 public:
  enum class Look { Normal, Hover, Pressed };

  // `normal`, `hover` and `pressed` name pictures of the date folder;
  // `fallbackText` is shown when the normal picture cannot be loaded.
  PictureButton(const char* objectName, const char* normal, const char* hover, const char* pressed,
                const QString& fallbackText, QWidget* parent);

  Look look() const { return look_; }
  // Back to the normal picture (the pointer is over the window's background).
  void ShowNormal() { SetLook(Look::Normal); }
  // The pressed picture stays after the button is released, until
  // ShowNormal().
  void KeepPressedLook() { keepsPressedLook_ = true; }

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void SetLook(Look look);

  QPixmap pictures_[3];
  Look look_ = Look::Normal;
  bool keepsPressedLook_ = false;
};

// The program's pointing cursor, date/point.cur; the system's pointing hand
// when the file cannot be read.
QCursor PointCursor();

}  // namespace kw
