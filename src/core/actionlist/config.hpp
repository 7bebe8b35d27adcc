// The program configuration _cnfdat (stored byte for byte as WexPlakard.kfg) and the run-time record _intdat.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace wex {

#pragma pack(push, 1)

struct _cnfdat {
  char kennung[50];                // "WexPlakard_CnfDat_V0505"
  std::uint8_t reserved_50[106];
  std::int32_t timer_sekunden;     // timer period in seconds (the user enters minutes)
  char datenpfad[500];             // Tarvisco's data folder
  std::uint32_t datenzeit_low;     // last-write time of the competition data at the last timed run:
  std::uint32_t datenzeit_high;    // a Windows file time, low 32 bits first
  char ausgabepfad[500];           // output folder
  char indexdatei[100];            // file name of the index page
  std::int8_t timer_ein;
  std::int8_t index_erstellen;
  char css_datei[450];             // full path of the active style sheet; empty = none
  std::int8_t auto_seitenwechsel;
  std::uint8_t reserved_1721[3];
  std::int32_t wechselzeit;        // page change time in minutes, 1 ... 10
  char programmtitel[50];
  std::int8_t seitenkette;         // chain the pages
  std::int8_t css_upload;
  std::int8_t auto_scroll;
  std::int8_t anzeige_tln_ohne_erg;
  std::uint8_t reserved_1782[6];
  std::int8_t vorname_vor_nachname;
  std::uint8_t reserved_1789[51];
  char upload_benutzer[30];
  char upload_passwort[30];
  char upload_server[30];
  char upload_verzeichnis[500];
  std::int8_t upload_aktiv;
  char export_verzeichnis[500];
  std::uint8_t reserved_2931;
};

#pragma pack(pop)

static_assert(sizeof(_cnfdat) == 2932);
static_assert(offsetof(_cnfdat, timer_sekunden) == 156);
static_assert(offsetof(_cnfdat, datenpfad) == 160);
static_assert(offsetof(_cnfdat, datenzeit_low) == 660);
static_assert(offsetof(_cnfdat, ausgabepfad) == 668);
static_assert(offsetof(_cnfdat, indexdatei) == 1168);
static_assert(offsetof(_cnfdat, timer_ein) == 1268);
static_assert(offsetof(_cnfdat, index_erstellen) == 1269);
static_assert(offsetof(_cnfdat, css_datei) == 1270);
static_assert(offsetof(_cnfdat, auto_seitenwechsel) == 1720);
static_assert(offsetof(_cnfdat, wechselzeit) == 1724);
static_assert(offsetof(_cnfdat, programmtitel) == 1728);
static_assert(offsetof(_cnfdat, seitenkette) == 1778);
static_assert(offsetof(_cnfdat, css_upload) == 1779);
static_assert(offsetof(_cnfdat, auto_scroll) == 1780);
static_assert(offsetof(_cnfdat, anzeige_tln_ohne_erg) == 1781);
static_assert(offsetof(_cnfdat, vorname_vor_nachname) == 1788);
static_assert(offsetof(_cnfdat, upload_benutzer) == 1840);
static_assert(offsetof(_cnfdat, upload_passwort) == 1870);
static_assert(offsetof(_cnfdat, upload_server) == 1900);
static_assert(offsetof(_cnfdat, upload_verzeichnis) == 1930);
static_assert(offsetof(_cnfdat, upload_aktiv) == 2430);
static_assert(offsetof(_cnfdat, export_verzeichnis) == 2431);

inline std::uint64_t DatenZeit(const _cnfdat& c) {
  return (static_cast<std::uint64_t>(c.datenzeit_high) << 32) | c.datenzeit_low;
}
inline void SetDatenZeit(_cnfdat& c, std::uint64_t fileTime) {
  c.datenzeit_low = static_cast<std::uint32_t>(fileTime & 0xFFFFFFFFu);
  c.datenzeit_high = static_cast<std::uint32_t>(fileTime >> 32);
}

// Run-time values fixed at start (SetStartValues) and changed while the program runs.
struct _intdat {
  std::string startverzeichnis;       // the process's current directory at start
  std::string konfigurationsdatei;    // start directory + "WexPlakard.kfg"
  std::string hilfedatei;             // start directory + "WexPlakard.chm"
  std::string letzte_liste;           // start directory + "Plakard.plk", the working action list
  std::string listenkennung;          // header text of action list files (Windows-1252)
  std::string scriptdatei = "Plakard.js";
  std::string refreshdatei = "Refreshindex.txt";
  std::string infoseite = "groebenfalter.html";
  std::string datenbankdatei = "tarvisco.db";
  std::string protokolldatei = "TlnProtokoll.csv";
  int generierungszaehler = 1;        // generation counter
  bool generierung_erzwingen = true;  // force-generation flag: the first timer tick generates anyway
  bool datentest_aus = false;         // skip-data-test flag ("nicht auf neue Daten testen"); not stored
  int tln_ohne_ergebnis = 0;          // participants without result, counted before the index page
};

}  // namespace wex
