// kestrelway-cli [--db PATH] [--json] COMMAND ARGS...
#include <cerrno>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>

#include "app/cli/Cli.h"
#include "store/DataBuilder.h"
#include "store/Database.h"
#include "store/DateFolder.h"
#include "store/CoreStrings.h"
#include "store/Version.h"

namespace {

constexpr const char* kUsage =
    "用法：kestrelway-cli [--db 数据库文件] [--json] 命令 参数...\n"
    "      kestrelway-cli --version\n"
    "命令：\n"
    "  build-db DATA_DIR OUT_FILE   由 DATA_DIR 中的表文件生成加密数据库\n"
    "  stations TEXT                按简码、全拼或站名开头查找车站\n"
    "  fares KIND_ID KM             某车型、某里程的七种票价\n"
    "  search FROM TO [--after HH:MM] [--before HH:MM] [--class 车型]\n"
    "                               站站查询：站名开头为 FROM、TO 的各站之间的车次\n"
    "  transfer-stations FROM TO    可供中转的车站（站名须完整）\n"
    "  transfer FROM VIA TO [--after HH:MM] [--before HH:MM] [--class 车型]\n"
    "                               经 VIA 中转的两程车次\n"
    "  train TEXT [--class 车型]    车次查询\n"
    "  detail TRAIN_ID [--board NAME --alight NAME]\n"
    "                               某车次的详细情况、经停站和票价\n"
    "  journeys FROM TO [--after HH:MM] [--until HH:MM] [--max-changes N] [--min-change MINUTES]\n"
    "           [--slack MINUTES] [--types GCDZTKO] [--sort depart|arrive|duration|changes]\n"
    "                               一天之内最多换乘两次、真正衔接得上的最佳行程\n"
    "                               （--slack：多换乘一次至少节省的分钟数，0–120，默认 30）\n"
    "  board STATION [--all-with-prefix] [--after HH:MM] [--until HH:MM] [--types GCDZTKO]\n"
    "        [--only start|end] [--towards TEXT] [--sort depart|arrive|train]\n"
    "                               车站时刻：停靠该站的全部列车（--all-with-prefix 含同名车站，\n"
    "                               --towards 只列其后停靠以 TEXT 开头的车站的列车）\n"
    "  update FILE                  把更新文件应用到数据库（全部生效或全不生效），成功后删除该文件\n"
    "  import-gtfs FEED OUT_FILE [--date YYYY-MM-DD] [--distance-unit km|m]\n"
    "                               由 GTFS 时刻表（zip 文件或文件夹）生成某一天的时刻表数据库 OUT_FILE\n"
    "                               （票价、车型和小常识取自所用的时刻表）\n"
    "  export-gtfs OUT.zip          把时刻表导出为 GTFS 时刻表\n"
    "search、transfer、train 的 --class 车型：只列出该车型（特快、快速、普快、普慢）的车次\n";

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

  Context ctx;
  std::string command;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (command.empty() && arg == "--db" && i + 1 < argc) {
      ctx.dbPath = argv[++i];
    } else if (arg == "--json") {
      ctx.json = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return kOk;
    } else if (command.empty() && arg == "--version") {
      std::cout << "kestrelway-cli " << kw::kVersion << '\n';
      return kOk;
    } else if (command.empty() && arg.size() > 1 && arg[0] == '-') {
      std::cerr << "未知选项：" << Echo(arg) << '\n' << kUsage;
      return kBadUsage;
    } else if (command.empty()) {
      command = arg;
    } else {
      ctx.args.push_back(arg);
    }
  }
  const auto it = commands.find(command);
  if (it == commands.end()) {
    std::cerr << (command.empty() ? "缺少命令" : "未知命令：" + Echo(command)) << '\n' << kUsage;
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
    std::cerr << (command == "update" && status == kOk ? std::string(kw::text::kUpdateDone) + "但" : std::string())
              << kw::text::Fill(kw::text::kOutputFailed, {failure}) << '\n';
    return kFailure;
  }
  return status;
}

namespace {

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
