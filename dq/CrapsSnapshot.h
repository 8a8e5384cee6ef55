// The client's snapshot file ".\dqdata.dat": the whole client record, each
// byte b stored as NOT(rotate-left(b, 5)).
#pragma once

#include <cstdint>

#include "dq/CrapsClientRecord.h"

namespace dq {

inline constexpr char kSnapshotFileName[] = ".\\dqdata.dat";

// The stored byte of a record byte, and back.
std::uint8_t SnapshotStoreByte(std::uint8_t plain);
std::uint8_t SnapshotLoadByte(std::uint8_t stored);

// Writes the record whole. Answers 1 when all 1304 bytes were written, else 0.
int SaveClientSnapshot(const CrapsClientRecord* record);
// Reads the file back into the record; the live state and the two pointer
// places of the record are kept. Answers 1 when 1304 bytes were read and
// every field the client goes on from holds a value a played round can
// (flags and come points 0 or 1, dice 0..6, a point 0 or 4..10, a chip and
// its value, finite amounts within a million, whole-dollar stakes), else 0
// with the record unchanged.
int LoadClientSnapshot(CrapsClientRecord* record);

}  // namespace dq
