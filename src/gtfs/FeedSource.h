// The files of a GTFS feed, from a zip or from a folder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kw {

// Bounds on what one file of a feed may expand to, so that a zip bomb is
// refused before it fills the memory.
struct FeedLimits {
  std::uint64_t maxFileBytes = 256ull << 20;  // after expanding
  // Expanded size / stored size of a zip member, checked for members that
  // expand past ratioFloorBytes (small files may compress very well).
  std::uint64_t maxRatio = 200;
  std::uint64_t ratioFloorBytes = 1ull << 20;
};

class FeedSource {
 public:
  // A .zip file (its members found by name, also inside one folder of the
  // zip) or a folder of .txt files. Throws FeedError when it is neither or
  // cannot be opened.
  static std::unique_ptr<FeedSource> Open(const std::string& path, const FeedLimits& limits = {});
  virtual ~FeedSource() = default;

  // Whether the feed has the file `name` ("stops.txt").
  virtual bool Has(const std::string& name) const = 0;
  // The bytes of file `name`. Throws FeedError when it is missing, cannot be
  // read or expands past the limits.
  virtual std::string Read(const std::string& name) const = 0;
};

}  // namespace kw
