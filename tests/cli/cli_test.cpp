// wexplakard-cli end to end: the demo, generation, complete output, usage and the upload after a run.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "core/actionlist/configuration.hpp"
#include "core/competition/fixed_text.hpp"
#include "support/cli_runner.hpp"
#include "support/fakes.hpp"
#include "support/ftp_server.hpp"

namespace wex {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FileNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(cli, demo_pages_are_the_same_from_both_sources_and_on_every_run) {
  test::TempDir dir;
  ASSERT_EQ(test::RunCli(dir.path(), {"demo", "legacy"}).status, 0);
  ASSERT_EQ(test::RunCli(dir.path(), {"demo", "--database", "db"}).status, 0);
  const auto legacy = test::RunCli(dir / "legacy", {"generate"});
  EXPECT_EQ(legacy.status, 0) << legacy.err;
  EXPECT_EQ(legacy.err, "Gen: 1\n");
  EXPECT_EQ(test::RunCli(dir / "db", {"generate"}).status, 0);

  const std::vector<std::string> expected = {
      "Logo.png",     "Plakard.js",   "Refreshindex.txt", "WexErg1.html",    "WexErg2.html",
      "WexErg3.html", "WexErg4.html", "WexErg5.html",     "WexErg6.html",    "WexErg7.html",
      "WexErg8.html", "WexErg9.txt",  "WexIndex.html",    "WexStandard.css", "groebenfalter.html"};
  ASSERT_EQ(FileNames(dir / "legacy" / "ausgabe"), expected);
  for (const auto& name : expected) {
    if (name == "WexStandard.css") continue;  // carries the minute the demo was made
    EXPECT_EQ(test::ReadAll(dir / "legacy" / "ausgabe" / name), test::ReadAll(dir / "db" / "ausgabe" / name))
        << name;
  }
  const std::string first = test::ReadAll(dir / "legacy" / "ausgabe" / "WexErg3.html");
  EXPECT_EQ(test::RunCli(dir / "legacy", {"generate"}).status, 0);
  EXPECT_EQ(test::ReadAll(dir / "legacy" / "ausgabe" / "WexErg3.html"), first);
  EXPECT_NE(first.find("<td class=\"dunkel\" style=\"text-align: center; width: 40px;\">1<br></td>"),
            std::string::npos);
  EXPECT_NE(first.find("Diese Seite wurde am 9.12.2026,  7:05 von WexPlakard.exe erstellt"),
            std::string::npos);

  // Two program starts and two participation lists in the protocol, each line ending in CR alone.
  EXPECT_EQ(test::ReadAll(dir / "legacy" / "TlnProtokoll.csv"),
            "Time; Tln ohne Erg; Tln gesamt\r09.12.2026/ 7:05; 3; 60\r"
            "Time; Tln ohne Erg; Tln gesamt\r09.12.2026/ 7:05; 3; 60\r");
}

TEST(cli, export_writes_the_complete_output_in_the_form_of_the_extension) {
  test::TempDir dir;
  ASSERT_EQ(test::RunCli(dir.path(), {"demo", "d"}).status, 0);
  struct Case {
    const char* file;
    const char* begins;
    const char* ends;
  };
  const Case cases[] = {
      {"gesamt.html", "<!DOCTYPE HTML", "</html>\r\n"},
      {"gesamt.txt", "Sch\xFCtzengesellschaft", "(www.groebenfalter.de)"},
      {"gesamt.tex", "\\documentclass", "\\end{document}"},
  };
  for (const Case& c : cases) {
    const auto r = test::RunCli(dir / "d", {"export", c.file});
    EXPECT_EQ(r.status, 0) << c.file << r.err;
    EXPECT_NE(r.err.find("Meldung: Datei"), std::string::npos) << r.err;
    const std::string text = test::ReadAll(dir / "d" / c.file);
    EXPECT_EQ(text.rfind(c.begins, 0), 0u) << c.file;
    EXPECT_TRUE(text.size() > 1000 && text.ends_with(c.ends)) << c.file;
  }
  EXPECT_EQ(test::RunCli(dir / "d", {"export", "gesamt.pdf"}).status, 2);
}

TEST(cli, usage) {
  test::TempDir dir;
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{}, 2},
      {{"--help"}, 0},
      {{"generate", "--help"}, 0},
      {{"export", "--help"}, 0},
      {{"demo", "--help"}, 0},
      {{"watch", "--help"}, 0},
      {{"frobnicate"}, 2},
      {{"generate", "now"}, 2},
      {{"export"}, 2},
      {{"demo"}, 2},
      {{"watch", "--interval", "0"}, 2},
  };
  for (const Case& c : cases) {
    const auto r = test::RunCli(dir.path(), c.args);
    EXPECT_EQ(r.status, c.status) << (c.args.empty() ? "" : c.args[0]) << " " << c.args.size();
    EXPECT_FALSE((c.status == 0 ? r.out : r.err).empty());
  }
  // Usage errors touch nothing in the start directory.
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

struct CliUploadTest : ::testing::Test {
  test::TempDir dir;
  test::TempDir home;
  std::unique_ptr<test::LoopbackFtpServer> server;

  void SetUp() override {
    fs::create_directory(home / "ergebnisse");
    server = std::make_unique<test::LoopbackFtpServer>("verein", "geheim:42", home.path());
    ASSERT_TRUE(server->ok()) << server->error();
    ASSERT_EQ(test::RunCli(dir.path(), {"demo", "d"}).status, 0);
  }

  void EnableUpload(const std::string& password) {
    _cnfdat cnf{};
    const auto kfg = (dir / "d" / "WexPlakard.kfg").string();
    ASSERT_TRUE(ReadConfiguration(cnf, kfg));
    SetUploadAccount(cnf, "verein", password, "127.0.0.1:" + std::to_string(server->port()));
    SetUploadDirectory(cnf, "/ergebnisse");
    cnf.upload_aktiv = 1;
    ASSERT_TRUE(WriteConfiguration(cnf, kfg));
  }
};

TEST_F(CliUploadTest, generate_uploads_the_pages_after_the_run) {
  EnableUpload("geheim:42");
  const auto r = test::RunCli(dir / "d", {"generate"});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> uploaded = {"Plakard.js",   "WexErg1.html", "WexErg2.html", "WexErg3.html",
                                             "WexErg4.html", "WexErg5.html", "WexErg6.html", "WexErg7.html",
                                             "WexErg8.html", "WexIndex.html"};
  EXPECT_EQ(FileNames(home / "ergebnisse"), uploaded);
  for (const auto& name : uploaded)
    EXPECT_EQ(test::ReadAll(home / "ergebnisse" / name), test::ReadAll(dir / "d" / "ausgabe" / name)) << name;
  EXPECT_NE(r.err.find("Upload beendet: 10 Dateien gesendet, 0 fehlgeschlagen"), std::string::npos) << r.err;
}

TEST_F(CliUploadTest, a_failed_login_ends_with_status_1_and_never_shows_the_password) {
  EnableUpload("falsch-Passwort");
  const auto r = test::RunCli(dir / "d", {"generate"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Fehler: Konnte keine Verbindung herstellen!"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("falsch-Passwort"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(home / "ergebnisse"));
  // The pages themselves were written.
  EXPECT_TRUE(fs::exists(dir / "d" / "ausgabe" / "WexErg1.html"));
}

}  // namespace
}  // namespace wex

namespace wex {
namespace {

// Waits up to ten seconds for the file to hold the text.
bool WaitForContent(const fs::path& file, const std::string& text) {
  for (int i = 0; i < 100; ++i) {
    if (test::ReadAll(file) == text) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

TEST(cli, watch_regenerates_when_the_data_changed_and_ends_on_sigterm) {
  test::TempDir dir;
  ASSERT_EQ(test::RunCli(dir.path(), {"demo", "d"}).status, 0);
  const auto errFile = dir / "watch.err";
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    if (chdir((dir / "d").c_str()) != 0) _exit(100);
    FILE* err = std::freopen(errFile.c_str(), "w", stderr);
    if (err == nullptr) _exit(101);
    setenv("SOURCE_DATE_EPOCH", "1796799909", 1);
    execl(test::CliPath().c_str(), "wexplakard-cli", "watch", "--interval", "1", static_cast<char*>(nullptr));
    _exit(102);
  }
  const auto counter = dir / "d" / "ausgabe" / "Refreshindex.txt";
  EXPECT_TRUE(WaitForContent(counter, "1"));  // the immediate run
  // A newer data file makes a later tick generate again.
  const auto data = dir / "d" / "daten" / "WEXTLERG.WID";
  fs::last_write_time(data, fs::last_write_time(data) + std::chrono::hours(1));
  EXPECT_TRUE(WaitForContent(counter, "2"));
  kill(pid, SIGTERM);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  const std::string err = test::ReadAll(errFile);
  EXPECT_NE(err.find("Timer:  1 Sek.(EIN)"), std::string::npos) << err;
  EXPECT_NE(err.find("Gen: 2"), std::string::npos) << err;
  EXPECT_TRUE(err.ends_with("Timer beendet\n")) << err;
  // The stored timer state is the user's, not the watch command's.
  _cnfdat cnf{};
  ASSERT_TRUE(ReadConfiguration(cnf, (dir / "d" / "WexPlakard.kfg").string()));
  EXPECT_EQ(cnf.timer_ein, 0);
}

}  // namespace
}  // namespace wex
