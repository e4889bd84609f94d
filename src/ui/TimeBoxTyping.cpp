#include "ui/TimeBoxTyping.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTimeEdit>
#include <optional>

namespace kw {

namespace {

// The time that the digits stand for; nullopt when they stand for none.
std::optional<QTime> TypedTime(const QString& digits) {
  if (digits.isEmpty() || digits.size() > 4) return std::nullopt;
  const int twoDigitHour = digits.size() >= 2 ? digits.left(2).toInt() : 99;
  const int hourDigits = twoDigitHour <= 23 ? 2 : 1;
  const QString minutes = digits.mid(hourDigits);
  if (minutes.size() > 2) return std::nullopt;
  const int hour = digits.left(hourDigits).toInt();
  const int minute = minutes.isEmpty() ? 0 : minutes.size() == 1 ? minutes.toInt() * 10 : minutes.toInt();
  if (minute > 59) return std::nullopt;
  return QTime(hour, minute);
}

// Watches one box: the digits typed into it since it took the focus.
class TimeTyping : public QObject {
 public:
  explicit TimeTyping(QTimeEdit* box) : QObject(box), box_(box) { box->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) typed_.clear();
    if (watched != box_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString digit = key->text();
    if (digit.size() != 1 || !digit[0].isDigit() || key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
      typed_.clear();
      return false;
    }
    std::optional<QTime> set = TypedTime(typed_ + digit);
    typed_ += digit;
    if (!set) {
      set = TypedTime(digit);
      typed_ = digit;
    }
    box_->setTime(*set);
    return true;
  }

 private:
  QTimeEdit* box_;
  QString typed_;
};

}  // namespace

void TakeTypedTimes(QTimeEdit* box) { new TimeTyping(box); }

}  // namespace kw
