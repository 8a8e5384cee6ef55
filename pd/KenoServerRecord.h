// The Keno server's record. The main client saves it whole under "PDDATA"
// and a restore reads it back, so its layout is a stored format:
// little-endian, every offset fixed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace pd {

inline constexpr int kKenoPickSlots = 10;
inline constexpr int kKenoDrawn = 20;
inline constexpr int kKenoNumbers = 80;  // the board: 1..80
inline constexpr int kKenoServerStates = 17;

struct KenoServerRecord {
  std::int32_t state;                  // 0..16 of GameServerRun
  char gameCode[16];                   // zero-terminated, "PD"
  std::int32_t picks[kKenoPickSlots];  // 0: an empty slot
  std::int32_t count;                  // numbers picked
  std::int32_t stake;                  // whole dollars: 1, 5 or 10
  std::int32_t winFlag;                // 1 when the return is not 0
  std::int32_t drawn[kKenoDrawn];      // in drawing order
  std::uint8_t reserved152[24];
  double money;                        // the balance read at BEGINPLAY
};

inline constexpr std::size_t kKenoServerRecordSize = 184;

static_assert(std::endian::native == std::endian::little, "the stored record is little-endian");
static_assert(sizeof(KenoServerRecord) == kKenoServerRecordSize);
static_assert(offsetof(KenoServerRecord, state) == 0);
static_assert(offsetof(KenoServerRecord, gameCode) == 4);
static_assert(offsetof(KenoServerRecord, picks) == 20);
static_assert(offsetof(KenoServerRecord, count) == 60);
static_assert(offsetof(KenoServerRecord, stake) == 64);
static_assert(offsetof(KenoServerRecord, winFlag) == 68);
static_assert(offsetof(KenoServerRecord, drawn) == 72);
static_assert(offsetof(KenoServerRecord, reserved152) == 152);
static_assert(offsetof(KenoServerRecord, money) == 176);

}  // namespace pd
