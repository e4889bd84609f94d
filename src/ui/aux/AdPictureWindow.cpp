#include "ui/aux/AdPictureWindow.h"

#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "ui/AppPaths.h"
#include "ui/Strings.h"
#include "ui/WindowPlacement.h"

namespace kw {

namespace {

// How long to wait for the window system to put the picture on the screen.
constexpr int kMapWaitMilliseconds = 500;

// Lets the window system's events (mapping, painting) through for a while;
// the user's keys and clicks wait.
void ProcessEventsFor(qint64 milliseconds) {
  QEventLoop wait;
  QTimer::singleShot(std::max<qint64>(milliseconds, 0), &wait, &QEventLoop::quit);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

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

void AdPictureWindow::ShowPainted() {
  adjustSize();
  CentreWindow(*this, nullptr);
  show();
  shown_.start();
  while (!(windowHandle() && windowHandle()->isExposed()) && shown_.elapsed() < kMapWaitMilliseconds)
    ProcessEventsFor(10);
  repaint();
}

void AdPictureWindow::StayShown(int milliseconds) {
  if (shown_.isValid() && shown_.elapsed() < milliseconds) ProcessEventsFor(milliseconds - shown_.elapsed());
}

}  // namespace kw
