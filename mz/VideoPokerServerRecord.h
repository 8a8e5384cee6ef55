// The Video Poker server's record. The main client saves it whole under
// "MZDATA" and a restore reads it back, so its layout is a stored format:
// little-endian, doubles IEEE 64-bit, every offset fixed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "hx/CardList.h"
#include "mz/HandCard.h"

namespace mz {

// The game code, and with "DATA" the key of the saved record.
inline constexpr char kVideoPokerGameCode[] = "MZ";

struct VideoPokerServerRecord {
  char gameCode[16];                 // zero-terminated, "MZ"
  HandCard hand[kHandCards];
  std::int32_t sortScratch[kHandCards];  // hand indexes by value, rebuilt by every evaluation
  hx::CardList deck;                 // dealt from the top
  std::uint8_t reserved516[4];
  double betAmount;                  // the stake pending from the first deal to its settlement
  double money;                      // the balance as last read (CLIENTINIT, final deal)
  double coinValue;                  // 0.25, 1 or 5, set at the first deal
  std::int32_t state;                // GameServerRun's state
  std::uint8_t reserved548[4];
};

inline constexpr std::size_t kVideoPokerServerRecordSize = 552;

static_assert(std::endian::native == std::endian::little, "the stored record is little-endian");
static_assert(sizeof(double) == 8);
static_assert(sizeof(HandCard) == 12);
static_assert(sizeof(VideoPokerServerRecord) == kVideoPokerServerRecordSize);
static_assert(offsetof(VideoPokerServerRecord, gameCode) == 0);
static_assert(offsetof(VideoPokerServerRecord, hand) == 16);
static_assert(offsetof(VideoPokerServerRecord, sortScratch) == 76);
static_assert(offsetof(VideoPokerServerRecord, deck) == 96);
static_assert(offsetof(VideoPokerServerRecord, reserved516) == 516);
static_assert(offsetof(VideoPokerServerRecord, betAmount) == 520);
static_assert(offsetof(VideoPokerServerRecord, money) == 528);
static_assert(offsetof(VideoPokerServerRecord, coinValue) == 536);
static_assert(offsetof(VideoPokerServerRecord, state) == 544);
static_assert(offsetof(VideoPokerServerRecord, reserved548) == 548);

}  // namespace mz
