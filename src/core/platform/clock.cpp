// The system clock and SOURCE_DATE_EPOCH.
#include "core/platform/clock.hpp"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

namespace wex::platform {
namespace {

LocalTime FromTm(const std::tm& tm) {
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

// Civil date of a day count since 1970-01-01 (proleptic Gregorian), without the C library's time zone.
LocalTime FromUnixUtc(std::int64_t seconds) {
  using namespace std::chrono;
  const sys_seconds tp{std::chrono::seconds{seconds}};
  const auto dayPoint = floor<days>(tp);
  const year_month_day ymd{dayPoint};
  const hh_mm_ss hms{tp - dayPoint};
  return LocalTime{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                   static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(hms.hours().count()),
                   static_cast<int>(hms.minutes().count()), static_cast<int>(hms.seconds().count())};
}

}  // namespace

LocalTime SystemClock::Now() const {
  if (fixed_) return FromUnixUtc(*fixed_);
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &now);
#else
  localtime_r(&now, &tm);
#endif
  return FromTm(tm);
}

std::optional<std::int64_t> SystemClock::SourceDateEpoch() {
  const char* value = std::getenv("SOURCE_DATE_EPOCH");
  if (value == nullptr || *value == '\0') return std::nullopt;
  char* end = nullptr;
  const long long n = std::strtoll(value, &end, 10);
  if (end == value || *end != '\0' || n < 0) return std::nullopt;
  return static_cast<std::int64_t>(n);
}

}  // namespace wex::platform
