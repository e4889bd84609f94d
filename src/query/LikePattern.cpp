#include "query/LikePattern.h"

namespace kw {

std::string EscapeLike(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '%' || c == '_' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

PrefixPattern MakePrefixPattern(std::string_view text) {
  const bool escaped = text.find_first_of("%_\\") != std::string_view::npos;
  return {(escaped ? EscapeLike(text) : std::string(text)) + "%", escaped};
}

}  // namespace kw
