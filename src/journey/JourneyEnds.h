// The From and To of a journey search, as typed: spaces do not count, and
// each text names every station whose name begins with it (北京 → 北京,
// 北京西, 北京南 ...).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kw {

class Database;

struct JourneyEnds {
  enum class Fault {
    None,
    Missing,    // a text is empty
    Same,       // both texts are the same
    NoStation,  // no station's name begins with a text
  };
  Fault fault = Fault::None;
  std::string message;  // what is wrong, for the user; empty when nothing is
  std::string from;     // the texts without spaces
  std::string to;
  std::vector<int> fromStations;  // station ids, when nothing is wrong
  std::vector<int> toStations;
};

// Throws DatabaseError when the database cannot be read.
JourneyEnds FindJourneyEnds(Database& db, std::string_view fromText, std::string_view toText);

}  // namespace kw
