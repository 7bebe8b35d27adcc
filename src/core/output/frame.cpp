// The page frame shared by every list.
#include "core/output/frame.hpp"

#include "core/competition/fixed_text.hpp"
#include "core/format.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex {
namespace {

std::string Html(std::string_view dataText) { return HtmlEscape(dataText); }

// The maker's address in double quotes, opened in a new window.
std::string MakerLinkTarget() { return std::string("\"") + kMakerAddress + "\" target=\"_blank\""; }

// The footer line of every HTML page with its date and link target.
std::string FooterLineWith(const platform::Clock& clock, const std::string& linkTarget) {
  return Sprintf(
      " <h5 style=\"text-align: center;\">Diese Seite wurde am %s von WexPlakard.exe erstellt, einer "
      "Software für den Schießsport von <a href=%s>Gröbenfalter.</a></h5>\r\n"_w,
      FooterDate(clock).c_str(), linkTarget.c_str());
}

// The maker's address without its scheme, for the text footer.
std::string_view MakerHost() {
  std::string_view address = kMakerAddress;
  const auto pos = address.find("://");
  return pos == std::string_view::npos ? address : address.substr(pos + 3);
}

// "http://www." and the server name after its first dot: the club's home page next to its FTP server.
std::string HomePageAddress(std::string_view server) {
  const auto dot = server.find('.');
  return "http://www." + std::string(dot == std::string_view::npos ? server : server.substr(dot + 1));
}

}  // namespace

std::string HtmlPageHead(const Context& ctx, bool overviewButton, bool reloadButton,
                         std::string_view nextPage) {
  const _wettbewerbskonfig& k = ctx.competition.config;
  const _cnfdat& cnf = ctx.cnf;
  const std::string veranstalter = Html(FieldText(k.veranstalter));
  std::string out;
  out += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"> \r\n";
  out += "<html lang=\"de\">\r\n";
  out += "<head>\r\n";
  out += "\t<meta charset=\"utf-8\">\r\n";
  out += "\t<meta http-equiv=\"expires\" content=\"0\">\r\n";
  out += "\t<meta name=\"generator\" content=\"WexPlakard.exe von Groebenfalter\">\r\n";
  Appendf(out, "\t<meta name=\"keywords\" lang=\"de\" content=\"Schießsport, %s\">\r\n"_w,
          veranstalter.c_str());
  if (ScriptActive(cnf)) {
    out += "  <script type=\"text/javascript\">\r\n";
    Appendf(out, "    var folgeseite = \" %s\";\r\n", std::string(nextPage).c_str());
    // Milliseconds in 64 bits: a foreign configuration file may hold any change time.
    Appendf(out, "    var nextPageTimeout = %lld;\r\n", static_cast<long long>(cnf.wechselzeit) * 60000);
    Appendf(out, "    var autoWechsel = %d;\r\n", cnf.auto_seitenwechsel);
    Appendf(out, "    var autoScroll = %d;\r\n", cnf.auto_scroll);
    out += "  </script>\r\n";
  }
  Appendf(out, "\t<title>\r\n\t\t%s,\r\n \t\t%s\r\n\t</title>\r\n", veranstalter.c_str(),
          Html(FieldText(k.wettbewerb1)).c_str());
  const std::string css = platform::FileNamePart(FieldText(cnf.css_datei));
  if (!css.empty())
    Appendf(out, " \t<link rel=\"stylesheet\" type=\"text/css\" href=\"%s\">\r\n", css.c_str());
  Appendf(out, " \t<script src=\"%s\" type=\"text/javascript\"> </script>\r\n",
          ctx.intdat.scriptdatei.c_str());
  out += "</head>\r\n";
  out += "<body onLoad=\"onLoad();\">\r\n";
  if (ScriptActive(cnf)) {
    out += "<div\r\n";
    out += "  style='cursor:pointer';\r\n";
    out += "  onMouseEnter=\"onMouseEnter();\"\r\n";
    out += "  onMouseLeave=\"onMouseExit();\">\r\n";
  }
  if (overviewButton) {
    Appendf(out,
            "<input type=\"button\" style=\"position:fixed; top:5px; left:5px; cursor:pointer;\" "
            "class=\"meinbutton\" value=\"zur Übersicht\" onClick=\"parent.location='%s'\">"_w,
            std::string(FieldText(cnf.indexdatei)).c_str());
    out += "\r\n";
  } else if (cnf.upload_aktiv != 0 && !FieldText(cnf.upload_server).empty()) {
    Appendf(out,
            "<input type=\"button\" style=\"position:fixed; top:5px; left:5px; cursor:pointer;\" "
            "class=\"meinbutton\" value=\"zurück zur Homepage\" onClick=\"parent.location='%s'\">"_w,
            HomePageAddress(FieldText(cnf.upload_server)).c_str());
    out += "\r\n";
  }
  if (reloadButton) {
    out +=
        "<input type=\"button\" style=\"position:fixed; top:5px; right:5px; cursor:pointer;\" "
        "class=\"meinbutton\" value=\"Aktualisieren\" onClick=\"document.location.reload()\">";
    out += "\r\n";
  }
  out += "<div style=\"text-align: center;\">\r\n";
  Appendf(out, " <h1>%s</h1>\r\n", veranstalter.c_str());
  for (const auto* title : {k.wettbewerb1, k.wettbewerb2, k.wettbewerb3}) {
    const std::string_view text = FieldText(title, 80);
    if (!text.empty()) Appendf(out, " <h2>%s</h2>\r\n", Html(text).c_str());
  }
  return out;
}

std::string OutputHead(const Context& ctx, int form) {
  const _wettbewerbskonfig& k = ctx.competition.config;
  std::string out;
  if (form == 1) {
    out = HtmlPageHead(ctx, false, false, "");
    out += "</div>\r\n";
    out += "<hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n";
  } else if (form == 2) {
    Appendf(out, "%s\r\n%s\r\n%s\r\n%s\r\n\r\n", std::string(FieldText(k.veranstalter)).c_str(),
            std::string(FieldText(k.wettbewerb1)).c_str(), std::string(FieldText(k.wettbewerb2)).c_str(),
            std::string(FieldText(k.wettbewerb3)).c_str());
  } else if (form == 3) {
    const std::string veranstalter = LatexEscape(FieldText(k.veranstalter));
    out +=
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
        "\\fancyhf{}\r\n";
    Appendf(out, "\\fancyhead[C]{%s, %s}\r\n", veranstalter.c_str(),
            LatexEscape(FieldText(k.wettbewerb1)).c_str());
    out += "\\renewcommand{\\headrulewidth}{0.5pt}\r\n";
    out += "\\fancyfoot[C]{\\thepage}\r\n";
    out += "\\renewcommand{\\footrulewidth}{0.5pt}\r\n";
    out += "\\begin{document}\r\n";
    out += "\\begin{center}\r\n";
    Appendf(out, "\t\\Huge\\textbf{%s}\\\\ \r\n", veranstalter.c_str());
    out += "\t\\vspace{20mm}\r\n";
    out += "\t\\includegraphics[width=10cm]{Logo.jpg}\\\\ \r\n";
    out += "\t\\vspace{20mm}\r\n";
    out += "\t\\bigskip\\huge\\textbf {Ergebnisliste\\\\ \r\n";
    for (const auto* title : {k.wettbewerb1, k.wettbewerb2, k.wettbewerb3}) {
      const std::string_view text = FieldText(title, 80);
      if (!text.empty()) Appendf(out, "  %s\\\\ \r\n", LatexEscape(text).c_str());
    }
    out += "  }\r\n";
    out += "\\vspace{20mm}\r\n";
    out += "\\large\\textbf {";
    for (char c : FieldText(k.hinweistext)) {
      if (c == '\r')
        out += "\\\\~ \r\n";
      else if (c != '\n')
        out += LatexEscape(std::string_view(&c, 1));
    }
    out += "}\r\n";
    out += "\\end{center}\r\n";
    out += "\\newpage\r\n";
    out += "\\setlongtables\r\n";
  }
  return out;
}

std::string OutputFoot(const Context& ctx, int form, std::string body) {
  if (form == 1) {
    body += FooterLineWith(ctx.clock, MakerLinkTarget());
    body += "</html>\r\n";
    return FinishHtmlPage(body);
  }
  if (form == 2) {
    Appendf(
        body,
        "\r\n\r\nDiese Seite wurde am %s von WexPlakard.exe erstellt, einer Software für den Schießsport von "
        "Gröbenfalter ("_w,
        FooterDate(ctx.clock).c_str());
    body += MakerHost();
    body += ")";
    return body;
  }
  if (form == 3) body += "\\end{document}";
  return body;
}

std::string HtmlEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    switch (static_cast<unsigned char>(c)) {
      case 0xB2:
        out += "&sup2;";
        break;
      case 0xB9:
        out += "&sup1;";
        break;
      case 0xC4:
        out += "&Auml;";
        break;
      case 0xD6:
        out += "&Ouml;";
        break;
      case 0xDC:
        out += "&Uuml;";
        break;
      case 0xDF:
        out += "&szlig;";
        break;
      case 0xE4:
        out += "&auml;";
        break;
      case 0xF6:
        out += "&ouml;";
        break;
      case 0xFC:
        out += "&uuml;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string FinishHtmlPage(std::string_view text) { return Cp1252ToUtf8(HtmlEntities(text)); }

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string LatexEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\textbackslash{}";
        break;
      case '&':
      case '%':
      case '$':
      case '#':
      case '_':
      case '{':
      case '}':
        out += '\\';
        out += c;
        break;
      case '~':
        out += "\\textasciitilde{}";
        break;
      case '^':
        out += "\\textasciicircum{}";
        break;
      default:
        out += c;
    }
  }
  return out;
}

bool ScriptActive(const _cnfdat& cnf) { return cnf.auto_scroll != 0 || cnf.auto_seitenwechsel != 0; }

std::string CloseScriptDivision(const _cnfdat& cnf) {
  std::string out;
  if (ScriptActive(cnf)) out += " </div>\r\n";
  if (cnf.auto_scroll != 0) out += "</body>\r\n";
  return out;
}

const char* NextRowClass(int& toggle) {
  if (toggle <= 0) {
    toggle = 1;
    return "class=\"hell\"";
  }
  toggle = 0;
  return "class=\"dunkel\"";
}

std::string FooterDate(const platform::Clock& clock) {
  const auto t = clock.Now();
  return Sprintf("%d.%d.%4d, %2d:%02d", t.day, t.month, t.year, t.hour, t.minute);
}

std::string FooterLinkTarget(const _cnfdat& cnf) {
  return cnf.upload_aktiv == 0 ? "\"groebenfalter.html\"" : MakerLinkTarget();
}

std::string FooterLine(const Context& ctx) { return FooterLineWith(ctx.clock, FooterLinkTarget(ctx.cnf)); }

bool WriteTextFile(const std::string& path, std::string_view text) {
  return platform::WriteFileReplacing(path, text, true);
}

}  // namespace wex
