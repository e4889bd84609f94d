// Prefix patterns for LIKE: the typed text bound as one parameter, its
// wildcards taken literally.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kw {

// Texts longer than this (bytes) match nothing by prefix or by content: no
// station name or train number comes near it, and SQLite refuses LIKE and
// GLOB patterns over 50,000 bytes.
inline constexpr size_t kMaxPatternText = 10000;

// `text` escaped for a LIKE pattern with ESCAPE '\': %, _ and \ are taken
// literally.
std::string EscapeLike(std::string_view text);

// A prefix match of `text`, bound as one parameter: `pattern` is the text
// followed by "%", and `escaped` says whether the statement needs the clause
// ESCAPE '\' (only when the text holds %, _ or \ of its own, which are then
// escaped in the pattern). Without the clause the match walks the index.
struct PrefixPattern {
  std::string pattern;
  bool escaped = false;
};
PrefixPattern MakePrefixPattern(std::string_view text);

}  // namespace kw
