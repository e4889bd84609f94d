// Test doubles of the desktop services: message boxes that record what they
// were asked to show and answer from a script, and a shell that records the
// addresses it was asked to open.
#pragma once

#include <QString>
#include <QUrl>
#include <deque>
#include <vector>

#include "ui/Platform.h"

namespace kw::test {

class RecordingMessageBoxes final : public MessageBoxes {
 public:
  struct Shown {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
  };

  MessageAnswer Show(QWidget*, const QString& text, MessageIcon icon, MessageButtons buttons) override {
    shown.push_back({text, icon, buttons});
    if (answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  // The texts shown so far, in order.
  std::vector<QString> Texts() const {
    std::vector<QString> texts;
    for (const auto& s : shown) texts.push_back(s.text);
    return texts;
  }

  std::vector<Shown> shown;
  // Answers given in turn; OK once they run out.
  std::deque<MessageAnswer> answers;
};

class RecordingShell final : public Shell {
 public:
  void Open(const QUrl& url) override { opened.push_back(url); }
  std::vector<QUrl> opened;
};

// A platform made of the two recorders.
struct RecordingPlatform {
  RecordingPlatform() = default;
  RecordingPlatform(const RecordingPlatform&) = delete;
  RecordingPlatform& operator=(const RecordingPlatform&) = delete;
  RecordingMessageBoxes messages;
  RecordingShell shell;
  Platform platform{&messages, &shell};
};

}  // namespace kw::test
