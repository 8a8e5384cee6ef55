#include "artwork/MidiFile.h"

#include <algorithm>

#include "artwork/FileBytes.h"

namespace artwork {

namespace {

void PutVarLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t bytes[5];
  int n = 0;
  do {
    bytes[n++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (n > 1) out.push_back(static_cast<std::uint8_t>(bytes[--n] | 0x80));
  out.push_back(bytes[0]);
}

bool HasTwoDataBytes(std::uint8_t status) {
  const std::uint8_t kind = status & 0xF0;
  return kind != 0xC0 && kind != 0xD0;
}

}  // namespace

std::vector<std::uint8_t> EncodeMidiFile(std::vector<MidiEvent> events, int division,
                                         std::uint32_t microsecondsPerQuarter) {
  std::stable_sort(events.begin(), events.end(),
                   [](const MidiEvent& a, const MidiEvent& b) { return a.tick < b.tick; });
  std::vector<std::uint8_t> track;
  PutVarLength(track, 0);
  track.insert(track.end(), {0xFF, 0x51, 0x03});
  track.push_back(static_cast<std::uint8_t>(microsecondsPerQuarter >> 16));
  track.push_back(static_cast<std::uint8_t>(microsecondsPerQuarter >> 8));
  track.push_back(static_cast<std::uint8_t>(microsecondsPerQuarter));
  std::uint32_t now = 0;
  for (const MidiEvent& e : events) {
    PutVarLength(track, e.tick - now);
    now = e.tick;
    track.push_back(e.status);
    track.push_back(e.data1 & 0x7F);
    if (HasTwoDataBytes(e.status)) track.push_back(e.data2 & 0x7F);
  }
  PutVarLength(track, 1);
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> out;
  out.insert(out.end(), {'M', 'T', 'h', 'd'});
  PutBe32(out, 6);
  PutBe16(out, 0);
  PutBe16(out, 1);
  PutBe16(out, static_cast<std::uint32_t>(division));
  out.insert(out.end(), {'M', 'T', 'r', 'k'});
  PutBe32(out, static_cast<std::uint32_t>(track.size()));
  out.insert(out.end(), track.begin(), track.end());
  return out;
}

}  // namespace artwork
