// journeys: a day's best journeys with up to two changes between two
// families of stations.
#include <algorithm>
#include <iostream>
#include <optional>

#include "app/cli/Cli.h"
#include "journey/JourneyEnds.h"
#include "journey/JourneySnapshot.h"
#include "journey/JourneyTexts.h"
#include "query/StationLookup.h"
#include "query/TimetableTime.h"
#include "store/CoreStrings.h"

namespace kw::cli {

namespace {

constexpr const char* kJourneysUsage =
    "journeys FROM TO [--after HH:MM] [--until HH:MM] [--max-changes N] [--min-change MINUTES] "
    "[--slack MINUTES] [--types GCDZTKO] [--sort depart|arrive|duration|changes]";

// A whole number from `lowest` to `highest`; `fallback` when the option is not given.
int TakeBounded(Context& ctx, std::string_view option, int lowest, int highest, int fallback) {
  const std::string value = ctx.TakeOption(option);
  if (value.empty()) return fallback;
  const int n = ParseNumber(value, option);
  if (n < lowest || n > highest) {
    throw UsageError(text::Fill(kOutOfBounds, {option, std::to_string(lowest), std::to_string(highest), Echo(value)}));
  }
  return n;
}

// A JSON number, or null.
std::string JsonNumber(std::optional<long long> value, const std::string& text) { return value ? text : "null"; }

void PrintJson(const JourneyTimetable& timetable, const Journey& journey, const JourneyTexts& texts,
               const JourneyTotals& totals) {
  std::string line = "{\"departure\":" + JsonString(texts.departure) +
                     ",\"arrival\":" + JsonString(texts.arrival) +
                     ",\"duration\":" + JsonString(texts.duration) +
                     ",\"departureMinutes\":" + std::to_string(journey.departureMinutes) +
                     ",\"arrivalMinutes\":" + std::to_string(journey.arrivalMinutes) +
                     ",\"durationMinutes\":" + std::to_string(journey.durationMinutes()) +
                     ",\"changes\":" + std::to_string(journey.changes()) +
                     ",\"distanceKm\":" + JsonNumber(totals.distanceKm, totals.distanceText) +
                     ",\"fare\":" + JsonNumber(totals.fareTenths, totals.fareText) + ",\"legs\":[";
  for (size_t i = 0; i < journey.legs.size(); ++i) {
    const JourneyLeg& leg = journey.legs[i];
    const JourneyLegTexts& l = texts.legs[i];
    line += std::string(i ? "," : "") + "{\"trainId\":" + std::to_string(timetable.trains[leg.train].id) +
            ",\"train\":" + JsonString(l.number) + ",\"board\":" + JsonString(text::StationName(l.board)) +
            ",\"boardMinutes\":" + std::to_string(leg.boardMinutes) + ",\"alight\":" + JsonString(text::StationName(l.alight)) +
            ",\"alightMinutes\":" + std::to_string(leg.alightMinutes) +
            ",\"waitMinutes\":" + std::to_string(leg.waitMinutes) + "}";
  }
  std::cout << line << "]}\n";
}

}  // namespace

int Journeys(Context& ctx) {
  JourneyRequest request;
  request.earliestDeparture = HhmmToMinutes(TakeClock(ctx, "--after").value_or(Clock{0, 0}).Hhmm());
  request.latestDeparture = HhmmToMinutes(TakeClock(ctx, "--until").value_or(Clock{23, 59}).Hhmm());
  request.maxChanges = TakeBounded(ctx, "--max-changes", 0, kMaxChanges, kMaxChanges);
  request.minChange = TakeBounded(ctx, "--min-change", 0, kMaxMinChange, kDefaultMinChange);
  request.slack = TakeBounded(ctx, "--slack", 0, kMaxSlack, kDefaultSlack);
  if (const std::string types = ctx.TakeOption("--types"); !types.empty()) {
    const auto parsed = ParseTrainTypes(types);
    if (!parsed) throw UsageError(text::Fill(kBadTypes, {Echo(types)}));
    request.types = *parsed;
  }
  JourneySort sort = JourneySort::Departure;
  if (const std::string name = ctx.TakeOption("--sort"); !name.empty()) {
    const auto parsed = ParseJourneySort(name);
    if (!parsed) throw UsageError(text::Fill(kBadJourneySort, {Echo(name)}));
    sort = *parsed;
  }
  ctx.ExpectArgs(2, kJourneysUsage);
  if (request.earliestDeparture > request.latestDeparture) throw UsageError(kAfterPastUntil.str());
  for (const std::string& text : ctx.args) RefuseLongText(RemoveSpaces(text), kMaxStationTextLength, kStationText);

  Database& db = ctx.Db();
  JourneyEnds ends = FindJourneyEnds(db, PickedStationText(db, ctx.args[0]), PickedStationText(db, ctx.args[1]));
  switch (ends.fault) {
    case JourneyEnds::Fault::None:
      break;
    case JourneyEnds::Fault::NoStation:
      std::cerr << ends.message << '\n';
      return kNotFound;
    default:
      throw UsageError(ends.message);
  }
  request.fromStations = std::move(ends.fromStations);
  request.toStations = std::move(ends.toStations);
  const JourneyTimetable timetable = LoadJourneyTimetable(db);
  std::vector<Journey> journeys = FindJourneys(timetable, request);
  if (journeys.empty()) {
    std::cerr << text::Fill(text::kNoJourney, {text::StationName(ends.from), text::StationName(ends.to)}) << '\n';
    return kNotFound;
  }
  SortJourneys(journeys, sort);
  for (const auto& journey : journeys) {
    const JourneyTexts texts = DescribeJourney(timetable, journey);
    const JourneyTotals totals = JourneyDistanceAndFare(db, timetable, journey);
    if (ctx.json) {
      PrintJson(timetable, journey, texts, totals);
      continue;
    }
    std::vector<std::string> fields{texts.departure, texts.arrival,       texts.duration,
                                    texts.changes,   totals.distanceText, totals.fareText};
    for (const auto& leg : texts.legs) {
      fields.insert(fields.end(),
                    {leg.number, text::StationName(leg.board), leg.boardText, text::StationName(leg.alight), leg.alightText,
                     leg.waitText});
    }
    PrintTabbed(fields);
  }
  return kOk;
}

}  // namespace kw::cli
