#include "ui/aux/AdPictureWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/AppPaths.h"
#include "ui/Strings.h"

namespace kw {

AdPictureWindow::AdPictureWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmShow");
  setWindowTitle(str::kProductTitle);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  const QPixmap picture = DatePicture("frmShow.jpg");
  if (picture.isNull())
    image->setText(str::kProductTitle);
  else
    image->setPixmap(picture);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(image);
}

}  // namespace kw
