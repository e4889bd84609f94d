// import-gtfs and export-gtfs.
#include <filesystem>
#include <iostream>

#include "app/cli/Cli.h"
#include "gtfs/FeedError.h"
#include "gtfs/GtfsExport.h"
#include "gtfs/GtfsImport.h"
#include "store/CoreStrings.h"
#include "store/Database.h"

namespace kw::cli {

namespace {

// A message on one line: a value quoted from the feed may hold line breaks.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  }
  return text;
}

}  // namespace

int ImportGtfs(Context& ctx) {
  gtfs::ImportOptions options;
  const std::string date = ctx.TakeOption("--date");
  if (!date.empty()) {
    options.date = gtfs::ParseIsoDate(date);
    if (!options.date) throw UsageError(text::Fill(text::kGtfsBadOptionDate, {Echo(date)}));
  }
  const std::string unit = ctx.TakeOption("--distance-unit");
  if (unit == "m") {
    options.kmPerDistanceUnit = 0.001;
  } else if (!unit.empty() && unit != "km") {
    throw UsageError(text::Fill(kBadDistanceUnit, {Echo(unit)}));
  }
  ctx.ExpectArgs(2, "import-gtfs FEED OUT_FILE [--date YYYY-MM-DD] [--distance-unit km|m]");
  const std::string& out = ctx.args[1];
  std::error_code ec;
  if (std::filesystem::equivalent(out, ctx.dbPath, ec)) throw UsageError(std::string(text::kGtfsSameFile));
  // Classes, fares, tips, station codes and section lengths: from the
  // timetable the tool opens (the installed one, or --db).
  const gtfs::Reference reference = gtfs::LoadReference(ctx.Db());
  try {
    const auto summary = gtfs::ImportFeed(ctx.args[0], reference, options, out);
    std::cout << summary.Text() << '\n';
    return kOk;
  } catch (const FeedError& e) {
    std::cerr << OneLine(e.what()) << '\n';
    return kBadUsage;
  }
}

int ExportGtfs(Context& ctx) {
  ctx.ExpectArgs(1, "export-gtfs OUT.zip");
  try {
    const auto summary = gtfs::ExportFeed(ctx.Db(), ctx.args[0]);
    std::cout << summary.Text() << '\n';
    return kOk;
  } catch (const FeedError& e) {
    std::cerr << e.what() << '\n';
    return kFailure;
  }
}

}  // namespace kw::cli
