// Reads one file of a GTFS feed: comma-separated values as RFC 4180 writes
// them (fields in double quotes may hold commas, line breaks and doubled
// quotes; lines end in CRLF or LF), UTF-8 with or without a byte-order
// mark, the first record the column names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CsvReader {
 public:
  // Takes the file's bytes and reads the column names. Throws FeedError
  // naming `fileName` and the line when the text is not UTF-8 or has no
  // column names.
  CsvReader(std::string fileName, std::string bytes);

  const std::string& FileName() const { return fileName_; }
  // The index of column `name`, or -1 when the file has none.
  int Column(std::string_view name) const;
  // The index of column `name`; a FeedError when the file has none.
  int Require(std::string_view name) const;

  // Moves to the next record; false after the last. Empty lines are passed
  // over. Throws FeedError for a quote left open or misplaced.
  bool Next();
  // The line the current record begins on (1 = the column names).
  int Line() const { return recordLine_; }
  // Field `column` of the current record; empty for -1 or a column the
  // record leaves out. Unquoted fields are trimmed of spaces.
  std::string_view Field(int column) const;

 private:
  bool ReadRecord();

  std::string fileName_;
  std::string bytes_;
  size_t pos_ = 0;
  int line_ = 1;
  int recordLine_ = 0;
  std::vector<std::string> header_;
  std::vector<std::string> fields_;
  size_t fieldCount_ = 0;
};

// The offset of the first byte of `text` that is not part of well-formed
// UTF-8, or npos.
size_t FindInvalidUtf8(std::string_view text);

}  // namespace kw
