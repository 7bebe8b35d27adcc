// The files around the list pages: index page, style sheet copies, page script, refresh counter, info page.
#include "core/output/companion_files.hpp"

#include <filesystem>
#include <system_error>

#include "core/competition/fixed_text.hpp"
#include "core/format.hpp"
#include "core/output/frame.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex {
namespace {

bool Marked(const _listdat& entry) { return entry.markiert != 0; }
bool HtmlEntry(const _listdat& entry) { return entry.format == 0; }

std::string EntryFileName(const _listdat& entry) {
  return platform::FileNamePart(FieldText(entry.dateiname));
}

// The notice text inside the blockquote: each CR starts a new line, LF is dropped.
std::string NoticeBlock(std::string_view hinweistext) {
  std::string out;
  for (char c : HtmlEscape(hinweistext)) {
    if (c == '\r')
      out += "<br>\r\n   ";
    else if (c != '\n')
      out += c;
  }
  return out;
}

}  // namespace

bool CopyCompanionFile(const std::string& source, const std::string& destination) {
  std::error_code ec;
  // Output folder = start directory: the file is its own source and must survive the copy.
  if (std::filesystem::equivalent(source, destination, ec) && !ec) return true;
  const std::string bytes = platform::ReadFileBytes(source).value_or(std::string());
  platform::WriteFileReplacing(destination, bytes, true);
  return true;
}

bool CopyStyleSheet(const Context& ctx) {
  const std::string_view cssFile = FieldText(ctx.cnf.css_datei);
  if (cssFile.empty()) return true;
  const std::string content = platform::ReadFileBytes(std::string(cssFile)).value_or(std::string());
  if (content.empty()) return true;
  return WriteTextFile(platform::JoinPath(FieldText(ctx.cnf.ausgabepfad), platform::FileNamePart(cssFile)),
                       content);
}

void SetNextPages(Context& ctx) {
  auto& entries = ctx.actions.entries;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    _listdat& entry = entries[i];
    if (!Marked(entry)) continue;
    if (ctx.cnf.seitenkette != 0) {
      std::string next(FieldText(ctx.cnf.indexdatei));
      for (std::size_t j = i + 1; j < entries.size(); ++j) {
        if (Marked(entries[j])) {
          next = EntryFileName(entries[j]);
          break;
        }
      }
      SetFieldText(entry.folgeseite, next);
    } else {
      SetFieldText(entry.folgeseite, EntryFileName(entry));
    }
  }
}

std::string IndexPageText(const Context& ctx, const std::string& path) {
  const _cnfdat& cnf = ctx.cnf;
  const auto& entries = ctx.actions.entries;

  // The index page leads to the first marked HTML list when the pages are chained, else to itself.
  std::string next = platform::FileNamePart(path);
  if (cnf.seitenkette != 0) {
    for (const _listdat& entry : entries) {
      if (Marked(entry) && HtmlEntry(entry)) {
        next = EntryFileName(entry);
        break;
      }
    }
  }

  std::string out = HtmlPageHead(ctx, false, true, next);
  out += "</div>\r\n";
  out += "<hr style=\"width: 75%; height: 1px;\"noshade=\"noshade\">\r\n";
  out += "<tbody>\r\n";
  out +=
      "<table align=\"center\"; style=\"margin-left: auto; margin-right: auto; text-align: left;"
      " width: auto ; height: auto;\" border= \"1\" cellpadding= \"3\" cellspacing= \"1\">\r\n";
  for (const _listdat& entry : entries) {
    if (!Marked(entry) || !HtmlEntry(entry)) continue;
    const std::string file = EntryFileName(entry);
    const std::string text1 = HtmlEscape(FieldText(entry.text1));
    const std::string text2 = HtmlEscape(FieldText(entry.text2));
    out += "  <tr>\r\n";
    out += "   <td class=\"dunkel\" >";
    if (!text2.empty())
      Appendf(out, " <a href=\"%s\">&nbsp;%s %s&nbsp;</a>", file.c_str(), text1.c_str(), text2.c_str());
    else
      Appendf(out, " <a href=\"%s\">&nbsp;%s&nbsp;</a>", file.c_str(), text1.c_str());
    out += "</td>\r\n";
    out += "  </tr>\r\n";
  }
  out += "</table>\r\n";
  out += "<hr style=\"width: 75%; height: 1px;\"noshade=\"noshade\"></hr>\r\n";
  out += " <tr>\r\n";
  out += "  <h4 style=\"text-align: center;\">\r\n";
  out += "  <blockquote>\r\n   ";
  out += NoticeBlock(FieldText(ctx.competition.config.hinweistext));
  out += "\r\n  </blockquote>\r\n";
  out += " </h4\r\n /tr>\r\n";
  out += " <hr style=\"width: 75%; height: 1px;\"noshade=\"noshade\"></hr>\r\n";
  out += FooterLine(ctx);
  out += " </tbody>\r\n";
  out += CloseScriptDivision(cnf);
  if (cnf.anzeige_tln_ohne_erg != 0 && ctx.intdat.tln_ohne_ergebnis > 0)
    Appendf(out,
            " <h4 style=\"text-align: center; position:fixed; bottom:0px; text-align:left; padding:10px;\">"
            "<b>Teilnehmer ohne Ergebnis: %d</b></h5>\r\n",
            ctx.intdat.tln_ohne_ergebnis);
  out += "</html>\r\n";
  return FinishHtmlPage(out);
}

bool WriteIndexPage(const Context& ctx, const std::string& path) {
  return WriteTextFile(path, IndexPageText(ctx, path));
}

bool WriteRefreshCounter(const Context& ctx, const std::string& path) {
  return WriteTextFile(path, Sprintf("%d", ctx.intdat.generierungszaehler));
}

std::string ScriptFileText() {
  return "//Diverse Javascripts fuer WexPlakard, V12/14\r\n"
         "//einer Software fuer den Schiesssport von Groebenfalter\r\n"
         "//" +
         std::string(76, '-') +
         "\r\n"
         "\r\n"
         "// Called by every page when it has loaded.\r\n"
         "function onLoad() {\r\n"
         "  checkRefresh();\r\n"
         "  onMouseExit();\r\n"
         "}\r\n"
         "\r\n"
         "// The mouse is over the page: page change and scrolling pause.\r\n"
         "function onMouseEnter() {\r\n"
         "  clearTimer(\"nextPage\");\r\n"
         "  clearTimer(\"scroll\");\r\n"
         "}\r\n"
         "\r\n"
         "// The mouse has left the page: page change and scrolling resume.\r\n"
         "// Pages without the script variables neither change nor scroll.\r\n"
         "function onMouseExit() {\r\n"
         "  if (typeof autoWechsel !== \"undefined\" && autoWechsel) {\r\n"
         "    scheduleTimer(\"nextPage\", nextPageTimeout, function () {\r\n"
         "      window.location.href = folgeseite;\r\n"
         "    });\r\n"
         "  }\r\n"
         "  if (typeof autoScroll !== \"undefined\" && autoScroll) {\r\n"
         "    scheduleTimer(\"scroll\", scrollTimeout, scroll);\r\n"
         "  }\r\n"
         "}\r\n"
         "\r\n"
         "var scrollStep = 1;\r\n"
         "var scrollSpeed = 20;\r\n"
         "var scrollTimeout = 3000;\r\n"
         "\r\n"
         "// Moves the page by one step; at the bottom and at the top the direction turns.\r\n"
         "function scroll() {\r\n"
         "  var position = currentScrollPosition();\r\n"
         "  window.scrollBy(0, scrollStep);\r\n"
         "  if (position == currentScrollPosition()) {\r\n"
         "    // Keine Aenderung => Seitenende erreicht.\r\n"
         "    scrollStep = -scrollStep;\r\n"
         "  }\r\n"
         "  scheduleTimer(\"scroll\", scrollSpeed, scroll);\r\n"
         "}\r\n"
         "\r\n"
         "var timers = {};\r\n"
         "\r\n"
         "function scheduleTimer(name, timeout, func) {\r\n"
         "  if (name in timers) {\r\n"
         "    window.clearTimeout(timers[name]);\r\n"
         "  }\r\n"
         "  timers[name] = window.setTimeout(func, timeout);\r\n"
         "}\r\n"
         "\r\n"
         "function clearTimer(timer) {\r\n"
         "  if (timer in timers) {\r\n"
         "    window.clearTimeout(timers[timer]);\r\n"
         "    delete timers[timer];\r\n"
         "  }\r\n"
         "}\r\n"
         "\r\n"
         "var updateCounter = 0;\r\n"
         "var counter = 0;\r\n"
         "\r\n"
         "// Polls the refresh counter every 5 seconds and reloads the page when a new generation was "
         "written.\r\n"
         "// A failed request is tried again, so that a screen in the hall keeps following the results.\r\n"
         "function checkRefresh() {\r\n"
         "  getData(\"Refreshindex.txt\", function (text) {\r\n"
         "    counter = parseInt(text, 10);\r\n"
         "    if (updateCounter != 0 && counter != updateCounter) {\r\n"
         "      reloadPage();\r\n"
         "    }\r\n"
         "    updateCounter = counter;\r\n"
         "    scheduleTimer(\"refresher\", 5000, checkRefresh);\r\n"
         "  }, function () {\r\n"
         "    scheduleTimer(\"refresher\", 5000, checkRefresh);\r\n"
         "  });\r\n"
         "}\r\n"
         "\r\n"
         "// Replaces the page content in place; the timers keep running.\r\n"
         "function reloadPage() {\r\n"
         "  getData(document.URL, function (text) {\r\n"
         "    document.documentElement.innerHTML = text;\r\n"
         "  });\r\n"
         "}\r\n"
         "\r\n"
         "function getData(url, continuation, failure) {\r\n"
         "  var xhr = new XMLHttpRequest();\r\n"
         "  xhr.open(\"GET\", url, true);\r\n"
         "  xhr.responseType = \"text\";\r\n"
         "  // An old date defeats the caches: the file is fetched anew every time.\r\n"
         "  xhr.setRequestHeader(\"If-Modified-Since\", \"Sat, 1 Jan 2005 00:00:00 GMT\");\r\n"
         "  xhr.onreadystatechange = function () {\r\n"
         "    if (xhr.readyState != 4) {\r\n"
         "      return;\r\n"
         "    }\r\n"
         "    if (xhr.status == 200) {\r\n"
         "      continuation(xhr.responseText);\r\n"
         "    } else {\r\n"
         "      console.log(\"Failed to receive data: \" + xhr.status);\r\n"
         "      if (failure) {\r\n"
         "        failure();\r\n"
         "      }\r\n"
         "    }\r\n"
         "  };\r\n"
         "  xhr.send(null);\r\n"
         "}\r\n"
         "\r\n"
         "function currentScrollPosition() {\r\n"
         "  if (window.pageYOffset !== undefined) {\r\n"
         "    return window.pageYOffset;\r\n"
         "  }\r\n"
         "  // IE 9 and earlier\r\n"
         "  return document.documentElement.scrollTop;\r\n"
         "}\r\n";
}

bool WriteScriptFile(const std::string& path) { return WriteTextFile(path, ScriptFileText()); }

std::string SampleStyleSheetText(const platform::Clock& clock) {
  constexpr const char* kHeadingFont = "\tfont-family: Verdana, Arial, Helvetica, sans-serif;\r\n";
  // The link rules differ only in colour and decoration.
  auto linkRule = [](const char* selector, const char* comment, const char* color, const char* decoration) {
    return Sprintf(
        "%s /* %s */\r\n"
        "{\r\n"
        "\tfont-weight: normal;\r\n"
        "\tcolor: %s;\r\n"
        "\ttext-decoration: %s;\r\n"
        "       font-size: 14px;\r\n"
        "}\r\n"
        "\r\n",
        selector, comment, color, decoration);
  };
  auto headingRule = [&](const char* selector, const char* comment, int size) {
    return Sprintf(
        "%s /* %s */\r\n"
        "{\r\n"
        "%s"
        "\tfont-weight: bold;\r\n"
        "\tcolor: Black;\r\n"
        "\tfont-size: %dpx;\r\n"
        "\tmargin: 1;\r\n"
        "}\r\n"
        "\r\n",
        selector, comment, kHeadingFont, size);
  };

  std::string out = "/* WexStandard.css erstellt am " + FooterDate(clock) + " von WexPlakard.exe, */\r\n";
  out += "/* einer Software für den Schießsport von Gröbenfalter */\r\n"_w;
  out += "\r\n";
  out +=
      "body\r\n"
      "{\r\n"
      "\t/* Hintergrundbild: die Datei \"MeinLogo.gif\" neben die Seiten legen und die Zeilen */\r\n"
      "\t/* unten einschalten. Formate: bmp, jpg, gif, png; ein png darf transparent sein. */\r\n"
      "\t/* background-image: url(MeinLogo.gif); */\r\n"
      "\t/* background-repeat: no-repeat; */\r\n"
      "\t/* background-attachment: fixed; */\r\n"
      "\t/* background-position: 10px 50px; */\r\n"
      "\tbackground-color: #88C988;\r\n"
      "\tmargin-left: 10%;\r\n"
      "\tmargin-right: 10%;\r\n"
      "\tmargin-top: 2%;\r\n"
      "\tmargin-bottom: auto;\r\n"
      "\tfont-family: Arial, Helvetica, sans-serif;\r\n"
      "}\r\n"
      "\r\n";
  out += linkRule("a:link", "noch nicht besuchter Link", "#dddddd", "none");
  out += linkRule("a:visited", "besuchter Link", "#dddddd", "none");
  out += linkRule("a:focus", "Link mit Fokus", "Navy", "none");
  out += linkRule("a:hover", "Link beim Überfahren der Maus"_w, "White", "underline");
  out += linkRule("a:active", "angeklickter Link", "#aaaaaa", "none");
  out += headingRule("h1", "für 1. Kopfzeile"_w, 22);
  out += headingRule("h2", "für 2. Kopfzeile"_w, 20);
  out += headingRule("h3", "für 3. Kopfzeile"_w, 18);
  out += "h4 /* für übrige Texte */\r\n{\r\n"_w;
  out += kHeadingFont;
  out +=
      "\tfont-weight: normal;\r\n"
      "\tfont-size: 16px;\r\n"
      "\tcolor: Black;\r\n"
      "\tmargin: 1;\r\n"
      "\tfont-weight: bold;\r\n"
      "}\r\n"
      "\r\n";
  out += "h5 /* für die Fußzeile */\r\n{\r\n"_w;
  out += kHeadingFont;
  out +=
      "\tfont-weight: normal;\r\n"
      "\tfont-size: 10px;\r\n"
      "\tcolor: Black;\r\n"
      "\tmargin: 1;\r\n"
      "}\r\n"
      "\r\n"
      "input.meinbutton /* buttons */\r\n"
      "{\r\n"
      "\tfont-size: 15px;\r\n"
      "\tcolor: Gray;\r\n"
      "\tbackground-color: silver;\r\n"
      "\tborder: 1px solid #000000;\r\n"
      "\tborder-radius: 8px;\r\n"
      "}\r\n"
      "\r\n"
      "td /* Tabelleninhalt */\r\n"
      "{\r\n";
  out += kHeadingFont;
  out +=
      "\tfont-weight: normal;\r\n"
      "\tfont-size: 15px;\r\n"
      "\tcolor: Black;\r\n"
      "\tmargin: 1;\r\n"
      "}\r\n"
      "\r\n"
      "td.head /* Hintergrundfarbe Kopfzeilen */\r\n"
      "{\r\n"
      "\tbackground-color: #b0b0b0;\r\n"
      "}\r\n"
      "\r\n";
  out += "/*Für unterschiedliche Hintergrundfarben jeder zweiten Zeile im Tabelleninhalt: */\r\n"_w;
  out +=
      "td.hell /* Hintergrundfarbe der ungeradzahligen Zeilen */\r\n"
      "{\r\n"
      "\tbackground-color: #007744;\r\n"
      "\tcolor: #eeeeee;\r\n"
      "}\r\n"
      "\r\n"
      "td.dunkel /* Hintergrundfarbe der geradzahligen Zeilen */\r\n"
      "{\r\n"
      "\tbackground-color: #006633;\r\n"
      "\tcolor: #eeeeee;\r\n"
      "}\r\n";
  return out;
}

bool WriteSampleStyleSheet(const platform::Clock& clock, const std::string& path) {
  return WriteTextFile(path, SampleStyleSheetText(clock));
}

std::string InfoPageText(const Context& ctx) {
  constexpr const char* kTable =
      "<table style=\"width: 100%; text-align: left;\" border=\"0\" cellpadding=\"6\" cellspacing=\"1\">\r\n";
  std::string out;
  out += "<!doctype html>\r\n";
  out += "<html lang=\"de\">\r\n";
  out += "<head>\r\n";
  out += "\t<meta charset=\"utf-8\">\r\n";
  out += "\t<meta name=\"generator\" content=\"WexPlakard.exe von Groebenfalter\">\r\n";
  out +=
      "\t<meta name=\"keywords\" lang=\"de\" content=\"Gröbenfalter, Software, Schießsport, Ergebnislisten\">\r\n"_w;
  out += "\t<title>Gröbenfalter - Software für den Schießsport</title>\r\n"_w;
  const std::string css = platform::FileNamePart(FieldText(ctx.cnf.css_datei));
  if (!css.empty())
    Appendf(out, " \t<link rel=\"stylesheet\" type=\"text/css\" href=\"%s\">\r\n", css.c_str());
  out += "</head>\r\n";
  Appendf(out,
          "<input type=\"button\" style=\"position:fixed; top:5px; left:5px; cursor:pointer;\" "
          "class=\"meinbutton\" value=\"zur Übersicht\" onClick=\"parent.location='%s'\">\r\n"_w,
          std::string(FieldText(ctx.cnf.indexdatei)).c_str());
  out += "<tbody>\r\n";
  out += kTable;
  out +=
      " <tr>\r\n"
      "  <td class=\"head\" style=\"text-align: center;\">\r\n"
      "   <h1>Gröbenfalter</h1>\r\n"
      "   <h3>Software für den Schießsport</h3>\r\n"
      "  </td>\r\n"
      " </tr>\r\n"
      "</table>\r\n"_w;
  out += kTable;
  out +=
      " <tr>\r\n"
      "  <td class=\"hell\">\r\n"
      "   <h4>Willkommen! Diese Seiten hat WexPlakard erstellt: es macht aus den Daten eines Wettkampfs\r\n"
      "   Ergebnislisten für den Aushang, für einen Bildschirm in der Schießhalle und für das "
      "Internet.</h4>\r\n"
      "  </td>\r\n"
      " </tr>\r\n"
      "</table>\r\n"_w;
  out += kTable;
  out +=
      " <tr>\r\n"
      "  <td class=\"dunkel\">\r\n"
      "   <ul>\r\n"
      "    <li>Wettkampfauswertung mit Tarvisco</li>\r\n"
      "    <li>Ergebnislisten und Aushänge mit WexPlakard</li>\r\n"
      "    <li>Einzel- und Mannschaftswertungen, Beteiligungen</li>\r\n"
      "    <li>Ergebnisse im Internet, automatisch hochgeladen</li>\r\n"
      "    <li>Siegerlisten und Ausdrucke</li>\r\n"
      "   </ul>\r\n"
      "  </td>\r\n"
      " </tr>\r\n"
      "</table>\r\n"_w;
  out += "<h2 style=\"text-align: center;\">Gut Schuss!</h2>\r\n";
  out += "<hr style=\"width: 75%; height: 1px;\" noshade=\"noshade\">\r\n";
  Appendf(out, "<h5 style=\"text-align: center;\"><a href=\"%s\" target=\"_blank\">%s</a><br>\r\n",
          kMakerAddress, kMakerAddress);
  out += "Gröbenfalter, Software für den Schießsport, Deutschland</h5>\r\n"_w;
  out += "</tbody>\r\n";
  out += "</html>\r\n";
  return FinishHtmlPage(out);
}

bool WriteInfoPage(const Context& ctx, const std::string& path) {
  return WriteTextFile(path, InfoPageText(ctx));
}

}  // namespace wex
