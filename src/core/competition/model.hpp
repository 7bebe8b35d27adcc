// The competition as read from Tarvisco's data folder: configuration, participants, home teams.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/competition/fixed_text.hpp"

namespace wex {

static_assert(std::endian::native == std::endian::little, "records are stored little-endian byte for byte");

constexpr int kTargetCount = 50;   // targets (Scheiben) 0 ... 49
constexpr int kSeriesCount = 20;   // series per target 0 ... 19
constexpr int kClassCount = 15;    // classes (Klassen) 0 ... 14
constexpr int kDisciplineCount = 10;

// A missing divider in ascending sorts: worse than any real divider.
constexpr std::int32_t kMissingDivider = 1000001;

#pragma pack(push, 1)

// Individual-ranking settings per target (7900 bytes); a list entry and the competition defaults share it.
struct _ew_einstellungen {
  std::int8_t ew_sortierung[kTargetCount];      // 0 best result, 1 sum of the first N
  std::int8_t ew_anzahl[kTargetCount];          // N
  std::int8_t ew_unmarkiert[kTargetCount];      // 0 count, 1 drop, 2 out of competition with mark
  char ew_zeichen[kTargetCount];                // mark character shown instead of the rank
  char ew_fussnote[kTargetCount][50];           // footnote explaining the mark character
  std::int8_t ew_zusatzfilter[2][kTargetCount][2];  // [field][target]: first byte is the value
  std::uint8_t reserved[5000];                  // not interpreted, kept
};
static_assert(sizeof(_ew_einstellungen) == 7900);
static_assert(offsetof(_ew_einstellungen, ew_fussnote) == 200);
static_assert(offsetof(_ew_einstellungen, ew_zusatzfilter) == 2700);
static_assert(offsetof(_ew_einstellungen, reserved) == 2900);

// Additional-field limit of the team ranking: max members marked in the field, and whether it is on.
struct _mw_zusatz_grenze {
  std::int16_t max;
  std::uint8_t aktiv;
};
static_assert(sizeof(_mw_zusatz_grenze) == 3);

// Team-ranking settings per target (6240 bytes).
struct _mw_einstellungen {
  std::int16_t mw_schuetzen[kTargetCount];     // members counted per team
  std::int16_t mw_heim_nummer[kTargetCount];   // host team number, 0 = none
  std::int8_t mw_heim_wertung[kTargetCount];   // 0 count, 1 leave out, 2 out of competition
  std::int8_t mw_unmarkiert[kTargetCount];     // 0 count, 1 drop unmarked team results
  std::uint8_t reserved1[2550];
  _mw_zusatz_grenze mw_zusatz[kTargetCount][2];
  std::uint8_t reserved2[3090];
};
static_assert(sizeof(_mw_einstellungen) == 6240);
static_assert(offsetof(_mw_einstellungen, mw_heim_nummer) == 100);
static_assert(offsetof(_mw_einstellungen, mw_heim_wertung) == 200);
static_assert(offsetof(_mw_einstellungen, mw_unmarkiert) == 250);
static_assert(offsetof(_mw_einstellungen, mw_zusatz) == 2850);
static_assert(offsetof(_mw_einstellungen, reserved2) == 3150);

// Target definition (54 bytes).
struct scheibe {
  char bezeichnung[50];   // empty: the target is not used
  std::int8_t teiler;     // greater than 0: divider target (Teilerscheibe); otherwise ring target
  std::uint8_t unused1;
  std::uint8_t zehntel;   // not 0: ring results shown with one decimal (tenth scoring)
  std::uint8_t unused2;
};
static_assert(sizeof(scheibe) == 54);

// The competition configuration: the image of the first 35000 bytes of WEXCONFG.WID.
struct _wettbewerbskonfig {
  char kennung[35];
  std::uint8_t gap0[5];
  char veranstalter[50];
  char wettbewerb1[80];
  char wettbewerb2[80];
  char wettbewerb3[80];
  char zusatzfeld[2][41];
  char klassen[kClassCount][30];
  std::uint8_t gap1[94];
  scheibe scheiben[kTargetCount];
  char hinweistext[13745];
  _mw_einstellungen mw_vorgaben;
  _ew_einstellungen ew_vorgaben;
  std::uint8_t gap2[366];
  char disziplinen[kDisciplineCount][25];
  std::uint8_t gap3[2843];
};
static_assert(sizeof(_wettbewerbskonfig) == 35000);
static_assert(offsetof(_wettbewerbskonfig, veranstalter) == 40);
static_assert(offsetof(_wettbewerbskonfig, wettbewerb1) == 90);
static_assert(offsetof(_wettbewerbskonfig, wettbewerb2) == 170);
static_assert(offsetof(_wettbewerbskonfig, wettbewerb3) == 250);
static_assert(offsetof(_wettbewerbskonfig, zusatzfeld) == 330);
static_assert(offsetof(_wettbewerbskonfig, klassen) == 412);
static_assert(offsetof(_wettbewerbskonfig, scheiben) == 956);
static_assert(offsetof(_wettbewerbskonfig, hinweistext) == 3656);
static_assert(offsetof(_wettbewerbskonfig, mw_vorgaben) == 17401);
static_assert(offsetof(_wettbewerbskonfig, ew_vorgaben) == 23641);
static_assert(offsetof(_wettbewerbskonfig, disziplinen) == 31907);

// One series result: whole part and hundredths (98 and 50 is 98.5 rings, or a divider of 98.5).
struct serie_wert {
  std::int16_t ganz;
  std::int8_t hundertstel;
};
static_assert(sizeof(serie_wert) == 3);

// A participant's results on one target (64 bytes, the same layout in WEXTLERG.WID).
struct scheibenergebnis {
  serie_wert serie[kSeriesCount];
  std::uint8_t markiert;                      // result mark of the series; greater than 0 = marked
  std::int16_t mannschaftsergebnis;           // result counting for the team ranking, tenths of a ring
  std::uint8_t mannschaftsergebnis_markiert;  // greater than 0 = marked
};
static_assert(sizeof(scheibenergebnis) == 64);
static_assert(offsetof(scheibenergebnis, markiert) == 60);
static_assert(offsetof(scheibenergebnis, mannschaftsergebnis) == 61);
static_assert(offsetof(scheibenergebnis, mannschaftsergebnis_markiert) == 63);

// A participant. klasse and disziplin come from the data unchecked: every reader indexes class and
// discipline slots only through ClassSlot() and DisciplineSlot(), so a value outside the slots means
// "no class" / "no discipline" and never reaches past an array. Both loaders keep the values as the
// data holds them (a database number cut to the field's width), so such a participant is in no class
// and no discipline in every list alike.
struct _ergdateilist {
  std::int16_t tlnr;              // start number; greater than 0 for every participant in the list
  char name[30];                  // display name (FormatDisplayName)
  std::uint8_t disziplin;         // discipline index 0 ... 9
  std::int16_t stammmannschaft;   // home team number; less than 1 = none
  std::int16_t klasse;            // class index 0 ... 14
  std::uint8_t zusatz1;           // additional field 1 marked when greater than 0
  std::uint8_t zusatz2;
  scheibenergebnis ergebnisse[kTargetCount];
};
static_assert(sizeof(_ergdateilist) == 3239);

// A home team (Stammmannschaft).
struct _stammmannschaften {
  std::int16_t nummer;   // greater than 0 for every home team in the list
  char name[40];
};
static_assert(sizeof(_stammmannschaften) == 42);

#pragma pack(pop)

// The class slot of a participant, or -1 when its klasse lies outside 0 ... 14 (then it belongs to no
// class: no class selection takes it and no class count includes it).
inline int ClassSlot(const _ergdateilist& p) {
  return p.klasse >= 0 && p.klasse < kClassCount ? p.klasse : -1;
}

// The discipline slot of a participant, or -1 outside 0 ... 9 (no discipline count includes it).
inline int DisciplineSlot(const _ergdateilist& p) {
  return p.disziplin < kDisciplineCount ? p.disziplin : -1;
}

// A target is a divider target exactly when its teiler byte is greater than 0.
inline bool IsDividerTarget(const scheibe& s) { return s.teiler > 0; }

// The loaded competition; one instance per running program.
struct Competition {
  _wettbewerbskonfig config{};                    // refilled by every configuration test
  std::vector<_ergdateilist> participants;        // load order (index file order, or ascending number)
  std::vector<_stammmannschaften> homeTeams;      // load order
};

}  // namespace wex
