// The picture window, frmShow: the picture date/frmShow.jpg, shown while the
// main window loads.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

namespace kw {

class AdPictureWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AdPictureWindow(QWidget* parent = nullptr);

  // Shows the picture centred on the screen and paints it now: the main
  // window loads before the event loop runs.
  void ShowPainted();
  // Keeps the picture on screen until `milliseconds` have passed since it
  // was shown, repainting it as the window system asks; input waits.
  void StayShown(int milliseconds);

 private:
  QElapsedTimer shown_;
};

}  // namespace kw
