#include "ui/aux/TipWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QRandomGenerator>
#include <QShortcut>
#include <QTextEdit>
#include <algorithm>

#include "query/Tips.h"
#include "store/Database.h"
#include "ui/AppPaths.h"
#include "ui/FitTexts.h"
#include "ui/PictureButton.h"
#include "ui/Strings.h"
#include "ui/Twips.h"

namespace kw {

TipWindow::TipWindow(Database& db, QWidget* parent) : QWidget(parent, Qt::Window), db_(db) {
  setObjectName("frmEveryday");
  setWindowTitle(str::kProductTitle);
  setFixedSize(TwipsToPixels(6900), TwipsToPixels(4350));
  setMouseTracking(true);

  picIcon = new QLabel(this);
  picIcon->setObjectName("picIcon");
  picIcon->setGeometry(TwipsRect(240, 240, 720, 720));
  picIcon->setScaledContents(true);
  picIcon->setPixmap(DatePicture("main.ico"));

  lblHeading = new QLabel(str::kTipsHeading, this);
  lblHeading->setObjectName("lblHeading");
  lblHeading->setGeometry(TwipsRect(1200, 300, 5400, 420));
  QFont heading = lblHeading->font();
  heading.setPointSizeF(heading.pointSizeF() * 1.5);
  heading.setBold(true);
  lblHeading->setFont(heading);

  lblTitle = new QLabel(str::kTipsDefaultTitle, this);
  lblTitle->setObjectName("lblTitle");
  lblTitle->setGeometry(TwipsRect(1200, 780, 5400, 300));
  QFont title = lblTitle->font();
  title.setBold(true);
  lblTitle->setFont(title);

  txtContent = new QTextEdit(this);
  txtContent->setObjectName("txtContent");
  txtContent->setReadOnly(true);
  txtContent->setGeometry(TwipsRect(240, 1170, 6420, 2070));

  chkNone = new QCheckBox(str::kTipsDontShow, this);
  chkNone->setObjectName("chkNone");
  chkNone->setGeometry(TwipsRect(240, 3480, 2700, 330));
  chkNone->setChecked(ReadEveryDay(kDisplayKey) == QStringLiteral("1"));

  imgFront = new PictureButton("imgFront", "left.jpg", "left2.jpg", "left1.jpg", str::kTipsPrevious, this);
  Command2 = new PictureButton("Command2", "right.jpg", "right2.jpg", "right1.jpg", str::kTipsNext, this);
  Command3 = new PictureButton("Command3", "x.jpg", "x2.jpg", "x1.jpg", str::kClose, this);
  // Longer texts than the Chinese (English): the check box as wide as its
  // text, the window wider where the buttons then have no room beside it.
  if (TextsAreTranslated()) {
    WidenToText(chkNone);
    int buttons = TwipsToPixels(240) * 3;
    for (PictureButton* button : {Command3, Command2, imgFront}) buttons += button->width();
    const int more = chkNone->geometry().right() + 1 + buttons - TwipsToPixels(6660);
    if (more > 0) {
      setFixedSize(width() + more, height());
      txtContent->resize(txtContent->width() + more, txtContent->height());
    }
  }
  int left = width() - TwipsToPixels(6900 - 6660);
  for (PictureButton* button : {Command3, Command2, imgFront}) {
    left -= button->width();
    button->move(left, TwipsToPixels(3360));
    left -= TwipsToPixels(120);
  }

  connect(imgFront, &PictureButton::clicked, this, &TipWindow::ShowPrevious);
  connect(Command2, &PictureButton::clicked, this, &TipWindow::ShowNext);
  connect(Command3, &PictureButton::clicked, this, &TipWindow::CloseTips);
  connect(chkNone, &QCheckBox::toggled, this, &TipWindow::SaveDisplay);
  // From the keyboard: Left and Right page (Up and Down scroll a long tip),
  // Esc closes.
  const auto key = [this](int k, void (TipWindow::*action)()) {
    connect(new QShortcut(QKeySequence(k), this), &QShortcut::activated, this, action);
  };
  key(Qt::Key_Left, &TipWindow::ShowPrevious);
  key(Qt::Key_Right, &TipWindow::ShowNext);
  key(Qt::Key_Escape, &TipWindow::CloseTips);

  bool isNumber = false;
  const int first = ReadEveryDay(kRandomNumberKey).trimmed().toInt(&isNumber);
  ShowTip(isNumber ? first : 1);
}

// Tip `id`; none when the database cannot say.
std::optional<Tip> TipWindow::Load(int id) {
  try {
    return LoadTip(db_, id);
  } catch (const DatabaseError&) {
    return std::nullopt;
  }
}

namespace {

// The tips' English (context kw::tips): an untranslated text reads as itself.
std::string TipText(const std::string& source) {
  return std::string(text::Translate("kw::tips", source.c_str()));
}

bool HasEnglish(const Tip& tip) { return !tip.content.empty() && TipText(tip.content) != tip.content; }

}  // namespace

int TipWindow::LargestId() {
  try {
    return LargestTipId(db_);
  } catch (const DatabaseError&) {
    return 0;
  }
}

void TipWindow::ShowTip(int id, int step) {
  auto tip = Load(id);
  if (!tip && id != 1) {
    id = 1;
    tip = Load(id);
  }
  if (text::Translating()) {
    const int largest = std::max(LargestId(), 1);  // 1: only the tip at hand
    // Each tip once at most, round from the last to the first.
    for (int tried = 1; tried < largest && !(tip && HasEnglish(*tip)); ++tried) {
      id += step;
      if (id > largest) id = 1;
      if (id < 1) id = largest;
      tip = Load(id);
    }
    if (tip && HasEnglish(*tip))
      tip = Tip{TipText(tip->title), TipText(tip->content)};
    else
      tip.reset();
  }
  currentId_ = id;
  lblTitle->setText(tip ? QString::fromStdString(tip->title) : str::kTipsDefaultTitle);
  txtContent->setPlainText(tip ? QString::fromStdString(tip->content) : QString());
}

void TipWindow::ShowNext() { ShowTip(currentId_ + 1); }

// Before tip 1 comes the last tip, as tip 1 comes after it.
void TipWindow::ShowPrevious() {
  if (currentId_ > 1) return ShowTip(currentId_ - 1, -1);
  ShowTip(std::max(LargestId(), 1), -1);  // tip 1 stays when there is no other
}

void TipWindow::SaveDisplay() {
  WriteEveryDay(kDisplayKey, chkNone->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void TipWindow::CloseTips() {
  SaveDisplay();
  const int largest = LargestId();  // none: tip 1 comes first next time
  const int next = largest > 0 ? static_cast<int>(QRandomGenerator::global()->bounded(largest)) + 1 : 1;
  WriteEveryDay(kRandomNumberKey, QString::number(next));
  hide();
}

// The window's own close box closes the tips like the close button.
void TipWindow::closeEvent(QCloseEvent* event) {
  CloseTips();
  event->accept();
}

void TipWindow::mouseMoveEvent(QMouseEvent* event) {
  for (PictureButton* button : {imgFront, Command2, Command3}) button->ShowNormal();
  QWidget::mouseMoveEvent(event);
}

}  // namespace kw
