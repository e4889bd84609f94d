// What the main window remembers of the last search and hands to the train
// detail window when a result row is opened.
#pragma once

#include <string>

namespace kw {

// The kind of the last result, which decides how the detail window draws.
inline constexpr const char* kModeStation = "STATION";  // station-to-station search
inline constexpr const char* kModeChange = "CHANGE";    // one leg of a journey with a change
inline constexpr const char* kModeOrder = "ORDER";      // train number search

struct SearchContext {
  // The station pair of the last station search: ids of the pair searched
  // last (of the first pair after a search without result), names of the
  // last pair examined.
  int fromStationId = 0;
  int toStationId = 0;
  std::string fromStationName;
  std::string toStationName;
  // The legs of a change: the transfer station, as picked or typed, and the
  // From and To texts of the search that offered or named it.
  std::string transferStationName;
  std::string journeyFromName;
  std::string journeyToName;

  std::string queryMode;  // kModeStation, kModeChange or kModeOrder
  // Set by the result lists before the detail window opens.
  int selectedTrainId = 0;
  std::string legBoardName;   // where the traveller boards the chosen train
  std::string legAlightName;  // where the traveller leaves it
};

}  // namespace kw
