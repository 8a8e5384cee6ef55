// Text forms of the Craps packets' two lists: the BET tag the client sends
// with ROLLDICE and the RESULT tag the server answers in BETDATA.
#pragma once

#include <cstddef>

#include "dq/BetModel.h"
#include "dq/CrapsServerRecord.h"

namespace dq {

// The working options, in their order on the wire.
struct CrapsWorkingFlags {
  int place;
  int buy;
  int comeOdds;
  int hardways;
};

// Room for any BET list whose stakes keep to seven characters, and for any
// RESULT list at all.
inline constexpr std::size_t kBetListTextSize = 1024;
inline constexpr std::size_t kResultListTextSize = 4096;

// BET: per kind with a stake, in index order, the index ("%i", "@" after a
// single digit) and "%.2f" of the stake with "$"; then "#" and the four
// flags as '1' or '0'. Answers the length, or -1 when it does not fit.
int EncodeBetList(const float* bets, const CrapsWorkingFlags& flags, char* out, std::size_t size);

enum CrapsBetListParse : int {
  kBetListOk = 0,
  kBetListBadIndex,      // an index text that is not a number
  kBetListIndexOutOfRange,
  kBetListBadStake,      // not a finite number, or longer than seven characters
  kBetListIncomplete,    // the text ends before "#" and the four flags
};

// Reads a BET list into bets (all kCrapsBetSlots entries, zeroed first) and
// flags. Never reads past the text's zero byte nor writes outside the list;
// on any answer other than kBetListOk the outputs are partial and must not
// be used.
int ParseBetList(const char* text, float* bets, CrapsWorkingFlags* flags);

// RESULT: per kind with a nonzero result the index as in BET and "%f" of
// the result with "$"; then "#" and sixteen "%i" numbers joined by ",": the
// dice, point, come-out flag, come points 4..10, don't come points 4..10.
// Answers the length (the text always fits kResultListTextSize), or -1 when
// size is too small.
int EncodeResultList(const CrapsServerRecord& record, char* out, std::size_t size);

// A RESULT list as the client reads it.
struct CrapsRollOutcome {
  float results[kCrapsBetSlots];
  int dice[2];
  int point;
  int comeOut;
  int comePoints[6];      // boxes 4, 5, 6, 8, 9, 10
  int dontComePoints[6];  // boxes 4, 5, 6, 8, 9, 10
};

enum CrapsResultListParse : int {
  kResultListOk = 0,
  kResultListBadResult,  // an index or result that cannot be read
  kResultListBadNumbers, // fewer than sixteen numbers after "#", or one beyond an int
};

// Reads a RESULT list (results zeroed first); never reads past the text.
int ParseResultList(const char* text, CrapsRollOutcome* outcome);

}  // namespace dq
