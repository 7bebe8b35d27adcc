// Fuzzes the legacy data folder: one input becomes WEXCONFG.WID, WEXINDEX.WID, WEXTLERG.WID and
// WEXSTMSC.WID, loaded in both name orders.
//
// Input: a flag byte, three little-endian uint16 lengths (configuration, index, participant file), then
// the bytes of these files one after the other; whatever is left is the home-team file.
// Flags: 1 keep the configuration as given (otherwise its identification is written over the start, so
// that most inputs get past the configuration test), 2/4/8/16 leave out the index, participant, home-team
// or configuration file.
#include <algorithm>
#include <cstring>

#include "core/competition/legacy_files.hpp"
#include "core/competition/load.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace wex;

std::string_view Take(std::string_view& input, std::size_t n) {
  n = std::min(n, input.size());
  const auto part = input.substr(0, n);
  input.remove_prefix(n);
  return part;
}

std::size_t Length(std::string_view& input) {
  const auto bytes = Take(input, 2);
  if (bytes.size() < 2) return 0;
  return static_cast<unsigned char>(bytes[0]) | static_cast<std::size_t>(static_cast<unsigned char>(bytes[1]))
                                                    << 8;
}

void Place(const char* name, bool present, std::string_view bytes) {
  const auto path = fuzz::ScratchFolder() / name;
  if (present)
    fuzz::WriteBytes(path, bytes);
  else
    fuzz::RemoveFile(path);
}

void CheckLoaded(const Competition& c, std::size_t indexEntries) {
  if (c.participants.size() > indexEntries) fuzz::Fail("more participants than index entries");
  for (const auto& p : c.participants) {
    if (p.tlnr <= 0) fuzz::Fail("participant without a positive number");
    if (!std::memchr(p.name, '\0', sizeof p.name)) fuzz::Fail("display name without NUL in its field");
  }
  for (const auto& t : c.homeTeams) {
    if (t.nummer <= 0) fuzz::Fail("home team without a positive number");
    if (!std::memchr(t.name, '\0', sizeof t.name)) fuzz::Fail("home-team name without NUL in its field");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::ScratchScope scratch;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto flagBytes = Take(input, 1);
  const unsigned flags = flagBytes.empty() ? 0 : static_cast<unsigned char>(flagBytes[0]);
  const std::size_t configLength = Length(input), indexLength = Length(input), recordsLength = Length(input);
  std::string config(Take(input, configLength));
  const auto index = Take(input, indexLength);
  const auto records = Take(input, recordsLength);
  const auto homeTeams = input;

  if (!(flags & 1)) {
    if (config.size() < sizeof kConfigIdentification) config.resize(sizeof kConfigIdentification);
    std::memcpy(config.data(), kConfigIdentification, sizeof kConfigIdentification);
  }
  Place("WEXCONFG.WID", !(flags & 16), config);
  Place("WEXINDEX.WID", !(flags & 2), index);
  Place("WEXTLERG.WID", !(flags & 4), records);
  Place("WEXSTMSC.WID", !(flags & 8), homeTeams);

  const std::string folder = fuzz::ScratchFolder().string();
  const bool valid = !(flags & 16) && config.size() >= sizeof kConfigIdentification &&
                     std::memcmp(config.data(), kConfigIdentification, sizeof kConfigIdentification) == 0;
  const std::size_t indexEntries = (flags & 2) ? 0 : index.size() / 2;
  std::size_t participants = 0;
  for (bool firstNameFirst : {false, true}) {
    fuzz::SilentUserInterface ui;
    Competition competition;
    const bool loaded = LoadCompetitionData(competition, ui, folder, firstNameFirst);
    if (loaded != valid) fuzz::Fail("configuration test disagrees with the identification");
    if (ui.busy != 0) fuzz::Fail("unbalanced busy phase");
    if (ui.messages != (loaded ? 0 : 1)) fuzz::Fail("wrong number of messages");
    CheckLoaded(competition, indexEntries);
    // The name order changes names only, never which participants are read.
    if (firstNameFirst && competition.participants.size() != participants)
      fuzz::Fail("name order changed the list");
    participants = competition.participants.size();
  }
  return 0;
}
