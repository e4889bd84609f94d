#include "ui/aux/AboutWindow.h"

#include <QMouseEvent>
#include <QShortcut>

#include "ui/AppPaths.h"
#include "ui/FitTexts.h"
#include "ui/PictureButton.h"
#include "ui/Platform.h"
#include "ui/Strings.h"
#include "ui/Twips.h"

namespace kw {

LinkLabel::LinkLabel(const char* objectName, const QString& text, QUrl url, Shell& shell, QWidget* parent)
    : QLabel(text, parent), url_(std::move(url)), shell_(shell) {
  setObjectName(objectName);
  setCursor(Qt::PointingHandCursor);
  ShowNormal();
}

void LinkLabel::SetColour(const QColor& colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, colour);
  setPalette(palette);
}

void LinkLabel::ShowNormal() { SetColour(Qt::black); }

void LinkLabel::enterEvent(QEnterEvent* event) {
  SetColour(QColor(0, 0, 255));
  QLabel::enterEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) shell_.Open(url_);
}

AboutWindow::AboutWindow(Shell& shell, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmAbout");
  setWindowTitle(str::kProductTitle);
  setFixedSize(TwipsToPixels(6000), TwipsToPixels(3600));
  setMouseTracking(true);

  imgIcon = new QLabel(this);
  imgIcon->setObjectName("imgIcon");
  imgIcon->setGeometry(TwipsRect(360, 360, 960, 960));
  imgIcon->setScaledContents(true);
  imgIcon->setPixmap(DatePicture("Trainicon.dat"));

  Label1 = new QLabel(str::kProductTitle, this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(TwipsRect(1680, 360, 4000, 480));
  QFont product = Label1->font();
  product.setPointSizeF(product.pointSizeF() * 1.8);
  product.setBold(true);
  Label1->setFont(product);

  Label5 = new QLabel(str::kEditionName + str::kProgramVersion, this);
  Label5->setObjectName("Label5");
  Label5->setGeometry(TwipsRect(1680, 960, 4000, 300));

  Label6 = new LinkLabel("Label6", str::kAboutWebPrefix + str::kPublisherUrl, QUrl(str::kPublisherUrl), shell,
                         this);
  Label6->setGeometry(TwipsRect(360, 1680, 5400, 300));
  Label4 = new LinkLabel("Label4", str::kAboutMailPrefix + str::kPublisherMail,
                         QUrl(QStringLiteral("mailto:") + str::kPublisherMail), shell, this);
  Label4->setGeometry(TwipsRect(360, 2100, 5400, 300));
  // The map's station positions are OpenStreetMap's, under the ODbL.
  lblMapData = new QLabel(str::kMapAttributionAbout, this);
  lblMapData->setObjectName("lblMapData");
  lblMapData->setGeometry(TwipsRect(360, 2430, 5400, 300));

  // Longer texts than the Chinese (English): the lines as wide as their
  // texts, the box as wide as the lines.
  if (TextsAreTranslated()) {
    for (QWidget* line : std::initializer_list<QWidget*>{Label1, Label5, Label6, Label4, lblMapData}) WidenToText(line);
    setFixedSize(std::max(width(), RightOfChildren(this) + TwipsToPixels(360)), height());
  }

  Command1 = new PictureButton("Command1", "x.jpg", "x2.jpg", "x1.jpg", str::kClose, this);
  Command1->move(width() - Command1->width() - TwipsToPixels(360), TwipsToPixels(2760));
  connect(Command1, &PictureButton::clicked, this, &QWidget::hide);
  // Esc closes it as the close button does.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);
}

// The pointer over the background: links black, the close button normal.
void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
  Label6->ShowNormal();
  Label4->ShowNormal();
  Command1->ShowNormal();
  QWidget::mouseMoveEvent(event);
}

}  // namespace kw
