// The page frame shared by every list: HTML head, complete-output heads and foots, entities, row classes.
#pragma once

#include <string>
#include <string_view>

#include "core/actionlist/config.hpp"
#include "core/context.hpp"
#include "core/platform/clock.hpp"

namespace wex {

// The maker's web address: footer link target while uploading, and the end of the text footer.
inline constexpr const char* kMakerAddress = "http://www.groebenfalter.de";

// The head of an HTML page up to and including the heading block; the centred division it opens is left
// open for the caller. Script variables and the mouse division only when auto_scroll or
// auto_seitenwechsel is set.
std::string HtmlPageHead(const Context& ctx, bool overviewButton, bool reloadButton,
                         std::string_view nextPage);

// The beginning of a complete output: form 1 HTML, 2 text, 3 LaTeX.
std::string OutputHead(const Context& ctx, int form);

// body with the end of a complete output appended; HTML is finished (entities, UTF-8) as a whole.
std::string OutputFoot(const Context& ctx, int form, std::string body);

// Umlauts, sharp s and the superscript marks as HTML entities; everything else stays.
std::string HtmlEntities(std::string_view text);

// A finished HTML page: the entities, then every remaining Windows-1252 byte as UTF-8, since the pages
// declare UTF-8 ("é" would otherwise show as garbage).
std::string FinishHtmlPage(std::string_view text);

// A data text (names, titles, header texts) made safe to insert into HTML: & < > " as entities.
std::string HtmlEscape(std::string_view text);

// A data text made safe to insert into LaTeX.
std::string LatexEscape(std::string_view text);

// True when pages carry the script variables and the mouse division: auto_scroll or auto_seitenwechsel.
bool ScriptActive(const _cnfdat& cnf);

// Closes what the page head opened around the whole page: the mouse division of a script-active page,
// and the body when the page scrolls.
std::string CloseScriptDivision(const _cnfdat& cnf);

// The class attribute of the next table row: "hell" and "dunkel" alternate through the toggle.
const char* NextRowClass(int& toggle);

// Current local date and time as "%d.%d.%4d, %2d:%02d".
std::string FooterDate(const platform::Clock& clock);

// The footer link target: the local info page, or the maker's address in a new window while uploading.
std::string FooterLinkTarget(const _cnfdat& cnf);

// " <h5 ...>Diese Seite wurde am ... erstellt ...</h5>" with the date and the footer link target.
std::string FooterLine(const Context& ctx);

// Creates or replaces the file with exactly these bytes, through a temporary file and a rename: a browser
// never reads half a page and a failed write leaves the previous file intact. False when it fails
// (folder missing, file read-only, disk full).
bool WriteTextFile(const std::string& path, std::string_view text);

}  // namespace wex
