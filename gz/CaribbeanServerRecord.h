// The Caribbean Poker server's record. The main client saves it whole under
// "GZDATA" and a restore reads it back, so its layout is a stored format:
// little-endian, every offset fixed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "gz/HandInfo.h"

namespace gz {

inline constexpr int kDealtCards = 10;  // the player's 5, then the dealer's 5
inline constexpr int kDealerUpCard = kHandCards;

struct CaribbeanServerRecord {
  char gameCode[16];             // zero-terminated, "GZ"
  std::int32_t state;            // 0..20 of GameServerRun
  std::uint8_t reserved20[4];
  double callBet;                // 2 x ante once PLAYERBET arrives
  double minAnte;                // "minBetCaribbeanStud"
  double maxAnte;                // "maxBetCaribbeanStud"
  double ante;
  double win;                    // credited at the settlement
  double money;                  // the balance as this server last knew it
  std::int32_t cards[kDealtCards];
  std::uint8_t reserved112[4];
  std::int32_t outcome;          // CaribbeanOutcome
  HandInfo player;
  std::uint8_t reserved204[8];
  HandInfo dealer;
  std::uint8_t reserved296[8];
  std::int32_t playerSuits[kHandCards];
  std::int32_t playerValues[kHandCards];  // ascending once analysed
  std::int32_t dealerSuits[kHandCards];
  std::int32_t dealerValues[kHandCards];  // ascending once analysed
  std::int32_t scratchCard;
  std::int32_t dealerNotQualified;
  std::int32_t decided;
  std::int32_t comparison;       // the CompareHands result
  std::int32_t kicker;           // the last CompareKickers answer
  std::uint8_t reserved404[4];
};

inline constexpr std::size_t kCaribbeanServerRecordSize = 408;

static_assert(std::endian::native == std::endian::little, "the stored record is little-endian");
static_assert(sizeof(CaribbeanServerRecord) == kCaribbeanServerRecordSize);
static_assert(offsetof(CaribbeanServerRecord, gameCode) == 0);
static_assert(offsetof(CaribbeanServerRecord, state) == 16);
static_assert(offsetof(CaribbeanServerRecord, reserved20) == 20);
static_assert(offsetof(CaribbeanServerRecord, callBet) == 24);
static_assert(offsetof(CaribbeanServerRecord, minAnte) == 32);
static_assert(offsetof(CaribbeanServerRecord, maxAnte) == 40);
static_assert(offsetof(CaribbeanServerRecord, ante) == 48);
static_assert(offsetof(CaribbeanServerRecord, win) == 56);
static_assert(offsetof(CaribbeanServerRecord, money) == 64);
static_assert(offsetof(CaribbeanServerRecord, cards) == 72);
static_assert(offsetof(CaribbeanServerRecord, reserved112) == 112);
static_assert(offsetof(CaribbeanServerRecord, outcome) == 116);
static_assert(offsetof(CaribbeanServerRecord, player) == 120);
static_assert(offsetof(CaribbeanServerRecord, reserved204) == 204);
static_assert(offsetof(CaribbeanServerRecord, dealer) == 212);
static_assert(offsetof(CaribbeanServerRecord, reserved296) == 296);
static_assert(offsetof(CaribbeanServerRecord, playerSuits) == 304);
static_assert(offsetof(CaribbeanServerRecord, playerValues) == 324);
static_assert(offsetof(CaribbeanServerRecord, dealerSuits) == 344);
static_assert(offsetof(CaribbeanServerRecord, dealerValues) == 364);
static_assert(offsetof(CaribbeanServerRecord, scratchCard) == 384);
static_assert(offsetof(CaribbeanServerRecord, dealerNotQualified) == 388);
static_assert(offsetof(CaribbeanServerRecord, decided) == 392);
static_assert(offsetof(CaribbeanServerRecord, comparison) == 396);
static_assert(offsetof(CaribbeanServerRecord, kicker) == 400);
static_assert(offsetof(CaribbeanServerRecord, reserved404) == 404);

}  // namespace gz
