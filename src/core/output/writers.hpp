// The list writer of each list kind.
#pragma once

#include <string>

#include "core/actionlist/listdat.hpp"
#include "core/context.hpp"

namespace wex {

// True when the list kind has a writer: kinds up to 5 (0 and below are the unsorted results list).
// Entries of other kinds are skipped: nothing is written and nothing counts as failed.
bool HasListWriter(int art);

// The whole text of the entry's list from the writer of its kind; empty for a kind without writer.
std::string WriteList(Context& ctx, const _listdat& entry);

}  // namespace wex
