// The sample competition of the demo command.
#include "cli/demo.hpp"

#include <array>
#include <cstdint>
#include <filesystem>

#include "core/actionlist/action_list_file.hpp"
#include "core/actionlist/configuration.hpp"
#include "core/actionlist/new_entry.hpp"
#include "core/context.hpp"
#include "core/format.hpp"
#include "core/output/companion_files.hpp"
#include "core/platform/clock.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex::cli {
namespace {

// A small deterministic generator, so that the demo is the same on every machine.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed) {}
  int Between(int low, int high) {  // inclusive
    state_ = state_ * 1664525u + 1013904223u;
    return low + static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(high - low + 1));
  }

 private:
  std::uint32_t state_;
};

constexpr int kTargetLg = 0;         // Luftgewehr, whole rings, 4 series
constexpr int kTargetLp = 1;         // Luftpistole, whole rings, 3 series
constexpr int kTargetLgZehntel = 2;  // Luftgewehr with tenth scoring, 4 series
constexpr int kTargetTeiler = 3;     // Meisterteiler: divider target, 2 series

void SetTarget(_wettbewerbskonfig& k, int t, const char* name, int teiler, int zehntel) {
  SetFieldText(k.scheiben[t].bezeichnung, name);
  k.scheiben[t].teiler = static_cast<std::int8_t>(teiler);
  k.scheiben[t].zehntel = static_cast<std::uint8_t>(zehntel);
}

_wettbewerbskonfig DemoConfig() {
  _wettbewerbskonfig k{};
  SetFieldText(k.veranstalter, "Schützengesellschaft Edelweiß Oberau"_w);
  SetFieldText(k.wettbewerb1, "Vereinsmeisterschaft 2026");
  SetFieldText(k.wettbewerb2, "Luftdruckwaffen");
  SetFieldText(k.wettbewerb3, "Schützenheim Oberau, 12. und 13. Dezember 2026"_w);
  SetFieldText(k.zusatzfeld[0], "Jugend");
  SetFieldText(k.zusatzfeld[1], "Gastschütze"_w);
  const char* classes[] = {"Schützenklasse"_w, "Damenklasse", "Jugendklasse", "Altersklasse",
                           "Seniorenklasse"};
  for (int i = 0; i < 5; ++i) SetFieldText(k.klassen[i], classes[i]);
  SetTarget(k, kTargetLg, "Luftgewehr 40 Schuss", 0, 0);
  SetTarget(k, kTargetLp, "Luftpistole 30 Schuss", 0, 0);
  SetTarget(k, kTargetLgZehntel, "Luftgewehr Zehntelwertung", 0, 1);
  SetTarget(k, kTargetTeiler, "Meisterteiler", 1, 0);
  SetFieldText(k.hinweistext,
               "Die Siegerehrung findet am Samstag um 19 Uhr im Schützenheim statt.\r\n"
               "Ergebnisse ohne Gewähr - Einsprüche bitte bis 18 Uhr bei der Schießleitung."_w);
  const char* disciplines[] = {"Luftgewehr", "Luftpistole", "Zimmerstutzen", "Lichtgewehr"};
  for (int i = 0; i < 4; ++i) SetFieldText(k.disziplinen[i], disciplines[i]);

  // Presets every new list entry starts with: rings by the sum of all series, three shooters per team,
  // unmarked results listed out of competition with a star.
  const int seriesPerTarget[4] = {4, 3, 4, 2};
  for (int t = 0; t < 4; ++t) {
    k.ew_vorgaben.ew_sortierung[t] = t == kTargetTeiler ? 0 : 1;
    k.ew_vorgaben.ew_anzahl[t] = static_cast<std::int8_t>(seriesPerTarget[t]);
    k.ew_vorgaben.ew_unmarkiert[t] = 2;
    k.ew_vorgaben.ew_zeichen[t] = '*';
    SetFieldText(k.ew_vorgaben.ew_fussnote[t], "* = außer Konkurrenz"_w);
    k.mw_vorgaben.mw_schuetzen[t] = 3;
  }
  return k;
}

struct Person {
  const char* raw;
  int klasse;
  int zusatz1;
};

// Raw names as Tarvisco stores them: surname, comma, first name, with titles and suffixes.
constexpr int kPeople = 60;
const std::array<Person, kPeople>& People() {
  static const std::array<Person, kPeople> people = {{
      {"Huber, Josef jun.", 0, 0},    {"Huber, Josef sen.", 4, 0},    {"Müller, Anna"_w, 1, 0},
      {"Dr., Hofmann Gerhard", 3, 0}, {"Schäfer, Lukas"_w, 2, 1},     {"Wagner, Thomas", 0, 0},
      {"Bauer, Maria", 1, 0},         {"Maier, Andreas", 0, 0},       {"Gruber, Sophie", 2, 1},
      {"Weiß, Franz Xaver"_w, 4, 0},  {"Köhler, Jürgen"_w, 3, 0},     {"Brandl, Theresa", 1, 0},
      {"Zöllner, Michael"_w, 0, 0},   {"Pfeiffer, Stefan", 0, 0},     {"Obermaier, Katharina", 1, 0},
      {"Kühn, Günther"_w, 4, 0},      {"Lößl, Florian"_w, 2, 1},      {"Fischer, Matthias", 0, 0},
      {"Steiner, Lena", 2, 1},        {"Wimmer, Georg", 3, 0},        {"Schönberger, Bärbel"_w, 4, 0},
      {"Bäuml, Korbinian"_w, 2, 1},   {"Häusler, Christine"_w, 1, 0}, {"Fürst, Martin"_w, 0, 0},
      {"Kraus, Elisabeth", 3, 0},     {"Rieger, Sebastian", 0, 0},    {"Seitz, Johanna", 2, 1},
      {"Lechner, Anton", 4, 0},       {"Haas, Veronika", 1, 0},       {"Schwaiger, Tobias", 0, 0},
      {"Eder, Magdalena", 1, 0},      {"Ziegler, Benedikt", 2, 1},    {"Mayr, Peter", 3, 0},
      {"Winkler, Claudia", 1, 0},     {"Hartl, Maximilian", 2, 1},    {"Brunner, Walter", 4, 0},
      {"Reiter, Simone", 1, 0},       {"Aigner, Dominik", 0, 0},      {"Sailer, Monika", 3, 0},
      {"Ostermeier, Felix", 2, 1},    {"Kiefer, Ludwig", 4, 0},       {"Niedermaier, Julia", 1, 0},
      {"Forster, Alexander", 0, 0},   {"Hagn, Rosa", 4, 0},           {"Stadler, Quirin", 0, 0},
      {"Vogl, Hannah", 2, 1},         {"Zeller, Bernhard", 3, 0},     {"Kammerer, Ursula", 1, 0},
      {"Dorfner, Christian", 0, 0},   {"Grasl, Emma", 2, 1},          {"Schuster, Wolfgang", 3, 0},
      {"Ertl, Sabine", 1, 0},         {"Probst, Valentin", 2, 1},     {"Graf, Hildegard", 4, 0},
      {"Heindl, Markus", 0, 0},       {"Wörle, Manuela"_w, 1, 0},     {"Pichler, Johann", 3, 0},
      {"Ruhland, Leonie", 2, 1},      {"Ebner, Konrad", 0, 0},        {"Wagner, Thomas jun.", 2, 1},
  }};
  return people;
}

// Ring series in hundredths: whole rings 85 to 100.
int RingSeries(Dice& dice, int skill) {
  return std::min(100, dice.Between(85, 92) + dice.Between(0, skill)) * 100;
}

// Tenth scoring up to 109.0 rings per series of ten shots.
int TenthSeries(Dice& dice, int skill) {
  const int tenths = std::min(1090, dice.Between(940, 1010) + dice.Between(0, skill * 8));
  return tenths * 10;
}

// Dividers from 5.0 to 2500.0, most between 50 and 500.
int Divider(Dice& dice) {
  const int roll = dice.Between(1, 20);
  const int tenths = roll == 1    ? dice.Between(50, 499)
                     : roll == 20 ? dice.Between(5000, 25000)
                                  : dice.Between(500, 5000);
  return tenths * 10;
}

}  // namespace

CompetitionDescription DemoCompetition() {
  CompetitionDescription d;
  d.config = DemoConfig();
  d.homeTeams = {{1, "SG Edelweiß Oberau I"_w}, {2, "SG Edelweiß Oberau II"_w},
                 {3, "SV Almrausch Unterau"},   {4, "Schützenverein Tell Kirchdorf"_w},
                 {5, "SG Hubertus Moosbach"},   {6, "Zimmerstutzen Bergham"},
                 {7, "FSG Gröbenried"_w},       {8, "SV Enzian Haslach"},
                 {9, "Böllerschützen Au"_w},    {10, "SV Kimmerl Hintersee"}};
  // Team sizes 3 to 5; the participants of team 0 shoot without team.
  const int teamOf[kPeople] = {1, 2, 1, 3, 1, 4,  2,  5, 3, 6,  7, 4,  8, 9, 5, 6, 7, 1, 8, 9,
                               2, 3, 4, 5, 6, 7,  8,  9, 2, 3,  4, 5,  0, 7, 8, 9, 1, 3, 5, 7,
                               9, 2, 4, 0, 8, 10, 10, 0, 0, 10, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0};
  Dice dice(20261212);
  for (int i = 0; i < kPeople; ++i) {
    const Person& person = People()[static_cast<std::size_t>(i)];
    ParticipantDescription p;
    p.tlnr = i + 1;
    p.rawName = person.raw;
    p.stammmannschaft = teamOf[i];
    p.klasse = person.klasse;
    p.disziplin = i % 7 == 6 ? 1 : 0;
    p.zusatz1 = person.zusatz1;
    p.zusatz2 = i % 11 == 10 ? 1 : 0;
    const bool withoutResult = i == 44 || i == 51 || i == 57;
    if (!withoutResult) {
      const int skill = dice.Between(0, 8);
      // A few results are not marked by the competition office yet: listed out of competition.
      const int mark = (i % 13 == 12) ? 0 : 1;
      const int tenthSeries = i % 4 == 0 ? 4 : 0;  // every fourth participant also shoots tenth scoring
      int lgSum = 0;
      for (int s = 0; s < 4; ++s) {
        const int v = RingSeries(dice, skill);
        lgSum += v / 100;
        p.series.push_back({kTargetLg, s, v, mark});
      }
      p.teamResults.push_back({kTargetLg, lgSum * 10, mark});
      if (p.disziplin == 1 || i % 5 == 0) {
        int lpSum = 0;
        for (int s = 0; s < 3; ++s) {
          const int v = RingSeries(dice, skill);
          lpSum += v / 100;
          p.series.push_back({kTargetLp, s, v, 1});
        }
        p.teamResults.push_back({kTargetLp, lpSum * 10, 1});
      }
      int zehntelSum = 0;
      for (int s = 0; s < tenthSeries; ++s) {
        const int v = TenthSeries(dice, skill);
        zehntelSum += v / 10;
        p.series.push_back({kTargetLgZehntel, s, v, 1});
      }
      if (tenthSeries > 0) p.teamResults.push_back({kTargetLgZehntel, zehntelSum / 10 * 10, 1});
      const int dividers = i % 3 == 2 ? 1 : 2;
      for (int s = 0; s < dividers; ++s) p.series.push_back({kTargetTeiler, s, Divider(dice), mark});
    }
    d.participants.push_back(p);
  }
  return d;
}

namespace {

_listdat DemoEntry(const ActionList& list, const _wettbewerbskonfig& k, const _cnfdat& cnf, int art,
                   std::initializer_list<int> targets, const char* fileName) {
  _listdat e = MakeNewEntry(list, k, cnf);
  e.art = static_cast<std::int8_t>(art);
  for (auto& flag : e.scheibe_gewaehlt) flag = 0;
  for (int t : targets) e.scheibe_gewaehlt[t] = 1;
  for (int c = 0; c < 5; ++c) e.klasse_gewaehlt[c] = 1;
  BuildAutomaticTexts(e, k);
  SetEntryFileName(e, platform::JoinPath(FieldText(cnf.ausgabepfad), fileName));
  return e;
}

}  // namespace

bool CreateDemo(const std::string& folder, DataSource source, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path root = fs::absolute(folder, ec);
  const fs::path data = root / "daten";
  const fs::path output = root / "ausgabe";
  fs::create_directories(data, ec);
  fs::create_directories(output, ec);
  if (!fs::is_directory(data) || !fs::is_directory(output)) {
    error = "Ordner " + root.string() + " kann nicht angelegt werden";
    return false;
  }
  if (source == DataSource::LegacyFiles) fs::remove(data / "tarvisco.db", ec);

  const CompetitionDescription competition = DemoCompetition();
  if (!WriteTarviscoFolder(competition, data.string(), source)) {
    error = "Wettbewerbsdaten in " + data.string() + " konnten nicht geschrieben werden";
    return false;
  }

  _intdat intdat;
  SetStartValues(intdat, root.string());
  _cnfdat cnf{};
  ApplyConfigurationDefaults(cnf, intdat);
  SetDataFolder(cnf, data.string());
  SetOutputFolder(cnf, output.string());
  SetProgramTitle(cnf, "WexPlakard Demo");
  cnf.seitenkette = 1;
  cnf.auto_scroll = 1;
  cnf.auto_seitenwechsel = 1;
  cnf.wechselzeit = 1;
  cnf.anzeige_tln_ohne_erg = 1;
  cnf.timer_sekunden = 60;
  // The sample style sheet, as the settings dialog saves it, is the demo's active style sheet.
  const std::string css = (root / "WexStandard.css").string();
  if (!WriteSampleStyleSheet(platform::SystemClock(), css)) {
    error = "Stilvorlage " + css + " konnte nicht geschrieben werden";
    return false;
  }
  SetStyleSheetPath(cnf, css);

  const _wettbewerbskonfig& k = competition.config;
  ActionList list;
  auto add = [&](_listdat e) { AppendEntry(list, e); };
  add(DemoEntry(list, k, cnf, 0, {kTargetLg}, "WexErg1.html"));
  for (int t = 0; t < 4; ++t) list.entries.back().scheibenliste_auswahl[t] = 1;
  BuildAutomaticTexts(list.entries.back(), k);
  add(DemoEntry(list, k, cnf, 1, {kTargetLg}, "WexErg2.html"));
  add(DemoEntry(list, k, cnf, 2, {kTargetLg}, "WexErg3.html"));
  add(DemoEntry(list, k, cnf, 2, {kTargetLgZehntel}, "WexErg4.html"));
  add(DemoEntry(list, k, cnf, 3, {kTargetLg, kTargetTeiler}, "WexErg5.html"));
  add(DemoEntry(list, k, cnf, 4, {kTargetLg, kTargetTeiler}, "WexErg6.html"));
  add(DemoEntry(list, k, cnf, 5, {kTargetLg}, "WexErg7.html"));
  add(DemoEntry(list, k, cnf, 5, {kTargetTeiler}, "WexErg8.html"));
  add(DemoEntry(list, k, cnf, 2, {kTargetLp}, "WexErg9.txt"));
  list.entries.back().format = 1;
  // The DSB ranking lists the best 20; the Meisterteiler team ranking shows team results only.
  list.entries[5].ezw_dsb_bereich = 1;
  list.entries[5].ezw_dsb_zeilen_max = 20;
  list.entries[6].mw_ausgabe = 0;
  list.entries[7].mw_ausgabe = 2;

  if (!WriteActionList(list, intdat.listenkennung, intdat.letzte_liste) ||
      !WriteConfiguration(cnf, intdat.konfigurationsdatei)) {
    error = "Einstellungen in " + root.string() + " konnten nicht geschrieben werden";
    return false;
  }
  return true;
}

}  // namespace wex::cli
