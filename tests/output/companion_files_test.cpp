// Index page, next-page chain, file copies, refresh counter, page script, sample style sheet, info page.
#include "core/output/companion_files.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/competition/fixed_text.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

namespace fs = std::filesystem;

fs::path Fixture(const std::string& name) { return fs::path(__FILE__).parent_path() / "fixtures" / name; }

_listdat Entry(const char* file, int format, bool marked, const char* text1 = "", const char* text2 = "") {
  _listdat e{};
  SetFieldText(e.dateiname, file);
  SetFieldText(e.text1, text1);
  SetFieldText(e.text2, text2);
  SetFieldText(e.folgeseite, "alt.html");
  e.format = static_cast<std::int8_t>(format);
  e.markiert = marked ? 1 : 0;
  return e;
}

struct CompanionTest : ::testing::Test {
  test::RecordingUserInterface ui;
  platform::FixedClock clock{test::SampleTime()};
  Context ctx{ui, clock};
  test::TempDir dir;

  CompanionTest() {
    SetFieldText(ctx.competition.config.veranstalter, "SV Tell");
    SetFieldText(ctx.competition.config.wettbewerb1, "Königsschießen"_w);
    SetFieldText(ctx.cnf.indexdatei, "WexIndex.html");
    SetFieldText(ctx.cnf.ausgabepfad, dir.str());
    ctx.cnf.wechselzeit = 2;
  }

  std::string IndexPath() const { return (dir / "WexIndex.html").string(); }
};

// The page head of the index page, as the browser receives it (entities already applied).
std::string Head(const std::string& scriptBlock, const std::string& mouseDivision) {
  return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"> \r\n"
         "<html lang=\"de\">\r\n"
         "<head>\r\n"
         "\t<meta charset=\"utf-8\">\r\n"
         "\t<meta http-equiv=\"expires\" content=\"0\">\r\n"
         "\t<meta name=\"generator\" content=\"WexPlakard.exe von Groebenfalter\">\r\n"
         "\t<meta name=\"keywords\" lang=\"de\" content=\"Schie&szlig;sport, SV Tell\">\r\n" +
         scriptBlock +
         "\t<title>\r\n\t\tSV Tell,\r\n \t\tK&ouml;nigsschie&szlig;en\r\n\t</title>\r\n"
         " \t<script src=\"Plakard.js\" type=\"text/javascript\"> </script>\r\n"
         "</head>\r\n"
         "<body onLoad=\"onLoad();\">\r\n" +
         mouseDivision +
         "<input type=\"button\" style=\"position:fixed; top:5px; right:5px; cursor:pointer;\" "
         "class=\"meinbutton\" value=\"Aktualisieren\" onClick=\"document.location.reload()\">\r\n"
         "<div style=\"text-align: center;\">\r\n"
         " <h1>SV Tell</h1>\r\n"
         " <h2>K&ouml;nigsschie&szlig;en</h2>\r\n"
         "</div>\r\n"
         "<hr style=\"width: 75%; height: 1px;\"noshade=\"noshade\">\r\n"
         "<tbody>\r\n"
         "<table align=\"center\"; style=\"margin-left: auto; margin-right: auto; text-align: left; width: "
         "auto "
         "; height: auto;\" border= \"1\" cellpadding= \"3\" cellspacing= \"1\">\r\n";
}

std::string ScriptBlock(const std::string& next, int autoWechsel, int autoScroll) {
  return "  <script type=\"text/javascript\">\r\n"
         "    var folgeseite = \" " +
         next +
         "\";\r\n"
         "    var nextPageTimeout = 120000;\r\n"
         "    var autoWechsel = " +
         std::to_string(autoWechsel) +
         ";\r\n"
         "    var autoScroll = " +
         std::to_string(autoScroll) +
         ";\r\n"
         "  </script>\r\n";
}

const std::string kMouseDivision =
    "<div\r\n  style='cursor:pointer';\r\n  onMouseEnter=\"onMouseEnter();\"\r\n  "
    "onMouseLeave=\"onMouseExit();\">\r\n";

std::string NoticeAndFooter(const std::string& notice) {
  return "</table>\r\n"
         "<hr style=\"width: 75%; height: 1px;\"noshade=\"noshade\"></hr>\r\n"
         " <tr>\r\n"
         "  <h4 style=\"text-align: center;\">\r\n"
         "  <blockquote>\r\n"
         "   " +
         notice +
         "\r\n"
         "  </blockquote>\r\n"
         " </h4\r\n"
         " /tr>\r\n"
         " <hr style=\"width: 75%; height: 1px;\"noshade=\"noshade\"></hr>\r\n"
         " <h5 style=\"text-align: center;\">Diese Seite wurde am 9.12.2026,  7:05 von WexPlakard.exe "
         "erstellt, "
         "einer Software f&uuml;r den Schie&szlig;sport von <a "
         "href=\"groebenfalter.html\">Gr&ouml;benfalter.</a>"
         "</h5>\r\n"
         " </tbody>\r\n";
}

TEST_F(CompanionTest, index_page_links_marked_html_lists_and_leads_to_the_first_of_them) {
  ctx.cnf.seitenkette = 1;
  ctx.cnf.auto_seitenwechsel = 1;
  ctx.cnf.anzeige_tln_ohne_erg = 1;
  ctx.intdat.tln_ohne_ergebnis = 3;
  SetFieldText(ctx.competition.config.hinweistext, "Siegerehrung um 18 Uhr\r\nGetränke & Imbiss"_w);
  ctx.actions.entries = {
      Entry("C:\\Listen\\Teil.txt", 1, true, "Text"),  // TXT: neither linked nor the next page
      Entry("C:\\Listen\\Alt.html", 0, false, "Alt"),
      Entry("C:\\Listen\\Erg1.html", 0, true, "Luftgewehr <Schüler>"_w, "Einzel"),
      Entry("Erg2.html", 0, true, "Mannschaft"),
  };
  const std::string expected =
      Head(ScriptBlock("Erg1.html", 1, 0), kMouseDivision) +
      "  <tr>\r\n"
      "   <td class=\"dunkel\" > <a href=\"Erg1.html\">&nbsp;Luftgewehr &lt;Sch&uuml;ler&gt; Einzel&nbsp;</a>"
      "</td>\r\n"
      "  </tr>\r\n"
      "  <tr>\r\n"
      "   <td class=\"dunkel\" > <a href=\"Erg2.html\">&nbsp;Mannschaft&nbsp;</a></td>\r\n"
      "  </tr>\r\n" +
      NoticeAndFooter("Siegerehrung um 18 Uhr<br>\r\n   Getr&auml;nke &amp; Imbiss") +
      " </div>\r\n"
      " <h4 style=\"text-align: center; position:fixed; bottom:0px; text-align:left; padding:10px;\">"
      "<b>Teilnehmer ohne Ergebnis: 3</b></h5>\r\n"
      "</html>\r\n";
  EXPECT_EQ(IndexPageText(ctx, IndexPath()), expected);
}

TEST_F(CompanionTest, index_page_without_marked_html_list_is_its_own_next_page) {
  ctx.cnf.seitenkette = 1;
  ctx.cnf.auto_scroll = 1;
  ctx.actions.entries = {Entry("Teil.txt", 1, true, "Text"), Entry("Erg.html", 0, false, "Erg")};
  const std::string expected = Head(ScriptBlock("WexIndex.html", 0, 1), kMouseDivision) +
                               NoticeAndFooter("") +
                               " </div>\r\n"
                               "</body>\r\n"
                               "</html>\r\n";
  ASSERT_TRUE(WriteIndexPage(ctx, IndexPath()));
  EXPECT_EQ(test::ReadAll(IndexPath()), expected);
}

TEST_F(CompanionTest, index_page_without_script_and_without_participants_lacking_results_ends_plainly) {
  ctx.cnf.seitenkette = 0;
  ctx.cnf.anzeige_tln_ohne_erg = 1;
  ctx.intdat.tln_ohne_ergebnis = 0;
  ctx.actions.entries = {Entry("Erg.html", 0, true, "Einzel")};
  const std::string expected =
      Head("", "") +
      "  <tr>\r\n"
      "   <td class=\"dunkel\" > <a href=\"Erg.html\">&nbsp;Einzel&nbsp;</a></td>\r\n"
      "  </tr>\r\n" +
      NoticeAndFooter("") + "</html>\r\n";
  EXPECT_EQ(IndexPageText(ctx, IndexPath()), expected);
}

TEST_F(CompanionTest, next_pages_chain_marked_entries_or_point_to_themselves) {
  const std::vector<_listdat> list = {
      Entry("C:\\L\\a.html", 0, true), Entry("C:\\L\\b.html", 0, false), Entry("C:\\L\\c.txt", 1, true),
      Entry("d.html", 0, true),        Entry("e.html", 0, false),
  };
  struct Case {
    int seitenkette;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      // The TXT entry is the next page of the entry before it; the last marked one leads to the index.
      {1, {"c.txt", "alt.html", "d.html", "WexIndex.html", "alt.html"}},
      {0, {"a.html", "alt.html", "c.txt", "d.html", "alt.html"}},
  };
  for (const Case& c : cases) {
    ctx.actions.entries = list;
    ctx.cnf.seitenkette = static_cast<std::int8_t>(c.seitenkette);
    SetNextPages(ctx);
    for (std::size_t i = 0; i < list.size(); ++i)
      EXPECT_EQ(FieldText(ctx.actions.entries[i].folgeseite), c.expected[i])
          << "seitenkette " << c.seitenkette << ", entry " << i;
  }
}

TEST_F(CompanionTest, copy_file_copies_whole_files_and_empties_the_destination_without_source) {
  std::string big;
  for (int i = 0; i < 3000; ++i) big += static_cast<char>(i % 256);  // several 1024-byte blocks, NULs inside
  test::WriteAll(dir / "src.png", big);
  test::WriteAll(dir / "old.png", "previous");
  EXPECT_TRUE(CopyCompanionFile((dir / "src.png").string(), (dir / "old.png").string()));
  EXPECT_EQ(test::ReadAll(dir / "old.png"), big);

  EXPECT_TRUE(CopyCompanionFile((dir / "missing.png").string(), (dir / "old.png").string()));
  EXPECT_TRUE(fs::exists(dir / "old.png"));
  EXPECT_EQ(test::ReadAll(dir / "old.png"), "");
}

TEST_F(CompanionTest, copy_file_onto_itself_keeps_the_file) {
  test::WriteAll(dir / "Logo.png", "logo bytes");
  const std::string plain = (dir / "Logo.png").string();
  const std::string roundabout = (dir / "." / "Logo.png").string();
  EXPECT_TRUE(CopyCompanionFile(plain, plain));
  EXPECT_TRUE(CopyCompanionFile(plain, roundabout));
  EXPECT_EQ(test::ReadAll(dir / "Logo.png"), "logo bytes");
}

TEST_F(CompanionTest, style_sheet_is_copied_unchanged_unless_empty_or_unreadable) {
  test::TempDir styles;
  const std::string sheet = "td.hell { color: #eeeeee; } /* Übung */\r\n"_w;
  test::WriteAll(styles / "Halle.css", sheet);
  test::WriteAll(styles / "Leer.css", "");
  struct Case {
    std::string cssFile;
    bool copied;
  };
  const Case cases[] = {
      {(styles / "Halle.css").string(), true},
      {(styles / "Leer.css").string(), false},
      {(styles / "Fehlt.css").string(), false},
  };
  for (const Case& c : cases) {
    SetFieldText(ctx.cnf.css_datei, c.cssFile);
    EXPECT_TRUE(CopyStyleSheet(ctx)) << c.cssFile;
    const fs::path copy = dir / platform::FileNamePart(c.cssFile);
    EXPECT_EQ(fs::exists(copy), c.copied) << c.cssFile;
    if (c.copied) {
      EXPECT_EQ(test::ReadAll(copy), sheet);
    }
  }
}

TEST_F(CompanionTest, refresh_counter_holds_the_generation_counter_without_line_end) {
  ctx.intdat.generierungszaehler = 12;
  ASSERT_TRUE(WriteRefreshCounter(ctx, (dir / "Refreshindex.txt").string()));
  EXPECT_EQ(test::ReadAll(dir / "Refreshindex.txt"), "12");
  EXPECT_FALSE(WriteRefreshCounter(ctx, (dir / "fehlt" / "Refreshindex.txt").string()));
}

TEST_F(CompanionTest, script_file_matches_the_reference) {
  ASSERT_TRUE(WriteScriptFile((dir / "Plakard.js").string()));
  EXPECT_EQ(test::ReadAll(dir / "Plakard.js"), test::ReadAll(Fixture("Plakard.js")));
}

TEST_F(CompanionTest, sample_style_sheet_matches_the_reference) {
  ASSERT_TRUE(WriteSampleStyleSheet(clock, (dir / "WexStandard.css").string()));
  EXPECT_EQ(test::ReadAll(dir / "WexStandard.css"), test::ReadAll(Fixture("WexStandard.css")));
  EXPECT_FALSE(WriteSampleStyleSheet(clock, (dir / "fehlt" / "WexStandard.css").string()));
}

TEST_F(CompanionTest, info_page_matches_the_reference) {
  SetFieldText(ctx.cnf.css_datei, "C:\\Styles\\Halle.css");
  ASSERT_TRUE(WriteInfoPage(ctx, (dir / "groebenfalter.html").string()));
  EXPECT_EQ(test::ReadAll(dir / "groebenfalter.html"), test::ReadAll(Fixture("groebenfalter.html")));
}

}  // namespace
}  // namespace wex
