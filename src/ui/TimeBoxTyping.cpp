#include "ui/TimeBoxTyping.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTimeEdit>
#include <optional>

namespace kw {

namespace {

// Hours and minutes that digits typed in the hour section stand for
// (minutes: none while only the hour is typed); nullopt when they stand for
// no time.
struct TypedClock {
  int hour;
  std::optional<int> minute;
};

std::optional<TypedClock> HourSectionTime(const QString& digits) {
  if (digits.isEmpty() || digits.size() > 4) return std::nullopt;
  const int twoDigitHour = digits.size() >= 2 ? digits.left(2).toInt() : 99;
  const int hourDigits = twoDigitHour <= 23 ? 2 : 1;
  const QString minutes = digits.mid(hourDigits);
  if (minutes.size() > 2) return std::nullopt;
  TypedClock clock{digits.left(hourDigits).toInt(), std::nullopt};
  if (!minutes.isEmpty()) clock.minute = minutes.size() == 1 ? minutes.toInt() * 10 : minutes.toInt();
  if (clock.minute > 59) return std::nullopt;
  return clock;
}

// The minutes that digits typed in the minute section stand for.
std::optional<int> MinuteSectionTime(const QString& digits) {
  if (digits.isEmpty() || digits.size() > 2) return std::nullopt;
  const int minute = digits.toInt();
  if (minute > 59) return std::nullopt;
  return minute;
}

bool IsSeparator(const QString& text) {
  return text == QStringLiteral(":") || text == QStringLiteral("：") || text == QStringLiteral(".");
}

// Watches one box: the digits typed into it since it took the focus or
// the cursor moved to another section.
class TimeTyping : public QObject {
 public:
  explicit TimeTyping(QTimeEdit* box) : QObject(box), box_(box) { box->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) typed_.clear();
    if (watched != box_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
      typed_.clear();
      return false;
    }
    if (IsSeparator(text)) {
      typed_.clear();
      box_->setCurrentSection(QDateTimeEdit::MinuteSection);
      return true;
    }
    if (text.size() != 1 || !text[0].isDigit()) {
      typed_.clear();
      return false;
    }
    // A click or an arrow key moved the cursor since: typing starts anew there.
    if (box_->currentSection() != section_) typed_.clear();
    if (typed_.isEmpty()) section_ = box_->currentSection();
    if (section_ == QDateTimeEdit::MinuteSection) {
      TypeMinutes(text);
    } else {
      TypeHours(text);
    }
    return true;
  }

 private:
  void TypeHours(const QString& digit) {
    std::optional<TypedClock> clock = HourSectionTime(typed_ + digit);
    typed_ += digit;
    if (!clock) {
      clock = HourSectionTime(digit);
      typed_ = digit;
    }
    const int minute = clock->minute.value_or(box_->time().minute());
    box_->setTime(QTime(clock->hour, minute));
    box_->setCurrentSection(QDateTimeEdit::HourSection);
  }

  void TypeMinutes(const QString& digit) {
    std::optional<int> minute = MinuteSectionTime(typed_ + digit);
    typed_ += digit;
    if (!minute) {
      minute = MinuteSectionTime(digit);
      typed_ = digit;
    }
    box_->setTime(QTime(box_->time().hour(), *minute));
    box_->setCurrentSection(QDateTimeEdit::MinuteSection);
  }

  QTimeEdit* box_;
  QString typed_;
  QDateTimeEdit::Section section_ = QDateTimeEdit::HourSection;
};

}  // namespace

void TakeTypedTimes(QTimeEdit* box) { new TimeTyping(box); }

}  // namespace kw
