// DSB individual ranking: the combined value, who is ranked, and the order.
#include "core/ranking/individual_dsb.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "support/ranking_fixtures.hpp"

namespace wex {
namespace {

using test::AddParticipant;
using test::MakeEntry;
using test::SetSeries;
using test::SetTarget;

std::vector<int> Leading(const _sort_ew& r, int n) { return std::vector<int>(r.werte, r.werte + n); }

// Target 0 rings, target 1 rings with tenth scoring, target 2 dividers.
Competition DsbCompetition() {
  Competition c;
  SetTarget(c, 0, "LG");
  SetTarget(c, 1, "LG Zehntel", false, true);
  SetTarget(c, 2, "Teiler", true);
  return c;
}

TEST(dsb_ranking, value_is_missing_rings_plus_best_divider_smallest_first) {
  Competition c = DsbCompetition();
  _ergdateilist& a = AddParticipant(c, 1);  // 20000 - 1945 x 10 + 3000 = 3550
  SetSeries(a, 0, {9800, 9650});
  SetSeries(a, 2, {0, 3000, 4000});
  _ergdateilist& b = AddParticipant(c, 2);  // 10000 - 9500 + 1234 = 1734
  SetSeries(b, 0, {9500});
  SetSeries(b, 2, {1234});
  _ergdateilist& d = AddParticipant(c, 3);  // 10000 - 10400 + 300 = -100: one series above 100.0 rings
  SetSeries(d, 1, {10400});
  SetSeries(d, 2, {300});
  SetSeries(AddParticipant(c, 4), 0, {9000});  // no divider: not ranked
  SetSeries(AddParticipant(c, 5), 2, {500});   // no rings: not ranked
  RankingState state;
  ComputeDsbRanking(state, c, MakeEntry(kKindDsb, {0, 1, 2}));
  ASSERT_EQ(state.ewSequence.size(), 3u);
  EXPECT_EQ(state.ewSequence[0].startnr, 3);
  EXPECT_EQ(Leading(state.ewSequence[0], 4), (std::vector<int>{-100, 300, 1040, 0}));
  EXPECT_EQ(state.ewSequence[1].startnr, 2);
  EXPECT_EQ(Leading(state.ewSequence[1], 4), (std::vector<int>{1734, 1234, 950, 950}));
  EXPECT_EQ(state.ewSequence[2].startnr, 1);
  EXPECT_EQ(Leading(state.ewSequence[2], 6), (std::vector<int>{3550, 3000, 1945, 980, 965, 0}));
  // Ring values of target 1 follow target 0's 20 slots.
  EXPECT_EQ(state.ewSequence[0].werte[23], 1040);
  EXPECT_EQ(state.ewContext.mode, 0);
  EXPECT_EQ(state.ewContext.compareWidth, 1);

  // Every ranked record gives a row, a negative value included; ranks are consecutive.
  const std::vector<RankLine> lines =
      NumberRanks(state.ewSequence, c, DsbRankRules(MakeEntry(kKindDsb, {0})));
  ASSERT_EQ(lines.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NE(lines[i].participant, nullptr);
    EXPECT_EQ(lines[i].rank, i + 1);
  }
}

TEST(dsb_ranking, settings_select_blocks_and_participants) {
  Competition c = DsbCompetition();
  _ergdateilist& a = AddParticipant(c, 1);
  SetSeries(a, 0, {9000}, false);
  SetSeries(a, 2, {1000});
  _ergdateilist& b = AddParticipant(c, 2);
  SetSeries(b, 0, {9500});
  SetSeries(b, 2, {2000}, false);
  c.participants.back().zusatz1 = 1;
  _ergdateilist& x = AddParticipant(c, 3, "", 14);
  SetSeries(x, 0, {9900});
  SetSeries(x, 2, {100});
  struct Case {
    int ringUnmarked, dividerUnmarked, filter1, filter2;
    bool class14;
    std::vector<int> expected;
  };
  const std::vector<Case> cases = {
      {0, 0, 0, 0, true, {3, 1, 2}},  // 1100 - 990 + 100 = 200; 10000 - 9000 + 1000; 10000 - 9500 + 2000
      {1, 0, 0, 0, true, {3, 2}},    {0, 1, 0, 0, true, {3, 1}}, {0, 0, 1, 0, true, {2}},
      {0, 0, 2, 0, true, {3, 1}},    {0, 0, 0, 1, true, {}},     {0, 0, 0, 0, false, {1, 2}},
  };
  for (const Case& k : cases) {
    _listdat entry = MakeEntry(kKindDsb, {0, 2});
    entry.ezw_dsb_ring_unmarkiert = static_cast<std::int8_t>(k.ringUnmarked);
    entry.ezw_dsb_teiler_unmarkiert = static_cast<std::int8_t>(k.dividerUnmarked);
    entry.ezw_dsb_zusatz1 = static_cast<std::int8_t>(k.filter1);
    entry.ezw_dsb_zusatz2 = static_cast<std::int8_t>(k.filter2);
    entry.klasse_gewaehlt[14] = k.class14 ? 1 : 0;
    RankingState state;
    ComputeDsbRanking(state, c, entry);
    std::vector<int> order;
    for (const _sort_ew& r : state.ewSequence) order.push_back(r.startnr);
    EXPECT_EQ(order, k.expected) << k.ringUnmarked << k.dividerUnmarked << k.filter1 << k.filter2;
  }
}

TEST(dsb_ranking, beyond_147_single_values_sum_and_count_still_take_every_value) {
  Competition c;
  _ergdateilist& p = AddParticipant(c, 1);
  _listdat entry = MakeEntry(kKindDsb, {});
  for (int t = 0; t < 8; ++t) {
    SetTarget(c, t, "LG");
    entry.scheibe_gewaehlt[t] = 1;
    for (int s = 0; s < kSeriesCount; ++s) p.ergebnisse[t].serie[s].ganz = 100;
  }
  SetTarget(c, 8, "Teiler", true);
  entry.scheibe_gewaehlt[8] = 1;
  SetSeries(p, 8, {1500});
  RankingState state;
  ComputeDsbRanking(state, c, entry);
  ASSERT_EQ(state.ewSequence.size(), 1u);
  const _sort_ew& r = state.ewSequence[0];
  EXPECT_EQ(r.werte[0], 1500);  // 160 full series: no rings missing
  EXPECT_EQ(r.werte[2], 160 * 1000);
  EXPECT_EQ(r.werte[149], 1000);
  EXPECT_EQ(r.werte[150], 0);
}

}  // namespace
}  // namespace wex
