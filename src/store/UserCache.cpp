#include "store/UserCache.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

namespace kw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFolderName = "Kestrelway";

// The folder `path`, made private to the user: created (with any missing
// parent, private too) when it is missing. False when it cannot be made, is
// no folder or belongs to someone else.
bool PrivateFolder(const fs::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return false;
    const fs::path parent = path.parent_path();
    if (parent != path && !parent.empty() && ::lstat(parent.c_str(), &st) != 0 && !PrivateFolder(parent)) {
      return false;
    }
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (::lstat(path.c_str(), &st) != 0) return false;
  }
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
  // A folder made by something else with a wider mode is narrowed.
  if ((st.st_mode & 07777) != 0700 && ::chmod(path.c_str(), 0700) != 0) return false;
  return true;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

fs::path CacheFolder() {
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg && *xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / kFolderName;
  const char* home = std::getenv("HOME");
  if (home && *home && fs::path(home).is_absolute()) return fs::path(home) / ".cache" / kFolderName;
  return {};
}

namespace {

// Cache file `name`, opened, when it is a regular file of the user's of at
// most `maxBytes`; its size in `size`. -1 otherwise.
int OpenCacheFile(std::string_view name, std::uint64_t maxBytes, size_t& size) {
  const fs::path folder = CacheFolder();
  if (folder.empty()) return -1;
  const int fd = ::open((folder / name).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
      static_cast<std::uint64_t>(st.st_size) <= maxBytes) {
    size = static_cast<size_t>(st.st_size);
    return fd;
  }
  ::close(fd);
  return -1;
}

// Reads up to `size` bytes into `out`; how many there were. A file cut short
// while it was read is taken as what was read: the reader's checks refuse it.
size_t ReadUpTo(int fd, char* out, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, out + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

constexpr size_t kLargePage = size_t{2} << 20;

}  // namespace

std::optional<std::string> ReadCacheFile(std::string_view name, std::uint64_t maxBytes) {
  size_t size = 0;
  const int fd = OpenCacheFile(name, maxBytes, size);
  if (fd < 0) return std::nullopt;
  std::string content(size, '\0');
  content.resize(ReadUpTo(fd, content.data(), size));
  ::close(fd);
  return content;
}

LargeCacheFile::LargeCacheFile(LargeCacheFile&& other) noexcept
    : region_(std::exchange(other.region_, nullptr)),
      regionBytes_(std::exchange(other.regionBytes_, 0)),
      bytes_(std::exchange(other.bytes_, {})) {}

LargeCacheFile& LargeCacheFile::operator=(LargeCacheFile&& other) noexcept {
  if (this != &other) {
    if (region_) ::munmap(region_, regionBytes_);
    region_ = std::exchange(other.region_, nullptr);
    regionBytes_ = std::exchange(other.regionBytes_, 0);
    bytes_ = std::exchange(other.bytes_, {});
  }
  return *this;
}

LargeCacheFile::~LargeCacheFile() {
  if (region_) ::munmap(region_, regionBytes_);
}

std::optional<LargeCacheFile> ReadLargeCacheFile(std::string_view name, std::uint64_t maxBytes) {
  size_t size = 0;
  const int fd = OpenCacheFile(name, maxBytes, size);
  if (fd < 0) return std::nullopt;
  std::optional<LargeCacheFile> file;
  if (size == 0) {
    file = LargeCacheFile(nullptr, 0, {});
  } else {
    // Whole large pages, with room to begin the bytes on one.
    const size_t pages = (size + kLargePage - 1) / kLargePage;
    const size_t regionBytes = (pages + 1) * kLargePage;
    void* region = ::mmap(nullptr, regionBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region != MAP_FAILED) {
      const auto at = reinterpret_cast<std::uintptr_t>(region);
      char* data = reinterpret_cast<char*>((at + kLargePage - 1) & ~std::uintptr_t{kLargePage - 1});
      // Where the system gives none, the pages are the usual ones.
      ::madvise(data, pages * kLargePage, MADV_HUGEPAGE);
      file = LargeCacheFile(region, regionBytes, std::string_view(data, ReadUpTo(fd, data, size)));
    }
  }
  ::close(fd);
  return file;
}

bool WriteCacheFile(std::string_view name, std::string_view bytes) {
  const fs::path folder = CacheFolder();
  if (folder.empty() || !PrivateFolder(folder)) return false;
  std::string temporary = (folder / ("." + std::string(name) + ".XXXXXX")).string();
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);  // mode 0600
  if (fd < 0) return false;
  bool written = ::fchmod(fd, 0600) == 0 && WriteAll(fd, bytes);
  written = ::close(fd) == 0 && written;
  if (written && ::rename(temporary.c_str(), (folder / name).c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

void RemoveCacheFile(std::string_view name) {
  const fs::path folder = CacheFolder();
  if (!folder.empty()) ::unlink((folder / name).c_str());
}

std::string HexText(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return hex;
}

std::uint64_t NameHash(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace kw
