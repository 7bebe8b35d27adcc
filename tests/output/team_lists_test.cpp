// Team list and participation list: whole texts in HTML, text and LaTeX.
#include "core/output/team_lists.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/competition/fixed_text.hpp"
#include "core/platform/cp1252.hpp"
#include "support/fakes.hpp"
#include "support/team_fixture.hpp"

namespace wex {
namespace {

using test::FirstSeries;
using test::HomeTeam;
using test::Participant;
using test::TeamResult;

// The head every list page of this competition starts with (auto_scroll on, next page WexErg3.html).
const char* const kScrollingPageHead =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"> \r\n"
    "<html lang=\"de\">\r\n"
    "<head>\r\n"
    "\t<meta charset=\"utf-8\">\r\n"
    "\t<meta http-equiv=\"expires\" content=\"0\">\r\n"
    "\t<meta name=\"generator\" content=\"WexPlakard.exe von Groebenfalter\">\r\n"
    "\t<meta name=\"keywords\" lang=\"de\" content=\"Schie&szlig;sport, SV Tell\">\r\n"
    "  <script type=\"text/javascript\">\r\n"
    "    var folgeseite = \" WexErg3.html\";\r\n"
    "    var nextPageTimeout = 120000;\r\n"
    "    var autoWechsel = 0;\r\n"
    "    var autoScroll = 1;\r\n"
    "  </script>\r\n"
    "\t<title>\r\n\t\tSV Tell,\r\n \t\tRundenwettkampf 2026\r\n\t</title>\r\n"
    " \t<script src=\"Plakard.js\" type=\"text/javascript\"> </script>\r\n"
    "</head>\r\n"
    "<body onLoad=\"onLoad();\">\r\n"
    "<div\r\n"
    "  style='cursor:pointer';\r\n"
    "  onMouseEnter=\"onMouseEnter();\"\r\n"
    "  onMouseLeave=\"onMouseExit();\">\r\n"
    "<input type=\"button\" style=\"position:fixed; top:5px; left:5px; cursor:pointer;\" "
    "class=\"meinbutton\" "
    "value=\"zur &Uuml;bersicht\" onClick=\"parent.location='WexIndex.html'\">\r\n"
    "<input type=\"button\" style=\"position:fixed; top:5px; right:5px; cursor:pointer;\" "
    "class=\"meinbutton\" "
    "value=\"Aktualisieren\" onClick=\"document.location.reload()\">\r\n"
    "<div style=\"text-align: center;\">\r\n"
    " <h1>SV Tell</h1>\r\n"
    " <h2>Rundenwettkampf 2026</h2>\r\n"
    " <h2>Luftgewehr</h2>\r\n";

const char* const kTeamTableStart =
    "<table align=\"center\"; style=\"margin-left: auto; margin-right: auto; text-align: left; width: auto ; "
    "height: auto;\" border= \"2\" cellpadding= \"0\" cellspacing= \"0\">\r\n"
    " <tbody>\r\n"
    " <div style=\"vertical-align: top; text-align: left; height: 5px;\">   </div>\r\n";

const char* const kLatexTableHeadRings =
    "\\hline\r\n"
    "\\endhead\r\n"
    "\\hline\r\n"
    "\\multicolumn{3}{l}{Fortsetzung folgt $...$ }\\\\\r\n"
    "\\hline\r\n"
    "\\endfoot\r\n"
    "\\hline\r\n"
    "\\endlastfoot\r\n";

// Team 1 "Adler & Falken" with five members (100 ... 96 rings), team 2 "Bären" with two (90, 88), team 3
// without members; ring target 0 in whole rings, S = 3.
struct TeamListTest : ::testing::Test {
  test::RecordingUserInterface ui;
  platform::FixedClock clock{test::SampleTime()};
  Context ctx{ui, clock};
  test::TempDir dir;
  _listdat entry = test::TeamEntry(0, 3);

  TeamListTest() {
    auto& k = ctx.competition.config;
    SetFieldText(k.veranstalter, "SV Tell");
    SetFieldText(k.wettbewerb1, "Rundenwettkampf 2026");
    SetFieldText(k.wettbewerb3, "Luftgewehr");
    SetFieldText(ctx.cnf.indexdatei, "WexIndex.html");
    ctx.cnf.wechselzeit = 2;
    ctx.intdat.startverzeichnis = dir.str();
    ctx.competition.homeTeams = {HomeTeam(1, "Adler & Falken"), HomeTeam(2, "Bären"_w), HomeTeam(3, "Leer")};
    const struct {
      int tlnr;
      const char* name;
      int team, value;
    } members[] = {{11, "Arm, Anna", 1, 1000}, {12, "Beck, Bert²"_w, 1, 990}, {13, "Cord, Carl", 1, 980},
                   {14, "Dorn, Dora", 1, 970}, {15, "Eck, Emil", 1, 960},     {21, "Fink, Fritz", 2, 900},
                   {22, "Gans, Gerd", 2, 880}};
    for (const auto& m : members) {
      auto p = Participant(m.tlnr, m.name, m.team);
      ctx.competition.participants.push_back(TeamResult(p, 0, m.value));
    }
    SetFieldText(entry.text1, "Mannschaftswertung");
    SetFieldText(entry.text2, "Luftgewehr");
    SetFieldText(entry.folgeseite, "WexErg3.html");
  }

  std::string Write(int format, int variant, bool startNumbers, bool inCompleteOutput) {
    entry.format = static_cast<std::int8_t>(format);
    entry.mw_ausgabe = static_cast<std::int8_t>(variant);
    entry.mw_startnr = startNumbers ? 1 : 0;
    entry.ohne_rahmen = inCompleteOutput ? 1 : 0;
    return WriteTeamList(ctx, entry);
  }
};

TEST_F(TeamListTest, html_page_of_team_results_is_escaped_and_finished_as_utf8) {
  ctx.cnf.auto_scroll = 1;
  ctx.cnf.upload_aktiv = 1;
  SetFieldText(entry.text1, "Mannschaften <LG>");
  SetFieldText(entry.text2, "Luftgewehr Café"_w);
  const std::string expected =
      std::string(kScrollingPageHead) +
      " <h3>Mannschaften &lt;LG&gt; Luftgewehr Café</h3>\r\n"
      "</div>\r\n" +
      kTeamTableStart +
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\">1<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Adler &amp; Falken&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;297&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" style=\"width: 40px; text-align: center;\">2<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;B&auml;ren&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;178&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      " </tbody>\r\n"
      " </table>\r\n"
      " <h5 style=\"text-align: center;\">Diese Seite wurde am 9.12.2026,  7:05 von "
      "WexPlakard.exe erstellt, einer Software f&uuml;r den Schie&szlig;sport von <a "
      "href=\"http://www.groebenfalter.de\" target=\"_blank\">Gr&ouml;benfalter.</a></h5>\r\n"
      " </div>\r\n"
      " </div>\r\n"
      "</body>\r\n"
      "</html>\r\n";
  EXPECT_EQ(Write(0, 2, false, false), expected);
}

TEST_F(TeamListTest, html_with_all_members_puts_the_total_before_the_first_uncounted_member) {
  const std::string expected =
      std::string(
          "<div style=\"text-align: center;\">\r\n"
          " <h3>Mannschaftswertung Luftgewehr</h3>\r\n"
          "</div>\r\n") +
      kTeamTableStart +
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\"><b>1</b><br></td>\r\n"
      "    <td class=\"dunkel\" colspan=\"3\"><b>&nbsp;Adler &amp; Falken&nbsp;</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Arm, Anna&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;100&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\"> <br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Beck, Bert²&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;99&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Cord, Carl&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;98&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" ><br></td>\r\n"
      "    <td class=\"dunkel\" ><br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\"><b>&nbsp;297&nbsp;</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Dorn, Dora&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;97&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\"> <br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Eck, Emil&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;96&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" colspan=\"4\" style=\"width: 40px; text-align: center;\"><b> </b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\"><b>2</b><br></td>\r\n"
      "    <td class=\"dunkel\" colspan=\"3\"><b>&nbsp;Bären&nbsp;</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Fink, Fritz&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;90&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\"> <br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Gans, Gerd&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;88&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" ><br></td>\r\n"
      "    <td class=\"hell\" ><br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\"><b>&nbsp;178&nbsp;</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" colspan=\"4\" style=\"width: 40px; text-align: center;\"><b> "
      "</b><br></td>\r\n"
      "   </tr>\r\n"
      " </tbody>\r\n"
      " </table>\r\n"
      " <hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n"_w;
  // Inside a complete output: no page head or foot, no conversion.
  EXPECT_EQ(Write(0, 0, false, true), expected);
}

TEST_F(TeamListTest, html_with_counted_members_and_start_numbers) {
  const std::string expected =
      std::string(
          "<div style=\"text-align: center;\">\r\n"
          " <h3>Mannschaftswertung Luftgewehr</h3>\r\n"
          "</div>\r\n") +
      kTeamTableStart +
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\"><b>1</b><br></td>\r\n"
      "    <td class=\"dunkel\" colspan=\"3\"><b>&nbsp;Adler &amp; Falken</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\" style=\"width: 40px; text-align: center;\">&nbsp;11&nbsp;<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Arm, Anna&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;100&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\"> <br></td>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\">&nbsp;12&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Beck, Bert²&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;99&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\" style=\"width: 40px; text-align: center;\">&nbsp;13&nbsp;<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Cord, Carl&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;98&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" ><br></td>\r\n"
      "    <td class=\"dunkel\" ><br></td>\r\n"
      "    <td class=\"dunkel\" ><br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\"><b>&nbsp;297&nbsp;</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" colspan=\"4\" style=\"width: 40px; text-align: right;\"><b> </b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\"><b>2</b><br></td>\r\n"
      "    <td class=\"dunkel\" colspan=\"3\"><b>&nbsp;Bären</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\" style=\"width: 40px; text-align: center;\">&nbsp;21&nbsp;<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Fink, Fritz&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;90&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\"> <br></td>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\">&nbsp;22&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Gans, Gerd&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;88&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" ><br></td>\r\n"
      "    <td class=\"hell\" ><br></td>\r\n"
      "    <td class=\"hell\" ><br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\"><b>&nbsp;178&nbsp;</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" colspan=\"4\" style=\"width: 40px; text-align: right;\"><b> </b><br></td>\r\n"
      "   </tr>\r\n"
      " </tbody>\r\n"
      " </table>\r\n"
      " <hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n"_w;
  EXPECT_EQ(Write(0, 1, true, true), expected);
}

TEST_F(TeamListTest, text_with_all_members_and_the_frame_lines) {
  const std::string expected = std::string(
      "SV Tell\r\n"
      "Rundenwettkampf 2026\r\n"
      "\r\n"
      "Luftgewehr\r\n"
      "\r\n"
      "Mannschaftswertung\r\n"
      "Luftgewehr\r\n"
      "\r\n"
      "1\tAdler & Falken                          \t\r\n"
      "\t\t\tArm, Anna                     \t  100\r\n"
      "\t\t\tBeck, Bert²                   \t   99\r\n"
      "\t\t\tCord, Carl                    \t   98\r\n"
      "\t\t\t\t\t\t\t-----\r\n"
      "\t\t\t\t\t\t\t  297\r\n"
      "\t\t\tDorn, Dora                    \t   97\r\n"
      "\t\t\tEck, Emil                     \t   96\r\n"
      "\r\n"
      "2\tBären                                   \t\r\n"
      "\t\t\tFink, Fritz                   \t   90\r\n"
      "\t\t\tGans, Gerd                    \t   88\r\n"
      "\t\t\t\t\t\t\t-----\r\n"
      "\t\t\t\t\t\t\t  178\r\n"
      "\r\n"
      "\r\n"_w);
  EXPECT_EQ(Write(1, 0, false, false), expected);
}

TEST_F(TeamListTest, text_with_counted_members_and_start_numbers_inside_a_complete_output) {
  const std::string expected = std::string(
      "\r\n"
      "\r\n"
      "Mannschaftswertung\r\n"
      "Luftgewehr\r\n"
      "\r\n"
      "1\tAdler & Falken                          \t\r\n"
      "\t\t  11\tArm, Anna                     \t  100\r\n"
      "\t\t  12\tBeck, Bert²                   \t   99\r\n"
      "\t\t  13\tCord, Carl                    \t   98\r\n"
      "\t\t\t\t\t\t\t-----\r\n"
      "\t\t\t\t\t\t\t  297\r\n"
      "\r\n"
      "2\tBären                                   \t\r\n"
      "\t\t  21\tFink, Fritz                   \t   90\r\n"
      "\t\t  22\tGans, Gerd                    \t   88\r\n"
      "\t\t\t\t\t\t\t-----\r\n"
      "\t\t\t\t\t\t\t  178\r\n"
      "\r\n"
      "\r\n"_w);
  EXPECT_EQ(Write(1, 1, true, true), expected);
}

TEST_F(TeamListTest, latex_with_all_members_escapes_names_and_sets_the_mark_superscript) {
  const std::string expected =
      std::string(
          "\r\n"
          "\\begin{longtable}{r l r}\r\n"
          "\\caption{Mannschaftswertung Luftgewehr}\\\\ \r\n"
          "\\hline\r\n"
          "\\tiny Rang&\\tiny Mannschaft&\\tiny Ringe\\\\ \r\n"
          "\\hline\r\n"
          "\\endfirsthead\r\n"
          "\\multicolumn{3}{l} {Fortsetzung \\bf Mannschaftswertung Luftgewehr}\\\\ \r\n"
          "\\hline\r\n"
          "Rang& &Ringe\\\\ \r\n") +
      kLatexTableHeadRings +
      "\\textbf{1}&\\textbf{Adler \\& Falken}&\\\\ \r\n"
      "&Arm, Anna&100\\\\ \r\n"
      "&Beck, Bert\\textsuperscript{2}&99\\\\ \r\n"
      "&Cord, Carl&98\\\\ \r\n"
      "\\cline{3-3}\r\n"
      "&&\\textbf{  297}\\\\ \r\n"
      "&Dorn, Dora&97\\\\ \r\n"
      "&Eck, Emil&96\\\\ \r\n"
      "\\\\ \r\n"
      "\\textbf{2}&\\textbf{Bären}&\\\\ \r\n"
      "&Fink, Fritz&90\\\\ \r\n"
      "&Gans, Gerd&88\\\\ \r\n"
      "\\cline{3-3}\r\n"
      "&&\\textbf{  178}\\\\ \r\n"
      "\\\\ \r\n"
      "\r\n"
      "\\end{longtable}\r\n"_w;
  EXPECT_EQ(Write(2, 0, false, true), expected);
}

TEST_F(TeamListTest, latex_with_counted_members_and_start_number_column) {
  const std::string expected =
      std::string(
          "\r\n"
          "\\begin{longtable}{r r l r}\r\n"
          "\\caption{Mannschaftswertung Luftgewehr}\\\\ \r\n"
          "\\hline\r\n"
          "\\tiny Rang&\\tiny Snr&\\tiny Mannschaft&\\tiny Ringe\\\\ \r\n"
          "\\hline\r\n"
          "\\endfirsthead\r\n"
          "\\multicolumn{3}{l} {Fortsetzung \\bf Mannschaftswertung Luftgewehr}\\\\ \r\n"
          "\\hline\r\n"
          "Rang&Snr& &Ringe\\\\ \r\n") +
      kLatexTableHeadRings +
      "\\textbf{1}&&\\textbf{Adler \\& Falken}&\\\\ \r\n"
      "&11&Arm, Anna&100\\\\ \r\n"
      "&12&Beck, Bert\\textsuperscript{2}&99\\\\ \r\n"
      "&13&Cord, Carl&98\\\\ \r\n"
      "\\cline{4-4}\r\n"
      "&&&\\textbf{  297}\\\\ \r\n"
      "\\\\ \r\n"
      "\\textbf{2}&&\\textbf{Bären}&\\\\ \r\n"
      "&21&Fink, Fritz&90\\\\ \r\n"
      "&22&Gans, Gerd&88\\\\ \r\n"
      "\\cline{4-4}\r\n"
      "&&&\\textbf{  178}\\\\ \r\n"
      "\\\\ \r\n"
      "\r\n"
      "\\end{longtable}\r\n"_w;
  EXPECT_EQ(Write(2, 1, true, true), expected);
}

// Three members all marked in field 1 with max1 = 1: only the best counts, the others stand before
// position S without counting.
TEST_F(TeamListTest, additional_field_limit_shows_uncounted_members_before_position_S_per_format) {
  ctx.competition.participants.clear();
  const struct {
    int tlnr;
    const char* name;
    int value;
  } members[] = {{11, "Arm, Anna", 1000}, {12, "Beck, Bert", 990}, {13, "Cord, Carl", 980}};
  for (const auto& m : members) {
    auto p = Participant(m.tlnr, m.name, 1);
    p.zusatz1 = 1;
    ctx.competition.participants.push_back(TeamResult(p, 0, m.value));
  }
  entry.mw_einstellungen.mw_zusatz[0][0] = {1, 1};

  const std::string html =
      std::string(
          "<div style=\"text-align: center;\">\r\n"
          " <h3>Mannschaftswertung Luftgewehr</h3>\r\n"
          "</div>\r\n") +
      kTeamTableStart +
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\"><b>1</b><br></td>\r\n"
      "    <td class=\"dunkel\" colspan=\"3\"><b>&nbsp;Adler &amp; Falken</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Arm, Anna&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;100&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" ><br></td>\r\n"
      "    <td class=\"dunkel\" ><br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\"><b>&nbsp;100&nbsp;</b><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" colspan=\"4\" style=\"width: 40px; text-align: right;\"><b> </b><br></td>\r\n"
      "   </tr>\r\n"
      " </tbody>\r\n"
      " </table>\r\n"
      " <hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n";
  EXPECT_EQ(Write(0, 1, false, true), html);

  const std::string text =
      "\r\n"
      "\r\n"
      "Mannschaftswertung\r\n"
      "Luftgewehr\r\n"
      "\r\n"
      "1\tAdler & Falken                          \t\r\n"
      "\t\t\tArm, Anna                     \t  100\r\n"
      "\t\t\t\t\t\t\t-----\r\n"
      "\t\t\t\t\t\t\t  100\r\n"
      "\t\t\tBeck, Bert                    \t   99\r\n"
      "\t\t\tCord, Carl                    \t   98\r\n"
      "\r\n";
  EXPECT_EQ(Write(1, 1, false, true), text);

  // LaTeX places the total by position alone.
  const std::string latex =
      std::string(
          "\r\n"
          "\\begin{longtable}{r l r}\r\n"
          "\\caption{Mannschaftswertung Luftgewehr}\\\\ \r\n"
          "\\hline\r\n"
          "\\tiny Rang&\\tiny Mannschaft&\\tiny Ringe\\\\ \r\n"
          "\\hline\r\n"
          "\\endfirsthead\r\n"
          "\\multicolumn{3}{l} {Fortsetzung \\bf Mannschaftswertung Luftgewehr}\\\\ \r\n"
          "\\hline\r\n"
          "Rang& &Ringe\\\\ \r\n") +
      kLatexTableHeadRings +
      "\\textbf{1}&\\textbf{Adler \\& Falken}&\\\\ \r\n"
      "&Arm, Anna&100\\\\ \r\n"
      "&Beck, Bert&99\\\\ \r\n"
      "&Cord, Carl&98\\\\ \r\n"
      "\\cline{3-3}\r\n"
      "&&\\textbf{  100}\\\\ \r\n"
      "\\\\ \r\n"
      "\r\n"
      "\\end{longtable}\r\n";
  EXPECT_EQ(Write(2, 1, false, true), latex);
}

TEST_F(TeamListTest, list_limit_counts_the_host_team_listed_without_rank) {
  ctx.competition.homeTeams = {HomeTeam(1, "Eins"), HomeTeam(2, "Zwei"), HomeTeam(3, "Drei"),
                               HomeTeam(4, "Vier")};
  ctx.competition.participants.clear();
  for (int t = 1; t <= 4; ++t) {
    auto p = Participant(t, "P", t);
    ctx.competition.participants.push_back(TeamResult(p, 0, 500 - 100 * t));
  }
  entry = test::TeamEntry(0, 1);
  SetFieldText(entry.text1, "Mannschaftswertung");
  SetFieldText(entry.text2, "Luftgewehr");
  entry.mw_einstellungen.mw_heim_nummer[0] = 2;
  entry.mw_einstellungen.mw_heim_wertung[0] = 2;
  entry.mw_bereich = 1;
  entry.mw_anzahl_max = 3;

  const std::string html =
      std::string(
          "<div style=\"text-align: center;\">\r\n"
          " <h3>Mannschaftswertung Luftgewehr</h3>\r\n"
          "</div>\r\n") +
      kTeamTableStart +
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\">1<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Eins&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;40&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" style=\"width: 40px; text-align: center;\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Zwei&nbsp;<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;30&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\">2<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Drei&nbsp;<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;20&nbsp;<br></td>\r\n"
      "   </tr>\r\n"
      " </tbody>\r\n"
      " </table>\r\n"
      " <hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n";
  EXPECT_EQ(Write(0, 2, false, true), html);

  const std::string text =
      "\r\n"
      "\r\n"
      "Mannschaftswertung\r\n"
      "Luftgewehr\r\n"
      "\r\n"
      "1\tEins                                    \t   40\r\n"
      "\r\n"
      "\tZwei                                    \t   30\r\n"
      "\r\n"
      "2\tDrei                                    \t   20\r\n"
      "\r\n";
  EXPECT_EQ(Write(1, 2, false, true), text);

  // Start numbers are asked for, but team results only have no start number column.
  const std::string latex =
      std::string(
          "\r\n"
          "\\begin{longtable}{r l r}\r\n"
          "\\caption{Mannschaftswertung Luftgewehr}\\\\ \r\n"
          "\\hline\r\n"
          "\\tiny Rang&\\tiny Mannschaft&\\tiny Ringe\\\\ \r\n"
          "\\hline\r\n"
          "\\endfirsthead\r\n"
          "\\multicolumn{3}{l} {Fortsetzung \\bf Mannschaftswertung Luftgewehr}\\\\ \r\n"
          "\\hline\r\n"
          "Rang& &Ringe\\\\ \r\n") +
      kLatexTableHeadRings +
      "1&Eins&   40\\\\ \r\n"
      "&Zwei&   30\\\\ \r\n"
      "2&Drei&   20\\\\ \r\n"
      "\r\n"
      "\\end{longtable}\r\n";
  EXPECT_EQ(Write(2, 2, true, true), latex);
}

TEST_F(TeamListTest, number_texts_follow_target_kind_and_tenth_scoring) {
  struct Case {
    bool divider, tenths;
    int value;
    const char* shown;
  };
  const Case cases[] = {
      {false, false, 2875, "  287"},  // whole rings: truncated tenths divided by 10
      {false, true, 2875, "287.5"},
      {true, false, 12345, "123.5"},  // dividers in hundredths
      {true, false, 1234, " 12.3"},
  };
  for (const Case& k : cases) {
    ctx.competition.config.scheiben[0].teiler = k.divider ? 1 : 0;
    ctx.competition.config.scheiben[0].zehntel = k.tenths ? 1 : 0;
    ctx.competition.homeTeams = {HomeTeam(1, "T")};
    auto p = Participant(1, "P", 1);
    ctx.competition.participants = {k.divider ? FirstSeries(p, 0, k.value) : TeamResult(p, 0, k.value)};
    entry.mw_einstellungen.mw_schuetzen[0] = 1;
    const std::string expected = std::string(
                                     "\r\n"
                                     "\r\n"
                                     "Mannschaftswertung\r\n"
                                     "Luftgewehr\r\n"
                                     "\r\n"
                                     "1\tT                                       \t\r\n"
                                     "\t\t\tP                             \t") +
                                 k.shown +
                                 "\r\n"
                                 "\t\t\t\t\t\t\t-----\r\n"
                                 "\t\t\t\t\t\t\t" +
                                 k.shown +
                                 "\r\n"
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(Write(1, 0, false, true), expected) << k.value << (k.divider ? " divider" : " ring");
  }
}

TEST_F(TeamListTest, format_selects_html_below_1_and_nothing_beyond_latex) {
  const std::string html = Write(0, 2, false, true);
  EXPECT_EQ(Write(-1, 2, false, true), html);
  EXPECT_EQ(Write(3, 2, false, true), "");
}

// Six participants: team 1 with three, one without team, one of team 7 (no such home team), one of team 2;
// participant 12 has no result. Disciplines, classes and additional field 1 partly named.
struct ParticipationListTest : ::testing::Test {
  test::RecordingUserInterface ui;
  platform::FixedClock clock{test::SampleTime()};
  Context ctx{ui, clock};
  test::TempDir dir;
  _listdat entry{};

  ParticipationListTest() {
    auto& k = ctx.competition.config;
    SetFieldText(k.veranstalter, "SV Tell");
    SetFieldText(k.wettbewerb1, "Rundenwettkampf 2026");
    SetFieldText(k.wettbewerb3, "Luftgewehr");
    SetFieldText(k.disziplinen[0], "Luftgewehr");
    SetFieldText(k.disziplinen[1], "Luftpistole");
    SetFieldText(k.zusatzfeld[0], "Jugend");
    SetFieldText(k.klassen[0], "Schützen"_w);
    SetFieldText(k.klassen[1], "Damen & Herren");
    SetFieldText(ctx.cnf.indexdatei, "WexIndex.html");
    ctx.cnf.wechselzeit = 2;
    ctx.intdat.startverzeichnis = dir.str();
    ctx.competition.homeTeams = {HomeTeam(1, "Adler & Falken"), HomeTeam(2, "Bären"_w)};
    const struct {
      int tlnr;
      const char* name;
      int team, klasse, disziplin, zusatz1;
      bool result;
    } people[] = {{11, "Arm, Anna", 1, 1, 0, 1, true},  {12, "Beck, Bert", 1, 0, 1, 0, false},
                  {13, "Cord, Carl", 0, 0, 0, 0, true}, {14, "Dorn, Dora", 7, 2, 2, 1, true},
                  {15, "Eck, Emil", 1, 0, 0, 0, true},  {16, "Fink, Fritz", 2, 1, 0, 0, true}};
    for (const auto& p : people) {
      auto q = Participant(p.tlnr, p.name, p.team, p.klasse);
      q.disziplin = static_cast<std::uint8_t>(p.disziplin);
      q.zusatz1 = static_cast<std::uint8_t>(p.zusatz1);
      if (p.result) q.ergebnisse[0].serie[0].ganz = 95;
      ctx.competition.participants.push_back(q);
    }
    SetFieldText(entry.folgeseite, "WexErg3.html");
  }
};

// A count row of the participation list's inner tables.
std::string CountRow(const char* rowClass, const std::string& label, int count) {
  return std::string("      <tr>\r\n") + "       <td class=\"" + rowClass + "\">&nbsp;" + label +
         "&nbsp;</td>\r\n" + "       <td class=\"" + rowClass + "\" style=\"text-align: right;\">&nbsp;" +
         std::to_string(count) + "&nbsp;</td>\r\n" + "      </tr>\r\n";
}

const char* const kParticipationTableStart =
    " <h3>Beteiligungen</h3>\r\n"
    "</div>\r\n"
    "<table style=\"margin-left: auto; margin-right: auto; width: auto; height: auto;\"\r\n"
    "                     align=\"center\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
    " <tbody>\r\n"
    " \t<div style=\"vertical-align: top; text-align: left; height: 5px;\">   </div>\r\n"
    "  \t<tr>\r\n"
    "   <td style=\"vertical-align: top; padding-right:10px;\">\r\n"
    "    <table style=\"width: 100%;\" border=\"1\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
    "     <tbody>\r\n"
    "      <tr>\r\n"
    "       <td class=\"head\" colspan=\"2\"><b>&nbsp;Teilnehmer:</b></td>\r\n"
    "      </tr>\r\n";

const char* const kClassesColumnStart =
    "     </tbody>\r\n"
    "    </table>\r\n"
    "   </td>\r\n"
    "   <td style=\"vertical-align: top; padding-left:10px; padding-right:10px;\">\r\n"
    "    <table style=\"width: 100%;\" border=\"1\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
    "     <tbody>\r\n"
    "      <tr>\r\n"
    "       <td class=\"head\" colspan=\"2\"><b>&nbsp;Klassen:</b></td>\r\n"
    "      </tr>\r\n";

const char* const kTeamsColumnStart =
    "     </tbody>\r\n"
    "    </table>\r\n"
    "   </td>\r\n"
    "   <td style=\"vertical-align: top; padding-left:10px;\">\r\n"
    "    <table style=\"width: 100%;\" border=\"1\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
    "     <tbody>\r\n"
    "      <tr>\r\n"
    "       <td class=\"head\" colspan=\"3\"><b>&nbsp;Mannschaften:</b></td>\r\n"
    "      </tr>\r\n";

const char* const kParticipationTableEnd =
    "     </tbody>\r\n"
    "    </table>\r\n"
    "   </td>\r\n"
    "  </tr>\r\n"
    " </tbody>\r\n"
    "</table>\r\n";

std::string TeamRowWithMembers(const char* rowClass, const std::string& name, int count) {
  return std::string("      <tr>\r\n") + "       <td class=\"" + rowClass + "\" colspan=\"2\"><b>&nbsp;" +
         name + "</b></td>\r\n" + "       <td class=\"" + rowClass +
         "\" style=\"text-align: right;\"><b>&nbsp; " + std::to_string(count) + "&nbsp;</b></td>\r\n" +
         "      </tr>\r\n";
}

std::string MemberRow(const char* rowClass, int startnr, const std::string& name) {
  return std::string("      <tr>\r\n") + "       <td class=\"" + rowClass +
         "\" style=\"width: 35px; text-align: center;\">&nbsp;" + std::to_string(startnr) +
         "&nbsp;</td>\r\n" + "       <td class=\"" + rowClass + "\">&nbsp;" + name + "&nbsp;</td>\r\n" +
         "       <td class=\"" + rowClass + "\" style=\"text-align: right;\"><b>&nbsp; &nbsp;</b></td>\r\n" +
         "      </tr>\r\n";
}

std::string SeparatorRow(const char* rowClass) {
  return std::string("   <tr>\r\n") + "    <td class=\"" + rowClass + "\" colspan=\"3\"><br></td>\r\n" +
         "   </tr>\r\n";
}

TEST_F(ParticipationListTest, html_page_with_all_classes_and_team_members) {
  ctx.cnf.auto_seitenwechsel = 1;
  entry.btlg_klassen = 1;
  entry.btlg_mannschaften = 1;
  entry.btlg_startnr = 1;
  std::string expected =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"> \r\n"
      "<html lang=\"de\">\r\n"
      "<head>\r\n"
      "\t<meta charset=\"utf-8\">\r\n"
      "\t<meta http-equiv=\"expires\" content=\"0\">\r\n"
      "\t<meta name=\"generator\" content=\"WexPlakard.exe von Groebenfalter\">\r\n"
      "\t<meta name=\"keywords\" lang=\"de\" content=\"Schie&szlig;sport, SV Tell\">\r\n"
      "  <script type=\"text/javascript\">\r\n"
      "    var folgeseite = \" WexErg3.html\";\r\n"
      "    var nextPageTimeout = 120000;\r\n"
      "    var autoWechsel = 1;\r\n"
      "    var autoScroll = 0;\r\n"
      "  </script>\r\n"
      "\t<title>\r\n\t\tSV Tell,\r\n \t\tRundenwettkampf 2026\r\n\t</title>\r\n"
      " \t<script src=\"Plakard.js\" type=\"text/javascript\"> </script>\r\n"
      "</head>\r\n"
      "<body onLoad=\"onLoad();\">\r\n"
      "<div\r\n"
      "  style='cursor:pointer';\r\n"
      "  onMouseEnter=\"onMouseEnter();\"\r\n"
      "  onMouseLeave=\"onMouseExit();\">\r\n"
      "<input type=\"button\" style=\"position:fixed; top:5px; left:5px; cursor:pointer;\" "
      "class=\"meinbutton\" "
      "value=\"zur &Uuml;bersicht\" onClick=\"parent.location='WexIndex.html'\">\r\n"
      "<input type=\"button\" style=\"position:fixed; top:5px; right:5px; cursor:pointer;\" "
      "class=\"meinbutton\" "
      "value=\"Aktualisieren\" onClick=\"document.location.reload()\">\r\n"
      "<div style=\"text-align: center;\">\r\n"
      " <h1>SV Tell</h1>\r\n"
      " <h2>Rundenwettkampf 2026</h2>\r\n"
      " <h2>Luftgewehr</h2>\r\n";
  expected += kParticipationTableStart;
  expected += CountRow("dunkel", "Gesamt", 6) + CountRow("hell", "Luftgewehr", 4) +
              CountRow("dunkel", "Luftpistole", 1) + CountRow("hell", "&sup1; = Jugend", 2) +
              CountRow("dunkel", "Teilnehmer ohne Ergebnis", 1);
  expected += kClassesColumnStart;
  expected += CountRow("dunkel", "Sch&uuml;tzen", 3) + CountRow("hell", "Damen &amp; Herren", 2) +
              CountRow("dunkel", "", 1);
  // "alle Klassen ausgeben": the twelve unnamed classes without participants too.
  for (int i = 3; i < 15; ++i) expected += CountRow(i % 2 ? "hell" : "dunkel", "", 0);
  expected += kTeamsColumnStart;
  expected += TeamRowWithMembers("dunkel", "Adler &amp; Falken", 3) + MemberRow("hell", 11, "Arm, Anna") +
              MemberRow("dunkel", 12, "Beck, Bert") + MemberRow("hell", 15, "Eck, Emil") +
              SeparatorRow("dunkel") + TeamRowWithMembers("hell", "--- keine Mannschaft ---", 1) +
              MemberRow("dunkel", 13, "Cord, Carl") + SeparatorRow("hell") +
              TeamRowWithMembers("dunkel", "--- keine Mannschaft ---", 1) +
              MemberRow("hell", 14, "Dorn, Dora") + SeparatorRow("dunkel") +
              TeamRowWithMembers("hell", "B&auml;ren", 1) + MemberRow("dunkel", 16, "Fink, Fritz");
  expected += kParticipationTableEnd;
  expected +=
      "</div>\r\n"
      " <h5 style=\"text-align: center;\">Diese Seite wurde am 9.12.2026,  7:05 von WexPlakard.exe erstellt, "
      "einer Software f&uuml;r den Schie&szlig;sport von <a "
      "href=\"groebenfalter.html\">Gr&ouml;benfalter.</a></h5>\r\n"
      " </div>\r\n"
      "</html>\r\n";
  EXPECT_EQ(WriteParticipationList(ctx, entry), expected);
}

TEST_F(ParticipationListTest, html_inside_a_complete_output_with_classes_that_have_participants) {
  entry.ohne_rahmen = 1;
  entry.tln_ohne_ergebnis = 1;  // no row for participants without result
  std::string expected = std::string("<div style=\"text-align: center;\">\r\n") + kParticipationTableStart;
  expected += CountRow("dunkel", "Gesamt", 6) + CountRow("hell", "Luftgewehr", 4) +
              CountRow("dunkel", "Luftpistole", 1) + CountRow("hell", "¹ = Jugend"_w, 2);
  expected += kClassesColumnStart;
  expected += CountRow("dunkel", "Schützen"_w, 3) + CountRow("hell", "Damen &amp; Herren", 2) +
              CountRow("dunkel", "", 1);
  expected += kTeamsColumnStart;
  expected +=
      "      <tr>\r\n"
      "       <td class=\"dunkel\" colspan=\"2\">&nbsp;Adler &amp; Falken</td>\r\n"
      "       <td class=\"dunkel\" style=\"text-align: right;\">&nbsp; 3&nbsp;</td>\r\n"
      "      </tr>\r\n"
      "      <tr>\r\n"
      "       <td class=\"hell\" colspan=\"2\">&nbsp;--- keine Mannschaft ---</td>\r\n"
      "       <td class=\"hell\" style=\"text-align: right;\">&nbsp; 1&nbsp;</td>\r\n"
      "      </tr>\r\n"
      "      <tr>\r\n"
      "       <td class=\"dunkel\" colspan=\"2\">&nbsp;--- keine Mannschaft ---</td>\r\n"
      "       <td class=\"dunkel\" style=\"text-align: right;\">&nbsp; 1&nbsp;</td>\r\n"
      "      </tr>\r\n"
      "      <tr>\r\n"
      "       <td class=\"hell\" colspan=\"2\">&nbsp;Bären</td>\r\n"
      "       <td class=\"hell\" style=\"text-align: right;\">&nbsp; 1&nbsp;</td>\r\n"
      "      </tr>\r\n"_w;
  expected += kParticipationTableEnd;
  expected += "<hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n";
  EXPECT_EQ(WriteParticipationList(ctx, entry), expected);
}

TEST_F(ParticipationListTest, text_lists_named_classes_and_leaves_unknown_teams_unnamed) {
  entry.format = 1;
  entry.btlg_klassen = 1;
  entry.btlg_mannschaften = 1;
  entry.btlg_startnr = 1;
  entry.tln_ohne_ergebnis = 0;  // the text list has no such line anyway
  const std::string expected =
      "SV Tell\r\n"
      "Rundenwettkampf 2026\r\n"
      "\r\n"
      "Luftgewehr\r\n"
      "\r\n"
      "Beteiligungen\r\n"
      "\r\n"
      "Anzahl Teilnehmer gesamt:\t    6\r\n"
      "Luftgewehr               \t\t    4\r\n"
      "Luftpistole              \t\t    1\r\n"
      "                         \t\t    1\r\n"
      "\r\n"
      "Jugend:                                 \t    2\r\n"
      "\r\n"
      "Klassen:\r\n"
      "Schützen                      \t    3\r\n"
      "Damen & Herren                \t    2\r\n"
      "\r\n"
      "Beteiligungen Mannschaften:\r\n"
      "Adler & Falken                         \t    3\r\n"
      "\t  11\tArm, Anna                    \r\n"
      "\t  12\tBeck, Bert                   \r\n"
      "\t  15\tEck, Emil                    \r\n"
      "\r\n"
      "                                       \t    1\r\n"
      "\t  13\tCord, Carl                   \r\n"
      "\r\n"
      "                                       \t    1\r\n"
      "\t  14\tDorn, Dora                   \r\n"
      "\r\n"
      "Bären                                  \t    1\r\n"
      "\t  16\tFink, Fritz                  \r\n"
      "\r\n"_w;
  EXPECT_EQ(WriteParticipationList(ctx, entry), expected);

  entry.ohne_rahmen = 1;
  entry.btlg_mannschaften = 0;
  entry.btlg_klassen = 0;
  EXPECT_EQ(WriteParticipationList(ctx, entry),
            "Beteiligungen\r\n"
            "\r\n"
            "Anzahl Teilnehmer gesamt:\t    6\r\n"
            "Luftgewehr               \t\t    4\r\n"
            "Luftpistole              \t\t    1\r\n"
            "                         \t\t    1\r\n"
            "\r\n"
            "Jugend:                                 \t    2\r\n"
            "\r\n"
            "Klassen:\r\n"
            "Schützen                      \t    3\r\n"
            "Damen & Herren                \t    2\r\n"
            "\r\n"
            "Beteiligungen Mannschaften:\r\n"
            "Adler & Falken                         \t    3\r\n"
            "                                       \t    1\r\n"
            "                                       \t    1\r\n"
            "Bären                                  \t    1\r\n"_w);
}

TEST_F(ParticipationListTest, every_run_appends_a_protocol_line_also_without_text) {
  entry.format = 2;  // no participation list in LaTeX
  EXPECT_EQ(WriteParticipationList(ctx, entry), "");
  clock.Set({2026, 12, 9, 18, 41, 0});
  entry.format = 0;
  WriteParticipationList(ctx, entry);
  EXPECT_EQ(test::ReadAll(dir / "TlnProtokoll.csv"), "09.12.2026/ 7:05; 1; 6\r09.12.2026/18:41; 1; 6\r");
}

}  // namespace
}  // namespace wex
