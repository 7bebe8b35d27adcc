// Team ranking: member values per participant, counted members, additional-field limits, team order.
#include "core/ranking/team_ranking.hpp"

#include <algorithm>
#include <cstdint>

#include "core/competition/fixed_text.hpp"

namespace wex {
namespace {

// The governing target's team settings, read once per computation.
struct TeamSettings {
  int target = -1;
  bool divider = false;
  int counted = 0;          // S: members counted per team
  int hostNumber = 0;       // 0: no host team chosen
  int hostHandling = 0;     // 0 count, 1 leave out, 2 out of competition
  bool onlyMarked = false;  // unmarked team results do not count
  bool limitOn[2] = {false, false};
  int limitMax[2] = {0, 0};
  bool recount = false;  // at least one aktiv flag is not 0
};

TeamSettings ReadSettings(const Competition& competition, const _listdat& entry) {
  TeamSettings s;
  s.target = GoverningTarget(entry);
  if (s.target < 0) return s;
  const int t = s.target;
  const _mw_einstellungen& mw = entry.mw_einstellungen;
  s.divider = IsDividerTarget(competition.config.scheiben[t]);
  s.counted = mw.mw_schuetzen[t];
  s.hostNumber = mw.mw_heim_nummer[t];
  s.hostHandling = mw.mw_heim_wertung[t];
  s.onlyMarked = mw.mw_unmarkiert[t] == 1;
  for (int f = 0; f < 2; ++f) {
    s.limitOn[f] = mw.mw_zusatz[t][f].aktiv == 1;
    s.limitMax[f] = mw.mw_zusatz[t][f].max;
    if (mw.mw_zusatz[t][f].aktiv != 0) s.recount = true;
  }
  return s;
}

bool IsHostTeam(const TeamSettings& s, int nummer) { return s.hostNumber != 0 && nummer == s.hostNumber; }

// The member value over the selected targets; not valid unless greater than 0 and below kMissingDivider.
// Ring: the sum of the team results (tenths of a ring); divider: the smallest first divider (hundredths).
std::int64_t MemberValue(const _ergdateilist& p, const _listdat& entry, const TeamSettings& s) {
  std::int64_t value = s.divider ? kMissingDivider : 0;
  for (int t = 0; t < kTargetCount; ++t) {
    if (entry.scheibe_gewaehlt[t] <= 0) continue;
    const scheibenergebnis& b = p.ergebnisse[t];
    if (!s.divider) {
      if (!s.onlyMarked || b.mannschaftsergebnis_markiert > 0) value += b.mannschaftsergebnis;
    } else {
      std::int64_t d = std::int64_t{b.serie[0].ganz} * 100 + b.serie[0].hundertstel;
      if (d < 1) d = kMissingDivider;
      if ((!s.onlyMarked || b.markiert > 0) && d < value) value = d;
    }
  }
  return value;
}

bool IsValidValue(std::int64_t v) { return v > 0 && v < kMissingDivider; }

// Sum of the counted members. Member values are whole numbers; summing in double keeps every realistic
// team sum exact before it is stored in the float field.
float CountedSum(const _mannschaft& team) {
  double sum = 0;
  for (const _ma_schuetze& m : team.schuetzen)
    if (m.gewertet) sum += m.ergebnis;
  return static_cast<float>(sum);
}

// Recount with the additional-field limits: of the members marked in a limited field only the best
// max may count; the places they leave go to the next members.
void RecountWithLimits(_mannschaft& team, const TeamSettings& s) {
  int c1 = 0, c2 = 0, total = 0;
  for (_ma_schuetze& m : team.schuetzen) {
    m.gewertet = 0;
    const bool z1 = m.zusatz1 > 0, z2 = m.zusatz2 > 0;
    const bool limited = (s.limitOn[0] && z1) || (s.limitOn[1] && z2);
    if (total >= s.counted) continue;
    if (!limited) {
      m.gewertet = 1;
      ++total;
    } else if (z1 && z2) {
      if (c1 < s.limitMax[0] && c2 < s.limitMax[1]) {
        m.gewertet = 1;
        ++c1;  // a member marked in both fields uses up a place of field 1 only
        ++total;
      }
    } else {
      if (c1 < s.limitMax[0] && z1) {
        m.gewertet = 1;
        ++c1;
      }
      if (c2 < s.limitMax[1] && z2) {
        m.gewertet = 1;
        ++c2;
      }
      if (m.gewertet) ++total;
    }
  }
  std::stable_partition(team.schuetzen.begin(), team.schuetzen.end(),
                        [](const _ma_schuetze& m) { return m.gewertet != 0; });
  team.summe = CountedSum(team);
}

}  // namespace

bool SchuetzeRankBefore(const _ma_schuetze& a, const _ma_schuetze& b, bool divider) {
  return divider ? a.ergebnis < b.ergebnis : a.ergebnis > b.ergebnis;
}

bool MwRankBefore(const _mannschaft& a, const _mannschaft& b, bool divider) {
  if (a.summe != b.summe) return divider ? a.summe < b.summe : a.summe > b.summe;
  return divider ? a.bester < b.bester : a.bester > b.bester;
}

bool TeamListIsDivider(const Competition& competition, const _listdat& entry) {
  const int t = GoverningTarget(entry);
  return t >= 0 && IsDividerTarget(competition.config.scheiben[t]);
}

void ComputeTeamRanking(RankingState& state, const Competition& competition, const _listdat& entry) {
  const TeamSettings s = ReadSettings(competition, entry);
  std::vector<_mannschaft>& teams = state.teamSequence;
  teams.clear();
  // Without a selected target nobody has a value: no team could be listed.
  if (s.target < 0) return;

  for (const _stammmannschaften& home : competition.homeTeams) {
    if (s.hostHandling == 1 && IsHostTeam(s, home.nummer)) continue;
    _mannschaft team;
    team.nummer = home.nummer;
    SetFieldText(team.name, FieldText(home.name));
    for (const _ergdateilist& p : competition.participants) {
      if (p.stammmannschaft != home.nummer || p.tlnr <= 0 || !ClassSelected(entry, p)) continue;
      const std::int64_t value = MemberValue(p, entry, s);
      if (!IsValidValue(value)) continue;
      _ma_schuetze m;
      m.startnr = p.tlnr;
      SetFieldText(m.name, FieldText(p.name));
      m.ergebnis = static_cast<float>(value);
      m.zusatz1 = p.zusatz1;
      m.zusatz2 = p.zusatz2;
      team.schuetzen.push_back(m);
    }
    // Equal values keep no promised order; the stable sort only keeps runs repeatable.
    std::stable_sort(
        team.schuetzen.begin(), team.schuetzen.end(),
        [&](const _ma_schuetze& a, const _ma_schuetze& b) { return SchuetzeRankBefore(a, b, s.divider); });
    const std::size_t counted = s.counted > 0 ? static_cast<std::size_t>(s.counted) : 0;
    for (std::size_t j = 0; j < team.schuetzen.size() && j < counted; ++j) team.schuetzen[j].gewertet = 1;
    team.summe = CountedSum(team);
    team.anzahl = static_cast<std::int32_t>(team.schuetzen.size());
    team.bester = team.schuetzen.empty() ? 0 : static_cast<std::int32_t>(team.schuetzen.front().ergebnis);
    // Divider target: a team short of S members is not ranked at all.
    if (s.divider && team.anzahl < s.counted) continue;
    teams.push_back(std::move(team));
  }

  if (s.recount)
    for (_mannschaft& team : teams) RecountWithLimits(team, s);

  std::stable_sort(teams.begin(), teams.end(),
                   [&](const _mannschaft& a, const _mannschaft& b) { return MwRankBefore(a, b, s.divider); });
}

std::vector<TeamListRow> NumberTeamRanks(const std::vector<_mannschaft>& teams, const _listdat& entry) {
  std::vector<TeamListRow> rows;
  const int t = GoverningTarget(entry);
  const int hostNumber = t >= 0 ? entry.mw_einstellungen.mw_heim_nummer[t] : 0;
  const int hostHandling = t >= 0 ? entry.mw_einstellungen.mw_heim_wertung[t] : 0;
  const std::uint32_t limit = static_cast<std::uint32_t>(entry.mw_anzahl_max);
  int counter = 1;
  for (std::size_t i = 0; i < teams.size(); ++i) {
    if (teams[i].summe < 1) continue;
    if (entry.mw_bereich > 0 && limit < i + 1) break;
    if (hostHandling == 2 && hostNumber != 0 && teams[i].nummer == hostNumber) {
      rows.push_back({i, 0});
      continue;
    }
    rows.push_back({i, counter++});
  }
  return rows;
}

}  // namespace wex
