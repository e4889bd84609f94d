// The advertisement picture date/showmain.gif, kept in step with the copy on
// an FTP server, when the user names one (there is no default: without a
// server the program makes no network connection). A refresh downloads a
// changed picture under a second name, date/showmian.gif; the next start
// moves it into place before any window uses the picture. A picture is at
// most kMaxAdPictureBytes and must read as a picture (the caller's check,
// which decodes it) before it waits or is put in place. Nothing here is
// shown to the user: every failure is only reported in the returned value.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kw {

// The picture in use and the downloaded one waiting for the next start (the
// two names differ on purpose: main / mian).
inline constexpr std::string_view kAdPictureName = "showmain.gif";
inline constexpr std::string_view kAdWaitingName = "showmian.gif";

// The largest picture taken: a larger SIZE is refused, and a transfer that
// goes past it is stopped.
inline constexpr std::int64_t kMaxAdPictureBytes = 5 << 20;

// Whether the file at a path reads as a picture (decoded, not guessed from
// its name).
using PictureCheck = std::function<bool(const std::filesystem::path&)>;

// The account on the server and the picture's path there.
inline constexpr std::string_view kAdUser = "train";
inline constexpr std::string_view kAdPassword = "604lamp.org";
inline constexpr std::string_view kAdRemotePath = "train/showmain.gif";

// ---------------------------------------------------------------- swap at start

enum class SwapOutcome {
  NothingWaiting,  // no date/showmian.gif: the picture in use stays as it is
  Swapped,         // the waiting picture is now the picture in use
  Failed,          // the picture in use is untouched; the waiting one stays for the next start
};

struct SwapResult {
  SwapOutcome outcome = SwapOutcome::NothingWaiting;
  std::string error;  // what went wrong; may be set with Swapped when the waiting file could not be removed
};

// Removes the partial files that a program ended in the middle of a refresh
// or a swap left behind (see RemoveStalePartials), then puts a waiting
// date/showmian.gif below `appDir` in place of date/showmain.gif and deletes
// it. The picture in use is replaced in one step (a copy written beside it,
// then renamed over it), so it is either the old or the new picture. A
// download still running in another copy of the program is left alone. A
// waiting picture that is empty, larger than kMaxAdPictureBytes or not a
// picture by `isPicture` is removed, never put in place (Failed).
SwapResult SwapWaitingPicture(const std::filesystem::path& appDir, const PictureCheck& isPicture);

// ---------------------------------------------------------------- refresh

// Size in bytes of the regular file at `path`, or -1 when it cannot be opened.
std::int64_t LocalFileSize(const std::filesystem::path& path);

// How long a refresh waits for a slow or silent server.
struct AdRefreshLimits {
  std::chrono::milliseconds connectTimeout{5000};
  std::chrono::seconds responseTimeout{15};  // for each reply of the server
  long lowSpeedBytes = 100;                  // a transfer slower than this many bytes per second...
  std::chrono::seconds lowSpeedTime{30};     // ...for this long is given up
  std::chrono::seconds totalTime{300};       // the whole refresh, however the server trickles
};

enum class AdRefreshOutcome {
  SameSize,           // the local picture has the server's size: nothing downloaded
  Downloaded,         // the server's picture waits in date/showmian.gif
  SizeRequestFailed,  // no answer to the size request that is a size above 0: nothing downloaded
  DownloadFailed,     // the download broke off or came out at the wrong size: nothing kept
  Cancelled,          // the cancel flag was raised: nothing kept
  Refused,            // larger than kMaxAdPictureBytes, or no picture: nothing kept
};

struct AdRefreshResult {
  AdRefreshOutcome outcome = AdRefreshOutcome::SizeRequestFailed;
  // The server's answer to the size request: what follows the code of a
  // "213" reply (the size), the whole reply line otherwise; empty when none came.
  std::string replyText;
  std::int64_t remoteSize = -1;  // the size a 213 reply gives; -1 when it gives none
  std::int64_t localSize = -1;   // size of date/showmain.gif; -1 when missing
  std::string error;             // what went wrong; empty for SameSize and Downloaded
};

// Asks `server` (host or host:port) for the size of the picture on it and,
// when that is a size of at most kMaxAdPictureBytes and differs from the
// local date/showmain.gif below `appDir`, downloads it to a temporary file in
// the date folder that becomes date/showmian.gif only once complete, of the
// reported size and a picture by `isPicture`. Blocks until done, at most
// limits.totalTime; raising `cancel` from another thread ends it within about
// a second and removes the partial file.
AdRefreshResult RefreshAdPicture(std::string_view server, const std::filesystem::path& appDir,
                                 const std::atomic<bool>& cancel, const PictureCheck& isPicture,
                                 const AdRefreshLimits& limits = {});

}  // namespace kw
