// PlayGameSound: the two switches, memory or name, and the stop.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/sound/GameSound.h"
#include "framework/sound/SoundSwitches.h"
#include "tests/framework/sound/SoundTestFiles.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/sound.h"

namespace {

using plat::headless::SoundRecord;

class GameSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    wave = soundtest::TempPath("dq_Dice.wav");
    soundtest::WriteBytes(wave, soundtest::SmallWave(20));
    Install(2);
    plat::headless::ClearSounds();
  }
  void TearDown() override { SetSoundSwitches({nullptr, nullptr, 2}); }
  void Install(plat::DWORD platformId) { SetSoundSwitches({&effects, &voice, platformId}); }

  // The wave records, leaving out the cache's purges.
  std::vector<SoundRecord> Played() const {
    std::vector<SoundRecord> played;
    for (const SoundRecord& s : plat::headless::Sounds()) {
      if (s.kind == SoundRecord::WAVE) played.push_back(s);
    }
    return played;
  }

  std::uint16_t effects = 1;
  std::uint16_t voice = 1;
  std::string wave;
};

constexpr plat::DWORD kAsyncMemory = plat::SND_MEMORY | plat::SND_ASYNC | plat::SND_NODEFAULT;

}  // namespace

TEST_F(GameSoundTest, EffectsSwitchGatesEffectsOnly) {
  effects = 0;
  PlayGameSound(wave.c_str(), 0, kSoundEffect);
  EXPECT_TRUE(plat::headless::Sounds().empty());
  PlayGameSound(wave.c_str(), 0, kSoundVoice);
  EXPECT_EQ(Played().size(), 1u);
}

TEST_F(GameSoundTest, VoiceSwitchGatesVoicesOnly) {
  voice = 0;
  PlayGameSound(wave.c_str(), 0, kSoundVoice);
  EXPECT_TRUE(plat::headless::Sounds().empty());
  PlayGameSound(wave.c_str(), 0, kSoundEffect);
  EXPECT_EQ(Played().size(), 1u);
}

TEST_F(GameSoundTest, OtherKindsPlayWithBothSwitchesOff) {
  effects = 0;
  voice = 0;
  PlayGameSound(wave.c_str(), 0, kSoundAlways);
  PlayGameSound(wave.c_str(), 0, 7);
  EXPECT_EQ(Played().size(), 2u);
}

TEST_F(GameSoundTest, CachedSoundPlaysFromMemory) {
  PlayGameSound(wave.c_str(), 0, kSoundEffect);
  PlayGameSound(wave.c_str(), 1, kSoundEffect);
  const std::vector<SoundRecord> played = Played();
  ASSERT_EQ(played.size(), 2u);
  EXPECT_EQ(played[0].name, "<memory>");
  EXPECT_EQ(played[0].flags, kAsyncMemory);
  EXPECT_EQ(played[0].bytes, 44u + 20u);
  EXPECT_EQ(played[1].flags, plat::SND_MEMORY | plat::SND_SYNC | plat::SND_NODEFAULT);
  EXPECT_NE(GameWaveCache().Find(wave.c_str()), -1);
}

// A looping sound is asked for asynchronously with the loop flag, from the
// cache or by name, and a null name stops it.
TEST_F(GameSoundTest, LoopingSoundRepeatsUntilStopped) {
  PlayGameSound(wave.c_str(), kSoundLoop, kSoundEffect);
  Install(0);
  PlayGameSound(wave.c_str(), kSoundLoop, kSoundEffect);
  PlayGameSound(nullptr, 0, kSoundEffect);
  const std::vector<SoundRecord> played = Played();
  ASSERT_EQ(played.size(), 3u);  // the two loops and the silent file
  EXPECT_EQ(played[0].name, "<memory>");
  EXPECT_EQ(played[0].flags, plat::SND_MEMORY | plat::SND_ASYNC | plat::SND_LOOP | plat::SND_NODEFAULT);
  EXPECT_EQ(played[1].flags, plat::SND_FILENAME | plat::SND_ASYNC | plat::SND_LOOP | plat::SND_NODEFAULT);
  EXPECT_EQ(plat::headless::Sounds().back().kind, SoundRecord::WAVE_STOP);
}

TEST_F(GameSoundTest, SoundTheCacheCannotHoldPlaysByName) {
  const std::string missing = soundtest::TempPath("missing.wav");
  PlayGameSound(missing.c_str(), 0, kSoundEffect);
  const std::string longName = soundtest::TempPath(std::string(140, 'x') + ".wav");
  PlayGameSound(longName.c_str(), 1, kSoundEffect);
  const std::vector<SoundRecord> played = Played();
  ASSERT_EQ(played.size(), 2u);
  EXPECT_NE(played[0].name.find("missing.wav"), std::string::npos);
  EXPECT_EQ(played[0].flags, plat::SND_FILENAME | plat::SND_ASYNC | plat::SND_NODEFAULT);
  EXPECT_NE(played[1].name.find(std::string(140, 'x')), std::string::npos);
  EXPECT_EQ(played[1].flags, plat::SND_FILENAME | plat::SND_SYNC | plat::SND_NODEFAULT);
}

TEST_F(GameSoundTest, PlatformZeroPlaysByNameWithoutTheCache) {
  Install(0);
  const std::string other = soundtest::TempPath("c_Chips.wav");
  soundtest::WriteBytes(other, soundtest::SmallWave(5));
  PlayGameSound(other.c_str(), 0, kSoundEffect);
  PlayGameSound(other.c_str(), 1, kSoundEffect);
  const auto& sounds = plat::headless::Sounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_EQ(sounds[0].kind, SoundRecord::WAVE);
  EXPECT_EQ(sounds[0].flags, plat::SND_FILENAME | plat::SND_ASYNC | plat::SND_NODEFAULT);
  EXPECT_EQ(sounds[1].flags, plat::SND_FILENAME | plat::SND_SYNC | plat::SND_NODEFAULT);
  EXPECT_EQ(GameWaveCache().Find(other.c_str()), -1);
}

TEST_F(GameSoundTest, NullNamePlaysTheSilentFileThenPurges) {
  PlayGameSound(nullptr, 0, kSoundAlways);
  const auto& sounds = plat::headless::Sounds();
  ASSERT_EQ(sounds.size(), 2u);
  EXPECT_EQ(sounds[0].kind, SoundRecord::WAVE);
  EXPECT_NE(sounds[0].name.find("c_dmy.wav"), std::string::npos);
  EXPECT_EQ(sounds[0].flags, plat::SND_FILENAME | plat::SND_SYNC | plat::SND_NODEFAULT);
  EXPECT_EQ(sounds[1].kind, SoundRecord::WAVE_STOP);
}
