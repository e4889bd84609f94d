#include "gtfs/CsvReader.h"

#include <algorithm>

#include "gtfs/FeedError.h"
#include "store/CoreStrings.h"

namespace kw {

size_t FindInvalidUtf8(std::string_view text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t length;
    unsigned int low = 0x80, high = 0xBF;  // bounds of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;   // no overlong forms
      if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
      return i;
    }
    if (i + length > n) return i;
    if (s[i + 1] < low || s[i + 1] > high) return i;
    for (size_t k = 2; k < length; ++k) {
      if (s[i + k] < 0x80 || s[i + k] > 0xBF) return i;
    }
    i += length;
  }
  return std::string_view::npos;
}

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

CsvReader::CsvReader(std::string fileName, std::string bytes)
    : fileName_(std::move(fileName)), bytes_(std::move(bytes)) {
  if (bytes_.rfind("\xEF\xBB\xBF", 0) == 0) pos_ = 3;
  const size_t bad = FindInvalidUtf8(bytes_);
  if (bad != std::string::npos) {
    const int line = 1 + static_cast<int>(std::count(bytes_.begin(), bytes_.begin() + static_cast<long>(bad), '\n'));
    throw FeedError(fileName_, line, std::string(text::kGtfsNotUtf8));
  }
  if (!ReadRecord()) throw FeedError(fileName_, 1, std::string(text::kGtfsNoHeader));
  for (size_t i = 0; i < fieldCount_; ++i) header_.emplace_back(Trim(fields_[i]));
}

int CsvReader::Column(std::string_view name) const {
  for (size_t i = 0; i < header_.size(); ++i) {
    if (header_[i] == name) return static_cast<int>(i);
  }
  return -1;
}

int CsvReader::Require(std::string_view name) const {
  const int column = Column(name);
  if (column < 0) throw FeedError(fileName_, 1, text::Fill(text::kGtfsMissingColumn, {name}));
  return column;
}

bool CsvReader::Next() { return ReadRecord(); }

std::string_view CsvReader::Field(int column) const {
  if (column < 0 || static_cast<size_t>(column) >= fieldCount_) return {};
  return fields_[static_cast<size_t>(column)];
}

bool CsvReader::ReadRecord() {
  const size_t n = bytes_.size();
  // Empty lines between records are passed over.
  while (pos_ < n && (bytes_[pos_] == '\n' || bytes_[pos_] == '\r')) {
    if (bytes_[pos_] == '\n') ++line_;
    ++pos_;
  }
  if (pos_ >= n) return false;
  recordLine_ = line_;
  fieldCount_ = 0;
  while (true) {
    if (fields_.size() <= fieldCount_) fields_.emplace_back();
    std::string& field = fields_[fieldCount_++];
    field.clear();
    if (pos_ < n && bytes_[pos_] == '"') {
      ++pos_;
      while (true) {
        if (pos_ >= n) throw FeedError(fileName_, recordLine_, std::string(text::kGtfsUnclosedQuote));
        const char c = bytes_[pos_++];
        if (c == '"') {
          if (pos_ < n && bytes_[pos_] == '"') {
            field += '"';
            ++pos_;
            continue;
          }
          break;
        }
        if (c == '\n') ++line_;
        field += c;
      }
      // Only spaces may stand between the closing quote and the separator.
      while (pos_ < n && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t')) ++pos_;
      if (pos_ < n && bytes_[pos_] != ',' && bytes_[pos_] != '\n' && bytes_[pos_] != '\r') {
        throw FeedError(fileName_, line_, std::string(text::kGtfsStrayQuote));
      }
    } else {
      const size_t start = pos_;
      while (pos_ < n && bytes_[pos_] != ',' && bytes_[pos_] != '\n' && bytes_[pos_] != '\r') {
        if (bytes_[pos_] == '"') throw FeedError(fileName_, line_, std::string(text::kGtfsStrayQuote));
        ++pos_;
      }
      field.assign(Trim(std::string_view(bytes_).substr(start, pos_ - start)));
    }
    if (pos_ < n && bytes_[pos_] == ',') {
      ++pos_;
      continue;
    }
    // The end of the record: CRLF, LF, a lone CR or the end of the file.
    if (pos_ < n && bytes_[pos_] == '\r') ++pos_;
    if (pos_ < n && bytes_[pos_] == '\n') {
      ++pos_;
      ++line_;
    }
    return true;
  }
}

}  // namespace kw
