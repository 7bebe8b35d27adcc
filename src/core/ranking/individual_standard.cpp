// Standard individual ranking: gathering, sorting and the rank numbering of the lists.
#include "core/ranking/individual_standard.hpp"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <functional>
#include <numeric>

namespace wex {

namespace {

constexpr int kValueSlots = 400;

int ClampWidth(int width, int length) { return std::clamp(width, 0, length); }

}  // namespace

bool RankValuesBefore(const EwRankingContext& ctx, const std::int32_t* a, const std::int32_t* b, int length) {
  switch (ctx.mode) {
    case 0:
    case 1: {
      const int width = ClampWidth(ctx.compareWidth, length);
      for (int i = 0; i < width; ++i) {
        if (a[i] != b[i]) return ctx.mode == 0 ? a[i] < b[i] : a[i] > b[i];
      }
      return false;
    }
    case 2: {
      if (length < 1) return false;
      if (a[0] != b[0]) return a[0] > b[0];
      // On equal sums the last counted series decides first, then the one before it.
      for (int i = std::min(ctx.sumCount, length - 1); i >= 1; --i) {
        if (a[i] != b[i]) return a[i] > b[i];
      }
      return false;
    }
    default:
      return false;
  }
}

bool EwRankBefore(const EwRankingContext& ctx, const _sort_ew& a, const _sort_ew& b) {
  return RankValuesBefore(ctx, a.werte, b.werte, kValueSlots);
}

void SortWithMissingDividers(std::vector<_sort_ew>& records, const EwRankingContext& ctx, int firstSlot) {
  // Only the compared slots can change the order; outside them the substitution would be undone anyway.
  const int first = std::max(firstSlot, 0);
  const int end = ClampWidth(ctx.compareWidth, kValueSlots);
  std::vector<std::bitset<kValueSlots>> substituted(records.size());
  for (std::size_t r = 0; r < records.size(); ++r) {
    for (int i = first; i < end; ++i) {
      if (records[r].werte[i] <= 0) {
        records[r].werte[i] = kMissingDivider;
        substituted[r].set(static_cast<std::size_t>(i));
      }
    }
  }
  std::vector<std::size_t> order(records.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return EwRankBefore(ctx, records[a], records[b]); });
  std::vector<_sort_ew> sorted;
  sorted.reserve(records.size());
  for (std::size_t r : order) {
    sorted.push_back(records[r]);
    // A real value above 1000000 stays what it is; only the missing values become 0 again.
    for (int i = first; i < end; ++i)
      if (substituted[r].test(static_cast<std::size_t>(i))) sorted.back().werte[i] = 0;
  }
  records = std::move(sorted);
}

void ComputeIndividualRanking(RankingState& state, const Competition& competition, const _listdat& entry,
                              bool passOverUnnamedTargets) {
  state.ewSequence.clear();
  const int g = GoverningTarget(entry);
  if (g < 0) {
    state.ewContext = EwRankingContext{};
    return;
  }
  const _ew_einstellungen& settings = entry.ew_einstellungen;
  const bool divider = IsDividerTarget(competition.config.scheiben[g]);
  const bool sumMode = settings.ew_sortierung[g] >= 1;
  const int sumCount = settings.ew_anzahl[g];
  const int handling = settings.ew_unmarkiert[g];
  const int filter1 = settings.ew_zusatzfilter[0][g][0];
  const int filter2 = settings.ew_zusatzfilter[1][g][0];

  for (const _ergdateilist& p : competition.participants) {
    if (p.tlnr <= 0) continue;
    if (!ClassSelected(entry, p)) continue;
    if (!PassesAdditionalFieldFilter(filter1, p.zusatz1) || !PassesAdditionalFieldFilter(filter2, p.zusatz2))
      continue;
    for (int t = 0; t < kTargetCount; ++t) {
      if (entry.scheibe_gewaehlt[t] <= 0) continue;
      if (passOverUnnamedTargets && FieldText(competition.config.scheiben[t].bezeichnung).empty()) continue;
      const scheibenergebnis& block = p.ergebnisse[t];
      const bool taken = handling == 0 || handling == 2 || (handling == 1 && block.markiert != 0);
      if (!taken) continue;
      _sort_ew record;
      record.startnr = p.tlnr;
      // The record's mark is a signed byte: keep "marked" a positive value.
      record.markiert = static_cast<std::int8_t>(std::min<int>(block.markiert, 127));
      if (divider) {
        int n = 0;
        for (const serie_wert& s : block.serie) {
          const std::int32_t v = DividerValue(s);
          if (v > 0) record.werte[n++] = v;
        }
        std::sort(record.werte, record.werte + n);
      } else if (sumMode) {
        std::int32_t sum = 0;
        for (int s = 0; s < kSeriesCount; ++s) {
          const std::int32_t v = RingValue(block.serie[s]);
          record.werte[s + 1] = v;
          if (s < sumCount && v > 0) sum += v;
        }
        record.werte[0] = sum;
      } else {
        for (int s = 0; s < kSeriesCount; ++s) record.werte[s] = RingValue(block.serie[s]);
        std::sort(record.werte, record.werte + kSeriesCount, std::greater<>());
      }
      state.ewSequence.push_back(record);
    }
  }

  EwRankingContext ctx;
  ctx.sumCount = sumCount;
  if (divider) {
    ctx.mode = 0;
    int width = 1;
    for (const _sort_ew& r : state.ewSequence) {
      int n = 0;
      while (n < kSeriesCount && r.werte[n] > 0) ++n;
      width = std::max(width, n);
    }
    ctx.compareWidth = width;
    state.ewContext = ctx;
    SortWithMissingDividers(state.ewSequence, ctx, 0);
    return;
  }
  ctx.mode = sumMode ? 2 : 1;
  ctx.compareWidth = kSeriesCount;
  state.ewContext = ctx;
  std::sort(state.ewSequence.begin(), state.ewSequence.end(),
            [&ctx](const _sort_ew& a, const _sort_ew& b) { return EwRankBefore(ctx, a, b); });
}

RankRules StandardRankRules(const _listdat& entry) {
  RankRules rules;
  rules.limitRows = entry.ezw_std_bereich == 1;
  rules.maxRows = entry.ezw_std_zeilen_max;
  const int g = GoverningTarget(entry);
  rules.markUnmarked = g >= 0 && entry.ew_einstellungen.ew_unmarkiert[g] == 2;
  rules.blankTies = true;
  return rules;
}

const _ergdateilist* FindParticipant(const Competition& competition, std::int32_t startnr) {
  for (const _ergdateilist& p : competition.participants)
    if (p.tlnr == startnr) return &p;
  return nullptr;
}

namespace {

// The numbering walk shared by both record types: count, mark, tie, row limit.
template <typename Record, typename MarkOf>
std::vector<RankLine> NumberRecords(const std::vector<Record>& records, const Competition& competition,
                                    const RankRules& rules, MarkOf markOf) {
  std::vector<RankLine> lines;
  lines.reserve(records.size());
  std::int32_t counter = 1;
  for (std::size_t i = 0; i < records.size(); ++i) {
    RankLine line;
    if (rules.limitRows && counter > rules.maxRows) {
      line.stop = true;
      lines.push_back(line);
      break;
    }
    const Record& record = records[i];
    line.participant = FindParticipant(competition, record.startnr);
    if (line.participant == nullptr || (rules.requirePositiveFirst && record.werte[0] <= 0)) {
      line.participant = nullptr;
      lines.push_back(line);
      continue;
    }
    if (rules.markUnmarked && markOf(record) < 1) {
      line.shown = RankShown::kMark;
      line.markRule = true;
      --counter;
    } else {
      line.shown = RankShown::kNumber;
      line.rank = counter;
    }
    if (rules.blankTies && i >= 1 &&
        std::memcmp(record.werte, records[i - 1].werte, kSeriesCount * sizeof(std::int32_t)) == 0)
      line.shown = RankShown::kTieBlank;
    lines.push_back(line);
    ++counter;
  }
  return lines;
}

}  // namespace

std::vector<RankLine> NumberRanks(const std::vector<_sort_ew>& records, const Competition& competition,
                                  const RankRules& rules) {
  return NumberRecords(records, competition, rules, [](const _sort_ew& r) { return int{r.markiert}; });
}

std::vector<RankLine> NumberRanks(const std::vector<_sort_alt_ew_all>& elements,
                                  const Competition& competition, const RankRules& rules) {
  // Elements carry no mark: they are never shown out of competition.
  RankRules plain = rules;
  plain.markUnmarked = false;
  return NumberRecords(elements, competition, plain, [](const _sort_alt_ew_all&) { return 1; });
}

bool NeedsFootnote(const std::vector<RankLine>& lines) {
  return std::any_of(lines.begin(), lines.end(), [](const RankLine& l) { return l.markRule; });
}

}  // namespace wex
