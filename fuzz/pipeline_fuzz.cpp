// Fuzzes rankings and list writers together: a competition, a list entry and a program configuration
// built from the input go through every writer in every format, framed and unframed, and through the
// heads and feet of the complete output. Nothing is written but the participant protocol, which lives in
// the scratch folder.
//
// The input drives a FuzzedDataProvider. Records start from plausible values (targets with names, a
// divider target, class names) and take their texts, numbers and selections from the input; texts may
// fill their whole field without a NUL, as foreign files can.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

#include "core/actionlist/configuration.hpp"
#include "core/competition/legacy_files.hpp"
#include "core/context.hpp"
#include "core/output/frame.hpp"
#include "core/output/individual_lists.hpp"
#include "core/output/team_lists.hpp"
#include "core/output/writers.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace wex;

// A text from the input into a fixed field: a NUL-terminated text, or the whole field without a NUL.
template <std::size_t N>
void FillText(FuzzedDataProvider& in, char (&field)[N]) {
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
      break;  // keeps its plausible value
    case 1:
      std::memset(field, in.ConsumeIntegralInRange<int>(0x20, 0xFF), N);
      break;
    default:
      SetFieldText(field, in.ConsumeRandomLengthString(N + 8));
  }
}

// Bytes from the input over a stretch of a record (the rest of the stretch keeps its value).
void FillBytes(FuzzedDataProvider& in, void* where, std::size_t n) {
  const auto bytes = in.ConsumeBytes<std::uint8_t>(n);
  if (!bytes.empty()) std::memcpy(where, bytes.data(), bytes.size());
}

void BuildConfig(FuzzedDataProvider& in, _wettbewerbskonfig& c) {
  std::memcpy(c.kennung, kConfigIdentification, sizeof kConfigIdentification);
  SetFieldText(c.veranstalter,
               "SG Gr\xF6"
               "benried");
  SetFieldText(c.wettbewerb1, "Rundenwettkampf");
  SetFieldText(c.zusatzfeld[0], "Jugend");
  for (int k = 0; k < 4; ++k) SetFieldText(c.klassen[k], "Klasse " + std::to_string(k));
  for (int t = 0; t < 6; ++t) SetFieldText(c.scheiben[t].bezeichnung, "Scheibe " + std::to_string(t));
  c.scheiben[1].teiler = 1;
  c.scheiben[2].zehntel = 1;
  SetFieldText(c.disziplinen[0], "Luftgewehr");

  FillText(in, c.veranstalter);
  FillText(in, c.wettbewerb1);
  FillText(in, c.wettbewerb2);
  FillText(in, c.wettbewerb3);
  for (auto& name : c.zusatzfeld) FillText(in, name);
  for (int k = 0; k < 6; ++k) FillText(in, c.klassen[in.ConsumeIntegralInRange(0, kClassCount - 1)]);
  for (int t = 0; t < 8; ++t) {
    auto& s = c.scheiben[in.ConsumeIntegralInRange(0, kTargetCount - 1)];
    FillText(in, s.bezeichnung);
    s.teiler = in.ConsumeIntegral<std::int8_t>();
    s.zehntel = in.ConsumeIntegral<std::uint8_t>();
  }
  FillText(in, c.hinweistext);
  for (int d = 0; d < 3; ++d) FillText(in, c.disziplinen[in.ConsumeIntegralInRange(0, kDisciplineCount - 1)]);
}

// Small numbers most of the time, so that participants, teams and indexes meet; any value sometimes.
template <typename T>
T Number(FuzzedDataProvider& in, T low, T high) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange<T>(low, high) : in.ConsumeIntegral<T>();
}

void BuildParticipants(FuzzedDataProvider& in, Competition& competition) {
  const int count = in.ConsumeIntegralInRange(0, 12);
  for (int i = 0; i < count && in.remaining_bytes() > 0; ++i) {
    _ergdateilist p{};
    // Every loaded participant has a positive start number; equal numbers can occur.
    p.tlnr = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int16_t>(1, 8)
                              : in.ConsumeIntegralInRange<std::int16_t>(1, INT16_MAX);
    FillText(in, p.name);
    p.disziplin = Number<std::uint8_t>(in, 0, 11);
    p.stammmannschaft = Number<std::int16_t>(in, -1, 5);
    p.klasse = Number<std::int16_t>(in, -1, 16);
    p.zusatz1 = in.ConsumeIntegral<std::uint8_t>();
    p.zusatz2 = in.ConsumeIntegral<std::uint8_t>();
    const int blocks = in.ConsumeIntegralInRange(0, kTargetCount);
    for (int b = 0; b < blocks; ++b) {
      auto& block = p.ergebnisse[in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 5)
                                                  : in.ConsumeIntegralInRange(0, kTargetCount - 1)];
      const int series = in.ConsumeIntegralInRange(0, kSeriesCount);
      for (int s = 0; s < series; ++s) {
        block.serie[s].ganz = Number<std::int16_t>(in, -1, 110);
        block.serie[s].hundertstel = Number<std::int8_t>(in, 0, 99);
      }
      block.markiert = in.ConsumeIntegral<std::uint8_t>();
      block.mannschaftsergebnis = Number<std::int16_t>(in, -1, 1100);
      block.mannschaftsergebnis_markiert = in.ConsumeIntegral<std::uint8_t>();
    }
    competition.participants.push_back(p);
  }
  const int teams = in.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < teams && in.remaining_bytes() > 0; ++i) {
    _stammmannschaften team{};
    team.nummer = Number<std::int16_t>(in, 1, 5);
    if (team.nummer <= 0) team.nummer = 1;  // every loaded home team has a positive number
    FillText(in, team.name);
    competition.homeTeams.push_back(team);
  }
}

void BuildEntry(FuzzedDataProvider& in, _listdat& e) {
  // Selections, kind-independent flags and every per-target setting come straight from the input.
  for (int t = 0; t < 6; ++t) e.scheibe_gewaehlt[t] = e.scheibenliste_auswahl[t] = in.ConsumeBool();
  for (int k = 0; k < 4; ++k) e.klasse_gewaehlt[k] = in.ConsumeBool();
  FillBytes(in, &e.tln_ohne_ergebnis, 1);
  FillBytes(in, e.scheibe_gewaehlt,
            sizeof e.scheibe_gewaehlt + sizeof e.scheibenliste_auswahl + sizeof e.klasse_gewaehlt);
  e.texte_bearbeiten = in.ConsumeIntegral<std::int8_t>();
  FillText(in, e.text1);
  FillText(in, e.text2);
  FillText(in, e.folgeseite);
  FillText(in, e.dateiname);
  auto& ew = e.ew_einstellungen;
  FillBytes(in, ew.ew_sortierung, 4 * kTargetCount);  // sortierung, anzahl, unmarkiert, zeichen
  for (int t = 0; t < 3; ++t) FillText(in, ew.ew_fussnote[in.ConsumeIntegralInRange(0, kTargetCount - 1)]);
  FillBytes(in, ew.ew_zusatzfilter, sizeof ew.ew_zusatzfilter);
  auto& mw = e.mw_einstellungen;
  FillBytes(in, mw.mw_schuetzen, offsetof(_mw_einstellungen, reserved1));
  FillBytes(in, mw.mw_zusatz, sizeof mw.mw_zusatz);
  FillBytes(in, &e.ezw_alt_ring_unmarkiert, sizeof(_listdat) - offsetof(_listdat, ezw_alt_ring_unmarkiert));
}

void BuildConfiguration(FuzzedDataProvider& in, _cnfdat& cnf, const _intdat& intdat) {
  ApplyConfigurationDefaults(cnf, intdat);
  cnf.index_erstellen = in.ConsumeIntegral<std::uint8_t>();
  cnf.auto_seitenwechsel = in.ConsumeIntegral<std::uint8_t>();
  cnf.wechselzeit = Number<std::int32_t>(in, 0, 11);
  cnf.seitenkette = in.ConsumeIntegral<std::uint8_t>();
  cnf.css_upload = in.ConsumeIntegral<std::uint8_t>();
  cnf.auto_scroll = in.ConsumeIntegral<std::uint8_t>();
  cnf.anzeige_tln_ohne_erg = in.ConsumeIntegral<std::uint8_t>();
  cnf.vorname_vor_nachname = in.ConsumeIntegral<std::uint8_t>();
  cnf.upload_aktiv = in.ConsumeIntegral<std::uint8_t>();
  FillText(in, cnf.indexdatei);
  FillText(in, cnf.css_datei);
  FillText(in, cnf.programmtitel);
  FillText(in, cnf.upload_server);
  FillText(in, cnf.upload_verzeichnis);
}

void CheckText(const std::string& text) {
  if (text.find('\0') != std::string::npos) fuzz::Fail("a list text holds a NUL");
}

// A finished HTML page declares UTF-8 and must be it, whatever bytes the data held.
void CheckUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t n = c < 0x80             ? 1
                          : (c & 0xE0) == 0xC0 ? 2
                          : (c & 0xF0) == 0xE0 ? 3
                          : (c & 0xF8) == 0xF0 ? 4
                                               : 0;
    if (n == 0 || i + n > text.size()) fuzz::Fail("a finished page is not UTF-8");
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
        fuzz::Fail("a finished page is not UTF-8");
    i += n;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::ScratchScope scratch;
  FuzzedDataProvider in(data, size);
  fuzz::SilentUserInterface ui;
  platform::FixedClock clock(platform::LocalTime{2026, 12, 9, 7, 5, 9});
  Context ctx(ui, clock);
  ctx.intdat.startverzeichnis = fuzz::ScratchFolder().string();
  ctx.intdat.generierungszaehler = Number<int>(in, 0, 100);

  BuildConfig(in, ctx.competition.config);
  BuildParticipants(in, ctx.competition);
  _listdat entry{};
  BuildEntry(in, entry);
  BuildConfiguration(in, ctx.cnf, ctx.intdat);
  ctx.rowClassToggle = in.ConsumeIntegral<int>();

  using Writer = std::string (*)(Context&, _listdat);
  constexpr Writer kWriters[] = {WriteUnsortedList,    WriteParticipationList, WriteStandardList,
                                 WriteAlternatingList, WriteDsbList,           WriteTeamList};
  const std::int8_t formats[] = {0, 1, 2, 3, static_cast<std::int8_t>(in.ConsumeIntegral<std::int8_t>())};
  std::string bodies[3];  // unframed HTML, text, LaTeX: the body of a complete output
  for (int kind = 0; kind < 6; ++kind) {
    for (std::int8_t format : formats) {
      for (std::int8_t ohneRahmen : {0, 1}) {
        entry.art = static_cast<std::int8_t>(kind);
        entry.format = format;
        entry.ohne_rahmen = ohneRahmen;
        const std::string text = kWriters[kind](ctx, entry);
        CheckText(text);
        if (format <= 0 && !ohneRahmen) CheckUtf8(text);
        if (ohneRahmen && format >= 0 && format <= 2) bodies[format] += text;
      }
    }
  }
  // The dispatch by kind, with a kind and format from the input (kinds without a writer give nothing).
  entry.art = in.ConsumeIntegral<std::int8_t>();
  entry.format = in.ConsumeIntegral<std::int8_t>();
  const std::string dispatched = WriteList(ctx, entry);
  CheckText(dispatched);
  if (!HasListWriter(entry.art) && !dispatched.empty()) fuzz::Fail("a kind without a writer gave a list");

  for (int form = 0; form <= 4; ++form) {
    CheckText(OutputHead(ctx, form));
    const std::string complete = OutputFoot(ctx, form, bodies[(form + 2) % 3]);
    CheckText(complete);
    if (form == 1) CheckUtf8(complete);
  }
  return 0;
}
