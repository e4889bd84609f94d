#include "ui/aux/ClosingScreen.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/Strings.h"
#include "ui/Twips.h"

namespace kw {

namespace {

constexpr int kStepTwips = 90;
constexpr int kLastTopTwips = -4455;
constexpr int kTickMilliseconds = 200;

}  // namespace

ClosingScreen::ClosingScreen(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmEnd");
  setWindowTitle(str::kProductTitle);
  setFixedSize(TwipsToPixels(5400), TwipsToPixels(4500));

  Frame1 = new QFrame(this);
  Frame1->setObjectName("Frame1");
  Frame1->setGeometry(TwipsRect(0, 0, 5400, 4500));
  auto* credits = new QVBoxLayout(Frame1);
  for (const QString line : str::kCredits) {
    auto* label = new QLabel(line, Frame1);
    label->setAlignment(Qt::AlignCenter);
    credits->addWidget(label);
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(kTickMilliseconds);
  connect(Timer1, &QTimer::timeout, this, &ClosingScreen::Tick);
}

void ClosingScreen::Start() {
  frameTopTwips_ = 0;
  Frame1->move(0, 0);
  Timer1->start();
}

void ClosingScreen::Tick() {
  if (frameTopTwips_ > kLastTopTwips) {
    frameTopTwips_ -= kStepTwips;
    Frame1->move(0, TwipsToPixels(frameTopTwips_));
  } else {
    End();
  }
}

void ClosingScreen::End() {
  Timer1->stop();
  if (ended_) return;
  ended_ = true;
  emit finished();
}

void ClosingScreen::mousePressEvent(QMouseEvent*) { End(); }
void ClosingScreen::mouseDoubleClickEvent(QMouseEvent*) { End(); }
void ClosingScreen::keyPressEvent(QKeyEvent*) { End(); }

void ClosingScreen::closeEvent(QCloseEvent* event) {
  End();
  event->accept();
}

}  // namespace kw
