// The FTP client on libcurl: passive mode, binary transfers, no proxy, no directory ever created.
#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "core/platform/ftp_client.hpp"

namespace wex::platform {

class CurlFtpClient final : public FtpClient {
 public:
  CurlFtpClient();
  ~CurlFtpClient() override;
  CurlFtpClient(const CurlFtpClient&) = delete;
  CurlFtpClient& operator=(const CurlFtpClient&) = delete;

  bool Connect(const std::string& host, int port, const std::string& user,
               const std::string& password) override;
  bool ChangeDirectory(const std::string& directory) override;
  bool Store(const std::filesystem::path& localFile, const std::string& hostFileName,
             const TransferProgress& progress = {}) override;
  void Abort() override;
  void Close() override;
  std::string LastError() const override { return lastError_; }

  struct Request;  // one request's settings, seen by libcurl's callbacks

 private:
  bool Perform(Request& request);
  void ReleaseHandles();

  void* multi_ = nullptr;   // CURLM*: holds the control connection between requests
  void* easy_ = nullptr;    // CURL*
  std::mutex handleMutex_;  // guards multi_ against an Abort from another thread while it is released
  std::atomic<bool> aborted_{false};

  std::string baseUrl_;  // "ftp://host:port/", never with credentials
  std::string user_;
  std::string password_;
  std::string entryPath_;  // the login directory, for relative directories
  std::string directory_;  // absolute directory last changed to
  std::string lastError_;
};

}  // namespace wex::platform
