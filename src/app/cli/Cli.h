// kestrelway-cli: the program's searches for scripts and tests. Each command
// prints the texts the windows show, tab-separated, one row per line, or
// JSON objects with --json.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/CliTexts.h"

namespace kw {
class Database;
}

namespace kw::cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kNotFound = 1;  // the search found nothing
inline constexpr int kBadUsage = 2;  // wrong arguments or bad input
inline constexpr int kFailure = 3;   // the database or a file failed

// Wrong arguments: main prints the message and the usage, exits kBadUsage.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Context {
  std::vector<std::string> args;  // the command's own arguments, options removed
  std::string dbPath;             // --db, or Train.dll of the run's date folder
  bool json = false;              // --json
  // The command only reads: the database file is opened for reading only.
  bool readsOnly = false;

  // Opens the database (once); throws DatabaseError on failure.
  Database& Db();
  // The value of option `name` (e.g. "--after") taken out of args, or empty
  // when the option is not given; an empty value is refused.
  std::string TakeOption(std::string_view name);
  // Fails with a UsageError unless exactly `count` arguments remain.
  void ExpectArgs(size_t count, std::string_view usage) const;

 private:
  std::unique_ptr<Database> db_;
};

// A value of the user's as a message repeats it: on one line, at most about
// 80 characters, then "…".
std::string Echo(std::string_view value);
// `text` as a whole decimal number; a UsageError naming `what` otherwise.
int ParseNumber(const std::string& text, std::string_view what);
// The clock time of option `option` ("--after", "--before", "--until")
// taken out of ctx.args: "HH:MM", or "H" alone for the hour; nullopt when
// the option is not given, a UsageError when it is no clock time.
struct Clock {
  int hour = 0;
  int minute = 0;
  int Hhmm() const { return hour * 100 + minute; }  // as the query panel's boxes give it
};
std::optional<Clock> TakeClock(Context& ctx, std::string_view option);
// A UsageError naming `what` when `text` has more than `maxLength` characters.
void RefuseLongText(std::string_view text, int maxLength, std::string_view what);
// A JSON string literal for UTF-8 text.
std::string JsonString(std::string_view text);
// One JSON object per line from name/value pairs of texts.
void PrintJsonObject(const std::vector<std::pair<std::string, std::string>>& fields);
// Fields joined by tabs, one line.
void PrintTabbed(const std::vector<std::string>& fields);

// The commands. Each returns the exit status.
int BuildDb(Context& ctx);
int Stations(Context& ctx);
int Fares(Context& ctx);
int ApplyUpdate(Context& ctx);
int Search(Context& ctx);
int TransferStations(Context& ctx);
int Transfer(Context& ctx);
int Train(Context& ctx);
int Detail(Context& ctx);
int Journeys(Context& ctx);
int Board(Context& ctx);
int ImportGtfs(Context& ctx);
int ExportGtfs(Context& ctx);

}  // namespace kw::cli
