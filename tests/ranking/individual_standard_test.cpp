// Standard individual ranking: gathering, order in every mode, and the rank numbering of the list.
#include "core/ranking/individual_standard.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "support/ranking_fixtures.hpp"

namespace wex {
namespace {

using test::AddParticipant;
using test::MakeEntry;
using test::SetSeries;
using test::SetTarget;

std::vector<int> StartNumbers(const std::vector<_sort_ew>& seq) {
  std::vector<int> out;
  for (const _sort_ew& r : seq) out.push_back(r.startnr);
  return out;
}

std::vector<int> Leading(const _sort_ew& r, int n) { return std::vector<int>(r.werte, r.werte + n); }

std::vector<int> Ranked(const Competition& c, const _listdat& entry, bool passOver = true) {
  RankingState state;
  ComputeIndividualRanking(state, c, entry, passOver);
  return StartNumbers(state.ewSequence);
}

TEST(standard_ranking, best_result_mode_decides_ties_by_the_next_best_value) {
  Competition c;
  SetTarget(c, 0, "LG");
  SetSeries(AddParticipant(c, 1), 0, {9500, 9700, 9400, 9800});  // 98 97 95 94
  SetSeries(AddParticipant(c, 2), 0, {9800, 9530, 9700});        // 98 97 95.3
  SetSeries(AddParticipant(c, 3), 0, {});                        // no result: sorts last
  RankingState state;
  ComputeIndividualRanking(state, c, MakeEntry(kKindStandard, {0}), true);
  EXPECT_EQ(StartNumbers(state.ewSequence), (std::vector<int>{2, 1, 3}));
  // Values in tenths, best first; 95 and 30 hundredths count as 953.
  EXPECT_EQ(Leading(state.ewSequence[0], 4), (std::vector<int>{980, 970, 953, 0}));
  EXPECT_EQ(state.ewSequence[2].werte[0], 0);
  EXPECT_EQ(state.ewContext.mode, 1);
  EXPECT_EQ(state.ewContext.compareWidth, 20);
}

TEST(standard_ranking, sum_mode_counts_the_first_n_series_in_stored_order) {
  Competition c;
  SetTarget(c, 0, "LG");
  SetSeries(AddParticipant(c, 1), 0, {9700, 9500, 9000});         // 282, last counted series 90
  SetSeries(AddParticipant(c, 2), 0, {9000, 9500, 9700});         // 282, last counted series 97
  SetSeries(AddParticipant(c, 3), 0, {5000, 5000, 5000, 10000});  // 150: the fourth series is not counted
  SetSeries(AddParticipant(c, 4), 0, {6000, 6000, 6000});         // 180
  _listdat entry = MakeEntry(kKindStandard, {0});
  entry.ew_einstellungen.ew_sortierung[0] = 1;
  entry.ew_einstellungen.ew_anzahl[0] = 3;
  RankingState state;
  ComputeIndividualRanking(state, c, entry, true);
  EXPECT_EQ(StartNumbers(state.ewSequence), (std::vector<int>{2, 1, 4, 3}));
  EXPECT_EQ(Leading(state.ewSequence[0], 5), (std::vector<int>{2820, 900, 950, 970, 0}));
  EXPECT_EQ(state.ewContext.mode, 2);
  EXPECT_EQ(state.ewContext.sumCount, 3);
}

TEST(standard_ranking, sum_mode_with_n_zero_gives_no_row) {
  Competition c;
  SetTarget(c, 0, "LG");
  SetSeries(AddParticipant(c, 1), 0, {9700, 9500});
  SetSeries(AddParticipant(c, 2), 0, {9000});
  _listdat entry = MakeEntry(kKindStandard, {0});
  entry.ew_einstellungen.ew_sortierung[0] = 1;
  entry.ew_einstellungen.ew_anzahl[0] = 0;
  RankingState state;
  ComputeIndividualRanking(state, c, entry, true);
  ASSERT_EQ(state.ewSequence.size(), 2u);
  for (const RankLine& line : NumberRanks(state.ewSequence, c, StandardRankRules(entry)))
    EXPECT_EQ(line.participant, nullptr);
}

TEST(standard_ranking, divider_mode_ranks_a_missing_divider_worse_than_any_real_one) {
  Competition c;
  SetTarget(c, 0, "Teiler", true);
  SetSeries(AddParticipant(c, 1), 0, {1230});
  SetSeries(AddParticipant(c, 2), 0, {});
  SetSeries(AddParticipant(c, 3), 0, {4560, 0, 1230});
  SetSeries(AddParticipant(c, 4), 0, {1000100});  // 10001.00: above the substitute, still a real divider
  RankingState state;
  ComputeIndividualRanking(state, c, MakeEntry(kKindStandard, {0}), true);
  ASSERT_EQ(state.ewSequence.size(), 4u);
  EXPECT_EQ(StartNumbers(state.ewSequence)[0], 3);
  EXPECT_EQ(StartNumbers(state.ewSequence)[1], 1);
  EXPECT_EQ(Leading(state.ewSequence[0], 3), (std::vector<int>{1230, 4560, 0}));
  EXPECT_EQ(Leading(state.ewSequence[1], 2), (std::vector<int>{1230, 0}));
  // Only the missing values return to 0 after the sort; a real divider keeps its value.
  for (const _sort_ew& r : state.ewSequence) {
    if (r.startnr == 2) {
      EXPECT_EQ(Leading(r, 2), (std::vector<int>{0, 0}));
    }
    if (r.startnr == 4) {
      EXPECT_EQ(Leading(r, 2), (std::vector<int>{1000100, 0}));
    }
  }
  EXPECT_EQ(state.ewContext.mode, 0);
  EXPECT_EQ(state.ewContext.compareWidth, 2);
}

TEST(standard_ranking, each_selected_target_gives_a_record_under_the_governing_kind) {
  Competition c;
  SetTarget(c, 2, "LG");
  SetTarget(c, 5, "Teiler", true);
  _ergdateilist& p = AddParticipant(c, 7);
  SetSeries(p, 2, {9000});
  SetSeries(p, 5, {9500});  // ranked as rings, since target 2 governs
  RankingState state;
  ComputeIndividualRanking(state, c, MakeEntry(kKindStandard, {5, 2}), true);
  ASSERT_EQ(state.ewSequence.size(), 2u);
  EXPECT_EQ(state.ewSequence[0].werte[0], 950);
  EXPECT_EQ(state.ewSequence[1].werte[0], 900);
}

TEST(standard_ranking, unnamed_targets_are_passed_over_by_the_list_files_only) {
  Competition c;
  SetTarget(c, 0, "LG");
  _ergdateilist& p = AddParticipant(c, 1);
  SetSeries(p, 0, {9000});
  SetSeries(p, 1, {9500});
  const _listdat entry = MakeEntry(kKindStandard, {0, 1});
  EXPECT_EQ(Ranked(c, entry, true).size(), 1u);
  EXPECT_EQ(Ranked(c, entry, false).size(), 2u);
}

TEST(standard_ranking, participants_are_selected_by_number_class_fields_and_mark) {
  Competition c;
  SetTarget(c, 0, "LG");
  SetSeries(AddParticipant(c, 1, "", 0), 0, {9000});
  SetSeries(AddParticipant(c, 2, "", 1), 0, {9100});   // class 1 not selected
  SetSeries(AddParticipant(c, 3, "", 20), 0, {9200});  // class outside the slots
  SetSeries(AddParticipant(c, 4, "", -1), 0, {9300});
  SetSeries(AddParticipant(c, 0, "", 0), 0, {9400});         // no start number
  SetSeries(AddParticipant(c, 5, "", 0), 0, {9500}, false);  // unmarked result
  c.participants.back().zusatz1 = 1;
  SetSeries(AddParticipant(c, 6, "", 0), 0, {9600});
  c.participants.back().zusatz2 = 3;

  struct Case {
    int handling, filter1, filter2;
    std::vector<int> expected;
  };
  const std::vector<Case> cases = {
      {0, 0, 0, {6, 5, 1}}, {2, 0, 0, {6, 5, 1}}, {1, 0, 0, {6, 1}}, {3, 0, 0, {}},
      {0, 1, 0, {5}},       {0, 2, 0, {6, 1}},    {0, 0, 1, {6}},    {0, 0, 2, {5, 1}},
  };
  for (const Case& k : cases) {
    _listdat entry = MakeEntry(kKindStandard, {0});
    entry.klasse_gewaehlt[1] = 0;
    entry.ew_einstellungen.ew_unmarkiert[0] = static_cast<std::int8_t>(k.handling);
    entry.ew_einstellungen.ew_zusatzfilter[0][0][0] = static_cast<std::int8_t>(k.filter1);
    entry.ew_einstellungen.ew_zusatzfilter[1][0][0] = static_cast<std::int8_t>(k.filter2);
    EXPECT_EQ(Ranked(c, entry), k.expected)
        << "handling " << k.handling << " filters " << k.filter1 << "/" << k.filter2;
  }
}

TEST(standard_ranking, an_entry_without_selected_target_gives_an_empty_sequence) {
  Competition c;
  SetTarget(c, 0, "LG");
  SetSeries(AddParticipant(c, 1), 0, {9000});
  RankingState state;
  state.ewSequence.resize(3);
  ComputeIndividualRanking(state, c, MakeEntry(kKindStandard, {}), true);
  EXPECT_TRUE(state.ewSequence.empty());
}

TEST(ew_rank_before, compares_by_mode_and_stays_inside_the_values) {
  auto rec = [](std::initializer_list<int> v) {
    _sort_ew r;
    int i = 0;
    for (int x : v) r.werte[i++] = x;
    return r;
  };
  struct Case {
    int mode, width, n;
    _sort_ew a, b;
    bool aFirst, bFirst;
  };
  _sort_ew late = rec({});
  late.werte[0] = 100;
  late.werte[20] = 5;
  late.werte[399] = 9;
  const std::vector<Case> cases = {
      {0, 2, 0, rec({1230, 4560}), rec({1230, 1000001}), true, false},
      {0, 1, 0, rec({1230, 4560}), rec({1230, 1000001}), false, false},
      {1, 20, 0, rec({980, 970, 950}), rec({980, 970, 940}), true, false},
      {1, 20, 0, rec({980, 970}), rec({980, 970}), false, false},
      {2, 20, 3, rec({2820, 900, 950, 970}), rec({2820, 970, 950, 900}), true, false},
      {2, 20, 1, rec({2820, 900, 950, 970}), rec({2820, 970, 950, 900}), false, true},
      {2, 20, 0, rec({2820, 900}), rec({2820, 970}), false, false},
      {2, 20, -5, rec({2820, 900}), rec({2820, 970}), false, false},
      {2, 20, 127, rec({100}), late, false, true},    // N above 20: the comparison starts at slot N
      {1, 100000, 0, rec({100}), late, false, true},  // a width beyond 400 compares all 400
      {1, -3, 0, rec({5}), rec({}), false, false},
      {7, 20, 0, rec({5}), rec({}), false, false},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& k = cases[i];
    const EwRankingContext ctx{k.mode, k.width, k.n};
    EXPECT_EQ(EwRankBefore(ctx, k.a, k.b), k.aFirst) << "case " << i;
    EXPECT_EQ(EwRankBefore(ctx, k.b, k.a), k.bFirst) << "case " << i;
  }
}

// Ranking records made by hand: start number, mark and the leading values.
_sort_ew Record(int startnr, int mark, std::initializer_list<int> values) {
  _sort_ew r;
  r.startnr = startnr;
  r.markiert = static_cast<std::int8_t>(mark);
  int i = 0;
  for (int v : values) r.werte[i++] = v;
  return r;
}

struct Shown {
  bool row;
  RankShown shown;
  int rank;
  bool operator==(const Shown&) const = default;
};

std::vector<Shown> Rows(const std::vector<RankLine>& lines) {
  std::vector<Shown> out;
  for (const RankLine& l : lines)
    out.push_back({l.participant != nullptr, l.shown, l.shown == RankShown::kNumber ? l.rank : 0});
  return out;
}

Competition WithParticipants(int count) {
  Competition c;
  for (int n = 1; n <= count; ++n) AddParticipant(c, n);
  return c;
}

TEST(rank_numbering, a_tie_shows_a_blank_and_the_next_rank_counts_all_before_it) {
  const Competition c = WithParticipants(4);
  const std::vector<_sort_ew> seq = {Record(1, 1, {990}), Record(2, 1, {970, 950}), Record(3, 1, {970, 950}),
                                     Record(4, 1, {960})};
  const std::vector<RankLine> lines = NumberRanks(seq, c, RankRules{.blankTies = true});
  EXPECT_EQ(Rows(lines), (std::vector<Shown>{{true, RankShown::kNumber, 1},
                                             {true, RankShown::kNumber, 2},
                                             {true, RankShown::kTieBlank, 0},
                                             {true, RankShown::kNumber, 4}}));
  EXPECT_EQ(lines[1].participant, &c.participants[1]);
  EXPECT_FALSE(NeedsFootnote(lines));
}

TEST(rank_numbering, the_mark_takes_no_rank_and_the_row_limit_stops_after_rank_3) {
  const Competition c = WithParticipants(5);
  const std::vector<_sort_ew> seq = {Record(1, 1, {1000}), Record(2, 1, {990}), Record(3, 0, {980}),
                                     Record(4, 1, {970}), Record(5, 1, {960})};
  _listdat entry = MakeEntry(kKindStandard, {0});
  entry.ew_einstellungen.ew_unmarkiert[0] = 2;
  entry.ezw_std_bereich = 1;
  entry.ezw_std_zeilen_max = 3;
  const std::vector<RankLine> lines = NumberRanks(seq, c, StandardRankRules(entry));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(Rows(std::vector<RankLine>(lines.begin(), lines.begin() + 4)),
            (std::vector<Shown>{{true, RankShown::kNumber, 1},
                                {true, RankShown::kNumber, 2},
                                {true, RankShown::kMark, 0},
                                {true, RankShown::kNumber, 3}}));
  EXPECT_TRUE(lines[4].stop);
  EXPECT_EQ(lines[4].participant, nullptr);
  EXPECT_TRUE(NeedsFootnote(lines));
}

TEST(rank_numbering, records_without_result_or_participant_give_no_row_and_keep_the_counter) {
  const Competition c = WithParticipants(2);
  const std::vector<_sort_ew> seq = {Record(1, 1, {990}), Record(9, 1, {980}), Record(2, 1, {970}),
                                     Record(1, 1, {0})};
  EXPECT_EQ(Rows(NumberRanks(seq, c, RankRules{})), (std::vector<Shown>{{true, RankShown::kNumber, 1},
                                                                        {false, RankShown::kNumber, 0},
                                                                        {true, RankShown::kNumber, 2},
                                                                        {false, RankShown::kNumber, 0}}));
  // A limit of 0 rows stops at once; the DSB rules give a row to a value of 0 or less.
  const std::vector<RankLine> none = NumberRanks(seq, c, RankRules{.limitRows = true, .maxRows = 0});
  ASSERT_EQ(none.size(), 1u);
  EXPECT_TRUE(none[0].stop);
  const std::vector<RankLine> all = NumberRanks(seq, c, RankRules{.requirePositiveFirst = false});
  EXPECT_TRUE(all[3].participant != nullptr);
  EXPECT_EQ(all[3].rank, 3);
}

}  // namespace
}  // namespace wex
