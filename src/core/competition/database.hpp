// Tarvisco's database tarvisco.db: opening it read-only and reading the competition from it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/competition/model.hpp"

struct sqlite3;

namespace wex {

inline constexpr char kDatabaseFileName[] = "tarvisco.db";

// True when tarvisco.db in dataFolder can be opened for reading (it is closed again at once).
bool DatabaseExists(const std::string& dataFolder);

// C-style decimal conversion of a database text: leading blanks, an optional sign, then digits; anything
// else gives 0. Numbers beyond the int range saturate at its ends instead of overflowing.
int DecimalValue(std::string_view text);

// A whole statement result as texts, the way sqlite3_get_table delivers it (column names left out).
// Reading past the last column, or a NULL, gives empty text and 0.
class TextTable {
 public:
  TextTable(int rows, int columns, std::vector<std::optional<std::string>> cells)
      : rows_(rows), columns_(columns), cells_(std::move(cells)) {}
  int rows() const { return rows_; }
  int columns() const { return columns_; }
  std::string_view Text(int row, int column) const;
  int Int(int row, int column) const { return DecimalValue(Text(row, column)); }

 private:
  int rows_;
  int columns_;
  std::vector<std::optional<std::string>> cells_;  // data rows only, row by row
};

// One read-only connection to tarvisco.db; closed when it goes out of scope (or by Close()).
class TarviscoDatabase {
 public:
  // Nothing at once when the file does not exist (nothing is ever created); otherwise up to 3 attempts,
  // waiting 200 ms after each failed one (after the third too).
  static std::optional<TarviscoDatabase> OpenDatabase(const std::string& dataFolder);

  // The attempts of OpenDatabase without the existence test: a file that vanished meanwhile is not
  // created, since the connection is read-only.
  static std::optional<TarviscoDatabase> OpenWithRetries(const std::filesystem::path& file);

  TarviscoDatabase(TarviscoDatabase&& other) noexcept;
  TarviscoDatabase& operator=(TarviscoDatabase&& other) noexcept;
  TarviscoDatabase(const TarviscoDatabase&) = delete;
  TarviscoDatabase& operator=(const TarviscoDatabase&) = delete;
  ~TarviscoDatabase();

  // Runs one statement with up to 10 immediate attempts (each may wait up to 200 ms while Tarvisco
  // writes); nothing when all fail or the connection is closed.
  std::optional<TextTable> Query(const std::string& statement);

  void Close();
  bool IsOpen() const { return handle_ != nullptr; }

 private:
  explicit TarviscoDatabase(sqlite3* handle) : handle_(handle) {}
  sqlite3* handle_;
};

// True when tarvisco.db exists in dataFolder and can be opened; the connection is closed again at once.
// The generation timer uses it to choose the file it watches.
bool DatabaseCanBeOpened(const std::string& dataFolder);

// Appends the participants (ascending number) and home teams of the database to the (emptied) lists and
// closes the connection. A participant whose team-counting results cannot be read is left out; one whose
// series cannot be read keeps empty results. Rows naming a target outside 0 ... 49 or a series outside
// 0 ... 19 are skipped; klasse and disziplin are kept as they come (see ClassSlot, DisciplineSlot).
void ReadDatabase(Competition& competition, TarviscoDatabase& database, bool firstNameFirst);

}  // namespace wex
