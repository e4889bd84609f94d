// The closing screen, frmEnd: the credits scroll up, then the program ends;
// a click or a key ends it at once.
#pragma once

#include <QWidget>

class QFrame;
class QTimer;

namespace kw {

class ClosingScreen : public QWidget {
  Q_OBJECT

 public:
  explicit ClosingScreen(QWidget* parent = nullptr);

  // Places the credits at the top and starts scrolling.
  void Start();
  // One step of Timer1: the credits move up 90 twips, or, once they are at
  // or above -4455 twips, the program ends.
  void Tick();
  int frameTopTwips() const { return frameTopTwips_; }

  QFrame* Frame1;
  QTimer* Timer1;

 signals:
  // Time to end the program (emitted once).
  void finished();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void End();

  int frameTopTwips_ = 0;
  bool ended_ = false;
};

}  // namespace kw
