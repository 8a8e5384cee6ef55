// The Craps game server's record. The main client saves it whole under
// "DQDATA" and a restore reads it back, so its layout is a stored format:
// little-endian, every offset fixed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "dq/BetModel.h"

namespace dq {

struct CrapsServerRecord {
  std::int32_t state;                // 0..22 of GameServerRun
  char gameCode[16];                 // zero-terminated, "DQ"
  std::uint8_t unused20[4];
  double minBet;
  double maxBet;
  double minBetProp;
  double maxTable;
  double maxOdds;
  std::uint8_t unused64[4];
  float won;                         // net winnings of the last settlement
  float lost;                        // lost stakes of the last settlement
  std::uint8_t unused76[4];
  double balance;                    // read at BEGINPLAY
  std::int32_t dice[2];              // of the coming roll
  std::int32_t previousDice[2];      // of the roll settled last
  float bets[kCrapsBetSlots];
  float previousBets[kCrapsBetSlots];  // the list of the roll settled last
  float results[kCrapsBetSlots];       // payout or kResult... per kind
  std::int32_t comeOut;              // 1: the next roll is a come-out roll
  std::int32_t quitFlag;             // QUITFLAG of the quitting ENDPLAY
  std::int32_t workingBuy;
  std::int32_t workingPlace;
  std::int32_t workingComeOdds;
  std::int32_t workingHardways;
  std::int32_t point;                // 0: none
  std::int32_t comePoints[12];       // index number - 1; 1: a come bet stands
  std::int32_t dontComePoints[12];   // index number - 1
  std::uint8_t unused1068[4];
};

inline constexpr std::size_t kCrapsServerRecordSize = 1072;

static_assert(std::endian::native == std::endian::little, "the stored record is little-endian");
static_assert(sizeof(CrapsServerRecord) == kCrapsServerRecordSize);
static_assert(offsetof(CrapsServerRecord, state) == 0);
static_assert(offsetof(CrapsServerRecord, gameCode) == 4);
static_assert(offsetof(CrapsServerRecord, unused20) == 20);
static_assert(offsetof(CrapsServerRecord, minBet) == 24);
static_assert(offsetof(CrapsServerRecord, maxBet) == 32);
static_assert(offsetof(CrapsServerRecord, minBetProp) == 40);
static_assert(offsetof(CrapsServerRecord, maxTable) == 48);
static_assert(offsetof(CrapsServerRecord, maxOdds) == 56);
static_assert(offsetof(CrapsServerRecord, unused64) == 64);
static_assert(offsetof(CrapsServerRecord, won) == 68);
static_assert(offsetof(CrapsServerRecord, lost) == 72);
static_assert(offsetof(CrapsServerRecord, unused76) == 76);
static_assert(offsetof(CrapsServerRecord, balance) == 80);
static_assert(offsetof(CrapsServerRecord, dice) == 88);
static_assert(offsetof(CrapsServerRecord, previousDice) == 96);
static_assert(offsetof(CrapsServerRecord, bets) == 104);
static_assert(offsetof(CrapsServerRecord, previousBets) == 384);
static_assert(offsetof(CrapsServerRecord, results) == 664);
static_assert(offsetof(CrapsServerRecord, comeOut) == 944);
static_assert(offsetof(CrapsServerRecord, quitFlag) == 948);
static_assert(offsetof(CrapsServerRecord, workingBuy) == 952);
static_assert(offsetof(CrapsServerRecord, workingPlace) == 956);
static_assert(offsetof(CrapsServerRecord, workingComeOdds) == 960);
static_assert(offsetof(CrapsServerRecord, workingHardways) == 964);
static_assert(offsetof(CrapsServerRecord, point) == 968);
static_assert(offsetof(CrapsServerRecord, comePoints) == 972);
static_assert(offsetof(CrapsServerRecord, dontComePoints) == 1020);
static_assert(offsetof(CrapsServerRecord, unused1068) == 1068);

}  // namespace dq
