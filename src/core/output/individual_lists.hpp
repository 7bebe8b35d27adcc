// List writers of the individual lists: unsorted results, standard, alternating and DSB rankings.
#pragma once

#include <string>

#include "core/actionlist/listdat.hpp"
#include "core/context.hpp"

namespace wex {

// Each writer runs its ranking on ctx.competition (into ctx.ranking where it has one) and returns the
// whole text of the list file: HTML for format 0, tab-separated text for format 1, empty otherwise.
// An HTML page with its own frame is finished for the browser (entities, UTF-8); without a frame
// (ohne_rahmen) the text stays Windows-1252 for the complete output to finish once.

// Kind 0: every listed participant in start number order with all results of the chosen targets.
// Leaves the participant list in start number order.
std::string WriteUnsortedList(Context& ctx, _listdat entry);

// Kind 2: the standard individual ranking.
std::string WriteStandardList(Context& ctx, _listdat entry);

// Kind 3: the alternating individual ranking.
std::string WriteAlternatingList(Context& ctx, _listdat entry);

// Kind 4: the DSB individual ranking.
std::string WriteDsbList(Context& ctx, _listdat entry);

}  // namespace wex
