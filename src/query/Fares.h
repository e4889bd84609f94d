// Fares. The fare table holds ready-made fare texts per distance band and fare
// family; a journey takes the band of its distance and the columns of its
// train's family.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kw {

class Database;

// Journeys and trains this long are international: the result lists show
// "国际列车" instead of a fare (a station search prices exactly 6000 km, a
// train number search does not).
inline constexpr int kInternationalDistance = 6000;

struct FareSet {
  // Hard seat, soft seat.
  std::array<std::string, 2> seatFares;
  // Hard sleeper upper, middle, lower; soft sleeper upper, lower. "无卧铺"
  // for journeys under 400 km.
  std::array<std::string, 5> sleeperFares;
  // The distance that was priced: 0 km is priced as 1 km.
  int distance = 0;
};

// The seven fares of a journey of `distance` km on a train of class `kindId`.
// A class whose family is not one of the five, or a distance beyond the last
// band, gives empty fare texts.
FareSet LookupFares(Database& db, int kindId, int distance);

// The seven texts of the detail window's fare panel, in panel order: each
// fare followed by one space; "无卧铺" in all five berth fields when the
// train has no sleeper fare.
std::array<std::string, 7> FarePanelTexts(const FareSet& fares);

// Splits a fare column: shape 'Z' a seat column "hard,soft" into seatFares,
// shape 'W' a sleeper column "a,b,c,d,e," into sleeperFares; other shapes do
// nothing. Missing pieces stay empty.
void SplitFares(std::string_view text, char shape, FareSet& fares);

}  // namespace kw
