// Tarvisco's fixed-record files: the configuration test and the legacy participant and home-team files.
#pragma once

#include <cstddef>
#include <string>

#include "core/competition/model.hpp"

namespace wex {

// The identification a valid WEXCONFG.WID starts with (NUL included in the comparison).
inline constexpr char kConfigIdentification[] = "TARVISCO_DATEI V1199 GROEBENFALTER";

constexpr std::size_t kLegacyParticipantRecordSize = 3351;  // WEXTLERG.WID
constexpr std::size_t kLegacyHomeTeamRecordSize = 42;       // WEXSTMSC.WID

// Reads up to 35000 bytes of the configuration file at path into competition.config and tells whether it
// carries the identification. Bytes beyond a shorter file keep what they held; a file that cannot be
// opened leaves the record unchanged and gives false.
bool TestCompetitionConfig(Competition& competition, const std::string& path);

// Appends the participants of WEXINDEX.WID / WEXTLERG.WID (in index order) and the home teams of
// WEXSTMSC.WID in dataFolder to the (emptied) lists. Missing files give no entries, silently.
void ReadLegacyFiles(Competition& competition, const std::string& dataFolder, bool firstNameFirst);

}  // namespace wex
