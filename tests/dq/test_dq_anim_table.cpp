#include "tests/dq/test_dq_anim_table.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "framework/shell/CasinoCfg.h"
#include "dq/CrapsAnimations.h"
#include "dq/CrapsOptions.h"
#include "dq/art/CrapsSheet.h"
#include "dq/CrapsStartup.h"
#include "artwork/Generator.h"
#include "framework/shell/Random.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/SoundSwitches.h"
#include "platform/include/plat/headless.h"

namespace {

bool LayersAgree() {
  const CDib& front = gScreen.Front();
  const CDib& back = gScreen.Background();
  return std::memcmp(front.Bits(), back.Bits(),
                     static_cast<std::size_t>(front.Stride() * front.Height())) == 0;
}

}  // namespace

void CrapsAnimTable::SetUp() {
  plat::headless::Reset();
  char here[4096];
  previous_ = ::getcwd(here, sizeof here) ? here : "/";
  const std::string root = folder_.Path();
  std::error_code error;
  std::filesystem::create_directories(root + "/games/craps", error);
  ASSERT_FALSE(error);
  ASSERT_EQ(artwork::WriteSheet(root, dq::art::CrapsSheet()), 1);
  // Without the wave files every sound is played, and logged, by its name.
  std::filesystem::remove_all(root + "/games/wav", error);
  ASSERT_EQ(::chdir((root + "/games/craps").c_str()), 0);
  ASSERT_EQ(gPicture.LoadFile("res\\Data.dat"), 1);
  ASSERT_EQ(gScreen.Palette().CreateFromDib(gPicture), 1);
  ASSERT_EQ(gScreen.Init(nullptr, &gPicture, 640, 480), 1);
  ASSERT_EQ(dq::CreateWorkBitmaps(), 1);
  ASSERT_EQ(dq::RemapBitmaps(), 1);
  gCasinoCfg = CasinoCfg{0, 1, 1, 1, 0};
  dq::gCrapsOptions = dq::kDefaultCrapsOptions;
  SetSoundSwitches(SoundSwitches{&gCasinoCfg.soundEffects, &dq::gCrapsOptions.voice, 2});
  seed = std::random_device{}();
  std::printf("random seed %u\n", seed);
  SeedRandomWith(seed);
}

void CrapsAnimTable::TearDown() {
  SetSoundSwitches(SoundSwitches{nullptr, nullptr, 2});
  dq::FreeWorkBitmaps();
  gScreen.Free();
  gPicture.Free();
  EXPECT_EQ(::chdir(previous_.c_str()), 0);
}

void CrapsAnimTable::StartTable(const dq::CrapsClientRecord& record, int puckPoint) {
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(nullptr, 0, 0, CScreen::kFlushWhole);
  dq::ResetTableView();
  dq::ResetAnimations();
  dq::RedrawAllBets(record);
  const int puck = puckPoint < 0 ? record.point : puckPoint;
  if (puck != 0) {
    dq::DrawPuckOn(puck);
  } else {
    dq::DrawPuckOff();
  }
  dq::PlacePuck(puck);
  gScreen.Flush(nullptr, 0, 0, CScreen::kFlushDirty);
}

AnimRun CrapsAnimTable::Run(dq::CrapsClientRecord record, const AnimStep& step, int animations,
                            int limit) {
  gCasinoCfg.showAnimations = static_cast<std::uint16_t>(animations);
  plat::headless::ClearSounds();
  AnimRun run;
  int done = 0;
  while (!done && run.frames < limit) {
    const std::vector<std::uint8_t> before = Table();
    done = step(&record);
    ++run.frames;
    if (!LayersAgree()) ++run.spriteFrames;
    if (Table() != before) ++run.lastingFrames;
    gScreen.Flush(nullptr, 0, 0, CScreen::kFlushDirty);
  }
  EXPECT_TRUE(done) << "still running after " << limit << " frames";
  EXPECT_TRUE(LayersAgree()) << "a sprite outlived its frame";
  run.table = Table();
  run.record = record;
  run.view = dq::gTableView;
  for (const auto& s : plat::headless::Sounds()) {
    if (s.kind != plat::headless::SoundRecord::WAVE) continue;
    run.sounds.push_back(s.name + ((s.flags & plat::SND_ASYNC) ? "" : "!"));
  }
  return run;
}

std::vector<std::uint8_t> CrapsAnimTable::Table() {
  const CDib& back = gScreen.Background();
  const plat::BYTE* bits = back.Bits();
  return std::vector<std::uint8_t>(bits, bits + back.Stride() * back.Height());
}

int CrapsAnimTable::PicturePixel(int x, int y) { return *gPicture.PixelAddress(x, y); }

int CrapsAnimTable::TablePixel(int x, int y) { return *gScreen.Background().PixelAddress(x, y); }

int AnimChain::operator()(dq::CrapsClientRecord* record) {
  if (at_ < steps_.size() && steps_[at_](record)) ++at_;
  return at_ == steps_.size() ? 1 : 0;
}
