#include "gtfs/FeedSource.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "gtfs/FeedError.h"
#include "store/CoreStrings.h"

namespace kw {

namespace fs = std::filesystem;

FeedError::FeedError(std::string file, int line, const std::string& message)
    : std::runtime_error(line > 0 ? text::Fill(text::kGtfsAt, {file, std::to_string(line), message})
                                  : text::Fill(text::kGtfsIn, {file, message})),
      file_(std::move(file)),
      line_(line) {}

FeedCancelled::FeedCancelled() : std::runtime_error(std::string(text::kGtfsCancelled)) {}

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// "256 MB", or "2 KB" for a bound under a megabyte.
std::string Megabytes(std::uint64_t bytes) {
  return bytes >= (1u << 20) ? std::to_string(bytes >> 20) + " MB" : std::to_string(bytes >> 10) + " KB";
}

class FolderFeed : public FeedSource {
 public:
  FolderFeed(fs::path dir, FeedLimits limits) : dir_(std::move(dir)), limits_(limits) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir_, ec)) {
      if (entry.is_regular_file(ec)) files_.emplace(Lower(entry.path().filename().string()), entry.path());
    }
  }
  bool Has(const std::string& name) const override { return files_.count(Lower(name)) > 0; }
  std::string Read(const std::string& name) const override {
    const auto it = files_.find(Lower(name));
    if (it == files_.end()) throw FeedError(name, 0, std::string(text::kGtfsMissingFile));
    std::error_code ec;
    const auto size = fs::file_size(it->second, ec);
    if (ec) throw FeedError(name, 0, text::Fill(text::kGtfsCannotRead, {ec.message()}));
    if (size > limits_.maxFileBytes) {
      throw FeedError(name, 0, text::Fill(text::kGtfsTooLarge, {Megabytes(limits_.maxFileBytes)}));
    }
    std::ifstream in(it->second, std::ios::binary);
    std::string bytes(size, '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) {
      throw FeedError(name, 0, text::Fill(text::kGtfsCannotRead, {it->second.string()}));
    }
    return bytes;
  }

 private:
  fs::path dir_;
  FeedLimits limits_;
  std::map<std::string, fs::path> files_;  // by lower-case name
};

class ZipFeed : public FeedSource {
 public:
  ZipFeed(zip_t* zip, FeedLimits limits) : zip_(zip), limits_(limits) {
    const zip_int64_t count = zip_get_num_entries(zip_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
      const char* full = zip_get_name(zip_, static_cast<zip_uint64_t>(i), 0);
      if (!full) continue;
      std::string name = full;
      if (name.empty() || name.back() == '/') continue;
      // A member at the top, or inside one folder (a zipped feed folder).
      const size_t slash = name.find('/');
      if (slash != std::string::npos && name.find('/', slash + 1) != std::string::npos) continue;
      const std::string key = Lower(slash == std::string::npos ? name : name.substr(slash + 1));
      // A member at the top wins over one in a folder.
      if (slash == std::string::npos || !members_.count(key)) members_[key] = static_cast<zip_uint64_t>(i);
    }
  }
  ~ZipFeed() override { zip_discard(zip_); }
  bool Has(const std::string& name) const override { return members_.count(Lower(name)) > 0; }
  std::string Read(const std::string& name) const override {
    const auto it = members_.find(Lower(name));
    if (it == members_.end()) throw FeedError(name, 0, std::string(text::kGtfsMissingFile));
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip_, it->second, 0, &st) != 0) {
      throw FeedError(name, 0, text::Fill(text::kGtfsCannotRead, {zip_strerror(zip_)}));
    }
    const std::uint64_t declared = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
    const std::uint64_t stored = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : 0;
    Check(name, declared, stored);
    zip_file_t* file = zip_fopen_index(zip_, it->second, 0);
    if (!file) throw FeedError(name, 0, text::Fill(text::kGtfsCannotRead, {zip_strerror(zip_)}));
    // The declared size may lie: the bounds hold for what is expanded.
    std::string bytes;
    bytes.reserve(static_cast<size_t>(std::min<std::uint64_t>(declared, limits_.maxFileBytes)));
    char buffer[1 << 16];
    while (true) {
      const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
      if (n < 0) {
        const std::string why = zip_file_strerror(file);
        zip_fclose(file);
        throw FeedError(name, 0, text::Fill(text::kGtfsCannotRead, {why}));
      }
      if (n == 0) break;
      bytes.append(buffer, static_cast<size_t>(n));
      try {
        Check(name, bytes.size(), stored);
      } catch (...) {
        zip_fclose(file);
        throw;
      }
    }
    zip_fclose(file);
    return bytes;
  }

 private:
  void Check(const std::string& name, std::uint64_t expanded, std::uint64_t stored) const {
    if (expanded > limits_.maxFileBytes) {
      throw FeedError(name, 0, text::Fill(text::kGtfsTooLarge, {Megabytes(limits_.maxFileBytes)}));
    }
    if (expanded > limits_.ratioFloorBytes && expanded > limits_.maxRatio * std::max<std::uint64_t>(stored, 1)) {
      throw FeedError(name, 0, text::Fill(text::kGtfsRatio, {std::to_string(limits_.maxRatio)}));
    }
  }

  zip_t* zip_;
  FeedLimits limits_;
  std::map<std::string, zip_uint64_t> members_;  // by lower-case name
};

}  // namespace

std::unique_ptr<FeedSource> FeedSource::Open(const std::string& path, const FeedLimits& limits) {
  std::error_code ec;
  const std::string shown = fs::path(path).filename().string().empty() ? path : fs::path(path).filename().string();
  if (fs::is_directory(path, ec)) return std::make_unique<FolderFeed>(path, limits);
  if (!fs::is_regular_file(path, ec)) throw FeedError(shown, 0, std::string(text::kGtfsCannotOpen));
  int error = 0;
  zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (!zip) throw FeedError(shown, 0, std::string(text::kGtfsNotFeed));
  return std::make_unique<ZipFeed>(zip, limits);
}

}  // namespace kw
