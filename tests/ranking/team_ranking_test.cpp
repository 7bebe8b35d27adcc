// Team ranking: member values, counted members, host team, additional-field limits, order and rank numbers.
#include "core/ranking/team_ranking.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/team_fixture.hpp"

namespace wex {
namespace {

using test::FirstSeries;
using test::HomeTeam;
using test::Participant;
using test::TeamEntry;
using test::TeamResult;

std::vector<int> TeamNumbers(const RankingState& s) {
  std::vector<int> out;
  for (const auto& t : s.teamSequence) out.push_back(t.nummer);
  return out;
}

std::vector<int> MemberStarts(const _mannschaft& t) {
  std::vector<int> out;
  for (const auto& m : t.schuetzen) out.push_back(m.startnr);
  return out;
}

std::vector<int> CountedFlags(const _mannschaft& t) {
  std::vector<int> out;
  for (const auto& m : t.schuetzen) out.push_back(m.gewertet);
  return out;
}

// Ranks of the listed rows as "nummer:rank" (rank 0 = listed without rank).
std::vector<std::string> Listed(const RankingState& s, const _listdat& e) {
  std::vector<std::string> out;
  for (const TeamListRow& r : NumberTeamRanks(s.teamSequence, e))
    out.push_back(std::to_string(s.teamSequence[r.team].nummer) + ":" + std::to_string(r.rank));
  return out;
}

TEST(team_ranking, ring_target_sums_the_best_S_members_of_each_team) {
  Competition c;
  c.homeTeams = {HomeTeam(1, "Eintracht"), HomeTeam(2, "Leer"), HomeTeam(3, "Zwei")};
  const int values[] = {950, 1010, 880, 990, 1000};
  for (int i = 0; i < 5; ++i) {
    auto p = Participant(10 + i, "A", 1);
    c.participants.push_back(TeamResult(p, 4, values[i]));
  }
  auto other = Participant(20, "B", 3);
  c.participants.push_back(TeamResult(other, 4, 900));
  auto noTeam = Participant(21, "C", 9);  // no home team 9: in no team
  c.participants.push_back(TeamResult(noTeam, 4, 1090));
  auto unselected = Participant(22, "D", 3, 2);
  c.participants.push_back(TeamResult(unselected, 4, 1090));
  auto noClass = Participant(23, "E", 3, 15);  // outside the class slots: never a member
  c.participants.push_back(TeamResult(noClass, 4, 1090));
  auto noNumber = Participant(0, "F", 3);
  c.participants.push_back(TeamResult(noNumber, 4, 1090));
  auto otherTarget = Participant(24, "G", 3);  // result only on an unselected target
  c.participants.push_back(TeamResult(otherTarget, 5, 1090));

  _listdat e = TeamEntry(4, 3);
  e.klasse_gewaehlt[2] = 0;
  RankingState s;
  ComputeTeamRanking(s, c, e);

  ASSERT_EQ(TeamNumbers(s), (std::vector<int>{1, 3, 2}));
  const _mannschaft& t1 = s.teamSequence[0];
  EXPECT_EQ(std::string(t1.name), "Eintracht");
  EXPECT_EQ(MemberStarts(t1), (std::vector<int>{11, 14, 13, 10, 12}));
  EXPECT_EQ(CountedFlags(t1), (std::vector<int>{1, 1, 1, 0, 0}));
  EXPECT_EQ(t1.summe, 3000.0f);
  EXPECT_EQ(t1.anzahl, 5);
  EXPECT_EQ(t1.bester, 1010);
  EXPECT_EQ(s.teamSequence[1].anzahl, 1);
  EXPECT_EQ(s.teamSequence[1].summe, 900.0f);
  // A team without members is ranked on a ring target with sum 0, but not listed.
  EXPECT_EQ(s.teamSequence[2].anzahl, 0);
  EXPECT_EQ(s.teamSequence[2].bester, 0);
  EXPECT_EQ(s.teamSequence[2].summe, 0.0f);
  EXPECT_EQ(Listed(s, e), (std::vector<std::string>{"1:1", "3:2"}));
}

TEST(team_ranking, ring_value_adds_the_team_results_of_all_selected_targets) {
  Competition c;
  c.homeTeams = {HomeTeam(1, "T")};
  auto a = Participant(1, "A", 1);
  TeamResult(a, 2, 500);
  TeamResult(a, 7, 400, false);
  auto b = Participant(2, "B", 1);
  TeamResult(b, 2, 300, false);  // only unmarked results
  auto z = Participant(3, "Z", 1);
  TeamResult(z, 2, 0);  // no result: no member
  c.participants = {a, b, z};
  _listdat e = TeamEntry(2, 3);
  e.scheibe_gewaehlt[7] = 1;

  RankingState s;
  ComputeTeamRanking(s, c, e);
  ASSERT_EQ(s.teamSequence.size(), 1u);
  EXPECT_EQ(s.teamSequence[0].summe, 1200.0f);
  EXPECT_EQ(s.teamSequence[0].anzahl, 2);

  e.mw_einstellungen.mw_unmarkiert[2] = 1;  // unmarked team results do not count
  ComputeTeamRanking(s, c, e);
  EXPECT_EQ(MemberStarts(s.teamSequence[0]), (std::vector<int>{1}));
  EXPECT_EQ(s.teamSequence[0].summe, 500.0f);
}

TEST(team_ranking, divider_value_is_the_smallest_first_divider_and_lower_ranks_first) {
  Competition c;
  test::MakeDividerTarget(c, 0);
  c.homeTeams = {HomeTeam(1, "Weit"), HomeTeam(2, "Nah"), HomeTeam(3, "Klein")};
  auto a = Participant(1, "A", 1);
  FirstSeries(a, 0, 5000);
  FirstSeries(a, 1, 4000);
  auto b = Participant(2, "B", 1);
  FirstSeries(b, 0, 0);  // no divider on target 0: counts as missing
  FirstSeries(b, 1, 3000);
  auto d = Participant(3, "D", 2);
  FirstSeries(d, 0, 1234);
  auto e2 = Participant(4, "E", 2);
  FirstSeries(e2, 1, 2000, false);
  auto f = Participant(5, "F", 3);  // team 3 has one member only
  FirstSeries(f, 0, 50);
  c.participants = {a, b, d, e2, f};
  _listdat e = TeamEntry(0, 2);
  e.scheibe_gewaehlt[1] = 1;

  RankingState s;
  ComputeTeamRanking(s, c, e);
  // Team 3 is short of S = 2 members: not ranked at all.
  ASSERT_EQ(TeamNumbers(s), (std::vector<int>{2, 1}));
  EXPECT_EQ(s.teamSequence[0].summe, 3234.0f);
  EXPECT_EQ(s.teamSequence[0].bester, 1234);
  EXPECT_EQ(MemberStarts(s.teamSequence[1]), (std::vector<int>{2, 1}));
  EXPECT_EQ(s.teamSequence[1].summe, 7000.0f);

  // Unmarked results dropped: participant 4 has no value left, team 2 falls short of S.
  e.mw_einstellungen.mw_unmarkiert[0] = 1;
  ComputeTeamRanking(s, c, e);
  EXPECT_EQ(TeamNumbers(s), (std::vector<int>{1}));
}

TEST(team_ranking, equal_sums_are_decided_by_the_best_member) {
  struct Case {
    bool divider;
    std::vector<int> first, second;  // member values of teams 1 and 2 (equal sums)
    std::vector<int> order;
  };
  const Case cases[] = {
      {false, {500, 500}, {600, 400}, {2, 1}},  // ring: the better best member is higher
      {false, {700, 300}, {600, 400}, {1, 2}},
      {true, {500, 500}, {600, 400}, {2, 1}},  // divider: the better best member is lower
      {true, {200, 800}, {600, 400}, {1, 2}},
  };
  for (const Case& k : cases) {
    Competition c;
    if (k.divider) test::MakeDividerTarget(c, 0);
    c.homeTeams = {HomeTeam(1, "Eins"), HomeTeam(2, "Zwei")};
    int start = 1;
    for (int team = 1; team <= 2; ++team)
      for (int v : team == 1 ? k.first : k.second) {
        auto p = Participant(start++, "X", team);
        c.participants.push_back(k.divider ? FirstSeries(p, 0, v) : TeamResult(p, 0, v));
      }
    const _listdat e = TeamEntry(0, 2);
    RankingState s;
    ComputeTeamRanking(s, c, e);
    EXPECT_EQ(TeamNumbers(s), k.order) << "divider " << k.divider << " first best " << k.first[0];
    // Consecutive ranks: equal sums never share one.
    EXPECT_EQ(Listed(s, e), (std::vector<std::string>{std::to_string(k.order[0]) + ":1",
                                                      std::to_string(k.order[1]) + ":2"}));
  }
}

// Teams 1 ... 4 with sums 4000, 3000, 2000, 1000 (S = 1); team 2 is the host team.
Competition FourTeams() {
  Competition c;
  for (int t = 1; t <= 4; ++t) {
    c.homeTeams.push_back(HomeTeam(t, "T"));
    auto p = Participant(t, "P", t);
    c.participants.push_back(TeamResult(p, 0, 5000 - 1000 * t));
  }
  return c;
}

TEST(team_ranking, host_team_with_handling_1_is_left_out) {
  const Competition c = FourTeams();
  _listdat e = TeamEntry(0, 1);
  e.mw_einstellungen.mw_heim_nummer[0] = 2;
  e.mw_einstellungen.mw_heim_wertung[0] = 1;
  RankingState s;
  ComputeTeamRanking(s, c, e);
  EXPECT_EQ(TeamNumbers(s), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(Listed(s, e), (std::vector<std::string>{"1:1", "3:2", "4:3"}));
}

TEST(team_ranking, host_team_with_handling_2_is_listed_without_rank) {
  const Competition c = FourTeams();
  _listdat e = TeamEntry(0, 1);
  e.mw_einstellungen.mw_heim_nummer[0] = 2;
  e.mw_einstellungen.mw_heim_wertung[0] = 2;
  RankingState s;
  ComputeTeamRanking(s, c, e);
  EXPECT_EQ(TeamNumbers(s), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Listed(s, e), (std::vector<std::string>{"1:1", "2:0", "3:2", "4:3"}));

  // The list limit counts positions: the host team uses one up.
  e.mw_bereich = 1;
  e.mw_anzahl_max = 3;
  EXPECT_EQ(Listed(s, e), (std::vector<std::string>{"1:1", "2:0", "3:2"}));
  // Handling 0 ranks the host team like any other.
  e.mw_einstellungen.mw_heim_wertung[0] = 0;
  EXPECT_EQ(Listed(s, e), (std::vector<std::string>{"1:1", "2:2", "3:3"}));
}

TEST(team_ranking, rank_numbering_skips_teams_below_a_sum_of_1_and_reads_the_limit_unsigned) {
  Competition c = FourTeams();
  c.homeTeams.push_back(HomeTeam(5, "Leer"));  // no members: sum 0
  _listdat e = TeamEntry(0, 1);
  RankingState s;
  ComputeTeamRanking(s, c, e);
  ASSERT_EQ(s.teamSequence.size(), 5u);
  e.mw_bereich = 1;
  e.mw_anzahl_max = -1;  // a huge unsigned limit
  EXPECT_EQ(Listed(s, e), (std::vector<std::string>{"1:1", "2:2", "3:3", "4:4"}));
  e.mw_anzahl_max = 0;
  EXPECT_TRUE(Listed(s, e).empty());
  e.mw_bereich = 0;  // limit off
  EXPECT_EQ(Listed(s, e).size(), 4u);
}

TEST(team_ranking, S_0_gives_every_team_sum_0_and_lists_none) {
  for (bool divider : {false, true}) {
    Competition c = FourTeams();
    if (divider) {
      test::MakeDividerTarget(c, 0);
      for (auto& p : c.participants) FirstSeries(p, 0, 1500);
    }
    const _listdat e = TeamEntry(0, 0);
    RankingState s;
    ComputeTeamRanking(s, c, e);
    EXPECT_EQ(s.teamSequence.size(), 4u) << divider;
    for (const auto& t : s.teamSequence) {
      EXPECT_EQ(t.summe, 0.0f);
      EXPECT_EQ(t.anzahl, 1);
      EXPECT_EQ(CountedFlags(t), (std::vector<int>{0}));
    }
    EXPECT_TRUE(Listed(s, e).empty());
  }
}

TEST(team_ranking, no_selected_target_ranks_no_team) {
  const Competition c = FourTeams();
  _listdat e = TeamEntry(0, 1);
  e.scheibe_gewaehlt[0] = 0;
  RankingState s;
  s.teamSequence.resize(2);  // an earlier computation is replaced
  ComputeTeamRanking(s, c, e);
  EXPECT_TRUE(s.teamSequence.empty());
}

// Members by value best first; z marks: 1 field 1, 2 field 2, 3 both.
Competition MarkedTeam(const std::vector<std::pair<int, int>>& members) {
  Competition c;
  c.homeTeams = {HomeTeam(1, "T"), HomeTeam(2, "U")};
  int start = 1;
  for (auto [value, z] : members) {
    auto p = Participant(start++, "M", 1);
    p.zusatz1 = (z & 1) ? 1 : 0;
    p.zusatz2 = (z & 2) ? 1 : 0;
    c.participants.push_back(TeamResult(p, 0, value));
  }
  auto u = Participant(50, "U", 2);
  c.participants.push_back(TeamResult(u, 0, 1985));
  return c;
}

TEST(team_ranking, additional_field_limit_moves_the_next_unmarked_member_into_the_sum) {
  const Competition c = MarkedTeam({{1000, 1}, {990, 1}, {980, 0}, {970, 0}});
  _listdat e = TeamEntry(0, 2);
  e.mw_einstellungen.mw_zusatz[0][0] = {1, 1};
  RankingState s;
  ComputeTeamRanking(s, c, e);
  // Recounted before the teams are ordered: 1980 falls behind team 2's 1985.
  ASSERT_EQ(TeamNumbers(s), (std::vector<int>{2, 1}));
  const _mannschaft& t = s.teamSequence[1];
  EXPECT_EQ(MemberStarts(t), (std::vector<int>{1, 3, 2, 4}));  // counted members first
  EXPECT_EQ(CountedFlags(t), (std::vector<int>{1, 1, 0, 0}));
  EXPECT_EQ(t.summe, 1980.0f);
  EXPECT_EQ(t.anzahl, 4);
  EXPECT_EQ(t.bester, 1000);
}

TEST(team_ranking, additional_field_limits_table) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> members;
    _mw_zusatz_grenze limit1, limit2;
    std::vector<int> counted;  // start numbers of the counted members, in list order
  };
  const Case cases[] = {
      {"both marks, limit 1 on, max2 0: not counted",
       {{1000, 3}, {990, 0}, {980, 0}},
       {1, 1},
       {0, 0},
       {2, 3}},
      {"both marks, limit 1 on, max2 1: counted", {{1000, 3}, {990, 0}, {980, 0}}, {1, 1}, {1, 0}, {1, 2}},
      {"both marks use up field 1 only", {{1000, 3}, {990, 2}, {980, 1}}, {1, 1}, {1, 1}, {1, 2}},
      {"limit 2 on, field 1 marks free", {{1000, 2}, {990, 2}, {980, 1}}, {5, 0}, {1, 1}, {1, 3}},
      {"aktiv 2 recounts without a limit", {{1000, 1}, {990, 1}, {980, 0}}, {0, 2}, {0, 0}, {1, 2}},
      {"max 0 keeps every marked member out", {{1000, 1}, {990, 1}, {980, 0}}, {0, 1}, {0, 0}, {3}},
  };
  for (const Case& k : cases) {
    const Competition c = MarkedTeam(k.members);
    _listdat e = TeamEntry(0, 2);
    e.mw_einstellungen.mw_zusatz[0][0] = k.limit1;
    e.mw_einstellungen.mw_zusatz[0][1] = k.limit2;
    RankingState s;
    ComputeTeamRanking(s, c, e);
    const _mannschaft* t = nullptr;
    for (const auto& team : s.teamSequence)
      if (team.nummer == 1) t = &team;
    ASSERT_NE(t, nullptr) << k.what;
    std::vector<int> counted;
    double sum = 0;
    for (const auto& m : t->schuetzen)
      if (m.gewertet) {
        counted.push_back(m.startnr);
        sum += m.ergebnis;
      }
    EXPECT_EQ(counted, k.counted) << k.what;
    EXPECT_EQ(t->summe, static_cast<float>(sum)) << k.what;
    const std::vector<int> order = MemberStarts(*t);
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + static_cast<long>(counted.size())), k.counted)
        << k.what;
  }
}

TEST(team_ranking, sum_of_a_very_large_team_stays_exact) {
  Competition c;
  c.homeTeams = {HomeTeam(1, "Gross")};
  long long expected = 0;
  for (int i = 0; i < 9000; ++i) {
    const int v = 1090 - (i % 97);
    auto p = Participant(1 + i, "M", 1);
    c.participants.push_back(TeamResult(p, 0, v));
    expected += v;
  }
  const _listdat e = TeamEntry(0, 9000);
  RankingState s;
  ComputeTeamRanking(s, c, e);
  ASSERT_EQ(s.teamSequence.size(), 1u);
  EXPECT_EQ(static_cast<long long>(s.teamSequence[0].summe), expected);
  EXPECT_EQ(s.teamSequence[0].bester, 1090);
}

}  // namespace
}  // namespace wex
