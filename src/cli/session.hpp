// One run of the command line: the program's start and end around a command, and the terminal's upload view.
#pragma once

#include <memory>
#include <ostream>

#include "cli/terminal_ui.hpp"
#include "core/context.hpp"
#include "core/cycle/upload.hpp"
#include "core/platform/clock.hpp"
#include "core/program.hpp"

namespace wex::cli {

// The clock of this run: SOURCE_DATE_EPOCH when set, so that outputs are reproducible.
std::unique_ptr<platform::Clock> MakeClock();

// The start sequence in the current directory when made, the end sequence when destroyed.
struct Session {
  explicit Session(std::ostream& err);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // LoadCompetitionData with the data folder and name order of the settings.
  bool Load();

  TerminalUserInterface ui;
  std::unique_ptr<platform::Clock> clock;
  std::unique_ptr<Context> ctx;
  StartState start;
};

// The upload on the terminal: progress lines and errors on standard error; an error does not wait for
// its countdown, there is nobody to read it.
class TerminalUploadView : public UploadView {
 public:
  explicit TerminalUploadView(std::ostream& err) : err_(err) {}
  platform::MessageResult ShowUploadError(const std::string& message, const std::string& caption,
                                          int seconds) override;
  void ShowUploadProgress(const UploadProgress& progress) override;
  void UploadFinished(const UploadOutcome& outcome) override;

 private:
  std::ostream& err_;
};

}  // namespace wex::cli
