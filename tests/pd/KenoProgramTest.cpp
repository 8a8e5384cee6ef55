// The whole Keno program (its real entry through the shell) on the headless
// backend, played by scripted clicks and keys against a scripted main
// client: the stake chosen by the balance, marking and Shoot, the bet list
// sent, the rebet, a game settled to the dollar and the options file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoOptions.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/pd/KenoRun.h"

namespace {

using R = KenoRun;
using plat::headless::MessageBoxes;

bool Picking() { return R::InState(pd::kPicking) && !pd::gKenoFlags.busy; }

void Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

int BoxesSaying(const std::string& text) {
  int n = 0;
  for (const auto& box : MessageBoxes()) n += box.text == text ? 1 : 0;
  return n;
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

int SentDecoded(const KenoRun& run, const std::string& piece) {
  for (const RelayedPacket& p : run.packets) {
    if (p.channel == 1 && Decoded(p.text).find(piece) != std::string::npos) return 1;
  }
  return 0;
}

std::vector<int> EnabledButtons() {
  std::vector<int> on;
  for (int b = 2; b < pd::kButtonCell1; ++b) {
    if (IsButtonEnabled(b)) on.push_back(b);
  }
  return on;
}

// The stake a new game presses by the balance, and the chip shown on its spot.
struct StakeCase {
  double money;
  int stake;
};

class KenoStakeByMoney : public ::testing::TestWithParam<StakeCase> {};

// The chip spots lit: the centre of each shows the lit chip or the table.
TEST_P(KenoStakeByMoney, NewGamePressesTheStakeTheBalanceAllows) {
  KenoRun run;
  run.startMoney = GetParam().money;
  int lit[3] = {-1, -1, -1};
  run.When(Picking, [] {});
  run.When(R::AfterFrames(2), [&] {
    for (int s = 0; s < 3; ++s) {
      const pd::Area& spot = pd::kStakeSpots[s];
      const int cx = spot.x + spot.width / 2, cy = spot.y + 4;
      lit[s] = R::ScreenPixel(cx, cy) != R::PictureColour(cx, cy);
    }
    if (GetParam().stake != 0) {
      EXPECT_EQ(R::Record()->stake, GetParam().stake);
    }
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  const int stakes[3] = {1, 5, 10};
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(lit[s], stakes[s] == GetParam().stake) << "money " << GetParam().money << " spot " << s;
  }
}

INSTANTIATE_TEST_SUITE_P(Money, KenoStakeByMoney,
                         ::testing::Values(StakeCase{3.0, 1}, StakeCase{7.0, 5}, StakeCase{0.5, 0}));

// Below a dollar only Paytable and Quit stay usable.
TEST(KenoProgram, UnderADollarOnlyPaytableAndQuitStay) {
  KenoRun run;
  run.startMoney = 0.5;
  std::vector<int> enabled;
  run.When(Picking, [] {});
  run.When(R::AfterFrames(3), [&] { enabled = EnabledButtons(); });
  run.Then(Quit);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(enabled, (std::vector<int>{pd::kButtonQuit, pd::kButtonPaytable}));
}

TEST(KenoProgram, TheThirdMarkEnablesShootAndTwoDisableIt) {
  KenoRun run;
  int afterTwo = -1, afterThree = -1, afterUnmark = -1;
  run.When(Picking, [] {
    R::ClickNumber(5);
    R::ClickNumber(17);
  });
  run.When([] { return R::Record()->count == 2; }, [] {});
  run.When(R::AfterFrames(3), [&] {
    afterTwo = IsButtonEnabled(pd::kButtonShoot);
    R::ClickNumber(64);
  });
  run.When([] { return R::Record()->count == 3; }, [] {});
  run.When(R::AfterFrames(3), [&] {
    afterThree = IsButtonEnabled(pd::kButtonShoot);
    R::ClickNumber(17);
  });
  run.When([] { return R::Record()->count == 2; }, [] {});
  run.When(R::AfterFrames(3), [&] {
    afterUnmark = IsButtonEnabled(pd::kButtonShoot);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(afterTwo, 0);
  EXPECT_EQ(afterThree, 1);
  EXPECT_EQ(afterUnmark, 0);
}

TEST(KenoProgram, ElevenClicksMarkTenWithOneBox) {
  KenoRun run;
  int count = 0;
  run.When(Picking, [] {
    for (int n = 1; n <= 11; ++n) R::ClickNumber(n * 7);
  });
  run.Then([&] {
    count = R::Record()->count;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(count, 10);
  EXPECT_EQ(BoxesSaying("You must only choose between 3 and 10 numbers"), 1);
}

// Shoot taken while a third number is unmarked in the same moment: the
// check refuses it and nothing goes to the server.
TEST(KenoProgram, ShootWithTwoNumbersShowsTheMinimumAndSendsNothing) {
  KenoRun run;
  run.When(Picking, [] {
    R::ClickNumber(1);
    R::ClickNumber(2);
    R::ClickNumber(3);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] {
    R::ClickNumber(3);
    R::ClickButton(pd::kButtonShoot);
  });
  run.Then([] {});
  run.Then(Quit);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(BoxesSaying("The minimum numbers to bet on is 3!"), 1);
  EXPECT_FALSE(run.Sent(1, "SHOOT"));
}

// Picks 80, 3 and 41 at $5; the draw hits 3 of them: $5 on 3 numbers with 3
// matched returns 5 x 50 = 250, the balance 1000 - 5 + 250.
TEST(KenoProgram, BetListOfEightyThreeFortyOneAtFiveSettlesTheWin) {
  KenoRun run;
  const std::vector<int> picks = {80, 3, 41};
  R::QueueNumbers(DrawHitting(picks, 3));
  double moneyAfter = 0;
  int winReturn = 0;
  run.When(Picking, [&] {
    for (int n : picks) R::ClickNumber(n);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
  run.When([] { return R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonNewGame); }, [&] {
    winReturn = R::Record()->winReturn;
    R::ClickButton(pd::kButtonNewGame);
  });
  run.When(Picking, [&] {
    moneyAfter = R::Record()->money;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(SentDecoded(run, "BETLIST=3,5,3,41,80,0,0,0,0,0,0,0"));
  EXPECT_EQ(winReturn, 250);
  EXPECT_DOUBLE_EQ(moneyAfter, 1245.0);
}

// The space bar brings nothing back in the first game of a run; in the
// second it marks the last numbers again and presses their stake.
TEST(KenoProgram, SpaceRebetsOnlyFromTheSecondGame) {
  KenoRun run;
  const std::vector<int> picks = {10, 20, 30, 40};
  R::QueueNumbers(DrawHitting(picks, 0));
  int firstCount = -1;
  std::vector<int> second;
  int secondStake = 0;
  run.When(Picking, [] {
    R::ClickButton(pd::kButtonStake10);
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
  });
  run.Then([&] {
    firstCount = R::Record()->count;
    for (int n : picks) R::ClickNumber(n);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
  run.When([] { return R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonNewGame); },
           [] { plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE); });
  run.When(Picking, [] { plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE); });
  run.Then([&] {
    for (int n = 1; n <= 80; ++n) {
      if (R::Record()->board[n] == n) second.push_back(n);
    }
    secondStake = R::Record()->stake;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(firstCount, 0);
  EXPECT_EQ(second, picks);
  EXPECT_EQ(secondStake, 10);
}

// The options dialog shows the Keno switches; turning the New Game button
// off reaches "Keno.cfg", the bowl staying on.
TEST(KenoProgram, OptionsReachKenoCfg) {
  KenoRun run;
  plat::headless::SetDialogHandler([](int id, plat::HWND dialog) {
    EXPECT_EQ(id, 106);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 1014), plat::BST_CHECKED);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 1016), plat::BST_CHECKED);
    plat::headless::ClickControl(dialog, 1014);
    plat::headless::ClickControl(dialog, plat::IDOK);
  });
  run.When(Picking, [] { R::ClickButton(pd::kButtonOptions); });
  run.When([] { return plat::headless::Dialogs().size() == 1; }, Quit);
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(plat::headless::Dialogs().size(), 1u);
  EXPECT_EQ(plat::headless::Dialogs()[0].title, "Keno Configuration");
  EXPECT_EQ(ReadFile("Keno.cfg"), std::string("\0\1\0\0", 4));
}

// A file shorter than its 4 bytes keeps both defaults; a whole one is taken.
TEST(KenoProgram, KenoCfgShortFileKeepsTheDefaults) {
  for (const std::string& file : {std::string("\0", 1), std::string("\0\0\0\0", 4)}) {
    KenoRun run;
    WriteFile("Keno.cfg", file);
    pd::KenoOptions seen{};
    run.When(Picking, [&] {
      seen = pd::gKenoOptions;
      Quit();
    });
    EXPECT_EQ(run.Run(), 0);
    const int whole = file.size() == 4;
    EXPECT_EQ(seen.newGameButton, whole ? 0 : 1);
    EXPECT_EQ(seen.bowl, whole ? 0 : 1);
    EXPECT_EQ(ReadFile("Keno.cfg"), whole ? file : std::string("\1\1\0\0", 4));
  }
}

}  // namespace

namespace {

// A main client that stops answering the alive query ends the program after
// its "ERROR" box, as every program's loop does; the window does not stay.
TEST(KenoProgram, LostMainClientEndsTheProgramAfterTheErrorBox) {
  KenoRun run;
  run.When(Picking, [] { TheScriptedMainClient().aliveAnswer = 0; });
  EXPECT_EQ(run.Run(), 0);
  int shown = 0;
  for (const auto& box : MessageBoxes()) {
    if (box.text == "Connection with mainclient is lost" && box.caption == "ERROR") ++shown;
  }
  EXPECT_EQ(shown, 1);
}

}  // namespace

namespace {

// With the New Game button off any click ends the shown game; a close asked
// for during the draw, while Quit is off, is refused with its box.
TEST(KenoProgram, WithoutNewGameAClickGoesOnAndNoQuitDuringTheDraw) {
  KenoRun run;
  WriteFile("Keno.cfg", std::string("\0\1\0\0", 4));
  R::QueueNumbers(DrawHitting({6, 16, 26}, 1));
  int newGameShown = -1;
  run.When(Picking, [] {
    for (int n : {6, 16, 26}) R::ClickNumber(n);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
  run.When([] { return R::InState(pd::kDrawing); }, Quit);
  run.When([] { return R::InState(pd::kWaitNextGame); }, [] {});
  run.When(R::AfterFrames(3), [&] {
    newGameShown = IsButtonEnabled(pd::kButtonNewGame);
    R::ClickButton(pd::kButtonStatusBar);
  });
  run.When([] { return Picking() && R::Record()->lastStake != 0; }, Quit);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(newGameShown, 0);
  EXPECT_EQ(BoxesSaying("You can't quit at this point"), 1);
  EXPECT_EQ(BoxesSaying("Return to main menu?"), 1);
}

}  // namespace

namespace {

// Enter shoots once Shoot is on, 'o' opens the options, Help opens pd.htm.
TEST(KenoProgram, KeysShootOpenTheOptionsAndHelpOpensItsPage) {
  KenoRun run;
  R::QueueNumbers(DrawHitting({9, 19, 29}, 0));
  run.When(Picking, [] {
    plat::headless::PostChar(gMainWindow, 'o', plat::FALSE);
    R::ClickButton(pd::kButtonHelp);
    for (int n : {9, 19, 29}) R::ClickNumber(n);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; },
           [] { plat::headless::PostKey(gMainWindow, plat::VK_RETURN, plat::TRUE, plat::FALSE); });
  run.When([] { return R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonNewGame); }, Quit);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(run.Sent(1, "SHOOT"));
  ASSERT_EQ(plat::headless::Dialogs().size(), 1u);
  EXPECT_EQ(plat::headless::Dialogs()[0].title, "Keno Configuration");
  ASSERT_EQ(plat::headless::ShellOpens().size(), 1u);
  EXPECT_NE(plat::headless::ShellOpens()[0].find("pd.htm"), std::string::npos);
}

}  // namespace
