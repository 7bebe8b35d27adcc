// One generation run into the output folder, and the complete output of all marked lists in one document.
#pragma once

#include <functional>
#include <string>

#include "core/context.hpp"

namespace wex {

// The upload of a successful run's files (modal); the generation cycle provides it. Called only when
// upload_aktiv is set.
using UploadHook = std::function<void()>;

// Writes the list file of every marked entry; returns the number of lists that could not be written.
int GenerateEntries(Context& ctx);

// One generation run: companion files, index page, next pages, script file, the lists; on success the
// refresh counter and info page again, the upload, and the generation counter + 1. On a failed list the
// user is told and the run returns false with the counter unchanged. Expects a loaded competition.
bool GenerateAll(Context& ctx, const UploadHook& upload = {});

// head followed by the lists of all marked entries in form 1 HTML, 2 text or 3 LaTeX, without their
// own page frames.
std::string CompleteBody(Context& ctx, std::string head, int form);

// The form of a complete output chosen by the save dialog's filter: 1 HTML, 3 LaTeX, text otherwise.
int CompleteOutputForm(int filterIndex);

// The chosen file name with the extension of the filter ("html", "txt", "tex"); only the file name's
// own extension is replaced, a dot in a folder name is kept.
std::string CompleteOutputFileName(const std::string& chosenFileName, int filterIndex);

// Saves the complete output of the marked entries under the name chosen in the save dialog (with the
// extension of the chosen filter), remembers its folder in export_verzeichnis and tells the user how it
// went. True when the file was written.
bool SaveCompleteOutput(Context& ctx, const std::string& chosenFileName, int filterIndex);

// The complete text output of the marked entries, for the clipboard.
std::string CopyCompleteOutput(Context& ctx);

}  // namespace wex
