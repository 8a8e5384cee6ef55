// The Black Jack server's record. The main client saves it whole under
// "HXDATA" and a restore reads it back, so its layout is a stored format:
// little-endian, doubles IEEE 64-bit, every offset fixed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "hx/CardList.h"

namespace hx {

// The game code, and with "DATA" the key of the saved record.
inline constexpr char kBlackJackGameCode[] = "HX";

// The held stakes, in the order a forfeit debits them.
enum StakeKind : int {
  kStakeFirstHand = 0,
  kStakeSecondHand = 1,
  kStakeInsurance = 2,
  kStakeSecondInsurance = 3,
  kStakeKinds = 4,
};

// Double state: not doubled, doubled with the one card still owed, doubled
// with the card taken.
inline constexpr int kNotDoubled = 0;
inline constexpr int kDoubledCardOwed = 1;
inline constexpr int kDoubledCardTaken = 2;
// Split state: none, the first hand in play, the second hand in play.
inline constexpr int kNoSplit = 0;
inline constexpr int kSplitFirstInPlay = 1;
inline constexpr int kSplitSecondInPlay = 2;

struct BlackJackServerRecord {
  char gameCode[16];           // zero-terminated, "HX"
  CardList current;            // the hand being played
  CardList dealer;
  CardList deck;               // dealt from the top
  CardList firstHand;          // as finished (the only hand without a split)
  CardList secondHand;         // as finished, after a split
  CardList pendingHand;        // the second hand while the first is played
  double bet;                  // received with FIRSTDEAL
  std::int32_t reserved2544;
  std::int32_t doubleState;
  std::int32_t splitState;
  std::int32_t splitAcesLock;  // 1: only PLAYERSTAND is taken
  std::int32_t state;          // 0..33 of GameServerRun
  std::int32_t insurance;
  std::int32_t secondInsurance;  // no command sets it
  std::int32_t reserved2572;
  double stakes[kStakeKinds];  // held, not yet debited
  double minBet;               // "minBetBlackJack"
  double maxBet;               // "maxBetBlackJack"
};

inline constexpr std::size_t kBlackJackServerRecordSize = 2624;
inline constexpr int kBlackJackServerStates = 34;

static_assert(std::endian::native == std::endian::little, "the stored record is little-endian");
static_assert(sizeof(double) == 8);
static_assert(sizeof(BlackJackServerRecord) == kBlackJackServerRecordSize);
static_assert(offsetof(BlackJackServerRecord, gameCode) == 0);
static_assert(offsetof(BlackJackServerRecord, current) == 16);
static_assert(offsetof(BlackJackServerRecord, dealer) == 436);
static_assert(offsetof(BlackJackServerRecord, deck) == 856);
static_assert(offsetof(BlackJackServerRecord, firstHand) == 1276);
static_assert(offsetof(BlackJackServerRecord, secondHand) == 1696);
static_assert(offsetof(BlackJackServerRecord, pendingHand) == 2116);
static_assert(offsetof(BlackJackServerRecord, bet) == 2536);
static_assert(offsetof(BlackJackServerRecord, reserved2544) == 2544);
static_assert(offsetof(BlackJackServerRecord, doubleState) == 2548);
static_assert(offsetof(BlackJackServerRecord, splitState) == 2552);
static_assert(offsetof(BlackJackServerRecord, splitAcesLock) == 2556);
static_assert(offsetof(BlackJackServerRecord, state) == 2560);
static_assert(offsetof(BlackJackServerRecord, insurance) == 2564);
static_assert(offsetof(BlackJackServerRecord, secondInsurance) == 2568);
static_assert(offsetof(BlackJackServerRecord, reserved2572) == 2572);
static_assert(offsetof(BlackJackServerRecord, stakes) == 2576);
static_assert(offsetof(BlackJackServerRecord, stakes) + sizeof(double) * kStakeSecondHand == 2584);
static_assert(offsetof(BlackJackServerRecord, stakes) + sizeof(double) * kStakeInsurance == 2592);
static_assert(offsetof(BlackJackServerRecord, stakes) + sizeof(double) * kStakeSecondInsurance ==
              2600);
static_assert(offsetof(BlackJackServerRecord, minBet) == 2608);
static_assert(offsetof(BlackJackServerRecord, maxBet) == 2616);

// 1 when a saved record is one the machine can run: state 0..33, code "HX",
// every list count 0..52 with valid held cards, the limits the table's (or
// all 0 where CLIENTINIT has not read them), the bet 0 or within them, each
// hand's stake 0, bet or 2 x bet, the insurance 0 or bet / 2 and the second
// insurance 0.
int IsBlackJackServerRecord(const BlackJackServerRecord& record);

}  // namespace hx
