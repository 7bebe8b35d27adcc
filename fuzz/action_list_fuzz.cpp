// Fuzzes the readers of the user's own files: the action list (.plk) and the program configuration (.kfg).
//
// Input: a mode byte, then the file. Mode bit 1 puts the right 64-byte header in front of the rest, so
// that most inputs reach the count and the records; without it the bytes are the whole file. The
// configuration reader always gets the file exactly as written.
#include <algorithm>
#include <cstring>

#include "core/actionlist/action_list_file.hpp"
#include "core/actionlist/configuration.hpp"
#include "core/platform/cp1252.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace wex;

std::string_view Bytes(const _listdat& entry) {
  return std::string_view(reinterpret_cast<const char*>(&entry), sizeof entry);
}

void FuzzActionList(const std::string& file, const std::string& path) {
  const std::string header = "Aktionliste für WexPlakard.exe von Gröbenfalter V0505"_w;
  ActionList actions;
  actions.entries.resize(1);  // what was there before is kept; read entries are appended
  std::memset(&actions.entries[0], 0x5A, sizeof(_listdat));
  const _listdat before = actions.entries[0];

  const bool read = ReadActionList(actions, header, path);
  if (Bytes(actions.entries[0]) != Bytes(before)) fuzz::Fail("an entry held before was changed");
  if (!read && actions.entries.size() != 1) fuzz::Fail("a refused file appended entries");
  const std::size_t records = actions.entries.size() - 1;
  const std::size_t fitting = file.size() < kActionListHeaderSize + 4
                                  ? 0
                                  : (file.size() - kActionListHeaderSize - 4) / sizeof(_listdat);
  if (records > fitting) fuzz::Fail("more entries than complete records in the file");
  for (std::size_t i = 0; i < records; ++i)
    if (Bytes(actions.entries[i + 1]) !=
        std::string_view(file).substr(kActionListHeaderSize + 4 + i * sizeof(_listdat), sizeof(_listdat)))
      fuzz::Fail("an entry differs from its record in the file");

  // What was read is written back and read again unchanged.
  if (read && records <= 4) {
    actions.entries.erase(actions.entries.begin());
    if (!WriteActionList(actions, header, path)) fuzz::Fail("cannot write the action list");
    ActionList again;
    if (!ReadActionList(again, header, path)) fuzz::Fail("a written action list is refused");
    if (again.entries.size() != actions.entries.size()) fuzz::Fail("round trip changed the count");
    for (std::size_t i = 0; i < records; ++i)
      if (Bytes(again.entries[i]) != Bytes(actions.entries[i])) fuzz::Fail("round trip changed an entry");
  }
}

void FuzzConfiguration(const std::string& file, const std::string& path) {
  _cnfdat cnf;
  std::memset(&cnf, 0xA5, sizeof cnf);
  const bool read = ReadConfiguration(cnf, path);
  // The leading bytes come from the file, the rest keep what the record held.
  const std::size_t n = std::min(file.size(), sizeof cnf);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&cnf);
  if (std::memcmp(bytes, file.data(), n) != 0) fuzz::Fail("configuration bytes differ from the file");
  for (std::size_t i = n; i < sizeof cnf; ++i)
    if (bytes[i] != 0xA5) fuzz::Fail("configuration bytes beyond the file were changed");
  const bool kennung = FieldText(cnf.kennung) == kConfigurationKennung;
  if (read != kennung) fuzz::Fail("configuration result disagrees with its kennung");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string file;
  if (data[0] & 1) {
    file.assign(kActionListHeaderSize, '\0');
    const std::string header = "Aktionliste für WexPlakard.exe von Gröbenfalter V0505"_w;
    std::memcpy(file.data(), header.data(), header.size());
  }
  file.append(reinterpret_cast<const char*>(data) + 1, size - 1);

  const fuzz::ScratchScope scratch;
  const auto path = (fuzz::ScratchFolder() / "Plakard.plk").string();
  fuzz::WriteBytes(path, file);
  FuzzConfiguration(file, path);
  FuzzActionList(file, path);
  return 0;
}
