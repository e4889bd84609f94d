// A real FTP server for tests: tests/net/ftp_server.py (pyftpdlib) on
// 127.0.0.1, started by the object and killed when it goes.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kw::test {

class FtpTestServer {
 public:
  // Serves `home` to the user "train" with the password "604lamp.org";
  // `options` are extra command-line options of the script (--cut N,
  // --stall N, --rate N, --password P, --size-reply TEXT, --silent). Throws
  // when the server does not come up.
  explicit FtpTestServer(const std::filesystem::path& home, const std::vector<std::string>& options = {});
  ~FtpTestServer();
  FtpTestServer(const FtpTestServer&) = delete;
  FtpTestServer& operator=(const FtpTestServer&) = delete;

  // "127.0.0.1:<port>", as the server setting is written.
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  void Stop();

  pid_t pid_ = -1;
  int port_ = 0;
};

}  // namespace kw::test
