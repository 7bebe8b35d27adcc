// The FTP client the upload needs: log in, change directory, store a file, abort, close.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace wex::platform {

class FtpClient {
 public:
  // Synchronous requests give up when the server has not answered within this time.
  static constexpr int kTimeoutSeconds = 180;

  // Bytes sent so far and the file's size; return false to stop the transfer at once.
  using TransferProgress = std::function<bool(std::uint64_t sent, std::uint64_t total)>;

  virtual ~FtpClient() = default;

  // Opens the control connection and logs in; false when the server cannot be reached, refuses
  // the login or does not answer in time.
  virtual bool Connect(const std::string& host, int port, const std::string& user,
                       const std::string& password) = 0;

  // Changes the server's current directory ("/" the root); never creates one. False when the
  // directory does not exist or may not be entered.
  virtual bool ChangeDirectory(const std::string& directory) = 0;

  // Sends the local file, binary, under hostFileName into the current directory. False when the
  // local file cannot be read, the server refuses it, or the transfer was stopped.
  virtual bool Store(const std::filesystem::path& localFile, const std::string& hostFileName,
                     const TransferProgress& progress = {}) = 0;

  // Drops the connection at once; a request running on another thread returns false promptly.
  // The only call that may come from another thread. Stays in force until Close.
  virtual void Abort() = 0;

  // Ends the session and releases the connection; the client can connect again afterwards.
  virtual void Close() = 0;

  // What went wrong with the last failed request, for a log line; never holds the password.
  virtual std::string LastError() const = 0;
};

}  // namespace wex::platform
