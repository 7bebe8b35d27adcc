// Participation statistics (Beteiligungen): counts per discipline, class, additional field and team,
// the count of participants without result, and the participant protocol file.
#pragma once

#include <string>
#include <vector>

#include "core/actionlist/config.hpp"
#include "core/competition/model.hpp"
#include "core/platform/clock.hpp"
#include "core/ranking/records.hpp"

namespace wex {

// Counts every participant with a start number; rebuilds state.teamParticipation, largest team first
// (teams of equal size keep the order in which they first appeared).
ParticipationCounts CountParticipation(RankingState& state, const Competition& competition);

// Participants with a start number of whom no stored series result has a whole part above 0.
int CountWithoutResult(const Competition& competition);

// The name of the first home team with this number; empty when there is none.
std::string TeamNameOf(const Competition& competition, int nummer);

// The team table of the HTML participation list from the last CountParticipation: a row per team
// ("--- keine Mannschaft ---" when no home team has the number), with mitSchuetzen followed by its members.
std::vector<_tabelle_statistik> BuildTeamTable(const RankingState& state, const Competition& competition,
                                               bool mitSchuetzen);

// Appends one line to the participant protocol in the start directory: the header line, or the time
// with the two counts. Lines end with a CR alone. False when the file cannot be opened.
bool AppendProtocolLine(const _intdat& intdat, const platform::Clock& clock, bool header, int withoutResult,
                        int total);

}  // namespace wex
