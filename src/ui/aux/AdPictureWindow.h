// The picture window, frmShow: the picture date/frmShow.jpg, shown while the
// main window loads.
#pragma once

#include <QWidget>

namespace kw {

class AdPictureWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AdPictureWindow(QWidget* parent = nullptr);
};

}  // namespace kw
