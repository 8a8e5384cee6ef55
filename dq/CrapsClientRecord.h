// The Craps game client's record. It is written whole (transformed) to the
// snapshot file ".\dqdata.dat", so its layout is a stored format: little-endian,
// 1304 bytes, every field at a fixed offset.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "dq/BetModel.h"

namespace dq {

struct CrapsClientRecord {
  std::int32_t autoPress;    // 1 while the client presses its own chip button
  std::int32_t state;        // client machine state 0..45
  std::int32_t quitAnswer;   // 1: the player accepted losing the bets on quit
  float bets[kCrapsBetSlots];
  float results[kCrapsBetSlots];       // per-kind result of the last roll
  float betSnapshot[kCrapsBetSlots];   // the bets as they stood for the last roll
  std::int32_t pileHeight;   // scratch: chip count + 1 from the last pile erased
  std::int32_t dice[2];      // the last roll
  std::int32_t previousDice[2];
  std::int32_t selectedChip; // 0..4 for 1, 5, 25, 100, 500; 6 none
  std::int16_t restingDie1[2];  // x, y of die 1 on the table when diceResting is 1
  double neverSet;           // stays 0
  double minBetCopy;         // minBet as received at CLIENTINIT
  double balance;
  double beginBalance;       // balance as received at BEGINPLAYANSWER
  double minBet;
  double maxBet;
  double maxTable;
  double maxOdds;
  double minBetProp;
  float won;                 // net total paid in the last roll
  float lost;                // stakes lost in the last roll
  float tableTotal;          // sum of all bets on the table
  std::int32_t comeOut;      // 1: the next roll is a come-out roll
  std::int32_t previousComeOut;  // the come-out flag as it stood before the last roll
  std::int32_t point;        // 0 none, else 4..10
  std::int32_t previousPoint;
  std::int32_t comePoints[12];      // index = number - 1
  std::int32_t dontComePoints[12];  // index = number - 1
  std::int32_t comeMove[2];         // pending Come Bet move: whole dollars, target kind 5..10
  std::int32_t dontComeMove[2];     // pending Don't Come move: whole dollars, target kind 18..23
  std::int16_t restingDie2[2];     // x, y of die 2
  std::int32_t chipValue;           // 1, 5, 25, 100 or 500
  std::int32_t negativeChipValue;
  // 1 when the last roll's dice lay on the table as the round began; set
  // for the snapshot, so a restore of the round shows them where they were.
  std::int32_t diceResting;
  std::int32_t workingBuy;          // copies of the working-bet options
  std::int32_t workingPlace;
  std::int32_t workingComeOdds;
  std::int32_t workingHardways;
  std::int32_t rollRequest;
  std::int32_t quitRequest;
  // The stored layout keeps 4-byte places for two pointers; they are
  // meaningless in the file and stay 0 here. The client machine keeps the
  // live error text itself (ClientErrorText).
  std::uint32_t errorTextSlot;
  char text[160];                   // the fatal box text is built here
  std::uint32_t heapTextSlot;
  std::uint8_t unused1300[4];
};

static_assert(sizeof(CrapsClientRecord) == 1304);
static_assert(std::endian::native == std::endian::little, "the record is stored as it lies in memory");
static_assert(offsetof(CrapsClientRecord, state) == 4);
static_assert(offsetof(CrapsClientRecord, quitAnswer) == 8);
static_assert(offsetof(CrapsClientRecord, bets) == 12);
static_assert(offsetof(CrapsClientRecord, results) == 292);
static_assert(offsetof(CrapsClientRecord, betSnapshot) == 572);
static_assert(offsetof(CrapsClientRecord, pileHeight) == 852);
static_assert(offsetof(CrapsClientRecord, dice) == 856);
static_assert(offsetof(CrapsClientRecord, previousDice) == 864);
static_assert(offsetof(CrapsClientRecord, selectedChip) == 872);
static_assert(offsetof(CrapsClientRecord, restingDie1) == 876);
static_assert(offsetof(CrapsClientRecord, neverSet) == 880);
static_assert(offsetof(CrapsClientRecord, minBetCopy) == 888);
static_assert(offsetof(CrapsClientRecord, balance) == 896);
static_assert(offsetof(CrapsClientRecord, beginBalance) == 904);
static_assert(offsetof(CrapsClientRecord, minBet) == 912);
static_assert(offsetof(CrapsClientRecord, maxBet) == 920);
static_assert(offsetof(CrapsClientRecord, maxTable) == 928);
static_assert(offsetof(CrapsClientRecord, maxOdds) == 936);
static_assert(offsetof(CrapsClientRecord, minBetProp) == 944);
static_assert(offsetof(CrapsClientRecord, won) == 952);
static_assert(offsetof(CrapsClientRecord, lost) == 956);
static_assert(offsetof(CrapsClientRecord, tableTotal) == 960);
static_assert(offsetof(CrapsClientRecord, comeOut) == 964);
static_assert(offsetof(CrapsClientRecord, previousComeOut) == 968);
static_assert(offsetof(CrapsClientRecord, point) == 972);
static_assert(offsetof(CrapsClientRecord, previousPoint) == 976);
static_assert(offsetof(CrapsClientRecord, comePoints) == 980);
static_assert(offsetof(CrapsClientRecord, dontComePoints) == 1028);
static_assert(offsetof(CrapsClientRecord, comeMove) == 1076);
static_assert(offsetof(CrapsClientRecord, dontComeMove) == 1084);
static_assert(offsetof(CrapsClientRecord, restingDie2) == 1092);
static_assert(offsetof(CrapsClientRecord, chipValue) == 1096);
static_assert(offsetof(CrapsClientRecord, negativeChipValue) == 1100);
static_assert(offsetof(CrapsClientRecord, diceResting) == 1104);
static_assert(offsetof(CrapsClientRecord, workingBuy) == 1108);
static_assert(offsetof(CrapsClientRecord, workingPlace) == 1112);
static_assert(offsetof(CrapsClientRecord, workingComeOdds) == 1116);
static_assert(offsetof(CrapsClientRecord, workingHardways) == 1120);
static_assert(offsetof(CrapsClientRecord, rollRequest) == 1124);
static_assert(offsetof(CrapsClientRecord, quitRequest) == 1128);
static_assert(offsetof(CrapsClientRecord, errorTextSlot) == 1132);
static_assert(offsetof(CrapsClientRecord, text) == 1136);
static_assert(offsetof(CrapsClientRecord, heapTextSlot) == 1296);

}  // namespace dq
