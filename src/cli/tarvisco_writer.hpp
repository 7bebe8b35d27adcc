// Writes a Tarvisco data folder from a description of a competition: for the tests and the demo command.
#pragma once

#include <string>
#include <vector>

#include "core/competition/model.hpp"

namespace wex::cli {

// One series result as Tarvisco's database keeps it: target, series, value in hundredths, result mark.
struct SeriesRow {
  int target = 0;
  int series = 0;
  int value = 0;  // 9850 is 98.50
  int mark = 0;
};

// One team-counting result: target, result in tenths of a ring, its mark.
struct TeamRow {
  int target = 0;
  int tenths = 0;  // 953 is 95.3 rings
  int mark = 0;
};

struct ParticipantDescription {
  int tlnr = 0;
  std::string rawName;  // Windows-1252, "Surname, First name"
  int stammmannschaft = 0;
  int disziplin = 0;
  int klasse = 0;
  int zusatz1 = 0;
  int zusatz2 = 0;
  std::vector<SeriesRow> series;  // in this order; the last row of a target sets its mark
  std::vector<TeamRow> teamResults;
};

struct HomeTeamDescription {
  int nummer = 0;
  std::string name;
};

struct CompetitionDescription {
  _wettbewerbskonfig config{};  // written with the identification set
  std::vector<ParticipantDescription> participants;
  std::vector<HomeTeamDescription> homeTeams;
};

enum class DataSource { LegacyFiles, Database };

// Writes WEXCONFG.WID and either WEXINDEX.WID, WEXTLERG.WID, WEXSTMSC.WID (participants in description
// order; team results stored in whole rings, tenths / 10; rows outside the 50 targets and 20 series are
// left out; participants numbered 0 or less get an index entry but no record) or a new tarvisco.db
// (replacing an existing one; rows written as described, whatever their range). Legacy files leave an
// existing tarvisco.db alone. False when a file cannot be written.
bool WriteTarviscoFolder(const CompetitionDescription& competition, const std::string& folder,
                         DataSource source);

}  // namespace wex::cli
