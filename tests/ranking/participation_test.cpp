// Participation statistics: counts, team participation order, team table, results missing, protocol file.
#include "core/ranking/participation.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/platform/files.hpp"
#include "support/fakes.hpp"
#include "support/team_fixture.hpp"

namespace wex {
namespace {

using test::HomeTeam;
using test::Participant;

std::vector<std::pair<int, int>> TeamCounts(const RankingState& s) {
  std::vector<std::pair<int, int>> out;
  for (const auto& t : s.teamParticipation) out.emplace_back(t.nummer, t.anzahl);
  return out;
}

TEST(participation, counts_disciplines_classes_fields_and_total) {
  Competition c;
  auto a = Participant(1, "A", 1, 3);
  a.disziplin = 2;
  a.zusatz1 = 1;
  auto b = Participant(2, "B", 1, 3);
  b.disziplin = 2;
  b.zusatz2 = 5;
  auto d = Participant(3, "D", 2, 14);
  d.zusatz1 = 1;
  d.zusatz2 = 1;
  // Outside the slots: no class or discipline count, every other count takes it.
  auto out = Participant(4, "O", 2, 15);
  out.disziplin = 10;
  out.zusatz1 = 1;
  auto negative = Participant(5, "N", 2, -1);
  auto unnumbered = Participant(0, "Z", 3, 3);  // no start number: not counted anywhere
  unnumbered.zusatz1 = 1;
  c.participants = {a, b, d, out, negative, unnumbered};

  RankingState s;
  s.teamParticipation = {{99, 99}};  // an earlier count is replaced
  const ParticipationCounts n = CountParticipation(s, c);
  EXPECT_EQ(n.gesamt, 5);
  EXPECT_EQ(n.disziplin_anzahl[2], 2);
  EXPECT_EQ(n.disziplin_anzahl[0], 2);
  EXPECT_EQ(n.klasse_anzahl[3], 2);
  EXPECT_EQ(n.klasse_anzahl[14], 1);
  int classes = 0, disciplines = 0;
  for (int k : n.klasse_anzahl) classes += k;
  for (int d2 : n.disziplin_anzahl) disciplines += d2;
  EXPECT_EQ(classes, 3);
  EXPECT_EQ(disciplines, 4);
  EXPECT_EQ(n.zusatz1_anzahl, 3);
  EXPECT_EQ(n.zusatz2_anzahl, 2);
  EXPECT_EQ(TeamCounts(s), (std::vector<std::pair<int, int>>{{2, 3}, {1, 2}}));
}

TEST(participation, empty_competition_counts_nothing) {
  Competition c;
  RankingState s;
  const ParticipationCounts n = CountParticipation(s, c);
  EXPECT_EQ(n.gesamt, 0);
  EXPECT_EQ(n.zusatz1_anzahl + n.zusatz2_anzahl, 0);
  EXPECT_TRUE(s.teamParticipation.empty());
  EXPECT_TRUE(BuildTeamTable(s, c, true).empty());
  EXPECT_EQ(CountWithoutResult(c), 0);
}

TEST(participation, teams_are_listed_largest_first_and_equal_sizes_keep_their_first_appearance) {
  Competition c;
  // Teams 5, 6, 7 with 4, 2 and 4 participants, interleaved; 5 appears first.
  const int order[] = {5, 6, 7, 5, 7, 5, 6, 7, 5, 7};
  int start = 1;
  for (int team : order) c.participants.push_back(Participant(start++, "P", team));
  RankingState s;
  CountParticipation(s, c);
  EXPECT_EQ(TeamCounts(s), (std::vector<std::pair<int, int>>{{5, 4}, {7, 4}, {6, 2}}));
}

TEST(participation, team_table_labels_unknown_numbers_and_lists_members_on_request) {
  Competition c;
  c.homeTeams = {HomeTeam(3, "Adler"), HomeTeam(3, "Adler zwei"), HomeTeam(4, "Falken")};
  c.participants = {Participant(11, "Kurz, Anna", 3), Participant(12, "Lang, Bert", 0),
                    Participant(13, "Mohr, Carl", 7), Participant(14, "Nagel, Dora", 7),
                    Participant(15, "Ost, Emil", 3),  Participant(16, "Pohl, Fritz", 0)};
  RankingState s;
  CountParticipation(s, c);
  EXPECT_EQ(TeamNameOf(c, 3), "Adler");  // the first home team with the number
  EXPECT_EQ(TeamNameOf(c, 7), "");

  struct Row {
    std::string name;
    int startnr, anzahl;
    bool operator==(const Row&) const = default;
  };
  auto rows = [&](bool members) {
    std::vector<Row> out;
    for (const auto& r : BuildTeamTable(s, c, members)) out.push_back({r.name, r.startnr, r.anzahl});
    return out;
  };
  EXPECT_EQ(rows(false),
            (std::vector<Row>{
                {"Adler", 0, 2}, {"--- keine Mannschaft ---", 0, 2}, {"--- keine Mannschaft ---", 0, 2}}));
  EXPECT_EQ(rows(true), (std::vector<Row>{{"Adler", 0, 2},
                                          {"Kurz, Anna", 11, 0},
                                          {"Ost, Emil", 15, 0},
                                          {"--- keine Mannschaft ---", 0, 2},
                                          {"Lang, Bert", 12, 0},
                                          {"Pohl, Fritz", 16, 0},
                                          {"--- keine Mannschaft ---", 0, 2},
                                          {"Mohr, Carl", 13, 0},
                                          {"Nagel, Dora", 14, 0}}));
}

TEST(participation, without_result_looks_only_at_whole_parts_of_stored_series) {
  Competition c;
  auto none = Participant(1, "A", 1);
  auto teamOnly = Participant(2, "B", 1);
  teamOnly.ergebnisse[0].mannschaftsergebnis = 950;
  teamOnly.ergebnisse[0].mannschaftsergebnis_markiert = 1;
  teamOnly.ergebnisse[0].markiert = 1;
  auto smallDivider = Participant(3, "C", 1);
  smallDivider.ergebnisse[3].serie[0].hundertstel = 50;  // 0.50: no whole part
  auto last = Participant(4, "D", 1);
  last.ergebnisse[49].serie[19].ganz = 1;
  auto shot = Participant(5, "E", 1);
  shot.ergebnisse[0].serie[0].ganz = 98;
  auto unnumbered = Participant(0, "F", 1);
  c.participants = {none, teamOnly, smallDivider, last, shot, unnumbered};
  EXPECT_EQ(CountWithoutResult(c), 3);
}

TEST(participation, protocol_file_keeps_every_line_in_order_with_cr_endings) {
  test::TempDir dir;
  platform::FixedClock clock(test::SampleTime());
  _intdat intdat;
  intdat.startverzeichnis = dir.str();
  EXPECT_TRUE(AppendProtocolLine(intdat, clock, true, 0, 0));
  EXPECT_TRUE(AppendProtocolLine(intdat, clock, true, 0, 0));
  clock.Set({2027, 1, 2, 14, 30, 0});
  EXPECT_TRUE(AppendProtocolLine(intdat, clock, false, 3, 42));
  EXPECT_EQ(test::ReadAll(dir / "TlnProtokoll.csv"),
            "Time; Tln ohne Erg; Tln gesamt\r"
            "Time; Tln ohne Erg; Tln gesamt\r"
            "02.01.2027/14:30; 3; 42\r");

  clock.Set(test::SampleTime());
  EXPECT_TRUE(AppendProtocolLine(intdat, clock, false, 0, 7));
  EXPECT_EQ(test::ReadAll(dir / "TlnProtokoll.csv"),
            "Time; Tln ohne Erg; Tln gesamt\r"
            "Time; Tln ohne Erg; Tln gesamt\r"
            "02.01.2027/14:30; 3; 42\r"
            "09.12.2026/ 7:05; 0; 7\r");

  intdat.startverzeichnis = (dir / "fehlt").string();
  EXPECT_FALSE(AppendProtocolLine(intdat, clock, false, 0, 7));
}

}  // namespace
}  // namespace wex
