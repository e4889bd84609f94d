#include "store/DateFolder.h"

#include <strings.h>

#include <system_error>

namespace kw {

namespace fs = std::filesystem;

namespace {

// The entry of `dir` whose name equals `name` without regard to case.
fs::path FindEntry(const fs::path& dir, std::string_view name) {
  const fs::path exact = dir / fs::path(std::string(name));
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (entry.size() == name.size() && strncasecmp(entry.data(), name.data(), name.size()) == 0) {
      return it->path();
    }
  }
  return exact;
}

}  // namespace

fs::path DateFolder(const fs::path& appDir) { return FindEntry(appDir, "date"); }

fs::path DateFile(const fs::path& appDir, std::string_view name) { return FindEntry(DateFolder(appDir), name); }

fs::path DatabasePath(const fs::path& appDir) { return DateFile(appDir, "Train.dll"); }

fs::path ExecutableDir() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path();
  return self.parent_path();
}

}  // namespace kw
