// Reading tarvisco.db with four fixed SELECT statements; the database is never written or created.
#include "core/competition/database.hpp"

#include <sqlite3.h>

#include <chrono>
#include <climits>
#include <thread>

#include "core/competition/display_name.hpp"
#include "core/format.hpp"
#include "core/platform/files.hpp"

namespace wex {
namespace {

constexpr int kOpenAttempts = 3;
constexpr auto kOpenRetryWait = std::chrono::milliseconds(200);
constexpr int kQueryAttempts = 10;
// Lets a write by Tarvisco finish instead of failing the attempt at once.
constexpr int kBusyTimeoutMs = 200;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

template <typename T>
T Truncated(int value) {
  return static_cast<T>(value);  // keeps the low bytes, as storing into a narrower field does
}

}  // namespace

bool DatabaseExists(const std::string& dataFolder) {
  return platform::CanOpenForReading(platform::JoinPath(dataFolder, kDatabaseFileName));
}

int DecimalValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

std::string_view TextTable::Text(int row, int column) const {
  // An empty literal rather than a default view: its data pointer is never null.
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return "";
  const auto& cell = cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                            static_cast<std::size_t>(column)];
  return cell ? std::string_view(*cell) : std::string_view("");
}

std::optional<TarviscoDatabase> TarviscoDatabase::OpenDatabase(const std::string& dataFolder) {
  const std::filesystem::path file = platform::JoinPath(dataFolder, kDatabaseFileName);
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return std::nullopt;
  return OpenWithRetries(file);
}

std::optional<TarviscoDatabase> TarviscoDatabase::OpenWithRetries(const std::filesystem::path& file) {
  const std::string name = file.string();
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(name.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
      sqlite3_busy_timeout(handle, kBusyTimeoutMs);
      return TarviscoDatabase(handle);
    }
    // A failed open still hands out a handle that must be released.
    sqlite3_close(handle);
    std::this_thread::sleep_for(kOpenRetryWait);
  }
  return std::nullopt;
}

TarviscoDatabase::TarviscoDatabase(TarviscoDatabase&& other) noexcept : handle_(other.handle_) {
  other.handle_ = nullptr;
}

TarviscoDatabase& TarviscoDatabase::operator=(TarviscoDatabase&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = nullptr;
  }
  return *this;
}

TarviscoDatabase::~TarviscoDatabase() { Close(); }

void TarviscoDatabase::Close() {
  if (handle_) sqlite3_close(handle_);
  handle_ = nullptr;
}

std::optional<TextTable> TarviscoDatabase::Query(const std::string& statement) {
  if (!handle_) return std::nullopt;
  for (int attempt = 0; attempt < kQueryAttempts; ++attempt) {
    char** result = nullptr;
    int rows = 0, columns = 0;
    if (sqlite3_get_table(handle_, statement.c_str(), &result, &rows, &columns, nullptr) != SQLITE_OK) {
      sqlite3_free_table(result);
      continue;
    }
    std::vector<std::optional<std::string>> cells;
    cells.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    // The first row of the result holds the column names.
    for (int i = columns; i < (rows + 1) * columns; ++i) {
      if (result[i])
        cells.emplace_back(result[i]);
      else
        cells.emplace_back(std::nullopt);
    }
    sqlite3_free_table(result);
    return TextTable(rows, columns, std::move(cells));
  }
  return std::nullopt;
}

bool DatabaseCanBeOpened(const std::string& dataFolder) {
  return TarviscoDatabase::OpenDatabase(dataFolder).has_value();
}

void ReadDatabase(Competition& competition, TarviscoDatabase& database, bool firstNameFirst) {
  if (const auto tln = database.Query("SELECT * FROM Tln ORDER BY Tlnr ASC;")) {
    for (int row = 0; row < tln->rows(); ++row) {
      const int number = tln->Int(row, 0);
      _ergdateilist p{};
      p.tlnr = Truncated<std::int16_t>(number);
      // The number must stay positive in the record too, or the participant would be no participant.
      if (number <= 0 || p.tlnr <= 0) continue;
      SetFieldText(p.name, FormatDisplayName(firstNameFirst, tln->Text(row, 2)));
      p.stammmannschaft = Truncated<std::int16_t>(tln->Int(row, 3));
      p.disziplin = Truncated<std::uint8_t>(tln->Int(row, 4));
      p.klasse = Truncated<std::int16_t>(tln->Int(row, 5));
      p.zusatz1 = Truncated<std::uint8_t>(tln->Int(row, 13));
      p.zusatz2 = Truncated<std::uint8_t>(tln->Int(row, 14));

      if (const auto series =
              database.Query(Sprintf("SELECT * FROM TlnEergSerie WHERE Tlnr= \"%d\";", number))) {
        for (int r = 0; r < series->rows(); ++r) {
          const int t = series->Int(r, 1), s = series->Int(r, 2);
          if (t < 0 || t >= kTargetCount || s < 0 || s >= kSeriesCount) continue;
          const int value = series->Int(r, 3);  // hundredths
          auto& block = p.ergebnisse[t];
          block.serie[s].ganz = Truncated<std::int16_t>(value / 100);
          block.serie[s].hundertstel = Truncated<std::int8_t>(value % 100);
          block.markiert = Truncated<std::uint8_t>(series->Int(r, 4));  // the last row of a target wins
        }
      }

      const auto team = database.Query(Sprintf("SELECT * FROM TlnMerg WHERE Tlnr= \"%d\";", number));
      if (!team) continue;
      for (int r = 0; r < team->rows(); ++r) {
        const int t = team->Int(r, 1);
        if (t < 0 || t >= kTargetCount) continue;
        p.ergebnisse[t].mannschaftsergebnis = Truncated<std::int16_t>(team->Int(r, 2));  // already tenths
        p.ergebnisse[t].mannschaftsergebnis_markiert = Truncated<std::uint8_t>(team->Int(r, 3));
      }
      competition.participants.push_back(p);
    }
  }

  if (const auto teams = database.Query("SELECT * FROM Stmsch;")) {
    for (int row = 0; row < teams->rows(); ++row) {
      const int number = teams->Int(row, 0);
      _stammmannschaften team{};
      team.nummer = Truncated<std::int16_t>(number);
      if (number <= 0 || team.nummer <= 0) continue;
      SetFieldText(team.name, teams->Text(row, 1));
      competition.homeTeams.push_back(team);
    }
  }
  database.Close();
}

}  // namespace wex
