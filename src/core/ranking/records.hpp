// The records the ranking engines produce, and the sequences of the last computation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wex {

// Individual ranking record: one per participant and selected target (standard), or per participant (DSB).
struct _sort_ew {
  std::int32_t startnr = 0;    // the participant's tlnr
  std::int8_t markiert = 0;    // copy of the block's result mark
  std::int32_t werte[400]{};   // ranking values; only the first slots are ever filled
};

// What EwRankBefore compares: mode 0 divider (smaller first), 1 best ring result, 2 ring sum.
struct EwRankingContext {
  int mode = 0;
  int compareWidth = 20;   // leading values compared in modes 0 and 1
  int sumCount = 0;        // N of the sum mode
};

// Element of the alternating ranking's combined sequence.
struct _sort_alt_ew_all {
  std::int32_t startnr = 0;
  std::int32_t werte[400]{};
  std::uint8_t typ = 0;    // 0 ring element, 1 divider element
};

// A team member.
struct _ma_schuetze {
  std::int32_t startnr = 0;
  char name[30]{};
  float ergebnis = 0;      // tenths of a ring (ring target) or hundredths (divider target)
  std::uint8_t zusatz1 = 0;
  std::uint8_t zusatz2 = 0;
  std::uint8_t gewertet = 0;   // 1 = counts for the team sum
};

// A team of the team ranking.
struct _mannschaft {
  std::vector<_ma_schuetze> schuetzen;   // members with a valid value; counted members first
  char name[40]{};
  std::int32_t nummer = 0;
  float summe = 0;
  std::int32_t anzahl = 0;    // members with a valid value, counted or not
  std::int32_t bester = 0;    // value of the best member, truncated; 0 without members
};

// Participants per team number (participation statistics).
struct _mschbtlg {
  std::int32_t nummer = 0;
  std::int32_t anzahl = 0;
};

// One row of the team table of the HTML participation list: a member row when startnr >= 1.
struct _tabelle_statistik {
  std::string name;
  std::int32_t startnr = 0;
  std::int32_t anzahl = 0;
};

// The counts of one participation computation.
struct ParticipationCounts {
  std::int32_t disziplin_anzahl[10]{};
  std::int32_t klasse_anzahl[15]{};
  std::int32_t gesamt = 0;
  std::int32_t zusatz1_anzahl = 0;
  std::int32_t zusatz2_anzahl = 0;
};

// The sequences of the last computation; a computation replaces them, writers read them right after.
struct RankingState {
  std::vector<_sort_ew> ewSequence;         // standard and DSB ranking
  EwRankingContext ewContext;
  std::vector<_mannschaft> teamSequence;    // team ranking
  std::vector<_mschbtlg> teamParticipation; // participation per team number, largest first
};

}  // namespace wex
