// Small in-memory competitions for the team ranking, the participation statistics and their lists.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/actionlist/listdat.hpp"
#include "core/competition/fixed_text.hpp"
#include "core/competition/model.hpp"

namespace wex::test {

inline _ergdateilist Participant(int tlnr, std::string_view name, int team, int klasse = 0) {
  _ergdateilist p{};
  p.tlnr = static_cast<std::int16_t>(tlnr);
  SetFieldText(p.name, name);
  p.stammmannschaft = static_cast<std::int16_t>(team);
  p.klasse = static_cast<std::int16_t>(klasse);
  return p;
}

// A team result on a ring target, in tenths of a ring, marked unless told otherwise.
inline _ergdateilist& TeamResult(_ergdateilist& p, int target, int tenths, bool marked = true) {
  p.ergebnisse[target].mannschaftsergebnis = static_cast<std::int16_t>(tenths);
  p.ergebnisse[target].mannschaftsergebnis_markiert = marked ? 1 : 0;
  return p;
}

// The first series of a target: a divider in hundredths (or a ring result when the target rings).
inline _ergdateilist& FirstSeries(_ergdateilist& p, int target, int hundredths, bool marked = true) {
  p.ergebnisse[target].serie[0].ganz = static_cast<std::int16_t>(hundredths / 100);
  p.ergebnisse[target].serie[0].hundertstel = static_cast<std::int8_t>(hundredths % 100);
  p.ergebnisse[target].markiert = marked ? 1 : 0;
  return p;
}

inline _stammmannschaften HomeTeam(int nummer, std::string_view name) {
  _stammmannschaften t{};
  t.nummer = static_cast<std::int16_t>(nummer);
  SetFieldText(t.name, name);
  return t;
}

// A team-ranking entry on one target with S counted members, every class selected.
inline _listdat TeamEntry(int target, int counted) {
  _listdat e{};
  e.art = kKindTeam;
  e.scheibe_gewaehlt[target] = 1;
  for (auto& k : e.klasse_gewaehlt) k = 1;
  e.mw_einstellungen.mw_schuetzen[target] = static_cast<std::int16_t>(counted);
  return e;
}

inline void MakeDividerTarget(Competition& c, int target) { c.config.scheiben[target].teiler = 1; }

}  // namespace wex::test
