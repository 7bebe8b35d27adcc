// A real FTP server on loopback for the upload tests (pyftpdlib under Debian's python3), and a
// listener that accepts connections but never answers.
#pragma once

#include <filesystem>
#include <string>

namespace wex::test {

// Serves home for one user; started in the constructor, stopped in the destructor. Check ok().
class LoopbackFtpServer {
 public:
  LoopbackFtpServer(const std::string& user, const std::string& password, const std::filesystem::path& home);
  ~LoopbackFtpServer();
  LoopbackFtpServer(const LoopbackFtpServer&) = delete;
  LoopbackFtpServer& operator=(const LoopbackFtpServer&) = delete;

  bool ok() const { return port_ > 0; }
  int port() const { return port_; }
  const std::string& error() const { return error_; }

 private:
  int pid_ = -1;
  int stdinFd_ = -1;  // the server ends itself when this pipe closes, even if the test dies
  int port_ = 0;
  std::string error_;
};

// A TCP port on loopback that takes connections and then stays silent: a server that hangs.
class SilentListener {
 public:
  SilentListener();
  ~SilentListener();
  SilentListener(const SilentListener&) = delete;
  SilentListener& operator=(const SilentListener&) = delete;

  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

}  // namespace wex::test
