// kestrelway-cli [--db PATH] [--json] [--lang en|zh] COMMAND ARGS...
#include <cerrno>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <optional>

#include "app/cli/Cli.h"
#include "app/cli/CliTexts.h"
#include "l10n/Language.h"
#include "store/DataBuilder.h"
#include "store/Database.h"
#include "store/DateFolder.h"
#include "store/CoreStrings.h"
#include "store/Version.h"

namespace {

// The usage, in the interface's language.
std::string Usage() { return kw::text::Fill(kw::cli::kUsage, {kw::cli::ClassOptionList(kw::cli::kListJoin)}); }

// The value of --lang, anywhere on the line; nothing when not given.
std::optional<std::string> LanguageOption(int argc, char** argv);

int RunCommand(const std::function<int(kw::cli::Context&)>& run, kw::cli::Context& ctx);
std::string OutputFailure();

// Why the first write to stdout that failed did, 0 while none has.
int outputError = 0;

}  // namespace

int main(int argc, char** argv) {
  using namespace kw::cli;
  const std::map<std::string, std::function<int(Context&)>> commands = {
      {"build-db", BuildDb},   {"stations", Stations}, {"fares", Fares},
      {"update", ApplyUpdate}, {"search", Search},     {"transfer-stations", TransferStations},
      {"transfer", Transfer},  {"train", Train},       {"detail", Detail},
      {"journeys", Journeys},  {"board", Board},       {"import-gtfs", ImportGtfs},
      {"export-gtfs", ExportGtfs},
  };

  // Chinese is the texts' own language: only English loads a translation.
  // A --lang the tool does not speak is refused in the environment's.
  const std::optional<std::string> code = LanguageOption(argc, argv);
  const bool badLanguage = code && *code != "en" && *code != "zh";
  const kw::Language language = !code || badLanguage ? kw::EnvironmentLanguage() : *kw::LanguageNamed(*code);
  if (language == kw::Language::English && !kw::UseLanguage(kw::Language::English)) {
    std::cerr << std::string_view(kNoEnglish) << '\n';
  }
  if (badLanguage) {
    std::cerr << kw::text::Fill(kBadLanguage, {Echo(*code)}) << '\n' << Usage();
    return kBadUsage;
  }

  Context ctx;
  std::string command;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--lang" && i + 1 < argc) {
      ++i;  // taken above
    } else if (command.empty() && arg == "--db" && i + 1 < argc) {
      ctx.dbPath = argv[++i];
    } else if (arg == "--json") {
      ctx.json = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << Usage();
      return kOk;
    } else if (command.empty() && arg == "--version") {
      std::cout << "kestrelway-cli " << kw::kVersion << '\n';
      return kOk;
    } else if (command.empty() && arg.size() > 1 && arg[0] == '-') {
      std::cerr << kw::text::Fill(kUnknownOption, {Echo(arg)}) << '\n' << Usage();
      return kBadUsage;
    } else if (command.empty()) {
      command = arg;
    } else {
      ctx.args.push_back(arg);
    }
  }
  const auto it = commands.find(command);
  if (it == commands.end()) {
    std::cerr << (command.empty() ? kNoCommand.str() : kw::text::Fill(kUnknownCommand, {Echo(command)})) << '\n'
              << Usage();
    return kBadUsage;
  }
  ctx.readsOnly = command != "update";
  if (ctx.dbPath.empty() && command != "build-db") {
    // The date folder beside the tool, or the per-user copy of an installed
    // one; a command that only reads reads the installed timetable when no
    // copy can be had (no writable home).
    const std::filesystem::path self = kw::ExecutableDir();
    const kw::DatePlace place =
        kw::ChooseDatePlace({self, kw::InstalledDataDir(self), kw::UserDataRoot(), ctx.readsOnly});
    if (!place.error.empty()) {
      std::cerr << place.error << '\n';
      return kFailure;
    }
    ctx.dbPath = kw::ReadableDateFile(place, "Train.dll").string();
  }
  // A write that fails ends the command at once, while its cause is known.
  std::cout.exceptions(std::ios::badbit);
  const int status = RunCommand(it->second, ctx);
  // Rows that never reached their reader are no result: say so, and fail.
  const std::string failure = OutputFailure();
  if (!failure.empty()) {
    const std::string why = kw::text::Fill(kw::text::kOutputFailed, {failure});
    std::cerr << (command == "update" && status == kOk ? kw::text::Fill(kDoneBut, {kw::text::kUpdateDone, why}) : why)
              << '\n';
    return kFailure;
  }
  return status;
}

namespace {

std::optional<std::string> LanguageOption(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string_view(argv[i]) == "--lang") return std::string(argv[i + 1]);
  }
  return std::nullopt;
}

int RunCommand(const std::function<int(kw::cli::Context&)>& run, kw::cli::Context& ctx) {
  using namespace kw::cli;
  try {
    return run(ctx);
  } catch (const std::ios_base::failure&) {
    outputError = errno;
    return kFailure;
  } catch (const UsageError& e) {
    std::cerr << e.what() << '\n';
    return kBadUsage;
  } catch (const kw::BuildError& e) {
    std::cerr << e.what() << '\n';
    return kBadUsage;
  } catch (const kw::DatabaseError& e) {
    std::cerr << e.what() << '\n';
    return kFailure;
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return kFailure;
  }
}

// Why what the command printed could not all be written, after writing what
// is still buffered; empty when it all went out.
std::string OutputFailure() {
  std::cout.exceptions(std::ios::goodbit);
  errno = 0;
  std::cout.flush();
  int error = outputError != 0 ? outputError : errno;
  if (std::fflush(stdout) != 0 && error == 0) error = errno;
  if (!std::ferror(stdout) && std::cout.good()) return {};
  return error != 0 ? kw::text::ErrorCause(error) : std::string(kw::text::kWriteFailed);
}

}  // namespace
