// Reading a real tarvisco.db: values, odd rows, failing statements, a busy database, read-only opening.
#include "core/competition/database.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <climits>
#include <thread>

#include "cli/tarvisco_writer.hpp"
#include "competition/sample_competition.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

// Runs SQL on a database file with a writing connection of the test's own.
void ExecSql(const std::filesystem::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, ("BEGIN;" + sql + "COMMIT;").c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << message;
}

Competition ReadFolder(const test::TempDir& dir, bool firstNameFirst = false) {
  Competition c;
  auto db = TarviscoDatabase::OpenDatabase(dir.str());
  EXPECT_TRUE(db.has_value());
  if (db) ReadDatabase(c, *db, firstNameFirst);
  return c;
}

TEST(database, values_are_split_marks_follow_the_last_row_and_team_results_stay_tenths) {
  test::TempDir dir;
  cli::CompetitionDescription d;
  cli::ParticipantDescription p;
  p.tlnr = 7;
  p.rawName = "Huber, Josef";
  p.stammmannschaft = 2;
  p.disziplin = 2;
  p.klasse = 14;
  p.zusatz1 = 1;
  p.series = {{2, 0, 9850, 0}, {0, 0, 100, 1}, {0, 1, 99, 0}, {1, 3, 10001, 0}, {1, 4, 50, 1}};
  p.teamResults = {{2, 953, 1}};
  cli::ParticipantDescription first;
  first.tlnr = 3;
  first.rawName = "Maier, Anna";
  cli::ParticipantDescription nobody;
  nobody.tlnr = 0;
  nobody.rawName = "Niemand, Nie";
  d.participants = {p, nobody, first};  // stored out of order
  d.homeTeams = {{4, "SV Tell"}, {0, "Gast"}, {2, "SG Gröbenried"_w}};
  ASSERT_TRUE(cli::WriteTarviscoFolder(d, dir.str(), cli::DataSource::Database));

  const Competition c = ReadFolder(dir, true);

  ASSERT_EQ(c.participants.size(), 2u);
  EXPECT_EQ(+c.participants[0].tlnr, 3);
  _ergdateilist huber{};
  huber.tlnr = 7;
  SetFieldText(huber.name, "Josef Huber");
  huber.stammmannschaft = 2;
  huber.disziplin = 2;
  huber.klasse = 14;
  huber.zusatz1 = 1;
  huber.ergebnisse[2].serie[0] = {98, 50};
  huber.ergebnisse[0].serie[0] = {1, 0};
  huber.ergebnisse[0].serie[1] = {0, 99};
  huber.ergebnisse[0].markiert = 0;  // rows marked 1, then 0
  huber.ergebnisse[1].serie[3] = {100, 1};
  huber.ergebnisse[1].serie[4] = {0, 50};
  huber.ergebnisse[1].markiert = 1;  // rows marked 0, then 1
  huber.ergebnisse[2].mannschaftsergebnis = 953;
  huber.ergebnisse[2].mannschaftsergebnis_markiert = 1;
  EXPECT_EQ(test::Bytes(c.participants[1]), test::Bytes(huber));

  ASSERT_EQ(c.homeTeams.size(), 2u);
  EXPECT_EQ(+c.homeTeams[0].nummer, 4);
  EXPECT_EQ(+c.homeTeams[1].nummer, 2);
  EXPECT_EQ(std::string(c.homeTeams[1].name), "SG Gröbenried"_w);
}

TEST(database, odd_rows_never_reach_past_the_record) {
  test::TempDir dir;
  cli::CompetitionDescription d;
  cli::ParticipantDescription p;
  p.tlnr = 1;
  p.rawName = std::string(60, 'N') + ", Vorname";
  p.klasse = 99;      // no class: kept as loaded
  p.disziplin = 300;  // stored in a byte
  p.series = {{50, 0, 100, 1}, {-1, 0, 100, 1}, {0, 20, 100, 1}, {0, -1, 100, 1}, {49, 19, 1234, 1}};
  p.teamResults = {{50, 999, 1}, {-1, 999, 1}, {49, 5, 1}};
  d.participants = {p};
  d.homeTeams = {{1, std::string(60, 'T')}};
  ASSERT_TRUE(cli::WriteTarviscoFolder(d, dir.str(), cli::DataSource::Database));
  ExecSql(dir / "tarvisco.db",
          "INSERT INTO Tln (Tlnr, Name, Stammmannschaft, Klasse) VALUES (2, NULL, NULL, NULL);"
          "INSERT INTO TlnEergSerie VALUES (2, 0, 0, NULL, NULL);"
          "INSERT INTO TlnEergSerie VALUES (2, NULL, NULL, 9223372036854775807, 1);"
          "INSERT INTO TlnMerg VALUES (2, 1, -9223372036854775808, NULL);"
          "INSERT INTO Tln (Tlnr, Name) VALUES (65537, 'Gross, Zahl');"    // 1 in 16 bits
          "INSERT INTO Tln (Tlnr, Name) VALUES (40000, 'Negativ, In16');"  // negative in 16 bits: skipped
          "INSERT INTO Stmsch VALUES (NULL, 'Ohne'), (3, NULL);");

  const Competition c = ReadFolder(dir);

  ASSERT_EQ(c.participants.size(), 3u);
  _ergdateilist first{};
  first.tlnr = 1;
  SetFieldText(first.name, std::string(29, 'N'));
  first.klasse = 99;
  first.disziplin = static_cast<std::uint8_t>(300);
  first.ergebnisse[49].serie[19] = {12, 34};
  first.ergebnisse[49].markiert = 1;
  first.ergebnisse[49].mannschaftsergebnis = 5;
  first.ergebnisse[49].mannschaftsergebnis_markiert = 1;
  EXPECT_EQ(test::Bytes(c.participants[0]), test::Bytes(first));
  EXPECT_EQ(ClassSlot(c.participants[0]), -1);
  EXPECT_EQ(DisciplineSlot(c.participants[0]), -1);

  // NULLs read as 0 and empty text; a huge value saturates, then is cut to the field.
  _ergdateilist second{};
  second.tlnr = 2;
  second.ergebnisse[0].serie[0] = {static_cast<std::int16_t>(INT_MAX / 100), 47};
  second.ergebnisse[0].markiert = 1;
  second.ergebnisse[1].mannschaftsergebnis = static_cast<std::int16_t>(INT_MIN);
  EXPECT_EQ(test::Bytes(c.participants[1]), test::Bytes(second));

  EXPECT_EQ(+c.participants[2].tlnr, 1);  // 65537 in 16 bits
  EXPECT_EQ(std::string(c.participants[2].name), "Gross Zahl");

  ASSERT_EQ(c.homeTeams.size(), 2u);
  EXPECT_EQ(std::string(c.homeTeams[0].name), std::string(39, 'T'));
  EXPECT_EQ(+c.homeTeams[1].nummer, 3);
  EXPECT_EQ(std::string(c.homeTeams[1].name), "");
}

TEST(database, missing_columns_read_as_zero_and_empty) {
  test::TempDir dir;
  const auto file = dir / "tarvisco.db";
  ExecSql(file,
          "CREATE TABLE Tln (Tlnr INTEGER, Startnummer INTEGER, Name TEXT);"
          "CREATE TABLE TlnEergSerie (Tlnr INTEGER, Scheibe INTEGER, Serie INTEGER);"
          "CREATE TABLE TlnMerg (Tlnr INTEGER, Scheibe INTEGER);"
          "CREATE TABLE Stmsch (Nummer INTEGER);"
          "INSERT INTO Tln VALUES (5, 5, 'Kurz, Karl');"
          "INSERT INTO TlnEergSerie VALUES (5, 3, 2);"
          "INSERT INTO TlnMerg VALUES (5, 3);"
          "INSERT INTO Stmsch VALUES (9);");

  const Competition c = ReadFolder(dir);

  ASSERT_EQ(c.participants.size(), 1u);
  _ergdateilist expected{};
  expected.tlnr = 5;
  SetFieldText(expected.name, "Kurz Karl");
  EXPECT_EQ(test::Bytes(c.participants[0]), test::Bytes(expected));
  ASSERT_EQ(c.homeTeams.size(), 1u);
  EXPECT_EQ(+c.homeTeams[0].nummer, 9);
  EXPECT_EQ(std::string(c.homeTeams[0].name), "");
}

TEST(database, decimal_conversion_takes_leading_digits_and_saturates) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"9850", 9850},
      {"  12abc", 12},
      {"abc", 0},
      {"", 0},
      {"-5", -5},
      {"+7", 7},
      {"1.5e3", 1},
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"99999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-99999999999999999999999", INT_MIN},
      {"- 5", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalValue(c.text), c.value) << c.text;
}

TEST(database, a_participant_whose_team_results_cannot_be_read_is_dropped) {
  test::TempDir dir;
  const auto file = dir / "tarvisco.db";
  ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), dir.str(), cli::DataSource::Database));
  // Reading participant 2's team results fails every time (an integer overflow inside the view).
  ExecSql(file,
          "ALTER TABLE TlnMerg RENAME TO TlnMergDaten;"
          "CREATE VIEW TlnMerg AS SELECT Tlnr, Scheibe,"
          " CASE WHEN Tlnr = 2 THEN abs(-9223372036854775807 - 1) ELSE Ergebnis END, Markiert FROM "
          "TlnMergDaten;");
  Competition c = ReadFolder(dir);
  ASSERT_EQ(c.participants.size(), 2u);
  EXPECT_EQ(+c.participants[0].tlnr, 1);
  EXPECT_EQ(+c.participants[0].ergebnisse[0].mannschaftsergebnis, 1950);
  EXPECT_EQ(+c.participants[1].tlnr, 4);
  EXPECT_EQ(c.homeTeams.size(), 2u);

  // Without the table every participant is dropped; the series table failing only empties results.
  ExecSql(file, "DROP VIEW TlnMerg; ALTER TABLE TlnMergDaten RENAME TO TlnMerg; DROP TABLE TlnEergSerie;");
  c = ReadFolder(dir);
  ASSERT_EQ(c.participants.size(), 3u);
  EXPECT_EQ(+c.participants[0].ergebnisse[0].serie[0].ganz, 0);
  EXPECT_EQ(+c.participants[0].ergebnisse[0].mannschaftsergebnis, 1950);
  ExecSql(file, "DROP TABLE TlnMerg;");
  c = ReadFolder(dir);
  EXPECT_TRUE(c.participants.empty());
  EXPECT_EQ(c.homeTeams.size(), 2u);
}

TEST(database, a_write_in_progress_is_waited_for) {
  test::TempDir dir;
  const auto file = dir / "tarvisco.db";
  ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), dir.str(), cli::DataSource::Database));
  auto db = TarviscoDatabase::OpenDatabase(dir.str());
  ASSERT_TRUE(db.has_value());

  // Tarvisco holds the database exclusively for a moment, as while it writes.
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(file.string().c_str(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
  std::thread release([writer] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    sqlite3_exec(writer, "COMMIT;", nullptr, nullptr, nullptr);
  });
  Competition c;
  ReadDatabase(c, *db, false);
  release.join();
  sqlite3_close(writer);

  EXPECT_EQ(c.participants.size(), 3u);
  EXPECT_EQ(c.homeTeams.size(), 2u);
}

TEST(database, opening_never_creates_or_writes_the_database) {
  test::TempDir dir;
  const auto file = dir / "tarvisco.db";
  EXPECT_FALSE(DatabaseExists(dir.str()));
  EXPECT_FALSE(DatabaseCanBeOpened(dir.str()));
  EXPECT_FALSE(TarviscoDatabase::OpenDatabase(dir.str()).has_value());

  // A file that vanished after the existence test: three attempts, 200 ms after each, nothing created.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(TarviscoDatabase::OpenWithRetries(file).has_value());
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600));
  EXPECT_FALSE(std::filesystem::exists(file));

  ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), dir.str(), cli::DataSource::Database));
  EXPECT_TRUE(DatabaseExists(dir.str()));
  EXPECT_TRUE(DatabaseCanBeOpened(dir.str()));
  const std::string before = test::ReadAll(file);
  auto db = TarviscoDatabase::OpenDatabase(dir.str());
  ASSERT_TRUE(db.has_value());
  EXPECT_FALSE(db->Query("INSERT INTO Stmsch VALUES (99, 'Eindringling');").has_value());
  const auto teams = db->Query("SELECT * FROM Stmsch;");
  ASSERT_TRUE(teams.has_value());
  EXPECT_EQ(teams->rows(), 2);
  db->Close();
  EXPECT_FALSE(db->Query("SELECT * FROM Stmsch;").has_value());
  EXPECT_EQ(test::ReadAll(file), before);
}

}  // namespace
}  // namespace wex
