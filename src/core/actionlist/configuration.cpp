// Start values, and reading, defaulting and writing the program configuration WexPlakard.kfg.
#include "core/actionlist/configuration.hpp"

#include <cstring>

#include "core/competition/fixed_text.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex {

void SetStartValues(_intdat& intdat, const std::string& startDirectory) {
  intdat.startverzeichnis = startDirectory;
  intdat.konfigurationsdatei = platform::JoinPath(startDirectory, "WexPlakard.kfg");
  intdat.hilfedatei = platform::JoinPath(startDirectory, "WexPlakard.chm");
  intdat.letzte_liste = platform::JoinPath(startDirectory, "Plakard.plk");
  intdat.listenkennung = "Aktionliste für WexPlakard.exe von Gröbenfalter V0505"_w;
  intdat.scriptdatei = "Plakard.js";
  intdat.refreshdatei = "Refreshindex.txt";
  intdat.infoseite = "groebenfalter.html";
  intdat.datenbankdatei = "tarvisco.db";
  intdat.protokolldatei = "TlnProtokoll.csv";
  intdat.generierungszaehler = 1;
  intdat.generierung_erzwingen = true;
}

bool ReadConfiguration(_cnfdat& cnf, const std::string& path) {
  if (!platform::CanOpenForReading(path)) return false;
  const auto bytes = platform::ReadFileBytes(path, sizeof(_cnfdat));
  if (!bytes) return false;
  // The bytes go into the record before the check: an older file keeps its values in the fields the
  // defaults do not touch.
  std::memcpy(&cnf, bytes->data(), bytes->size());
  return FieldText(cnf.kennung) == kConfigurationKennung;
}

void ApplyConfigurationDefaults(_cnfdat& cnf, const _intdat& intdat) {
  SetFieldText(cnf.kennung, kConfigurationKennung);
  cnf.timer_sekunden = 60;
  SetFieldText(cnf.datenpfad, intdat.startverzeichnis);
  SetFieldText(cnf.ausgabepfad, intdat.startverzeichnis);
  SetFieldText(cnf.indexdatei, "WexIndex.html");
  cnf.timer_ein = 0;
  cnf.index_erstellen = 1;
  SetFieldText(cnf.css_datei, "");
  cnf.auto_seitenwechsel = 0;
  cnf.auto_scroll = 0;
  SetFieldText(cnf.programmtitel, "Plakard 1");
}

bool WriteConfiguration(const _cnfdat& cnf, const std::string& path) {
  platform::MakeOwnerWritable(path);
  return platform::WriteFileReplacing(path, std::string_view(reinterpret_cast<const char*>(&cnf), sizeof cnf),
                                      /*keepReadOnly=*/false);
}

void SetDataFolder(_cnfdat& cnf, std::string_view folder) { SetFieldText(cnf.datenpfad, folder); }
void SetOutputFolder(_cnfdat& cnf, std::string_view folder) { SetFieldText(cnf.ausgabepfad, folder); }
void SetIndexFileName(_cnfdat& cnf, std::string_view name) { SetFieldText(cnf.indexdatei, name); }
void SetStyleSheetPath(_cnfdat& cnf, std::string_view path) { SetFieldText(cnf.css_datei, path); }
void SetProgramTitle(_cnfdat& cnf, std::string_view title) { SetFieldText(cnf.programmtitel, title); }

void SetUploadAccount(_cnfdat& cnf, std::string_view user, std::string_view password,
                      std::string_view server) {
  SetFieldText(cnf.upload_benutzer, user);
  SetFieldText(cnf.upload_passwort, password);
  SetFieldText(cnf.upload_server, server);
}

void SetUploadDirectory(_cnfdat& cnf, std::string_view directory) {
  SetFieldText(cnf.upload_verzeichnis, directory);
}
void SetExportFolder(_cnfdat& cnf, std::string_view folder) { SetFieldText(cnf.export_verzeichnis, folder); }

}  // namespace wex
