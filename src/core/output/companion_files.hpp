// The files around the list pages: index page, style sheet copies, page script, refresh counter, info page.
#pragma once

#include <string>

#include "core/context.hpp"
#include "core/platform/clock.hpp"

namespace wex {

// Copies source to destination, replacing it whole. Always true: a missing source leaves an empty
// destination. A file copied onto itself (output folder = start directory) stays as it is.
bool CopyCompanionFile(const std::string& source, const std::string& destination);

// Copies the active style sheet (css_datei) unchanged into the output folder under its file name.
// An unreadable or empty style sheet is not copied (true); false only when the copy could not be written.
bool CopyStyleSheet(const Context& ctx);

// The next-page chain: every marked entry's folgeseite becomes the next marked entry's file name (the
// index page after the last one) with seitenkette 1, or its own file name with seitenkette 0.
void SetNextPages(Context& ctx);

// The index page written to path: links to every marked HTML list, the notice text, the footer.
// Reads the count of participants without result from ctx.intdat.tln_ohne_ergebnis.
std::string IndexPageText(const Context& ctx, const std::string& path);
bool WriteIndexPage(const Context& ctx, const std::string& path);

// The refresh counter: the generation counter as "%d", nothing else.
bool WriteRefreshCounter(const Context& ctx, const std::string& path);

// The page script every page loads: page change, scrolling, refresh polling.
std::string ScriptFileText();
bool WriteScriptFile(const std::string& path);

// The sample style sheet "WexStandard.css" the user can save and adapt.
std::string SampleStyleSheetText(const platform::Clock& clock);
bool WriteSampleStyleSheet(const platform::Clock& clock, const std::string& path);

// The maker's information page "groebenfalter.html", linked from the page footers.
std::string InfoPageText(const Context& ctx);
bool WriteInfoPage(const Context& ctx, const std::string& path);

}  // namespace wex
