// Unsorted results list (Ergebnisse unsortiert): participant order and the listing tests.
#pragma once

#include "core/actionlist/listdat.hpp"
#include "core/competition/model.hpp"

namespace wex {

// Orders the participant list by start number, ascending and stable; later lists see this order.
void SortParticipantsByStartNumber(Competition& competition);

// True when the participant is listed: inside the start number range (when one is set), a positive
// start number, a selected class, and at least one result in the targets selected for this kind.
bool IsListedUnsorted(const _ergdateilist& participant, const _listdat& entry,
                      const Competition& competition);

// True when the writer shows a row for target t of a listed participant: the target is selected for
// this kind and holds a result. HTML (format 0) tests the whole parts of the series; text tests
// whole part x 10 + hundredths.
bool TargetShownUnsorted(const _ergdateilist& participant, const _listdat& entry, int t, int format);

}  // namespace wex
