// board: every train that calls at a station (车站时刻).
#include <algorithm>
#include <iostream>

#include "app/cli/Cli.h"
#include "store/CoreStrings.h"
#include "query/StationBoard.h"
#include "query/StationLookup.h"
#include "query/TimetableTime.h"

namespace kw::cli {

namespace {

constexpr const char* kBoardUsage =
    "board STATION [--all-with-prefix] [--after HH:MM] [--until HH:MM] [--types GCDZTKO] [--only start|end] "
    "[--towards TEXT] [--sort depart|arrive|train]";

// Whether the flag `name` was given, taking it out of args.
bool TakeFlag(Context& ctx, std::string_view name) {
  const auto it = std::find(ctx.args.begin(), ctx.args.end(), name);
  if (it == ctx.args.end()) return false;
  ctx.args.erase(it);
  return true;
}

std::string JsonFigure(const std::optional<int>& value) { return value ? std::to_string(*value) : "null"; }

void PrintJson(const BoardRow& row, bool withStation) {
  const auto clock = [](const std::optional<int>& minutes, const std::string& text) {
    return minutes ? JsonString(text) : std::string("null");
  };
  std::cout << "{\"trainId\":" << row.trainId << ",\"train\":" << JsonString(row.train)
            << ",\"kind\":" << JsonString(text::DataWord(row.kind))
            << ",\"from\":" << JsonString(text::StationName(row.from))
            << ",\"to\":" << JsonString(text::StationName(row.to))
            << (withStation ? ",\"station\":" + JsonString(text::StationName(row.station)) : std::string())
            << ",\"arrive\":" << clock(row.arriveMinutes, row.arriveText)
            << ",\"depart\":" << clock(row.departMinutes, row.departText)
            << ",\"arriveMinutes\":" << JsonFigure(row.arriveMinutes)
            << ",\"departMinutes\":" << JsonFigure(row.departMinutes)
            << ",\"dwellMinutes\":" << JsonFigure(row.dwellMinutes) << ",\"km\":" << JsonFigure(row.km)
            << "}\n";
}

}  // namespace

int Board(Context& ctx) {
  BoardRequest request;
  request.allWithPrefix = TakeFlag(ctx, "--all-with-prefix");
  request.after = HhmmToMinutes(TakeClock(ctx, "--after").value_or(Clock{0, 0}).Hhmm());
  request.until = HhmmToMinutes(TakeClock(ctx, "--until").value_or(Clock{23, 59}).Hhmm());
  if (const std::string types = ctx.TakeOption("--types"); !types.empty()) {
    const auto parsed = ParseTrainTypes(types);
    if (!parsed) throw UsageError(text::Fill(kBadTypes, {Echo(types)}));
    request.types = *parsed;
  }
  if (const std::string only = ctx.TakeOption("--only"); !only.empty()) {
    if (only != "start" && only != "end") throw UsageError(text::Fill(kBadOnly, {Echo(only)}));
    request.ends = only == "start" ? BoardEnds::Starting : BoardEnds::Terminating;
  }
  request.towards = ctx.TakeOption("--towards");
  BoardColumn sort = BoardColumn::Depart;
  if (const std::string name = ctx.TakeOption("--sort"); !name.empty()) {
    if (name == "arrive") {
      sort = BoardColumn::Arrive;
    } else if (name == "train") {
      sort = BoardColumn::Train;
    } else if (name != "depart") {
      throw UsageError(text::Fill(kBadBoardSort, {Echo(name)}));
    }
  }
  ctx.ExpectArgs(1, kBoardUsage);
  request.stationText = ctx.args[0];
  RefuseLongText(RemoveSpaces(request.stationText), kMaxStationTextLength, kStationText);
  RefuseLongText(RemoveSpaces(request.towards), kMaxStationTextLength, kTowardsText);

  BoardResult board = FindStationBoard(ctx.Db(), request);
  if (!board.message.empty()) {
    std::cerr << board.message << '\n';
    return kNotFound;
  }
  SortBoard(board.rows, sort, false, request.after);
  for (const BoardRow& row : board.rows) {
    if (ctx.json) {
      PrintJson(row, request.allWithPrefix);
      continue;
    }
    std::vector<std::string> fields{row.train,
                                    text::DataWord(row.kind),
                                    text::StationName(row.from),
                                    text::StationName(row.to),
                                    row.arriveText,
                                    row.departText,
                                    row.dwellMinutes ? std::to_string(*row.dwellMinutes) : std::string(),
                                    row.kmText};
    if (request.allWithPrefix) fields.push_back(text::StationName(row.station));
    PrintTabbed(fields);
  }
  return kOk;
}

}  // namespace kw::cli
