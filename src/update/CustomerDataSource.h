// Reading an update file. Each line holds one row action in four fields
// separated by semicolons, action;table;id;value:
//
//   insert;station;5;5,"北京","bj"
//   update;pass;12,5;arrive=8.3,depart=8.35
//   delete;station;5
//
// The file is UTF-8 when it reads as UTF-8, otherwise GB18030 (the code page
// in which update files for Simplified Chinese Windows are written); see
// DecodeUpdateText.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

struct UpdateRecord {
  std::string action;  // "insert", "update" or "delete"; any other text does nothing
  std::string table;   // one of the timetable's tables
  std::string id;      // key of the row; "trainid,station" for pass
  std::string value;   // insert: the row's values; update: column=value assignments
  int line = 0;        // line of the file, counted from 1
};

// An update file that cannot be read as text. Line() is the line where the
// text stops being readable, 0 when the file as a whole cannot be read.
class UpdateFileError : public std::runtime_error {
 public:
  UpdateFileError(const std::string& message, int line) : std::runtime_error(message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

// The records of one update file, read completely when it is created, in
// file order. Empty lines (or lines of blanks) are no records but count as
// lines. Throws UpdateFileError.
class CustomerDataSource {
 public:
  explicit CustomerDataSource(const std::filesystem::path& path);
  const std::vector<UpdateRecord>& Records() const { return records_; }

 private:
  std::vector<UpdateRecord> records_;
};

// The four fields of one line (without its line end). Each field is the text
// up to the next ";"; when there is none, it and every later field are the
// whole rest of the line ("insert;station;5" has id 5 and value 5). A field
// whose first character is a double quote loses its first and its last
// character.
UpdateRecord SplitUpdateLine(std::string_view line, int lineNumber);

// The text of an update file as UTF-8. A byte order mark is dropped:
// GB18030's own means a GB18030 body; UTF-8's may stand in front of either.
// Otherwise the file is UTF-8 when it reads as UTF-8, else GB18030; valid
// UTF-8 without a mark whose only characters beyond ASCII are two-byte ones
// is no Chinese text: it is read as GB18030 when it reads as such. A file is
// one encoding: one with lines of Chinese text in UTF-8 and lines that are
// no UTF-8 is refused, naming the first line that breaks the encoding of the
// line that came first. Throws UpdateFileError naming the line.
std::string DecodeUpdateText(std::string_view bytes);

}  // namespace kw
