#include "query/TrainType.h"

#include <cctype>

namespace kw {

TrainType TrainTypeOf(std::string_view number) {
  if (number.empty()) return TrainType::Other;
  switch (std::toupper(static_cast<unsigned char>(number.front()))) {
    case 'G': return TrainType::G;
    case 'C': return TrainType::C;
    case 'D': return TrainType::D;
    case 'Z': return TrainType::Z;
    case 'T': return TrainType::T;
    case 'K': return TrainType::K;
    default: return TrainType::Other;
  }
}

std::optional<TrainTypes> ParseTrainTypes(std::string_view letters) {
  static constexpr std::string_view kLetters = "GCDZTKO";
  if (letters.empty()) return std::nullopt;
  TrainTypes types = 0;
  for (char c : letters) {
    const size_t i = kLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (i == std::string_view::npos) return std::nullopt;
    types |= 1u << i;
  }
  return types;
}

}  // namespace kw
