// Team ranking (Mannschaftswertung): teams summed from their best members, and the rank numbering of the
// list.
#pragma once

#include <cstddef>
#include <vector>

#include "core/actionlist/listdat.hpp"
#include "core/competition/model.hpp"
#include "core/ranking/records.hpp"

namespace wex {

// Ring target: a higher value ranks first; divider target (Teiler): a lower value ranks first.
// Nothing but ergebnis is compared.
bool SchuetzeRankBefore(const _ma_schuetze& a, const _ma_schuetze& b, bool divider);

// Teams by summe in the target's direction; equal sums are decided by bester in the same direction.
bool MwRankBefore(const _mannschaft& a, const _mannschaft& b, bool divider);

// True when the entry's governing target is a divider target (no selected target: ring target).
bool TeamListIsDivider(const Competition& competition, const _listdat& entry);

// Replaces state.teamSequence with the teams of the competition in rank order, each with its members
// (counted members first). Reads the settings of the entry's governing target.
void ComputeTeamRanking(RankingState& state, const Competition& competition, const _listdat& entry);

// One listed row of a team list: the team's index in the sequence and its rank (0: no rank, the host
// team ranked "außer Konkurrenz").
struct TeamListRow {
  std::size_t team = 0;
  int rank = 0;
};

// The rows a team list shows, in sequence order: teams with a sum below 1 have no row, the list limit
// (mw_bereich, mw_anzahl_max) counts positions in the sequence, and the host team of handling 2 has no
// rank and does not use up a rank number.
std::vector<TeamListRow> NumberTeamRanks(const std::vector<_mannschaft>& teams, const _listdat& entry);

}  // namespace wex
