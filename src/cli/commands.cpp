// The commands of wexplakard-cli.
#include "cli/commands.hpp"

#include <memory>

#include "cli/demo.hpp"
#include "cli/session.hpp"
#include "cli/terminal_ui.hpp"
#include "cli/watch.hpp"
#include "core/competition/load.hpp"
#include "core/context.hpp"
#include "core/cycle/upload.hpp"
#include "core/format.hpp"
#include "core/output/companion_files.hpp"
#include "core/output/generation.hpp"
#include "core/platform/clock.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"
#include "core/program.hpp"

namespace wex::cli {
namespace {

constexpr const char* kUsage =
    "Usage: wexplakard-cli COMMAND [OPTIONS]\n"
    "\n"
    "Result lists for shooting competitions, from Tarvisco's data folder. The current directory is the\n"
    "program's start directory: WexPlakard.kfg (settings), Plakard.plk (action list) and TlnProtokoll.csv\n"
    "are read and written there, as by the desktop program.\n"
    "\n"
    "Commands:\n"
    "  generate          one generation run of all marked list entries, then the upload when it is on\n"
    "  export FILE       all marked list entries in one document (.html, .txt or .tex)\n"
    "  demo DIR          create DIR with a sample competition, settings and action list\n"
    "  watch             regenerate on the timer whenever the competition data changed\n"
    "\n"
    "Run 'wexplakard-cli COMMAND --help' for the options of a command.\n"
    "SOURCE_DATE_EPOCH, when set, is taken as the current time for every date and time written.\n";

constexpr const char* kGenerateHelp =
    "Usage: wexplakard-cli generate\n"
    "\n"
    "Loads the competition from the data folder of WexPlakard.kfg and writes every marked list entry of\n"
    "Plakard.plk into the output folder, with the index page, style sheet, page script and refresh counter.\n"
    "When uploading is switched on, the pages are then sent to the FTP server (progress on standard error).\n"
    "\n"
    "Exit status: 0 when the competition was loaded and every list was written (and an upload that was on\n"
    "reached its end), 1 otherwise, 2 for wrong usage.\n";

constexpr const char* kExportHelp =
    "Usage: wexplakard-cli export FILE\n"
    "\n"
    "Writes the complete output of all marked list entries into FILE. Its extension chooses the form:\n"
    "  .html  one HTML page      .txt  text      .tex  a LaTeX document\n"
    "\n"
    "Exit status: 0 when FILE was written, 1 otherwise, 2 for wrong usage.\n";

constexpr const char* kDemoHelp =
    "Usage: wexplakard-cli demo [--database] DIR\n"
    "\n"
    "Creates DIR with a sample club championship: DIR/daten holds Tarvisco's files (with --database the\n"
    "database tarvisco.db instead of the legacy files), DIR/ausgabe receives the pages, and WexPlakard.kfg\n"
    "and Plakard.plk in DIR hold the settings and an action list with every kind of list. Then:\n"
    "\n"
    "  cd DIR && wexplakard-cli generate\n"
    "\n"
    "and open DIR/ausgabe/WexIndex.html in a browser.\n";

bool WantsHelp(const std::vector<std::string>& args) {
  for (const auto& a : args)
    if (a == "--help" || a == "-h") return true;
  return false;
}

int Usage(std::ostream& err, const char* help) {
  err << help;
  return kExitUsage;
}

int Generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kGenerateHelp;
    return kExitOk;
  }
  if (!args.empty()) return Usage(err, kGenerateHelp);
  Session session(err);
  Context& ctx = *session.ctx;
  bool uploadOk = true;
  TerminalUploadView view(err);
  const UploadHook upload = [&] {
    uploadOk =
        RunUpload(MakeUploadPlan(ctx.cnf, ctx.intdat, ctx.actions), view) == platform::MessageResult::Ok;
  };
  const bool generated = session.Load() && GenerateAll(ctx, upload);
  if (generated) err << "Gen: " << ctx.intdat.generierungszaehler - 1 << '\n';
  return generated && uploadOk ? kExitOk : kExitFailed;
}

// The save dialog's filter index for a file name's extension: 1 HTML, 2 text, 3 LaTeX; 0 for others.
int FilterIndexOf(const std::string& file) {
  const std::string name = platform::FileNamePart(file);
  const auto dot = name.find_last_of('.');
  const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
  if (ext == "html") return 1;
  if (ext == "txt") return 2;
  if (ext == "tex") return 3;
  return 0;
}

int Export(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kExportHelp;
    return kExitOk;
  }
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') return Usage(err, kExportHelp);
  const int filter = FilterIndexOf(args[0]);
  if (filter == 0) {
    err << "wexplakard-cli export: the file name must end in .html, .txt or .tex\n";
    return Usage(err, kExportHelp);
  }
  Session session(err);
  // A failed load still saves head and foot, as the desktop program does; the status tells a script.
  const bool saved = SaveCompleteOutput(*session.ctx, Utf8ToCp1252(args[0]), filter);
  return saved && session.ui.errorCount() == 0 ? kExitOk : kExitFailed;
}

int Demo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kDemoHelp;
    return kExitOk;
  }
  std::string folder;
  DataSource source = DataSource::LegacyFiles;
  for (const auto& a : args) {
    if (a == "--database")
      source = DataSource::Database;
    else if (!a.empty() && a[0] != '-' && folder.empty())
      folder = a;
    else
      return Usage(err, kDemoHelp);
  }
  if (folder.empty()) return Usage(err, kDemoHelp);
  std::string error;
  if (!CreateDemo(folder, source, error)) {
    err << "wexplakard-cli demo: " << error << '\n';
    return kExitFailed;
  }
  out << "Demo created in " << folder << ". Next:\n  cd " << folder
      << " && wexplakard-cli generate\nthen open " << folder << "/ausgabe/WexIndex.html in a browser.\n";
  return kExitOk;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err, kUsage);
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kExitOk;
  }
  if (command == "generate") return Generate(rest, out, err);
  if (command == "export") return Export(rest, out, err);
  if (command == "demo") return Demo(rest, out, err);
  if (command == "watch") return Watch(rest, out, err);
  err << "wexplakard-cli: unknown command '" << command << "'\n";
  return Usage(err, kUsage);
}

}  // namespace wex::cli
