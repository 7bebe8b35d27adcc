// Standard individual ranking (Einzelwertung standard): records, comparison and rank numbering.
#pragma once

#include <cstdint>
#include <vector>

#include "core/actionlist/listdat.hpp"
#include "core/competition/model.hpp"
#include "core/ranking/records.hpp"

namespace wex {

// Ring value in tenths of a ring: 95 and 30 hundredths give 953 (hundredths truncated to tenths).
inline std::int32_t RingValue(const serie_wert& s) { return s.ganz * 10 + s.hundertstel / 10; }

// Divider value (Teiler) in hundredths: 12 and 34 hundredths give 1234.
inline std::int32_t DividerValue(const serie_wert& s) { return s.ganz * 100 + s.hundertstel; }

// Additional-field filter: 1 keeps only participants whose field is marked, 2 only those whose field
// is not marked; any other value keeps everyone.
inline bool PassesAdditionalFieldFilter(int filter, std::uint8_t flag) {
  if (filter == 1) return flag > 0;
  if (filter == 2) return flag == 0;
  return true;
}

// True when a ranks before b under ctx. Mode 0 (divider): the first differing slot below the compare
// width decides, smaller first. Mode 1 (best ring result): the same scan, greater first. Mode 2 (ring
// sum): the greater sum in slot 0 first, on equal sums slot N, N - 1, ... 1 decide, greater first.
bool EwRankBefore(const EwRankingContext& ctx, const _sort_ew& a, const _sort_ew& b);

// The same comparison over value arrays of the given length (slots beyond it count as equal).
bool RankValuesBefore(const EwRankingContext& ctx, const std::int32_t* a, const std::int32_t* b, int length);

// Sorts the records by EwRankBefore in mode 0 while every missing value (0 or less) in the slots
// firstSlot ... compare width - 1 counts as kMissingDivider, so that a missing divider is worse than
// any real one. Exactly the substituted slots get their values back afterwards.
void SortWithMissingDividers(std::vector<_sort_ew>& records, const EwRankingContext& ctx, int firstSlot);

// Replaces state.ewSequence with one record per participant and selected target of the entry, sorted,
// and leaves the context of the computation in state.ewContext. The list files pass over targets
// without a name (passOverUnnamedTargets); the printout does not.
void ComputeIndividualRanking(RankingState& state, const Competition& competition, const _listdat& entry,
                              bool passOverUnnamedTargets);

// What a record shows in the rank column.
enum class RankShown {
  kNumber,    // the counter
  kMark,      // the mark character (unmarked result out of competition)
  kTieBlank,  // a single blank: equal to the record before it
};

// The numbering of one record, in sequence order.
struct RankLine {
  bool stop = false;                           // the list ends here; this record gives no row
  const _ergdateilist* participant = nullptr;  // null: the record gives no row
  RankShown shown = RankShown::kNumber;
  std::int32_t rank = 0;  // the counter, when shown is kNumber
  bool markRule = false;  // the mark rule applied: the list needs the footnote row
};

// How the rows of a ranking are numbered.
struct RankRules {
  bool limitRows = false;            // bereich exactly 1
  std::int32_t maxRows = 0;          // zeilen_max
  bool markUnmarked = false;         // handling 2: unmarked records show the mark character
  bool blankTies = false;            // a record equal to the one before it shows a blank
  bool requirePositiveFirst = true;  // a record whose first value is 0 or less gives no row
};

// The rules of the standard list (kind 2) for the entry: row limit, handling 2, ties blank.
RankRules StandardRankRules(const _listdat& entry);

// Numbers the records: one line for every record examined, in order; when the row limit ends the
// list, the last line has stop set. A record whose participant is not found gives no row.
std::vector<RankLine> NumberRanks(const std::vector<_sort_ew>& records, const Competition& competition,
                                  const RankRules& rules);
std::vector<RankLine> NumberRanks(const std::vector<_sort_alt_ew_all>& elements,
                                  const Competition& competition, const RankRules& rules);

// True when some line applied the mark rule, so that the footnote row is due.
bool NeedsFootnote(const std::vector<RankLine>& lines);

// The first participant with the start number, or null.
const _ergdateilist* FindParticipant(const Competition& competition, std::int32_t startnr);

}  // namespace wex
