// FTP client on libcurl's multi interface, so that Abort can wake a request that waits on the network.
#include "core/platform/curl_ftp_client.hpp"

#include <curl/curl.h>

#include <cstdio>
#include <string_view>
#include <system_error>
#include <vector>

namespace wex::platform {
namespace {

void EnsureCurlInitialised() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Control characters would end an FTP command early and smuggle in another one.
bool HasControlCharacter(std::string_view text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

// The host as it stands in a URL (IPv6 addresses in brackets); empty when it cannot stand there.
std::string UrlHost(const std::string& host) {
  if (host.empty() || HasControlCharacter(host) || host.find_first_of("/\\@?#% []") != std::string::npos)
    return {};
  if (host.find(':') != std::string::npos) return "[" + host + "]";
  return host;
}

std::string Escape(CURL* easy, const std::string& text) {
  char* escaped = curl_easy_escape(easy, text.data(), static_cast<int>(text.size()));
  std::string out = escaped ? escaped : "";
  curl_free(escaped);
  return out;
}

std::string JoinFtpPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

struct CurlFtpClient::Request {
  std::string url;
  std::vector<std::string> quote;  // commands sent before the request itself
  std::FILE* upload = nullptr;     // the file to store; none for a request without transfer
  curl_off_t uploadSize = 0;
  const TransferProgress* progress = nullptr;
  const std::atomic<bool>* aborted = nullptr;
  char errorText[CURL_ERROR_SIZE] = {};
};

namespace {

size_t ReadUpload(char* buffer, size_t size, size_t count, void* file) {
  return std::fread(buffer, size, count, static_cast<std::FILE*>(file));
}

int OnProgress(void* data, curl_off_t, curl_off_t, curl_off_t ultotal, curl_off_t ulnow) {
  auto* request = static_cast<const CurlFtpClient::Request*>(data);
  if (request->aborted->load()) return 1;
  if (request->progress && *request->progress &&
      !(*request->progress)(static_cast<std::uint64_t>(ulnow), static_cast<std::uint64_t>(ultotal)))
    return 1;
  return 0;
}

}  // namespace

CurlFtpClient::CurlFtpClient() { EnsureCurlInitialised(); }

CurlFtpClient::~CurlFtpClient() { ReleaseHandles(); }

bool CurlFtpClient::Connect(const std::string& host, int port, const std::string& user,
                            const std::string& password) {
  ReleaseHandles();
  const std::string urlHost = UrlHost(host);
  if (urlHost.empty() || port < 1 || port > 65535) {
    lastError_ = "invalid server address";
    return false;
  }
  if (HasControlCharacter(user) || HasControlCharacter(password)) {
    lastError_ = "user name or password holds control characters";
    return false;
  }
  {
    std::lock_guard lock(handleMutex_);
    multi_ = curl_multi_init();
  }
  easy_ = curl_easy_init();
  if (!multi_ || !easy_) {
    lastError_ = "libcurl could not be initialised";
    ReleaseHandles();
    return false;
  }
  baseUrl_ = "ftp://" + urlHost + ":" + std::to_string(port) + "/";
  user_ = user;
  password_ = password;

  // A request without transfer on the login directory: connects and logs in, nothing else.
  Request request;
  request.url = baseUrl_;
  if (!Perform(request)) {
    ReleaseHandles();
    return false;
  }
  char* entry = nullptr;
  if (curl_easy_getinfo(static_cast<CURL*>(easy_), CURLINFO_FTP_ENTRY_PATH, &entry) == CURLE_OK && entry)
    entryPath_ = entry;
  directory_ = entryPath_;
  return true;
}

bool CurlFtpClient::ChangeDirectory(const std::string& directory) {
  if (!easy_) {
    lastError_ = "not connected";
    return false;
  }
  if (directory.empty() || HasControlCharacter(directory)) {
    lastError_ = "invalid directory";
    return false;
  }
  // Our own CWD, sent every time: libcurl would skip a change to the directory it believes it is in,
  // and only the server's reply tells whether the directory (still) exists.
  const std::string target = directory.front() == '/' ? directory : JoinFtpPath(entryPath_, directory);
  Request request;
  request.url = baseUrl_;
  request.quote.push_back("CWD " + target);
  if (!Perform(request)) return false;
  directory_ = target;
  return true;
}

bool CurlFtpClient::Store(const std::filesystem::path& localFile, const std::string& hostFileName,
                          const TransferProgress& progress) {
  if (!easy_) {
    lastError_ = "not connected";
    return false;
  }
  if (hostFileName.empty() || HasControlCharacter(hostFileName) ||
      hostFileName.find_first_of("/\\") != std::string::npos) {
    lastError_ = "invalid host file name";
    return false;
  }
  std::error_code ec;
  const auto size = std::filesystem::file_size(localFile, ec);
  std::FILE* file = ec ? nullptr : std::fopen(localFile.string().c_str(), "rb");
  if (!file) {
    lastError_ = "cannot read " + localFile.string();
    return false;
  }
  Request request;
  request.url = baseUrl_ + Escape(static_cast<CURL*>(easy_), hostFileName);
  // Back to the directory first: should libcurl have had to connect anew, the file still lands there.
  if (!directory_.empty()) request.quote.push_back("CWD " + directory_);
  request.upload = file;
  request.uploadSize = static_cast<curl_off_t>(size);
  request.progress = &progress;
  const bool ok = Perform(request);
  std::fclose(file);
  return ok;
}

void CurlFtpClient::Abort() {
  aborted_ = true;
  std::lock_guard lock(handleMutex_);
  if (multi_) curl_multi_wakeup(static_cast<CURLM*>(multi_));
}

void CurlFtpClient::Close() {
  ReleaseHandles();
  aborted_ = false;
}

void CurlFtpClient::ReleaseHandles() {
  CURLM* multi = nullptr;
  {
    std::lock_guard lock(handleMutex_);
    multi = static_cast<CURLM*>(multi_);
    multi_ = nullptr;
  }
  if (easy_) curl_easy_cleanup(static_cast<CURL*>(easy_));
  easy_ = nullptr;
  if (multi) curl_multi_cleanup(multi);  // ends the session on a connection still open
  baseUrl_.clear();
  user_.clear();
  password_.assign(password_.size(), '\0');
  password_.clear();
  entryPath_.clear();
  directory_.clear();
}

bool CurlFtpClient::Perform(Request& request) {
  if (aborted_) {
    lastError_ = "aborted";
    return false;
  }
  CURL* easy = static_cast<CURL*>(easy_);
  CURLM* multi = static_cast<CURLM*>(multi_);
  curl_easy_reset(easy);  // options only: the connection stays in the multi handle's cache

  curl_slist* quote = nullptr;
  for (const auto& command : request.quote) quote = curl_slist_append(quote, command.c_str());
  request.aborted = &aborted_;

  curl_easy_setopt(easy, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
  // Credentials go separately, never inside a URL that an error text might echo.
  curl_easy_setopt(easy, CURLOPT_USERNAME, user_.c_str());
  curl_easy_setopt(easy, CURLOPT_PASSWORD, password_.c_str());
  curl_easy_setopt(easy, CURLOPT_PROXY, "");  // a direct connection, whatever the environment says
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, request.errorText);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, static_cast<long>(kTimeoutSeconds));
  curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(kTimeoutSeconds));
  // We change directories ourselves; libcurl neither changes nor creates any.
  curl_easy_setopt(easy, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
  curl_easy_setopt(easy, CURLOPT_FTP_CREATE_MISSING_DIRS, static_cast<long>(CURLFTP_CREATE_DIR_NONE));
  curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &request);
  if (quote) curl_easy_setopt(easy, CURLOPT_QUOTE, quote);
  if (request.upload) {
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, ReadUpload);
    curl_easy_setopt(easy, CURLOPT_READDATA, request.upload);
    curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, request.uploadSize);
    // A transfer may take long; it fails when nothing moves for the time-out.
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, static_cast<long>(kTimeoutSeconds));
  } else {
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(easy, CURLOPT_TIMEOUT, static_cast<long>(kTimeoutSeconds));
  }

  CURLcode result = CURLE_OK;
  if (curl_multi_add_handle(multi, easy) != CURLM_OK) {
    result = CURLE_FAILED_INIT;
  } else {
    for (bool finished = false; !finished;) {
      int running = 0;
      if (curl_multi_perform(multi, &running) != CURLM_OK) {
        result = CURLE_FAILED_INIT;
        break;
      }
      int left = 0;
      while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE) {
          result = message->data.result;
          finished = true;
        }
      }
      if (finished) break;
      if (aborted_) {
        // Taking the handle out mid-request closes its connection at once, without QUIT.
        result = CURLE_ABORTED_BY_CALLBACK;
        break;
      }
      curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
    }
    curl_multi_remove_handle(multi, easy);
  }
  curl_easy_setopt(easy, CURLOPT_QUOTE, nullptr);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);
  curl_slist_free_all(quote);

  if (result == CURLE_OK) return true;
  long reply = 0;
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &reply);
  lastError_ = curl_easy_strerror(result);
  if (request.errorText[0]) lastError_ += std::string(": ") + request.errorText;
  if (reply) lastError_ += " (reply " + std::to_string(reply) + ")";
  return false;
}

}  // namespace wex::platform
