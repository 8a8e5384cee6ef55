#include "mainclient/PacketQueue.h"

int CPacketQueue::Push(const void* data, std::size_t size) {
  if (packets_.size() >= kMaxQueuedPackets || bytes_ + size > kMaxQueuedBytes) return 0;
  const auto* p = static_cast<const std::uint8_t*>(data);
  packets_.emplace_back(p, p + size);
  bytes_ += size;
  return 1;
}

void CPacketQueue::Pop() {
  bytes_ -= packets_.front().size();
  packets_.pop_front();
}

void CPacketQueue::Clear() {
  packets_.clear();
  bytes_ = 0;
}
