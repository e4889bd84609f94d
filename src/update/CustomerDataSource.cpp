#include "update/CustomerDataSource.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>

#include "store/CoreStrings.h"

namespace kw {

namespace {

// Byte order marks: UTF-8's (also found in front of GB18030 text) and
// GB18030's own (U+FEFF written in GB18030).
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kGb18030Bom = "\x84\x31\x95\x33";

// The number of bytes of the widest character when `text` is valid UTF-8
// (1 for plain ASCII, 0 for empty text), -1 when it is not UTF-8.
int WidestUtf8Character(std::string_view text) {
  int widest = 0;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 1;
    unsigned char low = 0x80;   // range of the second byte, which rules out
    unsigned char high = 0xBF;  // overlong forms, surrogates and > U+10FFFF
    if (lead < 0x80) {
      // ASCII
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return -1;
    }
    if (i + length > text.size()) return -1;
    if (length > 1) {
      const auto second = static_cast<unsigned char>(text[i + 1]);
      if (second < low || second > high) return -1;
    }
    for (int k = 2; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (next < 0x80 || next > 0xBF) return -1;
    }
    widest = std::max(widest, length);
    i += length;
  }
  return widest;
}

// The characters of valid UTF-8 text, one after another, until `f` returns false.
template <typename F>
bool EveryCharacter(std::string_view text, F f) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length && i + k < text.size(); ++k) c = (c << 6) | (text[i + k] & 0x3F);
    i += length;
    if (!f(c)) return false;
  }
  return true;
}

bool IsHan(char32_t c) {
  return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0x20000 && c <= 0x2FA1F);
}

// Han characters, their punctuation, radicals and full-width forms, and the
// few signs Chinese text borrows (· × — “” … ① Ⅰ).
bool IsChinese(char32_t c) {
  return IsHan(c) || c == 0xB7 || c == 0xD7 || (c >= 0x2010 && c <= 0x206F) || (c >= 0x2160 && c <= 0x217F) ||
         (c >= 0x2460 && c <= 0x24FF) || (c >= 0x2E80 && c <= 0x2FDF) || (c >= 0x3000 && c <= 0x303F) ||
         (c >= 0x3100 && c <= 0x312F) || (c >= 0x3200 && c <= 0x33FF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFFEF);
}

bool HasHan(std::string_view utf8) {
  return !EveryCharacter(utf8, [](char32_t c) { return !IsHan(c); });
}

bool IsChineseText(std::string_view utf8) {
  return EveryCharacter(utf8, [](char32_t c) { return c < 0x80 || IsChinese(c); });
}

// Reads GB18030 text as UTF-8, one line after another with one converter.
class Gb18030Reader {
 public:
  Gb18030Reader() : handle_(iconv_open("UTF-8", "GB18030")) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw UpdateFileError(
          text::Fill(text::kWhatAndWhy, {text::kUpdateCannotRead, text::kUpdateNoConverter}), 0);
    }
  }
  ~Gb18030Reader() { iconv_close(handle_); }
  Gb18030Reader(const Gb18030Reader&) = delete;
  Gb18030Reader& operator=(const Gb18030Reader&) = delete;

  // The text as UTF-8; nullopt when it is no GB18030 (a character cut off at
  // the end included).
  std::optional<std::string> Read(std::string_view bytes) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::string out(bytes.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    size_t written = 0;
    while (inLeft > 0) {
      char* to = out.data() + written;
      size_t toLeft = out.size() - written;
      const size_t rc = iconv(handle_, &in, &inLeft, &to, &toLeft);
      written = static_cast<size_t>(to - out.data());
      if (rc != static_cast<size_t>(-1)) continue;
      if (errno != E2BIG) return std::nullopt;
      out.resize(out.size() * 2);
    }
    out.resize(written);
    return out;
  }

 private:
  iconv_t handle_;
};

enum class Encoding { Ascii, Utf8, Gb18030 };

std::string_view EncodingName(Encoding encoding) { return encoding == Encoding::Utf8 ? "UTF-8" : "GB18030"; }

// How much of the file one read takes.
constexpr size_t kReadPiece = 64 << 10;

std::string_view TakeField(std::string_view& rest) {
  const size_t semicolon = rest.find(';');
  std::string_view field = rest.substr(0, semicolon);
  // Without a ";" the rest stays as it is, so later fields repeat it.
  if (semicolon != std::string_view::npos) rest.remove_prefix(semicolon + 1);
  // A field in quotes arrives without them; any other quote stays.
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
  return field;
}

}  // namespace

UpdateRecord SplitUpdateLine(std::string_view line, int lineNumber) {
  UpdateRecord record;
  record.line = lineNumber;
  record.action = TakeField(line);
  record.table = TakeField(line);
  record.id = TakeField(line);
  record.value = TakeField(line);
  return record;
}

struct UpdateLineDecoder::State {
  Gb18030Reader gb18030;
  std::optional<Encoding> declared;      // by the file's byte order mark
  std::optional<Encoding> fileEncoding;  // by the mark or the first line beyond ASCII
};

UpdateLineDecoder::UpdateLineDecoder() : state_(std::make_unique<State>()) {}
UpdateLineDecoder::~UpdateLineDecoder() = default;

std::string UpdateLineDecoder::Decode(std::string_view raw, int line) {
  State& s = *state_;
  if (line == 1) {
    // The file's mark: GB18030's declares the file GB18030; UTF-8's is also
    // found in front of GB18030 text and decides nothing.
    if (raw.starts_with(kGb18030Bom)) {
      s.declared = s.fileEncoding = Encoding::Gb18030;
      raw.remove_prefix(kGb18030Bom.size());
    } else if (raw.starts_with(kUtf8Bom)) {
      raw.remove_prefix(kUtf8Bom.size());
    }
  }
  // A mark at the start of a later line: two files joined.
  for (const std::string_view mark : {kUtf8Bom, kGb18030Bom}) {
    if (raw.starts_with(mark)) raw.remove_prefix(mark.size());
  }
  // Each line read both ways: ASCII, or the one encoding it is valid in, or
  // the reading that is Chinese.
  Encoding encoding = Encoding::Ascii;
  std::optional<std::string> asGb18030;
  const int widest = WidestUtf8Character(raw);
  if (widest < 0 || widest > 1) asGb18030 = s.gb18030.Read(raw);
  if (widest < 0) {
    if (!asGb18030) throw UpdateFileError(std::string(text::kUpdateBadEncoding), line);
    encoding = Encoding::Gb18030;
  } else if (widest > 1) {
    // Valid in both: Han characters or Chinese punctuation in UTF-8 are
    // UTF-8 (they read as GB18030 Han characters too, 测 as 娴); otherwise
    // the reading that is Chinese (平山站 in GB18030 reads as UTF-8 ƽɽվ:
    // two-byte UTF-8 characters are never Han, but always read as Han in
    // GB18030).
    if (!asGb18030 || HasHan(raw) || (widest > 2 && IsChineseText(raw))) {
      encoding = Encoding::Utf8;
    } else if (IsChineseText(*asGb18030)) {
      encoding = Encoding::Gb18030;
    } else {
      throw UpdateFileError(std::string(text::kUpdateNoChineseReading), line);
    }
  }
  if (encoding == Encoding::Ascii) return std::string(raw);
  // A file is one encoding: a line in the other would be garbled.
  if (s.fileEncoding && *s.fileEncoding != encoding) {
    throw UpdateFileError(text::Fill(s.declared ? text::kUpdateMarkMismatch : text::kUpdateMixedEncoding,
                                     {EncodingName(*s.fileEncoding)}),
                          line);
  }
  s.fileEncoding = encoding;
  return encoding == Encoding::Gb18030 ? std::move(*asGb18030) : std::string(raw);
}

std::string DecodeUpdateText(std::string_view bytes) {
  UpdateLineDecoder decoder;
  std::string out;
  int line = 0;
  text::ForEachLine(bytes, [&](std::string_view raw) {
    if (++line > 1) out += '\n';
    out += decoder.Decode(raw, line);
  });
  return out;
}

CustomerDataSource::CustomerDataSource(const std::filesystem::path& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd_ < 0) throw CannotRead(errno == ENOENT ? std::string(text::kDbMissing) : text::ErrorCause(errno));
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    const int error = errno;
    ::close(fd_);
    throw CannotRead(text::ErrorCause(error));
  }
  size_ = static_cast<long long>(st.st_size);
  if (!S_ISREG(st.st_mode) || size_ > kMaxUpdateFileBytes) {
    ::close(fd_);
    throw CannotRead(S_ISREG(st.st_mode) ? TooLarge() : std::string(text::kUpdateNotAFile));
  }
}

CustomerDataSource::~CustomerDataSource() { ::close(fd_); }

std::string CustomerDataSource::TooLarge() {
  return text::Fill(text::kUpdateTooLarge, {std::to_string(kMaxUpdateFileBytes >> 20)});
}

UpdateFileError CustomerDataSource::CannotRead(const std::string& cause) const {
  return UpdateFileError(
      text::Fill(text::kPathFailure, {text::kUpdateCannotRead, text::Excerpt(path_.string()), cause}), 0);
}

bool CustomerDataSource::Fill() {
  if (end_) return false;
  // What was taken goes; the line being read stays.
  buffer_.erase(0, start_);
  start_ = 0;
  const size_t have = buffer_.size();
  buffer_.resize(have + kReadPiece);
  ssize_t n;
  do {
    n = ::read(fd_, buffer_.data() + have, kReadPiece);
  } while (n < 0 && errno == EINTR);
  if (n < 0) {
    const int error = errno;
    buffer_.resize(have);
    throw CannotRead(text::ErrorCause(error));
  }
  buffer_.resize(have + static_cast<size_t>(n));
  read_ += n;
  // The file may grow while it is read: never more than the limit.
  if (read_ > kMaxUpdateFileBytes) throw CannotRead(TooLarge());
  end_ = n == 0;
  return n > 0;
}

bool CustomerDataSource::NextLine(std::string_view& line) {
  size_t searched = start_;  // the bytes before it hold no line end
  while (true) {
    const size_t end = buffer_.find_first_of("\r\n", searched);
    // A CR as the last byte read may be the first half of a CR LF.
    if (end != std::string::npos && !(buffer_[end] == '\r' && end + 1 == buffer_.size() && !end_)) {
      const size_t next = end + (buffer_.compare(end, 2, "\r\n") == 0 ? 2 : 1);
      line = std::string_view(buffer_).substr(start_, end - start_);
      position_ += static_cast<long long>(next - start_);
      start_ = next;
      return true;
    }
    if (end_) {
      if (start_ == buffer_.size()) return false;
      // The last line, without an end.
      line = std::string_view(buffer_).substr(start_);
      position_ += static_cast<long long>(line.size());
      start_ = buffer_.size();
      return true;
    }
    // Search on from where this search ended (a CR at the end again).
    const size_t offset = (end == std::string::npos ? buffer_.size() : end) - start_;
    Fill();
    searched = start_ + offset;
  }
}

std::optional<UpdateRecord> CustomerDataSource::Next() {
  std::string_view raw;
  while (NextLine(raw)) {
    const std::string line = decoder_.Decode(raw, ++line_);
    if (!text::Trim(line).empty()) return SplitUpdateLine(line, line_);
  }
  return std::nullopt;
}

}  // namespace kw
