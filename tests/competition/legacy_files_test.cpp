// The configuration test and the legacy files, on files written byte by byte.
#include "core/competition/legacy_files.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "cli/tarvisco_writer.hpp"
#include "competition/sample_competition.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

std::string Int16Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
  }
  return out;
}

TEST(legacy_files, participants_follow_the_index_and_results_come_over_whole) {
  test::TempDir dir;
  auto d = test::SampleDescription();  // participants 1, 2, 4: record 3 stays empty
  d.participants[0].teamResults = {{0, 950, 1}};
  ASSERT_TRUE(cli::WriteTarviscoFolder(d, dir.str(), cli::DataSource::LegacyFiles));
  // 4, then 0 and -1 (skipped), 1, the empty record 3, 9 beyond the file, 2, 4 again, and an odd last byte.
  test::WriteAll(dir / "WEXINDEX.WID", Int16Bytes({4, 0, -1, 1, 3, 9, 2, 4}) + "\x01");

  Competition c;
  ReadLegacyFiles(c, dir.str(), false);

  ASSERT_EQ(c.participants.size(), 4u);
  EXPECT_EQ(+c.participants[0].tlnr, 4);
  EXPECT_EQ(+c.participants[1].tlnr, 1);
  EXPECT_EQ(+c.participants[2].tlnr, 2);
  EXPECT_EQ(test::Bytes(c.participants[3]), test::Bytes(c.participants[0]));

  _ergdateilist huber{};
  huber.tlnr = 1;
  SetFieldText(huber.name, "Huber Josef jun.");
  huber.stammmannschaft = 2;
  huber.zusatz1 = 1;
  huber.ergebnisse[0].serie[0] = {98, 50};
  huber.ergebnisse[0].serie[1] = {97, 0};
  huber.ergebnisse[0].markiert = 1;
  huber.ergebnisse[0].mannschaftsergebnis = 950;  // 95 whole rings in the file
  huber.ergebnisse[0].mannschaftsergebnis_markiert = 1;
  huber.ergebnisse[1].serie[0] = {123, 40};
  EXPECT_EQ(test::Bytes(c.participants[1]), test::Bytes(huber));

  EXPECT_EQ(std::string(c.participants[2].name), "Maier Anna ¹"_w);
  EXPECT_EQ(+c.participants[2].disziplin, 1);
  EXPECT_EQ(+c.participants[2].klasse, 3);
  EXPECT_EQ(+c.participants[2].zusatz2, 1);
  EXPECT_EQ(+c.participants[2].ergebnisse[49].serie[19].hundertstel, 1);
  EXPECT_EQ(+c.participants[2].ergebnisse[49].mannschaftsergebnis, 10);
}

TEST(legacy_files, full_name_fields_end_at_their_width) {
  test::TempDir dir;
  cli::CompetitionDescription d;
  cli::ParticipantDescription p;
  p.tlnr = 1;
  p.rawName = "Abcdefghijklmnopqrstuvwxy, Vorname";  // stored as its first 30 bytes, no NUL
  p.stammmannschaft = 'A' | ('B' << 8);              // the bytes right behind the name field
  d.participants = {p};
  d.homeTeams = {{3, std::string(39, 'T')}};  // 39 bytes, no NUL
  ASSERT_TRUE(cli::WriteTarviscoFolder(d, dir.str(), cli::DataSource::LegacyFiles));
  std::string teams = test::ReadAll(dir / "WEXSTMSC.WID");
  teams[41] = 'Z';  // the byte after the name field is not part of the name
  test::WriteAll(dir / "WEXSTMSC.WID", teams);

  Competition c;
  ReadLegacyFiles(c, dir.str(), true);
  ASSERT_EQ(c.participants.size(), 1u);
  EXPECT_EQ(std::string(c.participants[0].name), "Vor Abcdefghijklmnopqrstuvwxy");
  ASSERT_EQ(c.homeTeams.size(), 1u);
  EXPECT_EQ(std::string(c.homeTeams[0].name), std::string(39, 'T'));
}

TEST(legacy_files, home_teams_numbered_0_are_skipped_and_a_partial_record_ends_the_file) {
  test::TempDir dir;
  cli::CompetitionDescription d;
  d.homeTeams = {{0, "Gast"}, {-3, "Alt"}, {6, "SV Tell"}, {8, "SG Gröbenried"_w}};
  ASSERT_TRUE(cli::WriteTarviscoFolder(d, dir.str(), cli::DataSource::LegacyFiles));
  test::WriteAll(dir / "WEXSTMSC.WID", test::ReadAll(dir / "WEXSTMSC.WID") + Int16Bytes({9}) + "Halb");

  Competition c;
  ReadLegacyFiles(c, dir.str(), false);
  ASSERT_EQ(c.homeTeams.size(), 2u);
  EXPECT_EQ(+c.homeTeams[0].nummer, 6);
  EXPECT_EQ(std::string(c.homeTeams[0].name), "SV Tell");
  EXPECT_EQ(+c.homeTeams[1].nummer, 8);
  EXPECT_EQ(std::string(c.homeTeams[1].name), "SG Gröbenried"_w);
}

TEST(legacy_files, missing_files_give_empty_lists_silently) {
  test::TempDir dir;
  ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), dir.str(), cli::DataSource::LegacyFiles));
  std::filesystem::remove(dir / "WEXINDEX.WID");
  Competition c;
  ReadLegacyFiles(c, dir.str(), false);
  EXPECT_TRUE(c.participants.empty());
  EXPECT_EQ(c.homeTeams.size(), 2u);

  std::filesystem::remove(dir / "WEXSTMSC.WID");
  ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), dir.str(), cli::DataSource::LegacyFiles));
  std::filesystem::remove(dir / "WEXTLERG.WID");
  std::filesystem::remove(dir / "WEXSTMSC.WID");
  Competition empty;
  ReadLegacyFiles(empty, dir.str(), false);
  EXPECT_TRUE(empty.participants.empty());
  EXPECT_TRUE(empty.homeTeams.empty());
}

TEST(competition_config, identification_decides_and_a_short_file_keeps_the_rest) {
  test::TempDir dir;
  const auto path = (dir / "WEXCONFG.WID").string();
  Competition c;
  SetFieldText(c.config.veranstalter, "alt");
  SetFieldText(c.config.disziplinen[5], "Blasrohr");

  // Missing file: false, record unchanged.
  EXPECT_FALSE(TestCompetitionConfig(c, path));
  EXPECT_EQ(std::string(c.config.veranstalter), "alt");

  // 100 bytes with the identification: valid; the fields it covers are new, the others keep their bytes.
  std::string head(100, '\0');
  std::memcpy(head.data(), "TARVISCO_DATEI V1199 GROEBENFALTER", 35);
  std::memcpy(head.data() + 40,
              "SG Gr\xF6"
              "benried",
              13);
  test::WriteAll(path, head);
  EXPECT_TRUE(TestCompetitionConfig(c, path));
  EXPECT_EQ(std::string(c.config.veranstalter), "SG Gröbenried"_w);
  EXPECT_EQ(std::string(c.config.disziplinen[5]), "Blasrohr");

  // Another identification: false, but what was read stays in the record.
  const struct {
    std::string kennung;
  } wrong[] = {{"TARVISCO_DATEI V1198 GROEBENFALTER"}, {"TARVISCO_DATEI V1199 GROEBENFALTERX"}, {""}};
  for (const auto& w : wrong) {
    std::string bytes(35000, '\0');
    std::memcpy(bytes.data(), w.kennung.data(), w.kennung.size());
    std::memcpy(bytes.data() + 40, "Neu", 3);
    test::WriteAll(path, bytes);
    SetFieldText(c.config.veranstalter, "alt");
    EXPECT_FALSE(TestCompetitionConfig(c, path)) << w.kennung;
    EXPECT_EQ(std::string(c.config.veranstalter), "Neu") << w.kennung;
  }

  // The whole image of a written configuration.
  const auto d = test::SampleDescription();
  ASSERT_TRUE(cli::WriteTarviscoFolder(d, dir.str(), cli::DataSource::LegacyFiles));
  EXPECT_TRUE(TestCompetitionConfig(c, path));
  auto expected = d.config;
  std::memcpy(expected.kennung, "TARVISCO_DATEI V1199 GROEBENFALTER", 35);
  EXPECT_EQ(test::Bytes(c.config), test::Bytes(expected));
}

}  // namespace
}  // namespace wex
