// The Pai Gow Poker server's record. The main client saves it whole under
// "KWDATA" and a restore reads it back, so its layout is a stored format:
// little-endian, every offset fixed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace kw {

inline constexpr int kHandCards = 7;
inline constexpr int kDealtCards = 14;  // the player's 7, then the dealer's 7

// A 5-card hand's class (0 high card .. 9 five aces) and its two rank words.
struct HandValue {
  std::int32_t handClass;
  std::int32_t rank1;
  std::int32_t rank2;
};

// The pair structure of seven cards (kind 0..12) and its two ranks.
struct PairStructure {
  std::int32_t kind;
  std::int32_t rankA;
  std::int32_t rankB;
};

// What straight and flush seven cards can make.
struct StraightFlushFindings {
  std::int32_t code;         // 0 neither, 1 straight, 2 flush, 3 both
  std::int32_t flushSuit;
  std::int32_t flushCount;   // cards of the flush suit, the joker included
  std::int32_t runLength;    // 5, 6 or 7
  std::int32_t runTop;       // rank of the run's top, the joker's place included
  std::int32_t leftOver[2];  // ranks of the cards outside the run, highest first; 0 none
  std::int32_t joker;        // 0 none, 1 present, 2 / 3 see FindStraightFlush7
};

struct PaiGowServerRecord {
  char gameName[16];             // zero-terminated, "KW"
  std::int32_t state;            // 0..22 of GameServerRun
  std::uint8_t reserved20[4];
  double minBet;                 // "minBetPaiGowPoker"
  double maxBet;                 // "maxBetPaiGowPoker"
  double bet;                    // of the round
  double winCredit;              // of the round, cleared once answered
  double money;                  // the balance as this server sees it
  std::int32_t cards[kDealtCards];
  std::int32_t reserved120;
  std::int32_t playerRanks[kHandCards];
  std::int32_t playerSuits[kHandCards];
  std::int32_t dealerRanks[kHandCards];
  std::int32_t dealerSuits[kHandCards];
  HandValue eval;                // written by every 5-card evaluation
  PairStructure pairs;           // the dealer's seven cards
  StraightFlushFindings straightFlush;
  std::int32_t secondHand[2];    // 1-based as received, 0-based once checked
  std::int32_t result;           // 0 player wins, 1 dealer wins, 2 push
  std::int32_t wonHigh;
  std::int32_t wonLow;
};

inline constexpr std::size_t kPaiGowServerRecordSize = 312;
inline constexpr int kPaiGowServerStates = 23;

static_assert(std::endian::native == std::endian::little, "the stored record is little-endian");
static_assert(sizeof(HandValue) == 12);
static_assert(sizeof(PairStructure) == 12);
static_assert(sizeof(StraightFlushFindings) == 32);
static_assert(sizeof(PaiGowServerRecord) == kPaiGowServerRecordSize);
static_assert(offsetof(PaiGowServerRecord, gameName) == 0);
static_assert(offsetof(PaiGowServerRecord, state) == 16);
static_assert(offsetof(PaiGowServerRecord, reserved20) == 20);
static_assert(offsetof(PaiGowServerRecord, minBet) == 24);
static_assert(offsetof(PaiGowServerRecord, maxBet) == 32);
static_assert(offsetof(PaiGowServerRecord, bet) == 40);
static_assert(offsetof(PaiGowServerRecord, winCredit) == 48);
static_assert(offsetof(PaiGowServerRecord, money) == 56);
static_assert(offsetof(PaiGowServerRecord, cards) == 64);
static_assert(offsetof(PaiGowServerRecord, reserved120) == 120);
static_assert(offsetof(PaiGowServerRecord, playerRanks) == 124);
static_assert(offsetof(PaiGowServerRecord, playerSuits) == 152);
static_assert(offsetof(PaiGowServerRecord, dealerRanks) == 180);
static_assert(offsetof(PaiGowServerRecord, dealerSuits) == 208);
static_assert(offsetof(PaiGowServerRecord, eval) == 236);
static_assert(offsetof(PaiGowServerRecord, pairs) == 248);
static_assert(offsetof(PaiGowServerRecord, straightFlush) == 260);
static_assert(offsetof(PaiGowServerRecord, secondHand) == 292);
static_assert(offsetof(PaiGowServerRecord, result) == 300);
static_assert(offsetof(PaiGowServerRecord, wonHigh) == 304);
static_assert(offsetof(PaiGowServerRecord, wonLow) == 308);

}  // namespace kw
