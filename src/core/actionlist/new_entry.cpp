// A fresh list entry with its defaults, and the header texts built from its targets and classes.
#include "core/actionlist/new_entry.hpp"

#include <cstring>
#include <string>

#include "core/competition/fixed_text.hpp"
#include "core/format.hpp"
#include "core/platform/files.hpp"

namespace wex {
namespace {

bool Named(const scheibe& target) { return !FieldText(target.bezeichnung).empty(); }

// Names joined in index order; "+ " goes before every further name that is not empty
// ("Luftgewehr+ Luftpistole": no blank before the plus sign).
class NameList {
 public:
  void Add(std::string_view name) {
    if (count_ > 0 && !name.empty()) text_ += "+ ";
    text_ += name;
    ++count_;
  }
  int count() const { return count_; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
  int count_ = 0;
};

std::string BlankWhenEmpty(std::string text) { return text.empty() ? " " : text; }

std::string TargetsText(const std::int8_t (&selected)[kTargetCount], const _wettbewerbskonfig& config,
                        bool dividers) {
  NameList names;
  for (int t = 0; t < kTargetCount; ++t)
    if (selected[t] > 0 && IsDividerTarget(config.scheiben[t]) == dividers)
      names.Add(FieldText(config.scheiben[t].bezeichnung));
  return BlankWhenEmpty(names.text());
}

std::string UnsortedTargetsText(const _listdat& entry, const _wettbewerbskonfig& config) {
  NameList names;
  int named = 0;
  for (int t = 0; t < kTargetCount; ++t) {
    if (Named(config.scheiben[t])) ++named;
    if (entry.scheibenliste_auswahl[t] > 0) names.Add(FieldText(config.scheiben[t].bezeichnung));
  }
  if (names.count() == named) return "aller Scheiben";
  return BlankWhenEmpty(names.text());
}

std::string ClassesText(_listdat& entry, const _wettbewerbskonfig& config) {
  int named = 0;
  int selected = 0;
  for (int k = 0; k < kClassCount; ++k) {
    if (!FieldText(config.klassen[k]).empty()) ++named;
    if (entry.klasse_gewaehlt[k] > 0) ++selected;
  }
  if (selected == 0) {
    entry.klasse_gewaehlt[0] = 1;
    selected = 1;
  }
  if (selected > named)
    for (int k = 0; k < kClassCount; ++k)
      entry.klasse_gewaehlt[k] = FieldText(config.klassen[k]).empty() ? 0 : 1;

  NameList names;
  for (int k = 0; k < kClassCount; ++k)
    if (entry.klasse_gewaehlt[k] > 0) names.Add(FieldText(config.klassen[k]));
  if (names.count() == named) return "alle Klassen";
  return names.text();
}

}  // namespace

void BuildAutomaticTexts(_listdat& entry, const _wettbewerbskonfig& config) {
  const int kind = entry.art < 0 ? 0 : entry.art;  // a negative kind counts as 0
  const std::string classes = ClassesText(entry, config);
  const std::string rings = TargetsText(entry.scheibe_gewaehlt, config, false);
  const std::string dividers = TargetsText(entry.scheibe_gewaehlt, config, true);
  const std::string& ringsOrDividers = rings == " " ? dividers : rings;

  std::string text1;
  std::string_view text2 = classes;
  switch (kind) {
    case kKindUnsorted:
      text1 = Sprintf("%s %s, ", "Ergebnisse", UnsortedTargetsText(entry, config).c_str());
      break;
    case kKindParticipation:
      text1 = "Beteiligungen";
      text2 = " ";
      break;
    case kKindStandard:
      text1 = Sprintf("%s %s, ", "Einzelwertung", ringsOrDividers.c_str());
      break;
    case kKindAlternating: {
      const bool dividersFirst = entry.ezw_alt_beginn > 0;
      text1 = Sprintf("%s %s / %s, ", "Einzelwertung alternierend",
                      (dividersFirst ? dividers : rings).c_str(), (dividersFirst ? rings : dividers).c_str());
      break;
    }
    case kKindDsb:
      text1 = Sprintf("%s %s / %s, ", "Einzelwertung DSB", rings.c_str(), dividers.c_str());
      break;
    case kKindTeam:
      text1 = Sprintf("%s %s, ", "Mannschaftswertung", ringsOrDividers.c_str());
      break;
    default:
      return;  // a kind beyond the known ones produces nothing, texts included
  }
  SetFieldText(entry.text1, text1);
  SetFieldText(entry.text2, text2);
}

_listdat MakeNewEntry(const ActionList& actions, const _wettbewerbskonfig& config, const _cnfdat& cnf) {
  _listdat entry;
  std::memset(&entry, 0, sizeof entry);
  const std::size_t entries = actions.entries.size();

  SetFieldText(entry.dateiname, platform::JoinPath(FieldText(cnf.ausgabepfad),
                                                   Sprintf("WexErg%d.html", static_cast<int>(entries) + 1)));
  entry.format = 0;
  entry.tln_ohne_ergebnis = 1;
  entry.texte_bearbeiten = 0;
  entry.markiert = 1;

  entry.scheibe_gewaehlt[0] = 1;
  for (int t = 0; t < kTargetCount; ++t)
    entry.scheibenliste_auswahl[t] = t == 0 || Named(config.scheiben[t]) ? 1 : 0;
  entry.klasse_gewaehlt[0] = 1;
  if (entries == 0)
    for (int k = 0; k < kClassCount; ++k)
      if (!FieldText(config.klassen[k]).empty()) entry.klasse_gewaehlt[k] = 1;
  entry.art = static_cast<std::int8_t>(entries == 0 ? 0 : entries == 1 ? 1 : 2);

  // Copied whole: the bytes the program does not interpret come along from the competition's presets.
  entry.ew_einstellungen = config.ew_vorgaben;
  entry.mw_einstellungen = config.mw_vorgaben;

  entry.reserved_15666 = 200;
  entry.btlg_klassen = 0;
  entry.btlg_mannschaften = 1;
  entry.btlg_startnr = 1;
  entry.ezw_std_bereich = 0;
  entry.ezw_std_zeilen_max = 50;
  entry.reserved_15678 = 100;
  entry.reserved_15682 = 200;
  entry.ezw_std_startnr = 1;
  entry.ezw_std_anz_erg = 20;
  entry.ezw_alt_bereich = 0;
  entry.ezw_alt_zeilen_max = 50;
  entry.ezw_alt_startnr = 1;
  entry.ezw_dsb_bereich = 0;
  entry.ezw_dsb_zeilen_max = 50;
  entry.ezw_dsb_startnr = 1;
  entry.mw_ausgabe = 0;
  entry.mw_bereich = 0;
  entry.mw_anzahl_max = 10;
  entry.mw_startnr = 1;
  entry.unsort_bereich = 0;
  entry.unsort_von_startnr = 1;
  entry.unsort_bis_startnr = 10;

  BuildAutomaticTexts(entry, config);
  return entry;
}

void SetEntryTexts(_listdat& entry, std::string_view text1, std::string_view text2) {
  SetFieldText(entry.text1, text1);
  SetFieldText(entry.text2, text2);
}

void SetEntryFileName(_listdat& entry, std::string_view fileName) { SetFieldText(entry.dateiname, fileName); }

}  // namespace wex
