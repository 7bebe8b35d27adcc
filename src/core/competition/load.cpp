// Choosing the source of the competition and reloading it completely.
#include "core/competition/load.hpp"

#include "core/competition/database.hpp"
#include "core/competition/legacy_files.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex {

bool LoadCompetitionData(Competition& competition, platform::UserInterface& ui, const std::string& dataFolder,
                         bool firstNameFirst) {
  if (!TestCompetitionConfig(competition, platform::JoinPath(dataFolder, "WEXCONFG.WID"))) {
    platform::ShowError(
        ui, "Datei\nWEXCONFG.WID\nnicht gefunden!\nzuerst gültigen Pfad\nfür Ergebnisdatei einstellen!"_w);
    return false;
  }

  platform::BusyPhase busy(ui);
  competition.participants.clear();
  competition.homeTeams.clear();
  if (DatabaseExists(dataFolder)) {
    // While the database exists the legacy files are stale: never fall back to them.
    if (auto database = TarviscoDatabase::OpenDatabase(dataFolder))
      ReadDatabase(competition, *database, firstNameFirst);
  } else {
    ReadLegacyFiles(competition, dataFolder, firstNameFirst);
    // The legacy files carry no discipline names.
    SetFieldText(competition.config.disziplinen[0], "Luftgewehr");
    SetFieldText(competition.config.disziplinen[1], "Luftpistole");
    SetFieldText(competition.config.disziplinen[2], "Zimmerstutzen");
  }
  return true;
}

}  // namespace wex
