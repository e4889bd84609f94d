#include "net/AdPicture.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <mutex>

#include "store/CoreStrings.h"
#include "store/DateFolder.h"

namespace kw {

namespace fs = std::filesystem;

namespace {

// Flushes a file's bytes to the disk, so that a rename after it never puts a
// half-written file in place.
bool SyncFile(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

SwapResult SwapWaitingPicture(const fs::path& appDir, const PictureCheck& isPicture) {
  RemoveStalePartials(appDir);
  std::error_code ec;
  const fs::path waiting = DateFile(appDir, kAdWaitingName);
  if (!fs::exists(waiting, ec)) return {};
  // An empty picture is no picture (a server that reported size 0); a huge
  // one would be read at every start.
  if (fs::is_regular_file(waiting, ec)) {
    const std::int64_t size = LocalFileSize(waiting);
    std::string why;
    if (size == 0) {
      why = " is empty";
    } else if (size > kMaxAdPictureBytes) {
      why = " is larger than " + std::to_string(kMaxAdPictureBytes) + " bytes";
    } else if (!isPicture(waiting)) {
      why = " is no picture";
    }
    if (!why.empty()) {
      fs::remove(waiting, ec);
      return {SwapOutcome::Failed, "the waiting picture " + waiting.string() + why};
    }
  }

  const fs::path picture = DateFile(appDir, kAdPictureName);
  fs::path staged = picture;
  staged += ".part";
  const int lock = OpenPartial(staged);  // another copy starting now leaves it alone
  fs::copy_file(waiting, staged, fs::copy_options::overwrite_existing, ec);
  if (!ec && !SyncFile(staged)) ec = std::make_error_code(std::errc::io_error);
  if (!ec) fs::rename(staged, picture, ec);
  if (lock >= 0) ::close(lock);
  if (ec) {
    std::error_code ignored;
    fs::remove(staged, ignored);
    return {SwapOutcome::Failed, "cannot put " + waiting.string() + " in place: " + ec.message()};
  }
  fs::remove(waiting, ec);
  if (ec) {
    return {SwapOutcome::Swapped, "cannot remove " + waiting.string() + ": " + ec.message()};
  }
  return {SwapOutcome::Swapped, {}};
}

std::int64_t LocalFileSize(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  ::close(fd);
  return regular ? static_cast<std::int64_t>(st.st_size) : -1;
}

namespace {

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

// host, host:port, [v6]:port: nothing that could reach into the URL's path or
// credentials.
bool IsServerName(std::string_view server) {
  if (server.empty()) return false;
  for (const char c : server) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != ':' && c != '[' &&
        c != ']') {
      return false;
    }
  }
  return true;
}

// A whole non-negative decimal number, or -1.
std::int64_t ParseSize(std::string_view text) {
  std::int64_t value = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0) return -1;
  return value;
}

// What the callbacks of one refresh share.
struct Exchange {
  const std::atomic<bool>* cancel = nullptr;
  // The size request: set when curl sends SIZE, cleared by the reply.
  bool awaitingSizeReply = false;
  std::string sizeReply;
  // The download.
  std::FILE* out = nullptr;
  std::int64_t written = 0;
  std::int64_t expected = 0;  // the size the server reported
  bool oversized = false;     // the server sent more than it reported
};

// Sees the FTP commands curl sends and the server's replies; keeps the reply
// to SIZE.
int OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* user) {
  auto& x = *static_cast<Exchange*>(user);
  const std::string_view text(data, size);
  if (type == CURLINFO_HEADER_OUT) {
    x.awaitingSizeReply = text.starts_with("SIZE ");
  } else if (type == CURLINFO_HEADER_IN && x.awaitingSizeReply) {
    x.sizeReply = text::Trim(text, " \r\n");  // without the line end
    x.awaitingSizeReply = false;
  }
  return 0;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<Exchange*>(user)->cancel->load() ? 1 : 0;
}

size_t OnData(char* data, size_t, size_t size, void* user) {
  auto& x = *static_cast<Exchange*>(user);
  // More bytes than the server announced: not the picture it reported.
  if (x.written + static_cast<std::int64_t>(size) > x.expected) {
    x.oversized = true;
    return 0;
  }
  const size_t done = std::fwrite(data, 1, size, x.out);
  x.written += static_cast<std::int64_t>(done);
  return done;
}

size_t Discard(char*, size_t, size_t size, void*) { return size; }

std::string CurlFailure(CURLcode code, const char* detail) {
  std::string text = curl_easy_strerror(code);
  if (detail[0] != '\0') text += std::string(": ") + detail;
  return text;
}

// The temporary file a download is written to, in the date folder; removed
// unless MoveTo() puts it in place. It stays locked while the object lives,
// so that a start of another copy of the program leaves it alone.
class PartialFile {
 public:
  explicit PartialFile(const fs::path& folder) {
    std::string name = (folder / kAdWaitingName).string() + ".XXXXXX.part";
    const int fd = ::mkstemps(name.data(), 5);
    if (fd < 0) return;
    ::fchmod(fd, 0644);
    // The lock belongs to the open file, which the duplicate keeps open
    // after the FILE is closed.
    lock_ = ::dup(fd);
    if (lock_ >= 0) ::flock(lock_, LOCK_EX);
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
      ::close(fd);
      ::unlink(name.c_str());
      return;
    }
    path_ = name;
  }
  ~PartialFile() {
    Close();
    if (!path_.empty()) ::unlink(path_.c_str());
    if (lock_ >= 0) ::close(lock_);
  }
  PartialFile(const PartialFile&) = delete;
  PartialFile& operator=(const PartialFile&) = delete;

  std::FILE* File() const { return file_; }
  const std::string& Path() const { return path_; }
  // Closes the file with its bytes on the disk; false when that fails.
  bool Close() {
    if (file_ == nullptr) return true;
    bool ok = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
  }
  // Renames the closed file to `target`.
  bool MoveTo(const fs::path& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) return false;
    path_.clear();
    return true;
  }

 private:
  std::FILE* file_ = nullptr;
  int lock_ = -1;
  std::string path_;
};

}  // namespace

AdRefreshResult RefreshAdPicture(std::string_view server, const fs::path& appDir,
                                 const std::atomic<bool>& cancel, const PictureCheck& isPicture,
                                 const AdRefreshLimits& limits) {
  AdRefreshResult result;
  if (!IsServerName(server)) {
    result.error = "not a server name: \"" + std::string(server) + "\"";
    return result;
  }
  static std::once_flag curlReady;
  std::call_once(curlReady, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  CurlHandle curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) {
    result.error = "cannot start a transfer";
    return result;
  }

  Exchange x;
  x.cancel = &cancel;
  char detail[CURL_ERROR_SIZE] = "";
  const std::string url = "ftp://" + std::string(server) + "/" + std::string(kAdRemotePath);
  const std::string user(kAdUser);
  const std::string password(kAdPassword);
  CURL* h = curl.get();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(h, CURLOPT_USERNAME, user.c_str());
  curl_easy_setopt(h, CURLOPT_PASSWORD, password.c_str());
  // SIZE and RETR name the whole remote path, without changing directory.
  curl_easy_setopt(h, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectTimeout.count()));
  curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(limits.responseTimeout.count()));
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytes);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.lowSpeedTime.count()));
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, detail);
  curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &OnProgress);
  curl_easy_setopt(h, CURLOPT_XFERINFODATA, &x);
  curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
  curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, &OnDebug);
  curl_easy_setopt(h, CURLOPT_DEBUGDATA, &x);
  // Both requests share one time limit.
  const auto deadline = std::chrono::steady_clock::now() + limits.totalTime;
  const auto perform = [&] {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (cancel) return CURLE_ABORTED_BY_CALLBACK;
    if (left.count() <= 0) return CURLE_OPERATION_TIMEDOUT;
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(left.count()));
    return curl_easy_perform(h);
  };

  // The size request; curl's own summary of the answer is not needed.
  curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Discard);
  CURLcode code = perform();
  // "213 <size>" is the size; a 213 without one, or any other reply, is none.
  const bool sizeReply = x.sizeReply.starts_with("213") && (x.sizeReply.size() == 3 || x.sizeReply[3] == ' ');
  result.replyText = sizeReply ? std::string(text::Trim(x.sizeReply.substr(3))) : x.sizeReply;
  if (sizeReply) result.remoteSize = ParseSize(result.replyText);
  if (cancel || code == CURLE_ABORTED_BY_CALLBACK) {
    result.outcome = AdRefreshOutcome::Cancelled;
    result.error = "cancelled";
    return result;
  }
  if (code != CURLE_OK || x.sizeReply.empty()) {
    result.error = code != CURLE_OK ? CurlFailure(code, detail) : "the server did not answer SIZE";
    return result;
  }
  // Without a size nothing could tell a complete download from a cut one;
  // a size of 0 is no picture.
  if (result.remoteSize <= 0) {
    result.error = "the answer to SIZE is no picture's size: " + x.sizeReply;
    return result;
  }
  if (result.remoteSize > kMaxAdPictureBytes) {
    result.outcome = AdRefreshOutcome::Refused;
    result.error = "the picture on the server is larger than " + std::to_string(kMaxAdPictureBytes) +
                   " bytes: " + result.replyText;
    return result;
  }

  const fs::path folder = DateFolder(appDir);
  result.localSize = LocalFileSize(DateFile(appDir, kAdPictureName));
  if (result.remoteSize == result.localSize) {
    result.outcome = AdRefreshOutcome::SameSize;
    return result;
  }

  // The download, over the same connection.
  result.outcome = AdRefreshOutcome::DownloadFailed;
  PartialFile partial(folder);
  if (partial.File() == nullptr) {
    result.error = "cannot create a file in " + folder.string();
    return result;
  }
  x.out = partial.File();
  x.expected = result.remoteSize;  // at most kMaxAdPictureBytes: OnData stops a transfer beyond it
  detail[0] = '\0';
  curl_easy_setopt(h, CURLOPT_NOBODY, 0L);
  // Read to the end of the data whatever size the server gives now; the
  // length is checked against the answer above.
  curl_easy_setopt(h, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &OnData);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &x);
  code = perform();
  const bool closed = partial.Close();
  if (cancel || code == CURLE_ABORTED_BY_CALLBACK) {
    result.outcome = AdRefreshOutcome::Cancelled;
    result.error = "cancelled";
  } else if (code != CURLE_OK) {
    result.error = x.oversized ? "the server sent more than the " + result.replyText + " bytes it reported"
                               : CurlFailure(code, detail);
  } else if (x.written != x.expected) {
    result.error = "received " + std::to_string(x.written) + " of " + result.replyText + " bytes";
  } else if (closed && !isPicture(partial.Path())) {
    result.outcome = AdRefreshOutcome::Refused;
    result.error = "what the server sent is no picture";
  } else if (!closed || !partial.MoveTo(DateFile(appDir, kAdWaitingName))) {
    result.error = "cannot write " + DateFile(appDir, kAdWaitingName).string();
  } else {
    result.outcome = AdRefreshOutcome::Downloaded;
  }
  return result;
}

}  // namespace kw
