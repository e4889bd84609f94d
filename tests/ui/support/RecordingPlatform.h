// Test doubles of the desktop services: message boxes that record what they
// were asked to show and answer from a script, and a shell that records the
// addresses it was asked to open.
#pragma once

#include <QGuiApplication>
#include <QString>
#include <QUrl>
#include <deque>
#include <string>
#include <vector>

#include "support/RecordingPrintSurface.h"
#include "ui/Platform.h"

namespace kw::test {

class RecordingMessageBoxes final : public MessageBoxes {
 public:
  struct Shown {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    bool busy;  // shown while the busy cursor was on
  };

  MessageAnswer Show(QWidget*, const QString& text, MessageIcon icon, MessageButtons buttons) override {
    shown.push_back({text, icon, buttons, QGuiApplication::overrideCursor() != nullptr});
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

  // Each message so far as "<icon> <buttons>: <text>" (icon i, ! or x;
  // buttons OK or OK/Cancel), its text cut after `chars` characters where
  // only its start is fixed: one comparison for what a box said and how.
  std::vector<std::string> Said(qsizetype chars = -1) const {
    std::vector<std::string> said;
    for (const auto& s : shown) {
      const char* icons[] = {"i", "!", "x"};  // in MessageIcon's order
      std::string line = icons[static_cast<int>(s.icon)];
      line += s.buttons == MessageButtons::Ok ? " OK: " : " OK/Cancel: ";
      said.push_back(line + s.text.left(chars).toStdString());
    }
    return said;
  }

  std::vector<Shown> shown;
  // Answers given in turn; OK once they run out.
  std::deque<MessageAnswer> answers;
};

// What RecordingMessageBoxes::Said() lists.
using Said = std::vector<std::string>;

class RecordingShell final : public Shell {
 public:
  void Open(const QUrl& url) override { opened.push_back(url); }
  std::vector<QUrl> opened;
};

// File dialogs that answer the paths they are given, in turn (empty, i.e.
// cancelled, once they run out).
class ScriptedFileDialogs final : public FileDialogs {
 public:
  QString OpenFile(QWidget*, const QString&, const QString&) override {
    ++asked;
    return Next(paths);
  }
  QString SaveFile(QWidget*, const QString&, const QString& suggestedName, const QString&) override {
    ++saveAsked;
    suggested = suggestedName;
    return Next(savePaths);
  }
  std::deque<QString> paths;  // answers of the open-file dialog
  int asked = 0;
  std::deque<QString> savePaths;  // answers of the save-file dialog
  int saveAsked = 0;
  QString suggested;  // the name the save-file dialog offered last

 private:
  static QString Next(std::deque<QString>& answers) {
    if (answers.empty()) return {};
    const QString path = answers.front();
    answers.pop_front();
    return path;
  }
};

// A platform made of the recorders.
struct RecordingPlatform {
  RecordingPlatform() = default;
  RecordingPlatform(const RecordingPlatform&) = delete;
  RecordingPlatform& operator=(const RecordingPlatform&) = delete;
  RecordingMessageBoxes messages;
  RecordingShell shell;
  ScriptedFileDialogs files;
  RecordingPrinters printers;
  Platform platform{&messages, &shell, &files, &printers};
};

}  // namespace kw::test
