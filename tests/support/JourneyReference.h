// The reference for the journey search: every journey of one to three legs
// that ends at an arrival station is tried, train by train and change
// station by change station, straight from the rows of the database, and
// the unbeaten ones are kept by the definition. Slow on purpose; the tests
// hold the journey search to it on small timetables and the benchmarks time
// it beside the search.
#pragma once

#include <compare>
#include <string>
#include <vector>

#include "journey/JourneySearch.h"

namespace kw {
class Database;
}

namespace kw::test {

// What a journey is judged by.
struct JourneyTriple {
  int departure = 0;  // minutes after midnight
  int arrival = 0;    // minutes after the same midnight
  int changes = 0;
  auto operator<=>(const JourneyTriple&) const = default;
};

class JourneyReference {
 public:
  struct Stop {
    int station = 0;  // station.id
    int zhanci = 0;
    int arrive = 0;  // minutes after midnight of the train's first day
    int depart = 0;
  };
  struct Train {
    int id = 0;
    std::string number;
    std::vector<Stop> stops;  // in zhanci order
  };

  explicit JourneyReference(Database& db);

  // The unbeaten (departure, arrival, changes), sorted, each once.
  std::vector<JourneyTriple> Find(const JourneyRequest& request) const;

  const Train* FindTrain(int trainId) const;

 private:
  std::vector<Train> trains_;
};

// What is wrong with `journey` against the reference's rows and the request
// (empty when nothing is): legs on one train from an earlier stop to a later
// one, at the times the rows give, changes at one station onto another train
// that leaves at least the minimum change time after the arrival (and no
// later than the first such departure), from a departure station within the
// window to another arrival station, on trains of the requested types.
std::string CheckJourney(const JourneyReference& reference, const JourneyTimetable& timetable,
                         const JourneyRequest& request, const Journey& journey);

}  // namespace kw::test
