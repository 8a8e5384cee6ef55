// CWaveCache: up to 15 wave files held in memory, so sounds play
// asynchronously from memory; the least recently used file is replaced.
#pragma once

#include <cstddef>

#include "platform/include/plat/types.h"

class CWaveCache {
 public:
  static constexpr int kSlots = 15;
  static constexpr int kNameSize = 128;  // 127 characters and the zero byte
  // Larger wave files are played by name instead.
  static constexpr long kMaxFileBytes = 16L * 1024 * 1024;

  // Every slot free.
  CWaveCache();
  // Frees every slot. Stop the playing sound first when it may come from here.
  ~CWaveCache();
  CWaveCache(const CWaveCache&) = delete;
  CWaveCache& operator=(const CWaveCache&) = delete;

  // The first free slot, or -1.
  int FindFree() const;
  // The used slot holding exactly this name (case matters), or -1.
  int Find(const char* name) const;
  // Frees the used slot used longest ago (the lowest slot on a tie).
  void EvictOldest();
  // Stops the playing sound (its image may be freed here), then answers the
  // memory image of the whole wave file, loading it when it is not held.
  // Null when the name is null or longer than 127 characters, or the file
  // cannot be read whole, is larger than kMaxFileBytes or is not a RIFF file
  // that its own size field covers; the caller then plays it by name. The
  // image stays valid until a later Load or the cache's end.
  const void* Load(const char* name);
  // Frees a slot (nothing for a number outside 0..14).
  void FreeSlot(int i);

  // For inspection: whether slot i is used, its stamp (-1 when free), its name.
  int IsUsed(int i) const { return used[i] == 1; }
  int Stamp(int i) const { return stamp[i]; }
  const char* Name(int i) const { return name[i]; }

 private:
  plat::DWORD useCounter = 0;
  int used[kSlots] = {};
  int stamp[kSlots] = {};
  char name[kSlots][kNameSize] = {};
  plat::BYTE* data[kSlots] = {};
};
