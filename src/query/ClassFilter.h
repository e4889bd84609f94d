// The train-class options of the query panel (特快, 快速, 普快, 普慢): with one
// chosen, the searches list only trains whose class name contains its text.
#pragma once

#include <array>
#include <string_view>

namespace kw {

// Whether `text` is one of the options (text::kClassOptions).
bool IsClassOption(std::string_view text);

// The texts a class name must contain one of to pass `option`: the option's
// own, and for 普慢 also 普客, the name slow trains go by (else the option's
// own again). Statements that test the class in SQL bind these two.
std::array<std::string_view, 2> ClassTexts(std::string_view option);

// Whether a class name passes the option; every class passes the empty option.
bool ClassMatches(std::string_view className, std::string_view option);

}  // namespace kw
