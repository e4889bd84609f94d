// Reading an update file. Each line holds one row action in four fields
// separated by semicolons, action;table;id;value:
//
//   insert;station;5;5,"北京","bj"
//   update;pass;12,5;arrive=8.3,depart=8.35
//   delete;station;5
//
// The file is UTF-8 or GB18030 (the code page in which update files for
// Simplified Chinese Windows are written); see DecodeUpdateText. Only a
// regular file of at most kMaxUpdateFileBytes is read, one line at a time:
// a bad line is found when it is read, and nothing of the lines already
// read is kept here.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// The largest update file read (the whole national timetable as insert
// lines takes under 5 MB).
inline constexpr long long kMaxUpdateFileBytes = 64LL << 20;

struct UpdateRecord {
  std::string action;  // "insert", "update" or "delete" (blanks around it do not count)
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

// Decodes the lines of one update file, one after another, keeping what a
// line tells about the file's encoding (see DecodeUpdateText).
class UpdateLineDecoder {
 public:
  UpdateLineDecoder();
  ~UpdateLineDecoder();
  UpdateLineDecoder(const UpdateLineDecoder&) = delete;
  UpdateLineDecoder& operator=(const UpdateLineDecoder&) = delete;
  // Line `line` (counted from 1, without its end) as UTF-8; the first line
  // may begin with the file's byte order mark. Throws UpdateFileError.
  std::string Decode(std::string_view raw, int line);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The records of one update file in file order, each read, decoded and split
// when it is asked for. Empty lines (or lines of blanks) are no records but
// count as lines. Throws UpdateFileError: when created, for a file that
// cannot be opened, is no regular file (a pipe, a device) or is larger than
// kMaxUpdateFileBytes; from Next(), for the first line that cannot be read.
class CustomerDataSource {
 public:
  explicit CustomerDataSource(const std::filesystem::path& path);
  ~CustomerDataSource();
  CustomerDataSource(const CustomerDataSource&) = delete;
  CustomerDataSource& operator=(const CustomerDataSource&) = delete;

  // The next record; nullopt after the last.
  std::optional<UpdateRecord> Next();
  // Bytes of the file up to the end of the last line read, and the file's size.
  long long Position() const { return position_; }
  long long Size() const { return size_; }

 private:
  // The next line's bytes, without its end; false at the end of the file.
  bool NextLine(std::string_view& line);
  // Reads more of the file into the buffer; false at its end.
  bool Fill();
  static std::string TooLarge();
  UpdateFileError CannotRead(const std::string& cause) const;

  std::filesystem::path path_;
  int fd_ = -1;
  std::string buffer_;  // bytes read and not yet taken, from start_
  size_t start_ = 0;
  bool end_ = false;
  long long read_ = 0;
  long long position_ = 0;
  long long size_ = 0;
  int line_ = 0;
  UpdateLineDecoder decoder_;
};

// The four fields of one line (without its line end). Each field is the text
// up to the next ";"; when there is none, it and every later field are the
// whole rest of the line ("insert;station;5" has id 5 and value 5). A field
// that both begins and ends with a double quote loses the two; a quote
// anywhere else stays where it is (and a table name or key holding one is
// refused when the record is applied).
UpdateRecord SplitUpdateLine(std::string_view line, int lineNumber);

// The text of an update file as UTF-8, its lines joined by LF. A file is
// one encoding, UTF-8 or GB18030, read line by line: a line that is only one
// of them is that one; a line valid in both is UTF-8 when it holds Han
// characters in UTF-8, else the reading whose characters are Chinese (the
// GB18030 bytes of 平山站 read as UTF-8 ƽɽվ). GB18030's byte order mark
// declares the file GB18030; UTF-8's may stand in front of either. A mark at
// the start of a later line (two files joined) is dropped. Throws
// UpdateFileError naming the first line that is in neither encoding, has no
// Chinese reading, or breaks the encoding of the mark or of the first line
// beyond ASCII.
std::string DecodeUpdateText(std::string_view bytes);

}  // namespace kw
