// The whole Baccarat program (its real entry through the shell) on the
// headless backend, played by scripted clicks and keys against a scripted
// main client: coups to the cent with what the table shows, the chip
// selection, the table limits, the rebet, the options file, the animations
// and the checks of the server's answers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/shell/Random.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "kw/CardGameShell.h"
#include "kw/Cards.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "sq/BaccaratBetting.h"
#include "sq/BaccaratButtons.h"
#include "sq/BaccaratClient.h"
#include "sq/BaccaratTable.h"
#include "sq/BaccaratTableLayout.h"
#include "tests/sq/BaccaratRun.h"
#include "tests/support/KilledRun.h"
#include "tests/support/SavedServer.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

namespace {

using kw::CardId;
using plat::headless::MessageBoxes;
using R = BaccaratRun;

sq::BaccaratClientRecord* Record() { return R::Record(); }
bool Betting() { return R::InState(sq::kBetting) && sq::BettingOpen(); }
auto Stakes(double player, double banker, double tie) {
  return [=] {
    const sq::BaccaratClientRecord* r = Record();
    return r != nullptr && r->bets[0] == player && r->bets[1] == banker && r->bets[2] == tie;
  };
}
int AnswerOk(const plat::headless::MessageBoxRecord&) { return plat::IDOK; }
void Close() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }
void Key(plat::WPARAM key) {
  plat::headless::PostKey(gMainWindow, key, plat::TRUE, plat::FALSE);
  plat::headless::PostKey(gMainWindow, key, plat::FALSE, plat::FALSE);
}
double Account() {
  double account = 0.0;
  dbGetBalance(1, &account);
  return account;
}
bool Sent(const R& run, int channel, const std::string& piece) {
  for (const RelayedPacket& p : run.packets) {
    if (p.channel == channel && p.text.find(piece) != std::string::npos) return true;
  }
  return false;
}
// The background layer against the picture, by palette index.
bool DrawnAs(int x, int y, int sourceX, int sourceY) {
  return *gScreen.Background().PixelAddress(x, y) == *gPicture.PixelAddress(sourceX, sourceY);
}
bool ShowsFace(int id, int place) {
  const sq::Point at = sq::kCardPlaces[place];
  const sq::Point face = sq::kCardFaces[id];
  return DrawnAs(at.x + 6, at.y + 10, face.x + 6, face.y + 10) && DrawnAs(at.x + 3, at.y + 3, face.x + 3, face.y + 3);
}
bool ShowsTable(sq::Point at) { return DrawnAs(at.x + 10, at.y + 10, at.x + 10, at.y + 10); }

// Player 4 + 5 = 9 (a natural) against the Banker's king + 7 = 7: nobody
// draws and the Player wins.
constexpr CoupDeal kPlayerNatural = {CardId(4, 0), CardId(5, 1), CardId(13, 2), CardId(7, 3), CardId(2, 0), CardId(3, 0)};
// 3 + 4 = 7 against 2 + 5 = 7: both stand, a tie.
constexpr CoupDeal kTieOfSevens = {CardId(3, 0), CardId(4, 1), CardId(2, 2), CardId(5, 3), CardId(9, 0), CardId(9, 1)};
// Player 2 + 3 = 5 draws a 4: 9. Banker 10 + 3 = 3 draws on a Player's 4:
// a 5 makes 8. The Player wins 9 to 8.
constexpr CoupDeal kBothDraw = {CardId(2, 0), CardId(3, 1), CardId(10, 2), CardId(3, 3), CardId(4, 0), CardId(5, 1)};
// Banker 6 + 2 = 8 (a natural) against Player 10 + 5 = 5: the Banker wins.
constexpr CoupDeal kBankerNatural = {CardId(10, 0), CardId(5, 1), CardId(6, 2), CardId(2, 3), CardId(7, 0), CardId(8, 1)};

}  // namespace

// $25 on the Player by the $25 chip; the Player's natural 9 beats 7 and
// pays even money: 1000 - 25 + 50 = 1025, "You won $25.00". Neither side
// draws, so both third cards come as 100 and the two-card totals stay.
TEST(BaccaratProgram, PlayerNaturalPaysEvenMoneyToTheCent) {
  R run;
  R::QueueCoup(kPlayerNatural);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] {
    EXPECT_EQ(Record()->chipSelection, 1);  // the $5 chip at 1000
    EXPECT_EQ(sq::gBaccaratButtons[sq::kButtonDeal].enabled, 0);
    R::ClickButton(sq::kButtonChip1 + 2);
  });
  run.When([] { return Record()->chipSelection == 2; }, [] { R::ClickButton(sq::kButtonPlayer); });
  run.When(Stakes(25, 0, 0), [] {
    EXPECT_EQ(sq::gBaccaratButtons[sq::kButtonDeal].enabled, 1);
    R::ClickButton(sq::kButtonDeal);
  });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] {
    const sq::CoupCards& c = Record()->coup;
    EXPECT_EQ(c.cards[sq::kPlayerThird], sq::kNotDrawn);
    EXPECT_EQ(c.cards[sq::kBankerThird], sq::kNotDrawn);
    EXPECT_EQ(c.result, sq::kPlayerStakeWon);
    EXPECT_EQ(c.winner, sq::kPlayerWins);
    EXPECT_DOUBLE_EQ(c.win, 50.0);
    EXPECT_DOUBLE_EQ(Record()->money, 1025.0);
    EXPECT_TRUE(ShowsFace(kPlayerNatural[0], 0));
    EXPECT_TRUE(ShowsFace(kPlayerNatural[1], 1));
    EXPECT_TRUE(ShowsFace(kPlayerNatural[2], 3));
    EXPECT_TRUE(ShowsFace(kPlayerNatural[3], 4));
    // The third card's place, where card 2 does not lie over it.
    EXPECT_TRUE(DrawnAs(sq::kCardPlaces[2].x + 48, sq::kCardPlaces[2].y + 20, sq::kCardPlaces[2].x + 48,
                        sq::kCardPlaces[2].y + 20));
    // The win of 25 as one $25 chip beside the stake.
    const ButtonSource chip25 = sq::ChipSprite(2);
    const sq::Point at = sq::kWinSpots[sq::kAreaPlayer];
    EXPECT_TRUE(DrawnAs(at.x + gz::StackJitter(0, 0) + 16, at.y + 22, chip25.x + 16, chip25.y + 22));
    R::ClickButton(sq::kButtonNewGame);
  });
  run.When(Betting, [] {
    for (const sq::Point place : sq::kCardPlaces) EXPECT_TRUE(ShowsTable(place));
    EXPECT_DOUBLE_EQ(Record()->lastBets[0], 25.0);
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(Sent(run, 1, "BETS=25.000000,0.000000,0.000000"));
  EXPECT_DOUBLE_EQ(Account(), 1025.0);
}

// 3 at CLIENTINIT selects the $1 chip, and being below the $5 minimum shows
// the low-balance box at BEGINPLAY; 0.50 selects none.
TEST(BaccaratProgram, ChipSelectedAtLowBalancesAndTheLowBalanceBox) {
  for (const double money : {3.0, 0.5}) {
    R run;
    run.startMoney = money;
    plat::headless::SetMessageBoxHandler(AnswerOk);
    run.When(Betting, [money] {
      EXPECT_EQ(Record()->chipSelection, money >= 1.0 ? 0 : sq::kNoChip) << money;
      EXPECT_TRUE(BoxSaid("Your credit balance is low."));
      Close();
    });
    EXPECT_EQ(run.Run(), 0);
  }
}

// Without a stake neither Deal nor the D key starts a coup; with one the
// d key does.
TEST(BaccaratProgram, DealNeedsAStake) {
  R run;
  R::QueueCoup(kPlayerNatural);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  int tries = 0;
  run.When(Betting, [] {
    R::ClickButton(sq::kButtonDeal);
    plat::headless::PostChar(gMainWindow, 'D', plat::FALSE);
  });
  run.When([&tries] { return ++tries > 20; }, [] {
    EXPECT_TRUE(Betting());
    EXPECT_EQ(Record()->dealRequest, 0);
    R::ClickButton(sq::kButtonBanker);
  });
  run.When(Stakes(0, 5, 0), [] { plat::headless::PostChar(gMainWindow, 'd', plat::FALSE); });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] {
    EXPECT_EQ(Record()->coup.result, sq::kNoStakeWon);  // the Player won; the Banker stake is lost
    EXPECT_DOUBLE_EQ(Record()->money, 995.0);
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 995.0);
}

// $400 on the Player: the $500 chip on the Banker is refused with "You have
// bet your maximum"; a $100 chip fills the table to 500 and any further
// chip is refused.
TEST(BaccaratProgram, TableMaximum) {
  R run;
  run.startMoney = 3000.0;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonChip1 + 3); });
  for (int n = 0; n < 4; ++n) {
    run.When(Stakes(100.0 * n, 0, 0), [] { R::ClickButton(sq::kButtonPlayer); });
  }
  run.When(Stakes(400, 0, 0), [] { R::ClickButton(sq::kButtonChip1 + 4); });
  run.When([] { return Record()->chipSelection == 4; }, [] { R::ClickButton(sq::kButtonBanker); });
  run.When([] { return MessageBoxes().size() == 1; }, [] {
    EXPECT_EQ(MessageBoxes()[0].text, "You have bet your maximum");
    EXPECT_EQ(MessageBoxes()[0].caption, "Bet Error");
    R::ClickButton(sq::kButtonChip1 + 3);
  });
  run.When([] { return Record()->chipSelection == 3; }, [] { R::ClickButton(sq::kButtonBanker); });
  run.When(Stakes(400, 100, 0), [] { R::ClickButton(sq::kButtonTie); });
  run.When([] { return MessageBoxes().size() == 2; }, [] {
    EXPECT_TRUE(Stakes(400, 100, 0)());
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 3000.0);
}

// With $3 left after the stakes the $5 chip adds nothing and says nothing;
// a $25 right click on a $10 stake leaves 0.
TEST(BaccaratProgram, ShortMoneyAndALargerChipOff) {
  R run;
  run.startMoney = 28.0;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonChip1 + 2); });
  run.When([] { return Record()->chipSelection == 2; }, [] { R::ClickButton(sq::kButtonPlayer); });
  run.When(Stakes(25, 0, 0), [] {
    EXPECT_EQ(Record()->chipSelection, 0);  // $3 left: the selection falls to $1
    EXPECT_EQ(sq::AddChipToBet(Record(), 5, sq::kAreaBanker), 0);
    EXPECT_TRUE(MessageBoxes().empty());
    R::RightClickButton(sq::kButtonPlayer);
  });
  run.When(Stakes(24, 0, 0), [] {
    Record()->bets[sq::kAreaPlayer] = 10.0;
    Record()->betsOnTable = 10.0;
    sq::SelectChip(Record(), 2);
    R::RightClickButton(sq::kButtonPlayer);
  });
  run.When(Stakes(0, 0, 0), Close);
  EXPECT_EQ(run.Run(), 0);
}

// A tie without a Tie stake returns the Banker stake and shows no win; a
// tie with a Tie stake pays it 8 to 1 and returns the Player stake:
// 1000 - 15 + 45 + 10 = 1040.
TEST(BaccaratProgram, TiesWithAndWithoutATieStake) {
  R run;
  R::QueueCoup(kTieOfSevens);
  R::QueueCoup(kTieOfSevens);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonBanker); });
  run.When(Stakes(0, 5, 0), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] {
    EXPECT_EQ(Record()->coup.result, sq::kNoStakeWon);
    EXPECT_EQ(Record()->coup.winner, sq::kTie);
    EXPECT_DOUBLE_EQ(Record()->money, 1000.0);
    EXPECT_TRUE(ShowsTable(sq::kWinAreas[sq::kAreaBanker]));
    R::ClickButton(sq::kButtonNewGame);
  });
  run.When(Betting, [] { R::RightClickButton(sq::kButtonBanker); });
  run.When(Stakes(0, 0, 0), [] { R::ClickButton(sq::kButtonTie); });
  run.When(Stakes(0, 0, 5), [] { R::ClickButton(sq::kButtonPlayer); });
  run.When(Stakes(5, 0, 5), [] { R::ClickButton(sq::kButtonPlayer); });
  run.When(Stakes(10, 0, 5), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] {
    EXPECT_EQ(Record()->coup.result, sq::kTieStakeWon);
    EXPECT_DOUBLE_EQ(Record()->coup.win, 45.0);
    EXPECT_DOUBLE_EQ(Record()->money, 1040.0);
    R::ClickButton(sq::kButtonNewGame);
  });
  run.When(Betting, Close);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 1040.0);
}

// Both sides draw: the third cards land at their places and the final
// totals (9 and 8) stand; the Player's $5 is paid.
TEST(BaccaratProgram, ThirdCardsAreDealtAndCalled) {
  R run;
  R::QueueCoup(kBothDraw);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonPlayer); });
  run.When(Stakes(5, 0, 0), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] {
    EXPECT_TRUE(ShowsFace(kBothDraw[4], 2));
    EXPECT_TRUE(ShowsFace(kBothDraw[5], 5));
    EXPECT_EQ(Record()->coup.result, sq::kPlayerStakeWon);
    EXPECT_DOUBLE_EQ(Record()->money, 1005.0);
    R::ClickButton(sq::kButtonNewGame);
  });
  run.When(Betting, Close);
  EXPECT_EQ(run.Run(), 0);
  bool called[2] = {false, false};
  for (const plat::headless::SoundRecord& s : plat::headless::Sounds()) {
    if (s.name.find("sq_1ply") != std::string::npos) called[0] = true;
    if (s.name.find("sq_1bnk") != std::string::npos) called[1] = true;
  }
  EXPECT_TRUE(called[0] && called[1]);
}

// The win message's own text: $15 on the Banker's natural is paid 15 x 1.95
// = 29.25, so the status line says "You won $14.25" (the win less the
// stake). The line is compared with the same text drawn by the status line
// itself, and a cent more must look different. The 25 cents over $14 lie
// on the stack as the fraction chip.
TEST(BaccaratProgram, WinMessageSaysTheWinLessTheStakeToTheCent) {
  R run;
  R::QueueCoup(kBankerNatural);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonBanker); });
  run.When(Stakes(0, 5, 0), [] { R::ClickButton(sq::kButtonBanker); });
  run.When(Stakes(0, 10, 0), [] { R::ClickButton(sq::kButtonBanker); });
  run.When(Stakes(0, 15, 0), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] {
    const std::vector<std::uint8_t> shown = LayerPixels(gScreen.Front());
    PrintStatusMsg("%s", "Press new game to continue - You won $14.25");
    EXPECT_TRUE(LayerPixels(gScreen.Front()) == shown);
    PrintStatusMsg("%s", "Press new game to continue - You won $14.26");
    EXPECT_FALSE(LayerPixels(gScreen.Front()) == shown);
    // 14.25: two $5, four $1 and the fraction chip, the seventh from the bottom.
    const sq::Point at = sq::kWinSpots[sq::kAreaBanker];
    EXPECT_TRUE(DrawnAs(at.x + gz::StackJitter(0, 6) + 16, at.y - 24 + 4, sq::kFractionChip.x + 16,
                        sq::kFractionChip.y + 4));
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 1014.25);
}

// The Banker's natural pays $10 at 0.95: a win of 9.50 beside the stake,
// its top chip the fraction chip; space then rebets the $10 unchanged and
// does nothing a second time.
TEST(BaccaratProgram, BankerWinShowsAFractionChipAndSpaceRebets) {
  R run;
  R::QueueCoup(kBankerNatural);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonBanker); });
  run.When(Stakes(0, 5, 0), [] { R::ClickButton(sq::kButtonBanker); });
  run.When(Stakes(0, 10, 0), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] {
    EXPECT_EQ(Record()->coup.result, sq::kBankerStakeWon);
    EXPECT_DOUBLE_EQ(Record()->money, 1009.5);
    // 9.50: a $5, four $1 and the fraction chip, the sixth from the bottom.
    const sq::Point at = sq::kWinSpots[sq::kAreaBanker];
    EXPECT_TRUE(DrawnAs(at.x + gz::StackJitter(0, 5) + 16, at.y - 20 + 4, sq::kFractionChip.x + 16,
                        sq::kFractionChip.y + 4));
    R::ClickButton(sq::kButtonNewGame);
  });
  run.When(Betting, [] {
    EXPECT_TRUE(sq::CanRebet(*Record()));
    Key(plat::VK_SPACE);
  });
  run.When(Stakes(0, 10, 0), [] {
    EXPECT_FALSE(sq::CanRebet(*Record()));
    EXPECT_EQ(Record()->chipSelection, 1);
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 1009.5);
}

// With every dollar on the table no chip is selected, so a rebet could not
// log the stake there off: space leaves the table as it is.
TEST(BaccaratProgram, SpaceLeavesAStakeNoChipCanTakeOff) {
  R run;
  run.startMoney = 20.0;
  R::QueueCoup(kPlayerNatural);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonPlayer); });
  run.When(Stakes(5, 0, 0), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] { R::ClickButton(sq::kButtonNewGame); });
  run.When(Betting, [] {
    R::ClickButton(sq::kButtonChip1 + 2);
    R::ClickButton(sq::kButtonTie);
  });
  run.When(Stakes(0, 0, 25), [] {
    EXPECT_EQ(Record()->chipSelection, sq::kNoChip);
    EXPECT_FALSE(sq::CanRebet(*Record()));
    Key(plat::VK_SPACE);
  });
  run.When(R::AfterFrames(10), [] {
    EXPECT_TRUE(Stakes(0, 0, 25)());
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 25.0);
}

// Esc while the cards are dealt: "You can't quit at this point".
TEST(BaccaratProgram, EscWhileDealing) {
  R run;
  R::QueueCoup(kPlayerNatural);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonPlayer); });
  run.When(Stakes(5, 0, 0), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([] { return R::InState(sq::kDealCards); }, [] { Key(plat::VK_ESCAPE); });
  run.When([] { return BoxSaid("You can't quit at this point"); }, [] {});
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] { R::ClickButton(sq::kButtonNewGame); });
  run.When(Betting, Close);
  EXPECT_EQ(run.Run(), 0);
}

// Exit stays open from the coup's end to the next betting: Esc while the
// stakes are paid out asks the quit question, and OK ends the game once the
// round is over.
TEST(BaccaratProgram, EscDuringThePayoutAsksToQuit) {
  R run;
  R::QueueCoup(kPlayerNatural);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(sq::kButtonPlayer); });
  run.When(Stakes(5, 0, 0), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([] { return R::InState(sq::kWaitNewGame); }, [] { R::ClickButton(sq::kButtonNewGame); });
  run.When([] { return R::InState(sq::kPayout); }, [] {
    EXPECT_EQ(sq::gBaccaratButtons[sq::kButtonExit].enabled, 1);
    Key(plat::VK_ESCAPE);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(BoxSaid("Return to main menu?"));
  EXPECT_FALSE(BoxSaid("You can't quit at this point"));
  EXPECT_TRUE(Sent(run, 1, "CLIENTEXIT"));
  EXPECT_DOUBLE_EQ(Account(), 1005.0);
}

// The same coup with animations on and off leaves the same two layers at
// the result and at the next betting.
TEST(BaccaratProgram, AnimationsOnAndOffEndOnTheSameTable) {
  std::vector<std::uint8_t> layers[2][2];
  for (int animated = 0; animated < 2; ++animated) {
    R run;
    R::QueueCoup(kBothDraw);
    plat::headless::SetMessageBoxHandler(AnswerOk);
    auto take = [&layers, animated](int stage) {
      layers[animated][stage] = LayerPixels(gScreen.Background());
      const std::vector<std::uint8_t> front = LayerPixels(gScreen.Front());
      layers[animated][stage].insert(layers[animated][stage].end(), front.begin(), front.end());
    };
    run.When(Betting, [animated] {
      gCasinoCfg.showAnimations = static_cast<std::uint16_t>(animated);
      SeedRandomWith(7);
      gz::JitterChipStacks();
      R::ClickButton(sq::kButtonPlayer);
    });
    run.When(Stakes(5, 0, 0), [] { R::ClickButton(sq::kButtonTie); });
    run.When(Stakes(5, 0, 5), [] { R::ClickButton(sq::kButtonDeal); });
    run.When([] { return R::InState(sq::kWaitNewGame); }, [take] {
      take(0);
      R::ClickButton(sq::kButtonNewGame);
    });
    run.When([] { return R::InState(sq::kBuildEndPlay) || R::InState(sq::kSendEndPlay); }, [take] { take(1); });
    run.When(Betting, Close);
    EXPECT_EQ(run.Run(), 0);
  }
  for (int stage = 0; stage < 2; ++stage) ExpectSameLayer(layers[1][stage], layers[0][stage], "table");
}

// "Baccarat.cfg": voice off and New Game on read from the file; no voice
// plays, the totals wait 50 frames; the dialog switches New Game off and the
// file written at exit holds both words.
TEST(BaccaratProgram, BaccaratCfgRoundTripAndTheDialog) {
  R run;
  R::QueueCoup(kPlayerNatural);
  WriteFile(run.Root() + "/games/baccarat/Baccarat.cfg", std::string("\0\0\1\0", 4));
  plat::headless::SetMessageBoxHandler(AnswerOk);
  plat::headless::SetDialogHandler([](int id, plat::HWND dialog) {
    EXPECT_EQ(id, 106);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 105), plat::BST_UNCHECKED);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 1010), plat::BST_CHECKED);
    char label[64] = {};
    plat::GetDlgItemText(dialog, 1010, label, sizeof label);
    EXPECT_STREQ(label, "&Enable New Game button");
    plat::headless::ClickControl(dialog, 1010);
    plat::headless::ClickControl(dialog, plat::IDOK);
  });
  int announceFrames = 0;
  run.When(Betting, [] {
    EXPECT_EQ(kw::gCardGameOptions.voice, 0);
    EXPECT_EQ(kw::gCardGameOptions.newGameButton, 1);
    R::ClickButton(sq::kButtonPlayer);
  });
  run.When(Stakes(5, 0, 0), [] { R::ClickButton(sq::kButtonDeal); });
  run.When([&announceFrames] {
    if (R::InState(sq::kAnnounce)) ++announceFrames;
    return R::InState(sq::kWaitNewGame);
  }, [] { R::ClickButton(sq::kButtonNewGame); });
  run.When(Betting, [] { R::ClickButton(sq::kButtonOptions); });
  run.When([] { return plat::headless::Dialogs().size() == 1; }, Close);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_GE(announceFrames, sq::kTotalsPauseFrames);
  for (const plat::headless::SoundRecord& s : plat::headless::Sounds()) {
    EXPECT_EQ(s.name.find("sq_plyh"), std::string::npos);
    EXPECT_EQ(s.name.find("c_Place"), std::string::npos);
  }
  ASSERT_EQ(plat::headless::Dialogs().size(), 1u);
  EXPECT_EQ(plat::headless::Dialogs()[0].title, "Baccarat Configuration");
  EXPECT_EQ(ReadFile(run.Root() + "/games/baccarat/Baccarat.cfg"), std::string("\0\0\0\0", 4));
}

// Without "Baccarat.cfg" both switches are on and the file is written.
TEST(BaccaratProgram, MissingBaccaratCfgKeepsBothOn) {
  R run;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] {
    EXPECT_EQ(kw::gCardGameOptions.voice, 1);
    EXPECT_EQ(kw::gCardGameOptions.newGameButton, 1);
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(ReadFile(run.Root() + "/games/baccarat/Baccarat.cfg"), std::string("\1\0\1\0", 4));
}

// The server's answers as the client checks them: each bad one ends in the
// "FATAL ERROR" box with the check's text.
enum Choice : int { kNone, kDeal, kDealAndContinue, kLeave };
struct BadAnswer {
  const char* from;  // a piece of the server's packet
  const char* to;    // what it becomes
  int choice;        // Choice
  const char* text;  // the box's client line
};
class BaccaratAnswerCheck : public ::testing::TestWithParam<BadAnswer> {};

TEST_P(BaccaratAnswerCheck, EndsInTheFatalBoxWithItsText) {
  const BadAnswer bad = GetParam();
  R run;
  R::QueueCoup(kPlayerNatural);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  TheScriptedMainClient().filter = [bad](int channel, std::string& text) {
    const std::size_t at = text.find(bad.from);
    if (channel == 2 && at != std::string::npos) text.replace(at, std::strlen(bad.from), bad.to);
    return static_cast<int>(kRelayPass);
  };
  if (bad.choice == kLeave) {
    run.When(Betting, Close);
  } else if (bad.choice != kNone) {
    run.When(Betting, [] { R::ClickButton(sq::kButtonPlayer); });
    run.When(Stakes(5, 0, 0), [] { R::ClickButton(sq::kButtonDeal); });
  }
  if (bad.choice == kDealAndContinue) {
    run.When([] { return R::InState(sq::kWaitNewGame); }, [] { R::ClickButton(sq::kButtonNewGame); });
  }
  run.Run();
  ASSERT_FALSE(MessageBoxes().empty());
  const plat::headless::MessageBoxRecord& box = MessageBoxes().back();
  EXPECT_EQ(box.caption, "FATAL ERROR");
  EXPECT_EQ(box.text.substr(0, box.text.find('\n')), std::string("CLIENT: ") + bad.text);
}

// kPlayerNatural's CARDS with $5 on the Player: "2,16,37,44,100,100,4,5,0,7,2,3,0,10.000000,0".
INSTANTIATE_TEST_SUITE_P(
    Answers, BaccaratAnswerCheck,
    ::testing::Values(
        BadAnswer{"command=CLIENTINITANSWER&answer=ok", "command=CLIENTINITANSWER&answer=no", kNone,
                  "WAITCLIENTINIT: Answer != ok"},
        BadAnswer{"command=CLIENTINITANSWER", "command=BEGINPLAYANSWER", kNone,
                  "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER"},
        BadAnswer{"MINBET=", "MINBAT=", kNone, "WAITCLIENTINITANSWER: Can't find tag MINBET"},
        BadAnswer{"MAXTABLE=", "MAXTABEL=", kNone, "WAITCLIENTINITANSWER: Can't find tag MAXTABLE"},
        BadAnswer{"MAXTABLE=500.000000", "MAXTABLE=lots", kNone, "WAITCLIENTINITANSWER: Can't get maxTable"},
        BadAnswer{"command=BEGINPLAYANSWER&answer=ok", "command=BEGINPLAYANSWER&answer=no", kNone,
                  "WAITBEGINPLAY: Answer != ok"},
        BadAnswer{"command=DEALANSWER&answer=ok", "command=DEALANSWER&answer=no", kDeal, "WAITDEAL: Answer != ok"},
        BadAnswer{"command=DEALANSWER", "command=ENDPLAYANSWER", kDeal,
                  "WAITDEAL: Invalid answerstring: wanted DEALANSWER"},
        BadAnswer{"CARDS=", "CARDZ=", kDeal, "WAITFIRSTDEAL: Can't find tag CARDS"},
        BadAnswer{"CARDS=2,", "CARDS=52,", kDeal, "WAITDEALANSWER: Can't convert cards and winamount"},
        BadAnswer{"CARDS=2,16,", "CARDS=2,100,", kDeal, "WAITDEALANSWER: Can't convert cards and winamount"},
        BadAnswer{",4,5,0,7,", ",4,15,0,7,", kDeal, "WAITDEALANSWER: Can't convert cards and winamount"},
        BadAnswer{",3,0,10.000000,0", ",3,4,10.000000,0", kDeal, "WAITDEALANSWER: Can't convert cards and winamount"},
        BadAnswer{",10.000000,0", ",10.000000,3", kDeal, "WAITDEALANSWER: Can't convert cards and winamount"},
        BadAnswer{",10.000000,0", ",10.000000", kDeal, "WAITDEALANSWER: Can't convert cards and winamount"},
        BadAnswer{"MONEYLEFT=", "MONEYRIGHT=", kDeal, "WAITDEAL: Can't find tag MONEYLEFT"},
        BadAnswer{"MONEYLEFT=", "MONEYLEFT=x", kDeal, "WAITDEAL: Can't get MONEYLEFT data"},
        BadAnswer{"command=ENDPLAYANSWER&answer=ok", "command=ENDPLAYANSWER&answer=no", kDealAndContinue,
                  "WAITENDPLAYANSWER: Answer != ok"},
        BadAnswer{"command=ENDPLAYANSWER&answer=ok", "command=ENDPLAYANSWER&answer=no", kLeave,
                  "WAITENDPLAYQUITANSWER: Answer != ok"},
        BadAnswer{"command=CLIENTEXITANSWER&answer=ok", "command=CLIENTEXITANSWER&answer=no", kLeave,
                  "WAITCLIENTEXITANSWER: Answer != ok"}));
