// A GTFS feed that cannot become a timetable, or a timetable that cannot be
// written as one.
#pragma once

#include <stdexcept>
#include <string>

namespace kw {

// what() is one Chinese line naming the file and, where there is one, the
// line: "stop_times.txt 第 12 行：时间 “8:7:00” 应写成 时:分:秒（H:MM:SS）".
class FeedError : public std::runtime_error {
 public:
  FeedError(std::string file, int line, const std::string& message);
  const std::string& File() const { return file_; }
  int Line() const { return line_; }  // 0 when the whole file is meant

 private:
  std::string file_;
  int line_;
};

// The import was cancelled by the user; nothing was written.
class FeedCancelled : public std::runtime_error {
 public:
  FeedCancelled();
};

}  // namespace kw
