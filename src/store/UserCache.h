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

// A cache file mapped into memory read-only, for reading a large one
// without copying it: its pages are those the system already holds for the
// file, where a copy would take fresh memory a page fault at a time (see
// MapCacheFile).
class MappedCacheFile {
 public:
  MappedCacheFile(MappedCacheFile&& other) noexcept;
  MappedCacheFile& operator=(MappedCacheFile&& other) noexcept;
  ~MappedCacheFile();
  std::string_view Bytes() const { return {static_cast<const char*>(data_), size_}; }

 private:
  friend std::optional<MappedCacheFile> MapCacheFile(std::string_view name, std::uint64_t maxBytes);
  MappedCacheFile(void* data, size_t size) : data_(data), size_(size) {}
  void* data_ = nullptr;
  size_t size_ = 0;
};

// Cache file `name` mapped, under the same conditions as ReadCacheFile. The
// files are only ever replaced whole (see WriteCacheFile), never rewritten
// in place, so the file mapped stays as it was while it is read.
std::optional<MappedCacheFile> MapCacheFile(std::string_view name, std::uint64_t maxBytes);

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
