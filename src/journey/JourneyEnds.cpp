#include "journey/JourneyEnds.h"

#include "query/StationLookup.h"
#include "store/CoreStrings.h"

namespace kw {

JourneyEnds FindJourneyEnds(Database& db, std::string_view fromText, std::string_view toText) {
  JourneyEnds ends;
  ends.from = RemoveSpaces(fromText);
  ends.to = RemoveSpaces(toText);
  const auto refuse = [&ends](JourneyEnds::Fault fault, std::string message) {
    ends.fault = fault;
    ends.message = std::move(message);
    return ends;
  };
  if (ends.from.empty() || ends.to.empty()) {
    return refuse(JourneyEnds::Fault::Missing, std::string(text::kNeedBothStations));
  }
  if (ends.from == ends.to) return refuse(JourneyEnds::Fault::Same, std::string(text::kSameStations));
  std::vector<int> from = FindStations(db, ends.from, false).ids;
  if (from.empty())
    return refuse(JourneyEnds::Fault::NoStation, text::Fill(text::kNoStationBeginsWith, {ends.from}));
  std::vector<int> to = FindStations(db, ends.to, false).ids;
  if (to.empty())
    return refuse(JourneyEnds::Fault::NoStation, text::Fill(text::kNoStationBeginsWith, {ends.to}));
  ends.fromStations = std::move(from);
  ends.toStations = std::move(to);
  return ends;
}

}  // namespace kw
