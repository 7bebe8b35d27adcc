// Generation on command and on the timer, the data-change test, and the status texts of the cycle.
#include "core/cycle/generation_cycle.hpp"

#include <climits>
#include <utility>

#include "core/competition/database.hpp"
#include "core/competition/fixed_text.hpp"
#include "core/competition/load.hpp"
#include "core/format.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex {

namespace {

// Clears a flag when the scope ends, however it ends.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

SynchronousUploadRunner::SynchronousUploadRunner(UploadView& view, UploadJob::ClientFactory makeClient)
    : view_(view), makeClient_(std::move(makeClient)) {}

void SynchronousUploadRunner::Run(UploadPlan plan) {
  if (!makeClient_) {
    RunUpload(plan, view_);
    return;
  }
  if (auto client = makeClient_()) RunUpload(plan, *client, view_);
}

void BackgroundUploadRunner::Run(UploadPlan plan) { job_.Start(std::move(plan), view_); }

int TimerPeriodMilliseconds(const _cnfdat& cnf) {
  const std::int32_t seconds = cnf.timer_sekunden;
  if (seconds < 1) return 1000;
  if (seconds > INT_MAX / 1000) return INT_MAX / 1000 * 1000;
  return seconds * 1000;
}

GenerationCycle::GenerationCycle(Context& ctx, GenerationCycleView& view, platform::Timer& timer,
                                 UploadRunner& uploads, GenerationRun run)
    : ctx_(ctx), view_(view), timer_(timer), uploads_(uploads), run_(std::move(run)) {}

void GenerationCycle::LoadAndGenerate() {
  if (!LoadCompetitionData(ctx_.competition, ctx_.ui, std::string(FieldText(ctx_.cnf.datenpfad)),
                           ctx_.cnf.vorname_vor_nachname != 0))
    return;
  run_(ctx_, [this] { uploads_.Run(MakeUploadPlan(ctx_.cnf, ctx_.intdat, ctx_.actions)); });
}

void GenerationCycle::ShowRuns() {
  view_.SetStatusText(StatusPanel::SourceRuns, Sprintf("Gen: %d", ctx_.intdat.generierungszaehler - 1));
}

void GenerationCycle::ShowTimer(bool running) {
  view_.ShowTimerState(running, running ? kTimerStopCaption : kTimerStartCaption);
}

void GenerationCycle::GenerateCommand() {
  // A run must not begin inside another one (its message box lets events in), nor while an upload
  // still sends the files it would rewrite; the next tick catches up.
  if (working_ || uploads_.Busy()) {
    ForceGeneration();
    return;
  }
  FlagScope working(working_);
  view_.TakeOverMarks();
  ForceGeneration();
  LoadAndGenerate();
  view_.SetCaption(Sprintf("%s - %s", std::string(FieldText(ctx_.cnf.programmtitel)).c_str(),
                           std::string(FieldText(ctx_.competition.config.veranstalter)).c_str()));
  ForceGeneration();
  ShowRuns();
}

void GenerationCycle::ToggleTimer() {
  if (ctx_.cnf.timer_ein != 0) {
    ctx_.cnf.timer_ein = 0;
    timer_.Stop();
    ShowTimer(false);
    view_.SetStatusText(StatusPanel::TargetTimer,
                        Sprintf("Timer:%3d Min.(AUS)", ctx_.cnf.timer_sekunden / 60));
  } else {
    ctx_.cnf.timer_ein = 1;
    timer_.Start(TimerPeriodMilliseconds(ctx_.cnf));
    ShowTimer(true);
    view_.SetStatusText(StatusPanel::TargetTimer, Sprintf("Timer:%3d Sek.(EIN)", ctx_.cnf.timer_sekunden));
    GenerateCommand();
  }
  ForceGeneration();
}

void GenerationCycle::TimerTick() {
  // A tick inside a run or inside another tick's message box does nothing, so an unattended station
  // never stacks message boxes; a tick during an upload is skipped with datenzeit and the force flag
  // left as they are, so the next tick after the upload catches up.
  if (working_ || uploads_.Busy()) return;
  FlagScope working(working_);

  if (ctx_.intdat.datentest_aus) ForceGeneration();
  view_.SetTargetBarBusy(true);

  // Tarvisco's database, when there is one, is the data; WEXTLERG.WID may lie beside it unchanged.
  const std::string dataFolder(FieldText(ctx_.cnf.datenpfad));
  const bool database = DatabaseCanBeOpened(dataFolder);
  const std::string dataFile =
      platform::JoinPath(dataFolder, database ? ctx_.intdat.datenbankdatei : kLegacyResultFileName);
  const auto lastWrite = platform::LastWriteFileTime(dataFile);  // nothing when it cannot be opened
  if (!lastWrite) {
    const char* format =
        database ? "Datenbank\n%s\nnicht gefunden!\nzuerst gültigen Pfad\nfür Ergebnisdatei einstellen!"_w
                 : "Datei\n%s\nnicht gefunden!\nzuerst gültigen Pfad\nfür Ergebnisdatei einstellen!"_w;
    platform::ShowError(ctx_.ui, Sprintf(format, dataFile.c_str()));
    return;  // the bar stays silver and the timer keeps running
  }

  if (DatenZeit(ctx_.cnf) < *lastWrite || ctx_.intdat.generierung_erzwingen) {
    SetDatenZeit(ctx_.cnf, *lastWrite);
    view_.TakeOverMarks();
    LoadAndGenerate();
    ctx_.intdat.generierung_erzwingen = false;
  }

  view_.SetTargetBarBusy(false);
  ShowRuns();
}

void GenerationCycle::ShowPaths() {
  view_.SetStatusText(StatusPanel::SourcePath,
                      Sprintf("Quelle: %s", std::string(FieldText(ctx_.cnf.datenpfad)).c_str()));
  view_.SetStatusText(StatusPanel::TargetPath,
                      Sprintf("Ziel: %s", std::string(FieldText(ctx_.cnf.ausgabepfad)).c_str()));
  view_.SetStatusText(StatusPanel::TargetTimer,
                      Sprintf(ctx_.cnf.timer_ein != 0 ? "Timer:%3d Min.(EIN)" : "Timer:%3d Min.(AUS)",
                              ctx_.cnf.timer_sekunden / 60));
}

void GenerationCycle::RestoreTimer() {
  const bool on = ctx_.cnf.timer_ein != 0;
  if (on) timer_.Start(TimerPeriodMilliseconds(ctx_.cnf));
  ShowTimer(on);
}

bool GenerationCycle::SuspendTimer() {
  const bool wasRunning = timer_.Running();
  timer_.Stop();
  return wasRunning;
}

void GenerationCycle::ResumeTimer(bool wasRunning) {
  if (wasRunning) timer_.Start(TimerPeriodMilliseconds(ctx_.cnf));
}

}  // namespace wex
