// Participation statistics and the participant protocol file.
#include "core/ranking/participation.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/competition/fixed_text.hpp"
#include "core/format.hpp"
#include "core/platform/files.hpp"

namespace wex {

ParticipationCounts CountParticipation(RankingState& state, const Competition& competition) {
  ParticipationCounts counts;
  std::vector<_mschbtlg>& teams = state.teamParticipation;
  teams.clear();
  for (const _ergdateilist& p : competition.participants) {
    if (p.tlnr <= 0) continue;
    ++counts.gesamt;
    // A discipline or class outside its slots has no counter; every other count still takes the participant.
    if (const int d = DisciplineSlot(p); d >= 0) ++counts.disziplin_anzahl[d];
    if (const int k = ClassSlot(p); k >= 0) ++counts.klasse_anzahl[k];
    if (p.zusatz1 > 0) ++counts.zusatz1_anzahl;
    if (p.zusatz2 > 0) ++counts.zusatz2_anzahl;
    auto it = std::find_if(teams.begin(), teams.end(),
                           [&](const _mschbtlg& t) { return t.nummer == p.stammmannschaft; });
    if (it != teams.end())
      ++it->anzahl;
    else
      teams.push_back(_mschbtlg{p.stammmannschaft, 1});
  }
  std::stable_sort(teams.begin(), teams.end(),
                   [](const _mschbtlg& a, const _mschbtlg& b) { return a.anzahl > b.anzahl; });
  return counts;
}

int CountWithoutResult(const Competition& competition) {
  int count = 0;
  for (const _ergdateilist& p : competition.participants) {
    if (p.tlnr <= 0) continue;
    bool any = false;
    for (int t = 0; t < kTargetCount && !any; ++t)
      for (int s = 0; s < kSeriesCount && !any; ++s) any = p.ergebnisse[t].serie[s].ganz > 0;
    if (!any) ++count;
  }
  return count;
}

std::string TeamNameOf(const Competition& competition, int nummer) {
  for (const _stammmannschaften& home : competition.homeTeams)
    if (home.nummer == nummer) return std::string(FieldText(home.name));
  return std::string();
}

std::vector<_tabelle_statistik> BuildTeamTable(const RankingState& state, const Competition& competition,
                                               bool mitSchuetzen) {
  std::vector<_tabelle_statistik> rows;
  for (const _mschbtlg& team : state.teamParticipation) {
    std::string name = TeamNameOf(competition, team.nummer);
    if (name.empty()) name = "--- keine Mannschaft ---";
    rows.push_back(_tabelle_statistik{std::move(name), 0, team.anzahl});
    if (!mitSchuetzen) continue;
    // Only participants with a start number: a member row is told from a team row by its start number.
    for (const _ergdateilist& p : competition.participants)
      if (p.tlnr > 0 && p.stammmannschaft == team.nummer)
        rows.push_back(_tabelle_statistik{std::string(FieldText(p.name)), p.tlnr, 0});
  }
  return rows;
}

bool AppendProtocolLine(const _intdat& intdat, const platform::Clock& clock, bool header, int withoutResult,
                        int total) {
  const platform::LocalTime now = clock.Now();
  const std::string time =
      Sprintf("%02d.%02d.%d/%2d:%02d", now.day, now.month, now.year, now.hour, now.minute);
  const std::string line = header ? Sprintf("%s; %s; %s\r", "Time", "Tln ohne Erg", "Tln gesamt")
                                  : Sprintf("%s; %d; %d\r", time.c_str(), withoutResult, total);
  std::ofstream out(std::filesystem::path(platform::JoinPath(intdat.startverzeichnis, intdat.protokolldatei)),
                    std::ios::binary | std::ios::app);
  if (!out) return false;
  out.write(line.data(), static_cast<std::streamsize>(line.size()));
  out.close();
  return !out.fail();
}

}  // namespace wex
