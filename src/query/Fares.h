// Fares. The fare table holds ready-made fare texts per distance band and fare
// family; a journey takes the band of its distance and the columns of its
// train's family. Also the one rule for what the lists, the detail window and
// the prints show of a journey's distance and fares: "暂缺" where either is
// not known.
#pragma once

#include <array>
#include <optional>
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
  // The class has one of the five fare families and the distance a band.
  bool priced = false;
};

// The seven fares of a journey of `distance` km on a train of class `kindId`.
// A class whose family is not one of the five, or a distance beyond the last
// band, gives empty fare texts (and "无卧铺" under 400 km).
FareSet LookupFares(Database& db, int kindId, int distance);

// Whether a stop's distance from the train's first station is known: the
// first stop is at 0 km; 0 km or less at a later stop means not known.
bool StopDistanceKnown(int km, bool firstStop);

// The distance of a journey from its boarding to its alighting stop, given
// their distances from the train's first station; nullopt when either is not
// known or the journey comes out 0 km or less. A whole route runs from the
// first stop (0 km) to the train's distance.
std::optional<int> JourneyDistance(int boardKm, bool boardIsFirst, int alightKm);

// "1463", or "暂缺" for a distance that is not known.
std::string DistanceText(std::optional<int> km);

// The lists that show a hard-seat fare write a row's figures differently.
enum class RowStyle {
  Station,  // " 137 ", "20 "; international beyond 6000 km
  Number,   // " 1463", " 150"; international from 6000 km on
};

struct RowFigures {
  std::string distanceText;
  std::string fareText;  // the hard-seat fare, "暂缺" or "国际列车", padded as the list writes it
  bool international = false;
};

// The distance and hard-seat fare texts of a result row for a journey of
// `distance` km (nullopt: not known) on a train of class `kindId`. No fare
// is looked up for an unknown distance or an international journey; an
// unknown distance or fare reads "暂缺".
RowFigures RowDistanceFare(Database& db, RowStyle style, int kindId, std::optional<int> distance);

// The seven texts of the detail window's fare panel, in panel order, for a
// journey of `distance` km (nullopt: not known) on a train of class
// `kindId`: each fare followed by one space; "无卧铺" in all five berth
// fields when the train's family has no sleeper fare (and "无卧铺 " under
// 400 km); "暂缺" for every other fare that is not known.
std::array<std::string, 7> FarePanelTexts(Database& db, int kindId, std::optional<int> distance);

// Splits a fare column: shape 'Z' a seat column "hard,soft" into seatFares,
// shape 'W' a sleeper column "a,b,c,d,e," into sleeperFares; other shapes do
// nothing. Missing pieces stay empty.
void SplitFares(std::string_view text, char shape, FareSet& fares);

}  // namespace kw
