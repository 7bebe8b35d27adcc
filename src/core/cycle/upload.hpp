// The FTP upload after a generation run: which files go, in which order, how it is shown, and a job
// that runs it away from the user-interface thread.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/actionlist/config.hpp"
#include "core/actionlist/listdat.hpp"
#include "core/platform/ftp_client.hpp"
#include "core/platform/user_interface.hpp"

namespace wex {

inline constexpr const char* kUploadConnectError = "Konnte keine Verbindung herstellen!";
inline constexpr const char* kUploadDirectoryError = "Fehler beim Wechseln des FTP-Verzeichnisses !";
inline constexpr const char* kUploadErrorCaption = "Fehler";
inline constexpr int kUploadErrorSeconds = 30;
inline constexpr int kFtpDefaultPort = 21;

struct ServerAddress {
  std::string host;
  int port = kFtpDefaultPort;
};

// upload_server as "host", "host:port", "[IPv6]" or "[IPv6]:port"; without a valid port, port 21.
ServerAddress SplitServerAddress(const std::string& server);

// The files to upload, full local paths in this order: the style sheet (css_datei, when set and
// css_upload is 1), the index page (when index_erstellen is 1), the page script, then every marked
// HTML entry's dateiname as stored, in list order.
std::vector<std::string> BuildUploadQueue(const _cnfdat& cnf, const std::string& scriptFile,
                                          const ActionList& actions);

// Everything one upload needs, copied from the configuration and the action list when it starts, so
// that the transfer reads nothing the user-interface thread may change meanwhile.
struct UploadPlan {
  std::string server;  // upload_server as stored
  ServerAddress address;
  std::string user;
  std::string password;
  std::string hostDirectory;  // upload_verzeichnis, or "/" when empty
  std::string groupCaption;   // upload_server directly followed by upload_verzeichnis
  std::vector<std::string> queue;
};

UploadPlan MakeUploadPlan(const _cnfdat& cnf, const _intdat& intdat, const ActionList& actions);

// What the progress dialog shows: the group caption, the file being sent and the bar.
struct UploadProgress {
  std::string caption;
  std::string fileName;  // file-name part of the local path
  int position = 0;
  int maximum = 0;
};

struct UploadOutcome {
  platform::MessageResult result = platform::MessageResult::Cancel;  // Ok: the end of the queue was reached
  int filesSent = 0;
  int filesFailed = 0;  // missing locally or refused by the server; they do not stop the upload
};

// The display side of the upload. Its calls come from the thread that runs the upload; a front end
// running it on a worker thread hands them over to its own thread.
class UploadView {
 public:
  virtual ~UploadView() = default;

  // The countdown error dialog (see UploadErrorCountdown); blocks until it is closed.
  virtual platform::MessageResult ShowUploadError(const std::string& message, const std::string& caption,
                                                  int seconds) = 0;

  // The progress dialog: first called when the first file is about to be sent (the dialog opens),
  // then whenever the file or the position changes. Never called when the upload fails before.
  virtual void ShowUploadProgress(const UploadProgress& progress) = 0;

  // The upload has ended and its connection is closed; the progress dialog, if open, closes.
  virtual void UploadFinished(const UploadOutcome& outcome) = 0;
};

// Runs one upload on the calling thread, from logging in to closing the connection. cancelRequested,
// when given, is watched between the steps; to stop a transfer at once, also Abort the client.
platform::MessageResult RunUpload(const UploadPlan& plan, platform::FtpClient& client, UploadView& view,
                                  const std::atomic<bool>* cancelRequested = nullptr);

// The same with a libcurl client of its own: the command line's synchronous upload.
platform::MessageResult RunUpload(const UploadPlan& plan, UploadView& view);

// The countdown of the upload error dialog, driven by a 1-second timer of the front end: the button
// shows the remaining seconds, and the dialog closes itself with OK after the last tick.
class UploadErrorCountdown {
 public:
  explicit UploadErrorCountdown(int seconds);

  // False for 0 seconds or less: the dialog is not shown and the result is Cancel at once.
  bool Shown() const { return shown_; }
  const std::string& ButtonCaption() const { return buttonCaption_; }

  // One second has passed; true when the dialog closes now with OK.
  bool Tick();

 private:
  static std::string CaptionFor(int seconds);

  bool shown_;
  int remaining_;
  std::string buttonCaption_;
};

// Runs uploads on a thread of their own, one at a time, so that the window stays responsive.
class UploadJob {
 public:
  using ClientFactory = std::function<std::unique_ptr<platform::FtpClient>()>;

  UploadJob();  // uploads with libcurl
  explicit UploadJob(ClientFactory makeClient);
  // Stops a running upload and waits for its end: the view must not be waiting, at that moment, for
  // the thread that destroys the job.
  ~UploadJob();
  UploadJob(const UploadJob&) = delete;
  UploadJob& operator=(const UploadJob&) = delete;

  // Starts the upload; false, and nothing started, while another one runs. The view must outlive it.
  bool Start(UploadPlan plan, UploadView& view);

  // True from Start until the view's UploadFinished has returned. A generation must not start then.
  bool Running() const { return running_.load(); }

  // "&Abbrechen": from any thread; the transfer stops at once and the upload ends with Cancel.
  void RequestCancel();

  // Waits until the running upload, if any, has ended.
  void Wait();

 private:
  ClientFactory makeClient_;
  std::thread worker_;
  std::atomic<bool> running_{false};
  std::atomic<bool> cancelRequested_{false};
  std::mutex clientMutex_;
  platform::FtpClient* client_ = nullptr;  // the running upload's client, for RequestCancel
};

}  // namespace wex
