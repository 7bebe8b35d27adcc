// The list entry (Listeneintrag), stored byte for byte in action list files, and the action list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/competition/model.hpp"

namespace wex {

// List kinds (field art).
enum ListKind : int {
  kKindUnsorted = 0,       // "Ergebnisse unsortiert"
  kKindParticipation = 1,  // "Beteiligungen"
  kKindStandard = 2,       // "Einzelwertung standard"
  kKindAlternating = 3,    // "Einzelwertung alternierend"
  kKindDsb = 4,            // "Einzelwertung DSB"
  kKindTeam = 5,           // "Mannschaftswertung"
};

#pragma pack(push, 1)

struct _listdat {
  char text1[350];                       // header and link text, part 1
  char text2[350];                       // part 2
  char folgeseite[199];                  // file name of the page that follows this one
  std::int8_t upload_aktiv_kopie;
  char dateiname[498];                   // full path of the output file
  std::int8_t tln_ohne_ergebnis;         // kind 1: 0 list participants without result, 1 do not
  std::int8_t ohne_rahmen;               // complete output copies only: no page frame of its own
  std::int8_t format;                    // 0 HTML, 1 text, 2 LaTeX
  std::int8_t scheibe_gewaehlt[kTargetCount];
  std::int8_t scheibenliste_auswahl[kTargetCount];  // kind 0 target selection
  std::int8_t klasse_gewaehlt[kClassCount];
  std::int8_t art;                       // list kind
  std::int8_t texte_bearbeiten;          // 1 texts entered by hand, 0 built automatically
  std::int8_t markiert;                  // check mark: only marked entries are generated
  _ew_einstellungen ew_einstellungen;
  _mw_einstellungen mw_einstellungen;
  std::int8_t ezw_alt_ring_unmarkiert;
  std::int8_t ezw_alt_teiler_unmarkiert;
  std::int8_t ezw_alt_beginn;            // 0 begin with ring results, 1 with divider results
  std::int8_t ezw_alt_zusatz1;
  std::int8_t ezw_alt_zusatz2;
  std::int8_t ezw_dsb_ring_unmarkiert;
  std::int8_t ezw_dsb_teiler_unmarkiert;
  std::int16_t reserved_15666;           // not interpreted; 200 in a new entry
  std::int8_t ezw_dsb_zusatz1;
  std::int8_t ezw_dsb_zusatz2;
  std::int8_t btlg_klassen;
  std::int8_t btlg_mannschaften;
  std::int8_t btlg_startnr;
  std::int8_t ezw_std_bereich;
  std::int32_t ezw_std_zeilen_max;
  std::int32_t reserved_15678;           // not interpreted; 100 in a new entry
  std::int32_t reserved_15682;           // not interpreted; 200 in a new entry
  std::int8_t ezw_std_startnr;
  std::int32_t ezw_std_anz_erg;
  std::int8_t ezw_alt_bereich;
  std::int32_t ezw_alt_zeilen_max;
  std::uint8_t reserved_15696[8];
  std::int8_t ezw_alt_startnr;
  std::uint8_t reserved_15705[4];
  std::int8_t ezw_dsb_bereich;
  std::int32_t ezw_dsb_zeilen_max;
  std::uint8_t reserved_15714[8];
  std::int8_t ezw_dsb_startnr;
  std::uint8_t reserved_15723[4];
  std::int8_t mw_ausgabe;                // 0 all members, 1 counted members, 2 team results only
  std::int8_t mw_bereich;
  std::int32_t mw_anzahl_max;
  std::int8_t mw_startnr;
  std::int8_t unsort_bereich;            // 0 all participants, 1 start number range
  std::int32_t unsort_von_startnr;
  std::int32_t unsort_bis_startnr;
};

#pragma pack(pop)

static_assert(sizeof(_listdat) == 15743);
static_assert(offsetof(_listdat, text2) == 350);
static_assert(offsetof(_listdat, folgeseite) == 700);
static_assert(offsetof(_listdat, upload_aktiv_kopie) == 899);
static_assert(offsetof(_listdat, dateiname) == 900);
static_assert(offsetof(_listdat, tln_ohne_ergebnis) == 1398);
static_assert(offsetof(_listdat, ohne_rahmen) == 1399);
static_assert(offsetof(_listdat, format) == 1400);
static_assert(offsetof(_listdat, scheibe_gewaehlt) == 1401);
static_assert(offsetof(_listdat, scheibenliste_auswahl) == 1451);
static_assert(offsetof(_listdat, klasse_gewaehlt) == 1501);
static_assert(offsetof(_listdat, art) == 1516);
static_assert(offsetof(_listdat, texte_bearbeiten) == 1517);
static_assert(offsetof(_listdat, markiert) == 1518);
static_assert(offsetof(_listdat, ew_einstellungen) == 1519);
static_assert(offsetof(_listdat, mw_einstellungen) == 9419);
static_assert(offsetof(_listdat, ezw_alt_ring_unmarkiert) == 15659);
static_assert(offsetof(_listdat, ezw_alt_beginn) == 15661);
static_assert(offsetof(_listdat, ezw_dsb_ring_unmarkiert) == 15664);
static_assert(offsetof(_listdat, reserved_15666) == 15666);
static_assert(offsetof(_listdat, ezw_dsb_zusatz1) == 15668);
static_assert(offsetof(_listdat, btlg_klassen) == 15670);
static_assert(offsetof(_listdat, btlg_startnr) == 15672);
static_assert(offsetof(_listdat, ezw_std_bereich) == 15673);
static_assert(offsetof(_listdat, ezw_std_zeilen_max) == 15674);
static_assert(offsetof(_listdat, reserved_15678) == 15678);
static_assert(offsetof(_listdat, reserved_15682) == 15682);
static_assert(offsetof(_listdat, ezw_std_startnr) == 15686);
static_assert(offsetof(_listdat, ezw_std_anz_erg) == 15687);
static_assert(offsetof(_listdat, ezw_alt_bereich) == 15691);
static_assert(offsetof(_listdat, ezw_alt_zeilen_max) == 15692);
static_assert(offsetof(_listdat, ezw_alt_startnr) == 15704);
static_assert(offsetof(_listdat, ezw_dsb_bereich) == 15709);
static_assert(offsetof(_listdat, ezw_dsb_zeilen_max) == 15710);
static_assert(offsetof(_listdat, ezw_dsb_startnr) == 15722);
static_assert(offsetof(_listdat, mw_ausgabe) == 15727);
static_assert(offsetof(_listdat, mw_bereich) == 15728);
static_assert(offsetof(_listdat, mw_anzahl_max) == 15729);
static_assert(offsetof(_listdat, mw_startnr) == 15733);
static_assert(offsetof(_listdat, unsort_bereich) == 15734);
static_assert(offsetof(_listdat, unsort_von_startnr) == 15735);
static_assert(offsetof(_listdat, unsort_bis_startnr) == 15739);

// The governing target of an entry: the lowest target index whose scheibe_gewaehlt is greater than 0;
// -1 when none is selected. Its settings, kind and tenth-scoring flag apply to the whole list.
inline int GoverningTarget(const _listdat& entry) {
  for (int t = 0; t < kTargetCount; ++t)
    if (entry.scheibe_gewaehlt[t] > 0) return t;
  return -1;
}

// True when the entry selects the participant's class (a participant without a class slot never is).
inline bool ClassSelected(const _listdat& entry, const _ergdateilist& p) {
  const int k = ClassSlot(p);
  return k >= 0 && entry.klasse_gewaehlt[k] > 0;
}

// The action list (Aktionsliste): the entries in order and the index of the current entry.
struct ActionList {
  std::vector<_listdat> entries;
  int current = 0;
};

}  // namespace wex
