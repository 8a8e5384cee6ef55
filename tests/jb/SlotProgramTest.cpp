// The whole Slot program (its real entry through the shell) on the headless
// backend, played by scripted clicks and keys against a scripted main
// client: money in, coins bet, the lever, the spin, the win paid into the
// credits, cash out, a machine change, quitting, and "Slot.cfg".
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "framework/shell/Buttons.h"
#include "jb/SlotButtons.h"
#include "jb/SlotClient.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/jb/SlotRun.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

namespace {

using R = SlotRun;
using namespace jb;

bool Waiting() { return R::InState(kWaitSpinRequest); }

std::string ReadAll(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return {};
  std::string text;
  char buffer[64];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  std::fclose(f);
  return text;
}

float SavedMachineValue() {
  const std::string saved = ReadAll("Slot.cfg");
  float value = -1;
  if (saved.size() == sizeof value) std::memcpy(&value, saved.data(), sizeof value);
  return value;
}

std::vector<std::string> SpinsSent(const R& run) {
  std::vector<std::string> spins;
  for (const auto& p : run.packets) {
    if (p.channel == 1 && p.text.rfind("command=SPIN&", 0) == 0) spins.push_back(p.text);
  }
  return spins;
}

// $25 in at $1, two coins bet, the lever pulled, three 7s: 2000 coins.
// The credits are 25 - 2 + 2000, the account 1000 - 2 + 2000; cash out
// brings everything back out, and the $5 machine chosen goes to Slot.cfg.
TEST(SlotProgram, ALeverPullPaysThreeSevensIntoTheCreditsAndCashesOut) {
  R run;
  R::StackStops(16, 16, 16);
  double credits = -1, money = -1, account = -1, cashed = -1, cashedCredits = -1;
  run.When(Waiting, [] { R::ClickButton(kButtonInsert1 + 2); });
  run.When([] { return R::Record()->credits == 25; }, [] {
    R::ClickButton(kButtonBetOne);
    R::ClickButton(kButtonBetOne);
  });
  run.When([] { return R::Record()->betCoins == 2; }, [] { R::ClickButton(kButtonLever); });
  run.When([] { return R::InState(kStopFirstReel); }, [] {});
  run.When(Waiting, [&] {
    credits = R::Record()->credits;
    money = R::Record()->money;
    account = R::Account();
    R::ClickButton(kButtonCashOut);
  });
  run.When(R::AfterFrames(2), [&] {
    cashed = R::Record()->money;
    cashedCredits = R::Record()->credits;
    R::ClickButton(kButtonQuarterMachine + 2);
  });
  run.When(R::AfterFrames(2), [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(credits, 2023.0);
  EXPECT_DOUBLE_EQ(money, 975.0);
  EXPECT_DOUBLE_EQ(account, 2998.0);
  EXPECT_DOUBLE_EQ(cashed, 2998.0);
  EXPECT_EQ(cashedCredits, 0.0);
  const auto spins = SpinsSent(run);
  ASSERT_EQ(spins.size(), 1u);
  EXPECT_NE(spins[0].find("BET=2.000000"), std::string::npos) << spins[0];
  EXPECT_EQ(run.handBacks, 1);
  EXPECT_EQ(SavedMachineValue(), 5.0f);
}

// Enter before any coin is bet: nothing goes out until the first bet, which
// then starts the spin at once.
TEST(SlotProgram, ASpinRequestWithoutCoinsWaitsForTheFirstBet) {
  R run;
  R::StackStops(1, 3, 5);
  int stillWaiting = 0, startedByBet = 0;
  run.When(Waiting, [] { R::PressKey(plat::VK_RETURN); });
  run.When(R::AfterFrames(5), [] { R::ClickButton(kButtonInsert1 + 1); });
  run.When(R::AfterFrames(5), [&] {
    stillWaiting = Waiting() && R::Record()->spinRequest == 1 && R::Record()->credits == 5;
    R::ClickButton(kButtonBetOne);
  });
  run.When(R::AfterFrames(2), [&] { startedByBet = R::InState(kSpinDelay); });
  run.When(Waiting, [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(stillWaiting, 1);
  EXPECT_EQ(startedByBet, 1);
  const auto spins = SpinsSent(run);
  ASSERT_EQ(spins.size(), 1u);
  EXPECT_NE(spins[0].find("BET=1.000000"), std::string::npos) << spins[0];
}

// Space bets three coins without spinning; with 2 credits left it does nothing.
TEST(SlotProgram, SpaceBetsThreeCoinsButDoesNotSpin) {
  R run;
  double betAfterFirst = -1, creditsAfterFirst = -1, creditsAfterSecond = -1;
  int spinEnabled = 0, stillWaiting = 0;
  run.When(Waiting, [] { R::ClickButton(kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::PressKey(plat::VK_SPACE); });
  run.When(R::AfterFrames(5), [&] {
    betAfterFirst = R::Record()->betCoins;
    creditsAfterFirst = R::Record()->credits;
    spinEnabled = IsButtonEnabled(kButtonSpin);
    R::PressKey(plat::VK_SPACE);
  });
  run.When(R::AfterFrames(5), [&] {
    creditsAfterSecond = R::Record()->credits;
    stillWaiting = Waiting();
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(betAfterFirst, 3.0);
  EXPECT_EQ(creditsAfterFirst, 2.0);
  EXPECT_EQ(spinEnabled, 1);
  EXPECT_EQ(creditsAfterSecond, 2.0);
  EXPECT_EQ(stillWaiting, 1);
  EXPECT_TRUE(SpinsSent(run).empty());
}

// A machine change is refused while a spin is pending.
TEST(SlotProgram, NoMachineChangeWhileASpinIsPending) {
  R run;
  R::StackStops(1, 1, 1);
  double valueDuringSpin = 0;
  run.When(Waiting, [] { R::ClickButton(kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(kButtonBetThree); });
  run.When([] { return R::InState(kSpinDelay); }, [&] { R::ClickButton(kButtonQuarterMachine); });
  run.When(R::AfterFrames(2), [&] { valueDuringSpin = gMachineValue; });
  run.When(Waiting, [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(valueDuringSpin, 1.0);
}

// A stop past the strip's 22 would index past the reels' 44 frames: the
// answer is refused as the client's fatal error.
TEST(SlotProgram, AWinListStopPastTheStripEndsTheGame) {
  R run;
  R::StackStops(1, 1, 1);
  TheScriptedMainClient().filter = [](int channel, std::string& text) {
    const std::size_t list = text.find("WINLIST=");
    if (channel == 2 && list != std::string::npos) {
      const std::size_t end = text.find('&', list);
      text.replace(list, end == std::string::npos ? std::string::npos : end - list, "WINLIST=22%2C0%2C0%2C0.000000");
    }
    return kRelayPass;
  };
  run.When(Waiting, [] { R::ClickButton(kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(kButtonBetThree); });
  run.Run();
  int boxes = 0;
  for (const auto& box : plat::headless::MessageBoxes()) {
    boxes += box.caption == "FATAL ERROR" && box.text == "CLIENT: WAITSPINANSWER: Can't get WINLIST data" ? 1 : 0;
  }
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(run.handBacks, 1);
}

// A value that is not one of the machine's is read as $1 (0 divided the
// inserted money by zero, 0.1 made every spin an invalid bet); a machine
// value is kept, and the value in force is written back at exit.
TEST(SlotProgram, SlotCfgKeepsOnlyAMachineValue) {
  for (float stored : {0.0f, 0.1f, 2.5f, 0.25f, 5.0f}) {
    R run;
    WriteFile("Slot.cfg", std::string(reinterpret_cast<const char*>(&stored), sizeof stored));
    double start = 0;
    run.When(Waiting, [&] {
      start = gMachineValue;
      R::Quit();
    });
    EXPECT_EQ(run.Run(), 0);
    const double expected = stored == 0.25f || stored == 5.0f ? stored : 1.0;
    EXPECT_EQ(start, expected) << stored;
    EXPECT_EQ(SavedMachineValue(), static_cast<float>(expected)) << stored;
  }
}

TEST(SlotProgram, WithoutSlotCfgTheMachineIsADollarMachine) {
  R run;
  double start = 0;
  run.When(Waiting, [&] {
    start = gMachineValue;
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(start, 1.0);
  EXPECT_EQ(SavedMachineValue(), 1.0f);
}

// ---- Start-up ----------------------------------------------------------------

// A picture that cannot be loaded ends the start with the Slot's own text,
// shown when the start has ended; the main client is never asked.
TEST(SlotStartUp, AMissingPictureSaysTheBitmapDataFailed) {
  R run;
  ASSERT_TRUE(std::filesystem::remove(run.Root() + "/games/slot/res/Data.dat"));
  EXPECT_EQ(run.Run(), 0);
  const auto& boxes = plat::headless::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Error:\nFailed to load the bitmap data!");
  EXPECT_EQ(boxes[0].caption, "Slot");
  EXPECT_EQ(TheScriptedMainClient().connects, 0);
}

// A hit map that cannot be loaded is named: a start that ends without a
// word would leave the player no clue.
TEST(SlotStartUp, AMissingHitMapIsNamed) {
  R run;
  ASSERT_TRUE(std::filesystem::remove(run.Root() + "/games/slot/res/btn_data.dat"));
  EXPECT_EQ(run.Run(), 0);
  const auto& boxes = plat::headless::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Error:\nFailed to load the \"res\\btn_data.dat\" file!");
  EXPECT_EQ(TheScriptedMainClient().connects, 0);
}

}  // namespace
