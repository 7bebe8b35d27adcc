// The generation cycle: F6, F7, the timer's data-change test, the upload guard and the status texts,
// on real data folders whose modification times the tests set.
#include "core/cycle/generation_cycle.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cli/tarvisco_writer.hpp"
#include "competition/sample_competition.hpp"
#include "core/competition/fixed_text.hpp"
#include "core/output/writers.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"
#include "support/fakes.hpp"
#include "support/ftp_server.hpp"

namespace wex {
namespace {

namespace fs = std::filesystem;
using platform::JoinPath;

// A Windows file time in 2026; the data files start at it.
constexpr std::uint64_t kDataTime = 134100000000000000ull;
constexpr std::uint64_t kSecond = 10000000ull;

class FakeTimer : public platform::Timer {
 public:
  void Start(int periodMilliseconds) override {
    running = true;
    periods.push_back(periodMilliseconds);
  }
  void Stop() override { running = false; }
  bool Running() const override { return running; }

  bool running = false;
  std::vector<int> periods;  // one per Start
};

// Every call of the cycle as one line; the generation seam adds "generate" in between.
class RecordingCycleView : public GenerationCycleView {
 public:
  void TakeOverMarks() override { calls.push_back("marks"); }
  void SetCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
  void SetStatusText(StatusPanel panel, const std::string& text) override {
    static const char* const names[] = {"source 1: ", "source 2: ", "target 1: ", "target 2: "};
    calls.push_back(names[static_cast<int>(panel)] + text);
  }
  void SetTargetBarBusy(bool busy) override { calls.push_back(busy ? "target silver" : "target normal"); }
  void ShowTimerState(bool running, const std::string& menuCaption) override {
    calls.push_back((running ? "timer pressed, " : "timer released, ") + menuCaption);
  }

  std::vector<std::string> Take() { return std::exchange(calls, {}); }

  std::vector<std::string> calls;
};

class FakeUploads : public UploadRunner {
 public:
  void Run(UploadPlan plan) override { plans.push_back(std::move(plan)); }
  bool Busy() const override { return busy; }

  std::vector<UploadPlan> plans;
  bool busy = false;
};

// Message boxes that let an event in while they are open, as a window's message loop does.
class ReentrantUserInterface : public test::RecordingUserInterface {
 public:
  platform::MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                      platform::MessageIcon icon, platform::MessageButtons buttons) override {
    auto result = RecordingUserInterface::ShowMessage(text, caption, icon, buttons);
    if (whileOpen) whileOpen();
    return result;
  }

  std::function<void()> whileOpen;
};

class UploadViewStub : public UploadView {
 public:
  platform::MessageResult ShowUploadError(const std::string&, const std::string&, int) override {
    ++errors;
    return platform::MessageResult::Ok;
  }
  void ShowUploadProgress(const UploadProgress&) override {}
  void UploadFinished(const UploadOutcome& outcome) override { results.push_back(outcome.result); }

  int errors = 0;
  std::vector<platform::MessageResult> results;
};

// A legacy data folder with the sample competition, an output folder, and a cycle whose generation run
// is a seam: it records the run in the view, succeeds unless told otherwise, uploads when upload_aktiv
// is set and counts like a real run.
class generation_cycle : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        cli::WriteTarviscoFolder(test::SampleDescription(), data.str(), cli::DataSource::LegacyFiles));
    ASSERT_TRUE(platform::SetLastWriteFileTime(data / "WEXTLERG.WID", kDataTime));
    SetFieldText(ctx.cnf.datenpfad, data.str());
    SetFieldText(ctx.cnf.ausgabepfad, out.str());
    SetFieldText(ctx.cnf.programmtitel, "WexPlakard");
    ctx.cnf.timer_sekunden = 60;
  }

  bool Generate(Context& c, const UploadHook& upload) {
    view.calls.push_back("generate " + std::to_string(c.competition.participants.size()));
    ++runs;
    if (!generationSucceeds) return false;
    if (c.cnf.upload_aktiv != 0) upload();
    ++c.intdat.generierungszaehler;
    return true;
  }

  void Touch(const std::string& file, std::uint64_t fileTime) {
    ASSERT_TRUE(platform::SetLastWriteFileTime(data / file, fileTime));
  }

  std::string DataPath(const std::string& file) const { return JoinPath(data.str(), file); }

  test::TempDir data;
  test::TempDir out;
  ReentrantUserInterface ui;
  platform::FixedClock clock{test::SampleTime()};
  Context ctx{ui, clock};
  RecordingCycleView view;
  FakeTimer timer;
  FakeUploads uploads;
  int runs = 0;
  bool generationSucceeds = true;
  GenerationCycle cycle{ctx, view, timer, uploads, [this](Context& c, const std::function<void()>& upload) {
                          return Generate(c, upload);
                        }};
};

TEST_F(generation_cycle, f7_generates_at_once_and_shows_seconds_until_the_paths_show_minutes) {
  ctx.intdat.generierung_erzwingen = false;
  cycle.ToggleTimer();
  EXPECT_EQ(ctx.cnf.timer_ein, 1);
  EXPECT_TRUE(timer.running);
  EXPECT_EQ(timer.periods, std::vector<int>{60000});
  EXPECT_EQ(view.Take(), (std::vector<std::string>{
                             "timer pressed, Timer Stop F7", "target 2: Timer: 60 Sek.(EIN)", "marks",
                             "generate 3", "caption WexPlakard - SG Gröbenried"_w, "source 2: Gen: 1"}));
  EXPECT_TRUE(ctx.intdat.generierung_erzwingen);

  cycle.ShowPaths();
  EXPECT_EQ(view.Take(),
            (std::vector<std::string>{"source 1: Quelle: " + data.str(), "target 1: Ziel: " + out.str(),
                                      "target 2: Timer:  1 Min.(EIN)"}));

  ctx.intdat.generierung_erzwingen = false;
  cycle.ToggleTimer();
  EXPECT_EQ(ctx.cnf.timer_ein, 0);
  EXPECT_FALSE(timer.running);
  EXPECT_EQ(view.Take(),
            (std::vector<std::string>{"timer released, Timer Start F7", "target 2: Timer:  1 Min.(AUS)"}));
  EXPECT_TRUE(ctx.intdat.generierung_erzwingen);
  EXPECT_EQ(runs, 1);

  ctx.cnf.timer_sekunden = 5940;
  cycle.ShowPaths();
  EXPECT_EQ(view.Take().back(), "target 2: Timer: 99 Min.(AUS)");
}

TEST_F(generation_cycle, ticks_generate_only_after_a_data_change_or_a_forcing_action) {
  struct Step {
    const char* what;
    std::function<void()> act;
    int runs;  // generation runs of the action and the tick after it
  };
  const std::vector<Step> steps = {
      {"first tick after the start", [] {}, 1},
      {"unchanged data", [] {}, 0},
      {"result file written", [&] { Touch("WEXTLERG.WID", kDataTime + 10 * kSecond); }, 1},
      {"unchanged data again", [] {}, 0},
      {"click into the list", [&] { cycle.ForceGeneration(); }, 1},
      {"result file older than the last timed run", [&] { Touch("WEXTLERG.WID", kDataTime); }, 0},
      {"F6 forces the next tick too", [&] { cycle.GenerateCommand(); }, 2},
      {"unchanged data after F6", [] {}, 0},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    const int before = runs;
    step.act();
    cycle.TimerTick();
    EXPECT_EQ(runs - before, step.runs);
    EXPECT_FALSE(ctx.intdat.generierung_erzwingen);
  }
  // The last timed run stored the file's time as it was then.
  EXPECT_EQ(DatenZeit(ctx.cnf), kDataTime);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(generation_cycle, a_quiet_tick_only_colours_the_bar_and_shows_the_runs) {
  cycle.TimerTick();
  EXPECT_EQ(view.Take(), (std::vector<std::string>{"target silver", "marks", "generate 3", "target normal",
                                                   "source 2: Gen: 1"}));
  EXPECT_EQ(DatenZeit(ctx.cnf), kDataTime);
  cycle.TimerTick();
  EXPECT_EQ(view.Take(), (std::vector<std::string>{"target silver", "target normal", "source 2: Gen: 1"}));
}

TEST_F(generation_cycle, without_the_data_test_every_tick_generates) {
  ctx.intdat.datentest_aus = true;
  for (int i = 1; i <= 3; ++i) {
    cycle.TimerTick();
    EXPECT_EQ(runs, i);
  }
  EXPECT_EQ(view.calls.back(), "source 2: Gen: 3");
}

TEST_F(generation_cycle, with_a_database_only_the_database_time_counts) {
  ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), data.str(), cli::DataSource::Database));
  Touch("tarvisco.db", kDataTime);
  cycle.TimerTick();
  ASSERT_EQ(runs, 1);

  Touch("WEXTLERG.WID", kDataTime + 60 * kSecond);
  cycle.TimerTick();
  EXPECT_EQ(runs, 1);

  Touch("tarvisco.db", kDataTime + 30 * kSecond);
  cycle.TimerTick();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(DatenZeit(ctx.cnf), kDataTime + 30 * kSecond);
}

TEST_F(generation_cycle, a_missing_data_file_is_reported_at_every_tick_but_never_twice_at_once) {
  ctx.cnf.timer_ein = 1;
  cycle.RestoreTimer();
  view.Take();
  fs::remove(data / "WEXTLERG.WID");
  int nestedTicks = 0;
  ui.whileOpen = [&] {
    if (nestedTicks++ > 0) return;
    cycle.TimerTick();  // the timer fires while the message is open
    cycle.GenerateCommand();
  };

  cycle.TimerTick();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(nestedTicks, 1);
  EXPECT_EQ(ui.messages[0].text,
            "Datei\n" + DataPath("WEXTLERG.WID") +
                "\nnicht gefunden!\nzuerst gültigen Pfad\nfür Ergebnisdatei einstellen!"_w);
  EXPECT_EQ(ui.messages[0].caption, "Fehler");
  EXPECT_EQ(ui.messages[0].icon, platform::MessageIcon::Error);
  // The bar stays silver, nothing ran, and the timer goes on.
  EXPECT_EQ(view.Take(), std::vector<std::string>{"target silver"});
  EXPECT_EQ(runs, 0);
  EXPECT_TRUE(timer.running);

  ui.whileOpen = nullptr;
  cycle.TimerTick();
  EXPECT_EQ(ui.messages.size(), 2u);

  // The path corrected, the next tick generates.
  ASSERT_TRUE(cli::WriteTarviscoFolder(test::SampleDescription(), data.str(), cli::DataSource::LegacyFiles));
  cycle.TimerTick();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(generation_cycle, a_failed_load_skips_the_run_and_only_a_new_change_tries_again) {
  fs::remove(data / "WEXCONFG.WID");
  bool nested = false;
  ui.whileOpen = [&] {
    if (!std::exchange(nested, true)) cycle.TimerTick();
  };
  cycle.TimerTick();
  ASSERT_EQ(ui.messages.size(), 1u);  // the loader's own message, once although a tick came in
  EXPECT_EQ(ui.messages[0].text,
            "Datei\nWEXCONFG.WID\nnicht gefunden!\nzuerst gültigen Pfad\nfür Ergebnisdatei einstellen!"_w);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(view.Take(),
            (std::vector<std::string>{"target silver", "marks", "target normal", "source 2: Gen: 0"}));

  ui.whileOpen = nullptr;
  cycle.TimerTick();
  EXPECT_EQ(ui.messages.size(), 1u);
  Touch("WEXTLERG.WID", kDataTime + kSecond);
  cycle.TimerTick();
  EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(generation_cycle, the_run_counter_shows_successful_runs_only) {
  cycle.GenerateCommand();
  cycle.GenerateCommand();
  EXPECT_EQ(view.calls.back(), "source 2: Gen: 2");
  generationSucceeds = false;
  cycle.GenerateCommand();
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(view.calls.back(), "source 2: Gen: 2");
}

TEST_F(generation_cycle, f6_with_a_failed_load_still_sets_the_caption_and_forces_the_next_tick) {
  fs::remove(data / "WEXCONFG.WID");
  ctx.intdat.generierung_erzwingen = false;
  cycle.GenerateCommand();
  EXPECT_EQ(view.Take(), (std::vector<std::string>{"marks", "caption WexPlakard - ", "source 2: Gen: 0"}));
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(ctx.intdat.generierung_erzwingen);
}

TEST_F(generation_cycle, a_successful_run_uploads_the_files_of_the_run_when_uploading_is_on) {
  _listdat entry{};
  entry.markiert = 1;
  SetFieldText(entry.dateiname, JoinPath(out.str(), "liste.html"));
  ctx.actions.entries = {entry};

  cycle.GenerateCommand();
  EXPECT_TRUE(uploads.plans.empty());

  ctx.cnf.upload_aktiv = 1;
  SetFieldText(ctx.cnf.upload_server, "ftp.example.org");
  SetFieldText(ctx.cnf.upload_verzeichnis, "/ergebnisse");
  cycle.TimerTick();
  ASSERT_EQ(uploads.plans.size(), 1u);
  EXPECT_EQ(uploads.plans[0].groupCaption, "ftp.example.org/ergebnisse");
  EXPECT_EQ(uploads.plans[0].queue,
            (std::vector<std::string>{JoinPath(out.str(), "Plakard.js"), JoinPath(out.str(), "liste.html")}));

  generationSucceeds = false;
  cycle.GenerateCommand();
  EXPECT_EQ(uploads.plans.size(), 1u);
}

TEST_F(generation_cycle, while_an_upload_runs_nothing_generates_and_the_next_tick_catches_up) {
  cycle.TimerTick();
  ASSERT_EQ(runs, 1);
  view.Take();

  uploads.busy = true;
  Touch("WEXTLERG.WID", kDataTime + kSecond);
  cycle.TimerTick();
  cycle.GenerateCommand();
  EXPECT_TRUE(view.Take().empty());
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(DatenZeit(ctx.cnf), kDataTime);  // the change is still to be seen
  EXPECT_TRUE(ctx.intdat.generierung_erzwingen);

  uploads.busy = false;
  cycle.TimerTick();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(DatenZeit(ctx.cnf), kDataTime + kSecond);

  // A forced run waits the same way.
  cycle.ForceGeneration();
  uploads.busy = true;
  cycle.TimerTick();
  EXPECT_TRUE(ctx.intdat.generierung_erzwingen);
  uploads.busy = false;
  cycle.TimerTick();
  EXPECT_EQ(runs, 3);
}

TEST_F(generation_cycle, a_hanging_background_upload_holds_back_the_next_run) {
  test::SilentListener silent;
  ASSERT_GT(silent.port(), 0);
  UploadJob job;
  UploadViewStub uploadView;
  BackgroundUploadRunner background(job, uploadView);
  GenerationCycle withJob(ctx, view, timer, background,
                          [this](Context& c, const UploadHook& upload) { return Generate(c, upload); });
  ctx.cnf.upload_aktiv = 1;
  SetFieldText(ctx.cnf.upload_server, "127.0.0.1:" + std::to_string(silent.port()));

  withJob.GenerateCommand();  // returns at once; the upload waits for the server's greeting
  ASSERT_EQ(runs, 1);
  EXPECT_TRUE(background.Busy());
  withJob.ForceGeneration();
  withJob.TimerTick();
  EXPECT_EQ(runs, 1);

  job.RequestCancel();
  job.Wait();
  EXPECT_FALSE(background.Busy());
  withJob.TimerTick();
  EXPECT_EQ(runs, 2);
  job.RequestCancel();
  job.Wait();
  EXPECT_EQ(uploadView.results.size(), 2u);
  EXPECT_EQ(uploadView.errors, 0);
}

TEST_F(generation_cycle, restoring_the_timer_starts_it_without_a_run) {
  ctx.cnf.timer_ein = 1;
  ctx.cnf.timer_sekunden = 300;
  cycle.RestoreTimer();
  EXPECT_EQ(timer.periods, std::vector<int>{300000});
  EXPECT_EQ(view.Take(), std::vector<std::string>{"timer pressed, Timer Stop F7"});
  EXPECT_EQ(runs, 0);

  // A dialog holds the timer and gives it back with the period of the moment.
  EXPECT_TRUE(cycle.SuspendTimer());
  EXPECT_FALSE(timer.running);
  ctx.cnf.timer_sekunden = 120;
  cycle.ResumeTimer(true);
  EXPECT_EQ(timer.periods, (std::vector<int>{300000, 120000}));
  EXPECT_TRUE(cycle.SuspendTimer());
  EXPECT_FALSE(cycle.SuspendTimer());

  timer = FakeTimer{};
  ctx.cnf.timer_ein = 0;
  cycle.RestoreTimer();
  EXPECT_FALSE(timer.running);
  EXPECT_EQ(view.Take(), std::vector<std::string>{"timer released, Timer Start F7"});
  cycle.ResumeTimer(false);
  EXPECT_FALSE(timer.running);
}

// The same folders with the real generation run: one marked unsorted list into the output folder.
class generation_cycle_run : public generation_cycle {
 protected:
  void SetUp() override {
    generation_cycle::SetUp();
    _listdat entry{};
    entry.art = kKindUnsorted;
    entry.markiert = 1;
    entry.scheibe_gewaehlt[0] = 1;
    for (auto& k : entry.klasse_gewaehlt) k = 1;
    SetFieldText(entry.dateiname, (out / "Alle.html").string());
    SetFieldText(entry.text1, "Alle Ergebnisse");
    ctx.actions.entries = {entry};
    SetFieldText(ctx.cnf.indexdatei, "WexIndex.html");
    ctx.cnf.index_erstellen = 1;
  }

  std::string ListText() { return WriteList(ctx, ctx.actions.entries[0]); }
};

TEST_F(generation_cycle_run, timed_runs_write_the_lists_and_a_quiet_tick_touches_no_file) {
  GenerationCycle real(ctx, view, timer, uploads);
  real.ToggleTimer();
  ASSERT_EQ(ctx.intdat.generierungszaehler, 2);
  EXPECT_EQ(test::ReadAll(out / "Alle.html"), ListText());
  EXPECT_EQ(test::ReadAll(out / "Refreshindex.txt"), "1");

  real.TimerTick();  // F7 forced it
  EXPECT_EQ(test::ReadAll(out / "Refreshindex.txt"), "2");
  fs::remove(out / "Alle.html");
  fs::remove(out / "Refreshindex.txt");
  real.TimerTick();
  EXPECT_FALSE(fs::exists(out / "Alle.html"));
  EXPECT_FALSE(fs::exists(out / "Refreshindex.txt"));
  EXPECT_EQ(view.calls.back(), "source 2: Gen: 2");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(generation_cycle_run, f6_uploads_the_files_of_the_run_and_waits_for_the_end_on_the_command_line) {
  test::TempDir home;
  const std::string user = "plakard", password = "geheim";
  test::LoopbackFtpServer server(user, password, home.path());
  ASSERT_TRUE(server.ok()) << server.error();
  ctx.cnf.upload_aktiv = 1;
  SetFieldText(ctx.cnf.upload_server, "127.0.0.1:" + std::to_string(server.port()));
  SetFieldText(ctx.cnf.upload_benutzer, user);
  SetFieldText(ctx.cnf.upload_passwort, password);
  UploadViewStub uploadView;
  SynchronousUploadRunner synchronous(uploadView);
  GenerationCycle real(ctx, view, timer, synchronous);

  real.GenerateCommand();

  ASSERT_EQ(uploadView.results, std::vector<platform::MessageResult>{platform::MessageResult::Ok});
  std::vector<std::string> uploaded;
  for (const auto& file : fs::directory_iterator(home.path())) {
    const std::string name = file.path().filename().string();
    uploaded.push_back(name);
    EXPECT_EQ(test::ReadAll(file.path()), test::ReadAll(out / name)) << name;
  }
  std::sort(uploaded.begin(), uploaded.end());
  EXPECT_EQ(uploaded, (std::vector<std::string>{"Alle.html", "Plakard.js", "WexIndex.html"}));
  EXPECT_EQ(test::ReadAll(out / "Alle.html"), ListText());
  EXPECT_EQ(view.calls.back(), "source 2: Gen: 1");
}

TEST(timer_period, follows_timer_sekunden_and_never_falls_below_a_second) {
  const std::pair<std::int32_t, int> cases[] = {
      {60, 60000}, {5940, 5940000}, {1, 1000}, {0, 1000}, {-60, 1000}, {INT_MAX, INT_MAX / 1000 * 1000}};
  for (const auto& [seconds, milliseconds] : cases) {
    _cnfdat cnf{};
    cnf.timer_sekunden = seconds;
    EXPECT_EQ(TimerPeriodMilliseconds(cnf), milliseconds) << seconds;
  }
}

}  // namespace
}  // namespace wex
