// The list writer of each list kind.
#include "core/output/writers.hpp"

#include "core/output/individual_lists.hpp"
#include "core/output/team_lists.hpp"

namespace wex {

bool HasListWriter(int art) { return art <= kKindTeam; }

std::string WriteList(Context& ctx, const _listdat& entry) {
  if (entry.art <= kKindUnsorted) return WriteUnsortedList(ctx, entry);
  switch (entry.art) {
    case kKindParticipation:
      return WriteParticipationList(ctx, entry);
    case kKindStandard:
      return WriteStandardList(ctx, entry);
    case kKindAlternating:
      return WriteAlternatingList(ctx, entry);
    case kKindDsb:
      return WriteDsbList(ctx, entry);
    case kKindTeam:
      return WriteTeamList(ctx, entry);
    default:
      return std::string();
  }
}

}  // namespace wex
