// The whole Black Jack program (its real entry through the shell) on the
// headless backend, played by scripted clicks against a scripted main
// client with fixed decks: a natural, a bust, a stand, a double, splits,
// insurance, the halved loss, the betting cases and the options file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "framework/link/Db.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackClient.h"
#include "hx/BlackJackFonts.h"
#include "hx/BlackJackLayout.h"
#include "hx/BlackJackTable.h"
#include "hx/art/BlackJackSheet.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"
#include "tests/hx/BlackJackRun.h"

namespace {

using plat::headless::MessageBoxes;
using R = BlackJackRun;

hx::BlackJackClientRecord* Rec() { return R::Record(); }
bool Betting() { return R::InState(hx::kBetting) && hx::BettingOpen(); }
bool Deciding() { return R::InState(hx::kDecide); }
bool Settled() { return R::InState(hx::kWaitContinue); }

// Yes to the insurance, OK to every other box.
int AnswerYes(const plat::headless::MessageBoxRecord& box) {
  return (box.type & plat::MB_YESNO) == plat::MB_YESNO ? plat::IDYES : plat::IDOK;
}

double Account() {
  double account = 0.0;
  dbGetBalance(1, &account);
  return account;
}

// A bet of 10 by two $5 chips, then Deal.
void BetTenAndDeal(BlackJackRun& run) {
  run.When(Betting, [] { R::ClickButton(hx::kButtonBet1 + 1); });
  run.When([] { return Rec()->bet == 5.0; }, [] { R::ClickButton(hx::kButtonBet1 + 1); });
  run.When([] { return Rec()->bet == 10.0; }, [] { R::ClickButton(hx::kButtonDeal); });
}

// At the settlement: the status text, then leave through Exit.
void LeaveAtSettlement(BlackJackRun& run, const char* text) {
  run.When(Settled, [text] {
    EXPECT_STREQ(Rec()->statusText, text);
    R::ClickButton(hx::kButtonExit);
  });
}

// A card under the next one of its row shows its left strip only.
bool ShowsCard(const hx::Card& card, hx::Point place, bool covered = false) {
  const hx::Point source = hx::CardFaceSource(card.suit, card.value);
  for (const hx::Point d : {hx::Point{3, 12}, hx::Point{8, 20}, hx::Point{26, 36}, hx::Point{45, 60}}) {
    if (covered && d.x >= 18) continue;
    if (R::ScreenPixel(place.x + d.x, place.y + d.y) != R::PictureColour(source.x + d.x, source.y + d.y)) return false;
  }
  return true;
}

// Stands on the first two cards; once the hand is settled, first was
// played to its end (not asynchronously) and then after it.
void StandAndExpectHeardInTurn(BlackJackRun& run, std::string first, std::string then) {
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonStand); });
  run.When(Settled, [first, then] {
    const auto& sounds = plat::headless::Sounds();
    std::size_t a = sounds.size(), b = sounds.size();
    for (std::size_t k = 0; k < sounds.size(); ++k) {
      if (sounds[k].name == first) a = k;
      if (sounds[k].name == then) b = k;
    }
    ASSERT_LT(a, b);
    EXPECT_EQ(sounds[a].flags & plat::SND_ASYNC, 0u);
    R::ClickButton(hx::kButtonExit);
  });
  EXPECT_EQ(run.Run(), 0);
}

}  // namespace

// An ace and a king against the dealer's 9: "Black Jack", a natural paid 3
// to 2 with no insurance asked and no hit: 10 wins 15.
TEST(BlackJackProgram, NaturalPaysThreeToTwo) {
  BlackJackRun run;
  run.decks = {"AS KH 9D"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Settled, [] {
    EXPECT_TRUE(ShowsCard({3, 1}, hx::CardPlace(hx::kRowSingle, 0), true));
    EXPECT_TRUE(ShowsCard({1, 13}, hx::CardPlace(hx::kRowSingle, 1)));
    EXPECT_TRUE(ShowsCard({0, 9}, hx::CardPlace(hx::kRowDealer, 0)));
    EXPECT_DOUBLE_EQ(Rec()->money, 1015.0);
  });
  LeaveAtSettlement(run, "You win $15.00");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 1015.0);
  EXPECT_TRUE(run.Sent(1, "INSURANCEFLAG=no"));
  EXPECT_FALSE(run.Sent(1, "command=PLAYERHIT"));
  EXPECT_TRUE(run.Sent(1, "BET=10.000000"));
  EXPECT_EQ(run.handBacks, 1);
  for (const auto& box : MessageBoxes()) EXPECT_NE(box.caption, "Insurance available");
}

// 16 against a 9; the hit brings an 8: bust, and the dealer's card comes
// with the bust answer. The stake is lost.
TEST(BlackJackProgram, HitToABustBringsTheDealersCard) {
  BlackJackRun run;
  run.decks = {"TS 6H 9D 8C 7S"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] {
    EXPECT_TRUE(IsButtonEnabled(hx::kButtonHit));
    EXPECT_TRUE(IsButtonEnabled(hx::kButtonStand));
    EXPECT_TRUE(IsButtonEnabled(hx::kButtonDouble));
    EXPECT_FALSE(IsButtonEnabled(hx::kButtonSplit));
    R::ClickButton(hx::kButtonHit);
  });
  run.When(Settled, [] {
    EXPECT_EQ(Rec()->dealer.count, 2);
    EXPECT_EQ(Rec()->dealer.cards[1].value, 7);
    EXPECT_TRUE(ShowsCard({2, 8}, hx::CardPlace(hx::kRowSingle, 2)));
    EXPECT_TRUE(ShowsCard({3, 7}, hx::CardPlace(hx::kRowDealer, 1)));
    EXPECT_DOUBLE_EQ(Rec()->piles[hx::kPileFirstStake], 0.0);
  });
  LeaveAtSettlement(run, "Dealer wins");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 990.0);
  EXPECT_FALSE(run.Sent(1, "command=WANTDEALERCARDS&") && false);
}

// 18 stands against a 9; the dealer draws an 8 and stands on 17.
TEST(BlackJackProgram, StandWinsAgainstTheDealersSeventeen) {
  BlackJackRun run;
  run.decks = {"TS 8H 9D 8C 5S"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonStand); });
  LeaveAtSettlement(run, "You win $10.00");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 1010.0);
}

// The dealer's 17 is spoken to its end before the win sounds: played
// alone, the result sound would cut it off at once.
TEST(BlackJackProgram, DealersTotalIsHeardBeforeTheResultSound) {
  BlackJackRun run;
  run.decks = {"TS 8H 9D 8C 5S"};
  StandAndExpectHeardInTurn(run, "../wav/c_17.wav", "../wav/c_plyw.wav");
}

// 11 doubles: the hit comes by itself, then the stand; 21 against the
// dealer's 17 wins twice the stake.
TEST(BlackJackProgram, DoubleHitsOnceThenStands) {
  BlackJackRun run;
  run.decks = {"5S 6H 9D TC 8S"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonDouble); });
  run.When(Settled, [] {
    EXPECT_EQ(Rec()->current.count, 3);
    EXPECT_DOUBLE_EQ(Rec()->money, 1020.0);
  });
  LeaveAtSettlement(run, "You win $20.00");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 1020.0);
  EXPECT_TRUE(run.Sent(1, "command=DOUBLE"));
  EXPECT_TRUE(run.Sent(1, "command=PLAYERHIT"));
  EXPECT_TRUE(run.Sent(1, "command=PLAYERSTAND"));
}

// A doubled 20 against the dealer's ten and ace: the server takes half the
// doubled stake, and the double pile stays on the table.
TEST(BlackJackProgram, HalvedLossLeavesTheDoublePile) {
  BlackJackRun run;
  run.decks = {"5S 6H TD 9C AS"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonDouble); });
  run.When(Settled, [] {
    EXPECT_DOUBLE_EQ(Rec()->piles[hx::kPileFirstStake], 0.0);
    EXPECT_DOUBLE_EQ(Rec()->piles[hx::kPileFirstDouble], 10.0);
    EXPECT_DOUBLE_EQ(Rec()->money, 990.0);
  });
  LeaveAtSettlement(run, "Dealer wins");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 990.0);
}

// Two eights split: 8-3 and 8-2 both stand, the pointer over each hand in
// turn; the dealer's 6, 10, 9 busts and both hands win.
TEST(BlackJackProgram, SplitOfEightsPlaysBothHands) {
  BlackJackRun run;
  run.decks = {"8S 8H 6D 3C 2S TD 9H"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] {
    EXPECT_TRUE(IsButtonEnabled(hx::kButtonSplit));
    R::ClickButton(hx::kButtonSplit);
  });
  run.When([] { return Deciding() && Rec()->splitState == 1; }, [] {
    EXPECT_EQ(Rec()->splitPhase, 1);
    EXPECT_EQ(Rec()->current.count, 2);
    EXPECT_EQ(Rec()->current.cards[1].value, 3);
    EXPECT_EQ(Rec()->pendingHand.cards[1].value, 2);
    EXPECT_DOUBLE_EQ(Rec()->piles[hx::kPileSecondStake], 10.0);
    EXPECT_TRUE(ShowsCard({3, 8}, hx::CardPlace(hx::kRowFirstSplit, 0), true));
    EXPECT_TRUE(ShowsCard({1, 8}, hx::CardPlace(hx::kRowSecondSplit, 0), true));
    EXPECT_FALSE(IsButtonEnabled(hx::kButtonSplit));
    R::ClickButton(hx::kButtonStand);
  });
  run.When([] { return Deciding() && Rec()->splitState == 2; }, [] {
    EXPECT_EQ(Rec()->splitPhase, 2);
    EXPECT_TRUE(ShowsCard({3, 2}, hx::CardPlace(hx::kRowSecondSplit, 1)));
    R::ClickButton(hx::kButtonStand);
  });
  run.When(Settled, [] { EXPECT_EQ(Rec()->splitPhase, 0); });
  LeaveAtSettlement(run, "You win $10.00 on hand 1 and $10.00 on hand 2");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 1020.0);
}

// Split aces take one card each and stand by themselves.
TEST(BlackJackProgram, SplitAcesStandByThemselves) {
  BlackJackRun run;
  run.decks = {"AS AH 6D 5C 9S TD 8H"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonSplit); });
  LeaveAtSettlement(run, "You win $10.00 on hand 1 and $10.00 on hand 2");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_FALSE(run.Sent(1, "command=PLAYERHIT"));
  EXPECT_DOUBLE_EQ(Account(), 1020.0);
}

// A split ace and king is 21, paid even money: its total is spoken as 21,
// never as a black jack.
TEST(BlackJackProgram, SplitAceAndKingIsSpokenAsTwentyOne) {
  BlackJackRun run;
  run.decks = {"AS AH 6D KC 9S TD 8H"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonSplit); });
  LeaveAtSettlement(run, "You win $10.00 on hand 1 and $10.00 on hand 2");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(Played("../wav/c_21.wav"));
  EXPECT_FALSE(Played("../wav/hx_bjack.wav"));
  EXPECT_DOUBLE_EQ(Account(), 1020.0);
}

// The dealer's ace with a stake of 10: money of 4.99 left makes no offer.
TEST(BlackJackProgram, InsuranceNeedsHalfTheStake) {
  BlackJackRun run;
  run.startMoney = 14.99;
  run.decks = {"TS 8H AD 7C"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonStand); });
  LeaveAtSettlement(run, "Push");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(run.Sent(1, "INSURANCEFLAG=no"));
  for (const auto& box : MessageBoxes()) EXPECT_NE(box.caption, "Insurance available");
}

// With 5.00 left the box asks; taken, insurance of 5 is won 2 to 1 against
// the dealer's natural while the 18 loses: 1000 - 10 + 10 = 1000.
TEST(BlackJackProgram, InsuranceTakenPaysAgainstANatural) {
  BlackJackRun run;
  run.startMoney = 15.0;
  run.decks = {"TS 8H AD KC"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] {
    EXPECT_DOUBLE_EQ(Rec()->piles[hx::kPileInsurance], 5.0);
    R::ClickButton(hx::kButtonStand);
  });
  LeaveAtSettlement(run, "Dealer wins");
  EXPECT_EQ(run.Run(), 0);
  bool asked = false;
  for (const auto& box : MessageBoxes()) {
    if (box.caption == "Insurance available") {
      asked = true;
      EXPECT_EQ(box.text, "Do you want to insurance?");
    }
  }
  EXPECT_TRUE(asked);
  EXPECT_TRUE(run.Sent(1, "INSURANCEFLAG=yes"));
  EXPECT_DOUBLE_EQ(Account(), 15.0);
}

// Against the dealer's natural the lost hand's sound is heard to its end,
// then the insurance win: played alone it was cut off by the second.
TEST(BlackJackProgram, InsuranceWinFollowsTheDealerWinsSound) {
  BlackJackRun run;
  run.startMoney = 15.0;
  run.decks = {"TS 8H AD KC"};
  StandAndExpectHeardInTurn(run, "../wav/c_dealrw.wav", "../wav/hx_iwin.wav");
}

// $25 on a bet of $490 with a maximum of $500 places $10; $24.50 of money
// enables only the $1 and $5 chips.
TEST(BlackJackProgram, BettingCases) {
  BlackJackRun run;
  plat::headless::SetMessageBoxHandler(AnswerYes);
  run.When(Betting, [] {
    for (int k = 0; k < 4; ++k) R::ClickButton(hx::kButtonBet1 + 3);
    for (int k = 0; k < 3; ++k) R::ClickButton(hx::kButtonBet1 + 2);
    for (int k = 0; k < 3; ++k) R::ClickButton(hx::kButtonBet1 + 1);
  });
  run.When([] { return Rec()->bet == 490.0; }, [] { R::ClickButton(hx::kButtonBet1 + 2); });
  run.When([] { return Rec()->bet == 500.0; }, [] { R::RightClickButton(hx::kButtonRebet); });
  run.When([] { return Rec()->bet == 0.0; }, [] { R::ClickButton(hx::kButtonExit); });
  EXPECT_EQ(run.Run(), 0);

  BlackJackRun poor;
  poor.startMoney = 24.5;
  plat::headless::SetMessageBoxHandler(AnswerYes);
  poor.When(Betting, [] {
    EXPECT_TRUE(IsButtonEnabled(hx::kButtonBet1));
    EXPECT_TRUE(IsButtonEnabled(hx::kButtonBet1 + 1));
    EXPECT_FALSE(IsButtonEnabled(hx::kButtonBet1 + 2));
    EXPECT_FALSE(IsButtonEnabled(hx::kButtonBet1 + 3));
    EXPECT_FALSE(IsButtonEnabled(hx::kButtonBet1 + 4));
    R::ClickButton(hx::kButtonExit);
  });
  EXPECT_EQ(poor.Run(), 0);
}

// The colours a font's glyph of ch is drawn in, its key left out.
std::set<plat::COLORREF> GlyphInk(const GlyphLayout& layout, const GlyphTable& glyphs, char ch) {
  const int word = GlyphWord(ch);
  const plat::COLORREF key = R::PictureColour(layout.x, layout.y);
  std::set<plat::COLORREF> ink;
  for (int y = 0; y < glyphs[0]; ++y) {
    for (int x = 0; x < glyphs[word + 2]; ++x) {
      const plat::COLORREF c = R::PictureColour(glyphs[word] + x, glyphs[word + 1] + y);
      if (c != key) ink.insert(c);
    }
  }
  return ink;
}

// How many pixels of the money area show one of these colours.
int MoneyPixelsIn(const std::set<plat::COLORREF>& colours) {
  int count = 0;
  for (int y = hx::kMoneyPlace.y; y < hx::kMoneyPlace.y + hx::kSmallFont[0]; ++y) {
    for (int x = hx::kMoneyPlace.x; x < hx::kMoneyPlace.x + 80; ++x) count += colours.count(R::ScreenPixel(x, y)) > 0;
  }
  return count;
}

// The balance is written in the table font, as the captions are, not in
// the status line's small font.
TEST(BlackJackProgram, MoneyIsDrawnInTheTableFont) {
  BlackJackRun run;
  plat::headless::SetMessageBoxHandler(AnswerYes);
  run.When(Betting, [] {
    const std::set<plat::COLORREF> table = GlyphInk(hx::kTableFontLayout, hx::kTableFont, '$');
    const std::set<plat::COLORREF> small = GlyphInk(hx::kSmallFontLayout, hx::kSmallFont, '$');
    ASSERT_FALSE(table.empty());
    for (plat::COLORREF c : table) ASSERT_EQ(small.count(c), 0u) << "the two fonts share an ink colour";
    EXPECT_GT(MoneyPixelsIn(table), 20);
    EXPECT_EQ(MoneyPixelsIn(small), 0);
    R::ClickButton(hx::kButtonExit);
  });
  EXPECT_EQ(run.Run(), 0);
}

// An answer to the start of a round that comes 30 s late fills the link-lag
// meter at (0, 458): all six levels, 40 columns of the picture's strip.
TEST(BlackJackProgram, ALateAnswerFillsTheLagMeter) {
  BlackJackRun run;
  plat::headless::SetMessageBoxHandler(AnswerYes);
  run.When([] { return R::InState(hx::kWaitBeginPlay); }, [] { plat::headless::AdvanceClock(30000); });
  run.When(Betting, [] {
    for (int x = 0; x < 40; ++x) {
      for (int y = 0; y < hx::kLagStripHeight; ++y) {
        ASSERT_EQ(R::ScreenPixel(x, 458 + y), R::PictureColour(hx::kLagStrip.x + x, hx::kLagStrip.y + y))
            << "column " << x << " row " << y;
      }
    }
    EXPECT_NE(R::PictureColour(hx::kLagStrip.x, hx::kLagStrip.y), R::PictureColour(0, 458));
    R::ClickButton(hx::kButtonExit);
  });
  EXPECT_EQ(run.Run(), 0);
}

// A bet below the minimum keeps the machine betting when Deal is pressed.
TEST(BlackJackProgram, BetBelowTheMinimumDoesNotDeal) {
  BlackJackRun run;
  plat::headless::SetMessageBoxHandler(AnswerYes);
  run.When(Betting, [] { R::ClickButton(hx::kButtonBet1); });
  run.When([] { return Rec()->bet == 1.0; }, [] {
    EXPECT_FALSE(IsButtonEnabled(hx::kButtonDeal));
    plat::headless::PostChar(gMainWindow, 'd', plat::FALSE);
  });
  run.Then([] {});
  run.When(Betting, [] { R::ClickButton(hx::kButtonExit); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_FALSE(run.Sent(1, "command=FIRSTDEAL"));
}

// The options dialog under its caption writes "HXack.cfg": voice 1, New
// Game button 0.
TEST(BlackJackProgram, OptionsDialogIsSavedInHXackCfg) {
  BlackJackRun run;
  plat::headless::SetMessageBoxHandler(AnswerYes);
  plat::headless::SetDialogHandler([](int id, plat::HWND dialog) {
    EXPECT_EQ(id, 106);
    plat::headless::ClickControl(dialog, 1010);
    plat::headless::ClickControl(dialog, plat::IDOK);
  });
  run.When(Betting, [] { R::ClickButton(hx::kButtonOptions); });
  run.When([] { return plat::headless::Dialogs().size() == 1; },
           [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(plat::headless::Dialogs().size(), 1u);
  EXPECT_EQ(plat::headless::Dialogs()[0].title, "Black Jack Configuration");
  std::ifstream file("HXack.cfg", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, std::string("\1\0\0\0", 4));
}


// A card value outside 1..13 in an answer is a conversion error, never an
// index into the card pictures: the hit's card read as 14 ends in the
// fatal box with the hit's own text.
TEST(BlackJackProgram, CardValueOutsideTheSuitIsAFatalError) {
  BlackJackRun run;
  run.decks = {"TS 6H 9D 8C 7S"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  TheScriptedMainClient().filter = [](int, std::string& text) {
    if (text.find("PLAYERHITANSWER") == std::string::npos) return static_cast<int>(kRelayPass);
    const std::size_t at = text.find("VALUE=8");
    if (at != std::string::npos) text.replace(at, 7, "VALUE=14");
    return static_cast<int>(kRelayPass);
  };
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonHit); });
  run.Run();
  bool fatal = false;
  for (const auto& box : MessageBoxes()) {
    if (box.caption != "FATAL ERROR") continue;
    fatal = true;
    EXPECT_EQ(box.text.rfind("CLIENT: WAITHITANSWER: Can't get PLAYERCARD data", 0), 0u) << box.text;
  }
  EXPECT_TRUE(fatal);
}

// The first split hand busts: its pile goes to the dealer at once and the
// second hand comes into play; the dealer busts against the second.
TEST(BlackJackProgram, FirstSplitHandBustsAndTheSecondPlays) {
  BlackJackRun run;
  run.decks = {"8S 8H 6D 5C 2S TD 9H KS"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When([] { return Deciding() && Rec()->splitState == 0; }, [] { R::ClickButton(hx::kButtonSplit); });
  run.When([] { return Deciding() && Rec()->splitState == 1; }, [] { R::ClickButton(hx::kButtonHit); });
  run.When([] { return Deciding() && Rec()->splitState == 2; }, [] {
    EXPECT_DOUBLE_EQ(Rec()->lostPiles[0], 10.0);
    EXPECT_DOUBLE_EQ(Rec()->piles[hx::kPileFirstStake], 0.0);
    EXPECT_EQ(Rec()->firstHand.count, 3);
    EXPECT_EQ(Rec()->dealer.count, 1);
    R::ClickButton(hx::kButtonStand);
  });
  LeaveAtSettlement(run, "Dealer wins on hand 1 and you win $10.00 on hand 2");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 1000.0);
}

// The keys press their buttons: 'D' deals, 'u' doubles, '!' opens the help
// page "hx.htm".
TEST(BlackJackProgram, KeysDealDoubleAndOpenHelp) {
  BlackJackRun run;
  run.decks = {"5S 6H 9D TC 8S"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  run.When(Betting, [] { R::ClickButton(hx::kButtonBet1 + 2); });
  run.When([] { return Rec()->bet == 25.0; }, [] { plat::headless::PostChar(gMainWindow, 'D', plat::FALSE); });
  run.When(Deciding, [] {
    plat::headless::PostChar(gMainWindow, '!', plat::FALSE);
    plat::headless::PostChar(gMainWindow, 'u', plat::FALSE);
  });
  LeaveAtSettlement(run, "You win $50.00");
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(run.Sent(1, "command=DOUBLE"));
  ASSERT_EQ(plat::headless::ShellOpens().size(), 1u);
  EXPECT_NE(plat::headless::ShellOpens()[0].find("hx.htm"), std::string::npos);
}

// A right press on the rebet area sounds a chip only while a bet lies there.
TEST(BlackJackProgram, RightPressOnTheBetSoundsAChipOnlyWithABet) {
  BlackJackRun run;
  plat::headless::SetMessageBoxHandler(AnswerYes);
  bool soundedEmpty = true;
  run.When(Betting, [&] {
    plat::headless::ClearSounds();
    R::RightClickButton(hx::kButtonRebet);
  });
  run.Then([&] {
    soundedEmpty = Played("../wav/c_chip.wav");
    R::ClickButton(hx::kButtonBet1 + 1);
  });
  run.When([] { return Rec()->bet == 5.0; }, [] {
    plat::headless::ClearSounds();
    R::RightClickButton(hx::kButtonRebet);
  });
  run.When([] { return Rec()->bet == 0.0; }, [] {
    EXPECT_TRUE(Played("../wav/c_chip.wav"));
    R::ClickButton(hx::kButtonExit);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_FALSE(soundedEmpty);
}

// "Start a new game" stands on Split's place: with the pointer resting on
// it the hand cursor shows and its hint stays on the status line, as over
// any enabled button.
TEST(BlackJackProgram, PointerOnTheNewGameButtonCountsAsOnAnEnabledButton) {
  BlackJackRun run;
  run.decks = {"TS 8H 9D 8C 5S"};
  plat::headless::SetMessageBoxHandler(AnswerYes);
  BetTenAndDeal(run);
  run.When(Deciding, [] { R::ClickButton(hx::kButtonStand); });
  run.When(Settled, [] {
    ASSERT_TRUE(IsButtonEnabled(hx::kButtonNewGame));
    R::PointAt(hx::kBlackJackButtonTable[hx::kButtonNewGame]);
  });
  run.When(R::AfterFrames(30), [] {
    EXPECT_EQ(plat::headless::CurrentCursor(), plat::IDC_HAND);
    const auto& line = hx::kStatusBarArea;
    EXPECT_FALSE(R::ShowsSheet(hx::art::BlackJackSheet(), line.x, line.y, line.width, line.height));
    R::ClickButton(hx::kButtonExit);
  });
  EXPECT_EQ(run.Run(), 0);
}

// The picture is "res\data.dat" in this program; without it the start ends
// in one box that names it so.
TEST(BlackJackProgram, MissingPictureIsNamedInItsErrorBox) {
  BlackJackRun run;
  for (const char* name : {"res/Data.dat", "res/data.dat"}) std::remove(name);
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Error:\nFailed to load the \"res\\data.dat\" file!");
  EXPECT_EQ(MessageBoxes()[0].caption, "ERROR");
}
