// Page head, complete-output heads and foots, entities, escaping, row classes, file writing.
#include "core/output/frame.hpp"

#include <gtest/gtest.h>

#include "core/competition/fixed_text.hpp"
#include "core/platform/cp1252.hpp"
#include "support/fakes.hpp"

namespace wex {
namespace {

struct FrameTest : ::testing::Test {
  test::RecordingUserInterface ui;
  platform::FixedClock clock{test::SampleTime()};
  Context ctx{ui, clock};

  FrameTest() {
    SetFieldText(ctx.competition.config.veranstalter, "SV Tell Groß"_w);
    SetFieldText(ctx.competition.config.wettbewerb1, "Vereinsmeisterschaft 2026");
    SetFieldText(ctx.competition.config.wettbewerb3, "Luftgewehr");
    SetFieldText(ctx.cnf.indexdatei, "WexIndex.html");
    ctx.cnf.wechselzeit = 3;
  }
};

TEST_F(FrameTest, head_without_script_keeps_script_file_and_onload) {
  SetFieldText(ctx.cnf.css_datei, "C:\\Styles\\Halle.css");
  const std::string expected =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"> \r\n"
      "<html lang=\"de\">\r\n"
      "<head>\r\n"
      "\t<meta charset=\"utf-8\">\r\n"
      "\t<meta http-equiv=\"expires\" content=\"0\">\r\n"
      "\t<meta name=\"generator\" content=\"WexPlakard.exe von Groebenfalter\">\r\n"
      "\t<meta name=\"keywords\" lang=\"de\" content=\"Schießsport, SV Tell Groß\">\r\n"
      "\t<title>\r\n\t\tSV Tell Groß,\r\n \t\tVereinsmeisterschaft 2026\r\n\t</title>\r\n"
      " \t<link rel=\"stylesheet\" type=\"text/css\" href=\"Halle.css\">\r\n"
      " \t<script src=\"Plakard.js\" type=\"text/javascript\"> </script>\r\n"
      "</head>\r\n"
      "<body onLoad=\"onLoad();\">\r\n"
      "<input type=\"button\" style=\"position:fixed; top:5px; left:5px; cursor:pointer;\" "
      "class=\"meinbutton\" "
      "value=\"zur Übersicht\" onClick=\"parent.location='WexIndex.html'\">\r\n"
      "<input type=\"button\" style=\"position:fixed; top:5px; right:5px; cursor:pointer;\" "
      "class=\"meinbutton\" "
      "value=\"Aktualisieren\" onClick=\"document.location.reload()\">\r\n"
      "<div style=\"text-align: center;\">\r\n"
      " <h1>SV Tell Groß</h1>\r\n"
      " <h2>Vereinsmeisterschaft 2026</h2>\r\n"
      " <h2>Luftgewehr</h2>\r\n"_w;
  EXPECT_EQ(HtmlPageHead(ctx, true, true, "WexErg2.html"), expected);
}

TEST_F(FrameTest, script_active_head_sets_the_page_variables_and_mouse_division) {
  ctx.cnf.auto_scroll = 1;
  ctx.cnf.upload_aktiv = 1;
  SetFieldText(ctx.cnf.upload_server, "ftp.sv-tell.de");
  SetFieldText(ctx.competition.config.veranstalter, "");
  const std::string expected =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"> \r\n"
      "<html lang=\"de\">\r\n"
      "<head>\r\n"
      "\t<meta charset=\"utf-8\">\r\n"
      "\t<meta http-equiv=\"expires\" content=\"0\">\r\n"
      "\t<meta name=\"generator\" content=\"WexPlakard.exe von Groebenfalter\">\r\n"
      "\t<meta name=\"keywords\" lang=\"de\" content=\"Schießsport, \">\r\n"
      "  <script type=\"text/javascript\">\r\n"
      "    var folgeseite = \" \";\r\n"
      "    var nextPageTimeout = 180000;\r\n"
      "    var autoWechsel = 0;\r\n"
      "    var autoScroll = 1;\r\n"
      "  </script>\r\n"
      "\t<title>\r\n\t\t,\r\n \t\tVereinsmeisterschaft 2026\r\n\t</title>\r\n"
      " \t<script src=\"Plakard.js\" type=\"text/javascript\"> </script>\r\n"
      "</head>\r\n"
      "<body onLoad=\"onLoad();\">\r\n"
      "<div\r\n"
      "  style='cursor:pointer';\r\n"
      "  onMouseEnter=\"onMouseEnter();\"\r\n"
      "  onMouseLeave=\"onMouseExit();\">\r\n"
      "<input type=\"button\" style=\"position:fixed; top:5px; left:5px; cursor:pointer;\" "
      "class=\"meinbutton\" "
      "value=\"zurück zur Homepage\" onClick=\"parent.location='http://www.sv-tell.de'\">\r\n"
      "<div style=\"text-align: center;\">\r\n"
      " <h1></h1>\r\n"
      " <h2>Vereinsmeisterschaft 2026</h2>\r\n"
      " <h2>Luftgewehr</h2>\r\n"_w;
  EXPECT_EQ(HtmlPageHead(ctx, false, false, ""), expected);
  ctx.cnf.upload_aktiv = 0;
  EXPECT_EQ(HtmlPageHead(ctx, false, false, "").find("Homepage"), std::string::npos);
}

TEST_F(FrameTest, data_texts_are_escaped_in_html_and_latex) {
  SetFieldText(ctx.competition.config.veranstalter, "S&S <Club> \"1\"");
  const std::string head = HtmlPageHead(ctx, false, false, "");
  EXPECT_NE(head.find(" <h1>S&amp;S &lt;Club&gt; &quot;1&quot;</h1>\r\n"), std::string::npos);
  EXPECT_EQ(LatexEscape("a\\b&c%d$e#f_g{h}i~j^k"),
            "a\\textbackslash{}b\\&c\\%d\\$e\\#f\\_g\\{h\\}i\\textasciitilde{}j\\textasciicircum{}k");
}

TEST_F(FrameTest, text_and_latex_heads) {
  EXPECT_EQ(OutputHead(ctx, 2), "SV Tell Groß\r\nVereinsmeisterschaft 2026\r\n\r\nLuftgewehr\r\n\r\n"_w);
  SetFieldText(ctx.competition.config.hinweistext, "Siegerehrung 18 Uhr\r\nBuffet & Getränke"_w);
  const std::string expected =
      "\\documentclass[10pt,oneside,a4paper]{scrartcl}\r\n"
      "\\usepackage[left=1cm,right=1cm,top=1cm,bottom=1cm,includeheadfoot]{geometry}\r\n"
      "\\usepackage{ngerman}\r\n"
      "\\usepackage[T1]{fontenc}\r\n"
      "\\usepackage[latin1]{inputenc}\r\n"
      "\\usepackage{longtable}\r\n"
      "\\usepackage{graphicx}\r\n"
      "\\usepackage{fancyhdr}\r\n"
      "\\usepackage{multicol}\r\n"
      "\\pagestyle{fancy}\r\n"
      "\\fancyhf{}\r\n"
      "\\fancyhead[C]{SV Tell Groß, Vereinsmeisterschaft 2026}\r\n"
      "\\renewcommand{\\headrulewidth}{0.5pt}\r\n"
      "\\fancyfoot[C]{\\thepage}\r\n"
      "\\renewcommand{\\footrulewidth}{0.5pt}\r\n"
      "\\begin{document}\r\n"
      "\\begin{center}\r\n"
      "\t\\Huge\\textbf{SV Tell Groß}\\\\ \r\n"
      "\t\\vspace{20mm}\r\n"
      "\t\\includegraphics[width=10cm]{Logo.jpg}\\\\ \r\n"
      "\t\\vspace{20mm}\r\n"
      "\t\\bigskip\\huge\\textbf {Ergebnisliste\\\\ \r\n"
      "  Vereinsmeisterschaft 2026\\\\ \r\n"
      "  Luftgewehr\\\\ \r\n"
      "  }\r\n"
      "\\vspace{20mm}\r\n"
      "\\large\\textbf {Siegerehrung 18 Uhr\\\\~ \r\nBuffet \\& Getränke}\r\n"
      "\\end{center}\r\n"
      "\\newpage\r\n"
      "\\setlongtables\r\n"_w;
  EXPECT_EQ(OutputHead(ctx, 3), expected);
}

TEST_F(FrameTest, complete_output_feet) {
  EXPECT_EQ(
      OutputFoot(ctx, 2, "X"),
      "X\r\n\r\nDiese Seite wurde am 9.12.2026,  7:05 von WexPlakard.exe erstellt, einer Software für den "
      "Schießsport von Gröbenfalter (www.groebenfalter.de)"_w);
  EXPECT_EQ(OutputFoot(ctx, 3, "X"), "X\\end{document}");
  EXPECT_EQ(
      OutputFoot(ctx, 1, "<p>Café Müller</p>\r\n"_w),
      "<p>Café M&uuml;ller</p>\r\n"
      " <h5 style=\"text-align: center;\">Diese Seite wurde am 9.12.2026,  7:05 von WexPlakard.exe erstellt, "
      "einer Software f&uuml;r den Schie&szlig;sport von <a href=\"http://www.groebenfalter.de\" "
      "target=\"_blank\">Gr&ouml;benfalter.</a></h5>\r\n</html>\r\n");
}

TEST(frame, entities_then_utf8) {
  EXPECT_EQ(HtmlEntities("Schütze²"_w), "Sch&uuml;tze&sup2;");
  EXPECT_EQ(HtmlEntities("Café"_w), "Café"_w);
  EXPECT_EQ(HtmlEntities("ÄÖÜßäöü¹"_w), "&Auml;&Ouml;&Uuml;&szlig;&auml;&ouml;&uuml;&sup1;");
  EXPECT_EQ(FinishHtmlPage("Café Müller"_w), "Café M&uuml;ller");
}

TEST(frame, row_classes_alternate_from_the_toggle) {
  int toggle = 1;
  EXPECT_STREQ(NextRowClass(toggle), "class=\"dunkel\"");
  EXPECT_STREQ(NextRowClass(toggle), "class=\"hell\"");
  toggle = -5;
  EXPECT_STREQ(NextRowClass(toggle), "class=\"hell\"");
}

TEST(frame, footer_link_follows_upload) {
  _cnfdat cnf{};
  EXPECT_EQ(FooterLinkTarget(cnf), "\"groebenfalter.html\"");
  cnf.upload_aktiv = 1;
  EXPECT_EQ(FooterLinkTarget(cnf), "\"http://www.groebenfalter.de\" target=\"_blank\"");
}

TEST(frame, write_text_file_writes_bytes_unchanged) {
  test::TempDir dir;
  EXPECT_TRUE(WriteTextFile((dir / "x.txt").string(), std::string_view("a\r\nb\n\xE4\0c", 7)));
  EXPECT_EQ(test::ReadAll(dir / "x.txt"), std::string("a\r\nb\n\xE4\0c", 7));
  EXPECT_FALSE(WriteTextFile((dir / "no" / "x.txt").string(), "x"));
}

}  // namespace
}  // namespace wex
