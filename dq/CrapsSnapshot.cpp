#include "dq/CrapsSnapshot.h"

#include <cstdio>
#include <cstring>

#include "platform/include/plat/system.h"

namespace dq {

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
  loaded.state = record->state;
  loaded.errorTextSlot = record->errorTextSlot;
  loaded.heapTextSlot = record->heapTextSlot;
  *record = loaded;
  return 1;
}

}  // namespace dq
