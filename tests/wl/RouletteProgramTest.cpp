// The whole Roulette program (its real entry through the shell) on the
// headless backend, played by scripted clicks on the hit map's bet slots
// against a scripted main client that relays to the real server, which
// draws the numbers the test queued.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Window.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/wl/RouletteRun.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteClient.h"
#include "wl/RouletteTable.h"
#include "wl/RouletteTableLayout.h"

namespace {

using R = RouletteRun;
using plat::headless::MessageBoxes;
using namespace wl;

constexpr int kStraight17 = kFirstBetSlot + 5 * kSlotsPerRow + 2;  // 17 is b of row 5

void Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }
void SelectValue(int index) { R::ClickButton(kButtonChip1 + index); }
double Total() { return R::Record()->totalBet; }

std::vector<std::string> BoxTexts() {
  std::vector<std::string> texts;
  for (const auto& box : MessageBoxes()) texts.push_back(box.text);
  return texts;
}

std::string Decoded(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// The commands the client sent, in order.
std::vector<std::string> ClientCommands(const R& run) {
  std::vector<std::string> commands;
  for (const RelayedPacket& p : run.packets) {
    if (p.channel != 1) continue;
    const std::string text = Decoded(p.text);
    const std::size_t at = text.find("command=");
    if (at == std::string::npos) continue;
    commands.push_back(text.substr(at + 8, text.find('&', at) - at - 8));
  }
  return commands;
}

int SentBetList(const R& run, const std::string& list) {
  for (const RelayedPacket& p : run.packets) {
    if (p.channel == 1 && Decoded(p.text).find("BETLIST=" + list) != std::string::npos) return 1;
  }
  return 0;
}

// $5 on the straight 17 and $5 on black; 17 comes: the straight pays 35
// to one and black 1 to one. The money shown rises by the wins (the
// stakes stay on the table until it is cleared); the next round starts
// with the server's balance and a clean table.
TEST(RouletteProgram, WinningSpinIsPaidAndTheTableCleared) {
  R run;
  QueueDraw(17);
  double shown = -1, next = -1;
  int won17 = -1, wonBlack = -1, pile = 0, clean = 0, left = -1;
  run.When(R::Betting, [] {
    SelectValue(1);
    R::ClickSlot(kStraight17);
    R::ClickSlot(kBlackSlot);
  });
  run.When([] { return Total() == 10; }, [] { R::ClickButton(kButtonSpin); });
  run.When([] { return R::InState(kWaitNext); }, [&] {
    shown = R::Record()->money;
    won17 = R::Record()->wins[kStraight17];
    wonBlack = R::Record()->wins[kBlackSlot];
    pile = R::Drawn(kPayPileArea.x, kPayPileArea.y, kPayPileArea.width, kPayPileArea.height);
    R::ClickAt(320, 360);
  });
  run.When(R::Betting, [&] {
    next = R::Record()->money;
    left = R::Record()->bets[kStraight17] + R::Record()->bets[kBlackSlot];
    const Point p = SlotPosition(kStraight17);
    clean = !R::Drawn(p.x - 11, p.y - 40, 24, 48);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(SentBetList(run, "94,5,179,5,0,0"));
  EXPECT_EQ(won17, 175);
  EXPECT_EQ(wonBlack, 5);
  EXPECT_DOUBLE_EQ(shown, 1000 - 10 + 175 + 5);
  EXPECT_TRUE(pile);
  EXPECT_DOUBLE_EQ(next, 1000 - 10 + 190);
  EXPECT_EQ(left, 0);
  EXPECT_TRUE(clean);
}

// The chips are enabled by the money alone: through a spin and its payout
// every chip that the money covers stays enabled.
TEST(RouletteProgram, TheChipsStayEnabledThroughASpin) {
  R run;
  QueueDraw(17);
  std::vector<int> duringSpin, afterPayout;
  auto chips = [] {
    std::vector<int> enabled;
    for (int c = 0; c < 5; ++c) enabled.push_back(IsButtonEnabled(kButtonChip1 + c));
    return enabled;
  };
  run.When(R::Betting, [] {
    SelectValue(1);
    R::ClickSlot(kStraight17);
  });
  run.When([] { return Total() == 5; }, [] { R::ClickButton(kButtonSpin); });
  run.When([] { return R::Record()->spinning == 1; }, [&] { duringSpin = chips(); });
  run.When([] { return R::InState(kWaitNext); }, [&] {
    afterPayout = chips();
    R::ClickAt(320, 360);
  });
  run.When(R::Betting, [] { Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(duringSpin, std::vector<int>(5, 1));
  EXPECT_EQ(afterPayout, std::vector<int>(5, 1));
}

// Three $1 chips, then the $5 chip selected: a right click takes back the
// whole $3.
TEST(RouletteProgram, RightClickTakesBackTheWholeSmallerAmount) {
  R run;
  int bet = -1;
  double money = -1;
  run.When(R::Betting, [] {
    for (int k = 0; k < 3; ++k) R::ClickSlot(kStraight17);
  });
  run.When([] { return Total() == 3; }, [] {
    SelectValue(1);
    R::RightClickSlot(kStraight17);
  });
  run.When([] { return Total() == 0; }, [&] {
    bet = R::Record()->bets[kStraight17];
    money = R::Record()->money;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(bet, 0);
  EXPECT_DOUBLE_EQ(money, 1000);
}

// Four $1 chips stand four high; the fifth makes them one $5 chip, and
// nothing of the taller stack is left above it.
TEST(RouletteProgram, AStackThatBecomesLowerLeavesNoChipAboveIt) {
  R run;
  const Point p = SlotPosition(kStraight17);
  const int x = p.x - kChipWidth / 2 - 1, y = p.y - kChipHeight / 2 - 3 * kChipStep;
  bool fourHigh = false, aboveFive = true;
  run.When(R::Betting, [] {
    for (int k = 0; k < 4; ++k) R::ClickSlot(kStraight17);
  });
  run.When([] { return Total() == 4; }, [] {});
  run.When(R::AfterFrames(2), [&] {
    fourHigh = R::Drawn(x, y, kChipWidth + 2, 3 * kChipStep);
    R::ClickSlot(kStraight17);
  });
  run.When([] { return Total() == 5; }, [] {});
  run.When(R::AfterFrames(2), [&] {
    aboveFive = R::Drawn(x, y, kChipWidth + 2, 3 * kChipStep);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(fourHigh);
  EXPECT_FALSE(aboveFive);
}

// $25 placed with $30: $5 are left, the selection falls to $5 and the
// $25 chip can no longer be chosen.
TEST(RouletteProgram, SelectionFallsToTheChipTheMoneyCovers) {
  R run;
  run.startMoney = 30;
  int selected = -1, chip25 = -1;
  double money = -1;
  run.When(R::Betting, [] { SelectValue(2); });
  run.When([] { return SelectedChip() == 2; }, [] { R::ClickSlot(kRedSlot); });
  run.When([] { return Total() == 25; }, [&] {
    selected = SelectedChip();
    chip25 = IsButtonEnabled(kButtonChip1 + 2);
    money = R::Record()->money;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(chip25, 0);
  EXPECT_DOUBLE_EQ(money, 5);
}

// The minimums refuse the spin, the maximums the chip, each with its text.
TEST(RouletteProgram, EachLimitBoxHasItsText) {
  R run;
  run.When(R::Betting, [] { R::ClickSlot(kStraight17); });
  run.When([] { return Total() == 1; }, [] { R::ClickButton(kButtonSpin); });
  run.When(R::AfterFrames(2), [] { R::ClickSlot(kRedSlot); });
  run.When([] { return Total() == 2; }, [] { R::ClickButton(kButtonSpin); });
  run.When(R::AfterFrames(2), [] { SelectValue(3); });
  run.When([] { return SelectedChip() == 3; }, [] { R::ClickSlot(kStraight17); });
  run.When(R::AfterFrames(2), [] { SelectValue(4); });
  run.When([] { return SelectedChip() == 4; }, [] { R::ClickSlot(kRedSlot); });
  run.When(R::AfterFrames(2), [] { R::RightClickSlot(kRedSlot); });
  run.When([] { return Total() == 1; }, [] { R::ClickSlot(kRedSlot); });
  run.When(R::AfterFrames(2), [] { Quit(); });
  EXPECT_EQ(run.Run(), 0);
  const std::vector<std::string> expected = {
      "The table's minimum is set to $5!",
      "The minimum limit on all none numbers is set to $5!",
      "The maximum limit on a number is set to $100!",
      "The maximum limit on all none numbers is set to $500!",
      "The table's maximum is set to $500!",
      "Return to main menu?",
  };
  EXPECT_EQ(BoxTexts(), expected);
}

// Spin with an empty table sends "0,0"; nothing is collected or paid.
TEST(RouletteProgram, SpinWithNoChipsSendsAnEmptyList) {
  R run;
  QueueDraw(5);
  double money = -1;
  run.When(R::Betting, [] { R::ClickButton(kButtonSpin); });
  run.When([] { return R::InState(kWaitNext); }, [&] {
    money = R::Record()->money;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(SentBetList(run, "0,0"));
  EXPECT_DOUBLE_EQ(money, 1000);
  EXPECT_EQ(LastNumber(0), 5);
}

// The link's wait callback clears the title's status once an answer
// comes after a sent packet, as in the card games.
TEST(RouletteProgram, AnAnswerClearsTheTitleStatus) {
  R run;
  QueueDraw(5);
  std::string title;
  run.When(R::Betting, [] {
    SetTitleStatus(gMainWindow, "%s", "waiting");
    R::ClickButton(kButtonSpin);
  });
  run.When([] { return R::InState(kWaitNext); }, [&] {
    char text[128] = {};
    plat::GetWindowText(gMainWindow, text, sizeof text);
    title = text;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(title.find("waiting"), std::string::npos) << title;
  EXPECT_NE(title.find("Roulette"), std::string::npos) << title;
}

// Space while the result shows ends the round and, once the next
// BEGINPLAYANSWER has come, places the last bets again.
TEST(RouletteProgram, SpaceRebetsAfterTheNextBeginPlay) {
  R run;
  QueueDraw(0);
  int red = -1;
  double total = -1, money = -1;
  run.When(R::Betting, [] {
    SelectValue(1);
    R::ClickSlot(kRedSlot);
  });
  run.When([] { return Total() == 5; }, [] { R::ClickButton(kButtonSpin); });
  run.When([] { return R::InState(kWaitNext); }, [] {
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
  });
  run.When(R::Betting, [&] {
    red = R::Record()->bets[kRedSlot];
    total = Total();
    money = R::Record()->money;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(red, 5);
  EXPECT_DOUBLE_EQ(total, 5);
  EXPECT_DOUBLE_EQ(money, 1000 - 5 - 5);
}

// A quit confirmed while the ball runs lets the round end (ENDPLAY, the
// next BEGINPLAY) and then leaves.
TEST(RouletteProgram, QuitDuringARoundTakesEffectAfterIt) {
  R run;
  QueueDraw(9);
  run.When(R::Betting, [] {
    SelectValue(1);
    R::ClickSlot(kRedSlot);
  });
  run.When([] { return Total() == 5; }, [] { R::ClickButton(kButtonSpin); });
  run.When([] { return R::InState(kBallRun); }, [] { Quit(); });
  EXPECT_EQ(run.Run(), 0);
  const std::vector<std::string> expected = {"CLIENTINIT", "BEGINPLAY", "SPIN",      "ENDPLAY",
                                             "BEGINPLAY",  "ENDPLAY",   "CLIENTEXIT"};
  EXPECT_EQ(ClientCommands(run), expected);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Return to main menu?"});
}

// A drawn number past 00 would index the number tables out of bounds: the
// client refuses it as a bad WINLIST, with the fatal box.
TEST(RouletteProgram, ANumberPastDoubleZeroIsABadWinList) {
  R run;
  QueueDraw(3);
  TheScriptedMainClient().filter = [](int channel, std::string& text) {
    const std::size_t at = text.find("WINLIST=");
    if (channel == 2 && at != std::string::npos) {
      const std::size_t end = text.find('&', at);
      text.replace(at, end == std::string::npos ? std::string::npos : end - at, "WINLIST=38%2C0%2C0");
    }
    return static_cast<int>(kRelayPass);
  };
  run.When(R::Betting, [] { R::ClickButton(kButtonSpin); });
  run.Run();
  ASSERT_FALSE(MessageBoxes().empty());
  EXPECT_EQ(MessageBoxes().back().text, "CLIENT: WAITSPINANSWER: Can't get WINLIST data");
  EXPECT_EQ(MessageBoxes().back().caption, "FATAL ERROR");
  EXPECT_EQ(LastNumber(0), kNoNumber);
}

// Help opens the Roulette page; Options the machine dialog under the
// Roulette's caption.
TEST(RouletteProgram, HelpAndOptionsAreTheRoulettes) {
  R run;
  run.When(R::Betting, [] { R::ClickButton(kButtonHelp); });
  run.When(R::AfterFrames(2), [] { R::ClickButton(kButtonOptions); });
  run.When(R::AfterFrames(2), [] { Quit(); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(plat::headless::ShellOpens().size(), 1u);
  EXPECT_NE(plat::headless::ShellOpens()[0].find("wl.htm"), std::string::npos);
  ASSERT_EQ(plat::headless::Dialogs().size(), 1u);
  EXPECT_EQ(plat::headless::Dialogs()[0].title, "Roulette Configuration");
}

TEST(RouletteProgram, ZeroBalanceSaysTheCreditIsLow) {
  R run;
  run.startMoney = 0;
  run.When(R::Betting, [] { Quit(); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_FALSE(MessageBoxes().empty());
  EXPECT_EQ(MessageBoxes()[0].text, "Your credit balance is low.");
  EXPECT_EQ(MessageBoxes()[0].caption, "Roulette");
}

TEST(RouletteProgram, SecondStartBringsTheFirstWindowForward) {
  R run;
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = plat::DefWindowProc;
  wc.lpszClassName = "Roulette";
  ASSERT_NE(plat::RegisterClass(&wc), 0);
  plat::HWND first = plat::CreateWindow("Roulette", "Roulette", plat::WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                        0, nullptr, nullptr);
  plat::ShowWindow(first, plat::SW_MINIMIZE);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(plat::headless::ForegroundWindow(), first);
  EXPECT_FALSE(plat::IsIconic(first));
  EXPECT_TRUE(MessageBoxes().empty());
  EXPECT_TRUE(ClientCommands(run).empty());
}

// Maximised (Casino.cfg's default), the window takes 650 x 510 and no more.
TEST(RouletteProgram, TheMaximisedWindowIs650By510) {
  R run;
  plat::BOOL zoomed = plat::FALSE;
  plat::RECT frame{};
  run.When(R::Betting, [&] {
    zoomed = plat::IsZoomed(gMainWindow);
    plat::GetWindowRect(gMainWindow, &frame);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(zoomed);
  EXPECT_EQ(frame.right - frame.left, 650);
  EXPECT_EQ(frame.bottom - frame.top, 510);
}

// ---- Start-up ----------------------------------------------------------------

// A picture that cannot be loaded ends the start with the Roulette's own
// text, shown when the start has ended; the main client is never asked.
TEST(RouletteStartUp, AMissingPictureSaysTheBitmapDataFailed) {
  R run;
  ASSERT_TRUE(std::filesystem::remove(run.Root() + "/games/roulette/res/Data.dat"));
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Error:\nFailed to load the bitmap data!");
  EXPECT_EQ(MessageBoxes()[0].caption, "Roulette");
  EXPECT_EQ(TheScriptedMainClient().connects, 0);
}

// A hit map that cannot be loaded is named: a start that ends without a
// word would leave the player no clue.
TEST(RouletteStartUp, AMissingHitMapIsNamed) {
  R run;
  ASSERT_TRUE(std::filesystem::remove(run.Root() + "/games/roulette/res/btndata.dat"));
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Error:\nFailed to load the \"res\\btndata.dat\" file!");
  EXPECT_EQ(TheScriptedMainClient().connects, 0);
}

}  // namespace

// $99 on the top row's 3 is eleven chips; 3 comes and the marker stands on
// them well above the grid. Clearing the table leaves nothing of either.
TEST(RouletteProgram, ATallWinningStackAndItsMarkerAreClearedWithTheTable) {
  R run;
  QueueDraw(3);
  const int slot = MarkerSlot(3);
  const Point p = SlotPosition(slot);
  const int x = p.x - kChipWidth / 2 - 1, top = p.y - 90;
  bool markedAbove = false, leftAbove = true;
  run.When(R::Betting, [slot] {
    const int chips[3][2] = {{2, 3}, {1, 4}, {0, 4}};
    for (const auto& [value, count] : chips) {
      SelectValue(value);
      for (int k = 0; k < count; ++k) R::ClickSlot(slot);
    }
  });
  run.When([] { return Total() == 99; }, [] { R::ClickButton(kButtonSpin); });
  run.When([] { return R::InState(kWaitNext); }, [&] {
    markedAbove = R::Drawn(x, top, kChipWidth + 2, p.y - 60 - top);
    R::ClickAt(320, 360);
  });
  run.When(R::Betting, [&] {
    leftAbove = R::Drawn(x, top, kChipWidth + 2, p.y - top);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(markedAbove);
  EXPECT_FALSE(leftAbove);
}
