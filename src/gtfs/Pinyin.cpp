#include "gtfs/Pinyin.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace kw::gtfs {

namespace {

struct ReadingEntry {
  char32_t character;
  std::uint16_t syllable;
};

#include "gtfs/PinyinTable.inc"

// Characters whose first reading in Unihan is not the one place names use.
struct Override {
  char32_t character;
  std::string_view reading;
};
constexpr Override kPlaceReadings[] = {
    {U'长', "chang"},  // 长春, 长沙
    {U'重', "chong"},  // 重庆
    {U'厦', "xia"},    // 厦门
    {U'蚌', "beng"},   // 蚌埠
    {U'六', "lu"},     // 六安
};

// The next character of UTF-8 `text` from `pos`; the text is well-formed.
char32_t NextCharacter(std::string_view text, size_t& pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  if (pos + static_cast<size_t>(length) > text.size()) length = static_cast<int>(text.size() - pos);
  char32_t value = length == 1 ? c : length == 2 ? (c & 0x1F) : length == 3 ? (c & 0x0F) : (c & 0x07);
  for (int i = 1; i < length; ++i) value = (value << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
  pos += static_cast<size_t>(length);
  return value;
}

}  // namespace

std::string_view CharacterReading(char32_t character) {
  for (const auto& o : kPlaceReadings) {
    if (o.character == character) return o.reading;
  }
  const auto it = std::lower_bound(std::begin(kReadings), std::end(kReadings), character,
                                   [](const ReadingEntry& r, char32_t c) { return r.character < c; });
  if (it == std::end(kReadings) || it->character != character) return {};
  return kSyllables[it->syllable];
}

NamePinyin SpellName(std::string_view name) {
  NamePinyin out;
  size_t pos = 0;
  while (pos < name.size()) {
    const char32_t c = NextCharacter(name, pos);
    if (c < 0x80) {
      if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
        out.jm += static_cast<char>(c);
        out.py += static_cast<char>(c);
      } else if (c >= 'A' && c <= 'Z') {
        out.jm += static_cast<char>(c - 'A' + 'a');
        out.py += static_cast<char>(c - 'A' + 'a');
      }
      continue;
    }
    const std::string_view reading = CharacterReading(c);
    if (reading.empty()) continue;
    out.jm += reading.front();
    out.py += reading;
  }
  return out;
}

}  // namespace kw::gtfs
