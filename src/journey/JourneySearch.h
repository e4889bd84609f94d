// Journeys with changes that really connect: over one day of departures, the
// itineraries of one to three trains from a family of stations to another
// that a traveller would take.
//
// Every train runs every day. A change at a station catches the first
// departure of another train there that leaves at least the minimum change
// time after the arrival, on the same day or a later one.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "journey/JourneyTimetable.h"

namespace kw {

inline constexpr int kMaxChanges = 2;
inline constexpr int kDefaultMinChange = 30;
inline constexpr int kMaxMinChange = 180;
inline constexpr int kDefaultSlack = 30;
inline constexpr int kMaxSlack = 120;

struct JourneyRequest {
  std::vector<int> fromStations;  // station ids; a journey may start at any of them
  std::vector<int> toStations;    // station ids; and end at any of them
  int earliestDeparture = 0;      // minutes after midnight: the first train leaves
  int latestDeparture = kMinutesPerDay - 1;  // between these two, both included
  int maxChanges = 2;             // 0, 1 or 2
  int minChange = 30;             // minutes, 0..180
  TrainTypes types = kAllTrainTypes;  // every leg's train is of one of these types
  int slack = kDefaultSlack;  // minutes, 0..120: what each extra change must save
};

struct JourneyLeg {
  int train = 0;       // index into JourneyTimetable::trains
  int boardStop = 0;   // indexes into JourneyTimetable::stops
  int alightStop = 0;
  // Minutes after midnight of the journey's departure day (past 1440 on a
  // later day).
  int boardMinutes = 0;
  int alightMinutes = 0;
  int waitMinutes = 0;  // since the previous leg arrived; 0 on the first leg
};

struct Journey {
  int departureMinutes = 0;  // after midnight of the departure day, 0..1439
  int arrivalMinutes = 0;    // after that same midnight
  std::vector<JourneyLeg> legs;

  int changes() const { return static_cast<int>(legs.size()) - 1; }
  int durationMinutes() const { return arrivalMinutes - departureMinutes; }
};

// Every journey that no other beats. The others are the journeys leaving
// within the window on the same day or on any later one. A journey is beaten
// by one that leaves no earlier, arrives no later and has no more changes
// while being better in one of the three; and, with k changes, by one with
// k' < k changes that leaves at most slack * (k - k') minutes earlier and
// arrives at most as much later (a change must save the slack). Of the
// journeys with the same departure, arrival and changes one is given: the
// one whose shortest change wait is longest, then the one of fewest km. A
// journey never ends where it began. In no particular order.
std::vector<Journey> FindJourneys(const JourneyTimetable& timetable, const JourneyRequest& request);

// How a list of journeys is ordered. Ties go by departure, then arrival.
enum class JourneySort { Departure, Arrival, Duration, Changes };

// Whether `a` comes before `b` in that order.
bool JourneyBefore(const Journey& a, const Journey& b, JourneySort sort);
void SortJourneys(std::vector<Journey>& journeys, JourneySort sort);

// "depart", "arrive", "duration" or "changes".
std::optional<JourneySort> ParseJourneySort(std::string_view name);

}  // namespace kw
