// The shared settings file, the window title and centring helpers, the
// system information, the random numbers and the interpolation step.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/Interpolate.h"
#include "framework/shell/Program.h"
#include "framework/shell/Random.h"
#include "framework/shell/ShellGlobals.h"
#include "tests/framework/shell/ShellTestFolder.h"
#include "framework/shell/SystemInfo.h"
#include "tests/support/TemplateGame.h"
#include "framework/shell/Window.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

namespace {

class ShellSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    ResetToyGame();
    InstallGame(ToyGameDefinition());
    gTitleSuffix[0] = '\0';
    gFixedOffsetX = gFixedOffsetY = -1;
  }
  void TearDown() override { gFixedOffsetX = gFixedOffsetY = -1; }

  static plat::HWND MakeWindow(int width, int height) {
    plat::WNDCLASS wc{};
    wc.lpfnWndProc = plat::DefWindowProc;
    wc.lpszClassName = "SettingsTest";
    plat::RegisterClass(&wc);
    return plat::CreateWindow("SettingsTest", "", plat::WS_POPUP, 0, 0, width, height, nullptr,
                              0, nullptr, nullptr);
  }
  static std::string Title(plat::HWND w) {
    char text[1024];
    plat::GetWindowText(w, text, sizeof(text));
    return text;
  }

  ShellTestFolder folder;
};

// ---- Casino.cfg ----------------------------------------------------------------------

TEST_F(ShellSettings, MissingCasinoCfgGivesTheDefaults) {
  CasinoCfg cfg{9, 9, 9, 9, 9};
  EXPECT_EQ(ReadCasinoCfg(&cfg, kCasinoCfgShared), 0);
  EXPECT_EQ(cfg.maximised, 1);
  EXPECT_EQ(cfg.showAnimations, 1);
  EXPECT_EQ(cfg.soundEffects, 1);
  EXPECT_EQ(cfg.midiMusic, 1);
  EXPECT_EQ(cfg.reserved, 0);
}

TEST_F(ShellSettings, ShortCasinoCfgReplacesOnlyTheWordsItHolds) {
  ShellTestFolder::WriteFile("../../Casino.cfg", std::string("\0\0\0\0", 4));
  CasinoCfg cfg{};
  EXPECT_EQ(ReadCasinoCfg(&cfg, kCasinoCfgShared), 1);
  EXPECT_EQ(cfg.maximised, 0);
  EXPECT_EQ(cfg.showAnimations, 0);
  EXPECT_EQ(cfg.soundEffects, 1);
  EXPECT_EQ(cfg.midiMusic, 1);

  // Three bytes: the second word keeps its high default byte 0.
  ShellTestFolder::WriteFile("../../Casino.cfg", std::string("\0\0\2", 3));
  ReadCasinoCfg(&cfg, kCasinoCfgShared);
  EXPECT_EQ(cfg.maximised, 0);
  EXPECT_EQ(cfg.showAnimations, 2);
  EXPECT_EQ(cfg.soundEffects, 1);
}

TEST_F(ShellSettings, CasinoCfgIsReadLittleEndianAndOnlyItsFirstTenBytes) {
  ShellTestFolder::WriteFile("../../Casino.cfg", std::string("\1\0\0\0\1\0\0\1\5\0EXTRA", 15));
  CasinoCfg cfg{};
  ReadCasinoCfg(&cfg, kCasinoCfgShared);
  EXPECT_EQ(cfg.maximised, 1);
  EXPECT_EQ(cfg.showAnimations, 0);
  EXPECT_EQ(cfg.soundEffects, 1);
  EXPECT_EQ(cfg.midiMusic, 256);
  EXPECT_EQ(cfg.reserved, 5);
}

TEST_F(ShellSettings, CasinoCfgWritesItsTenBytesWhereAsked) {
  CasinoCfg cfg{0, 1, 0, 1, 0};
  EXPECT_EQ(WriteCasinoCfg(&cfg, kCasinoCfgShared), 1);
  EXPECT_EQ(ShellTestFolder::ReadFile("../../Casino.cfg"),
            std::string("\0\0\1\0\0\0\1\0\0\0", 10));
  EXPECT_FALSE(ShellTestFolder::Exists("Casino.cfg"));
  EXPECT_EQ(WriteCasinoCfg(&cfg, kCasinoCfgHere), 1);
  CasinoCfg back{};
  EXPECT_EQ(ReadCasinoCfg(&back, kCasinoCfgHere), 1);
  EXPECT_EQ(back.maximised, 0);
  EXPECT_EQ(back.midiMusic, 1);
}

// ---- Title and centring -----------------------------------------------------------------

TEST_F(ShellSettings, TitleOf250CharactersShowsAndOf251ShowsTheErrorText) {
  plat::HWND w = MakeWindow(300, 200);
  std::string title(250, 't');
  SetWindowTitle(w, "%s", title.c_str());
  EXPECT_EQ(Title(w), title + "  ");
  EXPECT_EQ(std::string(gWindowTitle), title);
  SetWindowTitle(w, "%s", std::string(251, 't').c_str());
  EXPECT_EQ(Title(w), "ERROR: STRING TO LONG!!");
}

TEST_F(ShellSettings, TitleCarriesTheSuffixAfterTwoBlanks) {
  plat::HWND w = MakeWindow(300, 200);
  std::snprintf(gTitleSuffix, sizeof(gTitleSuffix), "waiting");
  SetWindowTitle(w, "%s %d", "Toy", 7);
  EXPECT_EQ(Title(w), "Toy 7  waiting");
  EXPECT_EQ(std::string(gWindowTitle), "Toy 7");
}

TEST_F(ShellSettings, CentreOffsetsHalveTheSpareRoomAndHonourTheOverrides) {
  plat::HWND w = MakeWindow(801, 600);
  int width = 0, height = 0;
  CentreOffsets(w, &width, &height, 640, 480);
  EXPECT_EQ(width, 801);
  EXPECT_EQ(height, 600);
  EXPECT_EQ(gOffsetX, 80);  // (801 - 640) / 2, integer division
  EXPECT_EQ(gOffsetY, 60);
  gFixedOffsetY = 3;
  CentreOffsets(w, nullptr, nullptr, 640, 480);
  EXPECT_EQ(gOffsetX, 80);
  EXPECT_EQ(gOffsetY, 3);
  plat::HWND small = MakeWindow(600, 400);
  gFixedOffsetY = -1;
  CentreOffsets(small, nullptr, nullptr, 640, 480);
  EXPECT_EQ(gOffsetX, -20);
  EXPECT_EQ(gOffsetY, -40);
}

TEST_F(ShellSettings, CentreWindowCentresOverAnotherAndStaysOnTheScreen) {
  plat::HWND big = MakeWindow(400, 300);
  plat::MoveWindow(big, 100, 100, 400, 300, plat::FALSE);
  plat::HWND box = MakeWindow(100, 50);
  CentreWindow(box, big);
  plat::RECT r{};
  plat::GetWindowRect(box, &r);
  EXPECT_EQ(r.left, 250);
  EXPECT_EQ(r.top, 225);
  EXPECT_EQ(r.right - r.left, 100);
  plat::MoveWindow(big, -300, 700, 400, 300, plat::FALSE);  // partly off a 1024 x 768 screen
  CentreWindow(box, big);
  plat::GetWindowRect(box, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 768 - 50);
}

// ---- System information ------------------------------------------------------------------

TEST_F(ShellSettings, SystemInformationReportsTheDisplay) {
  plat::headless::SetScreen(800, 600, 8);
  SystemInfo info{};
  ReadSystemInfo(&info);
  EXPECT_EQ(info.screenWidth, 800);
  EXPECT_EQ(info.screenHeight, 600);
  EXPECT_EQ(info.bitsPerPixel, 8);
  EXPECT_EQ(info.platformId, plat::VER_PLATFORM_WIN32_NT);
  EXPECT_GT(info.totalMemory, 0u);
}

// ---- Random numbers and interpolation ----------------------------------------------------

TEST(ShellRandom, ValuesStayWithin0To32767AndRepeatForASeed) {
  plat::headless::Reset();
  plat::headless::SetClock(1234);
  plat::headless::SetCalendarTime(1700000000);
  SeedRandom();
  std::uint32_t seed = 1234u * 1700000000u;
  std::printf("seed %u\n", seed);
  int first[100];
  int seenHigh = 0;
  for (int& v : first) {
    v = RandomNumber();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, kRandomMax);
    if (v > 16383) ++seenHigh;
  }
  EXPECT_GT(seenHigh, 20);
  SeedRandomWith(seed);
  for (int v : first) EXPECT_EQ(RandomNumber(), v);
}

TEST(ShellInterpolate, StraightPathsRunFromTheStartToTheEnd) {
  EXPECT_EQ(InterpolateStep(100, 0, 200, 0, 15, 15), 200);
  EXPECT_EQ(InterpolateStep(100, 0, 200, 0, 0, 15), 100);
  // steps 15: 8 sub-steps each, n = 120; step 7: t = 56 -> (100*64 + 200*56) / 120 = 146.67.
  EXPECT_EQ(InterpolateStep(100, 0, 200, 0, 7, 15), 146);
  EXPECT_EQ(InterpolateStep(0, 0, -3, 0, 1, 2), -1);  // -1.5 truncated toward zero
}

TEST(ShellInterpolate, ArcsBendThePathAndVanishAtBothEnds) {
  // steps 2: n = 128, step 1: t = 64 -> ((0 + 64) * 64 + (0 + 0.5 * 64) * 64) / 128 = 48.
  EXPECT_EQ(InterpolateStep(0, 1.0f, 0, 0.5f, 1, 2), 48);
  EXPECT_EQ(InterpolateStep(10, 3.0f, 50, -2.0f, 0, 4), 10);
  EXPECT_EQ(InterpolateStep(10, 3.0f, 50, -2.0f, 4, 4), 50);
}

TEST(ShellInterpolate, AnEmptyStepGridAnswersTheEnd) {
  EXPECT_EQ(InterpolateStep(1, 0, 9, 0, 0, 0), 9);
  EXPECT_EQ(InterpolateStep(1, 0, 9, 0, 3, -2), 9);
  EXPECT_EQ(InterpolateStep(1, 0, 9, 0, 3, 129), 9);
  EXPECT_EQ(InterpolateStep(1, 0, 9, 0, 64, 128), 5);
}

}  // namespace
