// The sample competition of the demo command: a club's data folder, an output folder, settings, action list.
#pragma once

#include <string>

#include "cli/tarvisco_writer.hpp"

namespace wex::cli {

// A club championship as Tarvisco would record it: about 60 participants in five classes, ten home
// teams, three ring targets (one with tenth scoring), a divider target, team results, marks, a few
// participants without result. The same description every time.
CompetitionDescription DemoCompetition();

// Creates the demo folder: "daten" (the competition, as legacy files or as tarvisco.db), "ausgabe" (empty),
// WexPlakard.kfg pointing at both, Plakard.plk with a marked entry of every list kind (HTML) and one text
// list, and the sample style sheet WexStandard.css. False with a reason in error when it cannot.
bool CreateDemo(const std::string& folder, DataSource source, std::string& error);

}  // namespace wex::cli
