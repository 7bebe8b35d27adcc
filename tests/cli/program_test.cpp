// Program start and end around the working files, and the demo competition.
#include "core/program.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "cli/demo.hpp"
#include "core/actionlist/action_list_file.hpp"
#include "core/actionlist/configuration.hpp"
#include "core/competition/load.hpp"
#include "core/ranking/participation.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

struct ProgramTest : ::testing::Test {
  test::TempDir dir;
  test::RecordingUserInterface ui;
  platform::FixedClock clock{test::SampleTime()};
};

TEST_F(ProgramTest, first_start_uses_defaults_and_the_end_writes_both_files) {
  Context ctx(ui, clock);
  const StartState start = StartProgram(ctx, dir.str());
  EXPECT_FALSE(start.configurationRead);
  EXPECT_FALSE(start.competitionValid);
  EXPECT_EQ(FieldText(ctx.cnf.programmtitel), "Plakard 1");
  EXPECT_EQ(FieldText(ctx.cnf.datenpfad), dir.str());
  EXPECT_TRUE(ctx.actions.entries.empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(test::ReadAll(dir / "TlnProtokoll.csv"), "Time; Tln ohne Erg; Tln gesamt\r");
  EXPECT_EQ(WindowCaption(ctx, start.competitionValid), "Plakard 1");

  EndProgram(ctx, start);
  EXPECT_EQ(std::filesystem::file_size(dir / "WexPlakard.kfg"), 2932u);
  EXPECT_EQ(std::filesystem::file_size(dir / "Plakard.plk"), 68u);
}

TEST_F(ProgramTest, files_that_could_not_be_read_are_left_as_they_were) {
  struct Case {
    const char* what;
    std::string plk;
    std::string kfg;
  };
  std::string cut;
  {
    Context ctx(ui, clock);
    ActionList list;
    list.entries.resize(2);
    SetStartValues(ctx.intdat, dir.str());
    ASSERT_TRUE(WriteActionList(list, ctx.intdat.listenkennung, (dir / "full.plk").string()));
    cut = test::ReadAll(dir / "full.plk");
    cut.resize(cut.size() - 100);
  }
  const Case cases[] = {
      {"foreign header", std::string(68, 'x'), std::string(2932, 'y')},
      {"cut in a record", cut, std::string(10, 'z')},
  };
  for (const Case& c : cases) {
    test::WriteAll(dir / "Plakard.plk", c.plk);
    test::WriteAll(dir / "WexPlakard.kfg", c.kfg);
    Context ctx(ui, clock);
    const StartState start = StartProgram(ctx, dir.str());
    EndProgram(ctx, start);
    EXPECT_EQ(test::ReadAll(dir / "Plakard.plk"), c.plk) << c.what;
    EXPECT_EQ(test::ReadAll(dir / "WexPlakard.kfg"), c.kfg) << c.what;
  }
}

TEST_F(ProgramTest, demo_is_a_complete_club_competition_from_either_source) {
  std::string error;
  ASSERT_TRUE(cli::CreateDemo((dir / "legacy").string(), cli::DataSource::LegacyFiles, error)) << error;
  ASSERT_TRUE(cli::CreateDemo((dir / "db").string(), cli::DataSource::Database, error)) << error;
  EXPECT_TRUE(std::filesystem::exists(dir / "db" / "daten" / "tarvisco.db"));
  EXPECT_FALSE(std::filesystem::exists(dir / "legacy" / "daten" / "tarvisco.db"));

  Competition legacy, db;
  ASSERT_TRUE(LoadCompetitionData(legacy, ui, (dir / "legacy" / "daten").string(), false));
  ASSERT_TRUE(LoadCompetitionData(db, ui, (dir / "db" / "daten").string(), false));
  EXPECT_EQ(legacy.participants.size(), 60u);
  EXPECT_EQ(legacy.homeTeams.size(), 10u);
  EXPECT_EQ(CountWithoutResult(legacy), 3);
  ASSERT_EQ(db.participants.size(), legacy.participants.size());
  for (std::size_t i = 0; i < db.participants.size(); ++i)
    EXPECT_EQ(0, std::memcmp(&db.participants[i], &legacy.participants[i], sizeof(_ergdateilist))) << i;

  Context ctx(ui, clock);
  const StartState start = StartProgram(ctx, (dir / "legacy").string());
  EXPECT_TRUE(start.configurationRead);
  EXPECT_TRUE(start.actionListRead);
  EXPECT_TRUE(start.competitionValid);
  ASSERT_EQ(ctx.actions.entries.size(), 9u);
  bool kinds[6] = {};
  int text = 0;
  for (const _listdat& e : ctx.actions.entries) {
    EXPECT_EQ(e.markiert, 1);
    if (e.format == 0) kinds[e.art] = true;
    text += e.format == 1;
  }
  for (bool k : kinds) EXPECT_TRUE(k);
  EXPECT_EQ(text, 1);
}

}  // namespace
}  // namespace wex
