// CWaveCache: least-recently-used replacement over 15 slots, the purge
// before every load, and files it refuses to hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/framework/sound/SoundTestFiles.h"
#include "framework/sound/WaveCache.h"
#include "platform/include/plat/headless.h"

namespace {

class WaveCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    for (int i = 0; i < 16; ++i) {
      names.push_back(soundtest::TempPath("w" + std::to_string(i) + ".wav"));
      soundtest::WriteBytes(names.back(), soundtest::SmallWave(10 + i));
    }
  }
  const char* Name(int i) const { return names[i].c_str(); }
  int Held(const CWaveCache& cache) const {
    int held = 0;
    for (int i = 0; i < CWaveCache::kSlots; ++i) held += cache.IsUsed(i);
    return held;
  }
  std::vector<std::string> names;
};

}  // namespace

TEST_F(WaveCacheTest, SixteenthFileReplacesTheFirst) {
  CWaveCache cache;
  for (int i = 0; i < 15; ++i) ASSERT_NE(cache.Load(Name(i)), nullptr) << i;
  EXPECT_EQ(cache.FindFree(), -1);
  const int firstSlot = cache.Find(Name(0));
  ASSERT_NE(cache.Load(Name(15)), nullptr);
  EXPECT_EQ(cache.Find(Name(0)), -1);
  EXPECT_EQ(cache.Find(Name(15)), firstSlot);
  for (int i = 1; i < 15; ++i) EXPECT_NE(cache.Find(Name(i)), -1) << i;
}

TEST_F(WaveCacheTest, UsingTheFirstAgainKeepsItAndReplacesTheSecond) {
  CWaveCache cache;
  const void* first = cache.Load(Name(0));
  ASSERT_NE(first, nullptr);
  for (int i = 1; i < 15; ++i) ASSERT_NE(cache.Load(Name(i)), nullptr) << i;
  EXPECT_EQ(cache.Load(Name(0)), first);  // held: the same image, no reload
  ASSERT_NE(cache.Load(Name(15)), nullptr);
  EXPECT_NE(cache.Find(Name(0)), -1);
  EXPECT_EQ(cache.Find(Name(1)), -1);
  // The next to go is the third file, then the fourth.
  ASSERT_NE(cache.Load(Name(1)), nullptr);
  EXPECT_EQ(cache.Find(Name(2)), -1);
  EXPECT_NE(cache.Find(Name(3)), -1);
}

TEST_F(WaveCacheTest, EveryLoadStopsThePlayingSoundFirst) {
  CWaveCache cache;
  plat::headless::ClearSounds();
  cache.Load(Name(0));
  cache.Load(Name(0));
  cache.Load(nullptr);
  const auto& sounds = plat::headless::Sounds();
  ASSERT_EQ(sounds.size(), 3u);
  for (const auto& s : sounds) EXPECT_EQ(s.kind, plat::headless::SoundRecord::WAVE_STOP);
}

TEST_F(WaveCacheTest, FindMatchesCase) {
  CWaveCache cache;
  const std::string path = soundtest::TempPath("Case.wav");
  soundtest::WriteBytes(path, soundtest::SmallWave(4));
  ASSERT_NE(cache.Load(path.c_str()), nullptr);
  const std::string upper = soundtest::TempPath("CASE.wav");
  EXPECT_EQ(cache.Find(upper.c_str()), -1);
  EXPECT_EQ(cache.Find(nullptr), -1);
}

TEST_F(WaveCacheTest, NamesBeyondTheFieldAreNotHeld) {
  const std::string dir = soundtest::TempPath("");
  ASSERT_LT(dir.size(), 100u);
  const std::string fits = dir + std::string(127 - dir.size() - 4, 'a') + ".wav";
  const std::string tooLong = dir + std::string(128 - dir.size() - 4, 'b') + ".wav";
  ASSERT_EQ(fits.size(), 127u);
  ASSERT_EQ(tooLong.size(), 128u);
  soundtest::WriteBytes(fits, soundtest::SmallWave(4));
  soundtest::WriteBytes(tooLong, soundtest::SmallWave(4));
  CWaveCache cache;
  EXPECT_NE(cache.Load(fits.c_str()), nullptr);
  EXPECT_STREQ(cache.Name(cache.Find(fits.c_str())), fits.c_str());
  EXPECT_EQ(cache.Load(tooLong.c_str()), nullptr);
  EXPECT_EQ(Held(cache), 1);
}

TEST_F(WaveCacheTest, FilesThatAreNotWholeWavesAreNotHeld) {
  std::vector<std::uint8_t> wave = soundtest::SmallWave(8);
  std::vector<std::uint8_t> notRiff = wave;
  notRiff[0] = 'X';
  std::vector<std::uint8_t> cut = wave;
  cut.resize(cut.size() - 1);  // its size field now reaches past the end
  std::vector<std::uint8_t> tiny(11, 0);
  const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> bad = {
      {"notriff.wav", notRiff}, {"cut.wav", cut}, {"tiny.wav", tiny}, {"empty.wav", {}}};
  CWaveCache cache;
  for (const auto& [name, bytes] : bad) {
    const std::string path = soundtest::TempPath(name);
    soundtest::WriteBytes(path, bytes);
    EXPECT_EQ(cache.Load(path.c_str()), nullptr) << name;
  }
  EXPECT_EQ(cache.Load(soundtest::TempPath("missing.wav").c_str()), nullptr);
  EXPECT_EQ(Held(cache), 0);
}
