// A MIDI piece rendered whole to a WAV image: the format the mixer reads,
// as long as the piece plays, audible, and refused when it cannot be made.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/desktop/MidiFile.h"
#include "tests/support/SoundFiles.h"

using plat::desktop::MidiLengthMs;
using plat::desktop::RenderMidiToWav;

namespace {

constexpr char kFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kRate = 22050;

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Read16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

class MidiRenderOnDesktop : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kFont)) GTEST_SKIP() << "needs the GM sound font " << kFont;
  }
  std::atomic<bool> running{false};
};

TEST_F(MidiRenderOnDesktop, APieceBecomesAWaveAsLongAsItPlays) {
  // Three quarter notes at 120 bpm: 1.5 s.
  const auto midi = test_sound::MakeMidi({60, 64, 67}, 480, 0);
  std::uint32_t ms = 0;
  ASSERT_TRUE(MidiLengthMs(midi.data(), midi.size(), &ms));
  ASSERT_EQ(ms, 1500u);
  std::vector<std::uint8_t> wav;
  ASSERT_TRUE(RenderMidiToWav(midi, kFont, kRate, running, &wav));
  ASSERT_GT(wav.size(), 44u);
  EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
  EXPECT_EQ(Read32(wav, 4), wav.size() - 8);
  EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
  EXPECT_EQ(Read16(wav, 20), 1);  // PCM
  EXPECT_EQ(Read16(wav, 22), 2);  // stereo
  EXPECT_EQ(Read32(wav, 24), static_cast<std::uint32_t>(kRate));
  EXPECT_EQ(Read32(wav, 28), static_cast<std::uint32_t>(kRate * 4));
  EXPECT_EQ(Read16(wav, 32), 4);
  EXPECT_EQ(Read16(wav, 34), 16);
  EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
  const std::uint32_t data = Read32(wav, 40);
  ASSERT_EQ(data, wav.size() - 44);
  // The piece's time to within a rendering block (1024 frames) and the
  // synthesiser's own scheduling steps.
  const double seconds = data / 4.0 / kRate;
  EXPECT_NEAR(seconds, 1.5, 0.1);
  int loudest = 0;
  for (std::size_t i = 44; i + 1 < wav.size(); i += 2) {
    loudest = std::max(loudest, std::abs(static_cast<std::int16_t>(Read16(wav, i))));
  }
  EXPECT_GT(loudest, 1000) << "the notes are heard";
}

TEST_F(MidiRenderOnDesktop, WhatCannotBeRenderedIsRefused) {
  const auto midi = test_sound::MakeMidi({60}, 480, 0);
  std::vector<std::uint8_t> wav;
  EXPECT_FALSE(RenderMidiToWav(midi, "/nonexistent/font.sf2", kRate, running, &wav));
  EXPECT_FALSE(RenderMidiToWav({'n', 'o', 't', ' ', 'm', 'i', 'd', 'i'}, kFont, kRate, running, &wav));
  std::atomic<bool> cancelled{true};
  EXPECT_FALSE(RenderMidiToWav(midi, kFont, kRate, cancelled, &wav));
  // A list with one font that loads is enough.
  EXPECT_TRUE(RenderMidiToWav(midi, std::string("/nonexistent/font.sf2;") + kFont, kRate, running, &wav));
}

}  // namespace
