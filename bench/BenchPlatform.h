// What the window benchmarks share: the desktop's services with no message
// box waiting for a person and no address opened, and the process's memory
// figures.
#pragma once

#include <QString>
#include <QUrl>
#include <fstream>
#include <iostream>
#include <string>

#include "ui/Platform.h"

namespace kw::bench {

class BenchPlatform {
 public:
  // `program` names the benchmark in the messages it prints.
  explicit BenchPlatform(const char* program) : messages_(program), platform_(DesktopPlatform()) {
    platform_.messages = &messages_;
    platform_.shell = &shell_;
  }
  BenchPlatform(const BenchPlatform&) = delete;
  BenchPlatform& operator=(const BenchPlatform&) = delete;
  Platform& Get() { return platform_; }

 private:
  // Message boxes that nobody answers: the text goes to stderr, the answer is OK.
  class PrintedMessages final : public MessageBoxes {
   public:
    explicit PrintedMessages(const char* program) : program_(program) {}
    MessageAnswer Show(QWidget*, const QString& text, MessageIcon, MessageButtons) override {
      std::cerr << program_ << ": message: " << text.toStdString() << '\n';
      return MessageAnswer::Ok;
    }

   private:
    const char* program_;
  };
  class NoShell final : public Shell {
   public:
    void Open(const QUrl&) override {}
  };

  PrintedMessages messages_;
  NoShell shell_;
  Platform platform_;
};

// A figure of /proc/self/status in kB ("VmRSS:", "VmHWM:"); 0 when it cannot be read.
inline long StatusKb(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(field.size()));
  }
  return 0;
}

}  // namespace kw::bench
