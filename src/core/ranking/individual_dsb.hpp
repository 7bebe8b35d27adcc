// DSB individual ranking (Einzelwertung DSB): missing rings plus the best divider, smaller first.
#pragma once

#include "core/actionlist/listdat.hpp"
#include "core/competition/model.hpp"
#include "core/ranking/individual_standard.hpp"
#include "core/ranking/records.hpp"

namespace wex {

// Slots of a DSB record.
constexpr int kDsbValueSlot = 0;      // ring count x 10000 - ring sum x 10 + best divider, hundredths
constexpr int kDsbDividerSlot = 1;    // best divider, hundredths
constexpr int kDsbRingSumSlot = 2;    // ring sum, tenths
constexpr int kDsbFirstRingSlot = 3;  // single ring values from here, at most 147
constexpr int kDsbSlotEnd = 150;

// Replaces state.ewSequence with one record per participant that has both ring results and a divider,
// sorted by the DSB value ascending (zero and negative values included); leaves state.ewContext at
// mode 0 with compare width 1.
void ComputeDsbRanking(RankingState& state, const Competition& competition, const _listdat& entry);

// The rules of the DSB list: row limit only, consecutive ranks, every ranked record gives a row.
RankRules DsbRankRules(const _listdat& entry);

}  // namespace wex
