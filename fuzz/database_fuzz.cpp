// Fuzzes the database reader with real tarvisco.db files: the input describes the four tables (how many
// columns, which rows, each cell a NULL, a number of any size, a text, a real or a blob), the harness
// builds the file with SQLite and loads the folder in both name orders.
#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>

#include <cstring>

#include "core/competition/legacy_files.hpp"
#include "core/competition/load.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace wex;

struct TableShape {
  const char* name;
  int columns;  // the columns the reader expects
  int maxRows;
  bool numberedByParticipant;  // the first column is Tlnr, which the statements select by
};

constexpr TableShape kTables[] = {
    {"Tln", 15, 12, true},
    {"TlnEergSerie", 5, 40, true},
    {"TlnMerg", 4, 20, true},
    {"Stmsch", 2, 8, false},
};

void Execute(sqlite3* db, const std::string& sql) {
  sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

void BindCell(FuzzedDataProvider& in, sqlite3_stmt* insert, int column) {
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
      sqlite3_bind_null(insert, column);
      break;
    case 1:  // numbers near the ranges that are used as indexes
      sqlite3_bind_int(insert, column, in.ConsumeIntegralInRange(-3, 60));
      break;
    case 2:
      sqlite3_bind_int64(insert, column, in.ConsumeIntegral<std::int64_t>());
      break;
    case 3: {
      const std::string text = in.ConsumeRandomLengthString(80);
      sqlite3_bind_text(insert, column, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
    case 4:
      sqlite3_bind_double(insert, column, in.ConsumeFloatingPoint<double>());
      break;
    case 5: {
      const std::string blob = in.ConsumeRandomLengthString(40);
      sqlite3_bind_blob(insert, column, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
      break;
    }
    case 6: {  // a number text beyond every integer type, with a sign and leading blanks
      const std::string text =
          (in.ConsumeBool() ? " -" : "  ") + std::string(in.ConsumeIntegralInRange(1, 40), '9');
      sqlite3_bind_text(insert, column, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
    default:  // participant numbers that exist, so that result rows find their participant
      sqlite3_bind_int(insert, column, in.ConsumeIntegralInRange(1, 4));
      break;
  }
}

void BuildTable(FuzzedDataProvider& in, sqlite3* db, const TableShape& shape) {
  // 0 columns: the table is missing; fewer than expected: the reader runs past the last column.
  const int columns = in.ConsumeIntegralInRange(0, shape.columns + 1);
  if (columns == 0) return;
  std::string create = "CREATE TABLE " + std::string(shape.name) + " (";
  for (int c = 0; c < columns; ++c) {
    if (c > 0) create += ", ";
    // Without a Tlnr column the participant statements fail.
    create += c == 0 && shape.numberedByParticipant && in.ConsumeIntegralInRange(0, 15) != 0
                  ? "Tlnr INTEGER"
                  : "c" + std::to_string(c);
  }
  Execute(db, create + ");");

  std::string sql = "INSERT INTO " + std::string(shape.name) + " VALUES (";
  for (int c = 0; c < columns; ++c) sql += c == 0 ? "?" : ", ?";
  sql += ");";
  sqlite3_stmt* insert = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &insert, nullptr) != SQLITE_OK) return;
  const int rows = in.ConsumeIntegralInRange(0, shape.maxRows);
  for (int r = 0; r < rows && in.remaining_bytes() > 0; ++r) {
    for (int c = 1; c <= columns; ++c) BindCell(in, insert, c);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
}

void BuildDatabase(FuzzedDataProvider& in, const std::string& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) fuzz::Fail("cannot create the database");
  Execute(db, "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF; BEGIN;");
  for (const auto& shape : kTables) BuildTable(in, db, shape);
  Execute(db, "COMMIT;");
  sqlite3_close(db);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::ScratchScope scratch;
  const auto& folder = fuzz::ScratchFolder();
  fuzz::WriteBytes(folder / "WEXCONFG.WID",
                   std::string_view(kConfigIdentification, sizeof kConfigIdentification));

  FuzzedDataProvider in(data, size);
  const auto path = folder / "tarvisco.db";
  if (in.ConsumeIntegralInRange(0, 15) == 0)
    fuzz::WriteBytes(path, in.ConsumeRemainingBytesAsString());  // a file that is no database, or a torn one
  else
    BuildDatabase(in, path.string());

  for (bool firstNameFirst : {false, true}) {
    fuzz::SilentUserInterface ui;
    Competition competition;
    if (!LoadCompetitionData(competition, ui, folder.string(), firstNameFirst)) fuzz::Fail("load failed");
    if (ui.messages != 0 || ui.busy != 0) fuzz::Fail("message or unbalanced busy phase");
    for (const auto& p : competition.participants) {
      if (p.tlnr <= 0) fuzz::Fail("participant without a positive number");
      if (!std::memchr(p.name, '\0', sizeof p.name)) fuzz::Fail("display name without NUL in its field");
      for (const auto& block : p.ergebnisse)
        for (const auto& s : block.serie)
          if (s.hundertstel <= -100 || s.hundertstel >= 100) fuzz::Fail("hundredths outside -99 ... 99");
    }
    for (const auto& t : competition.homeTeams) {
      if (t.nummer <= 0) fuzz::Fail("home team without a positive number");
      if (!std::memchr(t.name, '\0', sizeof t.name)) fuzz::Fail("home-team name without NUL in its field");
    }
  }
  return 0;
}
