// The FTP upload: queue, progress and outcome of one upload, its error countdown, and the upload job.
#include "core/cycle/upload.hpp"

#include <charconv>

#include "core/competition/fixed_text.hpp"
#include "core/format.hpp"
#include "core/platform/curl_ftp_client.hpp"
#include "core/platform/files.hpp"

namespace wex {

namespace {

// A port number 1 ... 65535 written in digits only.
bool ParsePort(std::string_view text, int& port) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 || value > 65535)
    return false;
  port = value;
  return true;
}

}  // namespace

ServerAddress SplitServerAddress(const std::string& server) {
  ServerAddress address;
  address.host = server;
  if (!server.empty() && server.front() == '[') {
    const auto close = server.find(']');
    if (close == std::string::npos) return address;
    address.host = server.substr(1, close - 1);
    if (close + 1 < server.size() && server[close + 1] == ':')
      ParsePort(std::string_view(server).substr(close + 2), address.port);
    return address;
  }
  const auto colon = server.find(':');
  // More than one colon: an IPv6 address without a port.
  if (colon == std::string::npos || server.find(':', colon + 1) != std::string::npos) return address;
  int port = kFtpDefaultPort;
  if (ParsePort(std::string_view(server).substr(colon + 1), port)) {
    address.host = server.substr(0, colon);
    address.port = port;
  }
  return address;
}

std::vector<std::string> BuildUploadQueue(const _cnfdat& cnf, const std::string& scriptFile,
                                          const ActionList& actions) {
  std::vector<std::string> queue;
  const std::string outputFolder(FieldText(cnf.ausgabepfad));
  if (!FieldText(cnf.css_datei).empty() && cnf.css_upload == 1) queue.emplace_back(FieldText(cnf.css_datei));
  if (cnf.index_erstellen == 1) queue.push_back(platform::JoinPath(outputFolder, FieldText(cnf.indexdatei)));
  queue.push_back(platform::JoinPath(outputFolder, scriptFile));
  // Text and LaTeX lists stay local: the server only shows pages.
  for (const auto& entry : actions.entries)
    if (entry.markiert == 1 && entry.format == 0) queue.emplace_back(FieldText(entry.dateiname));
  return queue;
}

UploadPlan MakeUploadPlan(const _cnfdat& cnf, const _intdat& intdat, const ActionList& actions) {
  UploadPlan plan;
  plan.server = std::string(FieldText(cnf.upload_server));
  plan.address = SplitServerAddress(plan.server);
  plan.user = std::string(FieldText(cnf.upload_benutzer));
  plan.password = std::string(FieldText(cnf.upload_passwort));
  const std::string directory(FieldText(cnf.upload_verzeichnis));
  plan.hostDirectory = directory.empty() ? "/" : directory;
  plan.groupCaption = Sprintf("%s%s", plan.server.c_str(), directory.c_str());
  plan.queue = BuildUploadQueue(cnf, intdat.scriptdatei, actions);
  return plan;
}

platform::MessageResult RunUpload(const UploadPlan& plan, platform::FtpClient& client, UploadView& view,
                                  const std::atomic<bool>* cancelRequested) {
  const auto cancelled = [&] { return cancelRequested && cancelRequested->load(); };
  UploadOutcome outcome;
  // Every way out closes the connection, so that the next upload can connect again.
  const auto finish = [&](platform::MessageResult result) {
    client.Close();
    outcome.result = result;
    view.UploadFinished(outcome);
    return result;
  };
  // A stop the user asked for is no failure to report.
  const auto showError = [&](const char* message) {
    if (!cancelled()) view.ShowUploadError(message, kUploadErrorCaption, kUploadErrorSeconds);
  };

  if (cancelled()) return finish(platform::MessageResult::Cancel);
  if (!client.Connect(plan.address.host, plan.address.port, plan.user, plan.password)) {
    showError(kUploadConnectError);
    return finish(platform::MessageResult::Cancel);
  }
  if (plan.queue.empty()) return finish(platform::MessageResult::Ok);

  UploadProgress progress{plan.groupCaption, {}, 0, static_cast<int>(plan.queue.size())};
  bool shown = false;
  std::size_t cursor = 0;
  // The directory is entered again before every file: it is the server's answer that tells whether
  // the directory is (still) there.
  const auto prepareFile = [&] {
    progress.fileName = platform::FileNamePart(plan.queue[cursor]);
    if (shown) view.ShowUploadProgress(progress);
    if (!client.ChangeDirectory(plan.hostDirectory)) {
      showError(kUploadDirectoryError);
      return false;
    }
    ++cursor;
    return true;
  };
  const platform::FtpClient::TransferProgress keepGoing = [&](std::uint64_t, std::uint64_t) {
    return !cancelled();
  };

  if (!prepareFile()) return finish(platform::MessageResult::Cancel);
  shown = true;
  view.ShowUploadProgress(progress);
  for (;;) {
    const std::string& path = plan.queue[cursor - 1];
    const bool sent = client.Store(std::filesystem::path(path), platform::FileNamePart(path), keepGoing);
    if (cancelled()) return finish(platform::MessageResult::Cancel);
    ++(sent ? outcome.filesSent : outcome.filesFailed);
    ++progress.position;
    view.ShowUploadProgress(progress);
    if (cancelled()) return finish(platform::MessageResult::Cancel);
    if (cursor == plan.queue.size()) return finish(platform::MessageResult::Ok);
    if (!prepareFile()) return finish(platform::MessageResult::Cancel);
  }
}

platform::MessageResult RunUpload(const UploadPlan& plan, UploadView& view) {
  platform::CurlFtpClient client;
  return RunUpload(plan, client, view);
}

UploadErrorCountdown::UploadErrorCountdown(int seconds)
    : shown_(seconds > 0), remaining_(seconds), buttonCaption_(CaptionFor(seconds)) {}

bool UploadErrorCountdown::Tick() {
  if (!shown_) return true;
  if (remaining_ != 0) {
    buttonCaption_ = CaptionFor(remaining_);
    --remaining_;
    return false;
  }
  return true;
}

std::string UploadErrorCountdown::CaptionFor(int seconds) {
  return Sprintf("&OK (Abbruch nach %d Sek.)", seconds);
}

UploadJob::UploadJob() : UploadJob([] { return std::make_unique<platform::CurlFtpClient>(); }) {}

UploadJob::UploadJob(ClientFactory makeClient) : makeClient_(std::move(makeClient)) {}

UploadJob::~UploadJob() {
  RequestCancel();
  Wait();
}

bool UploadJob::Start(UploadPlan plan, UploadView& view) {
  if (running_.load()) return false;
  if (worker_.joinable()) worker_.join();  // the last upload's thread, already at its end
  std::unique_ptr<platform::FtpClient> client = makeClient_();
  if (!client) return false;
  cancelRequested_ = false;
  {
    std::lock_guard lock(clientMutex_);
    client_ = client.get();
  }
  running_ = true;
  worker_ = std::thread([this, plan = std::move(plan), &view, client = std::move(client)]() mutable {
    RunUpload(plan, *client, view, &cancelRequested_);
    {
      std::lock_guard lock(clientMutex_);
      client_ = nullptr;
    }
    client.reset();
    running_ = false;
  });
  return true;
}

void UploadJob::RequestCancel() {
  std::lock_guard lock(clientMutex_);
  cancelRequested_ = true;
  if (client_) client_->Abort();
}

void UploadJob::Wait() {
  if (worker_.joinable() && worker_.get_id() != std::this_thread::get_id()) worker_.join();
}

}  // namespace wex
