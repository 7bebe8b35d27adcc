// Alternating individual ranking (Einzelwertung alternierend): ring and divider results interleaved.
#pragma once

#include <cstdint>
#include <vector>

#include "core/actionlist/listdat.hpp"
#include "core/competition/model.hpp"
#include "core/ranking/individual_standard.hpp"
#include "core/ranking/records.hpp"

namespace wex {

// Working record of one participant: its ring values or its divider values.
struct _sort_alt_ew {
  std::int32_t startnr = 0;
  std::int32_t ringwerte[400]{};    // in sum mode slot 0 holds the sum
  std::int32_t teilerwerte[150]{};  // ascending, missing values last as 0
  std::uint8_t typ = 0;             // 0 ring record, 1 divider record
  std::uint8_t markiert = 0;        // mark of the last selected target examined; not used for ordering
  std::uint8_t benutzt = 0;         // 1 once the participant is placed in the combined sequence
};

// EwRankBefore on ringwerte (modes 1 and 2) or teilerwerte (mode 0).
bool AltRankBefore(const EwRankingContext& ctx, const _sort_alt_ew& a, const _sort_alt_ew& b);

// Builds the combined sequence of the entry: ring and divider records ranked separately, then
// alternating (ring first, or divider first with ezw_alt_beginn 1), each participant once. The sorts
// use and overwrite state.ewContext.
std::vector<_sort_alt_ew_all> ComputeAlternatingRanking(RankingState& state, const Competition& competition,
                                                        const _listdat& entry);

// The rules of the alternating list: row limit only, consecutive ranks.
RankRules AlternatingRankRules(const _listdat& entry);

}  // namespace wex
