// Small in-memory competitions and list entries for the ranking and list writer tests.
#pragma once

#include <initializer_list>
#include <string_view>

#include "core/actionlist/listdat.hpp"
#include "core/competition/model.hpp"

namespace wex::test {

// Names target t; a divider target when divider is set; tenth scoring when tenths is set.
void SetTarget(Competition& competition, int t, std::string_view name, bool divider = false,
               bool tenths = false);

// Appends a participant in class klasse shooting for home team stammmannschaft (0: none).
_ergdateilist& AddParticipant(Competition& competition, int tlnr, std::string_view name = "", int klasse = 0,
                              int stammmannschaft = 0);

// Appends a home team.
void AddHomeTeam(Competition& competition, int nummer, std::string_view name);

// Sets the series of target t from hundredths: 9530 is 95 and 30 hundredths. Unlisted series stay 0.
void SetSeries(_ergdateilist& participant, int t, std::initializer_list<int> hundredths, bool marked = true);

// An entry of the kind selecting the targets (for kind 0: scheibenliste_auswahl) and every class.
_listdat MakeEntry(int kind, std::initializer_list<int> targets);

}  // namespace wex::test
