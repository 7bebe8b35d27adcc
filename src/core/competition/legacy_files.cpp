// Reading the legacy files record by record; Tarvisco may write them meanwhile, so a torn or empty record
// is simply skipped and the next reload picks up the rest.
#include "core/competition/legacy_files.hpp"

#include <cstdint>
#include <cstring>
#include <fstream>

#include "core/competition/display_name.hpp"
#include "core/platform/files.hpp"

namespace wex {
namespace {

// Little-endian int16 at offset.
std::int16_t Int16At(const char* bytes, std::size_t offset) {
  std::int16_t v;
  std::memcpy(&v, bytes + offset, sizeof v);
  return v;
}

// Reads exactly n bytes or reports false; the stream state is cleared so that a later seek works.
bool ReadExactly(std::ifstream& in, char* buffer, std::size_t n) {
  in.read(buffer, static_cast<std::streamsize>(n));
  const bool complete = static_cast<std::size_t>(in.gcount()) == n;
  in.clear();
  return complete;
}

// WEXTLERG.WID record layout.
constexpr std::size_t kRawNameOffset = 3;
constexpr std::size_t kRawNameWidth = 30;
constexpr std::size_t kHomeTeamOffset = 33;
constexpr std::size_t kDisciplineOffset = 35;
constexpr std::size_t kClassOffset = 36;
constexpr std::size_t kExtra1Offset = 149;
constexpr std::size_t kExtra2Offset = 150;
constexpr std::size_t kResultsOffset = 151;
static_assert(kResultsOffset + sizeof(_ergdateilist::ergebnisse) == kLegacyParticipantRecordSize);

// WEXSTMSC.WID: number, then the name in 39 bytes.
constexpr std::size_t kHomeTeamNameOffset = 2;
constexpr std::size_t kHomeTeamNameWidth = 39;

void ReadParticipants(Competition& competition, const std::string& dataFolder, bool firstNameFirst) {
  std::ifstream index(platform::JoinPath(dataFolder, "WEXINDEX.WID"), std::ios::binary);
  if (!index) return;
  std::ifstream records(platform::JoinPath(dataFolder, "WEXTLERG.WID"), std::ios::binary);
  if (!records) return;

  char number[2];
  char record[kLegacyParticipantRecordSize];
  while (ReadExactly(index, number, sizeof number)) {
    const std::int16_t n = Int16At(number, 0);
    if (n <= 0) continue;
    records.seekg(static_cast<std::streamoff>(n - 1) *
                  static_cast<std::streamoff>(kLegacyParticipantRecordSize));
    // A record beyond the end of the file reads short and is skipped.
    if (!ReadExactly(records, record, sizeof record)) continue;
    const std::int16_t own = Int16At(record, 0);
    if (own <= 0) continue;

    _ergdateilist p{};
    p.tlnr = own;
    // The raw name field may be full without a NUL: it then ends at the field's end.
    SetFieldText(p.name,
                 FormatDisplayName(firstNameFirst, FieldText(record + kRawNameOffset, kRawNameWidth)));
    p.stammmannschaft = Int16At(record, kHomeTeamOffset);
    p.disziplin = static_cast<std::uint8_t>(record[kDisciplineOffset]);
    p.klasse = Int16At(record, kClassOffset);
    p.zusatz1 = static_cast<std::uint8_t>(record[kExtra1Offset]);
    p.zusatz2 = static_cast<std::uint8_t>(record[kExtra2Offset]);
    std::memcpy(p.ergebnisse, record + kResultsOffset, sizeof p.ergebnisse);
    // The file stores the team-counting result in whole rings, the model in tenths.
    for (auto& block : p.ergebnisse)
      block.mannschaftsergebnis = static_cast<std::int16_t>(block.mannschaftsergebnis * 10);
    competition.participants.push_back(p);
  }
}

void ReadHomeTeams(Competition& competition, const std::string& dataFolder) {
  std::ifstream file(platform::JoinPath(dataFolder, "WEXSTMSC.WID"), std::ios::binary);
  if (!file) return;
  char record[kLegacyHomeTeamRecordSize];
  while (ReadExactly(file, record, sizeof record)) {
    const std::int16_t n = Int16At(record, 0);
    if (n <= 0) continue;
    _stammmannschaften team{};
    team.nummer = n;
    SetFieldText(team.name, FieldText(record + kHomeTeamNameOffset, kHomeTeamNameWidth));
    competition.homeTeams.push_back(team);
  }
}

}  // namespace

bool TestCompetitionConfig(Competition& competition, const std::string& path) {
  const auto bytes = platform::ReadFileBytes(path, sizeof(_wettbewerbskonfig));
  if (!bytes) return false;
  std::memcpy(&competition.config, bytes->data(), bytes->size());
  static_assert(sizeof kConfigIdentification == sizeof competition.config.kennung);
  return std::memcmp(competition.config.kennung, kConfigIdentification, sizeof kConfigIdentification) == 0;
}

void ReadLegacyFiles(Competition& competition, const std::string& dataFolder, bool firstNameFirst) {
  ReadParticipants(competition, dataFolder, firstNameFirst);
  ReadHomeTeams(competition, dataFolder);
}

}  // namespace wex
