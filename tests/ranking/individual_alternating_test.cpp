// Alternating individual ranking: gathering, the two sorts and the interleaving.
#include "core/ranking/individual_alternating.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ranking_fixtures.hpp"

namespace wex {
namespace {

using test::AddParticipant;
using test::MakeEntry;
using test::SetSeries;
using test::SetTarget;

// "R3" for a ring element of start number 3, "D5" for a divider element of 5.
std::vector<std::string> Lines(const std::vector<_sort_alt_ew_all>& seq) {
  std::vector<std::string> out;
  for (const _sort_alt_ew_all& e : seq) out.push_back((e.typ == 0 ? "R" : "D") + std::to_string(e.startnr));
  return out;
}

std::vector<int> Values(const _sort_alt_ew_all& e, int n) { return std::vector<int>(e.werte, e.werte + n); }

// Target 0 rings, target 1 dividers.
Competition RingAndDivider() {
  Competition c;
  SetTarget(c, 0, "LG");
  SetTarget(c, 1, "Teiler", true);
  return c;
}

std::vector<std::string> Ranked(const Competition& c, const _listdat& entry) {
  RankingState state;
  return Lines(ComputeAlternatingRanking(state, c, entry));
}

TEST(alternating_ranking, three_ring_and_seven_divider_participants_alternate_then_dividers_follow) {
  Competition c = RingAndDivider();
  for (int n = 1; n <= 3; ++n) SetSeries(AddParticipant(c, n), 0, {9000 + 100 * n});
  for (int n = 11; n <= 17; ++n) SetSeries(AddParticipant(c, n), 1, {100 * n});
  EXPECT_EQ(Ranked(c, MakeEntry(kKindAlternating, {0, 1})),
            (std::vector<std::string>{"R3", "D11", "R2", "D12", "R1", "D13", "D14", "D15", "D16", "D17"}));
}

TEST(alternating_ranking, a_participant_is_shown_once_in_the_kind_that_comes_first) {
  Competition c = RingAndDivider();
  _ergdateilist& both = AddParticipant(c, 1);  // best in both
  SetSeries(both, 0, {9900});
  SetSeries(both, 1, {500});
  SetSeries(AddParticipant(c, 2), 0, {9500});
  _ergdateilist& second = AddParticipant(c, 3);  // second in both
  SetSeries(second, 0, {9700});
  SetSeries(second, 1, {800});
  SetSeries(AddParticipant(c, 4), 1, {1200});
  SetSeries(AddParticipant(c, 5), 0, {});  // neither: not listed

  _listdat entry = MakeEntry(kKindAlternating, {0, 1});
  EXPECT_EQ(Ranked(c, entry), (std::vector<std::string>{"R1", "D3", "R2", "D4"}));
  entry.ezw_alt_beginn = 1;
  EXPECT_EQ(Ranked(c, entry), (std::vector<std::string>{"D1", "R3", "D4", "R2"}));
}

TEST(alternating_ranking, elements_carry_their_values_up_to_the_first_missing_one) {
  Competition c = RingAndDivider();
  SetTarget(c, 2, "KK");
  _ergdateilist& p = AddParticipant(c, 1);
  SetSeries(p, 0, {9000, 9550});
  SetSeries(p, 2,
            {9800, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1050});  // 20th: whole part only
  SetSeries(AddParticipant(c, 2), 1, {4560, 0, 1230, 7890});
  RankingState state;
  const std::vector<_sort_alt_ew_all> seq =
      ComputeAlternatingRanking(state, c, MakeEntry(kKindAlternating, {0, 1, 2}));
  ASSERT_EQ(Lines(seq), (std::vector<std::string>{"R1", "D2"}));
  EXPECT_EQ(Values(seq[0], 5), (std::vector<int>{980, 955, 900, 100, 0}));
  EXPECT_EQ(Values(seq[1], 4), (std::vector<int>{1230, 4560, 7890, 0}));
}

TEST(alternating_ranking, sum_mode_adds_the_first_n_series_of_every_ring_target) {
  Competition c;
  SetTarget(c, 0, "LG");
  SetTarget(c, 1, "KK");
  _ergdateilist& p = AddParticipant(c, 1);
  SetSeries(p, 0, {9000, 9100, 9900});
  SetSeries(p, 1, {8000, 8100});
  SetSeries(AddParticipant(c, 2), 0, {10000, 9000});  // 190: a better start does not beat 181 + 161
  _listdat entry = MakeEntry(kKindAlternating, {0, 1});
  entry.ew_einstellungen.ew_sortierung[0] = 1;
  entry.ew_einstellungen.ew_anzahl[0] = 2;
  RankingState state;
  const std::vector<_sort_alt_ew_all> seq = ComputeAlternatingRanking(state, c, entry);
  ASSERT_EQ(Lines(seq), (std::vector<std::string>{"R1", "R2"}));
  // Sum, then the series in stored order up to the first missing one.
  EXPECT_EQ(Values(seq[0], 5), (std::vector<int>{3420, 900, 910, 990, 0}));
  EXPECT_EQ(Values(seq[1], 4), (std::vector<int>{1900, 1000, 900, 0}));
}

TEST(alternating_ranking, unmarked_blocks_count_only_when_the_entry_says_so) {
  Competition c = RingAndDivider();
  _ergdateilist& p = AddParticipant(c, 1);
  SetSeries(p, 0, {9000}, false);
  SetSeries(p, 1, {500}, false);
  _ergdateilist& q = AddParticipant(c, 2);
  SetSeries(q, 0, {8000});
  SetSeries(q, 1, {900});
  struct Case {
    int ring, divider;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {0, 0, {"R1", "D2"}},
      {1, 0, {"R2", "D1"}},
      {0, 1, {"R1", "D2"}},
      {1, 1, {"R2"}},
  };
  for (const Case& k : cases) {
    _listdat entry = MakeEntry(kKindAlternating, {0, 1});
    entry.ezw_alt_ring_unmarkiert = static_cast<std::int8_t>(k.ring);
    entry.ezw_alt_teiler_unmarkiert = static_cast<std::int8_t>(k.divider);
    EXPECT_EQ(Ranked(c, entry), k.expected) << k.ring << "/" << k.divider;
  }
}

TEST(alternating_ranking, filters_class_and_start_number_select_participants) {
  Competition c = RingAndDivider();
  SetSeries(AddParticipant(c, 1, "", 0), 0, {9000});
  c.participants.back().zusatz1 = 1;
  SetSeries(AddParticipant(c, 2, "", 0), 0, {9100});
  c.participants.back().zusatz2 = 1;
  SetSeries(AddParticipant(c, 3, "", 99), 0, {9200});
  SetSeries(AddParticipant(c, -4, "", 0), 0, {9300});
  _listdat entry = MakeEntry(kKindAlternating, {0});
  EXPECT_EQ(Ranked(c, entry), (std::vector<std::string>{"R2", "R1"}));
  entry.ezw_alt_zusatz1 = 1;
  EXPECT_EQ(Ranked(c, entry), (std::vector<std::string>{"R1"}));
  entry.ezw_alt_zusatz1 = 0;
  entry.ezw_alt_zusatz2 = 2;
  EXPECT_EQ(Ranked(c, entry), (std::vector<std::string>{"R1"}));
  EXPECT_TRUE(Ranked(c, MakeEntry(kKindAlternating, {})).empty());
}

TEST(alternating_ranking, many_targets_keep_the_best_values_inside_the_slots) {
  Competition c;
  _ergdateilist& p = AddParticipant(c, 1);
  _listdat entry = MakeEntry(kKindAlternating, {});
  for (int t = 0; t < kTargetCount; ++t) {
    const bool divider = t % 2 == 1;
    SetTarget(c, t, "S", divider);
    entry.scheibe_gewaehlt[t] = 1;
    for (int s = 0; s < kSeriesCount; ++s) {
      p.ergebnisse[t].serie[s].ganz = static_cast<std::int16_t>(divider ? 1000 - t * 10 - s : 50 + t);
    }
  }
  RankingState state;
  const std::vector<_sort_alt_ew_all> rings = ComputeAlternatingRanking(state, c, entry);
  ASSERT_EQ(Lines(rings), (std::vector<std::string>{"R1"}));
  EXPECT_EQ(rings[0].werte[0], 980);    // rings of target 48
  EXPECT_EQ(rings[0].werte[399], 600);  // 25 ring targets: the best 400 of 500 values (targets 48 ... 10)
  entry.ezw_alt_beginn = 1;
  const std::vector<_sort_alt_ew_all> dividers = ComputeAlternatingRanking(state, c, entry);
  ASSERT_EQ(Lines(dividers), (std::vector<std::string>{"D1"}));
  // The divider slots keep the 150 smallest of 500 dividers, 491 ... 640.
  EXPECT_EQ(dividers[0].werte[0], 49100);
  EXPECT_EQ(dividers[0].werte[149], 64000);
  EXPECT_EQ(dividers[0].werte[150], 0);
}

}  // namespace
}  // namespace wex
