#include "dq/CrapsSnapshot.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "dq/RoundValues.h"
#include "dq/TableRules.h"
#include "platform/include/plat/system.h"

namespace dq {
namespace {

// The values a saved round can hold in the fields the client goes on from
// after a restore; anything else comes from a damaged or altered file.
bool HoldsPlayableRound(const CrapsClientRecord& r) {
  const std::int32_t flags[] = {r.autoPress,   r.quitAnswer,      r.comeOut,         r.previousComeOut,
                                r.diceResting, r.workingBuy,      r.workingPlace,    r.workingComeOdds,
                                r.workingHardways, r.rollRequest, r.quitRequest};
  if (AreRoundFlags(flags, static_cast<int>(std::size(flags))) == 0) return false;
  if (AreRoundDiceAndComePoints(r) == 0) return false;
  if (IsPoint(r.point) == 0 || IsPoint(r.previousPoint) == 0) return false;
  const bool chipShown = r.selectedChip >= 0 && r.selectedChip < kChipCount;
  if (!chipShown && r.selectedChip != kNoChip) return false;
  // A record not yet through CLIENTINIT holds no chip value at all.
  if (r.chipValue != 0 && r.chipValue != ChipValue(r.selectedChip)) return false;
  if (r.negativeChipValue != -r.chipValue) return false;
  // Chips are whole dollars; a roll's results and the shown snapshot need not be.
  if (AreRoundStakes(r.bets, 1) == 0 || AreRoundStakes(r.betSnapshot, 0) == 0) return false;
  if (AreRoundResults(r.results) == 0) return false;
  const double amounts[] = {r.won, r.lost, r.tableTotal};
  for (double amount : amounts) {
    if (IsRoundAmount(amount, -kMaxRoundAmount) == 0) return false;
  }
  const double limits[] = {r.neverSet, r.minBetCopy, r.minBet,   r.maxBet,
                           r.maxTable, r.maxOdds,    r.minBetProp};
  for (double limit : limits) {
    if (IsRoundAmount(limit, 0.0) == 0) return false;
  }
  return true;
}

}  // namespace

std::uint8_t SnapshotStoreByte(std::uint8_t plain) {
  const std::uint8_t rotated = static_cast<std::uint8_t>((plain << 5) | (plain >> 3));
  return static_cast<std::uint8_t>(~rotated);
}

std::uint8_t SnapshotLoadByte(std::uint8_t stored) {
  const std::uint8_t v = static_cast<std::uint8_t>(~stored);
  return static_cast<std::uint8_t>((v >> 5) | (v << 3));
}

int SaveClientSnapshot(const CrapsClientRecord* record) {
  std::uint8_t bytes[sizeof(CrapsClientRecord)];
  std::memcpy(bytes, record, sizeof bytes);
  for (std::uint8_t& b : bytes) b = SnapshotStoreByte(b);
  std::FILE* file = plat::OpenFile(kSnapshotFileName, "wb+");
  if (file == nullptr) return 0;
  const std::size_t written = std::fwrite(bytes, 1, sizeof bytes, file);
  const int closed = std::fclose(file) == 0;
  return written == sizeof bytes && closed ? 1 : 0;
}

int LoadClientSnapshot(CrapsClientRecord* record) {
  std::FILE* file = plat::OpenFile(kSnapshotFileName, "rb+");
  if (file == nullptr) return 0;
  std::uint8_t bytes[sizeof(CrapsClientRecord)];
  const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
  std::fclose(file);
  if (got != sizeof bytes) return 0;
  for (std::uint8_t& b : bytes) b = SnapshotLoadByte(b);
  CrapsClientRecord loaded;
  std::memcpy(&loaded, bytes, sizeof loaded);
  if (!HoldsPlayableRound(loaded)) return 0;
  loaded.state = record->state;
  loaded.errorTextSlot = record->errorTextSlot;
  loaded.heapTextSlot = record->heapTextSlot;
  *record = loaded;
  return 1;
}

}  // namespace dq
