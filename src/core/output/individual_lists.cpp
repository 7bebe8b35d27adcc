// List writers of the individual lists, HTML and plain text, byte for byte.
#include "core/output/individual_lists.hpp"

#include <algorithm>
#include <vector>

#include "core/competition/fixed_text.hpp"
#include "core/format.hpp"
#include "core/output/frame.hpp"
#include "core/platform/cp1252.hpp"
#include "core/ranking/individual_alternating.hpp"
#include "core/ranking/individual_dsb.hpp"
#include "core/ranking/individual_standard.hpp"
#include "core/ranking/unsorted.hpp"

namespace wex {
namespace {

constexpr const char* kNoTeam = "- keine Mannschaft -";
constexpr int kShownSlots = 20;  // the lists show at most the first 20 values of a record

std::string Text(std::string_view field) { return std::string(field); }

// The home team name of a participant; "- keine Mannschaft -" without a matching team, and, where the
// caller asks, also for a matching team without a name.
std::string TeamText(const Competition& competition, const _ergdateilist& p, bool emptyNameIsNoTeam) {
  if (p.stammmannschaft < 1) return kNoTeam;
  for (const _stammmannschaften& team : competition.homeTeams) {
    if (team.nummer != p.stammmannschaft) continue;
    const std::string name = Text(FieldText(team.name));
    if (name.empty() && emptyNameIsNoTeam) return kNoTeam;
    return name;
  }
  return kNoTeam;
}

// The participant's name; a single blank for an empty name where the list asks for it.
std::string NameText(const _ergdateilist& p, bool blankWhenEmpty) {
  const std::string name = Text(FieldText(p.name));
  return name.empty() && blankWhenEmpty ? " " : name;
}

std::string NameField(const _ergdateilist& p) { return PadCut(NameText(p, true), 30); }

std::string TeamField(const Competition& competition, const _ergdateilist& p) {
  return PadCut(TeamText(competition, p, false), 39);
}

// Page head (or the bare division of a frameless copy) and the heading with the entry's texts.
std::string HtmlOpening(const Context& ctx, const _listdat& entry, bool emptyH3) {
  std::string out;
  if (entry.ohne_rahmen == 0) {
    out = HtmlPageHead(ctx, true, true, FieldText(entry.folgeseite));
    if (emptyH3) out += " <h3></h3>\r\n";
  } else {
    out = "<div style=\"text-align: center;\">\r\n";
  }
  Appendf(out, " <h3>%s %s</h3>\r\n", HtmlEscape(FieldText(entry.text1)).c_str(),
          HtmlEscape(FieldText(entry.text2)).c_str());
  out += "</div>\r\n";
  out +=
      "<table align=\"center\"; style=\"margin-left: auto; margin-right: auto; text-align: left;"
      " width: auto ; height: auto;\" border= \"2\" cellpadding= \"0\" cellspacing= \"0\">\r\n";
  out += " <tbody>\r\n";
  return out;
}

constexpr const char* kSpacer =
    " <div style=\"vertical-align: top; text-align: left; height: 5px;\"> </div>\r\n";
constexpr const char* kStandardSpacer = "  <div style=\"vertical-align: top; height: 5px;\">   </div>\r\n";

// Table end, footer and the closing of the page; a framed page is finished for the browser.
std::string HtmlClosing(const Context& ctx, const _listdat& entry, std::string out) {
  out += " </tbody>\r\n";
  out += " </table>\r\n";
  if (entry.ohne_rahmen != 0) {
    out += " <hr style=\"width: 100%; height: 1px;\"noshade=\"noshade\">\r\n";
    return out;
  }
  out += FooterLine(ctx);
  out += " </div>\r\n";
  out += CloseScriptDivision(ctx.cnf);
  out += "</html>\r\n";
  return FinishHtmlPage(out);
}

// The text heading: competition titles (with a frame) and the entry's texts.
std::string TextOpening(const Context& ctx, const _listdat& entry) {
  const _wettbewerbskonfig& k = ctx.competition.config;
  std::string out;
  if (entry.ohne_rahmen == 0)
    Appendf(out, "%s\r\n%s\r\n%s\r\n%s", Text(FieldText(k.veranstalter)).c_str(),
            Text(FieldText(k.wettbewerb1)).c_str(), Text(FieldText(k.wettbewerb2)).c_str(),
            Text(FieldText(k.wettbewerb3)).c_str());
  Appendf(out, "\r\n\r\n%s\r\n%s\r\n\r\n", Text(FieldText(entry.text1)).c_str(),
          Text(FieldText(entry.text2)).c_str());
  return out;
}

void HeadCommonCells(std::string& out, bool startNumbers) {
  out += "    <td class=\"head\" style=\"text-align: center;\">Rang</td>\r\n";
  if (startNumbers) out += "    <td class=\"head\" style=\"text-align: center;\">Startnr.</td>\r\n";
  out += "    <td class=\"head\" >&nbsp;Name</td>\r\n";
  out += "    <td class=\"head\" >&nbsp;Mannschaft</td>\r\n";
}

// The number of positive values among the first 20 of the values.
int PositiveCount(const std::int32_t* values, int from = 0) {
  int n = 0;
  for (int i = from; i < kShownSlots; ++i)
    if (values[i] > 0) ++n;
  return n;
}

// The mark character as a text; a NUL mark shows nothing instead of putting a NUL byte into the file.
std::string MarkText(char mark) { return mark == '\0' ? std::string() : std::string(1, mark); }

// The settings of the governing target as the lists show them.
struct Governing {
  int target = -1;
  bool divider = false;
  bool tenths = false;
};

Governing GoverningOf(const Context& ctx, const _listdat& entry) {
  Governing g;
  g.target = GoverningTarget(entry);
  if (g.target >= 0) {
    const scheibe& s = ctx.competition.config.scheiben[g.target];
    g.divider = IsDividerTarget(s);
    g.tenths = s.zehntel != 0;
  }
  return g;
}

// ---- kind 2 ----

std::string StandardHtml(Context& ctx, const _listdat& entry, const Governing& g,
                         const std::vector<RankLine>& lines) {
  const std::vector<_sort_ew>& seq = ctx.ranking.ewSequence;
  const Competition& competition = ctx.competition;
  int columns = 0;
  for (const _sort_ew& r : seq) columns = std::max(columns, PositiveCount(r.werte));
  const std::int32_t wanted = entry.ezw_std_anz_erg;  // a packed field: read it by value
  const int valueCells = std::min(wanted, columns);
  const bool startNumbers = entry.ezw_std_startnr != 0;

  std::string out = HtmlOpening(ctx, entry, true);
  out += kStandardSpacer;
  out += "   <tr>\r\n";
  HeadCommonCells(out, startNumbers);
  Appendf(out,
          g.divider ? "    <td class=\"head\" colspan=\"%d\" >&nbsp;Teiler</td>\r\n"
                    : "    <td class=\"head\" colspan=\"%d\" >&nbsp;Ringe</td>\r\n",
          columns);
  out += "   </tr>\r\n";

  ctx.rowClassToggle = 1;
  const char* cls = "";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    cls = NextRowClass(ctx.rowClassToggle);
    const RankLine& line = lines[i];
    if (line.stop) break;
    if (line.participant == nullptr) continue;
    const _ergdateilist& p = *line.participant;
    const _sort_ew& r = seq[i];
    std::string rank;
    if (line.shown == RankShown::kNumber)
      rank = Sprintf("%d", line.rank);
    else if (line.shown == RankShown::kMark)
      rank = HtmlEscape(MarkText(entry.ew_einstellungen.ew_zeichen[g.target]));
    else
      rank = " ";
    out += "   <tr>\r\n";
    Appendf(out, "    <td %s style=\"text-align: center; width: 40px;\">%s<br></td>\r\n", cls, rank.c_str());
    if (startNumbers)
      Appendf(out, "    <td %s style=\"text-align: center; width: 40px;\">%s<br></td>\r\n", cls,
              Sprintf("%d", p.tlnr).c_str());
    Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls, HtmlEscape(NameText(p, true)).c_str());
    Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls,
            HtmlEscape(TeamText(competition, p, true)).c_str());
    for (int j = 0; j < valueCells; ++j) {
      const std::int32_t v = r.werte[j];
      if (v <= 0)
        Appendf(out, "    <td %s >&nbsp;</td>\r\n", cls);
      else if (g.divider)
        Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%4.1f&nbsp;</td>\r\n", cls, v * 0.01);
      else if (g.tenths)
        Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%4.1f&nbsp;</td>\r\n", cls, v * 0.1);
      else
        Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%d&nbsp;</td>\r\n", cls, v / 10);
    }
    out += "   </tr>\r\n";
  }
  if (NeedsFootnote(lines)) {
    out += "   <tr>\r\n";
    Appendf(out, "    <td %s colspan=\"10\" style=\"text-align: center;\">&nbsp;%s&nbsp;</td>\r\n", cls,
            HtmlEscape(FieldText(entry.ew_einstellungen.ew_fussnote[g.target])).c_str());
    out += "   </tr>\r\n";
  }
  return HtmlClosing(ctx, entry, std::move(out));
}

std::string StandardText(const Context& ctx, const _listdat& entry, const Governing& g,
                         const std::vector<RankLine>& lines) {
  const std::vector<_sort_ew>& seq = ctx.ranking.ewSequence;
  const std::int32_t wanted = entry.ezw_std_anz_erg;  // a packed field: read it by value
  const int shown = std::clamp(wanted, 0, 400);
  std::string out = TextOpening(ctx, entry);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const RankLine& line = lines[i];
    if (line.stop) break;
    if (line.participant == nullptr) continue;
    const _ergdateilist& p = *line.participant;
    const _sort_ew& r = seq[i];
    std::string rank;
    if (line.shown == RankShown::kNumber)
      rank = Sprintf("%4d", line.rank);
    else if (line.shown == RankShown::kMark)
      rank = MarkText(entry.ew_einstellungen.ew_zeichen[g.target]);
    else
      rank = " ";
    if (entry.ezw_std_startnr != 0)
      Appendf(out, "%s\t%4d\t%s\t", rank.c_str(), p.tlnr, NameField(p).c_str());
    else
      Appendf(out, "%s\t%s\t", rank.c_str(), NameField(p).c_str());
    Appendf(out, "%s\t", TeamField(ctx.competition, p).c_str());
    for (int j = 0; j < shown; ++j) {
      const std::int32_t v = r.werte[j];
      if (v <= 0) continue;
      if (g.divider)
        Appendf(out, "%6.1f\t", v * 0.01);
      else if (g.tenths)
        Appendf(out, "%5.1f", v * 0.1);
      else
        Appendf(out, "%4d", v / 10);
    }
    out += "\r\n";
  }
  return out;
}

// ---- kind 3 ----

std::string AlternatingHtml(Context& ctx, const _listdat& entry, const Governing& g,
                            const std::vector<_sort_alt_ew_all>& seq, const std::vector<RankLine>& lines) {
  int columns = 0;
  for (const _sort_alt_ew_all& e : seq) columns = std::max(columns, PositiveCount(e.werte));
  const bool startNumbers = entry.ezw_alt_startnr != 0;

  std::string out = HtmlOpening(ctx, entry, true);
  out += kSpacer;
  out += "   <tr>\r\n";
  HeadCommonCells(out, startNumbers);
  Appendf(out, "    <td class=\"head\" colspan=\"%d\" >&nbsp;Ergebnisse</td>\r\n", columns);
  out += "   </tr>\r\n";

  ctx.rowClassToggle = 1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const char* cls = NextRowClass(ctx.rowClassToggle);
    const RankLine& line = lines[i];
    if (line.stop) break;
    if (line.participant == nullptr) continue;
    const _ergdateilist& p = *line.participant;
    const _sort_alt_ew_all& e = seq[i];
    out += "   <tr>\r\n";
    Appendf(out, "    <td %s style=\"width: 50px; text-align: center;\">%s</td>\r\n", cls,
            Sprintf("%4d", line.rank).c_str());
    if (startNumbers)
      Appendf(out, "    <td %s style=\"text-align: center; width: 40px;\">%s<br></td>\r\n", cls,
              Sprintf("%d", p.tlnr).c_str());
    Appendf(out, "    <td %s >&nbsp;%s</td>\r\n", cls, HtmlEscape(NameText(p, true)).c_str());
    Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls,
            HtmlEscape(TeamText(ctx.competition, p, false)).c_str());
    for (int j = 0; j < kShownSlots && j < columns; ++j) {
      const std::int32_t v = e.werte[j];
      if (v <= 0)
        Appendf(out, "    <td %s >&nbsp;</td>\r\n", cls);
      else if (e.typ != 0)
        Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%5.1f&nbsp;</td>\r\n", cls, v * 0.01);
      else if (g.tenths)
        Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%4.1f&nbsp;</td>\r\n", cls, v * 0.1);
      else
        Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%d&nbsp;</td>\r\n", cls, v / 10);
    }
    out += "   </tr>\r\n";
  }
  return HtmlClosing(ctx, entry, std::move(out));
}

std::string AlternatingText(const Context& ctx, const _listdat& entry, const Governing& g,
                            const std::vector<_sort_alt_ew_all>& seq, const std::vector<RankLine>& lines) {
  std::string out = TextOpening(ctx, entry);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const RankLine& line = lines[i];
    if (line.stop) break;
    if (line.participant == nullptr) continue;
    const _ergdateilist& p = *line.participant;
    const _sort_alt_ew_all& e = seq[i];
    const std::string rank = Sprintf("%4d", line.rank);
    if (entry.ezw_alt_startnr != 0)
      Appendf(out, "%s\t%d\t%s\t", rank.c_str(), p.tlnr, NameField(p).c_str());
    else
      Appendf(out, "%s\t%s\t", rank.c_str(), NameField(p).c_str());
    Appendf(out, "%s\t", TeamField(ctx.competition, p).c_str());
    for (int j = 0; j < kShownSlots; ++j) {
      const std::int32_t v = e.werte[j];
      if (v <= 0) continue;
      if (e.typ != 0)
        Appendf(out, "%6.1f\t", v * 0.01);
      else if (g.tenths)
        Appendf(out, "%4.1f", v * 0.1);
      else
        Appendf(out, "%4d", v / 10);
    }
    out += "\r\n";
  }
  return out;
}

// ---- kind 4 ----

// The DSB value in slot 0 counts as a column for every record, even at 0 or below.
int DsbColumns(const std::vector<_sort_ew>& seq) {
  int columns = 0;
  for (const _sort_ew& r : seq) columns = std::max(columns, 1 + PositiveCount(r.werte, 1));
  return columns;
}

std::string DsbHtml(Context& ctx, const _listdat& entry, const Governing& g,
                    const std::vector<RankLine>& lines) {
  const std::vector<_sort_ew>& seq = ctx.ranking.ewSequence;
  const int columns = DsbColumns(seq);
  const bool startNumbers = entry.ezw_dsb_startnr != 0;

  std::string out = HtmlOpening(ctx, entry, false);
  out += kSpacer;
  out += "   <tr>\r\n";
  HeadCommonCells(out, startNumbers);
  out += "    <td class=\"head\" >&nbsp;Erg.</td>\r\n";
  Appendf(out, "    <td class=\"head\" colspan=\"%d\">&nbsp;Ringe</td>\r\n", columns - 2);
  out += "    <td class=\"head\" >&nbsp;Teiler</td>\r\n";
  out += "   </tr>\r\n";

  ctx.rowClassToggle = 1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const char* cls = NextRowClass(ctx.rowClassToggle);
    const RankLine& line = lines[i];
    if (line.stop) break;
    if (line.participant == nullptr) continue;
    const _ergdateilist& p = *line.participant;
    const _sort_ew& r = seq[i];
    out += "   <tr>\r\n";
    Appendf(out, "    <td %s style=\"text-align: center; width: 50px;\">%s</td>\r\n", cls,
            Sprintf("%d", line.rank).c_str());
    if (startNumbers)
      Appendf(out, "    <td %s style=\"text-align: center; width: 40px;\">%s<br></td>\r\n", cls,
              Sprintf("%d", p.tlnr).c_str());
    Appendf(out, "    <td %s>&nbsp;%s</td>\r\n", cls, HtmlEscape(NameText(p, false)).c_str());
    Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls,
            HtmlEscape(TeamText(ctx.competition, p, true)).c_str());
    Appendf(out, "    <td %s style=\"text-align: center; width: 30px;\">&nbsp;%s&nbsp;</td>\r\n", cls,
            Sprintf("%4.1f", r.werte[kDsbValueSlot] * 0.01).c_str());
    for (int k = kDsbRingSumSlot; k < kShownSlots && k < columns; ++k) {
      const std::int32_t v = r.werte[k];
      if (v <= 0)
        Appendf(out, "    <td %s >&nbsp;</td>\r\n", cls);
      else if (g.tenths)
        Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%5.1f&nbsp;</td>\r\n", cls, v * 0.1);
      else
        Appendf(out, "    <td %s style=\"text-align: right;\">&nbsp;%4d&nbsp;</td>\r\n", cls, v / 10);
    }
    Appendf(out, "    <td %s style=\"text-align: right; \">&nbsp;%s</td>\r\n", cls,
            Sprintf("%4.1f", r.werte[kDsbDividerSlot] * 0.01).c_str());
    out += "   </tr>\r\n";
  }
  return HtmlClosing(ctx, entry, std::move(out));
}

std::string DsbText(const Context& ctx, const _listdat& entry, const Governing& g,
                    const std::vector<RankLine>& lines) {
  const std::vector<_sort_ew>& seq = ctx.ranking.ewSequence;
  std::string out = TextOpening(ctx, entry);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const RankLine& line = lines[i];
    if (line.stop) break;
    if (line.participant == nullptr) continue;
    const _ergdateilist& p = *line.participant;
    const _sort_ew& r = seq[i];
    const std::string rank = Sprintf("%4d", line.rank);
    if (entry.ezw_dsb_startnr != 0)
      Appendf(out, "%s\t%d\t%s\t", rank.c_str(), p.tlnr, NameField(p).c_str());
    else
      Appendf(out, "%s\t%s\t", rank.c_str(), NameField(p).c_str());
    Appendf(out, "%s\t", TeamField(ctx.competition, p).c_str());
    Appendf(out, "%6.1f\t", r.werte[kDsbValueSlot] * 0.01);
    out += " ";
    bool first = true;
    for (int k = kDsbRingSumSlot; k < kShownSlots; ++k) {
      const std::int32_t v = r.werte[k];
      if (v <= 0) continue;
      if (!first) out += " / ";
      first = false;
      if (g.tenths)
        Appendf(out, "%5.1f", v * 0.1);
      else
        Appendf(out, "%d", v / 10);
    }
    out += " \t";
    Appendf(out, "%7.1f\t", r.werte[kDsbDividerSlot] * 0.01);
    out += "\r\n";
  }
  return out;
}

// ---- kind 0 ----

// The series of one target as one cell text: every series with a whole part, separated by slashes.
std::string UnsortedResultText(const scheibe& target, const scheibenergebnis& block) {
  const bool divider = IsDividerTarget(target);
  std::string text;
  for (int s = 0; s < kSeriesCount; ++s) {
    const serie_wert& v = block.serie[s];
    if (v.ganz < 1) continue;
    // The separator comes before every series but the first stored one, even after empty series.
    if (s > 0) text += divider ? "  /  " : " / ";
    if (divider)
      Appendf(text, "%6.1f\t", (v.ganz * 100 + v.hundertstel) * 0.01);
    else if (target.zehntel == 0)
      Appendf(text, "%d", v.ganz);
    else if (s == kSeriesCount - 1)
      Appendf(text, "%4.1f", static_cast<double>(v.ganz));
    else
      Appendf(text, "%4.1f", (v.ganz * 10 + v.hundertstel / 10) * 0.1);
  }
  return text;
}

std::string UnsortedHtml(Context& ctx, const _listdat& entry) {
  const Competition& competition = ctx.competition;
  const _wettbewerbskonfig& k = competition.config;
  std::string out = HtmlOpening(ctx, entry, false);
  out += kSpacer;
  ctx.rowClassToggle = 0;
  NextRowClass(ctx.rowClassToggle);
  for (const _ergdateilist& p : competition.participants) {
    if (!IsListedUnsorted(p, entry, competition)) continue;
    const char* cls = NextRowClass(ctx.rowClassToggle);
    out += "   <tr>\r\n";
    Appendf(out, "    <td %s style=\"width: 40px; text-align: center;\">%s<br></td>\r\n", cls,
            Sprintf("%d", p.tlnr).c_str());
    Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls, HtmlEscape(NameText(p, true)).c_str());
    const int slot = ClassSlot(p);
    const std::string className = slot >= 0 ? Text(FieldText(k.klassen[slot])) : std::string();
    Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls, HtmlEscape(className).c_str());
    Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls,
            HtmlEscape(TeamText(competition, p, false)).c_str());
    out += "   </tr>\r\n";
    for (int t = 0; t < kTargetCount; ++t) {
      if (!TargetShownUnsorted(p, entry, t, 0)) continue;
      const scheibe& target = k.scheiben[t];
      const scheibenergebnis& block = p.ergebnisse[t];
      const std::string name = HtmlEscape(FieldText(target.bezeichnung));
      out += "   <tr>\r\n";
      Appendf(out, "    <td %s>%s<br></td>\r\n", cls, " ");
      Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls, Sprintf("%s:", name.c_str()).c_str());
      Appendf(out, "    <td %s colspan=\"3\">&nbsp;%s&nbsp;</td>\r\n", cls,
              UnsortedResultText(target, block).c_str());
      if (!IsDividerTarget(target) && block.mannschaftsergebnis >= 1) {
        out += "   </tr>\r\n";
        out += "   <tr>\r\n";
        Appendf(out, "    <td %s> <br></td>\r\n", cls);
        Appendf(out, "    <td %s>&nbsp;%s&nbsp;</td>\r\n", cls,
                Sprintf("%s Mannschaft:", name.c_str()).c_str());
        const std::string value = target.zehntel != 0 ? Sprintf("%4.1f", block.mannschaftsergebnis * 0.1)
                                                      : Sprintf("%d", block.mannschaftsergebnis / 10);
        Appendf(out, "    <td %s colspan=\"3\">&nbsp;%s&nbsp;</td>\r\n", cls, value.c_str());
      }
      out += "   </tr>\r\n";
    }
    out += "   <tr>\r\n";
    Appendf(out, "    <td %s colspan=\"4\"><br></td>\r\n", cls);
    out += "   </tr>\r\n";
  }
  return HtmlClosing(ctx, entry, std::move(out));
}

std::string UnsortedText(const Context& ctx, const _listdat& entry) {
  const Competition& competition = ctx.competition;
  std::string out = TextOpening(ctx, entry);
  for (const _ergdateilist& p : competition.participants) {
    if (!IsListedUnsorted(p, entry, competition)) continue;
    Appendf(out, "%4d\t%s\t", p.tlnr, NameField(p).c_str());
    Appendf(out, "%s\t\r\n", TeamField(competition, p).c_str());
    for (int t = 0; t < kTargetCount; ++t) {
      if (!TargetShownUnsorted(p, entry, t, 1)) continue;
      const scheibe& target = competition.config.scheiben[t];
      const scheibenergebnis& block = p.ergebnisse[t];
      const std::string name = Text(FieldText(target.bezeichnung));
      Appendf(out, "\t\t%s\t", PadCut(name, 30).c_str());
      if (!IsDividerTarget(target)) {
        for (const serie_wert& s : block.serie)
          if (s.ganz > 0) Appendf(out, "%4d", s.ganz);
        if (block.mannschaftsergebnis > 0) {
          out += "\r\n";
          Appendf(out, "\t\t%s\t", PadCut(name + " Mannschaft", 30).c_str());
          if (target.zehntel != 0)
            Appendf(out, "%4.1f", block.mannschaftsergebnis * 0.1);
          else
            Appendf(out, "%d", block.mannschaftsergebnis / 10);
        }
      } else {
        for (const serie_wert& s : block.serie)
          if (s.ganz > 0) Appendf(out, "%6.1f\t", (s.ganz * 100 + s.hundertstel) * 0.01);
      }
      out += "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace

std::string WriteUnsortedList(Context& ctx, _listdat entry) {
  SortParticipantsByStartNumber(ctx.competition);
  if (entry.format == 0) return UnsortedHtml(ctx, entry);
  if (entry.format == 1) return UnsortedText(ctx, entry);
  return std::string();
}

std::string WriteStandardList(Context& ctx, _listdat entry) {
  ComputeIndividualRanking(ctx.ranking, ctx.competition, entry, true);
  const Governing g = GoverningOf(ctx, entry);
  const std::vector<RankLine> lines =
      NumberRanks(ctx.ranking.ewSequence, ctx.competition, StandardRankRules(entry));
  if (entry.format == 0) return StandardHtml(ctx, entry, g, lines);
  if (entry.format == 1) return StandardText(ctx, entry, g, lines);
  return std::string();
}

std::string WriteAlternatingList(Context& ctx, _listdat entry) {
  const std::vector<_sort_alt_ew_all> seq = ComputeAlternatingRanking(ctx.ranking, ctx.competition, entry);
  const Governing g = GoverningOf(ctx, entry);
  const std::vector<RankLine> lines = NumberRanks(seq, ctx.competition, AlternatingRankRules(entry));
  if (entry.format == 0) return AlternatingHtml(ctx, entry, g, seq, lines);
  if (entry.format == 1) return AlternatingText(ctx, entry, g, seq, lines);
  return std::string();
}

std::string WriteDsbList(Context& ctx, _listdat entry) {
  ComputeDsbRanking(ctx.ranking, ctx.competition, entry);
  const Governing g = GoverningOf(ctx, entry);
  const std::vector<RankLine> lines =
      NumberRanks(ctx.ranking.ewSequence, ctx.competition, DsbRankRules(entry));
  if (entry.format == 0) return DsbHtml(ctx, entry, g, lines);
  if (entry.format == 1) return DsbText(ctx, entry, g, lines);
  return std::string();
}

}  // namespace wex
