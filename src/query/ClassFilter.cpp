#include "query/ClassFilter.h"

#include <algorithm>

#include "store/CoreStrings.h"

namespace kw {

bool IsClassOption(std::string_view text) {
  return std::find(text::kClassOptions.begin(), text::kClassOptions.end(), text) != text::kClassOptions.end();
}

std::array<std::string_view, 2> ClassTexts(std::string_view option) {
  return {option, option == text::kFamilySlow ? text::kSlowTrainClass : option};
}

bool ClassMatches(std::string_view className, std::string_view option) {
  if (option.empty()) return true;
  const auto texts = ClassTexts(option);
  return std::any_of(texts.begin(), texts.end(),
                     [&](std::string_view text) { return className.find(text) != std::string_view::npos; });
}

}  // namespace kw
