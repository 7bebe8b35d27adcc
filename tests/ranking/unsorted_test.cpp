// Unsorted results list: start number order, who is listed and which targets are shown.
#include "core/ranking/unsorted.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/competition/fixed_text.hpp"
#include "support/ranking_fixtures.hpp"

namespace wex {
namespace {

using test::AddParticipant;
using test::MakeEntry;
using test::SetSeries;
using test::SetTarget;

TEST(unsorted_list, start_number_order_is_stable_and_stays_for_later_lists) {
  Competition c;
  AddParticipant(c, 7, "a");
  AddParticipant(c, 3, "b");
  AddParticipant(c, 7, "c");
  AddParticipant(c, 1, "d");
  AddParticipant(c, 3, "e");
  SortParticipantsByStartNumber(c);
  std::string names;
  for (const _ergdateilist& p : c.participants) names += std::string(FieldText(p.name));
  EXPECT_EQ(names, "dbeac");
}

TEST(unsorted_list, lists_participants_with_a_result_in_range_class_and_selected_targets) {
  Competition c;
  SetTarget(c, 0, "LG");
  SetTarget(c, 1, "KK");
  for (int n = 4; n <= 8; ++n) SetSeries(AddParticipant(c, n), 0, {9000});
  SetSeries(AddParticipant(c, 9), 1, {9000});           // result only in an unselected target
  SetSeries(AddParticipant(c, 10, "", 2), 0, {9000});   // class not selected
  SetSeries(AddParticipant(c, 11, "", 77), 0, {9000});  // no class slot
  SetSeries(AddParticipant(c, 12), 0, {50});            // hundredths alone are a result
  AddParticipant(c, 13);                                // no result
  SetSeries(AddParticipant(c, 0), 0, {9000});

  _listdat entry = MakeEntry(kKindUnsorted, {0});
  entry.klasse_gewaehlt[2] = 0;
  entry.unsort_von_startnr = 5;
  entry.unsort_bis_startnr = 7;
  auto listed = [&]() {
    std::vector<int> out;
    for (const _ergdateilist& p : c.participants)
      if (IsListedUnsorted(p, entry, c)) out.push_back(p.tlnr);
    return out;
  };
  EXPECT_EQ(listed(), (std::vector<int>{4, 5, 6, 7, 8, 12}));
  entry.unsort_bereich = 1;
  EXPECT_EQ(listed(), (std::vector<int>{5, 6, 7}));
  entry = MakeEntry(kKindUnsorted, {});
  EXPECT_EQ(listed(), (std::vector<int>{}));
}

TEST(unsorted_list, the_governing_kind_weighs_the_parts_of_the_presence_test) {
  Competition c;
  SetTarget(c, 0, "LG");
  SetTarget(c, 1, "Teiler", true);
  _ergdateilist& p = AddParticipant(c, 1);
  p.ergebnisse[0].serie[0] = {1, -20};  // rings: 10 - 20 < 0; as divider: 100 - 20 > 0
  EXPECT_FALSE(IsListedUnsorted(c.participants[0], MakeEntry(kKindUnsorted, {0}), c));
  _listdat dividerFirst = MakeEntry(kKindUnsorted, {0});
  SetTarget(c, 0, "Teiler 2", true);
  EXPECT_TRUE(IsListedUnsorted(c.participants[0], dividerFirst, c));
}

TEST(unsorted_list, target_rows_follow_the_test_of_each_output_form) {
  Competition c;
  _ergdateilist& p = AddParticipant(c, 1);
  SetSeries(p, 0, {50});  // hundredths only
  SetSeries(p, 1, {9000});
  SetSeries(p, 2, {9000});  // not selected
  const _listdat entry = MakeEntry(kKindUnsorted, {0, 1});
  struct Case {
    int t, format;
    bool shown;
  };
  for (const Case& k : std::vector<Case>{{0, 0, false},
                                         {0, 1, true},
                                         {1, 0, true},
                                         {1, 1, true},
                                         {2, 0, false},
                                         {-1, 0, false},
                                         {50, 1, false}})
    EXPECT_EQ(TargetShownUnsorted(c.participants[0], entry, k.t, k.format), k.shown)
        << k.t << "/" << k.format;
}

}  // namespace
}  // namespace wex
