#include "ui/StationPicker.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QValidator>
#include <algorithm>

#include "store/Database.h"
#include "ui/Platform.h"
#include "ui/Strings.h"
#include "ui/Twips.h"

namespace kw {

namespace {

constexpr int kPickListWidth = 1800;  // twips
constexpr int kPickListHeight = 2400;

// Drops every character the box does not take, whether it was typed, pasted
// or dropped, and keeps the rest with the cursor where it belongs.
class CharacterFilter final : public QValidator {
 public:
  CharacterFilter(bool (*accepts)(QChar), QObject* parent) : QValidator(parent), accepts_(accepts) {}

  State validate(QString& input, int& pos) const override {
    QString kept;
    kept.reserve(input.size());
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
      if (!accepts_(input[i])) continue;
      kept += input[i];
      if (i < pos) ++keptPos;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
  }

 private:
  bool (*accepts_)(QChar);
};

// A station box takes all but the printable ASCII punctuation.
bool StationBoxAccepts(QChar c) {
  const char16_t u = c.unicode();
  return !((u >= 33 && u <= 47) || (u >= 58 && u <= 64) || (u >= 91 && u <= 96) || (u >= 123 && u <= 126));
}

}  // namespace

QValidator* NewCharacterFilter(bool (*accepts)(QChar), QObject* parent) {
  return new CharacterFilter(accepts, parent);
}

void MakeStationBox(QLineEdit* box) {
  box->setValidator(NewCharacterFilter(StationBoxAccepts, box));
  // In English a picked name comes with its spelling before it.
  box->setMaxLength(kMaxStationTextLength * (text::Translating() ? 3 : 1));
}

QString StationBoxText(const QString& name) { return str::StationNameWithChinese(name.toStdString()); }

std::string StationBoxName(const QString& shown) {
  const QString text = shown.trimmed();
  const qsizetype space = text.lastIndexOf(u' ');
  if (text::Translating() && space > 0) {
    const QString name = text.mid(space + 1);
    if (str::StationName(name) == text.left(space) && name != text.left(space)) return name.toStdString();
  }
  return shown.toStdString();
}

StationPicker::StationPicker(Database& db, MessageBoxes& messages, QWidget* listParent)
    : QObject(listParent), db_(db), messages_(messages), list_(new QListWidget(listParent)) {
  list_->setObjectName("lstStation");
  list_->resize(TwipsToPixels(kPickListWidth), TwipsToPixels(kPickListHeight));
  list_->hide();
  list_->installEventFilter(this);
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Pick(list_->row(item)); });
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Pick(list_->row(item)); });
}

void StationPicker::Complete(QLineEdit* box, QPoint at) {
  const std::string text = RemoveSpaces(box->text().toStdString());
  list_->clear();
  matches_ = {};
  if (!text.empty()) {
    try {
      matches_ = FindStations(db_, text, LooksUpByInitials(text));
    } catch (const DatabaseError& e) {
      list_->hide();
      messages_.Show(list_->window(), QString::fromStdString(e.what()), MessageIcon::Critical);
      return;
    }
  }
  if (!matches_.found) {
    list_->hide();
    return;
  }
  box_ = box;
  box->installEventFilter(this);  // once: installing again only moves it to the front
  // Both spellings in English ("Beijingnan 北京南"); the box takes the name.
  for (const auto& name : matches_.names) list_->addItem(str::StationNameWithChinese(name));
  // Both spellings are wider than a name: the list as wide as its lines.
  if (text::Translating()) {
    const int lines = list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    list_->resize(std::max(TwipsToPixels(kPickListWidth), lines), list_->height());
  }
  list_->move(at);
  list_->show();
  list_->raise();
}

void StationPicker::Close() {
  matches_ = {};
  box_ = nullptr;
  list_->clear();
  list_->hide();
}

bool StationPicker::eventFilter(QObject* watched, QEvent* event) {
  const bool fromList = watched == list_;
  if (!fromList && watched != box_) return false;  // a box the list does not serve now
  if (event->type() == QEvent::KeyPress && !list_->isHidden()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    return fromList ? ListKey(key) : BoxKey(key);
  }
  // A menu that opens over the box or the list (their context menus) keeps
  // the list.
  if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    FocusMoved(QApplication::focusWidget());
  return false;
}

bool StationPicker::BoxKey(int key) {
  if (key == Qt::Key_Down) {
    list_->setCurrentRow(0);
    list_->setFocus(Qt::OtherFocusReason);
    return true;
  }
  if (key == Qt::Key_Escape) {
    Close();
    return true;
  }
  // Enter takes the highlighted name, the first when none is.
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    Pick(std::max(list_->currentRow(), 0));
    return true;
  }
  return false;
}

bool StationPicker::ListKey(int key) {
  QLineEdit* box = box_;
  const bool backUp = key == Qt::Key_Up && list_->currentRow() <= 0;
  if (!box || !(key == Qt::Key_Escape || backUp)) return false;  // the list walks and picks by itself
  if (key == Qt::Key_Escape) Close();
  box->setFocus(Qt::OtherFocusReason);
  return true;
}

void StationPicker::FocusMoved(QWidget* now) {
  if (now != list_ && now != box_ && !list_->isHidden()) Close();
}

void StationPicker::Pick(int index) {
  QLineEdit* box = box_;
  if (index < 0 || index >= matches_.count() || !box) return;
  // Filling the box may fill the list anew (the query panel completes on
  // every change); the list closes all the same.
  box->setText(StationBoxText(QString::fromStdString(matches_.names[index])));
  emit picked(box);
  Close();
}

}  // namespace kw
