// Packets waiting for their receiver, first in first out. Bounded, so a
// receiver that never takes anything cannot make the main client grow
// without end: when full, new packets are refused and their senders keep
// them and try again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

inline constexpr std::size_t kMaxQueuedPackets = 256;
inline constexpr std::size_t kMaxQueuedBytes = 8u << 20;

class CPacketQueue {
 public:
  // Appends a copy of size bytes. 0, taking nothing, when the queue is full.
  int Push(const void* data, std::size_t size);
  int Empty() const { return packets_.empty() ? 1 : 0; }
  std::size_t Count() const { return packets_.size(); }
  // The oldest packet; only when not empty.
  const std::vector<std::uint8_t>& Front() const { return packets_.front(); }
  void Pop();
  void Clear();

 private:
  std::deque<std::vector<std::uint8_t>> packets_;
  std::size_t bytes_ = 0;
};
