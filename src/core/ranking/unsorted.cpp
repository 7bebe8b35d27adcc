// Unsorted results list: start number order and which participants and targets appear.
#include "core/ranking/unsorted.hpp"

#include <algorithm>
#include <cstdint>

namespace wex {

void SortParticipantsByStartNumber(Competition& competition) {
  std::stable_sort(competition.participants.begin(), competition.participants.end(),
                   [](const _ergdateilist& a, const _ergdateilist& b) { return a.tlnr < b.tlnr; });
}

bool IsListedUnsorted(const _ergdateilist& participant, const _listdat& entry,
                      const Competition& competition) {
  if (entry.unsort_bereich > 0 &&
      (participant.tlnr < entry.unsort_von_startnr || participant.tlnr > entry.unsort_bis_startnr))
    return false;
  if (participant.tlnr <= 0) return false;
  if (!ClassSelected(entry, participant)) return false;
  // The first target selected for this kind decides how the presence test weighs the parts.
  int governing = -1;
  for (int t = 0; t < kTargetCount && governing < 0; ++t)
    if (entry.scheibenliste_auswahl[t] > 0) governing = t;
  if (governing < 0) return false;
  const bool divider = IsDividerTarget(competition.config.scheiben[governing]);
  std::int64_t sum = 0;
  for (int t = 0; t < kTargetCount; ++t) {
    if (entry.scheibenliste_auswahl[t] <= 0) continue;
    for (const serie_wert& s : participant.ergebnisse[t].serie)
      sum += divider ? s.ganz * 100 + s.hundertstel : s.ganz * 10 + s.hundertstel;
  }
  return sum > 0;
}

bool TargetShownUnsorted(const _ergdateilist& participant, const _listdat& entry, int t, int format) {
  if (t < 0 || t >= kTargetCount || entry.scheibenliste_auswahl[t] <= 0) return false;
  std::int64_t sum = 0;
  for (const serie_wert& s : participant.ergebnisse[t].serie)
    sum += format == 0 ? s.ganz : s.ganz * 10 + s.hundertstel;
  return sum > 0;
}

}  // namespace wex
