// One generation run into the output folder, and the complete output of all marked lists in one document.
#include "core/output/generation.hpp"

#include "core/competition/fixed_text.hpp"
#include "core/competition/load.hpp"
#include "core/format.hpp"
#include "core/output/companion_files.hpp"
#include "core/output/frame.hpp"
#include "core/output/writers.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"
#include "core/ranking/participation.hpp"

namespace wex {
namespace {

constexpr const char* kLogoFile = "Logo.png";

bool Marked(const _listdat& entry) { return entry.markiert != 0; }

bool LoadForCompleteOutput(Context& ctx) {
  return LoadCompetitionData(ctx.competition, ctx.ui, std::string(FieldText(ctx.cnf.datenpfad)),
                             ctx.cnf.vorname_vor_nachname != 0);
}

}  // namespace

int GenerateEntries(Context& ctx) {
  int failures = 0;
  for (std::size_t i = 0; i < ctx.actions.entries.size(); ++i) {
    const _listdat& stored = ctx.actions.entries[i];
    if (!Marked(stored) || !HasListWriter(stored.art)) continue;
    const _listdat entry = stored;  // the writer works on a copy
    if (!WriteTextFile(std::string(FieldText(entry.dateiname)), WriteList(ctx, entry))) ++failures;
  }
  return failures;
}

bool GenerateAll(Context& ctx, const UploadHook& upload) {
  const std::string outputFolder(FieldText(ctx.cnf.ausgabepfad));
  const auto inOutput = [&](std::string_view name) { return platform::JoinPath(outputFolder, name); };
  const _intdat& intdat = ctx.intdat;

  int failures = 0;
  {
    platform::BusyPhase busy(ctx.ui);
    // Failures of the companion files are not reported: the lists are what the user waits for.
    CopyCompanionFile(platform::JoinPath(intdat.startverzeichnis, kLogoFile), inOutput(kLogoFile));
    CopyCompanionFile(platform::JoinPath(intdat.startverzeichnis, intdat.infoseite),
                      inOutput(intdat.infoseite));
    CopyStyleSheet(ctx);
    if (ctx.cnf.index_erstellen != 0) {
      ctx.intdat.tln_ohne_ergebnis = CountWithoutResult(ctx.competition);
      WriteIndexPage(ctx, inOutput(FieldText(ctx.cnf.indexdatei)));
      WriteRefreshCounter(ctx, inOutput(intdat.refreshdatei));
    }
    SetNextPages(ctx);
    // The script is written once; afterwards it is the user's to adapt.
    if (!platform::CanOpenForReading(inOutput(intdat.scriptdatei)))
      WriteScriptFile(inOutput(intdat.scriptdatei));
    failures = GenerateEntries(ctx);
    if (failures == 0) {
      // Open pages reload when they see the new counter.
      WriteRefreshCounter(ctx, inOutput(intdat.refreshdatei));
      WriteInfoPage(ctx, inOutput(intdat.infoseite));
    }
  }
  if (failures > 0) {
    ctx.ui.ShowMessage(
        Sprintf("Fehler beim Erstellen der Datei(en)!\n%s\nZielpfad prüfen!"_w, outputFolder.c_str()),
        "Fehler", platform::MessageIcon::Error, platform::MessageButtons::Ok);
    return false;
  }
  if (ctx.cnf.upload_aktiv != 0 && upload) upload();
  ++ctx.intdat.generierungszaehler;
  return true;
}

std::string CompleteBody(Context& ctx, std::string head, int form) {
  for (std::size_t i = 0; i < ctx.actions.entries.size(); ++i) {
    const _listdat& stored = ctx.actions.entries[i];
    if (!Marked(stored) || !HasListWriter(stored.art)) continue;
    _listdat entry = stored;
    // One frame and one entity conversion for the whole document.
    entry.ohne_rahmen = 1;
    entry.format = static_cast<std::int8_t>(form - 1);
    head += WriteList(ctx, entry);
  }
  return head;
}

int CompleteOutputForm(int filterIndex) { return filterIndex == 1 || filterIndex == 3 ? filterIndex : 2; }

std::string CompleteOutputFileName(const std::string& chosenFileName, int filterIndex) {
  const int form = CompleteOutputForm(filterIndex);
  const char* extension = form == 1 ? "html" : form == 3 ? "tex" : "txt";
  const std::size_t nameStart = platform::FolderPart(chosenFileName).size();
  const std::size_t dot = chosenFileName.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return chosenFileName + "." + extension;
  return chosenFileName.substr(0, dot + 1) + extension;
}

bool SaveCompleteOutput(Context& ctx, const std::string& chosenFileName, int filterIndex) {
  const int form = CompleteOutputForm(filterIndex);
  const std::string fileName = CompleteOutputFileName(chosenFileName, filterIndex);
  std::string text;
  {
    platform::BusyPhase busy(ctx.ui);
    SetFieldText(ctx.cnf.export_verzeichnis, platform::FolderPart(fileName));
    text = OutputHead(ctx, form);
    // A failed load has told the user; the document then keeps only head and foot.
    if (LoadForCompleteOutput(ctx)) text = CompleteBody(ctx, std::move(text), form);
    text = OutputFoot(ctx, form, std::move(text));
  }
  if (WriteTextFile(fileName, text)) {
    ctx.ui.ShowMessage(Sprintf("Datei \n%s\nerfolgreich gespeichert!", fileName.c_str()), "Meldung",
                       platform::MessageIcon::Information, platform::MessageButtons::Ok);
    return true;
  }
  platform::ShowError(ctx.ui, Sprintf("Datei \n%s\nkonnte nicht gespeichert werden!", fileName.c_str()));
  return false;
}

std::string CopyCompleteOutput(Context& ctx) {
  platform::BusyPhase busy(ctx.ui);
  std::string text = OutputHead(ctx, 2);
  if (LoadForCompleteOutput(ctx)) text = CompleteBody(ctx, std::move(text), 2);
  return OutputFoot(ctx, 2, std::move(text));
}

}  // namespace wex
