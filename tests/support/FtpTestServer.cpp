#include "support/FtpTestServer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace kw::test {

FtpTestServer::FtpTestServer(const std::filesystem::path& home, const std::vector<std::string>& options) {
  std::vector<std::string> args = {KW_PYTHON3, KW_SOURCE_DIR "/tests/net/ftp_server.py", "--home",
                                   home.string()};
  args.insert(args.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The server writes its port to the pipe. It is killed with this process
  // should the test die first.
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe for the FTP server");
  pid_ = ::fork();
  if (pid_ == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    ::dup2(out[1], STDOUT_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  std::string line;  // empty when the server ended
  for (char c = 0; line.size() < 8 && ::read(out[0], &c, 1) == 1 && c != '\n';) line += c;
  ::close(out[0]);
  port_ = std::atoi(line.c_str());
  if (port_ <= 0) {
    Stop();
    throw std::runtime_error("the test FTP server did not start (is python3-pyftpdlib installed?)");
  }
}

FtpTestServer::~FtpTestServer() { Stop(); }

void FtpTestServer::Stop() {
  if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0) ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

}  // namespace kw::test
