// "Now", as the core asks for it: local date and time from a clock the caller chooses.
#pragma once

#include <cstdint>
#include <optional>

namespace wex::platform {

struct LocalTime {
  int year = 1970;
  int month = 1;   // 1 ... 12
  int day = 1;     // 1 ... 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
};

// The computer's local time; or, when given a fixed Unix time, that instant in UTC
// (SOURCE_DATE_EPOCH makes outputs reproducible).
class SystemClock : public Clock {
 public:
  SystemClock() = default;
  explicit SystemClock(std::int64_t fixedUnixSeconds) : fixed_(fixedUnixSeconds) {}
  LocalTime Now() const override;

  // SOURCE_DATE_EPOCH from the environment when it holds a valid number.
  static std::optional<std::int64_t> SourceDateEpoch();

 private:
  std::optional<std::int64_t> fixed_;
};

// A clock that stands still at a chosen time; tests move it by hand.
class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalTime t) : now_(t) {}
  LocalTime Now() const override { return now_; }
  void Set(LocalTime t) { now_ = t; }

 private:
  LocalTime now_;
};

}  // namespace wex::platform
