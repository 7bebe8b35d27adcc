// The generation run into a real output folder, the writer of each kind, and the complete output.
#include "core/output/generation.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/competition/fixed_text.hpp"
#include "core/output/companion_files.hpp"
#include "core/output/frame.hpp"
#include "core/output/individual_lists.hpp"
#include "core/output/team_lists.hpp"
#include "core/output/writers.hpp"
#include "core/platform/cp1252.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

namespace fs = std::filesystem;

struct GenerationTest : ::testing::Test {
  test::RecordingUserInterface ui;
  platform::FixedClock clock{test::SampleTime()};
  Context ctx{ui, clock};
  test::TempDir dir;
  fs::path start = dir / "start";
  fs::path out = dir / "out";

  GenerationTest() {
    fs::create_directories(start);
    fs::create_directories(out);
    test::WriteAll(start / "Logo.png", "logo");
    test::WriteAll(start / "groebenfalter.html", "info source");
    ctx.intdat.startverzeichnis = start.string();
    SetFieldText(ctx.competition.config.kennung, "TARVISCO_DATEI V1199 GROEBENFALTER");
    SetFieldText(ctx.competition.config.veranstalter, "SV Tell");
    SetFieldText(ctx.competition.config.wettbewerb1, "Königsschießen"_w);
    SetFieldText(ctx.cnf.ausgabepfad, out.string());
    SetFieldText(ctx.cnf.indexdatei, "WexIndex.html");
    ctx.cnf.index_erstellen = 1;
    ctx.cnf.seitenkette = 1;
    ctx.cnf.wechselzeit = 1;
  }

  _listdat& Add(int art, bool marked, const fs::path& file, const char* text1 = "Liste") {
    _listdat e{};
    e.art = static_cast<std::int8_t>(art);
    e.markiert = marked ? 1 : 0;
    e.scheibe_gewaehlt[0] = 1;
    for (auto& k : e.klasse_gewaehlt) k = 1;
    SetFieldText(e.dateiname, file.string());
    SetFieldText(e.text1, text1);
    ctx.actions.entries.push_back(e);
    return ctx.actions.entries.back();
  }

  // The list text the writer gives for the entry as the run left it (with its next page set).
  std::string ListOf(std::size_t index) { return WriteList(ctx, ctx.actions.entries[index]); }
};

TEST_F(GenerationTest, run_without_marked_entry_writes_companion_files_and_counts_up) {
  Add(kKindStandard, false, out / "Einzel.html");
  ctx.cnf.upload_aktiv = 1;
  int uploads = 0;

  EXPECT_TRUE(GenerateAll(ctx, [&] { ++uploads; }));

  EXPECT_EQ(test::ReadAll(out / "Logo.png"), "logo");
  EXPECT_EQ(test::ReadAll(out / "WexIndex.html"), IndexPageText(ctx, (out / "WexIndex.html").string()));
  EXPECT_EQ(test::ReadAll(out / "Refreshindex.txt"), "1");
  EXPECT_EQ(test::ReadAll(out / "Plakard.js"), ScriptFileText());
  EXPECT_EQ(test::ReadAll(out / "groebenfalter.html"), InfoPageText(ctx));  // the copy, rewritten
  EXPECT_FALSE(fs::exists(out / "Einzel.html"));
  EXPECT_EQ(uploads, 1);
  EXPECT_EQ(ctx.intdat.generierungszaehler, 2);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.busyBegins, 1);
  EXPECT_EQ(ui.busyEnds, 1);
}

TEST_F(GenerationTest, runs_count_up_the_refresh_counter_and_keep_the_users_script) {
  ctx.cnf.index_erstellen = 0;  // the counter is written after the lists all the same
  test::WriteAll(out / "Plakard.js", "// angepasst");
  Add(kKindUnsorted, true, out / "Alle.html");
  Add(7, true, out / "Sieben.html");  // no writer: skipped, not failed

  EXPECT_TRUE(GenerateAll(ctx));
  EXPECT_EQ(test::ReadAll(out / "Refreshindex.txt"), "1");
  EXPECT_TRUE(GenerateAll(ctx));
  EXPECT_EQ(test::ReadAll(out / "Refreshindex.txt"), "2");

  EXPECT_EQ(ctx.intdat.generierungszaehler, 3);
  EXPECT_EQ(test::ReadAll(out / "Plakard.js"), "// angepasst");
  EXPECT_FALSE(fs::exists(out / "WexIndex.html"));
  EXPECT_EQ(test::ReadAll(out / "Alle.html"), ListOf(0));
  EXPECT_EQ(FieldText(ctx.actions.entries[0].folgeseite), "Sieben.html");
  EXPECT_FALSE(fs::exists(out / "Sieben.html"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerationTest, failed_lists_are_reported_while_the_others_are_written) {
  Add(kKindUnsorted, true, dir / "fehlt" / "Weg.html");
  Add(kKindStandard, true, out / "Einzel.html");
  Add(kKindUnsorted, true, out / "Gesperrt.html");
  test::WriteAll(out / "Gesperrt.html", "previous page");
  fs::permissions(out / "Gesperrt.html",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  ctx.cnf.upload_aktiv = 1;
  int uploads = 0;

  EXPECT_FALSE(GenerateAll(ctx, [&] { ++uploads; }));

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Fehler beim Erstellen der Datei(en)!\n" + out.string() + "\nZielpfad prüfen!"_w);
  EXPECT_EQ(ui.messages[0].caption, "Fehler");
  EXPECT_EQ(ui.messages[0].icon, platform::MessageIcon::Error);
  EXPECT_EQ(ui.messages[0].buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(test::ReadAll(out / "Einzel.html"), ListOf(1));
  EXPECT_EQ(test::ReadAll(out / "Gesperrt.html"), "previous page");
  EXPECT_EQ(test::ReadAll(out / "groebenfalter.html"), "info source");  // not rewritten after a failure
  EXPECT_EQ(uploads, 0);
  EXPECT_EQ(ctx.intdat.generierungszaehler, 1);
  EXPECT_EQ(ui.busyEnds, 1);
}

TEST_F(GenerationTest, output_folder_in_the_start_directory_keeps_the_logo) {
  SetFieldText(ctx.cnf.ausgabepfad, start.string());
  EXPECT_TRUE(GenerateAll(ctx));
  EXPECT_EQ(test::ReadAll(start / "Logo.png"), "logo");
}

TEST_F(GenerationTest, each_kind_goes_to_its_writer) {
  using Writer = std::string (*)(Context&, _listdat);
  struct Case {
    int art;
    Writer writer;
  };
  const Case cases[] = {
      {-3, WriteUnsortedList},
      {kKindUnsorted, WriteUnsortedList},
      {kKindParticipation, WriteParticipationList},
      {kKindStandard, WriteStandardList},
      {kKindAlternating, WriteAlternatingList},
      {kKindDsb, WriteDsbList},
      {kKindTeam, WriteTeamList},
  };
  ctx.intdat.startverzeichnis = dir.str();  // the participation list appends to its protocol there
  _listdat& entry = Add(0, true, out / "x.html");
  for (const Case& c : cases) {
    entry.art = static_cast<std::int8_t>(c.art);
    EXPECT_TRUE(HasListWriter(c.art));
    EXPECT_EQ(WriteList(ctx, entry), c.writer(ctx, entry)) << "art " << c.art;
  }
  for (int art : {6, 7, 127}) {
    entry.art = static_cast<std::int8_t>(art);
    EXPECT_FALSE(HasListWriter(art));
    EXPECT_EQ(WriteList(ctx, entry), "") << "art " << art;
  }
}

TEST_F(GenerationTest, complete_body_joins_marked_lists_without_their_frames) {
  Add(kKindUnsorted, true, out / "a.html", "Erste");
  Add(kKindStandard, false, out / "b.html", "Nicht markiert");
  Add(7, true, out / "c.html", "Sieben");
  Add(kKindStandard, true, out / "d.txt", "Zweite").format = 1;

  std::string expected = "HEAD";
  for (std::size_t i : {0u, 3u}) {
    _listdat copy = ctx.actions.entries[i];
    copy.ohne_rahmen = 1;
    copy.format = 2;  // LaTeX
    expected += WriteList(ctx, copy);
  }
  EXPECT_EQ(CompleteBody(ctx, "HEAD", 3), expected);
  EXPECT_EQ(ctx.actions.entries[3].format, 1);  // the stored entries keep their own settings
  EXPECT_EQ(ctx.actions.entries[0].ohne_rahmen, 0);
}

TEST(complete_output, file_name_takes_the_extension_of_the_filter) {
  struct Case {
    std::string chosen;
    int filter;
    std::string expected;
  };
  const Case cases[] = {
      {"C:\\Export\\Gesamt.html", 2, "C:\\Export\\Gesamt.txt"},
      {"/srv/listen.2026/Gesamtergliste", 1, "/srv/listen.2026/Gesamtergliste.html"},
      {"/srv/listen.2026/Gesamt.v1.txt", 3, "/srv/listen.2026/Gesamt.v1.tex"},
      {"Gesamt.tex", 4, "Gesamt.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(CompleteOutputFileName(c.chosen, c.filter), c.expected) << c.chosen;
  EXPECT_EQ(CompleteOutputForm(1), 1);
  EXPECT_EQ(CompleteOutputForm(2), 2);
  EXPECT_EQ(CompleteOutputForm(3), 3);
  EXPECT_EQ(CompleteOutputForm(0), 2);
}

TEST_F(GenerationTest, saved_complete_output_without_marked_entry_is_head_and_foot) {
  SetFieldText(ctx.cnf.datenpfad, (dir / "bad-data-folder").string());  // loading fails: head and foot only
  fs::create_directories(dir / "export.2026");
  const std::string chosen = (dir / "export.2026" / "Gesamt.html").string();

  EXPECT_TRUE(SaveCompleteOutput(ctx, chosen, 2));

  const fs::path saved = dir / "export.2026" / "Gesamt.txt";
  const std::string expected =
      "SV Tell\r\nKönigsschießen\r\n\r\n\r\n\r\n"
      "\r\n\r\nDiese Seite wurde am 9.12.2026,  7:05 von WexPlakard.exe erstellt, einer Software für den "
      "Schießsport von Gröbenfalter (www.groebenfalter.de)"_w;
  EXPECT_EQ(test::ReadAll(saved), expected);
  EXPECT_FALSE(fs::exists(chosen));
  EXPECT_EQ(FieldText(ctx.cnf.export_verzeichnis),
            (dir / "export.2026").string() + static_cast<char>(fs::path::preferred_separator));
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().text, "Datei \n" + saved.string() + "\nerfolgreich gespeichert!");
  EXPECT_EQ(ui.messages.back().caption, "Meldung");
  EXPECT_EQ(ui.messages.back().icon, platform::MessageIcon::Information);

  // The clipboard gets the same text: it ends with the text footer, without a line end.
  EXPECT_EQ(CopyCompleteOutput(ctx), expected);
}

TEST_F(GenerationTest, saved_html_complete_output_has_one_frame_around_the_marked_lists) {
  // A data folder with only the configuration: the competition loads without participants.
  fs::create_directories(dir / "daten");
  test::WriteAll(
      dir / "daten" / "WEXCONFG.WID",
      std::string(reinterpret_cast<const char*>(&ctx.competition.config), sizeof ctx.competition.config));
  SetFieldText(ctx.cnf.datenpfad, (dir / "daten").string());
  Add(kKindUnsorted, true, out / "a.html", "Café am Stand"_w);
  Add(7, true, out / "c.html");

  _listdat copy = ctx.actions.entries[0];
  copy.ohne_rahmen = 1;
  copy.format = 0;
  const std::string expected = OutputFoot(ctx, 1, OutputHead(ctx, 1) + WriteList(ctx, copy));

  EXPECT_TRUE(SaveCompleteOutput(ctx, (dir / "Gesamt").string(), 1));
  EXPECT_EQ(test::ReadAll(dir / "Gesamt.html"), expected);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Meldung");
}

TEST_F(GenerationTest, complete_output_that_cannot_be_saved_is_reported) {
  SetFieldText(ctx.cnf.datenpfad, (dir / "bad-data-folder").string());
  const std::string chosen = (dir / "fehlt" / "Gesamt").string();
  EXPECT_FALSE(SaveCompleteOutput(ctx, chosen, 1));
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().text, "Datei \n" + chosen + ".html\nkonnte nicht gespeichert werden!");
  EXPECT_EQ(ui.messages.back().caption, "Fehler");
  EXPECT_EQ(ui.messages.back().icon, platform::MessageIcon::Error);
}

}  // namespace
}  // namespace wex
