// List writers of the team ranking (kind 5) and the participation statistics (kind 1).
#pragma once

#include <string>

#include "core/actionlist/listdat.hpp"
#include "core/context.hpp"

namespace wex {

// The whole text of a team list: HTML (format below 1), text (1) or LaTeX (2, complete output only);
// empty for any other format. Leaves the team ranking of the entry in ctx.ranking.
std::string WriteTeamList(Context& ctx, _listdat entry);

// The whole text of a participation list: HTML (format below 1) or text (1); empty for any other format.
// Appends a data line to the participant protocol in every case.
std::string WriteParticipationList(Context& ctx, _listdat entry);

}  // namespace wex
