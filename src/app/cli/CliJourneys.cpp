// journeys: a day's best journeys with up to two changes between two
// families of stations.
#include <algorithm>
#include <iostream>
#include <optional>

#include "app/cli/Cli.h"
#include "journey/JourneyEnds.h"
#include "journey/JourneyTexts.h"
#include "query/StationSearch.h"
#include "store/CoreStrings.h"

namespace kw::cli {

namespace {

constexpr const char* kUsage =
    "journeys FROM TO [--after HH:MM] [--until HH:MM] [--max-changes N] [--min-change MINUTES] "
    "[--slack MINUTES] [--types GCDZTKO] [--sort depart|arrive|duration|changes]";

// A value as an error message quotes it: on one line.
std::string OneLine(std::string value) {
  for (char& c : value) {
    if (c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f') c = ' ';
  }
  return value;
}

// The value of an option, nullopt when it is not given; an empty value is
// refused like any other bad one.
std::optional<std::string> TakeGiven(Context& ctx, std::string_view option) {
  if (std::find(ctx.args.begin(), ctx.args.end(), option) == ctx.args.end()) return std::nullopt;
  std::string value = ctx.TakeOption(option);
  if (value.empty()) throw UsageError(std::string(option) + " 的值不能为空");
  return value;
}

// "HH:MM" as minutes after midnight; `fallback` when the option is not given.
int TakeClock(Context& ctx, std::string_view option, int fallback) {
  const std::optional<std::string> value = TakeGiven(ctx, option);
  if (!value) return fallback;
  const Clock clock = ParseClock(OneLine(*value), option);
  return clock.hour * 60 + clock.minute;
}

// A whole number from `lowest` to `highest`; `fallback` when the option is not given.
int TakeBounded(Context& ctx, std::string_view option, int lowest, int highest, int fallback) {
  const std::optional<std::string> value = TakeGiven(ctx, option);
  if (!value) return fallback;
  const int n = ParseNumber(OneLine(*value), option);
  if (n < lowest || n > highest) {
    throw UsageError(std::string(option) + " 应在 " + std::to_string(lowest) + " 到 " +
                     std::to_string(highest) + " 之间：" + *value);
  }
  return n;
}

// A JSON number, or null.
std::string JsonNumber(std::optional<int> value, const std::string& text) { return value ? text : "null"; }

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
            ",\"train\":" + JsonString(l.number) + ",\"board\":" + JsonString(l.board) +
            ",\"boardMinutes\":" + std::to_string(leg.boardMinutes) + ",\"alight\":" + JsonString(l.alight) +
            ",\"alightMinutes\":" + std::to_string(leg.alightMinutes) +
            ",\"waitMinutes\":" + std::to_string(leg.waitMinutes) + "}";
  }
  std::cout << line << "]}\n";
}

}  // namespace

int Journeys(Context& ctx) {
  JourneyRequest request;
  request.earliestDeparture = TakeClock(ctx, "--after", 0);
  request.latestDeparture = TakeClock(ctx, "--until", kMinutesPerDay - 1);
  request.maxChanges = TakeBounded(ctx, "--max-changes", 0, kMaxChanges, kMaxChanges);
  request.minChange = TakeBounded(ctx, "--min-change", 0, kMaxMinChange, kDefaultMinChange);
  request.slack = TakeBounded(ctx, "--slack", 0, kMaxSlack, kDefaultSlack);
  if (const auto types = TakeGiven(ctx, "--types")) {
    const auto parsed = ParseTrainTypes(*types);
    if (!parsed) throw UsageError("--types 应为 GCDZTKO 中的字母：" + OneLine(*types));
    request.types = *parsed;
  }
  JourneySort sort = JourneySort::Departure;
  if (const auto name = TakeGiven(ctx, "--sort")) {
    const auto parsed = ParseJourneySort(*name);
    if (!parsed) throw UsageError("--sort 应为 depart、arrive、duration 或 changes：" + OneLine(*name));
    sort = *parsed;
  }
  ctx.ExpectArgs(2, kUsage);
  if (request.earliestDeparture > request.latestDeparture) throw UsageError("--after 不能晚于 --until");
  for (const std::string& text : ctx.args) RefuseLongText(RemoveSpaces(text), kMaxStationTextLength, "站名");

  Database& db = ctx.Db();
  JourneyEnds ends = FindJourneyEnds(db, ctx.args[0], ctx.args[1]);
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
  const JourneyTimetable timetable = BuildJourneyTimetable(db);
  std::vector<Journey> journeys = FindJourneys(timetable, request);
  if (journeys.empty()) {
    std::cerr << text::Fill(text::kNoJourney, {ends.from, ends.to}) << '\n';
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
                    {leg.number, leg.board, leg.boardText, leg.alight, leg.alightText, leg.waitText});
    }
    PrintTabbed(fields);
  }
  return kOk;
}

}  // namespace kw::cli
