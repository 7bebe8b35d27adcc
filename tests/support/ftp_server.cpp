// Starts and stops the loopback FTP server of the upload tests.
#include "support/ftp_server.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

extern char** environ;

namespace wex::test {
namespace {

// Binds port 0 so that the system picks a free port, prints it once listening, and ends when its
// standard input closes. No delay after a failed login: the tests try wrong passwords.
constexpr const char* kServerScript = R"(
import logging, os, sys, threading
sys.modules["OpenSSL"] = None  # no TLS needed; saves a slow import
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
user, password, home = sys.argv[1:4]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, home, perm="elradfmwMT")
class Handler(FTPHandler):
    pass
Handler.authorizer = authorizer
Handler.auth_failed_timeout = 0
server = FTPServer(("127.0.0.1", 0), Handler)
def watch_parent():
    sys.stdin.read()
    os._exit(0)
threading.Thread(target=watch_parent, daemon=True).start()
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
)";

}  // namespace

LoopbackFtpServer::LoopbackFtpServer(const std::string& user, const std::string& password,
                                     const std::filesystem::path& home) {
  int toServer[2];
  int fromServer[2];
  if (pipe(toServer) != 0 || pipe(fromServer) != 0) {
    error_ = "pipe failed";
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, toServer[0], 0);
  posix_spawn_file_actions_adddup2(&actions, fromServer[1], 1);
  posix_spawn_file_actions_addclose(&actions, toServer[1]);
  posix_spawn_file_actions_addclose(&actions, fromServer[0]);
  const std::string homeText = home.string();
  // Debian's own interpreter: the one that has python3-pyftpdlib, whatever comes first on PATH.
  std::vector<char*> argv{const_cast<char*>("/usr/bin/python3"),
                          const_cast<char*>("-c"),
                          const_cast<char*>(kServerScript),
                          const_cast<char*>(user.c_str()),
                          const_cast<char*>(password.c_str()),
                          const_cast<char*>(homeText.c_str()),
                          nullptr};
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(toServer[0]);
  close(fromServer[1]);
  stdinFd_ = toServer[1];
  if (spawned != 0) {
    close(fromServer[0]);
    error_ = "cannot start /usr/bin/python3";
    return;
  }
  pid_ = pid;

  std::string line;
  pollfd waitFor{fromServer[0], POLLIN, 0};
  while (line.find('\n') == std::string::npos && poll(&waitFor, 1, 10000) > 0) {
    char buffer[64];
    const ssize_t n = read(fromServer[0], buffer, sizeof buffer);
    if (n <= 0) break;
    line.append(buffer, static_cast<std::size_t>(n));
  }
  close(fromServer[0]);
  port_ = std::atoi(line.c_str());
  if (port_ <= 0) error_ = "the FTP server did not start (is python3-pyftpdlib installed?)";
}

LoopbackFtpServer::~LoopbackFtpServer() {
  if (stdinFd_ >= 0) close(stdinFd_);
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

SilentListener::SilentListener() {
  fd_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(fd_, 4) != 0 || getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return;
  port_ = ntohs(address.sin_port);
}

SilentListener::~SilentListener() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace wex::test
