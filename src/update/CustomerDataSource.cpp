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
          std::string(text::kUpdateCannotRead) + "：" + std::string(text::kUpdateNoConverter), 0);
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

// Opens `path` for reading when it is a regular file (never waiting on a
// pipe or a device) of at most kMaxUpdateFileBytes, and reads it whole.
std::string ReadBytes(const std::filesystem::path& path) {
  const auto fail = [&](std::string_view cause) {
    return UpdateFileError(
        std::string(text::kUpdateCannotRead) + " " + text::Excerpt(path.string()) + "：" + std::string(cause),
        0);
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) throw fail(errno == ENOENT ? std::string(text::kDbMissing) : text::ErrorCause(errno));
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw fail(text::ErrorCause(errno));
  if (!S_ISREG(st.st_mode)) throw fail(text::kUpdateNotAFile);
  const auto tooLarge = [&] {
    return fail(text::Fill(text::kUpdateTooLarge, {std::to_string(kMaxUpdateFileBytes >> 20)}));
  };
  if (st.st_size > kMaxUpdateFileBytes) throw tooLarge();
  // The file may grow while it is read: never more than the limit.
  std::string bytes(static_cast<size_t>(st.st_size) + 1, '\0');
  size_t have = 0;
  while (true) {
    if (have == bytes.size()) {
      if (bytes.size() > static_cast<size_t>(kMaxUpdateFileBytes)) throw tooLarge();
      bytes.resize(std::min(bytes.size() * 2, static_cast<size_t>(kMaxUpdateFileBytes) + 1));
    }
    const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw fail(text::ErrorCause(errno));
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  bytes.resize(have);
  return bytes;
}

std::string_view TakeField(std::string_view& rest) {
  const size_t semicolon = rest.find(';');
  std::string_view field = rest.substr(0, semicolon);
  // Without a ";" the rest stays as it is, so later fields repeat it.
  if (semicolon != std::string_view::npos) rest.remove_prefix(semicolon + 1);
  if (!field.empty() && field.front() == '"') {
    field.remove_prefix(1);
    // The last character, all of its bytes.
    size_t last = field.size();
    while (last > 0 && !text::BeginsCharacter(field[last - 1])) --last;
    field = field.substr(0, last > 0 ? last - 1 : 0);
  }
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

std::string DecodeUpdateText(std::string_view bytes) {
  // The file's mark: GB18030's declares the file GB18030; UTF-8's is also
  // found in front of GB18030 text and decides nothing.
  std::optional<Encoding> declared;
  if (bytes.starts_with(kGb18030Bom)) {
    declared = Encoding::Gb18030;
    bytes.remove_prefix(kGb18030Bom.size());
  } else if (bytes.starts_with(kUtf8Bom)) {
    bytes.remove_prefix(kUtf8Bom.size());
  }
  Gb18030Reader gb18030;
  std::optional<Encoding> fileEncoding = declared;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  int line = 0;
  text::ForEachLine(bytes, [&](std::string_view raw) {
    ++line;
    if (line > 1) out += '\n';
    // A mark at the start of a later line: two files joined.
    for (const std::string_view mark : {kUtf8Bom, kGb18030Bom}) {
      if (raw.starts_with(mark)) raw.remove_prefix(mark.size());
    }
    // Each line read both ways: ASCII, or the one encoding it is valid in, or
    // the reading that is Chinese.
    Encoding encoding = Encoding::Ascii;
    std::optional<std::string> asGb18030;
    const int widest = WidestUtf8Character(raw);
    if (widest < 0 || widest > 1) asGb18030 = gb18030.Read(raw);
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
    if (encoding != Encoding::Ascii) {
      // A file is one encoding: a line in the other would be garbled.
      if (fileEncoding && *fileEncoding != encoding) {
        throw UpdateFileError(text::Fill(declared ? text::kUpdateMarkMismatch : text::kUpdateMixedEncoding,
                                         {EncodingName(*fileEncoding)}),
                              line);
      }
      fileEncoding = encoding;
    }
    out += encoding == Encoding::Gb18030 ? std::string_view(*asGb18030) : raw;
  });
  return out;
}

CustomerDataSource::CustomerDataSource(const std::filesystem::path& path) {
  const std::string text = DecodeUpdateText(ReadBytes(path));
  int lineNumber = 0;
  text::ForEachLine(text, [&](std::string_view line) {
    ++lineNumber;
    if (!text::Trim(line).empty()) records_.push_back(SplitUpdateLine(line, lineNumber));
  });
}

}  // namespace kw
