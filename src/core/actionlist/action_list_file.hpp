// Action list files (.plk), the structural changes of the action list, and the menu commands on it.
#pragma once

#include <string>

#include "core/actionlist/listdat.hpp"
#include "core/platform/user_interface.hpp"

namespace wex {

// Width of the header field at the start of an action list file.
inline constexpr std::size_t kActionListHeaderSize = 64;

// Writes the 64-byte header field (text, NUL, zeros), the int32 count and every entry as its record image.
// A read-only file is made writable first; the content is replaced through a temporary file, so a failed
// write leaves the old file as it was. False when the file cannot be written.
bool WriteActionList(const ActionList& actions, const std::string& headerText, const std::string& path);

// Appends the file's entries to the action list. False, with nothing appended, when the file cannot be
// opened or its header is not headerText. A file that ends before its announced records keeps the complete
// records; a negative count reads none.
bool ReadActionList(ActionList& actions, const std::string& headerText, const std::string& path);

// The only structural changes; each moves whole records. Remove and exchange return false (and change
// nothing) for an index out of range; ExchangeWithNext swaps the entries at index and index + 1.
void AppendEntry(ActionList& actions, const _listdat& entry);
bool RemoveEntry(ActionList& actions, int index);
bool ExchangeWithNext(ActionList& actions, int index);

// Menu "Aktionsliste" / "Neu": asks before emptying the list. True when the list was emptied, so the
// caller rebuilds its view. The working file is not written here.
bool NewActionList(ActionList& actions, platform::UserInterface& ui);

// Menu "Aktionsliste" / "Öffnen" with the file the user chose: asks, then replaces the entries by the
// file's. A file that cannot be opened ends the command silently; a foreign header is reported and the
// list stays as it was. True when the entries were replaced, so the caller rebuilds its view.
bool OpenActionList(ActionList& actions, platform::UserInterface& ui, const std::string& headerText,
                    const std::string& path);

// Menu "Aktionsliste" / "Speichern unter..." with the file the user chose. A file that cannot be written
// (a read-only one included) is reported. True when it was written.
bool SaveActionListAs(const ActionList& actions, platform::UserInterface& ui, const std::string& headerText,
                      const std::string& path);

}  // namespace wex
