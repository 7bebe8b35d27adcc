// Loading the competition from Tarvisco's data folder before every generation, output and printout.
#pragma once

#include <string>

#include "core/competition/model.hpp"
#include "core/platform/user_interface.hpp"

namespace wex {

// Tests WEXCONFG.WID in dataFolder (on failure: message box, false, lists unchanged), then refills the
// participant and home-team lists from tarvisco.db when it exists, otherwise from the legacy files.
// A database that exists but cannot be read leaves both lists empty and still gives true.
bool LoadCompetitionData(Competition& competition, platform::UserInterface& ui, const std::string& dataFolder,
                         bool firstNameFirst);

}  // namespace wex
