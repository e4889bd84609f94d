// update: applies an update file to the database.
#include <iostream>

#include "app/cli/Cli.h"
#include "update/UpdateFile.h"

namespace kw::cli {

int ApplyUpdate(Context& ctx) {
  ctx.ExpectArgs(1, "update FILE");
  const auto outcome = ApplyUpdateFile(ctx.Db(), ctx.args[0]);
  switch (outcome.status) {
    case UpdateStatus::Applied:
      std::cout << outcome.Message() << '\n';
      return kOk;
    case UpdateStatus::AppliedFileKept:
      std::cerr << outcome.Message() << '\n';
      return kFailure;
    case UpdateStatus::NoRecords:
      std::cerr << outcome.Message() << '\n';
      return kBadUsage;
    case UpdateStatus::Failed:
      std::cerr << outcome.Message() << '\n';
      return outcome.line > 0 ? kBadUsage : kFailure;
  }
  return kFailure;
}

}  // namespace kw::cli
