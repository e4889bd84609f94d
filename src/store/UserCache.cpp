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

std::optional<std::string> ReadCacheFile(std::string_view name, std::uint64_t maxBytes) {
  const fs::path folder = CacheFolder();
  if (folder.empty()) return std::nullopt;
  const fs::path path = folder / name;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> bytes;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
      static_cast<std::uint64_t>(st.st_size) <= maxBytes) {
    std::string content(static_cast<size_t>(st.st_size), '\0');
    size_t done = 0;
    while (done < content.size()) {
      const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    // A file cut short while it was read is taken as what was read: the
    // reader's checks refuse it.
    content.resize(done);
    bytes = std::move(content);
  }
  ::close(fd);
  return bytes;
}

MappedCacheFile::MappedCacheFile(MappedCacheFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedCacheFile& MappedCacheFile::operator=(MappedCacheFile&& other) noexcept {
  if (this != &other) {
    if (data_) ::munmap(data_, size_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

MappedCacheFile::~MappedCacheFile() {
  if (data_) ::munmap(data_, size_);
}

std::optional<MappedCacheFile> MapCacheFile(std::string_view name, std::uint64_t maxBytes) {
  const fs::path folder = CacheFolder();
  if (folder.empty()) return std::nullopt;
  const int fd = ::open((folder / name).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<MappedCacheFile> mapped;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
      static_cast<std::uint64_t>(st.st_size) <= maxBytes) {
    const auto size = static_cast<size_t>(st.st_size);
    if (size == 0) {
      mapped = MappedCacheFile(nullptr, 0);
    } else {
      // The pages are mapped in one go rather than one fault at a time.
      void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
      if (data != MAP_FAILED) mapped = MappedCacheFile(data, size);
    }
  }
  ::close(fd);
  return mapped;
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
