// Kinds of train as travellers tell them apart, and the minutes of a day:
// what the station board and the journey search both filter and count by.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kw {

inline constexpr int kMinutesPerDay = 1440;

// The clock time, in minutes after midnight, of a time in minutes counted
// from any midnight (negative ones too).
constexpr int MinuteOfDay(int minutes) {
  return (minutes % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
}

// By the leading letter of the number. Other covers every number that
// begins otherwise (1461, Y1, L5 ...).
enum class TrainType : std::uint8_t { G, C, D, Z, T, K, Other };
inline constexpr int kTrainTypeCount = 7;

// A set of TrainType, one bit each.
using TrainTypes = unsigned;
inline constexpr TrainTypes kAllTrainTypes = (1u << kTrainTypeCount) - 1;
constexpr TrainTypes TypeBit(TrainType type) { return 1u << static_cast<unsigned>(type); }

TrainType TrainTypeOf(std::string_view number);

// The set named by letters of "GCDZTKO" (either case, O for Other);
// nullopt when a letter is none of them or the text is empty.
std::optional<TrainTypes> ParseTrainTypes(std::string_view letters);

}  // namespace kw
