// Alternating individual ranking: gathering per participant, two sorts, and the interleaving.
#include "core/ranking/individual_alternating.hpp"

#include <algorithm>
#include <functional>

#include "core/ranking/individual_standard.hpp"

namespace wex {

namespace {

constexpr int kRingSlots = 400;
constexpr int kDividerSlots = 150;

// Here the 20th ring series counts with its whole part only.
std::int32_t AltRingValue(const scheibenergebnis& block, int s) {
  return s == kSeriesCount - 1 ? block.serie[s].ganz * 10 : RingValue(block.serie[s]);
}

template <std::size_t N>
_sort_alt_ew_all ElementFrom(const std::int32_t (&values)[N], std::int32_t startnr, std::uint8_t typ) {
  _sort_alt_ew_all element;
  element.startnr = startnr;
  element.typ = typ;
  for (std::size_t i = 0; i < N && values[i] > 0; ++i) element.werte[i] = values[i];
  return element;
}

_sort_alt_ew_all ElementFrom(const _sort_alt_ew& record) {
  return record.typ == 0 ? ElementFrom(record.ringwerte, record.startnr, 0)
                         : ElementFrom(record.teilerwerte, record.startnr, 1);
}

void MarkFirstUsed(std::vector<_sort_alt_ew>& records, std::int32_t startnr) {
  for (_sort_alt_ew& r : records) {
    if (r.startnr == startnr) {
      r.benutzt = 1;
      return;
    }
  }
}

// One of the two sequences leads, the other follows; a participant placed from one is used up in both.
void Interleave(std::vector<_sort_alt_ew>& lead, std::vector<_sort_alt_ew>& follow,
                std::vector<_sort_alt_ew_all>& out) {
  for (_sort_alt_ew& r : lead) {
    if (r.benutzt) continue;
    out.push_back(ElementFrom(r));
    r.benutzt = 1;
    MarkFirstUsed(follow, r.startnr);
    for (_sort_alt_ew& d : follow) {
      if (d.benutzt) continue;
      out.push_back(ElementFrom(d));
      d.benutzt = 1;
      MarkFirstUsed(lead, d.startnr);
      break;
    }
  }
  for (const _sort_alt_ew& r : lead)
    if (!r.benutzt) out.push_back(ElementFrom(r));
  for (const _sort_alt_ew& d : follow)
    if (!d.benutzt) out.push_back(ElementFrom(d));
}

}  // namespace

bool AltRankBefore(const EwRankingContext& ctx, const _sort_alt_ew& a, const _sort_alt_ew& b) {
  if (ctx.mode == 0) return RankValuesBefore(ctx, a.teilerwerte, b.teilerwerte, kDividerSlots);
  return RankValuesBefore(ctx, a.ringwerte, b.ringwerte, kRingSlots);
}

std::vector<_sort_alt_ew_all> ComputeAlternatingRanking(RankingState& state, const Competition& competition,
                                                        const _listdat& entry) {
  std::vector<_sort_alt_ew_all> combined;
  const int g = GoverningTarget(entry);
  if (g < 0) return combined;
  const bool sumMode = entry.ew_einstellungen.ew_sortierung[g] >= 1;
  const int sumCount = entry.ew_einstellungen.ew_anzahl[g];

  std::vector<_sort_alt_ew> rings;
  std::vector<_sort_alt_ew> dividers;
  for (const _ergdateilist& p : competition.participants) {
    if (p.tlnr <= 0) continue;
    if (!ClassSelected(entry, p)) continue;
    if (!PassesAdditionalFieldFilter(entry.ezw_alt_zusatz1, p.zusatz1) ||
        !PassesAdditionalFieldFilter(entry.ezw_alt_zusatz2, p.zusatz2))
      continue;
    _sort_alt_ew ring;
    ring.startnr = p.tlnr;
    ring.typ = 0;
    _sort_alt_ew divider;
    divider.startnr = p.tlnr;
    divider.typ = 1;
    std::vector<std::int32_t> bestRings;      // best-result mode: all gathered values, best first
    std::vector<std::int32_t> dividerValues;  // all positive divider values gathered
    std::int64_t sum = 0;
    int nextSumSlot = 1;
    for (int t = 0; t < kTargetCount; ++t) {
      if (entry.scheibe_gewaehlt[t] <= 0) continue;
      const scheibenergebnis& block = p.ergebnisse[t];
      ring.markiert = block.markiert;
      divider.markiert = block.markiert;
      if (!IsDividerTarget(competition.config.scheiben[t])) {
        if (entry.ezw_alt_ring_unmarkiert > 0 && block.markiert == 0) continue;
        for (int s = 0; s < kSeriesCount; ++s) {
          const std::int32_t v = AltRingValue(block, s);
          if (!sumMode) {
            bestRings.push_back(v);
            continue;
          }
          // Series beyond the last slot still count for the sum; only their single values are dropped.
          if (nextSumSlot < kRingSlots) ring.ringwerte[nextSumSlot] = v;
          ++nextSumSlot;
          if (s < sumCount && v > 0) sum += v;
        }
      } else {
        if (entry.ezw_alt_teiler_unmarkiert > 0 && block.markiert == 0) continue;
        for (const serie_wert& s : block.serie) {
          const std::int32_t v = DividerValue(s);
          if (v > 0) dividerValues.push_back(v);
        }
      }
    }
    if (sumMode) {
      ring.ringwerte[0] = static_cast<std::int32_t>(std::min<std::int64_t>(sum, INT32_MAX));
    } else {
      // All gathered ring values best first; only the best 400 have a slot.
      std::sort(bestRings.begin(), bestRings.end(), std::greater<>());
      for (std::size_t i = 0; i < bestRings.size() && i < static_cast<std::size_t>(kRingSlots); ++i)
        ring.ringwerte[i] = bestRings[i];
    }
    // Ascending with the missing values last; only the best 150 have a slot.
    std::sort(dividerValues.begin(), dividerValues.end());
    for (std::size_t i = 0; i < dividerValues.size() && i < static_cast<std::size_t>(kDividerSlots); ++i)
      divider.teilerwerte[i] = dividerValues[i];

    if (ring.ringwerte[0] > 0) rings.push_back(ring);
    if (divider.teilerwerte[0] > 0) dividers.push_back(divider);
  }

  EwRankingContext ringContext;
  ringContext.sumCount = sumCount;
  if (sumMode) {
    ringContext.mode = 2;
  } else {
    ringContext.mode = 1;
    int width = 0;
    for (const _sort_alt_ew& r : rings) {
      int n = 0;
      while (n < kRingSlots && r.ringwerte[n] > 0) ++n;
      width = std::max(width, n);
    }
    ringContext.compareWidth = width;
  }
  std::sort(rings.begin(), rings.end(),
            [&](const _sort_alt_ew& a, const _sort_alt_ew& b) { return AltRankBefore(ringContext, a, b); });

  EwRankingContext dividerContext;
  dividerContext.mode = 0;
  dividerContext.compareWidth = 1;
  dividerContext.sumCount = sumCount;
  std::sort(dividers.begin(), dividers.end(), [&](const _sort_alt_ew& a, const _sort_alt_ew& b) {
    return AltRankBefore(dividerContext, a, b);
  });
  state.ewContext = dividerContext;

  if (entry.ezw_alt_beginn == 1)
    Interleave(dividers, rings, combined);
  else
    Interleave(rings, dividers, combined);
  return combined;
}

RankRules AlternatingRankRules(const _listdat& entry) {
  RankRules rules;
  rules.limitRows = entry.ezw_alt_bereich == 1;
  rules.maxRows = entry.ezw_alt_zeilen_max;
  return rules;
}

}  // namespace wex
