// FTP upload: the queue, the error countdown, and whole uploads against a real FTP server on loopback.
#include "core/cycle/upload.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>

#include "core/competition/fixed_text.hpp"
#include "core/platform/curl_ftp_client.hpp"
#include "core/platform/files.hpp"
#include "support/fakes.hpp"
#include "support/ftp_server.hpp"

namespace wex {
namespace {

namespace fs = std::filesystem;
using platform::JoinPath;
using platform::MessageResult;

constexpr const char* kUser = "plakard";
// Characters that would break a URL carrying credentials.
constexpr const char* kPassword = "Ge:heim@7x%/";

_listdat Entry(const std::string& file, int marked, int format) {
  _listdat entry{};
  SetFieldText(entry.dateiname, file);
  entry.markiert = static_cast<std::int8_t>(marked);
  entry.format = static_cast<std::int8_t>(format);
  return entry;
}

// Shows nothing; keeps everything the upload would have shown.
struct RecordingView : UploadView {
  struct Error {
    std::string message;
    std::string caption;
    int seconds;
    bool operator==(const Error&) const = default;
  };

  MessageResult ShowUploadError(const std::string& message, const std::string& caption,
                                int seconds) override {
    errors.push_back({message, caption, seconds});
    return MessageResult::Ok;
  }
  void ShowUploadProgress(const UploadProgress& p) override {
    progress.push_back(p);
    if (onProgress) onProgress(p);
  }
  void UploadFinished(const UploadOutcome& outcome) override { finished.push_back(outcome); }

  // "file position/maximum" per progress call.
  std::vector<std::string> ProgressLines() const {
    std::vector<std::string> lines;
    for (const auto& p : progress)
      lines.push_back(p.fileName + " " + std::to_string(p.position) + "/" + std::to_string(p.maximum));
    return lines;
  }

  std::vector<Error> errors;
  std::vector<UploadProgress> progress;
  std::vector<UploadOutcome> finished;
  std::function<void(const UploadProgress&)> onProgress;
};

// File name → content of every file directly in folder; "<dir>" for folders.
std::map<std::string, std::string> FolderContent(const fs::path& folder) {
  std::map<std::string, std::string> content;
  for (const auto& item : fs::directory_iterator(folder))
    content[item.path().filename().string()] = item.is_directory() ? "<dir>" : test::ReadAll(item.path());
  return content;
}

TEST(upload_queue, holds_style_sheet_index_page_script_and_marked_html_lists_in_list_order) {
  const std::string out = "/srv/out";
  const std::string css = "/styles/site.css";
  const std::string index = JoinPath(out, "WexIndex.html");
  const std::string script = JoinPath(out, "Plakard.js");
  ActionList lists;
  lists.entries = {Entry("/srv/out/a.html", 1, 0), Entry("/srv/out/b.html", 0, 0),
                   Entry("/srv/out/c.txt", 1, 1), Entry("/srv/out/d.tex", 1, 2),
                   Entry("/elsewhere/e.html", 1, 0)};
  struct Case {
    const char* name;
    const char* cssFile;
    int cssUpload;
    int indexPage;
    bool withLists;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"everything",
       "/styles/site.css",
       1,
       1,
       true,
       {css, index, script, "/srv/out/a.html", "/elsewhere/e.html"}},
      {"css_upload without style sheet",
       "",
       1,
       1,
       true,
       {index, script, "/srv/out/a.html", "/elsewhere/e.html"}},
      {"style sheet not to upload",
       "/styles/site.css",
       0,
       1,
       true,
       {index, script, "/srv/out/a.html", "/elsewhere/e.html"}},
      {"no index page", "", 0, 0, true, {script, "/srv/out/a.html", "/elsewhere/e.html"}},
      {"no marked html list", "/styles/site.css", 1, 0, false, {css, script}},
  };
  for (const auto& c : cases) {
    _cnfdat cnf{};
    SetFieldText(cnf.ausgabepfad, out);
    SetFieldText(cnf.indexdatei, "WexIndex.html");
    SetFieldText(cnf.css_datei, c.cssFile);
    cnf.css_upload = static_cast<std::int8_t>(c.cssUpload);
    cnf.index_erstellen = static_cast<std::int8_t>(c.indexPage);
    EXPECT_EQ(BuildUploadQueue(cnf, "Plakard.js", c.withLists ? lists : ActionList{}), c.expected) << c.name;
  }
}

TEST(upload_plan, caption_is_server_and_directory_and_an_empty_directory_means_the_root) {
  _cnfdat cnf{};
  SetFieldText(cnf.upload_server, "ftp.example.org");
  SetFieldText(cnf.upload_benutzer, kUser);
  SetFieldText(cnf.upload_passwort, kPassword);
  SetFieldText(cnf.upload_verzeichnis, "/ergebnisse");
  UploadPlan plan = MakeUploadPlan(cnf, _intdat{}, ActionList{});
  EXPECT_EQ(plan.groupCaption, "ftp.example.org/ergebnisse");
  EXPECT_EQ(plan.hostDirectory, "/ergebnisse");
  EXPECT_EQ(plan.address.host, "ftp.example.org");
  EXPECT_EQ(plan.address.port, 21);
  EXPECT_EQ(plan.user, kUser);
  EXPECT_EQ(plan.password, kPassword);

  SetFieldText(cnf.upload_verzeichnis, "");
  plan = MakeUploadPlan(cnf, _intdat{}, ActionList{});
  EXPECT_EQ(plan.groupCaption, "ftp.example.org");
  EXPECT_EQ(plan.hostDirectory, "/");
}

TEST(upload_plan, server_may_carry_a_port) {
  struct Case {
    const char* server;
    const char* host;
    int port;
  };
  const Case cases[] = {
      {"ftp.example.org", "ftp.example.org", 21},
      {"ftp.example.org:2121", "ftp.example.org", 2121},
      {"[::1]:2121", "::1", 2121},
      {"[::1]", "::1", 21},
      {"::1", "::1", 21},
      {"host:abc", "host:abc", 21},
      {"host:70000", "host:70000", 21},
  };
  for (const auto& c : cases) {
    const ServerAddress address = SplitServerAddress(c.server);
    EXPECT_EQ(address.host, c.host) << c.server;
    EXPECT_EQ(address.port, c.port) << c.server;
  }
}

TEST(upload_error_countdown, shows_30_twice_then_counts_down_and_closes_after_the_31st_tick) {
  UploadErrorCountdown countdown(30);
  ASSERT_TRUE(countdown.Shown());
  std::vector<std::string> captions{countdown.ButtonCaption()};
  int ticks = 0;
  while (!countdown.Tick()) {
    captions.push_back(countdown.ButtonCaption());
    ASSERT_LT(++ticks, 100);
  }
  ++ticks;
  std::vector<std::string> expected{"&OK (Abbruch nach 30 Sek.)"};
  for (int s = 30; s >= 1; --s) expected.push_back("&OK (Abbruch nach " + std::to_string(s) + " Sek.)");
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(ticks, 31);
}

TEST(upload_error_countdown, no_seconds_means_not_shown) {
  EXPECT_FALSE(UploadErrorCountdown(0).Shown());
  EXPECT_FALSE(UploadErrorCountdown(-5).Shown());
}

class upload_to_server : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(home / "ergebnisse");
    server_ = std::make_unique<test::LoopbackFtpServer>(kUser, kPassword, home.path());
    ASSERT_TRUE(server_->ok()) << server_->error();

    // Bytes a text-mode transfer would change: CR LF, bare LF, NUL, high bytes.
    fs::create_directory(local / "styles");
    files = {{"site.css", "body {}\r\n\xE4\n"},
             {"WexIndex.html", std::string("<html>\r\n\0\xFF\r", 11)},
             {"Plakard.js", "var folgeseite = 1;\n"},
             {"liste 1.html",
              "<p>Gr\xF6"
              "benfalter</p>\r\n"},
             {"liste3.html", std::string(70000, '\n')}};
    test::WriteAll(local / "styles" / "site.css", files["site.css"]);
    for (const char* name : {"WexIndex.html", "Plakard.js", "liste 1.html", "liste3.html"})
      test::WriteAll(local / name, files[name]);
    test::WriteAll(local / "liste2.txt", "text list\r\n");

    SetFieldText(cnf.upload_server, "127.0.0.1:" + std::to_string(server_->port()));
    SetFieldText(cnf.upload_benutzer, kUser);
    SetFieldText(cnf.upload_passwort, kPassword);
    SetFieldText(cnf.upload_verzeichnis, "/ergebnisse");
    SetFieldText(cnf.ausgabepfad, local.str());
    SetFieldText(cnf.indexdatei, "WexIndex.html");
    SetFieldText(cnf.css_datei, (local / "styles" / "site.css").string());
    cnf.css_upload = 1;
    cnf.index_erstellen = 1;
    lists.entries = {Entry((local / "liste 1.html").string(), 1, 0),
                     Entry((local / "liste2.txt").string(), 1, 1),
                     Entry((local / "liste3.html").string(), 1, 0)};
  }

  UploadPlan Plan() const { return MakeUploadPlan(cnf, _intdat{}, lists); }

  // The password shows up nowhere the user or a log could see it.
  void ExpectPasswordNowhere(const RecordingView& view, const platform::FtpClient& client) const {
    std::vector<std::string> texts{client.LastError()};
    for (const auto& e : view.errors) texts.insert(texts.end(), {e.message, e.caption});
    for (const auto& p : view.progress) texts.insert(texts.end(), {p.caption, p.fileName});
    for (const auto& t : texts) EXPECT_EQ(t.find(kPassword), std::string::npos) << t;
  }

  test::TempDir home;
  test::TempDir local;
  std::map<std::string, std::string> files;
  _cnfdat cnf{};
  ActionList lists;

 private:
  std::unique_ptr<test::LoopbackFtpServer> server_;
};

TEST_F(upload_to_server, every_queued_file_lands_byte_for_byte_in_the_directory) {
  const UploadPlan plan = Plan();
  platform::CurlFtpClient client;
  RecordingView view;
  EXPECT_EQ(RunUpload(plan, client, view), MessageResult::Ok);

  EXPECT_EQ(FolderContent(home / "ergebnisse"), files);
  EXPECT_EQ(FolderContent(home.path()), (std::map<std::string, std::string>{{"ergebnisse", "<dir>"}}));
  EXPECT_TRUE(view.errors.empty());
  ASSERT_EQ(view.finished.size(), 1u);
  EXPECT_EQ(view.finished[0].filesSent, 5);
  EXPECT_EQ(view.finished[0].filesFailed, 0);
  EXPECT_EQ(
      view.ProgressLines(),
      (std::vector<std::string>{"site.css 0/5", "site.css 1/5", "WexIndex.html 1/5", "WexIndex.html 2/5",
                                "Plakard.js 2/5", "Plakard.js 3/5", "liste 1.html 3/5", "liste 1.html 4/5",
                                "liste3.html 4/5", "liste3.html 5/5"}));
  for (const auto& p : view.progress) EXPECT_EQ(p.caption, cnf.upload_server + std::string("/ergebnisse"));

  // The connection was closed at the end: the same client logs in again for the next upload.
  fs::remove(home / "ergebnisse" / "Plakard.js");
  EXPECT_EQ(RunUpload(plan, client, view), MessageResult::Ok);
  EXPECT_EQ(FolderContent(home / "ergebnisse"), files);
  ExpectPasswordNowhere(view, client);
}

TEST_F(upload_to_server, empty_directory_uploads_into_the_root) {
  SetFieldText(cnf.upload_verzeichnis, "");
  RecordingView view;
  EXPECT_EQ(RunUpload(Plan(), view), MessageResult::Ok);
  auto expected = files;
  expected["ergebnisse"] = "<dir>";
  EXPECT_EQ(FolderContent(home.path()), expected);
  EXPECT_TRUE(fs::is_empty(home / "ergebnisse"));
}

TEST_F(upload_to_server, missing_local_file_is_skipped_and_the_upload_ends_ok) {
  fs::remove(local / "liste 1.html");
  files.erase("liste 1.html");
  platform::CurlFtpClient client;
  RecordingView view;
  EXPECT_EQ(RunUpload(Plan(), client, view), MessageResult::Ok);
  EXPECT_EQ(FolderContent(home / "ergebnisse"), files);
  EXPECT_TRUE(view.errors.empty());
  ASSERT_EQ(view.finished.size(), 1u);
  EXPECT_EQ(view.finished[0].filesSent, 4);
  EXPECT_EQ(view.finished[0].filesFailed, 1);
  EXPECT_EQ(view.progress.back().position, 5);
}

TEST_F(upload_to_server, wrong_password_reports_no_connection_and_cancels) {
  SetFieldText(cnf.upload_passwort, "falsch");
  platform::CurlFtpClient client;
  RecordingView view;
  EXPECT_EQ(RunUpload(Plan(), client, view), MessageResult::Cancel);
  EXPECT_EQ(view.errors,
            (std::vector<RecordingView::Error>{{"Konnte keine Verbindung herstellen!", "Fehler", 30}}));
  EXPECT_TRUE(view.progress.empty());  // the progress dialog never opened
  ASSERT_EQ(view.finished.size(), 1u);
  EXPECT_EQ(view.finished[0].result, MessageResult::Cancel);
  EXPECT_TRUE(fs::is_empty(home / "ergebnisse"));
  ExpectPasswordNowhere(view, client);
  EXPECT_EQ(client.LastError().find("falsch"), std::string::npos) << client.LastError();
}

TEST_F(upload_to_server, missing_server_directory_reports_the_change_and_cancels_without_creating_it) {
  SetFieldText(cnf.upload_verzeichnis, "/fehlt");
  platform::CurlFtpClient client;
  RecordingView view;
  EXPECT_EQ(RunUpload(Plan(), client, view), MessageResult::Cancel);
  EXPECT_EQ(
      view.errors,
      (std::vector<RecordingView::Error>{{"Fehler beim Wechseln des FTP-Verzeichnisses !", "Fehler", 30}}));
  EXPECT_TRUE(view.progress.empty());
  EXPECT_EQ(FolderContent(home.path()), (std::map<std::string, std::string>{{"ergebnisse", "<dir>"}}));
  EXPECT_TRUE(fs::is_empty(home / "ergebnisse"));
  ExpectPasswordNowhere(view, client);
}

TEST_F(upload_to_server, cancel_after_the_first_file_sends_no_further_file) {
  UploadJob job;
  RecordingView view;
  RecordingView second;
  bool secondStarted = true;
  view.onProgress = [&](const UploadProgress& p) {
    if (p.position != 1) return;
    secondStarted = job.Start(Plan(), second);  // one upload at a time
    job.RequestCancel();
  };
  ASSERT_TRUE(job.Start(Plan(), view));
  job.Wait();
  EXPECT_FALSE(job.Running());
  EXPECT_FALSE(secondStarted);
  EXPECT_TRUE(second.finished.empty());
  ASSERT_EQ(view.finished.size(), 1u);
  EXPECT_EQ(view.finished[0].result, MessageResult::Cancel);
  EXPECT_TRUE(view.errors.empty());
  EXPECT_EQ(FolderContent(home / "ergebnisse"),
            (std::map<std::string, std::string>{{"site.css", files["site.css"]}}));
}

TEST(upload_job, cancel_drops_a_hanging_connection_at_once) {
  test::SilentListener silent;
  ASSERT_GT(silent.port(), 0);
  UploadPlan plan;
  plan.address = {"127.0.0.1", silent.port()};
  plan.hostDirectory = "/";
  plan.queue = {"/nowhere/Plakard.js"};
  UploadJob job;
  RecordingView view;
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(job.Start(plan, view));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it wait for the server's greeting
  EXPECT_TRUE(job.Running());
  job.RequestCancel();
  job.Wait();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  ASSERT_EQ(view.finished.size(), 1u);
  EXPECT_EQ(view.finished[0].result, MessageResult::Cancel);
  EXPECT_TRUE(view.errors.empty());  // a stop the user asked for is no error
  // The job takes the next upload.
  ASSERT_TRUE(job.Start(plan, view));
  job.RequestCancel();
  job.Wait();
  EXPECT_EQ(view.finished.size(), 2u);
}

}  // namespace
}  // namespace wex
