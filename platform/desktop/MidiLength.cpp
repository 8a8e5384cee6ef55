#include "platform/desktop/MidiLength.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace plat::desktop {
namespace {

class CReader {
 public:
  CReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool AtEnd() const { return m_pos >= m_size; }
  std::size_t Left() const { return m_size - m_pos; }
  bool Byte(std::uint8_t* out) {
    if (m_pos >= m_size) return false;
    *out = m_data[m_pos++];
    return true;
  }
  bool Peek(std::uint8_t* out) const {
    if (m_pos >= m_size) return false;
    *out = m_data[m_pos];
    return true;
  }
  bool BigEndian(int bytes, std::uint32_t* out) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
      std::uint8_t b;
      if (!Byte(&b)) return false;
      v = (v << 8) | b;
    }
    *out = v;
    return true;
  }
  // A variable-length quantity: at most four bytes of seven bits.
  bool Quantity(std::uint32_t* out) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b;
      if (!Byte(&b)) return false;
      v = (v << 7) | (b & 0x7F);
      if (!(b & 0x80)) {
        *out = v;
        return true;
      }
    }
    return false;
  }
  bool Skip(std::size_t n) {
    if (n > Left()) return false;
    m_pos += n;
    return true;
  }
  bool Tag(const char* four) {
    if (Left() < 4 || std::memcmp(m_data + m_pos, four, 4) != 0) return false;
    m_pos += 4;
    return true;
  }
  const std::uint8_t* Here() const { return m_data + m_pos; }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

// tempos: tick -> microseconds per quarter note (the last change at a tick wins).
bool ReadTrack(CReader& track, std::map<std::uint64_t, std::uint32_t>* tempos,
               std::uint64_t* endTick) {
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  while (!track.AtEnd()) {
    std::uint32_t delta;
    if (!track.Quantity(&delta)) return false;
    tick += delta;
    std::uint8_t status;
    if (!track.Peek(&status)) return false;
    if (status & 0x80) {
      track.Byte(&status);
    } else if (running) {
      status = running;
    } else {
      return false;  // data byte without a status
    }
    if (status < 0xF0) {
      running = status;
      const int kind = status >> 4;
      const std::size_t bytes = (kind == 0xC || kind == 0xD) ? 1 : 2;
      if (!track.Skip(bytes)) return false;
      continue;
    }
    running = 0;
    if (status == 0xF0 || status == 0xF7) {
      std::uint32_t length;
      if (!track.Quantity(&length) || !track.Skip(length)) return false;
      continue;
    }
    if (status != 0xFF) return false;
    std::uint8_t type;
    std::uint32_t length;
    if (!track.Byte(&type) || !track.Quantity(&length) || length > track.Left()) return false;
    const std::uint8_t* body = track.Here();
    track.Skip(length);
    if (type == 0x51 && length == 3) {
      (*tempos)[tick] = (static_cast<std::uint32_t>(body[0]) << 16) |
                        (static_cast<std::uint32_t>(body[1]) << 8) | body[2];
    }
    if (type == 0x2F) break;
  }
  *endTick = tick;
  return true;
}

}  // namespace

bool MidiLengthMs(const std::uint8_t* data, std::size_t size, std::uint32_t* lengthMs) {
  if (!data || !lengthMs) return false;
  CReader file(data, size);
  std::uint32_t headerLength, format, tracks, division;
  if (!file.Tag("MThd") || !file.BigEndian(4, &headerLength) || headerLength < 6 ||
      !file.BigEndian(2, &format) || !file.BigEndian(2, &tracks) ||
      !file.BigEndian(2, &division) || !file.Skip(headerLength - 6)) {
    return false;
  }
  if (format > 2 || tracks == 0 || division == 0) return false;
  std::map<std::uint64_t, std::uint32_t> tempos;
  std::uint64_t lastTick = 0;
  std::uint32_t found = 0;
  while (found < tracks && !file.AtEnd()) {
    const bool isTrack = file.Tag("MTrk");
    if (!isTrack && !file.Skip(4)) return false;  // an unknown chunk is skipped
    std::uint32_t length;
    if (!file.BigEndian(4, &length) || length > file.Left()) return false;
    if (isTrack) {
      CReader track(file.Here(), length);
      std::uint64_t end = 0;
      if (!ReadTrack(track, &tempos, &end)) return false;
      lastTick = std::max(lastTick, end);
      ++found;
    }
    file.Skip(length);
  }
  if (found == 0) return false;

  double micros = 0;
  if (division & 0x8000) {
    // SMPTE time: frames per second and ticks per frame; tempo plays no part.
    const int fps = -static_cast<int>(static_cast<std::int8_t>(division >> 8));
    const int perFrame = static_cast<int>(division & 0xFF);
    if (fps <= 0 || perFrame <= 0) return false;
    micros = static_cast<double>(lastTick) * 1e6 / (fps * perFrame);
  } else {
    std::uint64_t at = 0;
    std::uint32_t tempo = 500000;  // 120 quarter notes a minute until told otherwise
    for (const auto& [tick, next] : tempos) {
      if (tick >= lastTick) break;
      micros += static_cast<double>(tick - at) * tempo / division;
      at = tick;
      tempo = next;
    }
    micros += static_cast<double>(lastTick - at) * tempo / division;
  }
  *lengthMs = static_cast<std::uint32_t>(std::lround(micros / 1000.0));
  return true;
}

}  // namespace plat::desktop
