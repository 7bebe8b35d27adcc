// One run of the command line.
#include "cli/session.hpp"

#include "core/competition/load.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex::cli {

std::unique_ptr<platform::Clock> MakeClock() {
  if (auto epoch = platform::SystemClock::SourceDateEpoch())
    return std::make_unique<platform::SystemClock>(*epoch);
  return std::make_unique<platform::SystemClock>();
}

Session::Session(std::ostream& err)
    : ui(err), clock(MakeClock()), ctx(std::make_unique<Context>(ui, *clock)) {
  start = StartProgram(*ctx, platform::CurrentDirectory());
}

Session::~Session() { EndProgram(*ctx, start); }

bool Session::Load() {
  return LoadCompetitionData(ctx->competition, ui, std::string(FieldText(ctx->cnf.datenpfad)),
                             ctx->cnf.vorname_vor_nachname != 0);
}

platform::MessageResult TerminalUploadView::ShowUploadError(const std::string& message,
                                                            const std::string& caption, int) {
  err_ << Cp1252ToUtf8(caption) << ": " << Cp1252ToUtf8(OneLine(message)) << '\n';
  return platform::MessageResult::Ok;
}

void TerminalUploadView::ShowUploadProgress(const UploadProgress& p) {
  err_ << "Upload " << Cp1252ToUtf8(p.caption) << ": " << p.position << "/" << p.maximum << " "
       << Cp1252ToUtf8(p.fileName) << '\n';
}

void TerminalUploadView::UploadFinished(const UploadOutcome& outcome) {
  err_ << "Upload " << (outcome.result == platform::MessageResult::Ok ? "beendet" : "abgebrochen") << ": "
       << outcome.filesSent << " Dateien gesendet, " << outcome.filesFailed << " fehlgeschlagen\n";
}

}  // namespace wex::cli
