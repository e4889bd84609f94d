#include "update/CustomerDataSource.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

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

// Line (from 1) of the byte at `offset`; a line ends at CR, LF or CR LF.
int LineAt(std::string_view text, size_t offset) {
  int line = 1;
  for (size_t i = 0; i < offset && i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
  }
  return line;
}

std::string FromGb18030(std::string_view bytes) {
  const iconv_t handle = iconv_open("UTF-8", "GB18030");
  if (handle == reinterpret_cast<iconv_t>(-1)) {
    throw UpdateFileError(std::string(text::kUpdateCannotRead) + "：" + std::string(text::kUpdateNoConverter),
                          0);
  }
  const std::unique_ptr<void, int (*)(iconv_t)> closer(handle, iconv_close);
  std::string out(bytes.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  size_t written = 0;
  while (inLeft > 0) {
    char* to = out.data() + written;
    size_t toLeft = out.size() - written;
    const size_t rc = iconv(handle, &in, &inLeft, &to, &toLeft);
    written = static_cast<size_t>(to - out.data());
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    const int line = LineAt(bytes, static_cast<size_t>(in - bytes.data()));
    throw UpdateFileError(std::string(text::kUpdateBadEncoding), line);
  }
  out.resize(written);
  return out;
}

std::string ReadBytes(const std::filesystem::path& path) {
  const auto fail = [&](std::string_view cause) {
    return UpdateFileError(
        std::string(text::kUpdateCannotRead) + " " + path.string() + "：" + std::string(cause), 0);
  };
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) throw fail(text::kDbMissing);
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) throw fail(std::strerror(errno));
  std::string bytes;
  char buffer[65536];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, n);
  if (std::ferror(file.get())) throw fail(std::strerror(errno));
  return bytes;
}

std::string_view TakeField(std::string_view& rest) {
  const size_t semicolon = rest.find(';');
  std::string_view field = rest.substr(0, semicolon);
  // Without a ";" the rest stays as it is, so later fields repeat it.
  if (semicolon != std::string_view::npos) rest.remove_prefix(semicolon + 1);
  if (!field.empty() && field.front() == '"') {
    field.remove_prefix(1);
    if (!field.empty()) field.remove_suffix(1);
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
  if (bytes.starts_with(kGb18030Bom)) return FromGb18030(bytes.substr(kGb18030Bom.size()));
  const bool utf8Marked = bytes.starts_with(kUtf8Bom);
  if (utf8Marked) bytes.remove_prefix(kUtf8Bom.size());

  // Each line on its own: ASCII or two-byte characters only (either
  // encoding), Chinese text in UTF-8, or no UTF-8 at all. A line end is
  // never part of a GB18030 character, so lines split the same in both.
  int widest = 0;
  int firstUtf8 = 0;     // line of the first Chinese text in UTF-8
  int firstNotUtf8 = 0;  // line of the first bytes that are no UTF-8
  int line = 1;
  for (size_t start = 0; start <= bytes.size(); ++line) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const int lineWidest = WidestUtf8Character(bytes.substr(start, end - start));
    if (lineWidest < 0 && !firstNotUtf8) firstNotUtf8 = line;
    if (lineWidest > 2 && !firstUtf8) firstUtf8 = line;
    widest = std::max(widest, lineWidest);
    if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
  // A file is one encoding: a line that breaks the one the file reads in
  // would garble every text of the other kind.
  if (firstUtf8 && firstNotUtf8) {
    const bool readAsUtf8 = firstUtf8 < firstNotUtf8;
    throw UpdateFileError(text::Fill(text::kUpdateMixedEncoding, {readAsUtf8 ? "UTF-8" : "GB18030"}),
                          std::max(firstUtf8, firstNotUtf8));
  }
  if (firstNotUtf8) return FromGb18030(bytes);
  if (widest == 2 && !utf8Marked) {
    // Every Chinese character takes three bytes in UTF-8. Text whose widest
    // character takes two (Latin, Greek, Cyrillic ...) is GB18030 that
    // happens to read as UTF-8: 站 is D5 BE in GB18030, and D5 BE is
    // U+057E in UTF-8.
    try {
      return FromGb18030(bytes);
    } catch (const UpdateFileError&) {
    }
  }
  return std::string(bytes);
}

CustomerDataSource::CustomerDataSource(const std::filesystem::path& path) {
  const std::string text = DecodeUpdateText(ReadBytes(path));
  int lineNumber = 0;
  size_t start = 0;
  while (start < text.size()) {
    ++lineNumber;
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + start, end - start);
    if (line.find_first_not_of(" \t") != std::string_view::npos) {
      records_.push_back(SplitUpdateLine(line, lineNumber));
    }
    start = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
  }
}

}  // namespace kw
