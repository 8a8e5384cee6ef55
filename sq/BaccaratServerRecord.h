// The Baccarat server's record. The main client saves it whole under
// "SQDATA" and a restore reads it back, so its layout is a stored format:
// little-endian, every offset fixed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace sq {

// The coup's six cards in slot order: the Player's two, the Banker's two,
// then each side's third card.
enum CoupSlot : int {
  kPlayerFirst = 0,
  kPlayerSecond = 1,
  kBankerFirst = 2,
  kBankerSecond = 3,
  kPlayerThird = 4,
  kBankerThird = 5,
  kCoupCards = 6,
};

// GameServerRun's states are 0..kBaccaratServerStates - 1.
inline constexpr int kBaccaratServerStates = 21;

// In a third-card slot: the card set aside for it was not drawn.
inline constexpr std::int32_t kNotDrawn = 100;

// BaccaratResult.
enum BaccaratResult : int {
  kPlayerStakeWon = 0,
  kBankerStakeWon = 1,
  kTieStakeWon = 2,
  kNoStakeWon = 3,  // a tie without a Tie stake, or a side won that nobody backed
};

enum CoupWinner : int {
  kPlayerWins = 0,
  kBankerWins = 1,
  kTie = 2,
};

struct BaccaratServerRecord {
  char gameCode[16];                // zero-terminated, "SQ"
  std::int32_t state;               // 0..20 of GameServerRun
  std::uint8_t reserved20[12];      // always zero
  double minBet;                    // "minBetBaccarat"
  double maxBet;                    // "maxBetBaccarat"
  double maxTable;                  // "maxTableBaccarat"
  double win;                       // the coup's win as reported
  double money;                     // the balance as this server last knew it
  double betPlayer;
  double betBanker;
  double betTie;
  std::int32_t points[kCoupCards];  // ranks once dealt, point values 0..9 after the coup
  std::int32_t cards[kCoupCards];   // ids 0..51; kNotDrawn in a third-card slot
  std::int32_t result;              // BaccaratResult
  std::int32_t winner;              // CoupWinner
  std::int32_t playerTotal;         // 0..9
  std::int32_t bankerTotal;         // 0..9
};

inline constexpr std::size_t kBaccaratServerRecordSize = 160;

static_assert(std::endian::native == std::endian::little, "the stored record is little-endian");
static_assert(sizeof(BaccaratServerRecord) == kBaccaratServerRecordSize);
static_assert(offsetof(BaccaratServerRecord, gameCode) == 0);
static_assert(offsetof(BaccaratServerRecord, state) == 16);
static_assert(offsetof(BaccaratServerRecord, reserved20) == 20);
static_assert(offsetof(BaccaratServerRecord, minBet) == 32);
static_assert(offsetof(BaccaratServerRecord, maxBet) == 40);
static_assert(offsetof(BaccaratServerRecord, maxTable) == 48);
static_assert(offsetof(BaccaratServerRecord, win) == 56);
static_assert(offsetof(BaccaratServerRecord, money) == 64);
static_assert(offsetof(BaccaratServerRecord, betPlayer) == 72);
static_assert(offsetof(BaccaratServerRecord, betBanker) == 80);
static_assert(offsetof(BaccaratServerRecord, betTie) == 88);
static_assert(offsetof(BaccaratServerRecord, points) == 96);
static_assert(offsetof(BaccaratServerRecord, cards) == 120);
static_assert(offsetof(BaccaratServerRecord, result) == 144);
static_assert(offsetof(BaccaratServerRecord, winner) == 148);
static_assert(offsetof(BaccaratServerRecord, playerTotal) == 152);
static_assert(offsetof(BaccaratServerRecord, bankerTotal) == 156);

}  // namespace sq
