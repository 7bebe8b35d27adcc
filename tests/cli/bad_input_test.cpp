// wexplakard-cli generate on broken data folders, user files and output folders: what it says, its exit
// status, what it writes and what it leaves as it was.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/platform/cp1252.hpp"
#include "support/cli_runner.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

namespace fs = std::filesystem;

// A demo start directory: settings, action list (nine marked lists), data folder and an empty output folder.
struct DemoFolder {
  explicit DemoFolder(bool database = false) {
    const auto r = test::RunCli(root.path(), database ? std::vector<std::string>{"demo", "--database", "d"}
                                                      : std::vector<std::string>{"demo", "d"});
    EXPECT_EQ(r.status, 0) << r.err;
  }

  test::CliResult Generate() const { return test::RunCli(start, {"generate"}); }

  // The last line of the participant protocol (lines end with a CR alone).
  std::string LastProtocolLine() const {
    std::string text = test::ReadAll(start / "TlnProtokoll.csv");
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text.substr(text.rfind('\r') + 1);
  }

  test::TempDir root;
  fs::path start = root / "d";
  fs::path data = start / "daten";
  fs::path output = start / "ausgabe";
  fs::path plk = start / "Plakard.plk";
  fs::path kfg = start / "WexPlakard.kfg";
};

const std::string kConfigMissing = Cp1252ToUtf8(
    "Fehler: Datei WEXCONFG.WID nicht gefunden! zuerst gültigen Pfad für Ergebnisdatei einstellen!\n"_w);

// Takes every permission away; false when that does not stop reading (the tests run as root).
bool MakeUnreadable(const fs::path& file) {
  fs::permissions(file, fs::perms::none);
  return !std::ifstream(file, std::ios::binary);
}

void Truncate(const fs::path& file, std::uintmax_t size) { fs::resize_file(file, size); }

TEST(bad_input, a_data_folder_without_a_valid_configuration_stops_the_run_and_changes_nothing) {
  const struct {
    const char* what;
    std::function<void(const DemoFolder&)> damage;
  } cases[] = {
      {"missing data folder", [](const DemoFolder& f) { fs::remove_all(f.data); }},
      {"WEXCONFG.WID missing", [](const DemoFolder& f) { fs::remove(f.data / "WEXCONFG.WID"); }},
      {"foreign WEXCONFG.WID",
       [](const DemoFolder& f) {
         std::string config = test::ReadAll(f.data / "WEXCONFG.WID");
         config[19] = '8';  // "V1198"
         test::WriteAll(f.data / "WEXCONFG.WID", config);
       }},
      {"empty WEXCONFG.WID", [](const DemoFolder& f) { Truncate(f.data / "WEXCONFG.WID", 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DemoFolder f;
    c.damage(f);
    const std::string plk = test::ReadAll(f.plk), kfg = test::ReadAll(f.kfg);
    const auto r = f.Generate();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, kConfigMissing);
    EXPECT_TRUE(fs::is_empty(f.output));
    EXPECT_TRUE(test::ReadAll(f.plk) == plk) << "Plakard.plk was changed";
    EXPECT_TRUE(test::ReadAll(f.kfg) == kfg) << "WexPlakard.kfg was changed";
  }
}

TEST(bad_input, an_unreadable_configuration_stops_the_run) {
  DemoFolder f;
  if (!MakeUnreadable(f.data / "WEXCONFG.WID"))
    GTEST_SKIP() << "running as root: permissions do not stop reads";
  const auto r = f.Generate();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, kConfigMissing);
  EXPECT_TRUE(fs::is_empty(f.output));
}

TEST(bad_input, a_configuration_of_100_bytes_with_the_identification_is_enough) {
  DemoFolder f;
  Truncate(f.data / "WEXCONFG.WID", 100);
  const auto r = f.Generate();
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "Gen: 1\n");
  EXPECT_TRUE(fs::exists(f.output / "WexErg9.txt"));
  EXPECT_EQ(f.LastProtocolLine(), "09.12.2026/ 7:05; 3; 60");
}

// Damaged participant data is read as far as it goes; the run succeeds with the participants that remain
// and leaves the data as it was.
TEST(bad_input, damaged_participant_data_gives_the_participants_that_can_be_read) {
  const struct {
    const char* what;
    bool database;
    std::function<void(const DemoFolder&)> damage;
    const char* protocolLine;
  } cases[] = {
      {"WEXTLERG.WID cut in its last record", false,
       [](const DemoFolder& f) {
         Truncate(f.data / "WEXTLERG.WID", fs::file_size(f.data / "WEXTLERG.WID") - 1000);
       },
       "09.12.2026/ 7:05; 3; 59"},
      {"empty WEXTLERG.WID", false, [](const DemoFolder& f) { Truncate(f.data / "WEXTLERG.WID", 0); },
       "09.12.2026/ 7:05; 0; 0"},
      {"index entry past the end of WEXTLERG.WID", false,
       [](const DemoFolder& f) {
         std::ofstream(f.data / "WEXINDEX.WID", std::ios::binary | std::ios::app)
             .write("\x30\x75", 2);  // 30000
       },
       "09.12.2026/ 7:05; 3; 60"},
      {"tarvisco.db that is not a database", true,
       [](const DemoFolder& f) { test::WriteAll(f.data / "tarvisco.db", std::string(4096, 'x')); },
       "09.12.2026/ 7:05; 0; 0"},
      {"tarvisco.db without the expected tables", true,
       [](const DemoFolder& f) {
         fs::remove(f.data / "tarvisco.db");
         sqlite3* db = nullptr;
         ASSERT_EQ(sqlite3_open((f.data / "tarvisco.db").c_str(), &db), SQLITE_OK);
         EXPECT_EQ(sqlite3_exec(db, "CREATE TABLE Teilnehmer (Nr INTEGER);", nullptr, nullptr, nullptr),
                   SQLITE_OK);
         sqlite3_close(db);
       },
       "09.12.2026/ 7:05; 0; 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DemoFolder f(c.database);
    c.damage(f);
    std::string before;
    for (const auto& e : fs::directory_iterator(f.data))
      before += e.path().filename().string() + test::ReadAll(e.path());
    const auto r = f.Generate();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Gen: 1\n");
    EXPECT_TRUE(fs::exists(f.output / "WexErg9.txt"));
    EXPECT_EQ(f.LastProtocolLine(), c.protocolLine);
    std::string after;
    for (const auto& e : fs::directory_iterator(f.data))
      after += e.path().filename().string() + test::ReadAll(e.path());
    EXPECT_TRUE(after == before) << "the data folder was changed";
  }
}

TEST(bad_input, an_unreadable_participant_file_gives_no_participants) {
  DemoFolder f;
  if (!MakeUnreadable(f.data / "WEXTLERG.WID"))
    GTEST_SKIP() << "running as root: permissions do not stop reads";
  const auto r = f.Generate();
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(f.LastProtocolLine(), "09.12.2026/ 7:05; 0; 0");
}

// Tarvisco holding a write lock: every statement fails through its retries, the run still ends (quickly)
// with empty lists, and the database is neither changed nor unlocked.
TEST(bad_input, a_locked_database_is_read_as_empty_without_waiting_long) {
  DemoFolder f(true);
  const auto file = f.data / "tarvisco.db";
  const std::string before = test::ReadAll(file);
  sqlite3* tarvisco = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &tarvisco), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(tarvisco, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);

  const auto begin = std::chrono::steady_clock::now();
  const auto r = f.Generate();
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "Gen: 1\n");
  EXPECT_EQ(f.LastProtocolLine(), "09.12.2026/ 7:05; 0; 0");
  EXPECT_LT(seconds, 15.0);

  EXPECT_EQ(sqlite3_exec(tarvisco, "ROLLBACK;", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(tarvisco);
  EXPECT_TRUE(test::ReadAll(file) == before) << "tarvisco.db was changed";
}

// A working action list that cannot be taken over completely is used as far as it could be read and is
// left exactly as it was: the end of the run does not write it back.
TEST(bad_input, a_damaged_action_list_is_used_as_far_as_it_goes_and_left_as_it_was) {
  constexpr std::uintmax_t kHeaderAndCount = 68, kRecord = 15743;
  const struct {
    const char* what;
    std::function<void(const DemoFolder&)> damage;
    int lists;  // WexErg1 ... WexErgN are written
  } cases[] = {
      {"wrong header",
       [](const DemoFolder& f) {
         std::string plk = test::ReadAll(f.plk);
         plk[52] = '6';  // "V0506"
         test::WriteAll(f.plk, plk);
       },
       0},
      {"absurd count",
       [](const DemoFolder& f) {
         std::string plk = test::ReadAll(f.plk);
         plk.replace(64, 4, "\xFF\xFF\xFF\x7F", 4);
         test::WriteAll(f.plk, plk);
       },
       9},
      {"cut in the middle of a record",
       [](const DemoFolder& f) { Truncate(f.plk, kHeaderAndCount + 3 * kRecord + kRecord / 2); }, 3},
      {"header only", [](const DemoFolder& f) { Truncate(f.plk, 64); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DemoFolder f;
    c.damage(f);
    const std::string plk = test::ReadAll(f.plk);
    const auto r = f.Generate();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Gen: 1\n");
    for (int i = 1; i <= 9; ++i) {
      const std::string name = i == 9 ? "WexErg9.txt" : "WexErg" + std::to_string(i) + ".html";
      EXPECT_EQ(fs::exists(f.output / name), i <= c.lists) << name;
    }
    EXPECT_TRUE(test::ReadAll(f.plk) == plk) << "Plakard.plk was changed";
  }
}

TEST(bad_input, an_unreadable_action_list_is_left_as_it_was) {
  DemoFolder f;
  const std::string plk = test::ReadAll(f.plk);
  if (!MakeUnreadable(f.plk)) GTEST_SKIP() << "running as root: permissions do not stop reads";
  const auto r = f.Generate();
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(fs::exists(f.output / "WexErg1.html"));
  fs::permissions(f.plk, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(test::ReadAll(f.plk) == plk) << "Plakard.plk was changed";
}

// A foreign settings file gives the defaults, whose data folder (the start directory) holds no
// competition; the file itself is not replaced by the defaults.
TEST(bad_input, a_settings_file_of_10_bytes_gives_the_defaults_and_is_kept) {
  DemoFolder f;
  test::WriteAll(f.kfg, "WexPlakard");
  const std::string plk = test::ReadAll(f.plk);
  const auto r = f.Generate();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, kConfigMissing);
  EXPECT_EQ(test::ReadAll(f.kfg), "WexPlakard");
  EXPECT_TRUE(test::ReadAll(f.plk) == plk) << "Plakard.plk was changed";
  EXPECT_TRUE(fs::is_empty(f.output));
}

TEST(bad_input, a_missing_output_folder_is_reported_and_not_created) {
  DemoFolder f;
  fs::remove(f.output);
  const auto r = f.Generate();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, Cp1252ToUtf8("Fehler: Fehler beim Erstellen der Datei(en)! "_w) + f.output.string() +
                       Cp1252ToUtf8(" Zielpfad prüfen!\n"_w));
  EXPECT_FALSE(fs::exists(f.output));
}

// A read-only list file keeps its content and its protection; the other lists are still written, and
// the run reports the failure.
TEST(bad_input, a_read_only_list_file_is_kept_and_reported) {
  DemoFolder f;
  ASSERT_EQ(f.Generate().status, 0);
  const auto locked = f.output / "WexErg3.html";
  test::WriteAll(locked, "alte Liste");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::remove(f.output / "WexErg4.html");

  const auto r = f.Generate();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, Cp1252ToUtf8("Fehler: Fehler beim Erstellen der Datei(en)! "_w) + f.output.string() +
                       Cp1252ToUtf8(" Zielpfad prüfen!\n"_w));
  EXPECT_EQ(test::ReadAll(locked), "alte Liste");
  EXPECT_EQ(fs::status(locked).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_TRUE(fs::exists(f.output / "WexErg4.html"));
}

}  // namespace
}  // namespace wex
