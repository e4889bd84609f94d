// About, frmAbout: the product, its version and two links to the publisher.
#pragma once

#include <QLabel>
#include <QUrl>
#include <QWidget>

namespace kw {

class PictureButton;
class Shell;

// A label that turns blue while the pointer is over it and opens `url` with
// the shell when clicked.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const char* objectName, const QString& text, QUrl url, Shell& shell, QWidget* parent);
  void ShowNormal();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetColour(const QColor& colour);

  QUrl url_;
  Shell& shell_;
};

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  AboutWindow(Shell& shell, QWidget* parent);

  QLabel* Label1;
  QLabel* imgIcon;
  QLabel* Label5;
  LinkLabel* Label6;
  LinkLabel* Label4;
  QLabel* lblMapData;  // the attribution of the map's station positions
  PictureButton* Command1;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace kw
