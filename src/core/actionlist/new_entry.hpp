// A fresh list entry with its defaults, and the header texts built from its targets and classes.
#pragma once

#include <string_view>

#include "core/actionlist/config.hpp"
#include "core/actionlist/listdat.hpp"
#include "core/competition/model.hpp"

namespace wex {

// The entry the list entry dialog starts with in new mode: every byte zero except the defaults, the two
// settings blocks copied whole from the competition's presets, and the automatic texts. Its kind follows
// the list's length (0 for the first entry, 1 for the second, 2 afterwards).
_listdat MakeNewEntry(const ActionList& actions, const _wettbewerbskonfig& config, const _cnfdat& cnf);

// Builds text1 and text2 from the selected targets and classes and the kind. An empty class selection
// becomes class 0, a selection of more classes than are named becomes exactly the named ones.
void BuildAutomaticTexts(_listdat& entry, const _wettbewerbskonfig& config);

// Texts the user enters into an entry, cut to their field with the NUL inside.
void SetEntryTexts(_listdat& entry, std::string_view text1, std::string_view text2);
void SetEntryFileName(_listdat& entry, std::string_view fileName);

}  // namespace wex
