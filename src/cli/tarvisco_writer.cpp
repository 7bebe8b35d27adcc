// Tarvisco's files written byte for byte, and its database written through SQLite.
#include "cli/tarvisco_writer.hpp"

#include <sqlite3.h>

#include <cstdint>
#include <cstring>
#include <filesystem>

#include "core/competition/database.hpp"
#include "core/competition/legacy_files.hpp"
#include "core/platform/files.hpp"

namespace wex::cli {
namespace {

void PutInt16(std::string& bytes, std::size_t offset, int value) {
  const auto v = static_cast<std::uint16_t>(value);
  bytes[offset] = static_cast<char>(v & 0xFF);
  bytes[offset + 1] = static_cast<char>(v >> 8);
}

// The text in a field of width bytes: NUL-terminated when shorter, cut and without NUL when not.
void PutText(std::string& bytes, std::size_t offset, std::size_t width, const std::string& text) {
  bytes.replace(offset, std::min(width, text.size()), text.substr(0, width));
}

bool InRange(int target, int series) {
  return target >= 0 && target < kTargetCount && series >= 0 && series < kSeriesCount;
}

bool WriteConfig(const CompetitionDescription& competition, const std::string& folder) {
  _wettbewerbskonfig config = competition.config;
  std::memcpy(config.kennung, kConfigIdentification, sizeof config.kennung);
  return platform::WriteFileReplacing(platform::JoinPath(folder, "WEXCONFG.WID"),
                                      std::string(reinterpret_cast<const char*>(&config), sizeof config),
                                      false);
}

bool WriteLegacyFiles(const CompetitionDescription& competition, const std::string& folder) {
  constexpr std::size_t size = kLegacyParticipantRecordSize;
  std::string index, records;
  for (const auto& p : competition.participants) {
    index.append(2, '\0');
    PutInt16(index, index.size() - 2, p.tlnr);
    if (p.tlnr <= 0) continue;
    const std::size_t at = static_cast<std::size_t>(p.tlnr - 1) * size;
    if (records.size() < at + size) records.resize(at + size, '\0');
    std::string record(size, '\0');
    PutInt16(record, 0, p.tlnr);
    PutText(record, 3, 30, p.rawName);
    PutInt16(record, 33, p.stammmannschaft);
    record[35] = static_cast<char>(p.disziplin);
    PutInt16(record, 36, p.klasse);
    record[149] = static_cast<char>(p.zusatz1);
    record[150] = static_cast<char>(p.zusatz2);
    const auto block = [](int target) { return 151 + static_cast<std::size_t>(target) * 64; };
    for (const auto& s : p.series) {
      if (!InRange(s.target, s.series)) continue;
      const std::size_t at3 = block(s.target) + 3 * static_cast<std::size_t>(s.series);
      PutInt16(record, at3, s.value / 100);
      record[at3 + 2] = static_cast<char>(s.value % 100);
      record[block(s.target) + 60] = static_cast<char>(s.mark);
    }
    for (const auto& t : p.teamResults) {
      if (!InRange(t.target, 0)) continue;
      PutInt16(record, block(t.target) + 61, t.tenths / 10);  // whole rings in the file
      record[block(t.target) + 63] = static_cast<char>(t.mark);
    }
    records.replace(at, size, record);
  }

  std::string teams;
  for (const auto& team : competition.homeTeams) {
    std::string record(kLegacyHomeTeamRecordSize, '\0');
    PutInt16(record, 0, team.nummer);
    PutText(record, 2, 39, team.name);
    teams += record;
  }
  return platform::WriteFileReplacing(platform::JoinPath(folder, "WEXINDEX.WID"), index, false) &&
         platform::WriteFileReplacing(platform::JoinPath(folder, "WEXTLERG.WID"), records, false) &&
         platform::WriteFileReplacing(platform::JoinPath(folder, "WEXSTMSC.WID"), teams, false);
}

// A prepared statement that binds its parameters in order and runs once per Run().
class Insert {
 public:
  Insert(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Insert() { sqlite3_finalize(stmt_); }
  Insert(const Insert&) = delete;
  Insert& operator=(const Insert&) = delete;

  template <typename... Values>
  bool Run(const Values&... values) {
    if (!stmt_) return false;
    int i = 0;
    (Bind(++i, values), ...);
    const bool done = sqlite3_step(stmt_) == SQLITE_DONE;
    sqlite3_reset(stmt_);
    return done;
  }

 private:
  void Bind(int i, int value) { sqlite3_bind_int(stmt_, i, value); }
  void Bind(int i, const std::string& value) {
    sqlite3_bind_text(stmt_, i, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
  }
  sqlite3_stmt* stmt_ = nullptr;
};

constexpr const char* kSchema =
    "CREATE TABLE Tln (Tlnr INTEGER, Startnummer INTEGER, Name TEXT, Stammmannschaft INTEGER,"
    " Disziplin INTEGER, Klasse INTEGER, Geburtsjahr INTEGER, Geschlecht TEXT, Strasse TEXT, Ort TEXT,"
    " Telefon TEXT, Bemerkung TEXT, Status INTEGER, Zusatz1 INTEGER, Zusatz2 INTEGER);"
    "CREATE TABLE TlnEergSerie (Tlnr INTEGER, Scheibe INTEGER, Serie INTEGER, Wert INTEGER, Markiert "
    "INTEGER);"
    "CREATE TABLE TlnMerg (Tlnr INTEGER, Scheibe INTEGER, Ergebnis INTEGER, Markiert INTEGER);"
    "CREATE TABLE Stmsch (Nummer INTEGER, Name TEXT);";

bool FillDatabase(sqlite3* db, const CompetitionDescription& competition) {
  // One transaction for everything: one write to the disk instead of one per row.
  if (sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
  bool ok = sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK;
  {
    Insert tln(
        db,
        "INSERT INTO Tln (Tlnr, Startnummer, Name, Stammmannschaft, Disziplin, Klasse, Zusatz1, Zusatz2)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?);");
    Insert series(db, "INSERT INTO TlnEergSerie VALUES (?, ?, ?, ?, ?);");
    Insert team(db, "INSERT INTO TlnMerg VALUES (?, ?, ?, ?);");
    Insert homeTeam(db, "INSERT INTO Stmsch VALUES (?, ?);");
    for (const auto& p : competition.participants) {
      ok = ok &&
           tln.Run(p.tlnr, p.tlnr, p.rawName, p.stammmannschaft, p.disziplin, p.klasse, p.zusatz1, p.zusatz2);
      for (const auto& s : p.series) ok = ok && series.Run(p.tlnr, s.target, s.series, s.value, s.mark);
      for (const auto& t : p.teamResults) ok = ok && team.Run(p.tlnr, t.target, t.tenths, t.mark);
    }
    for (const auto& t : competition.homeTeams) ok = ok && homeTeam.Run(t.nummer, t.name);
  }
  return sqlite3_exec(db, ok ? "COMMIT;" : "ROLLBACK;", nullptr, nullptr, nullptr) == SQLITE_OK && ok;
}

bool WriteDatabase(const CompetitionDescription& competition, const std::string& folder) {
  const std::filesystem::path file = platform::JoinPath(folder, kDatabaseFileName);
  std::error_code ec;
  std::filesystem::remove(file, ec);
  sqlite3* db = nullptr;
  const bool opened = sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                      nullptr) == SQLITE_OK;
  const bool ok = opened && FillDatabase(db, competition);
  sqlite3_close(db);
  return ok;
}

}  // namespace

bool WriteTarviscoFolder(const CompetitionDescription& competition, const std::string& folder,
                         DataSource source) {
  if (!WriteConfig(competition, folder)) return false;
  return source == DataSource::LegacyFiles ? WriteLegacyFiles(competition, folder)
                                           : WriteDatabase(competition, folder);
}

}  // namespace wex::cli
