// Pinyin of station names that the shipped station table does not know,
// spelled from the characters' readings (Unihan's kMandarin, made into a
// table by the build).
#pragma once

#include <string>
#include <string_view>

namespace kw::gtfs {

// The reading of one character, lower case, without tone, ü written v
// ("zhan" for 站); empty for a character without one.
std::string_view CharacterReading(char32_t character);

struct NamePinyin {
  std::string jm;  // initials: "bjn"
  std::string py;  // full pinyin: "beijingnan"
};

// The initials and full pinyin of `name` (UTF-8): each character's reading;
// ASCII letters and digits as they are, in lower case; other characters
// left out.
NamePinyin SpellName(std::string_view name);

}  // namespace kw::gtfs
