#include "support/FtpTestServer.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace kw::test {

namespace {

// Waits up to `limit` for the child to end; true when it has.
bool Reap(pid_t pid, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (true) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || done < 0) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// The first line the child writes to `fd`, waiting up to 30 seconds.
std::string ReadLine(int fd) {
  std::string line;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < end) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    char buffer[64];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    line.append(buffer, static_cast<size_t>(n));
  }
  return line;
}

}  // namespace

FtpTestServer::FtpTestServer(const std::filesystem::path& home, const std::vector<std::string>& options) {
  std::vector<std::string> args = {KW_PYTHON3, KW_SOURCE_DIR "/tests/net/ftp_server.py", "--home",
                                   home.string()};
  args.insert(args.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The server's output brings its port; its input stays open while this
  // object lives, so the server also ends when the test process dies.
  int out[2];
  int in[2];
  if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe for the FTP server");
  if (::pipe2(in, O_CLOEXEC) != 0) {
    ::close(out[0]);
    ::close(out[1]);
    throw std::runtime_error("cannot make a pipe for the FTP server");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  const int spawned = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(in[0]);
  input_ = in[1];
  if (spawned != 0) {
    ::close(out[0]);
    pid_ = -1;
    throw std::runtime_error("cannot start " KW_PYTHON3);
  }
  const std::string line = ReadLine(out[0]);
  ::close(out[0]);
  try {
    port_ = std::stoi(line);
  } catch (const std::exception&) {
    port_ = 0;
  }
  if (port_ <= 0) {
    Stop();
    throw std::runtime_error("the test FTP server did not start (is python3-pyftpdlib installed?)");
  }
}

FtpTestServer::~FtpTestServer() { Stop(); }

void FtpTestServer::Stop() {
  if (input_ >= 0) ::close(input_);
  input_ = -1;
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  if (!Reap(pid_, std::chrono::seconds(10))) {
    ::kill(pid_, SIGKILL);
    Reap(pid_, std::chrono::seconds(30));
  }
  pid_ = -1;
}

int ClosedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

}  // namespace kw::test
