// wexplakard-cli watch: the generation timer without a window.
#include "cli/watch.hpp"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <thread>

#include "cli/commands.hpp"
#include "cli/session.hpp"
#include "core/cycle/generation_cycle.hpp"
#include "core/platform/cp1252.hpp"

namespace wex::cli {
namespace {

constexpr const char* kWatchHelp =
    "Usage: wexplakard-cli watch [--interval SECONDS]\n"
    "\n"
    "Runs the generation timer as the desktop program's \"Timer Start\" does: one generation run at once,\n"
    "then a check every period, which regenerates only when the competition data changed (the data file's\n"
    "last-write time). The period is the timer of WexPlakard.kfg unless --interval gives one. Uploads\n"
    "after each run when uploading is switched on. Status lines go to standard error. Ends on Ctrl-C or\n"
    "SIGTERM; then the action list and the settings are written back as at program end.\n";

// Set by the signal handler; a signal handler may only touch a lock-free atomic flag.
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void RequestStop(int) { stopRequested = 1; }

// The timer of the loop below: it only remembers whether it runs and with which period.
class LoopTimer : public platform::Timer {
 public:
  void Start(int periodMilliseconds) override {
    period_ = periodMilliseconds;
    running_ = true;
  }
  void Stop() override { running_ = false; }
  bool Running() const override { return running_; }
  int period() const { return period_; }

 private:
  int period_ = 60000;
  bool running_ = false;
};

// The cycle's display on the terminal: status panels as lines, printed when they change.
class TerminalCycleView : public GenerationCycleView {
 public:
  explicit TerminalCycleView(std::ostream& err) : err_(err) {}
  void TakeOverMarks() override {}  // the marks are those stored in the action list
  void SetCaption(const std::string&) override {}
  void SetStatusText(StatusPanel panel, const std::string& text) override {
    std::string& last = last_[static_cast<int>(panel)];
    if (text == last) return;
    last = text;
    err_ << Cp1252ToUtf8(text) << '\n';
    err_.flush();
  }
  void SetTargetBarBusy(bool) override {}
  void ShowTimerState(bool, const std::string&) override {}

 private:
  std::ostream& err_;
  std::string last_[4];
};

}  // namespace

int Watch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  int intervalSeconds = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      out << kWatchHelp;
      return kExitOk;
    }
    if (args[i] == "--interval" && i + 1 < args.size()) {
      char* end = nullptr;
      const long value = std::strtol(args[i + 1].c_str(), &end, 10);
      if (end == args[i + 1].c_str() || *end != '\0' || value < 1 || value > 86400) {
        err << "wexplakard-cli watch: --interval takes a number of seconds from 1 to 86400\n";
        return kExitUsage;
      }
      intervalSeconds = static_cast<int>(value);
      ++i;
      continue;
    }
    err << kWatchHelp;
    return kExitUsage;
  }

  Session session(err);
  Context& ctx = *session.ctx;
  TerminalCycleView view(err);
  LoopTimer timer;
  TerminalUploadView uploadView(err);
  SynchronousUploadRunner uploads(uploadView);
  GenerationCycle cycle(ctx, view, timer, uploads);

  stopRequested = 0;
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);

  // "Timer Start": whatever the stored state, the timer is switched on with an immediate run. The stored
  // state and period stay as the user left them; --interval holds for this run only.
  const auto storedTimerState = ctx.cnf.timer_ein;
  const auto storedPeriod = ctx.cnf.timer_sekunden;
  if (intervalSeconds > 0) ctx.cnf.timer_sekunden = intervalSeconds;
  ctx.cnf.timer_ein = 0;
  cycle.ShowPaths();
  cycle.ToggleTimer();

  using Clock = std::chrono::steady_clock;
  auto nextTick = Clock::now() + std::chrono::milliseconds(timer.period());
  while (stopRequested == 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (Clock::now() < nextTick) continue;
    cycle.TimerTick();
    nextTick = Clock::now() + std::chrono::milliseconds(timer.period());
  }
  err << "Timer beendet\n";
  ctx.cnf.timer_ein = storedTimerState;
  ctx.cnf.timer_sekunden = storedPeriod;
  return kExitOk;
}

}  // namespace wex::cli
