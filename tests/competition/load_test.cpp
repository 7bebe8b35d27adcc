// Loading a whole data folder: source choice, discipline names, the configuration message, reloading.
#include "core/competition/load.hpp"

#include <gtest/gtest.h>

#include "cli/tarvisco_writer.hpp"
#include "competition/sample_competition.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

TEST(load_competition, both_sources_give_the_same_competition_byte_for_byte) {
  const auto d = test::SampleDescription();
  for (bool firstNameFirst : {false, true}) {
    test::TempDir legacyDir, databaseDir;
    ASSERT_TRUE(cli::WriteTarviscoFolder(d, legacyDir.str(), cli::DataSource::LegacyFiles));
    ASSERT_TRUE(cli::WriteTarviscoFolder(d, databaseDir.str(), cli::DataSource::Database));
    test::RecordingUserInterface ui;
    Competition fromFiles, fromDatabase;
    ASSERT_TRUE(LoadCompetitionData(fromFiles, ui, legacyDir.str(), firstNameFirst));
    ASSERT_TRUE(LoadCompetitionData(fromDatabase, ui, databaseDir.str(), firstNameFirst));

    ASSERT_EQ(fromFiles.participants.size(), 3u);
    EXPECT_SAME_RECORDS(fromFiles.participants, fromDatabase.participants);
    EXPECT_SAME_RECORDS(fromFiles.homeTeams, fromDatabase.homeTeams);
    EXPECT_EQ(test::Bytes(fromFiles.config), test::Bytes(fromDatabase.config));
    EXPECT_EQ(std::string(fromFiles.participants[2].name),
              firstNameFirst ? "Dr. Eva Schmid" : "Dr. Schmid Eva");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.busyBegins, 2);
    EXPECT_EQ(ui.busyEnds, 2);
  }
}

TEST(load_competition, the_database_hides_the_legacy_files) {
  test::TempDir dir;
  auto legacy = test::SampleDescription();
  ASSERT_TRUE(cli::WriteTarviscoFolder(legacy, dir.str(), cli::DataSource::LegacyFiles));
  auto current = test::SampleDescription();
  current.participants.resize(1);
  current.homeTeams.resize(1);
  SetFieldText(current.config.disziplinen[0], "Gewehr");
  SetFieldText(current.config.disziplinen[2], "");
  ASSERT_TRUE(cli::WriteTarviscoFolder(current, dir.str(), cli::DataSource::Database));

  test::RecordingUserInterface ui;
  Competition c;
  ASSERT_TRUE(LoadCompetitionData(c, ui, dir.str(), false));
  EXPECT_EQ(c.participants.size(), 1u);
  EXPECT_EQ(c.homeTeams.size(), 1u);
  EXPECT_EQ(std::string(c.config.disziplinen[0]), "Gewehr");
  EXPECT_EQ(std::string(c.config.disziplinen[2]), "");

  // A database file that cannot be read still hides them: the load succeeds with empty lists.
  test::WriteAll(dir / "tarvisco.db", "kein SQLite");
  ASSERT_TRUE(LoadCompetitionData(c, ui, dir.str(), false));
  EXPECT_TRUE(c.participants.empty());
  EXPECT_TRUE(c.homeTeams.empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(test::ReadAll(dir / "tarvisco.db"), "kein SQLite");
}

TEST(load_competition, legacy_files_bring_the_three_discipline_names) {
  test::TempDir dir;
  auto d = test::SampleDescription();
  SetFieldText(d.config.disziplinen[0], "Gewehr");
  SetFieldText(d.config.disziplinen[1], "");
  ASSERT_TRUE(cli::WriteTarviscoFolder(d, dir.str(), cli::DataSource::LegacyFiles));
  test::RecordingUserInterface ui;
  Competition c;
  ASSERT_TRUE(LoadCompetitionData(c, ui, dir.str(), false));
  EXPECT_EQ(std::string(c.config.disziplinen[0]), "Luftgewehr");
  EXPECT_EQ(std::string(c.config.disziplinen[1]), "Luftpistole");
  EXPECT_EQ(std::string(c.config.disziplinen[2]), "Zimmerstutzen");
  EXPECT_EQ(std::string(c.config.disziplinen[3]), "Armbrust");
}

TEST(load_competition, a_missing_or_foreign_configuration_stops_with_a_message_and_keeps_the_lists) {
  test::TempDir dir;
  ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), dir.str(), cli::DataSource::LegacyFiles));
  test::RecordingUserInterface ui;
  Competition c;
  ASSERT_TRUE(LoadCompetitionData(c, ui, dir.str(), false));
  const auto participants = c.participants;
  const auto homeTeams = c.homeTeams;

  std::string foreign = test::ReadAll(dir / "WEXCONFG.WID");
  foreign[15] = 'X';
  const struct {
    const char* what;
    std::string config;  // empty: no file
  } cases[] = {{"missing", ""}, {"foreign", foreign}};
  for (const auto& k : cases) {
    std::filesystem::remove(dir / "WEXCONFG.WID");
    if (!k.config.empty()) test::WriteAll(dir / "WEXCONFG.WID", k.config);
    ui.messages.clear();
    EXPECT_FALSE(LoadCompetitionData(c, ui, dir.str(), true)) << k.what;
    ASSERT_EQ(ui.messages.size(), 1u) << k.what;
    EXPECT_EQ(
        ui.messages[0].text,
        "Datei\nWEXCONFG.WID\nnicht gefunden!\nzuerst g\xFCltigen Pfad\nf\xFCr Ergebnisdatei einstellen!");
    EXPECT_EQ(ui.messages[0].caption, "Fehler");
    EXPECT_EQ(ui.messages[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(ui.messages[0].buttons, platform::MessageButtons::Ok);
    EXPECT_SAME_RECORDS(c.participants, participants);
    EXPECT_SAME_RECORDS(c.homeTeams, homeTeams);
  }
  EXPECT_EQ(ui.busyBegins, 1);  // only the first, successful load
  EXPECT_EQ(ui.busyEnds, 1);
}

TEST(load_competition, loading_again_gives_the_same_lists) {
  for (auto source : {cli::DataSource::LegacyFiles, cli::DataSource::Database}) {
    test::TempDir dir;
    ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), dir.str(), source));
    test::RecordingUserInterface ui;
    Competition c;
    ASSERT_TRUE(LoadCompetitionData(c, ui, dir.str(), false));
    const Competition first = c;
    ASSERT_TRUE(LoadCompetitionData(c, ui, dir.str(), false));
    EXPECT_SAME_RECORDS(c.participants, first.participants);
    EXPECT_SAME_RECORDS(c.homeTeams, first.homeTeams);
  }
}

}  // namespace
}  // namespace wex
