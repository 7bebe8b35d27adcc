// Individual list writers: whole HTML and text files for small competitions.
#include "core/output/individual_lists.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/competition/fixed_text.hpp"
#include "core/platform/cp1252.hpp"
#include "support/fakes.hpp"
#include "support/ranking_fixtures.hpp"

namespace wex {
namespace {

using test::AddHomeTeam;
using test::AddParticipant;
using test::MakeEntry;
using test::SetSeries;
using test::SetTarget;

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// The page head of every framed list of the fixture while no script option is set.
const std::string kHead =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"> \r\n"
    "<html lang=\"de\">\r\n"
    "<head>\r\n"
    "\t<meta charset=\"utf-8\">\r\n"
    "\t<meta http-equiv=\"expires\" content=\"0\">\r\n"
    "\t<meta name=\"generator\" content=\"WexPlakard.exe von Groebenfalter\">\r\n"
    "\t<meta name=\"keywords\" lang=\"de\" content=\"Schie&szlig;sport, SV Tell\">\r\n"
    "\t<title>\r\n\t\tSV Tell,\r\n \t\tKM 2026\r\n\t</title>\r\n"
    " \t<script src=\"Plakard.js\" type=\"text/javascript\"> </script>\r\n"
    "</head>\r\n"
    "<body onLoad=\"onLoad();\">\r\n";
const std::string kButtonsAndTitles =
    "<input type=\"button\" style=\"position:fixed; top:5px; left:5px; cursor:pointer;\" "
    "class=\"meinbutton\" "
    "value=\"zur &Uuml;bersicht\" onClick=\"parent.location='WexIndex.html'\">\r\n"
    "<input type=\"button\" style=\"position:fixed; top:5px; right:5px; cursor:pointer;\" "
    "class=\"meinbutton\" "
    "value=\"Aktualisieren\" onClick=\"document.location.reload()\">\r\n"
    "<div style=\"text-align: center;\">\r\n"
    " <h1>SV Tell</h1>\r\n"
    " <h2>KM 2026</h2>\r\n"
    " <h2>Luftgewehr</h2>\r\n";
const std::string kTableStart =
    "<table align=\"center\"; style=\"margin-left: auto; margin-right: auto; text-align: left; width: auto ; "
    "height: auto;\" border= \"2\" cellpadding= \"0\" cellspacing= \"0\">\r\n"
    " <tbody>\r\n";
const std::string kSpacer = " <div style=\"vertical-align: top; text-align: left; height: 5px;\"> </div>\r\n";
const std::string kFooter =
    " </tbody>\r\n"
    " </table>\r\n"
    " <h5 style=\"text-align: center;\">Diese Seite wurde am 9.12.2026,  7:05 von WexPlakard.exe erstellt, "
    "einer "
    "Software f&uuml;r den Schie&szlig;sport von <a "
    "href=\"groebenfalter.html\">Gr&ouml;benfalter.</a></h5>\r\n"
    " </div>\r\n"
    "</html>\r\n";
const std::string kTextTitles = "SV Tell\r\nKM 2026\r\n\r\nLuftgewehr";

// Targets: 0 "LG" rings, 1 "Teiler" dividers, 2 "LGZ" rings with tenths, 3 "T2" dividers.
// Home teams: 1 "Tell I", 2 without a name.
struct IndividualListTest : ::testing::Test {
  test::RecordingUserInterface ui;
  platform::FixedClock clock{test::SampleTime()};
  Context ctx{ui, clock};
  Competition& c = ctx.competition;

  IndividualListTest() {
    SetFieldText(c.config.veranstalter, "SV Tell");
    SetFieldText(c.config.wettbewerb1, "KM 2026");
    SetFieldText(c.config.wettbewerb3, "Luftgewehr");
    SetFieldText(c.config.klassen[0], "Schützen"_w);
    SetFieldText(c.config.klassen[1], "Jugend");
    SetTarget(c, 0, "LG");
    SetTarget(c, 1, "Teiler", true);
    SetTarget(c, 2, "LGZ", false, true);
    SetTarget(c, 3, "T2", true);
    AddHomeTeam(c, 1, "Tell I");
    AddHomeTeam(c, 2, "");
    SetFieldText(ctx.cnf.indexdatei, "WexIndex.html");
    ctx.cnf.wechselzeit = 2;
  }

  _listdat Entry(int kind, std::initializer_list<int> targets, int format, const char* text2) {
    _listdat entry = MakeEntry(kind, targets);
    entry.format = static_cast<std::int8_t>(format);
    SetFieldText(entry.text1, "Einzelwertung");
    SetFieldText(entry.text2, text2);
    SetFieldText(entry.folgeseite, "WexErg2.html");
    return entry;
  }
};

TEST_F(IndividualListTest, standard_list_with_ties_limited_value_cells_and_escaped_names) {
  SetSeries(AddParticipant(c, 3, "Müller, Anna"_w, 0, 1), 0, {9800, 9700, 9500, 9400, 9300});
  SetSeries(AddParticipant(c, 1, "Renée <B&B>"_w, 0, 9), 0, {9800, 9700, 9500});  // team 9 does not exist
  SetSeries(AddParticipant(c, 2, "", 0, 2), 0, {9500, 9700, 9800});               // ties with start number 1
  AddParticipant(c, 4, "Ohne");                                                   // no result: no row
  SetSeries(AddParticipant(c, 6, "Zeh"), 0, {9000});
  _listdat entry = Entry(kKindStandard, {0}, 0, "LG Schützen"_w);
  entry.ezw_std_startnr = 1;
  entry.ezw_std_anz_erg = 3;

  auto valueCells = [](const char* cls, const char* a, const char* b, const char* d) {
    std::string out;
    for (const char* v : {a, b, d}) {
      if (*v)
        out += std::string("    <td class=\"") + cls + "\" style=\"text-align: right;\">&nbsp;" + v +
               "&nbsp;</td>\r\n";
      else
        out += std::string("    <td class=\"") + cls + "\" >&nbsp;</td>\r\n";
    }
    return out;
  };
  const std::string html =
      kHead + kButtonsAndTitles +
      " <h3></h3>\r\n"
      " <h3>Einzelwertung LG Sch&uuml;tzen</h3>\r\n"
      "</div>\r\n" +
      kTableStart +
      "  <div style=\"vertical-align: top; height: 5px;\">   </div>\r\n"
      "   <tr>\r\n"
      "    <td class=\"head\" style=\"text-align: center;\">Rang</td>\r\n"
      "    <td class=\"head\" style=\"text-align: center;\">Startnr.</td>\r\n"
      "    <td class=\"head\" >&nbsp;Name</td>\r\n"
      "    <td class=\"head\" >&nbsp;Mannschaft</td>\r\n"
      "    <td class=\"head\" colspan=\"5\" >&nbsp;Ringe</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 40px;\">1<br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 40px;\">3<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;M&uuml;ller, Anna&nbsp;</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Tell I&nbsp;</td>\r\n" +
      valueCells("dunkel", "98", "97", "95") +
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" style=\"text-align: center; width: 40px;\">2<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: center; width: 40px;\">1<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Ren\xC3\xA9"
      "e &lt;B&amp;B&gt;&nbsp;</td>\r\n"
      "    <td class=\"hell\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n" +
      valueCells("hell", "98", "97", "95") +
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 40px;\"> <br></td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 40px;\">2<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp; &nbsp;</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n" +
      valueCells("dunkel", "98", "97", "95") +
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" style=\"text-align: center; width: 40px;\">4<br></td>\r\n"
      "    <td class=\"hell\" style=\"text-align: center; width: 40px;\">6<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Zeh&nbsp;</td>\r\n"
      "    <td class=\"hell\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n" +
      valueCells("hell", "90", "", "") + "   </tr>\r\n" + kFooter;
  EXPECT_EQ(WriteStandardList(ctx, entry), html);

  entry.format = 1;
  const std::string text = kTextTitles + "\r\n\r\nEinzelwertung\r\nLG Schützen\r\n\r\n"_w +
                           "   1\t   3\tMüller, Anna"_w + Blanks(18) + "\tTell I" + Blanks(33) +
                           "\t  98  97  95\r\n" + "   2\t   1\tRenée <B&B>"_w + Blanks(19) +
                           "\t- keine Mannschaft -" + Blanks(19) + "\t  98  97  95\r\n" + " \t   2\t" +
                           Blanks(30) + "\t" + Blanks(39) + "\t  98  97  95\r\n" + "   4\t   6\tZeh" +
                           Blanks(27) + "\t- keine Mannschaft -" + Blanks(19) + "\t  90\r\n";
  EXPECT_EQ(WriteStandardList(ctx, entry), text);
}

TEST_F(IndividualListTest, standard_divider_list_without_frame_marks_unmarked_results_and_adds_the_footnote) {
  SetSeries(AddParticipant(c, 1, "A"), 1, {1230, 4560});
  SetSeries(AddParticipant(c, 2, "B"), 1, {2000}, false);
  SetSeries(AddParticipant(c, 3, "C"), 1, {3000});
  SetSeries(AddParticipant(c, 4, "D"), 1, {5000});
  _listdat entry = Entry(kKindStandard, {1}, 0, "Teiler");
  entry.ohne_rahmen = 1;
  entry.ew_einstellungen.ew_unmarkiert[1] = 2;
  entry.ew_einstellungen.ew_zeichen[1] = '*';
  SetFieldText(entry.ew_einstellungen.ew_fussnote[1], "außer Konkurrenz <a.K.>"_w);
  entry.ezw_std_bereich = 1;
  entry.ezw_std_zeilen_max = 2;
  entry.ezw_std_anz_erg = 20;

  // Without a frame the text stays Windows-1252 for the complete output: ß and ü are not converted here.
  const std::string html =
      std::string(
          "<div style=\"text-align: center;\">\r\n"
          " <h3>Einzelwertung Teiler</h3>\r\n"
          "</div>\r\n") +
      kTableStart +
      "  <div style=\"vertical-align: top; height: 5px;\">   </div>\r\n"
      "   <tr>\r\n"
      "    <td class=\"head\" style=\"text-align: center;\">Rang</td>\r\n"
      "    <td class=\"head\" >&nbsp;Name</td>\r\n"
      "    <td class=\"head\" >&nbsp;Mannschaft</td>\r\n"
      "    <td class=\"head\" colspan=\"2\" >&nbsp;Teiler</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 40px;\">1<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;A&nbsp;</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;12.3&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;45.6&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" style=\"text-align: center; width: 40px;\">*<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;B&nbsp;</td>\r\n"
      "    <td class=\"hell\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;20.0&nbsp;</td>\r\n"
      "    <td class=\"hell\" >&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 40px;\">2<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;C&nbsp;</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;30.0&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" >&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" colspan=\"10\" style=\"text-align: center;\">&nbsp;außer Konkurrenz &lt;a.K.&gt;&nbsp;</td>\r\n"_w
      "   </tr>\r\n"
      " </tbody>\r\n"
      " </table>\r\n"
      " <hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n";
  EXPECT_EQ(WriteStandardList(ctx, entry), html);

  entry.format = 1;
  const std::string text = "\r\n\r\nEinzelwertung\r\nTeiler\r\n\r\n" + std::string("   1\tA") + Blanks(29) +
                           "\t- keine Mannschaft -" + Blanks(19) + "\t  12.3\t  45.6\t\r\n" + "*\tB" +
                           Blanks(29) + "\t- keine Mannschaft -" + Blanks(19) + "\t  20.0\t\r\n" + "   2\tC" +
                           Blanks(29) + "\t- keine Mannschaft -" + Blanks(19) + "\t  30.0\t\r\n";
  EXPECT_EQ(WriteStandardList(ctx, entry), text);
}

TEST_F(IndividualListTest, alternating_list_shows_ring_and_divider_lines_with_consecutive_ranks) {
  SetSeries(AddParticipant(c, 1, "Ring"), 0, {9500, 9650});
  SetSeries(AddParticipant(c, 2, "Teil", 0, 2), 1, {1234, 3000});
  _ergdateilist& both = AddParticipant(c, 3, "");
  SetSeries(both, 0, {9000});
  SetSeries(both, 1, {2500});
  _listdat entry = Entry(kKindAlternating, {0, 1}, 0, "abwechselnd");
  entry.ezw_alt_startnr = 1;

  auto row = [](const char* cls, const char* rank, const char* nr, const char* name, const char* team) {
    const std::string k = std::string("    <td class=\"") + cls + "\"";
    return "   <tr>\r\n" + k + " style=\"width: 50px; text-align: center;\">" + rank + "</td>\r\n" + k +
           " style=\"text-align: center; width: 40px;\">" + nr + "<br></td>\r\n" + k + " >&nbsp;" + name +
           "</td>\r\n" + k + ">&nbsp;" + team + "&nbsp;</td>\r\n";
  };
  const std::string html = kHead + kButtonsAndTitles +
                           " <h3></h3>\r\n"
                           " <h3>Einzelwertung abwechselnd</h3>\r\n"
                           "</div>\r\n" +
                           kTableStart + kSpacer +
                           "   <tr>\r\n"
                           "    <td class=\"head\" style=\"text-align: center;\">Rang</td>\r\n"
                           "    <td class=\"head\" style=\"text-align: center;\">Startnr.</td>\r\n"
                           "    <td class=\"head\" >&nbsp;Name</td>\r\n"
                           "    <td class=\"head\" >&nbsp;Mannschaft</td>\r\n"
                           "    <td class=\"head\" colspan=\"2\" >&nbsp;Ergebnisse</td>\r\n"
                           "   </tr>\r\n" +
                           row("dunkel", "   1", "1", "Ring", "- keine Mannschaft -") +
                           "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;96&nbsp;</td>\r\n"
                           "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;95&nbsp;</td>\r\n"
                           "   </tr>\r\n" +
                           row("hell", "   2", "2", "Teil", "") +
                           "    <td class=\"hell\" style=\"text-align: right;\">&nbsp; 12.3&nbsp;</td>\r\n"
                           "    <td class=\"hell\" style=\"text-align: right;\">&nbsp; 30.0&nbsp;</td>\r\n"
                           "   </tr>\r\n" +
                           row("dunkel", "   3", "3", " ", "- keine Mannschaft -") +
                           "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;90&nbsp;</td>\r\n"
                           "    <td class=\"dunkel\" >&nbsp;</td>\r\n"
                           "   </tr>\r\n" +
                           kFooter;
  EXPECT_EQ(WriteAlternatingList(ctx, entry), html);

  entry.format = 1;
  const std::string text = kTextTitles + "\r\n\r\nEinzelwertung\r\nabwechselnd\r\n\r\n" + "   1\t1\tRing" +
                           Blanks(26) + "\t- keine Mannschaft -" + Blanks(19) + "\t  96  95\r\n" +
                           "   2\t2\tTeil" + Blanks(26) + "\t" + Blanks(39) + "\t  12.3\t  30.0\t\r\n" +
                           "   3\t3\t" + Blanks(30) + "\t- keine Mannschaft -" + Blanks(19) + "\t  90\r\n";
  EXPECT_EQ(WriteAlternatingList(ctx, entry), text);
}

TEST_F(IndividualListTest, dsb_list_shows_value_rings_and_divider_with_tenths) {
  _ergdateilist& a = AddParticipant(c, 1, "Anna", 0, 1);
  SetSeries(a, 2, {10400});  // one series above 100.0 rings: a negative DSB value
  SetSeries(a, 3, {300});
  _ergdateilist& b = AddParticipant(c, 2, "", 0, 2);
  SetSeries(b, 2, {9500, 9650});
  SetSeries(b, 3, {1234});
  SetSeries(AddParticipant(c, 3, "Carl"), 2, {9000});  // no divider: not ranked
  _listdat entry = Entry(kKindDsb, {2, 3}, 0, "DSB");
  entry.ezw_dsb_startnr = 1;

  const std::string html =
      kHead + kButtonsAndTitles +
      " <h3>Einzelwertung DSB</h3>\r\n"
      "</div>\r\n" +
      kTableStart + kSpacer +
      "   <tr>\r\n"
      "    <td class=\"head\" style=\"text-align: center;\">Rang</td>\r\n"
      "    <td class=\"head\" style=\"text-align: center;\">Startnr.</td>\r\n"
      "    <td class=\"head\" >&nbsp;Name</td>\r\n"
      "    <td class=\"head\" >&nbsp;Mannschaft</td>\r\n"
      "    <td class=\"head\" >&nbsp;Erg.</td>\r\n"
      "    <td class=\"head\" colspan=\"3\">&nbsp;Ringe</td>\r\n"
      "    <td class=\"head\" >&nbsp;Teiler</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 50px;\">1</td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 40px;\">1<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Anna</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Tell I&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: center; width: 30px;\">&nbsp;-1.0&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;104.0&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right;\">&nbsp;104.0&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" >&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" style=\"text-align: right; \">&nbsp; 3.0</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" style=\"text-align: center; width: 50px;\">2</td>\r\n"
      "    <td class=\"hell\" style=\"text-align: center; width: 40px;\">2<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;</td>\r\n"
      "    <td class=\"hell\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n"
      "    <td class=\"hell\" style=\"text-align: center; width: 30px;\">&nbsp;20.8&nbsp;</td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp;191.5&nbsp;</td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp; 95.0&nbsp;</td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right;\">&nbsp; 96.5&nbsp;</td>\r\n"
      "    <td class=\"hell\" style=\"text-align: right; \">&nbsp;12.3</td>\r\n"
      "   </tr>\r\n" +
      kFooter;
  EXPECT_EQ(WriteDsbList(ctx, entry), html);

  entry.format = 1;
  const std::string text = kTextTitles + "\r\n\r\nEinzelwertung\r\nDSB\r\n\r\n" + "   1\t1\tAnna" +
                           Blanks(26) + "\tTell I" + Blanks(33) + "\t  -1.0\t 104.0 / 104.0 \t    3.0\t\r\n" +
                           "   2\t2\t" + Blanks(30) + "\t" + Blanks(39) +
                           "\t  20.8\t 191.5 /  95.0 /  96.5 \t   12.3\t\r\n";
  EXPECT_EQ(WriteDsbList(ctx, entry), text);
}

TEST_F(IndividualListTest, unsorted_list_in_start_number_order_with_all_results) {
  _ergdateilist& berta = AddParticipant(c, 5, "Berta", 0, 1);
  SetSeries(berta, 1, {1234, 0, 4560});
  SetSeries(berta, 2,
            {1050, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1050});  // 20th: whole part
  _ergdateilist& anton = AddParticipant(c, 2, "Anton");
  SetSeries(anton, 0, {0, 9500, 9600});  // first series empty: the text starts with the separator
  anton.ergebnisse[0].mannschaftsergebnis = 1915;
  SetSeries(AddParticipant(c, 7, "", 1), 0, {50});      // hundredths only: listed, no HTML target row
  SetSeries(AddParticipant(c, 9, "Fremd"), 3, {9000});  // result only in an unselected target
  _listdat entry = Entry(kKindUnsorted, {0, 1, 2}, 0, "alle");

  const std::string html =
      kHead + kButtonsAndTitles +
      " <h3>Einzelwertung alle</h3>\r\n"
      "</div>\r\n" +
      kTableStart + kSpacer +
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\">2<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Anton&nbsp;</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Sch&uuml;tzen&nbsp;</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\"> <br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;LG:&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" colspan=\"3\">&nbsp; / 95 / 96&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\"> <br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp;LG Mannschaft:&nbsp;</td>\r\n"
      "    <td class=\"dunkel\" colspan=\"3\">&nbsp;191&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" colspan=\"4\"><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" style=\"width: 40px; text-align: center;\">5<br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Berta&nbsp;</td>\r\n"
      "    <td class=\"hell\">&nbsp;Sch&uuml;tzen&nbsp;</td>\r\n"
      "    <td class=\"hell\">&nbsp;Tell I&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;Teiler:&nbsp;</td>\r\n"
      "    <td class=\"hell\" colspan=\"3\">&nbsp;  12.3\t  /    45.6\t&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\"> <br></td>\r\n"
      "    <td class=\"hell\">&nbsp;LGZ:&nbsp;</td>\r\n"
      "    <td class=\"hell\" colspan=\"3\">&nbsp;10.5 / 10.0&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"hell\" colspan=\"4\"><br></td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" style=\"width: 40px; text-align: center;\">7<br></td>\r\n"
      "    <td class=\"dunkel\">&nbsp; &nbsp;</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;Jugend&nbsp;</td>\r\n"
      "    <td class=\"dunkel\">&nbsp;- keine Mannschaft -&nbsp;</td>\r\n"
      "   </tr>\r\n"
      "   <tr>\r\n"
      "    <td class=\"dunkel\" colspan=\"4\"><br></td>\r\n"
      "   </tr>\r\n" +
      kFooter;
  EXPECT_EQ(WriteUnsortedList(ctx, entry), html);
  // The participant list stays in start number order for the lists that follow.
  EXPECT_EQ(c.participants[0].tlnr, 2);

  entry.format = 1;
  const std::string text = kTextTitles + "\r\n\r\nEinzelwertung\r\nalle\r\n\r\n" + "   2\tAnton" +
                           Blanks(25) + "\t- keine Mannschaft -" + Blanks(19) + "\t\r\n" + "\t\tLG" +
                           Blanks(28) + "\t  95  96\r\n" + "\t\tLG Mannschaft" + Blanks(17) + "\t191\r\n" +
                           "\r\n" + "   5\tBerta" + Blanks(25) + "\tTell I" + Blanks(33) + "\t\r\n" +
                           "\t\tTeiler" + Blanks(24) + "\t  12.3\t  45.6\t\r\n" + "\t\tLGZ" + Blanks(27) +
                           "\t  10  10\r\n" + "\r\n" + "   7\t" + Blanks(30) + "\t- keine Mannschaft -" +
                           Blanks(19) + "\t\r\n" + "\t\tLG" + Blanks(28) + "\t\r\n" + "\r\n";
  EXPECT_EQ(WriteUnsortedList(ctx, entry), text);
}

TEST_F(IndividualListTest, page_endings_follow_the_script_options) {
  const _listdat entry = Entry(kKindStandard, {0}, 0, "leer");
  const std::string body =
      " <h3></h3>\r\n"
      " <h3>Einzelwertung leer</h3>\r\n"
      "</div>\r\n" +
      kTableStart +
      "  <div style=\"vertical-align: top; height: 5px;\">   </div>\r\n"
      "   <tr>\r\n"
      "    <td class=\"head\" style=\"text-align: center;\">Rang</td>\r\n"
      "    <td class=\"head\" >&nbsp;Name</td>\r\n"
      "    <td class=\"head\" >&nbsp;Mannschaft</td>\r\n"
      "    <td class=\"head\" colspan=\"0\" >&nbsp;Ringe</td>\r\n"
      "   </tr>\r\n" +
      kFooter.substr(0, kFooter.size() - std::string(" </div>\r\n</html>\r\n").size());
  const std::string scriptHead = kHead.substr(0, kHead.find("\t<title>"));
  const std::string scriptTail = kHead.substr(kHead.find("\t<title>"));
  struct Case {
    int scroll, change;
    std::string ending;
  };
  for (const Case& k :
       {Case{0, 0, " </div>\r\n</html>\r\n"}, Case{1, 0, " </div>\r\n </div>\r\n</body>\r\n</html>\r\n"},
        Case{0, 1, " </div>\r\n </div>\r\n</html>\r\n"}}) {
    ctx.cnf.auto_scroll = static_cast<std::int8_t>(k.scroll);
    ctx.cnf.auto_seitenwechsel = static_cast<std::int8_t>(k.change);
    std::string head = kHead;
    if (k.scroll || k.change)
      head = scriptHead + "  <script type=\"text/javascript\">\r\n" +
             "    var folgeseite = \" WexErg2.html\";\r\n" + "    var nextPageTimeout = 120000;\r\n" +
             "    var autoWechsel = " + std::to_string(k.change) + ";\r\n" +
             "    var autoScroll = " + std::to_string(k.scroll) + ";\r\n" + "  </script>\r\n" + scriptTail +
             "<div\r\n  style='cursor:pointer';\r\n  onMouseEnter=\"onMouseEnter();\"\r\n"
             "  onMouseLeave=\"onMouseExit();\">\r\n";
    EXPECT_EQ(WriteStandardList(ctx, entry), head + kButtonsAndTitles + body + k.ending)
        << k.scroll << "/" << k.change;
  }
}

TEST_F(IndividualListTest, other_formats_give_an_empty_text) {
  SetSeries(AddParticipant(c, 1, "A"), 0, {9000});
  for (int kind : {kKindUnsorted, kKindStandard, kKindAlternating, kKindDsb}) {
    const _listdat entry = Entry(kind, {0, 1}, 2, "LaTeX");
    const std::string text = kind == kKindUnsorted      ? WriteUnsortedList(ctx, entry)
                             : kind == kKindStandard    ? WriteStandardList(ctx, entry)
                             : kind == kKindAlternating ? WriteAlternatingList(ctx, entry)
                                                        : WriteDsbList(ctx, entry);
    EXPECT_EQ(text, "") << "kind " << kind;
  }
}

}  // namespace
}  // namespace wex
