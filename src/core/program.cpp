// Program start and end.
#include "core/program.hpp"

#include <cstdint>
#include <filesystem>

#include "core/actionlist/action_list_file.hpp"
#include "core/actionlist/configuration.hpp"
#include "core/competition/legacy_files.hpp"
#include "core/format.hpp"
#include "core/platform/files.hpp"
#include "core/ranking/participation.hpp"

namespace wex {
namespace {

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

// True when the file holds exactly the header, a count of entries and that many whole records. A count
// that promises more records than the file holds makes it a cut file, even when its size fits the
// records read.
bool ActionListFileComplete(const std::string& path, std::size_t entries) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size != 68 + entries * sizeof(_listdat)) return false;
  const auto head = platform::ReadFileBytes(path, 68);
  if (!head || head->size() != 68) return false;
  std::uint32_t count = 0;
  for (int i = 3; i >= 0; --i) count = count << 8 | static_cast<unsigned char>((*head)[64 + i]);
  return count == entries;
}

}  // namespace

StartState StartProgram(Context& ctx, const std::string& startDirectory) {
  StartState start;
  SetStartValues(ctx.intdat, startDirectory);

  const std::string& kfg = ctx.intdat.konfigurationsdatei;
  start.configurationRead = ReadConfiguration(ctx.cnf, kfg);
  if (!start.configurationRead) {
    ApplyConfigurationDefaults(ctx.cnf, ctx.intdat);
    start.configurationKeep = Exists(kfg);
  }

  const std::string& plk = ctx.intdat.letzte_liste;
  start.actionListRead = ReadActionList(ctx.actions, ctx.intdat.listenkennung, plk) &&
                         ActionListFileComplete(plk, ctx.actions.entries.size());
  start.actionListKeep = !start.actionListRead && Exists(plk);

  AppendProtocolLine(ctx.intdat, ctx.clock, true, 0, 0);

  start.competitionValid = TestCompetitionConfig(
      ctx.competition, platform::JoinPath(FieldText(ctx.cnf.datenpfad), "WEXCONFG.WID"));
  return start;
}

void EndProgram(const Context& ctx, const StartState& start) {
  if (!start.actionListKeep) WriteActionList(ctx.actions, ctx.intdat.listenkennung, ctx.intdat.letzte_liste);
  if (!start.configurationKeep) WriteConfiguration(ctx.cnf, ctx.intdat.konfigurationsdatei);
}

std::string WindowCaption(const Context& ctx, bool competitionValid) {
  const std::string title(FieldText(ctx.cnf.programmtitel));
  if (!competitionValid) return title;
  return Sprintf("%s - %s", title.c_str(),
                 std::string(FieldText(ctx.competition.config.veranstalter)).c_str());
}

}  // namespace wex
