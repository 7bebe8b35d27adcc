// A new list entry's defaults and the automatic header texts.
#include "core/actionlist/new_entry.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/actionlist/action_list_file.hpp"
#include "core/competition/fixed_text.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex {
namespace {

// Targets 0 and 2 are ring targets, 3 a divider target, 1 unnamed; classes 0, 1 and 3 are named.
_wettbewerbskonfig SampleConfig() {
  _wettbewerbskonfig config;
  std::memset(&config, 0, sizeof config);
  SetFieldText(config.scheiben[0].bezeichnung, "Luftgewehr");
  SetFieldText(config.scheiben[2].bezeichnung, "Luftpistole");
  SetFieldText(config.scheiben[3].bezeichnung, "Teiler LG");
  config.scheiben[3].teiler = 1;
  SetFieldText(config.klassen[0], "Schüler"_w);
  SetFieldText(config.klassen[1], "Jugend");
  SetFieldText(config.klassen[3], "Damen");
  auto* ew = reinterpret_cast<unsigned char*>(&config.ew_vorgaben);
  for (std::size_t i = 0; i < sizeof config.ew_vorgaben; ++i) ew[i] = static_cast<unsigned char>(i % 199 + 1);
  auto* mw = reinterpret_cast<unsigned char*>(&config.mw_vorgaben);
  for (std::size_t i = 0; i < sizeof config.mw_vorgaben; ++i) mw[i] = static_cast<unsigned char>(i % 197 + 3);
  return config;
}

_cnfdat SampleCnf() {
  _cnfdat cnf{};
  SetFieldText(cnf.ausgabepfad, "/srv/aushang");
  return cnf;
}

std::string Bytes(const _listdat& entry) {
  return std::string(reinterpret_cast<const char*>(&entry), sizeof entry);
}

void PutText(std::string& bytes, std::size_t offset, const std::string& text) {
  bytes.replace(offset, text.size() + 1, text + '\0');
}

void PutInt(std::string& bytes, std::size_t offset, int value, int width) {
  for (int i = 0; i < width; ++i)
    bytes[offset + static_cast<std::size_t>(i)] =
        static_cast<char>((static_cast<unsigned>(value) >> (8 * i)) & 0xFFu);
}

// The whole record of a first entry, laid out by file offsets.
std::string ExpectedFirstEntry(const _wettbewerbskonfig& config) {
  std::string b(15743, '\0');
  PutText(b, 0, "Ergebnisse aller Scheiben, ");
  PutText(b, 350, "alle Klassen");
  PutText(b, 900, platform::JoinPath("/srv/aushang", "WexErg1.html"));
  b[1398] = 1;  // tln_ohne_ergebnis
  b[1401] = 1;  // scheibe_gewaehlt: target 0 only
  b[1451] = 1;  // scheibenliste_auswahl: target 0 and the named targets
  b[1451 + 2] = 1;
  b[1451 + 3] = 1;
  b[1501] = 1;  // klasse_gewaehlt: the named classes
  b[1501 + 1] = 1;
  b[1501 + 3] = 1;
  b[1516] = 0;  // art
  b[1518] = 1;  // markiert
  b.replace(1519, 7900, reinterpret_cast<const char*>(&config.ew_vorgaben), 7900);
  b.replace(9419, 6240, reinterpret_cast<const char*>(&config.mw_vorgaben), 6240);
  PutInt(b, 15666, 200, 2);
  b[15671] = 1;  // btlg_mannschaften
  b[15672] = 1;  // btlg_startnr
  PutInt(b, 15674, 50, 4);
  PutInt(b, 15678, 100, 4);
  PutInt(b, 15682, 200, 4);
  b[15686] = 1;
  PutInt(b, 15687, 20, 4);
  PutInt(b, 15692, 50, 4);
  b[15704] = 1;
  PutInt(b, 15710, 50, 4);
  b[15722] = 1;
  PutInt(b, 15729, 10, 4);
  b[15733] = 1;
  PutInt(b, 15735, 1, 4);
  PutInt(b, 15739, 10, 4);
  return b;
}

TEST(new_entry, first_entry_of_an_empty_list_is_byte_exact) {
  const auto config = SampleConfig();
  EXPECT_EQ(Bytes(MakeNewEntry(ActionList{}, config, SampleCnf())), ExpectedFirstEntry(config));
}

TEST(new_entry, kind_class_selection_file_name_and_texts_follow_the_list_length) {
  const auto config = SampleConfig();
  const auto cnf = SampleCnf();
  ActionList list;
  AppendEntry(list, MakeNewEntry(list, config, cnf));
  const _listdat second = MakeNewEntry(list, config, cnf);
  AppendEntry(list, second);
  const _listdat third = MakeNewEntry(list, config, cnf);

  EXPECT_EQ(second.art, 1);
  EXPECT_EQ(std::string(second.text1), "Beteiligungen");
  EXPECT_EQ(std::string(second.text2), " ");
  EXPECT_EQ(std::string(second.dateiname), platform::JoinPath("/srv/aushang", "WexErg2.html"));
  EXPECT_EQ(third.art, 2);
  EXPECT_EQ(std::string(third.text1), "Einzelwertung Luftgewehr, ");
  EXPECT_EQ(std::string(third.text2), "Schüler"_w);
  EXPECT_EQ(std::string(third.dateiname), platform::JoinPath("/srv/aushang", "WexErg3.html"));
  for (const _listdat* e : {&second, &third}) {
    EXPECT_EQ(e->klasse_gewaehlt[0], 1);  // only class 0 once the list holds entries
    for (int k = 1; k < kClassCount; ++k) EXPECT_EQ(e->klasse_gewaehlt[k], 0) << k;
    EXPECT_EQ(e->reserved_15666, 200);
    EXPECT_EQ(e->reserved_15678, 100);
    EXPECT_EQ(e->reserved_15682, 200);
  }
}

TEST(automatic_texts, by_kind_and_selection) {
  const auto config = SampleConfig();
  struct Case {
    int art;
    std::initializer_list<int> targets;  // scheibe_gewaehlt, or scheibenliste_auswahl for kind 0
    std::initializer_list<int> classes;
    int beginn;  // ezw_alt_beginn
    std::string text1;
    std::string text2;
  };
  const Case cases[] = {
      {0, {0, 3}, {1, 3}, 0, "Ergebnisse Luftgewehr+ Teiler LG, ", "Jugend+ Damen"},
      {0, {}, {0}, 0, "Ergebnisse  , ", "Schüler"_w},
      {0, {1, 2, 3}, {0, 1, 3}, 0, "Ergebnisse aller Scheiben, ", "alle Klassen"},  // counts match
      {1, {0}, {0}, 0, "Beteiligungen", " "},
      {2, {0, 1, 2}, {3}, 0, "Einzelwertung Luftgewehr+ Luftpistole, ", "Damen"},
      {2, {3}, {1}, 0, "Einzelwertung Teiler LG, ", "Jugend"},
      {3, {2, 3}, {0}, 0, "Einzelwertung alternierend Luftpistole / Teiler LG, ", "Schüler"_w},
      {3, {2, 3}, {0}, 1, "Einzelwertung alternierend Teiler LG / Luftpistole, ", "Schüler"_w},
      {4, {0}, {0}, 0, "Einzelwertung DSB Luftgewehr /  , ", "Schüler"_w},
      {5, {3}, {0}, 0, "Mannschaftswertung Teiler LG, ", "Schüler"_w},
      {-1, {0}, {0}, 0, "Ergebnisse Luftgewehr, ", "Schüler"_w},  // a negative kind counts as 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text1);
    _listdat entry;
    std::memset(&entry, 0, sizeof entry);
    entry.art = static_cast<std::int8_t>(c.art);
    entry.ezw_alt_beginn = static_cast<std::int8_t>(c.beginn);
    for (int t : c.targets) (c.art <= 0 ? entry.scheibenliste_auswahl : entry.scheibe_gewaehlt)[t] = 1;
    for (int k : c.classes) entry.klasse_gewaehlt[k] = 1;
    BuildAutomaticTexts(entry, config);
    EXPECT_EQ(std::string(entry.text1), c.text1);
    EXPECT_EQ(std::string(entry.text2), c.text2);
  }
}

TEST(automatic_texts, class_selection_is_repaired_before_the_names_are_joined) {
  const auto config = SampleConfig();
  _listdat entry;
  std::memset(&entry, 0, sizeof entry);
  entry.art = 2;
  entry.scheibe_gewaehlt[0] = 1;

  BuildAutomaticTexts(entry, config);  // nothing selected: class 0
  EXPECT_EQ(std::string(entry.text2), "Schüler"_w);
  EXPECT_EQ(entry.klasse_gewaehlt[0], 1);

  for (auto& k : entry.klasse_gewaehlt) k = 1;  // more than are named: exactly the named ones
  BuildAutomaticTexts(entry, config);
  EXPECT_EQ(std::string(entry.text2), "alle Klassen");
  const std::int8_t named[kClassCount] = {1, 1, 0, 1};
  EXPECT_EQ(0, std::memcmp(entry.klasse_gewaehlt, named, sizeof named));
}

TEST(automatic_texts, long_texts_are_cut_with_the_nul_inside_the_field) {
  auto config = SampleConfig();
  _listdat entry;
  std::memset(&entry, 0x55, sizeof entry);
  entry.art = 2;
  std::memset(entry.scheibe_gewaehlt, 0, sizeof entry.scheibe_gewaehlt);
  std::memset(entry.klasse_gewaehlt, 0, sizeof entry.klasse_gewaehlt);
  for (int t = 0; t < 20; ++t) {
    SetFieldText(config.scheiben[t].bezeichnung, std::string(49, static_cast<char>('a' + t)));
    config.scheiben[t].teiler = 0;
    entry.scheibe_gewaehlt[t] = 1;
  }
  BuildAutomaticTexts(entry, config);
  EXPECT_EQ(FieldText(entry.text1).size(), 349u);
  EXPECT_EQ(std::string(entry.text1, 14), "Einzelwertung ");
  EXPECT_EQ(entry.text2[0], 'S');  // the next field starts with its own text

  _cnfdat cnf{};
  SetFieldText(cnf.ausgabepfad, std::string(499, 'o'));
  const _listdat fresh = MakeNewEntry(ActionList{}, config, cnf);
  EXPECT_EQ(FieldText(fresh.dateiname).size(), 497u);
  EXPECT_EQ(fresh.tln_ohne_ergebnis, 1);  // the byte after the file name is untouched
}

}  // namespace
}  // namespace wex
