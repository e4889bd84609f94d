// build-db, stations and fares.
#include <iostream>

#include "app/cli/Cli.h"
#include "query/Fares.h"
#include "query/StationLookup.h"
#include "store/DataBuilder.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw::cli {

int BuildDb(Context& ctx) {
  ctx.ExpectArgs(2, "build-db DATA_DIR OUT_FILE");
  const auto summary = BuildDatabase(ctx.args[0], ctx.args[1], PasswordFromConnectString(kConnectString));
  const std::string counts = text::Fill(text::kGtfsExportSummary, {std::to_string(summary.stations),
                                                                    std::to_string(summary.trains),
                                                                    std::to_string(summary.stops)});
  std::cerr << text::Fill(text::kWhatAndWhy, {ctx.args[1], counts}) << '\n';
  return kOk;
}

int Stations(Context& ctx) {
  ctx.ExpectArgs(1, "stations TEXT");
  RefuseLongText(ctx.args[0], kMaxStationTextLength, kStationText);
  const std::string text = RemoveSpaces(ctx.args[0]);
  if (text.empty()) throw UsageError(kNeedStation.str());
  const auto matches = FindStations(ctx.Db(), text, LooksUpByInitials(text));
  for (int i = 0; i < matches.count(); ++i) {
    if (ctx.json) {
      PrintJsonObject({{"id", std::to_string(matches.ids[i])}, {"name", text::StationName(matches.names[i])}});
    } else {
      PrintTabbed({std::to_string(matches.ids[i]), text::StationName(matches.names[i])});
    }
  }
  if (!matches.found) {
    std::cerr << text::Fill(text::kNoStationBeginsWith, {Echo(text)}) << '\n';
    return kNotFound;
  }
  return kOk;
}

int Fares(Context& ctx) {
  ctx.ExpectArgs(2, "fares KIND_ID KM");
  const int kind = ParseNumber(ctx.args[0], "KIND_ID");
  const int km = ParseNumber(ctx.args[1], "KM");
  if (km < 0) throw UsageError(text::Fill(kNegativeKm, {Echo(ctx.args[1])}));
  // As the fare panel shows them ("暂缺" for a fare the table does not
  // give), without the panel's trailing space.
  std::vector<std::string> texts;
  for (std::string text : FarePanelTexts(ctx.Db(), kind, km)) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    texts.push_back(text);
  }
  if (ctx.json) {
    std::vector<std::pair<std::string, std::string>> fields;
    for (size_t i = 0; i < texts.size(); ++i) fields.emplace_back(kFareNames[i].source(), texts[i]);
    PrintJsonObject(fields);
  } else {
    for (const auto& t : texts) std::cout << t << '\n';
  }
  return kOk;
}

}  // namespace kw::cli
