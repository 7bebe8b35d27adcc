// Generation on command (F6) and on the timer (F7), the data-change test of timed runs, the upload after
// a run, and the status texts that report them.
#pragma once

#include <functional>
#include <string>

#include "core/context.hpp"
#include "core/cycle/upload.hpp"
#include "core/output/generation.hpp"
#include "core/platform/timer.hpp"

namespace wex {

inline constexpr const char* kTimerStartCaption = "Timer Start F7";
inline constexpr const char* kTimerStopCaption = "Timer Stop F7";
inline constexpr const char* kLegacyResultFileName = "WEXTLERG.WID";

// The panels of the main window's status bars that the cycle writes.
enum class StatusPanel {
  SourcePath,   // source bar, first panel: "Quelle: ..."
  SourceRuns,   // source bar, second panel: "Gen: ..."
  TargetPath,   // target bar, first panel: "Ziel: ..."
  TargetTimer,  // target bar, second panel: the timer state
};

// The display side of the cycle; the main window implements it (the command line with little or nothing).
// Texts are Windows-1252.
class GenerationCycleView {
 public:
  virtual ~GenerationCycleView() = default;

  // Copies the list view's check boxes into the entries' markiert flags.
  virtual void TakeOverMarks() = 0;

  virtual void SetCaption(const std::string& caption) = 0;

  virtual void SetStatusText(StatusPanel panel, const std::string& text) = 0;

  // The target status bar silver while a tick works (busy), the normal button face colour otherwise.
  virtual void SetTargetBarBusy(bool busy) = 0;

  // Timer tool button pressed (running) or released, and the timer menu item's caption.
  virtual void ShowTimerState(bool running, const std::string& menuCaption) = 0;
};

// How the files of a successful run reach the server: the window starts the upload job and stays
// responsive, the command line waits for the end of the upload.
class UploadRunner {
 public:
  virtual ~UploadRunner() = default;

  // Starts the upload of plan; a synchronous runner returns at its end.
  virtual void Run(UploadPlan plan) = 0;

  // True while an upload runs: no generation and no second upload may start then, since a run would
  // rewrite the files being sent.
  virtual bool Busy() const = 0;
};

// Uploads on the calling thread and returns at the end.
class SynchronousUploadRunner : public UploadRunner {
 public:
  // With a libcurl client per upload, or with the clients makeClient gives.
  explicit SynchronousUploadRunner(UploadView& view, UploadJob::ClientFactory makeClient = {});
  void Run(UploadPlan plan) override;
  bool Busy() const override { return false; }

 private:
  UploadView& view_;
  UploadJob::ClientFactory makeClient_;
};

// Uploads through an upload job on its own thread; the view receives the job's calls from that thread.
class BackgroundUploadRunner : public UploadRunner {
 public:
  BackgroundUploadRunner(UploadJob& job, UploadView& view) : job_(job), view_(view) {}
  void Run(UploadPlan plan) override;
  bool Busy() const override { return job_.Running(); }

 private:
  UploadJob& job_;
  UploadView& view_;
};

// One complete generation run on a loaded competition (GenerateAll): it calls upload after a successful
// run when upload_aktiv is set, and returns true when every list was written. Tests that only watch the
// cycle's decisions pass a run of their own.
using GenerationRun = std::function<bool(Context& ctx, const UploadHook& upload)>;

// The timer's period in milliseconds from timer_sekunden; a stored value below one second gives one
// second, so that a damaged configuration neither stops the timer nor lets it fire without pause.
int TimerPeriodMilliseconds(const _cnfdat& cnf);

class GenerationCycle {
 public:
  GenerationCycle(Context& ctx, GenerationCycleView& view, platform::Timer& timer, UploadRunner& uploads,
                  GenerationRun run = &GenerateAll);
  GenerationCycle(const GenerationCycle&) = delete;
  GenerationCycle& operator=(const GenerationCycle&) = delete;

  // "Generieren" (F6): take over the marks, load, generate, caption, number of runs.
  void GenerateCommand();

  // "Timer" (F7): switches the timer off, or on with an immediate run.
  void ToggleTimer();

  // The timer's handler: generates when the data file's last-write time moved or a run was forced.
  void TimerTick();

  // Source path, target path and timer state in the status bars.
  void ShowPaths();

  // At start: the timer runs again when it ran at the last end, without an immediate run.
  void RestoreTimer();

  // Every user action after which the next tick must generate although the data did not change
  // (clicks into the list, entry changes, dialogs).
  void ForceGeneration() { ctx_.intdat.generierung_erzwingen = true; }

  // Stops the timer while a dialog is open; true when it was running.
  bool SuspendTimer();

  // Starts the timer again with the current period when wasRunning.
  void ResumeTimer(bool wasRunning);

 private:
  // Load and generate; the upload of a successful run goes through the runner.
  void LoadAndGenerate();
  void ShowRuns();
  void ShowTimer(bool running);

  Context& ctx_;
  GenerationCycleView& view_;
  platform::Timer& timer_;
  UploadRunner& uploads_;
  GenerationRun run_;
  bool working_ = false;  // a run or a tick is under way; its message boxes let further events in
};

}  // namespace wex
