// frmFTP: the hidden window that keeps the advertisement picture in step with
// the FTP server the user names in the settings; without one it does
// nothing. Start() runs the size check and download on a thread of its own;
// the outcome comes back to the user-interface thread, where the server's
// answer lands in Text1. Nothing is ever shown.
#pragma once

#include <QWidget>
#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "net/AdPicture.h"

class QLineEdit;

namespace kw {

class AdRefresher : public QWidget {
  Q_OBJECT

 public:
  // The work done off the user-interface thread: RefreshAdPicture unless a
  // test hands in its own.
  using Fetch = std::function<AdRefreshResult(const std::string& server, const std::filesystem::path& appDir,
                                              const std::atomic<bool>& cancel)>;

  explicit AdRefresher(std::filesystem::path appDir, QWidget* parent = nullptr, Fetch fetch = {});
  // Cancels a running refresh and waits for its thread (about a second at most).
  ~AdRefresher() override;

  // The setting "Network"/"AdServer" (host or host:port); empty, and the
  // refresh off, when it is absent or empty or "Network"/"AdRefresh" is false.
  static QString AdServer();
  // Whether the file decodes as a picture in a format Qt reads (its content
  // decides, not its name).
  static bool IsPictureFile(const std::filesystem::path& path);

  // Starts a refresh in the background and returns at once; false when no
  // server is set, the setting turns the refresh off or one is still running.
  bool Start();
  bool IsRunning() const { return running_; }

 signals:
  // On the user-interface thread, once Text1 holds the server's answer.
  void Finished(const kw::AdRefreshResult& result);

 private:
  void Deliver(const AdRefreshResult& result);

  std::filesystem::path appDir_;
  Fetch fetch_;
  QLineEdit* Text1;
  std::thread worker_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
};

}  // namespace kw
