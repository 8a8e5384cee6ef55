// The shell's smaller pieces the card games use: text width in a bitmap
// font, the chip a right click takes off a stake, the lookup of a logged button event, the status in the title, the
// link end's wait callback and the card games' curve.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/Interpolate.h"
#include "framework/shell/Money.h"
#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Window.h"
#include "framework/sound/GlyphTable.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"

namespace {

// A font whose glyph for ch is (ch mod 7) + 2 pixels wide.
GlyphTable TestFont() {
  GlyphTable glyphs{};
  glyphs[0] = 10;
  for (int ch = kFirstGlyph; ch <= kLastGlyph; ++ch) glyphs[GlyphWord(ch) + 2] = static_cast<std::int16_t>(ch % 7 + 2);
  return glyphs;
}

int Width(char ch) { return ch % 7 + 2 + 1; }

TEST(TextWidth, AddsEachGlyphAndAGapAndTakesTheWidestLine) {
  const GlyphTable font = TestFont();
  EXPECT_EQ(TextWidth(font.data(), ""), 0);
  EXPECT_EQ(TextWidth(font.data(), "AB"), Width('A') + Width('B'));
  // Two lines: the wider one, not the sum.
  EXPECT_EQ(TextWidth(font.data(), "ABCD\nA"), Width('A') + Width('B') + Width('C') + Width('D'));
  EXPECT_EQ(TextWidth(font.data(), "A\nABCD"), Width('A') + Width('B') + Width('C') + Width('D'));
  // Outside 32..125 a character is as wide as the blank.
  EXPECT_EQ(TextWidth(font.data(), "~\t"), 2 * Width(' '));
}

TEST(ChipToTakeOff, TakesTheSmallestChipTheStakeNeeds) {
  EXPECT_EQ(ChipToTakeOff(130), 5);  // a multiple of 5, not of 25
  EXPECT_EQ(ChipToTakeOff(125), 25);
  EXPECT_EQ(ChipToTakeOff(131), 1);
  EXPECT_EQ(ChipToTakeOff(300), 100);
  EXPECT_EQ(ChipToTakeOff(1000), 500);
  EXPECT_EQ(ChipToTakeOff(7.5), 1);
  EXPECT_EQ(ChipToTakeOff(-130.0), 5);
  // Beyond any integer (a server's odd limits): 2^64 is 116 mod 500.
  const double two64 = 18446744073709551616.0;
  EXPECT_EQ(ChipToTakeOff(two64), 1);
  EXPECT_EQ(ChipToTakeOff(5 * two64), 5);
  EXPECT_EQ(ChipToTakeOff(25 * two64), 100);
  EXPECT_EQ(ChipToTakeOff(-125 * two64), 500);
  const int chip = ChipToTakeOff(-1e308);
  EXPECT_TRUE(chip == 1 || chip == 5 || chip == 25 || chip == 100 || chip == 500) << chip;
}

TEST(FindButtonEvent, TakesOutTheFirstEntryOfTheButtonAndAnswersItsState) {
  CPtrList list;
  list.Append(NewBtnLog(10001, 10025, 0.0f));
  list.Append(NewBtnLog(10002, 10500, 0.0f));
  list.Append(NewBtnLog(10002, 10007, 0.0f));
  EXPECT_EQ(FindButtonEvent(list, 10002), 10500);
  ASSERT_TRUE(list.First());
  EXPECT_EQ(static_cast<btnLog*>(list.Current())->button, 10001);  // cursor back on the head
  EXPECT_EQ(FindButtonEvent(list, 10002), 10007);
  EXPECT_EQ(FindButtonEvent(list, 10002), 0);
  EXPECT_EQ(FindButtonEvent(list, 10001), 10025);
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(FindButtonEvent(list, 10001), 0);
  list.DeleteAll();
}

// A value carried across a restore comes back from the replayed log once,
// and only when a game could have logged it.
TEST(TakeLoggedValue, AnswersTheValueOfTheReplayedEventWithinItsRange) {
  gPlaybackClient.list.Append(NewBtnLog(10001, 10030, 0.0f));
  gPlaybackClient.list.Append(NewBtnLog(10002, 9990, 0.0f));
  int value = -1;
  EXPECT_EQ(TakeLoggedValue(10001, 0.0, 500.0, &value), 1);
  EXPECT_EQ(value, 30);
  EXPECT_EQ(TakeLoggedValue(10001, 0.0, 500.0, &value), 0);
  value = -1;
  EXPECT_EQ(TakeLoggedValue(10002, 0.0, 1.0, &value), 0);  // -10 is no deck
  EXPECT_EQ(value, -1);
  EXPECT_EQ(gPlaybackClient.list.head, nullptr);
}

// Only what the log's int state can hold is logged: a rebet taken from a
// hostile limit of 1e308 overflowed the conversion.
TEST(LogValue, LogsWholeAmountsAndSkipsWhatTheLogCannotHold) {
  gBtnLogClient.Clear();
  LogValue(10001, 30.0);
  LogValue(10001, 1e308);
  LogValue(10001, std::nan(""));
  LogValue(10001, -1e9);
  LogValue(10001, 2147483647.0);
  LogValue(10002, 2147483647.0 - kLoggedValueBase);
  std::vector<int> states;
  for (gBtnLogClient.list.First(); gBtnLogClient.list.HasCurrent(); gBtnLogClient.list.Next())
    states.push_back(static_cast<btnLog*>(gBtnLogClient.list.Current())->state);
  EXPECT_EQ(states, (std::vector<int>{10030, 2147483647}));
  gBtnLogClient.Clear();
}

class TitleStatus : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    plat::WNDCLASS wc{};
    wc.lpfnWndProc = plat::DefWindowProc;
    wc.lpszClassName = "Titled";
    plat::RegisterClass(&wc);
    window = plat::CreateWindow("Titled", "", plat::WS_POPUP, 0, 0, 640, 480, nullptr, 0, nullptr, nullptr);
  }
  void TearDown() override {
    gTitleSuffix[0] = '\0';
    plat::DestroyWindow(window);
  }
  std::string Title() {
    char text[600] = {};
    plat::GetWindowText(window, text, sizeof text);
    return text;
  }
  plat::HWND window = nullptr;
};

TEST_F(TitleStatus, ShowsTheLastTitleWithTheStatus) {
  SetWindowTitle(window, "%s", "Pai Gow Poker");
  SetTitleStatus(window, "waiting %d", 3);
  EXPECT_EQ(Title(), "Pai Gow Poker  waiting 3");
  SetTitleStatus(window, "%s", "");
  EXPECT_EQ(Title(), "Pai Gow Poker  ");
}

TEST_F(TitleStatus, AStatusOver250CharactersIsEmpty) {
  SetWindowTitle(window, "%s", "Pai Gow Poker");
  SetTitleStatus(window, "%s", std::string(251, 'x').c_str());
  EXPECT_EQ(Title(), "Pai Gow Poker  ");
  SetTitleStatus(window, "%s", std::string(250, 'x').c_str());
  EXPECT_EQ(Title(), "Pai Gow Poker  " + std::string(250, 'x'));
}

int gCodes[8];
int gCodeCount = 0;
void Record(CComm&, int code) {
  if (gCodeCount < 8) gCodes[gCodeCount++] = code;
}

TEST(SetWaitCallback, TracesAskingAndFindingButNotHeartbeats) {
  CComm comm;
  comm.Init("out", "in");
  gCodeCount = 0;
  SetWaitCallback(comm, Record);
  EXPECT_EQ(comm.IsReceived(), 0);
  const char heartbeat[] = "command=heartbeat";
  comm.OnDataReceived(heartbeat, sizeof heartbeat);
  EXPECT_EQ(comm.IsReceived(), 0);
  const char packet[] = "command=BEGINPLAYANSWER&answer=ok";
  ASSERT_EQ(comm.OnDataReceived(packet, sizeof packet), 1);
  EXPECT_EQ(comm.IsReceived(), 1);
  ASSERT_EQ(gCodeCount, 3);
  EXPECT_EQ(gCodes[0], -1);
  EXPECT_EQ(gCodes[1], -1);
  EXPECT_EQ(gCodes[2], 0);
  SetWaitCallback(comm, nullptr);  // back to none
  comm.ReleaseReceived();
  EXPECT_EQ(comm.IsReceived(), 0);
  EXPECT_EQ(gCodeCount, 3);
}

TEST(PathPoint, RunsOnAFractionalGridUnlikeInterpolateStep) {
  EXPECT_EQ(PathPoint(0, 0, 100, 0, 3, 10), 29);
  EXPECT_EQ(InterpolateStep(0, 0, 100, 0, 3, 10), 30);
  EXPECT_EQ(PathPoint(48, -0.9, 120, -0.9, 0, 10), 48);
  EXPECT_EQ(PathPoint(48, -0.9, 120, -0.9, 10, 10), 120);
  // Slopes bend the path between the ends: total 128, t = 64:
  // ((0.9 * 64 + 268) * 64 + (0 * 64 + 25) * 64) / 128 = 175.3.
  EXPECT_EQ(PathPoint(25, 0.0, 268, 0.9, 5, 10), 175);
  EXPECT_EQ(PathPoint(7, 0, 9, 0, 1, 0), 9);
}

}  // namespace

namespace {

TEST(WholeSettingsFile, AShortFileLeavesEveryDefault) {
  const char name[] = "whole_settings_test.cfg";
  std::FILE* file = std::fopen(name, "w");
  ASSERT_NE(file, nullptr);
  std::fputc(0, file);
  std::fputc(0, file);
  std::fclose(file);
  std::uint16_t words[2] = {1, 1};
  EXPECT_EQ(ReadWholeSettingsFile(name, words, sizeof words), 0);
  EXPECT_EQ(words[0], 1);
  EXPECT_EQ(words[1], 1);
  const std::uint16_t written[2] = {0, 0};
  ASSERT_EQ(WriteSettingsFile(name, written, sizeof written), 1);
  EXPECT_EQ(ReadWholeSettingsFile(name, words, sizeof words), 1);
  EXPECT_EQ(words[0], 0);
  EXPECT_EQ(words[1], 0);
  std::remove(name);
  EXPECT_EQ(ReadWholeSettingsFile(name, words, sizeof words), 0);
}

}  // namespace
