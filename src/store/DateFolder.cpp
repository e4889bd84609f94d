#include "store/DateFolder.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "store/CoreStrings.h"

// Where an installed executable finds the program data, relative to its own
// folder; set by the build from the install layout.
#ifndef KW_INSTALLED_DATA
#define KW_INSTALLED_DATA "../share/kestrelway"
#endif

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

// Copies each file of `source` that `copy` lacks into it. A file is written
// under a temporary name of this process's own and linked into place, which
// never replaces a file that is there: an interrupted copy leaves no half
// file behind, and of two programs starting at once (the window and the
// tool) the first to finish keeps its copy, which the other may have opened.
void FillFrom(const fs::path& source, const fs::path& copy) {
  fs::create_directories(copy);
  for (const auto& entry : fs::directory_iterator(source)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    const fs::path target = FindEntry(copy, name);
    if (fs::exists(target)) continue;
    const fs::path part = copy / (name + "." + std::to_string(getpid()) + ".part");
    const int lock = OpenPartial(part);
    if (lock < 0) throw fs::filesystem_error("open", part, std::error_code(errno, std::generic_category()));
    std::error_code copied;
    fs::copy_file(entry.path(), part, fs::copy_options::overwrite_existing, copied);
    const int linked = copied ? -1 : link(part.c_str(), target.c_str());
    const int error = copied ? copied.value() : errno;
    fs::remove(part);
    close(lock);
    if (linked != 0 && error != EEXIST)
      throw fs::filesystem_error("link", part, target, std::error_code(error, std::generic_category()));
  }
}

bool IsPartialName(const std::string& name) {
  constexpr std::string_view kSuffix = ".part";
  return name.size() > kSuffix.size() &&
         strcasecmp(name.c_str() + name.size() - kSuffix.size(), kSuffix.data()) == 0;
}

}  // namespace

int OpenPartial(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd >= 0) ::flock(fd, LOCK_EX);
  return fd;
}

void RemoveStalePartials(const fs::path& root) {
  std::error_code ec;
  for (fs::directory_iterator it(DateFolder(root), ec), end; !ec && it != end; it.increment(ec)) {
    if (!IsPartialName(it->path().filename().string())) continue;
    const int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat st {};
    // A running writer holds its lock until the file is in place or removed.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(it->path().c_str());
    ::close(fd);
  }
}

fs::path DateFolder(const fs::path& root) { return FindEntry(root, "date"); }

fs::path DateFile(const fs::path& root, std::string_view name) { return FindEntry(DateFolder(root), name); }

fs::path DatabasePath(const fs::path& root) { return DateFile(root, "Train.dll"); }

fs::path ExecutableDir() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path();
  return self.parent_path();
}

fs::path InstalledDataDir(const fs::path& programDir) {
  return (programDir / KW_INSTALLED_DATA).lexically_normal();
}

fs::path UserDataRoot() {
  // The XDG data home: XDG_DATA_HOME when it is an absolute path (a relative
  // one is ignored, as the XDG rules say), else ~/.local/share. This is
  // where Qt puts the application data of "Kestrelway" on Linux; the window
  // program and the tool both take the folder from here.
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && fs::path(dataHome).is_absolute()) return fs::path(dataHome) / "Kestrelway";
  const char* home = std::getenv("HOME");
  if (home && *home) return fs::path(home) / ".local" / "share" / "Kestrelway";
  return {};
}

bool IsWritableFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && access(folder.c_str(), W_OK) == 0;
}

DatePlace ChooseDatePlace(const DateSources& sources, bool (*isWritable)(const fs::path&)) {
  std::error_code ec;
  const fs::path own = DateFolder(sources.programDir);
  const bool ownExists = fs::is_directory(own, ec);
  if (ownExists && isWritable(own)) {
    RemoveStalePartials(sources.programDir);
    return {sources.programDir, {}};
  }

  fs::path seed;
  if (!sources.installedDir.empty() && fs::is_directory(sources.installedDir, ec)) {
    seed = sources.installedDir;
  } else if (ownExists) {
    seed = own;
  }
  const bool hasCopy = !sources.userRoot.empty() && fs::is_regular_file(DatabasePath(sources.userRoot), ec);
  if (seed.empty() && !hasCopy) return {sources.programDir, {}};
  if (sources.userRoot.empty()) return {{}, std::string(text::kUserDataNoHome)};

  const fs::path copy = DateFolder(sources.userRoot);
  try {
    if (!seed.empty()) FillFrom(seed, copy);
  } catch (const fs::filesystem_error& e) {
    return {{},
            std::string(text::kUserDataCannotCopy) + " " + copy.string() + "：" +
                text::ErrorCause(e.code().value())};
  }
  RemoveStalePartials(sources.userRoot);
  return {sources.userRoot, {}};
}

}  // namespace kw
