// search, transfer-stations, transfer, train and detail: the searches and the
// train detail, printed as the windows show them.
#include <algorithm>
#include <iostream>

#include "app/cli/Cli.h"
#include "query/ClassFilter.h"
#include "query/DirectSearch.h"
#include "query/Fares.h"
#include "query/StationLookup.h"
#include "query/TimetableTime.h"
#include "query/TrainDetail.h"
#include "query/TrainNumberSearch.h"
#include "query/TransferSearch.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw::cli {

namespace {

struct TimeWindow {
  int earliestDeparture = 0;  // hhmm, 0 = none
  int latestArrival = 0;
  bool hoursGiven = false;  // an hour above 0 in either bound
};

// --after / --before HH:MM, entered as the panel's hour and minute boxes.
TimeWindow TakeWindow(Context& ctx) {
  TimeWindow window;
  const auto bound = [&](std::string_view option) {
    const auto clock = TakeClock(ctx, option);
    if (!clock) return 0;
    if (clock->hour > 0) window.hoursGiven = true;
    return clock->Hhmm();
  };
  window.earliestDeparture = bound("--after");
  window.latestArrival = bound("--before");
  return window;
}

// --class TEXT, the query panel's 车型 option; empty when not given.
std::string TakeClass(Context& ctx) {
  const bool given = std::find(ctx.args.begin(), ctx.args.end(), "--class") != ctx.args.end();
  std::string option = ctx.TakeOption("--class");
  if (given && !IsClassOption(option))
    throw UsageError(text::Fill(kBadClass, {ClassOptionList(kListLastJoin), Echo(option)}));
  return option;
}

// A message of the program as one line on stderr.
void PrintMessage(std::string_view message) {
  std::string line;
  for (char c : message) {
    if (c != '\n') {
      line += c;
    } else if (!line.empty() && line.back() != ' ') {
      line += ' ';
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  std::cerr << line << '\n';
}

void PrintRows(const Context& ctx, const std::vector<ResultRow>& rows) {
  for (const auto& r : rows) {
    const std::string id = std::to_string(r.trainId);
    if (ctx.json) {
      PrintJsonObject({{"caption", r.caption},
                       {"startText", r.startText},
                       {"endText", r.endText},
                       {"distanceText", r.distanceText},
                       {"fareText", r.fareText},
                       {"memoText", r.memoText},
                       {"trainId", id}});
    } else {
      PrintTabbed({r.caption, r.startText, r.endText, r.distanceText, r.fareText, r.memoText, id});
    }
  }
}

void PrintLegRows(const Context& ctx, const std::vector<ResultRow>& rows, const char* leg) {
  for (const auto& r : rows) {
    const std::string id = std::to_string(r.trainId);
    if (ctx.json) {
      PrintJsonObject({{"leg", leg},
                       {"caption", r.caption},
                       {"startText", r.startText},
                       {"endText", r.endText},
                       {"trainId", id}});
    } else {
      PrintTabbed({r.caption, r.startText, r.endText, id});
    }
  }
}

// Candidate transfer stations on stdout, or the message that there are none.
int PrintCandidates(const Context& ctx, const TransferCandidates& candidates, const std::string& fromName,
                    const std::string& toName, bool header) {
  if (!candidates.found) {
    PrintMessage(NoTransferMessage(fromName, toName));
    return kNotFound;
  }
  if (header && !ctx.json) std::cout << std::string_view(kTransferStations) << '\n';
  for (const auto& name : candidates.names) {
    if (ctx.json) {
      PrintJsonObject({{"transferStation", text::StationName(name)}});
    } else {
      std::cout << text::StationName(name) << '\n';
    }
  }
  return kOk;
}

// Station texts the query panel's boxes could not hold are refused; the rest
// become what a box holds once a name is picked (shanghai → 上海).
void TakeStations(Database& db, std::vector<std::string>& texts) {
  for (const auto& text : texts) RefuseLongText(text, kMaxStationTextLength, kStationText);
  for (auto& text : texts) text = PickedStationText(db, text);
}

// The station named exactly `text`; says so on stderr when there is none.
std::optional<int> ExactStationId(Database& db, const std::string& text) {
  const auto id = StationIdByName(db, RemoveSpaces(text));
  if (!id) PrintMessage(UnknownStationMessage(RemoveSpaces(text)));
  return id;
}

}  // namespace

int Search(Context& ctx) {
  const TimeWindow window = TakeWindow(ctx);
  const std::string classOption = TakeClass(ctx);
  ctx.ExpectArgs(2, kSearchUsage);
  Database& db = ctx.Db();
  TakeStations(db, ctx.args);
  const std::string& from = ctx.args[0];
  const std::string& to = ctx.args[1];
  const auto result = RunStationSearch(
      db, {from, to, window.earliestDeparture, window.latestArrival, window.hoursGiven, classOption});
  for (const auto& message : result.otherWayMessages) PrintMessage(message);
  switch (result.outcome) {
    case StationSearchOutcome::NotSearched:
      throw UsageError(std::string(RemoveSpaces(from).empty() || RemoveSpaces(to).empty()
                                       ? text::kNeedBothStations
                                       : text::kSameStations));
    case StationSearchOutcome::NoStation: {
      const std::string text = RemoveSpaces(FindStations(db, RemoveSpaces(from), false).found ? to : from);
      PrintMessage(text::Fill(text::kNoStationBeginsWith, {text}));
      return kNotFound;
    }
    case StationSearchOutcome::Found:
      PrintRows(ctx, result.rows);
      return kOk;
    case StationSearchOutcome::NothingInWindow:
      PrintMessage(result.message);
      return kNotFound;
    case StationSearchOutcome::OfferTransfer: {
      PrintMessage(NoDirectTrainText(result.fromStationName, result.toStationName));
      PrintCandidates(ctx, FindTransferStations(db, result.fromStationId, result.toStationId, classOption),
                      result.fromStationName, result.toStationName, true);
      return kNotFound;
    }
  }
  return kNotFound;
}

int TransferStations(Context& ctx) {
  ctx.ExpectArgs(2, "transfer-stations FROM TO");
  Database& db = ctx.Db();
  TakeStations(db, ctx.args);
  const auto fromId = ExactStationId(db, ctx.args[0]);
  const auto toId = fromId ? ExactStationId(db, ctx.args[1]) : std::nullopt;
  if (!toId) return kNotFound;
  return PrintCandidates(ctx, FindTransferStations(db, *fromId, *toId), RemoveSpaces(ctx.args[0]),
                         RemoveSpaces(ctx.args[1]), false);
}

int Transfer(Context& ctx) {
  const TimeWindow window = TakeWindow(ctx);
  const std::string classOption = TakeClass(ctx);
  ctx.ExpectArgs(3, kTransferUsage);
  Database& db = ctx.Db();
  TakeStations(db, ctx.args);
  const std::string& from = ctx.args[0];
  const std::string& via = ctx.args[1];
  const std::string& to = ctx.args[2];
  // Without a time window this is the panel's named transfer; with one, the
  // search that follows a pick from the candidate list.
  TwoLegResult result;
  if (window.earliestDeparture == 0 && window.latestArrival == 0) {
    result = RunNamedTransfer(db, from, via, to, classOption);
  } else {
    const auto fromId = ExactStationId(db, from);
    const auto toId = fromId ? ExactStationId(db, to) : std::nullopt;
    if (!toId) return kNotFound;
    result = PickTransferStation(db, *fromId, *toId, via, window.earliestDeparture, window.latestArrival,
                                 classOption);
  }
  for (const auto& message : result.otherWayMessages) PrintMessage(message);
  switch (result.outcome) {
    case TwoLegOutcome::UnknownStation:
      PrintMessage(UnknownStationMessage(result.unknownName));
      return kNotFound;
    case TwoLegOutcome::NoFirstLeg:
    case TwoLegOutcome::NoSecondLeg:
      if (!result.message.empty()) {
        PrintMessage(result.message);
      } else if (result.otherWayMessages.empty()) {
        const bool first = result.outcome == TwoLegOutcome::NoFirstLeg;
        PrintMessage(NoDirectTrainText(RemoveSpaces(first ? from : via), RemoveSpaces(first ? via : to)));
      }
      return kNotFound;
    case TwoLegOutcome::Found:
      break;
  }
  PrintLegRows(ctx, result.firstLeg, "1");
  if (!ctx.json) std::cout << '\n';
  PrintLegRows(ctx, result.secondLeg, "2");
  return kOk;
}

int Train(Context& ctx) {
  const std::string classOption = TakeClass(ctx);
  ctx.ExpectArgs(1, kTrainUsage);
  RefuseLongText(ctx.args[0], kMaxTrainNumberLength, kTrainText);
  const std::string text = RemoveSpaces(ctx.args[0]);
  if (text.empty()) throw UsageError(kNeedTrain.str());
  const auto result = FindTrainsByNumber(ctx.Db(), text, classOption);
  if (!result.found) {
    PrintMessage(TrainNotFoundMessage(text));
    return kNotFound;
  }
  if (result.rows.empty()) {  // trains of that number, but none of the chosen class
    PrintMessage(text::kNothingInWindow);
    return kNotFound;
  }
  PrintRows(ctx, result.rows);
  return kOk;
}

int Detail(Context& ctx) {
  const char* usage = "detail TRAIN_ID [--board NAME --alight NAME]";
  std::vector<std::string> ends = {ctx.TakeOption("--board"), ctx.TakeOption("--alight")};
  ctx.ExpectArgs(1, usage);
  if (ends[0].empty() != ends[1].empty()) throw UsageError(text::Fill(kUsageLine, {usage}));
  const int trainId = ParseNumber(ctx.args[0], "TRAIN_ID");
  Database& db = ctx.Db();
  TakeStations(db, ends);
  const std::string& board = ends[0];
  const std::string& alight = ends[1];
  const bool wholeRoute = board.empty();

  const TrainDetail detail = LoadTrainDetail(db, trainId, wholeRoute, board, alight);
  if (!detail.found) {
    PrintMessage(detail.missing);
    return kNotFound;
  }
  const StopList stops = LoadStopList(db, trainId);
  const int stations =
      wholeRoute ? stops.count() : FindSegment(db, trainId, board, alight, true, true).stationCount;
  const auto fares = FarePanelTexts(db, detail.kindId, detail.distanceKm);

  const std::vector<std::pair<std::string, std::string>> headline = {
      {"title", DetailTitle(detail)},
      {"departTime", detail.departTime},
      {"arriveText", detail.arriveText},
      {"runningTime", detail.runningTimeText},
      {"distanceKm", DistanceText(detail.distanceKm)},
      {"stations", std::to_string(stations)}};
  if (ctx.json) {
    PrintJsonObject(headline);
    static constexpr const char* kCells[] = {"zhanci", "station", "arrive", "depart", "distance", "day"};
    for (const auto& stop : stops.stops) {
      std::vector<std::pair<std::string, std::string>> fields;
      size_t start = 0;
      for (const char* cell : kCells) {
        const size_t tab = stop.gridRow.find('\t', start);
        fields.emplace_back(cell, stop.gridRow.substr(start, tab - start));
        start = tab == std::string::npos ? stop.gridRow.size() : tab + 1;
      }
      PrintJsonObject(fields);
    }
    std::vector<std::pair<std::string, std::string>> fareFields;
    for (size_t i = 0; i < fares.size(); ++i) fareFields.emplace_back(kFareNames[i].source(), fares[i]);
    PrintJsonObject(fareFields);
    return kOk;
  }
  std::vector<std::string> values;
  for (const auto& [name, value] : headline) values.push_back(value);
  PrintTabbed(values);
  std::cout << '\n';
  for (const auto& stop : stops.stops) std::cout << stop.gridRow << '\n';
  std::cout << '\n';
  for (size_t i = 0; i < fares.size(); ++i) PrintTabbed({kFareNames[i].str(), fares[i]});
  return kOk;
}

}  // namespace kw::cli
