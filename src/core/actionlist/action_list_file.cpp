// Action list files (.plk), the structural changes of the action list, and the menu commands on it.
#include "core/actionlist/action_list_file.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

#include "core/competition/fixed_text.hpp"
#include "core/platform/cp1252.hpp"
#include "core/platform/files.hpp"

namespace wex {
namespace {

const char* const kCannotWriteMessage = "Fehler beim Erstellen der Datei\nPfad prüfen!"_w;

std::string FileImage(const ActionList& actions, const std::string& headerText) {
  std::string bytes(kActionListHeaderSize, '\0');
  SetFieldText(bytes.data(), kActionListHeaderSize, headerText);
  const auto count = static_cast<std::int32_t>(actions.entries.size());
  for (int shift = 0; shift < 32; shift += 8)
    bytes.push_back(static_cast<char>((static_cast<std::uint32_t>(count) >> shift) & 0xFFu));
  for (const _listdat& entry : actions.entries)
    bytes.append(reinterpret_cast<const char*>(&entry), sizeof entry);
  return bytes;
}

enum class ReadResult { CannotOpen, ForeignHeader, Read };

// Reads the records of an action list file into entries (which the caller passes empty).
ReadResult ReadEntries(const std::string& headerText, const std::string& path,
                       std::vector<_listdat>& entries) {
  if (!platform::CanOpenForReading(path)) return ReadResult::CannotOpen;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::CannotOpen;

  char header[kActionListHeaderSize] = {};
  in.read(header, sizeof header);
  if (FieldText(header) != headerText) return ReadResult::ForeignHeader;

  unsigned char countBytes[4] = {};
  in.read(reinterpret_cast<char*>(countBytes), sizeof countBytes);
  if (in.gcount() != static_cast<std::streamsize>(sizeof countBytes)) return ReadResult::Read;
  const auto count = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(countBytes[0]) | static_cast<std::uint32_t>(countBytes[1]) << 8 |
      static_cast<std::uint32_t>(countBytes[2]) << 16 | static_cast<std::uint32_t>(countBytes[3]) << 24);
  if (count <= 0) return ReadResult::Read;

  // The count is only a promise: never reserve more records than the file can hold.
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  const std::uintmax_t headerAndCount = kActionListHeaderSize + sizeof countBytes;
  const std::uintmax_t fitting = ec || size < headerAndCount ? 0 : (size - headerAndCount) / sizeof(_listdat);
  entries.reserve(
      static_cast<std::size_t>(std::min<std::uintmax_t>(fitting, static_cast<std::uintmax_t>(count))));

  // A record cut off at the end of the file never becomes an entry.
  _listdat record;
  for (std::int32_t i = 0; i < count; ++i) {
    if (!in.read(reinterpret_cast<char*>(&record), sizeof record)) break;
    entries.push_back(record);
  }
  return ReadResult::Read;
}

}  // namespace

bool WriteActionList(const ActionList& actions, const std::string& headerText, const std::string& path) {
  platform::MakeOwnerWritable(path);
  return platform::WriteFileReplacing(path, FileImage(actions, headerText), /*keepReadOnly=*/false);
}

bool ReadActionList(ActionList& actions, const std::string& headerText, const std::string& path) {
  std::vector<_listdat> entries;
  if (ReadEntries(headerText, path, entries) != ReadResult::Read) return false;
  actions.entries.insert(actions.entries.end(), entries.begin(), entries.end());
  return true;
}

void AppendEntry(ActionList& actions, const _listdat& entry) { actions.entries.push_back(entry); }

bool RemoveEntry(ActionList& actions, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= actions.entries.size()) return false;
  actions.entries.erase(actions.entries.begin() + index);
  return true;
}

bool ExchangeWithNext(ActionList& actions, int index) {
  if (index < 0 || static_cast<std::size_t>(index) + 1 >= actions.entries.size()) return false;
  std::swap(actions.entries[static_cast<std::size_t>(index)],
            actions.entries[static_cast<std::size_t>(index) + 1]);
  return true;
}

bool NewActionList(ActionList& actions, platform::UserInterface& ui) {
  const auto answer = ui.ShowMessage(
      "Achtung \n mit dem Erstellen einer neuen Liste\nwerden alle bisherigen Einträge gelöscht!\nFortfahren ?"_w,
      "Warnung", platform::MessageIcon::Warning, platform::MessageButtons::YesNo);
  if (answer != platform::MessageResult::Yes) return false;
  actions.entries.clear();
  actions.current = 0;
  return true;
}

bool OpenActionList(ActionList& actions, platform::UserInterface& ui, const std::string& headerText,
                    const std::string& path) {
  const auto answer = ui.ShowMessage(
      "Achtung \n mit dem Öffnen der gewählten Liste\nwerden alle bisherigen Einträge gelöscht!\nFortfahren ?"_w,
      "Warnung", platform::MessageIcon::Warning, platform::MessageButtons::YesNo);
  if (answer != platform::MessageResult::Yes) return false;

  std::vector<_listdat> entries;
  ReadResult result;
  {
    platform::BusyPhase busy(ui);
    result = ReadEntries(headerText, path, entries);
  }
  if (result == ReadResult::CannotOpen) return false;
  if (result == ReadResult::ForeignHeader) {
    platform::ShowError(ui, kCannotWriteMessage);
    return false;
  }
  actions.entries = std::move(entries);
  actions.current = 0;
  return true;
}

bool SaveActionListAs(const ActionList& actions, platform::UserInterface& ui, const std::string& headerText,
                      const std::string& path) {
  bool written;
  {
    platform::BusyPhase busy(ui);
    // Unlike the working file, a file the user chose is not made writable behind their back.
    written = platform::WriteFileReplacing(path, FileImage(actions, headerText), /*keepReadOnly=*/true);
  }
  if (!written) platform::ShowError(ui, kCannotWriteMessage);
  return written;
}

}  // namespace wex
