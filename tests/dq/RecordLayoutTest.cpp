// The server record is a stored format: its fields sit at fixed byte
// offsets, little-endian, whatever the compiler's layout would be.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "dq/CrapsServerRecord.h"

namespace dq {
namespace {

static_assert(sizeof(CrapsServerRecord) == 1072);
static_assert(offsetof(CrapsServerRecord, results) == 664);
static_assert(offsetof(CrapsServerRecord, dontComePoints) == 1020);

std::uint32_t WordAt(const CrapsServerRecord& r, std::size_t offset) {
  unsigned char bytes[sizeof(r)];
  std::memcpy(bytes, &r, sizeof(r));
  return static_cast<std::uint32_t>(bytes[offset]) | bytes[offset + 1] << 8 |
         bytes[offset + 2] << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

TEST(ServerRecordLayout, FieldsSitAtTheirStoredOffsets) {
  CrapsServerRecord r{};
  r.state = 0x11223344;
  r.dice[1] = 0x0A0B0C0D;
  r.bets[0] = 1.0f;            // 0x3F800000
  r.previousBets[69] = 2.0f;   // 0x40000000
  r.results[66] = -2.0f;       // 0xC0000000
  r.comeOut = 0x01020304;
  r.workingHardways = 0x05060708;
  r.point = 10;
  r.comePoints[11] = 0x7F;
  r.dontComePoints[0] = 0x55;
  EXPECT_EQ(WordAt(r, 0), 0x11223344u);
  EXPECT_EQ(WordAt(r, 92), 0x0A0B0C0Du);
  EXPECT_EQ(WordAt(r, 104), 0x3F800000u);
  EXPECT_EQ(WordAt(r, 384 + 69 * 4), 0x40000000u);
  EXPECT_EQ(WordAt(r, 664 + 66 * 4), 0xC0000000u);
  EXPECT_EQ(WordAt(r, 944), 0x01020304u);
  EXPECT_EQ(WordAt(r, 964), 0x05060708u);
  EXPECT_EQ(WordAt(r, 968), 10u);
  EXPECT_EQ(WordAt(r, 972 + 11 * 4), 0x7Fu);
  EXPECT_EQ(WordAt(r, 1020), 0x55u);
}

TEST(ServerRecordLayout, TheLimitsAreDoublesInTheirStoredOrder) {
  CrapsServerRecord r{};
  r.minBet = 1;
  r.maxBet = 2;
  r.minBetProp = 3;
  r.maxTable = 4;
  r.maxOdds = 5;
  r.balance = 6;
  unsigned char bytes[sizeof(r)];
  std::memcpy(bytes, &r, sizeof(r));
  const std::size_t offsets[] = {24, 32, 40, 48, 56, 80};
  for (int i = 0; i < 6; ++i) {
    double value = 0;
    std::memcpy(&value, bytes + offsets[i], sizeof(value));
    EXPECT_EQ(value, i + 1.0) << offsets[i];
  }
}

}  // namespace
}  // namespace dq
