// The user's cache folder: what the program can work out again at any time
// (the database key, the journey timetable), kept so that it need not.
// Everything here is a shortcut: a file that cannot be read or written is
// simply not used, never an error.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kw {

// $XDG_CACHE_HOME/Kestrelway, or ~/.cache/Kestrelway when XDG_CACHE_HOME is
// unset or not an absolute path; empty when neither can be found.
std::filesystem::path CacheFolder();

// The content of cache file `name` when it is a regular file of the user's
// of at most `maxBytes`; nullopt otherwise.
std::optional<std::string> ReadCacheFile(std::string_view name, std::uint64_t maxBytes);

// A large cache file read whole (see ReadLargeCacheFile).
class LargeCacheFile {
 public:
  LargeCacheFile(LargeCacheFile&& other) noexcept;
  LargeCacheFile& operator=(LargeCacheFile&& other) noexcept;
  ~LargeCacheFile();
  std::string_view Bytes() const { return bytes_; }

 private:
  friend std::optional<LargeCacheFile> ReadLargeCacheFile(std::string_view name, std::uint64_t maxBytes);
  LargeCacheFile(void* region, size_t regionBytes, std::string_view bytes)
      : region_(region), regionBytes_(regionBytes), bytes_(bytes) {}
  void* region_ = nullptr;
  size_t regionBytes_ = 0;
  std::string_view bytes_;  // within the region
};

// Cache file `name` read whole, as ReadCacheFile reads it, into memory taken
// in pages of 2 MiB where the system allows. Most of the time of reading a
// few MB into fresh memory goes to the system's providing it a 4 KiB page at
// a time; in large pages that is a few times for the file. Read rather than
// mapped: a mapped file that another process cuts short ends the reader with
// SIGBUS.
std::optional<LargeCacheFile> ReadLargeCacheFile(std::string_view name, std::uint64_t maxBytes);

// Puts `bytes` in cache file `name` (readable by the user alone) through a
// temporary file renamed into place, so that a reader sees the old file or
// the whole new one. Creates the folder, private to the user, when it is
// missing. False, with nothing left behind, when anything fails.
bool WriteCacheFile(std::string_view name, std::string_view bytes);

// Removes cache file `name` if it is there.
void RemoveCacheFile(std::string_view name);

// Lower-case hex digits of `bytes`.
std::string HexText(std::string_view bytes);

// A 64-bit FNV-1a hash of `bytes`, for naming cache files after a text.
std::uint64_t NameHash(std::string_view bytes);

}  // namespace kw
