#include "platform/desktop/MidiFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace plat::desktop {
namespace {

// A cursor that never reads past the end of its bytes.
struct CReader {
  const std::uint8_t* at;
  const std::uint8_t* end;

  std::size_t Left() const { return static_cast<std::size_t>(end - at); }
  bool Skip(std::size_t n) {
    if (n > Left()) return false;
    at += n;
    return true;
  }
  bool BigEndian(std::size_t bytes, std::uint32_t* out) {
    if (bytes > Left()) return false;
    *out = 0;
    for (std::size_t i = 0; i < bytes; ++i) *out = (*out << 8) | *at++;
    return true;
  }
  // A variable-length quantity: at most four bytes of seven bits.
  bool Quantity(std::uint32_t* out) {
    *out = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
      const std::uint8_t b = *at++;
      *out = (*out << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }
  bool Tag(const char* four) {
    if (Left() < 4 || std::memcmp(at, four, 4) != 0) return false;
    at += 4;
    return true;
  }
};

// tempos: tick -> microseconds per quarter note (the last change at a tick wins).
bool ReadTrack(CReader track, std::map<std::uint64_t, std::uint32_t>* tempos, std::uint64_t* endTick) {
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  while (track.Left() > 0) {
    std::uint32_t delta;
    if (!track.Quantity(&delta) || track.Left() == 0) return false;
    tick += delta;
    std::uint8_t status = *track.at;
    if (status & 0x80) {
      ++track.at;
    } else if (running) {
      status = running;
    } else {
      return false;  // data byte without a status
    }
    if (status < 0xF0) {
      running = status;
      const int kind = status >> 4;
      if (!track.Skip(kind == 0xC || kind == 0xD ? 1 : 2)) return false;
      continue;
    }
    running = 0;
    // System exclusive (type 0) or a meta event: a length and a body.
    std::uint32_t type = 0, length;
    if ((status != 0xF0 && status != 0xF7 && status != 0xFF) || (status == 0xFF && !track.BigEndian(1, &type)) ||
        !track.Quantity(&length) || length > track.Left()) {
      return false;
    }
    const std::uint8_t* body = track.at;
    track.at += length;
    if (type == 0x51 && length == 3) (*tempos)[tick] = (std::uint32_t{body[0]} << 16) | (body[1] << 8) | body[2];
    if (type == 0x2F) break;
  }
  *endTick = tick;
  return true;
}

}  // namespace

bool MidiLengthMs(const std::uint8_t* data, std::size_t size, std::uint32_t* lengthMs) {
  if (!data || !lengthMs) return false;
  CReader file{data, data + size};
  std::uint32_t headerLength, format, tracks, division;
  if (!file.Tag("MThd") || !file.BigEndian(4, &headerLength) || headerLength < 6 || !file.BigEndian(2, &format) ||
      !file.BigEndian(2, &tracks) || !file.BigEndian(2, &division) || !file.Skip(headerLength - 6) ||
      format > 2 || tracks == 0 || division == 0) {
    return false;
  }
  std::map<std::uint64_t, std::uint32_t> tempos;
  std::uint64_t lastTick = 0;
  std::uint32_t found = 0;
  while (found < tracks && file.Left() > 0) {
    const bool isTrack = file.Tag("MTrk");
    std::uint32_t length;
    // An unknown chunk is skipped.
    if ((!isTrack && !file.Skip(4)) || !file.BigEndian(4, &length) || length > file.Left()) return false;
    if (isTrack) {
      std::uint64_t end = 0;
      if (!ReadTrack(CReader{file.at, file.at + length}, &tempos, &end)) return false;
      lastTick = std::max(lastTick, end);
      ++found;
    }
    file.at += length;
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
