// The periodic timer of the user-interface thread that drives timed generation runs.
#pragma once

namespace wex::platform {

// A front end's timer (a window timer, an event loop's timer). It delivers no ticks itself: when a
// period has passed, the front end calls the handler its owner gave it (the generation cycle's
// TimerTick) on the user-interface thread.
class Timer {
 public:
  virtual ~Timer() = default;

  // Starts, or restarts, with this period; the first tick comes one full period later.
  virtual void Start(int periodMilliseconds) = 0;

  // No tick arrives after this until the next Start.
  virtual void Stop() = 0;

  virtual bool Running() const = 0;
};

}  // namespace wex::platform
