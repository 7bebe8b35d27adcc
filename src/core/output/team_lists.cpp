// Team list and participation list in HTML, text and LaTeX.
#include "core/output/team_lists.hpp"

#include <string_view>
#include <vector>

#include "core/competition/fixed_text.hpp"
#include "core/format.hpp"
#include "core/output/frame.hpp"
#include "core/platform/cp1252.hpp"
#include "core/ranking/participation.hpp"
#include "core/ranking/team_ranking.hpp"

namespace wex {
namespace {

constexpr const char* kCentredDivision = "<div style=\"text-align: center;\">\r\n";
constexpr const char* kRule = "<hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n";

std::string Text(std::string_view field) { return std::string(field); }
std::string Html(std::string_view field) { return HtmlEscape(field); }

// Opens the centred division: the whole page head, or the division alone inside a complete output.
std::string ListHead(const Context& ctx, const _listdat& entry) {
  if (entry.ohne_rahmen < 1) return HtmlPageHead(ctx, true, true, FieldText(entry.folgeseite));
  return kCentredDivision;
}

// Closes a page: the footer, the divisions the head opened, the document. teamList adds the closing
// division the team list writes after its footer.
std::string PageTail(const Context& ctx, bool teamList) {
  std::string out = FooterLine(ctx);
  if (teamList) out += " </div>\r\n";
  out += CloseScriptDivision(ctx.cnf);
  out += "</html>\r\n";
  return out;
}

// ---------------------------------------------------------------------------------------------------------
// Team list

enum class ValueScale { kDivider, kTenths, kWholeRings };

struct TeamListSetup {
  ValueScale scale = ValueScale::kWholeRings;
  bool divider = false;
  int counted = 0;  // S
  int variant = 0;  // 0 all members, 1 counted members, 2 team results only
  bool startNumbers = false;
};

TeamListSetup ReadTeamListSetup(const Competition& competition, const _listdat& entry) {
  TeamListSetup s;
  const int t = GoverningTarget(entry);
  if (t >= 0) {
    const scheibe& target = competition.config.scheiben[t];
    s.divider = IsDividerTarget(target);
    s.scale = s.divider             ? ValueScale::kDivider
              : target.zehntel != 0 ? ValueScale::kTenths
                                    : ValueScale::kWholeRings;
    s.counted = entry.mw_einstellungen.mw_schuetzen[t];
  }
  // The dialog offers three variants; any other stored value lists all members.
  s.variant = entry.mw_ausgabe == 1 || entry.mw_ausgabe == 2 ? entry.mw_ausgabe : 0;
  s.startNumbers = entry.mw_startnr >= 1;
  return s;
}

// A member value or team sum as shown: dividers in hundredths and tenth-scored rings with one decimal,
// whole rings as the truncated tenths divided by 10 with the given integer format.
std::string NumberText(float value, ValueScale scale, const char* wholeFormat) {
  switch (scale) {
    case ValueScale::kDivider:
      return Sprintf("%5.1f", value * 0.01);
    case ValueScale::kTenths:
      return Sprintf("%5.1f", value * 0.1);
    case ValueScale::kWholeRings:
      break;
  }
  return Sprintf(wholeFormat, static_cast<int>(value) / 10);
}

// The position before which the total comes: the first member at position S or not counted.
bool TotalComesBefore(const _mannschaft& team, std::size_t j, int counted) {
  return static_cast<long long>(j) == counted || team.schuetzen[j].gewertet == 0;
}

std::string TeamListHtml(Context& ctx, const _listdat& entry, const TeamListSetup& s,
                         const std::vector<TeamListRow>& rows) {
  const std::vector<_mannschaft>& teams = ctx.ranking.teamSequence;
  int& toggle = ctx.rowClassToggle;
  std::string out = ListHead(ctx, entry);
  Appendf(out, " <h3>%s %s</h3>\r\n", Html(FieldText(entry.text1)).c_str(),
          Html(FieldText(entry.text2)).c_str());
  out += "</div>\r\n";
  out +=
      "<table align=\"center\"; style=\"margin-left: auto; margin-right: auto; text-align: left;"
      " width: auto ; height: auto;\" border= \"2\" cellpadding= \"0\" cellspacing= \"0\">\r\n";
  out += " <tbody>\r\n";
  out += " <div style=\"vertical-align: top; text-align: left; height: 5px;\">   </div>\r\n";
  toggle = 1;

  auto value = [&](float v) { return NumberText(v, s.scale, "%d"); };
  auto totalRow = [&](const _mannschaft& team) {
    const char* c = NextRowClass(toggle);
    out += "   <tr>\r\n";
    const int blanks = s.startNumbers ? 3 : 2;
    for (int i = 0; i < blanks; ++i) Appendf(out, "    <td %s ><br></td>\r\n", c);
    Appendf(out, "    <td %s style=\"text-align: right;\"><b>&nbsp;%s&nbsp;</b><br></td>\r\n", c,
            value(team.summe).c_str());
    out += "   </tr>\r\n";
  };
  auto memberRow = [&](const _ma_schuetze& m, bool lineBreakAfterValue) {
    const char* c = NextRowClass(toggle);
    out += "   <tr>\r\n";
    if (!s.startNumbers) {
      Appendf(out, "    <td %s>%s<br></td>\r\n", c, " ");
    } else {
      Appendf(out, "    <td %s> <br></td>\r\n", c);
      Appendf(out, "    <td %s style=\"width: 40px; text-align: center;\">&nbsp;%d&nbsp;<br></td>\r\n", c,
              m.startnr);
    }
    Appendf(out, "    <td %s>&nbsp;%s&nbsp;<br></td>\r\n", c, Html(FieldText(m.name)).c_str());
    Appendf(out,
            lineBreakAfterValue ? "    <td %s style=\"text-align: right;\">&nbsp;%s&nbsp;<br></td>\r\n"
                                : "    <td %s style=\"text-align: right;\">&nbsp;%s&nbsp;</td>\r\n",
            c, value(m.ergebnis).c_str());
    out += "   </tr>\r\n";
  };

  for (const TeamListRow& row : rows) {
    const _mannschaft& team = teams[row.team];
    const std::string rank = row.rank > 0 ? std::to_string(row.rank) : " ";
    const std::string name = Html(FieldText(team.name));
    const char* c = NextRowClass(toggle);
    out += "   <tr>\r\n";
    if (s.variant == 2) {
      Appendf(out, "    <td %s style=\"width: 40px; text-align: center;\">%s<br></td>\r\n", c, rank.c_str());
      Appendf(out, "    <td %s>&nbsp;%s&nbsp;<br></td>\r\n", c, name.c_str());
      Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%s&nbsp;<br></td>\r\n", c,
              value(team.summe).c_str());
      out += "   </tr>\r\n";
      continue;
    }
    Appendf(out, "    <td %s style=\"width: 40px; text-align: center;\"><b>%s</b><br></td>\r\n", c,
            rank.c_str());
    if (s.variant == 1)
      Appendf(out, "    <td %s colspan=\"3\"><b>&nbsp;%s</b><br></td>\r\n", c, name.c_str());
    else
      Appendf(out, "    <td %s colspan=\"3\"><b>&nbsp;%s&nbsp;</b><br></td>\r\n", c, name.c_str());
    out += "   </tr>\r\n";

    if (s.variant == 1) {
      for (std::size_t j = 0; j < team.schuetzen.size() && !TotalComesBefore(team, j, s.counted); ++j)
        memberRow(team.schuetzen[j], true);
      totalRow(team);
    } else {
      bool totalWritten = false;
      for (std::size_t j = 0; j < team.schuetzen.size(); ++j) {
        if (!totalWritten && TotalComesBefore(team, j, s.counted)) {
          totalRow(team);
          totalWritten = true;
        }
        memberRow(team.schuetzen[j], false);
      }
      if (!totalWritten) totalRow(team);
    }

    c = NextRowClass(toggle);
    out += "   <tr>\r\n";
    Appendf(
        out,
        s.variant == 1
            ? "    <td %s colspan=\"4\" style=\"width: 40px; text-align: right;\"><b>%s</b><br></td>\r\n"
            : "    <td %s colspan=\"4\" style=\"width: 40px; text-align: center;\"><b>%s</b><br></td>\r\n",
        c, " ");
    out += "   </tr>\r\n";
  }

  out += " </tbody>\r\n";
  out += " </table>\r\n";
  if (entry.ohne_rahmen >= 1) return out + " " + kRule;
  return FinishHtmlPage(out + PageTail(ctx, true));
}

std::string TeamListText(const Context& ctx, const _listdat& entry, const TeamListSetup& s,
                         const std::vector<TeamListRow>& rows) {
  const _wettbewerbskonfig& k = ctx.competition.config;
  std::string out;
  if (entry.ohne_rahmen < 1)
    Appendf(out, "%s\r\n%s\r\n%s\r\n%s", Text(FieldText(k.veranstalter)).c_str(),
            Text(FieldText(k.wettbewerb1)).c_str(), Text(FieldText(k.wettbewerb2)).c_str(),
            Text(FieldText(k.wettbewerb3)).c_str());
  Appendf(out, "\r\n\r\n%s\r\n%s\r\n\r\n", Text(FieldText(entry.text1)).c_str(),
          Text(FieldText(entry.text2)).c_str());

  auto value = [&](float v) { return NumberText(v, s.scale, "%5d"); };
  for (const TeamListRow& row : rows) {
    const _mannschaft& team = ctx.ranking.teamSequence[row.team];
    if (row.rank > 0)
      Appendf(out, "%d\t", row.rank);
    else
      out += "\t";
    Appendf(out, "%s\t", PadRight(Text(FieldText(team.name)), 40).c_str());
    if (s.variant == 2) out += value(team.summe);
    out += "\r\n";
    if (s.variant != 2) {
      auto totalLines = [&] {
        out += "\t\t\t\t\t\t\t-----";
        out += "\r\n";
        out += "\t\t\t\t\t\t\t" + value(team.summe);
        out += "\r\n";
      };
      bool totalWritten = false;
      for (std::size_t j = 0; j < team.schuetzen.size(); ++j) {
        if (!totalWritten && TotalComesBefore(team, j, s.counted)) {
          totalLines();
          totalWritten = true;
        }
        // Variant 1 lists the first S positions, also a member there that does not count.
        if (s.variant == 1 && static_cast<long long>(j) >= s.counted) continue;
        const _ma_schuetze& m = team.schuetzen[j];
        const std::string name = PadRight(Text(FieldText(m.name)), 30);
        if (!s.startNumbers) {
          Appendf(out, "\t\t\t%s\t", name.c_str());
        } else {
          Appendf(out, "\t\t%s\t", Sprintf("%4d", m.startnr).c_str());
          Appendf(out, "%s\t", name.c_str());
        }
        out += value(m.ergebnis);
        out += "\r\n";
      }
      if (!totalWritten) {
        totalLines();
        out += "\r\n";
      }
    }
    out += "\r\n";
  }
  return out;
}

// A member name for LaTeX: a superscript mark after the first character becomes \textsuperscript, cutting
// the name at the last mark; the rest is escaped.
std::string LatexMemberName(std::string_view name) {
  const std::size_t mark = name.find_last_of("\xB9\xB2");
  if (mark == std::string_view::npos || mark == 0) return LatexEscape(name);
  return LatexEscape(name.substr(0, mark)) +
         (name[mark] == '\xB9' ? "\\textsuperscript{1}" : "\\textsuperscript{2}");
}

std::string TeamListLatex(const Context& ctx, const _listdat& entry, const TeamListSetup& s,
                          const std::vector<TeamListRow>& rows) {
  const bool numberColumn = s.variant < 2 && s.startNumbers;
  const std::string text1 = LatexEscape(FieldText(entry.text1));
  const std::string text2 = LatexEscape(FieldText(entry.text2));
  std::string out;
  out += "\r\n";
  out += "\\begin{longtable}{r ";
  if (numberColumn) out += "r ";
  out += "l r";
  out += "}\r\n";
  Appendf(out, "\\caption{%s %s}\\\\ \r\n", text1.c_str(), text2.c_str());
  out += "\\hline\r\n";
  out += "\\tiny Rang&";
  if (numberColumn) out += "\\tiny Snr&";
  out += "\\tiny Mannschaft";
  out += s.divider ? "&\\tiny Teiler\\\\ \r\n" : "&\\tiny Ringe\\\\ \r\n";
  out += "\\hline\r\n";
  out += "\\endfirsthead\r\n";
  Appendf(out, "\\multicolumn{%d}{l} {Fortsetzung \\bf %s %s}\\\\ \r\n", 3, text1.c_str(), text2.c_str());
  out += "\\hline\r\n";
  out += "Rang&";
  if (numberColumn) out += "Snr&";
  out += " ";
  out += s.divider ? "&Teiler\\\\ \r\n" : "&Ringe\\\\ \r\n";
  out += "\\hline\r\n";
  out += "\\endhead\r\n";
  out += "\\hline\r\n";
  Appendf(out, "\\multicolumn{%d}{l}{Fortsetzung folgt $...$ }\\\\\r\n", 3);
  out += "\\hline\r\n";
  out += "\\endfoot\r\n";
  out += "\\hline\r\n";
  out += "\\endlastfoot\r\n";

  for (const TeamListRow& row : rows) {
    const _mannschaft& team = ctx.ranking.teamSequence[row.team];
    const std::string name = LatexEscape(FieldText(team.name));
    if (row.rank <= 0)
      out += "&";
    else
      Appendf(out, s.variant == 2 ? "%d&" : "\\textbf{%d}&", row.rank);
    if (s.variant == 2)
      Appendf(out, "%s&", name.c_str());
    else
      Appendf(out, numberColumn ? "&\\textbf{%s}&" : "\\textbf{%s}&", name.c_str());
    if (s.variant == 2) out += NumberText(team.summe, s.scale, "%5d");
    out += "\\\\ \r\n";
    if (s.variant == 2) continue;

    auto totalLine = [&] {
      out += numberColumn ? "\\cline{4-4}\r\n" : "\\cline{3-3}\r\n";
      Appendf(out, "%s\\textbf{%s}\\\\ \r\n", numberColumn ? "&&&" : "&&",
              NumberText(team.summe, s.scale, "%5d").c_str());
    };
    // The LaTeX list places the total by position alone.
    for (std::size_t j = 0; j < team.schuetzen.size(); ++j) {
      if (static_cast<long long>(j) == s.counted) totalLine();
      if (s.variant == 1 && static_cast<long long>(j) >= s.counted) continue;
      const _ma_schuetze& m = team.schuetzen[j];
      if (numberColumn) Appendf(out, "&%s", Sprintf("%d", m.startnr).c_str());
      Appendf(out, "&%s&", LatexMemberName(FieldText(m.name)).c_str());
      out += NumberText(m.ergebnis, s.scale, "%d");
      out += "\\\\ \r\n";
    }
    if (static_cast<long long>(s.counted) >= static_cast<long long>(team.schuetzen.size())) totalLine();
    out += "\\\\ \r\n";
  }
  out += "\r\n";
  out += "\\end{longtable}\r\n";
  return out;
}

// ---------------------------------------------------------------------------------------------------------
// Participation list

std::string ParticipationHtml(Context& ctx, const _listdat& entry, const ParticipationCounts& n,
                              const std::vector<_tabelle_statistik>& table) {
  const _wettbewerbskonfig& k = ctx.competition.config;
  int& toggle = ctx.rowClassToggle;
  const bool withMembers = entry.btlg_mannschaften >= 1;
  std::string out = ListHead(ctx, entry);
  out += " <h3>Beteiligungen</h3>\r\n";
  out += "</div>\r\n";
  out += "<table style=\"margin-left: auto; margin-right: auto; width: auto; height: auto;\"\r\n";
  out += "                     align=\"center\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\r\n";
  out += " <tbody>\r\n";
  out += " \t<div style=\"vertical-align: top; text-align: left; height: 5px;\">   </div>\r\n";
  out += "  \t<tr>\r\n";

  auto columnStart = [&](const char* cell, const char* heading) {
    out += cell;
    out += "    <table style=\"width: 100%;\" border=\"1\" cellpadding=\"0\" cellspacing=\"0\">\r\n";
    out += "     <tbody>\r\n";
    out += "      <tr>\r\n";
    out += heading;
    out += "      </tr>\r\n";
    toggle = 1;
  };
  auto columnEnd = [&] {
    out += "     </tbody>\r\n";
    out += "    </table>\r\n";
    out += "   </td>\r\n";
  };
  // label: the cell text as it stands in the page (data already escaped).
  auto countRow = [&](const std::string& label, int count) {
    const char* c = NextRowClass(toggle);
    out += "      <tr>\r\n";
    Appendf(out, "       <td %s>&nbsp;%s&nbsp;</td>\r\n", c, label.c_str());
    Appendf(out, "       <td %s style=\"text-align: right;\">&nbsp;%d&nbsp;</td>\r\n", c, count);
    out += "      </tr>\r\n";
  };

  columnStart("   <td style=\"vertical-align: top; padding-right:10px;\">\r\n",
              "       <td class=\"head\" colspan=\"2\"><b>&nbsp;Teilnehmer:</b></td>\r\n");
  countRow("Gesamt", n.gesamt);
  for (int i = 0; i < kDisciplineCount; ++i)
    if (!FieldText(k.disziplinen[i]).empty() && n.disziplin_anzahl[i] >= 1)
      countRow(Html(FieldText(k.disziplinen[i])), n.disziplin_anzahl[i]);
  const char marks[2] = {'\xB9', '\xB2'};
  const int marked[2] = {n.zusatz1_anzahl, n.zusatz2_anzahl};
  for (int f = 0; f < 2; ++f)
    if (!FieldText(k.zusatzfeld[f]).empty())
      countRow(Sprintf("%c = %s", marks[f], Html(FieldText(k.zusatzfeld[f])).c_str()), marked[f]);
  if (entry.tln_ohne_ergebnis < 1) countRow("Teilnehmer ohne Ergebnis", CountWithoutResult(ctx.competition));
  columnEnd();

  columnStart("   <td style=\"vertical-align: top; padding-left:10px; padding-right:10px;\">\r\n",
              "       <td class=\"head\" colspan=\"2\"><b>&nbsp;Klassen:</b></td>\r\n");
  for (int i = 0; i < kClassCount; ++i)
    if (entry.btlg_klassen >= 1 || n.klasse_anzahl[i] >= 1)
      countRow(Html(FieldText(k.klassen[i])), n.klasse_anzahl[i]);
  columnEnd();

  columnStart("   <td style=\"vertical-align: top; padding-left:10px;\">\r\n",
              "       <td class=\"head\" colspan=\"3\"><b>&nbsp;Mannschaften:</b></td>\r\n");
  for (std::size_t r = 0; r < table.size(); ++r) {
    const _tabelle_statistik& row = table[r];
    const bool memberRow = row.startnr >= 1;
    if (r != 0 && !memberRow && withMembers) {
      out += "   <tr>\r\n";
      Appendf(out, "    <td %s colspan=\"3\"><br></td>\r\n", NextRowClass(toggle));
      out += "   </tr>\r\n";
    }
    const char* c = NextRowClass(toggle);
    const std::string name = Html(row.name);
    out += "      <tr>\r\n";
    if (memberRow) {
      if (entry.btlg_startnr < 1)
        Appendf(out, "       <td %s style=\"width: 35px;\">&nbsp;</td>\r\n", c);
      else
        Appendf(out, "       <td %s style=\"width: 35px; text-align: center;\">&nbsp;%d&nbsp;</td>\r\n", c,
                row.startnr);
      Appendf(out, "       <td %s>&nbsp;%s&nbsp;</td>\r\n", c, name.c_str());
    } else {
      Appendf(out,
              withMembers ? "       <td %s colspan=\"2\"><b>&nbsp;%s</b></td>\r\n"
                          : "       <td %s colspan=\"2\">&nbsp;%s</td>\r\n",
              c, name.c_str());
    }
    const std::string count = row.anzahl >= 1 ? Sprintf(" %d", row.anzahl) : std::string(" ");
    Appendf(out,
            withMembers ? "       <td %s style=\"text-align: right;\"><b>&nbsp;%s&nbsp;</b></td>\r\n"
                        : "       <td %s style=\"text-align: right;\">&nbsp;%s&nbsp;</td>\r\n",
            c, count.c_str());
    out += "      </tr>\r\n";
  }
  columnEnd();

  out += "  </tr>\r\n";
  out += " </tbody>\r\n";
  out += "</table>\r\n";
  if (entry.ohne_rahmen >= 1) return out + kRule;
  return FinishHtmlPage(out + "</div>\r\n" + PageTail(ctx, false));
}

std::string ParticipationText(const Context& ctx, const _listdat& entry, const ParticipationCounts& n) {
  const _wettbewerbskonfig& k = ctx.competition.config;
  std::string out;
  if (entry.ohne_rahmen < 1) {
    Appendf(out, "%s\r\n%s\r\n%s\r\n%s\r\n", Text(FieldText(k.veranstalter)).c_str(),
            Text(FieldText(k.wettbewerb1)).c_str(), Text(FieldText(k.wettbewerb2)).c_str(),
            Text(FieldText(k.wettbewerb3)).c_str());
    out += "\r\n";
  }
  out += "Beteiligungen\r\n\r\n";
  Appendf(out, "Anzahl Teilnehmer gesamt:\t%5d\r\n", n.gesamt);
  for (int i = 0; i < kDisciplineCount; ++i)
    if (n.disziplin_anzahl[i] >= 1)
      Appendf(out, "%s\t\t%5d\r\n", PadRight(Text(FieldText(k.disziplinen[i])), 25).c_str(),
              n.disziplin_anzahl[i]);
  out += "\r\n";
  const int marked[2] = {n.zusatz1_anzahl, n.zusatz2_anzahl};
  for (int f = 0; f < 2; ++f)
    if (!FieldText(k.zusatzfeld[f]).empty())
      Appendf(out, "%s\t%5d\r\n",
              PadRight(Sprintf("%s:", Text(FieldText(k.zusatzfeld[f])).c_str()), 40).c_str(), marked[f]);
  out += "\r\n";
  out += "Klassen:\r\n";
  for (int i = 0; i < kClassCount; ++i)
    if (!FieldText(k.klassen[i]).empty() && (entry.btlg_klassen >= 1 || n.klasse_anzahl[i] >= 1))
      Appendf(out, "%s\t%5d\r\n", PadRight(Text(FieldText(k.klassen[i])), 30).c_str(), n.klasse_anzahl[i]);
  out += "\r\n";
  out += "Beteiligungen Mannschaften:\r\n";
  for (const _mschbtlg& team : ctx.ranking.teamParticipation) {
    Appendf(out, "%s\t%5d\r\n", PadRight(TeamNameOf(ctx.competition, team.nummer), 39).c_str(), team.anzahl);
    if (entry.btlg_mannschaften < 1) continue;
    for (const _ergdateilist& p : ctx.competition.participants) {
      if (p.tlnr <= 0 || p.stammmannschaft != team.nummer) continue;
      if (entry.btlg_startnr >= 1) Appendf(out, "\t%4d", p.tlnr);
      Appendf(out, "%s\r\n", PadRight(Sprintf("\t%s", Text(FieldText(p.name)).c_str()), 30).c_str());
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace

std::string WriteTeamList(Context& ctx, _listdat entry) {
  ComputeTeamRanking(ctx.ranking, ctx.competition, entry);
  const std::vector<TeamListRow> rows = NumberTeamRanks(ctx.ranking.teamSequence, entry);
  const TeamListSetup setup = ReadTeamListSetup(ctx.competition, entry);
  if (entry.format < 1) return TeamListHtml(ctx, entry, setup, rows);
  if (entry.format == 1) return TeamListText(ctx, entry, setup, rows);
  if (entry.format == 2) return TeamListLatex(ctx, entry, setup, rows);
  return std::string();
}

std::string WriteParticipationList(Context& ctx, _listdat entry) {
  const ParticipationCounts counts = CountParticipation(ctx.ranking, ctx.competition);
  std::string out;
  if (entry.format < 1)
    out = ParticipationHtml(ctx, entry, counts,
                            BuildTeamTable(ctx.ranking, ctx.competition, entry.btlg_mannschaften >= 1));
  else if (entry.format == 1)
    out = ParticipationText(ctx, entry, counts);
  AppendProtocolLine(ctx.intdat, ctx.clock, false, CountWithoutResult(ctx.competition), counts.gesamt);
  return out;
}

}  // namespace wex
