// Small in-memory competitions and list entries for the ranking and list writer tests.
#include "support/ranking_fixtures.hpp"

#include "core/competition/fixed_text.hpp"

namespace wex::test {

void SetTarget(Competition& competition, int t, std::string_view name, bool divider, bool tenths) {
  scheibe& s = competition.config.scheiben[t];
  SetFieldText(s.bezeichnung, name);
  s.teiler = divider ? 1 : 0;
  s.zehntel = tenths ? 1 : 0;
}

_ergdateilist& AddParticipant(Competition& competition, int tlnr, std::string_view name, int klasse,
                              int stammmannschaft) {
  _ergdateilist p{};
  p.tlnr = static_cast<std::int16_t>(tlnr);
  SetFieldText(p.name, name);
  p.klasse = static_cast<std::int16_t>(klasse);
  p.stammmannschaft = static_cast<std::int16_t>(stammmannschaft);
  competition.participants.push_back(p);
  return competition.participants.back();
}

void AddHomeTeam(Competition& competition, int nummer, std::string_view name) {
  _stammmannschaften team{};
  team.nummer = static_cast<std::int16_t>(nummer);
  SetFieldText(team.name, name);
  competition.homeTeams.push_back(team);
}

void SetSeries(_ergdateilist& participant, int t, std::initializer_list<int> hundredths, bool marked) {
  scheibenergebnis& block = participant.ergebnisse[t];
  int s = 0;
  for (int v : hundredths) {
    block.serie[s].ganz = static_cast<std::int16_t>(v / 100);
    block.serie[s].hundertstel = static_cast<std::int8_t>(v % 100);
    ++s;
  }
  block.markiert = marked ? 1 : 0;
}

_listdat MakeEntry(int kind, std::initializer_list<int> targets) {
  _listdat entry{};
  entry.art = static_cast<std::int8_t>(kind);
  for (int t : targets) {
    if (kind == kKindUnsorted)
      entry.scheibenliste_auswahl[t] = 1;
    else
      entry.scheibe_gewaehlt[t] = 1;
  }
  for (auto& k : entry.klasse_gewaehlt) k = 1;
  for (auto& n : entry.ew_einstellungen.ew_anzahl) n = 20;
  return entry;
}

}  // namespace wex::test
