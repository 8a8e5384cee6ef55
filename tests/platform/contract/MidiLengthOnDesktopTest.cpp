// The playing time of MIDI files, worked out by hand from ticks and tempo
// (the desktop device reads it; the headless one is told it).
#include <gtest/gtest.h>

#include <vector>

#include "platform/desktop/MidiFile.h"

using plat::desktop::MidiLengthMs;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Header(int format, int tracks, int division) {
  return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, static_cast<std::uint8_t>(format), 0,
          static_cast<std::uint8_t>(tracks), static_cast<std::uint8_t>(division >> 8),
          static_cast<std::uint8_t>(division & 0xFF)};
}

void AddTrack(Bytes* file, const Bytes& events) {
  const std::size_t n = events.size();
  file->insert(file->end(), {'M', 'T', 'r', 'k', static_cast<std::uint8_t>(n >> 24),
                             static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 8),
                             static_cast<std::uint8_t>(n)});
  file->insert(file->end(), events.begin(), events.end());
}

std::uint32_t Length(const Bytes& file) {
  std::uint32_t ms = 0;
  EXPECT_TRUE(MidiLengthMs(file.data(), file.size(), &ms));
  return ms;
}

constexpr std::uint8_t kEnd[] = {0xFF, 0x2F, 0x00};

TEST(MidiLengthOnDesktop, QuarterNotesAtTheDefaultTempo) {
  // 960 ticks at 480 a quarter and 120 quarters a minute: one second.
  Bytes f = Header(0, 1, 480);
  AddTrack(&f, {0x00, 0x90, 60, 100, 0x87, 0x40, 0x80, 60, 0, 0x00, kEnd[0], kEnd[1], kEnd[2]});
  EXPECT_EQ(Length(f), 1000u);
}

TEST(MidiLengthOnDesktop, TempoChangesApplyFromTheirTick) {
  // 480 ticks at 500000 us, then 480 ticks at 1000000 us: 0.5 s + 1 s.
  Bytes f = Header(1, 2, 480);
  AddTrack(&f, {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,   // 500000
                0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,  // at 480: 1000000
                0x00, kEnd[0], kEnd[1], kEnd[2]});
  // The notes live in the second track and end at tick 960.
  AddTrack(&f, {0x00, 0x90, 60, 100, 0x87, 0x40, 60, 0,  // running status, velocity 0
                0x00, kEnd[0], kEnd[1], kEnd[2]});
  EXPECT_EQ(Length(f), 1500u);
}

TEST(MidiLengthOnDesktop, SystemExclusiveAndOtherMetaEventsAreSkipped) {
  Bytes f = Header(0, 1, 96);
  AddTrack(&f, {0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7,               // system exclusive
                0x00, 0xFF, 0x03, 0x04, 'S', 'o', 'n', 'g',       // a track name
                0x00, 0xC0, 0x05,                                  // one data byte
                0x60, 0xD0, 0x40,                                  // after 96 ticks
                0x60, kEnd[0], kEnd[1], kEnd[2]});                 // after 96 more
  EXPECT_EQ(Length(f), 1000u);  // 192 ticks at 96 a quarter, 120 a minute
}

TEST(MidiLengthOnDesktop, SmpteTimeIgnoresTempo) {
  // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
  Bytes f = Header(0, 1, 0xE728);
  AddTrack(&f, {0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x8F, 0x50, kEnd[0], kEnd[1], kEnd[2]});
  EXPECT_EQ(Length(f), 2000u);  // 0x8F 0x50 = 15 * 128 + 80 = 2000 ticks
}

TEST(MidiLengthOnDesktop, BrokenFilesAreRefused) {
  std::uint32_t ms = 0;
  Bytes good = Header(0, 1, 480);
  AddTrack(&good, {0x00, 0x90, 60, 100, 0x00, kEnd[0], kEnd[1], kEnd[2]});
  ASSERT_TRUE(MidiLengthMs(good.data(), good.size(), &ms));
  for (std::size_t cut = 0; cut < good.size() - 3; ++cut) {
    EXPECT_FALSE(MidiLengthMs(good.data(), cut, &ms)) << "cut at " << cut;
  }
  Bytes noStatus = Header(0, 1, 480);
  AddTrack(&noStatus, {0x00, 60, 100, 0x00, kEnd[0], kEnd[1], kEnd[2]});
  EXPECT_FALSE(MidiLengthMs(noStatus.data(), noStatus.size(), &ms));
  Bytes longQuantity = Header(0, 1, 480);
  AddTrack(&longQuantity, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, kEnd[0], kEnd[1], kEnd[2]});
  EXPECT_FALSE(MidiLengthMs(longQuantity.data(), longQuantity.size(), &ms));
  Bytes noTracks = Header(0, 0, 480);
  EXPECT_FALSE(MidiLengthMs(noTracks.data(), noTracks.size(), &ms));
  Bytes riff = {'R', 'I', 'F', 'F', 0, 0, 0, 0};
  EXPECT_FALSE(MidiLengthMs(riff.data(), riff.size(), &ms));
  EXPECT_FALSE(MidiLengthMs(nullptr, 0, &ms));
}

}  // namespace
