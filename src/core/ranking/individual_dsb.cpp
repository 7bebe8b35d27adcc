// DSB individual ranking: one value per participant from its ring results and its best divider.
#include "core/ranking/individual_dsb.hpp"

#include <algorithm>
#include <cstdint>

namespace wex {

namespace {

// Here the 20th ring series counts with its whole part only.
std::int32_t DsbRingValue(const scheibenergebnis& block, int s) {
  return s == kSeriesCount - 1 ? block.serie[s].ganz * 10 : RingValue(block.serie[s]);
}

std::int32_t ClampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

void ComputeDsbRanking(RankingState& state, const Competition& competition, const _listdat& entry) {
  state.ewSequence.clear();
  for (const _ergdateilist& p : competition.participants) {
    if (p.tlnr <= 0) continue;
    if (!PassesAdditionalFieldFilter(entry.ezw_dsb_zusatz1, p.zusatz1) ||
        !PassesAdditionalFieldFilter(entry.ezw_dsb_zusatz2, p.zusatz2))
      continue;
    if (!ClassSelected(entry, p)) continue;
    _sort_ew record;
    record.startnr = p.tlnr;
    int nextSlot = kDsbFirstRingSlot;
    std::int64_t ringSum = 0;
    std::int64_t ringCount = 0;
    std::int32_t bestDivider = 0;
    for (int t = 0; t < kTargetCount; ++t) {
      if (entry.scheibe_gewaehlt[t] <= 0) continue;
      const scheibenergebnis& block = p.ergebnisse[t];
      if (!IsDividerTarget(competition.config.scheiben[t])) {
        if (entry.ezw_dsb_ring_unmarkiert > 0 && block.markiert == 0) continue;
        for (int s = 0; s < kSeriesCount; ++s) {
          const std::int32_t v = DsbRingValue(block, s);
          // Sum and count take every value; only the single values beyond the last slot are dropped.
          if (nextSlot < kDsbSlotEnd) record.werte[nextSlot++] = v;
          if (v > 0) {
            ringSum += v;
            ++ringCount;
          }
        }
      } else {
        if (entry.ezw_dsb_teiler_unmarkiert > 0 && block.markiert == 0) continue;
        for (const serie_wert& s : block.serie) {
          const std::int32_t v = DividerValue(s);
          if (v > 0 && (bestDivider == 0 || v < bestDivider)) bestDivider = v;
        }
      }
    }
    if (bestDivider <= 0 || ringSum <= 0) continue;
    record.werte[kDsbValueSlot] = ClampToInt32(ringCount * 10000 - ringSum * 10 + bestDivider);
    record.werte[kDsbDividerSlot] = bestDivider;
    record.werte[kDsbRingSumSlot] = ClampToInt32(ringSum);
    state.ewSequence.push_back(record);
  }

  EwRankingContext ctx;
  ctx.mode = 0;
  ctx.compareWidth = 1;
  state.ewContext = ctx;
  // The DSB value itself is ranked as it is, zero and negative values included (tenth scoring can
  // exceed 100.0 rings per series); only the other slots treat 0 or less as missing.
  SortWithMissingDividers(state.ewSequence, ctx, 1);
}

RankRules DsbRankRules(const _listdat& entry) {
  RankRules rules;
  rules.limitRows = entry.ezw_dsb_bereich == 1;
  rules.maxRows = entry.ezw_dsb_zeilen_max;
  rules.requirePositiveFirst = false;
  return rules;
}

}  // namespace wex
