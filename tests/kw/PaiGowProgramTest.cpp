// The whole Pai Gow Poker program (its real entry through the shell) on the
// headless backend, played by scripted clicks and keys against a scripted
// main client: a round to the cent with what the table shows at each stage,
// the quit refusal while arranging, the keys and the options file.
#include <gtest/gtest.h>

#include <string>

#include "framework/link/Db.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "kw/Cards.h"
#include "kw/PaiGowBetting.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowTable.h"
#include "kw/PaiGowTableLayout.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/system.h"
#include "tests/kw/PaiGowRun.h"
#include "tests/kw/ScriptedDeal.h"
#include "tests/support/TempFolder.h"

namespace {

using kw::CardId;
using plat::headless::MessageBoxes;
using R = PaiGowRun;

// Points inside a card: corner, rank, centre, lower half; the left ones lie
// in the 19-pixel strip that an overlapped card shows.
constexpr kw::Point kProbes[] = {{3, 3}, {6, 10}, {12, 40}, {26, 36}, {40, 60}};

bool Shows(kw::Point place, kw::Point source, int width = kw::kCardWidth) {
  for (const kw::Point d : kProbes) {
    if (d.x >= width) continue;
    if (R::ScreenPixel(place.x + d.x, place.y + d.y) != R::PictureColour(source.x + d.x, source.y + d.y)) return false;
  }
  return true;
}
bool ShowsFace(int id, kw::Point place, int width = kw::kCardWidth) { return Shows(place, kw::kCardFaces[id], width); }
bool ShowsBack(kw::Point place, int width = kw::kCardWidth) {
  return Shows(place, kw::kCardBacks[kw::gDeckDesign], width);
}
bool ShowsTable(kw::Point place) { return Shows(place, place); }

bool Betting() { return R::InState(kw::kBetting) && kw::BettingOpen(); }
bool Arranging() { return R::InState(kw::kArranging); }

bool Sent(const PaiGowRun& run, int channel, const std::string& piece) {
  for (const RelayedPacket& p : run.packets) {
    if (p.channel == channel && p.text.find(piece) != std::string::npos) return true;
  }
  for (const RelayedPacket& p : run.packets) ADD_FAILURE() << p.channel << ": " << p.text;
  return false;
}

int AnswerOk(const plat::headless::MessageBoxRecord&) { return plat::IDOK; }

std::vector<int> TwoRounds(const std::vector<int>& first) {
  std::vector<int> cards = first;
  for (int id = 0; id < 14; ++id) cards.push_back(id);
  return cards;
}

}  // namespace

// A bet of 30 by chips (25, 5, 1, then the bet area's right click takes the
// 1 off), the deal, a queen to the 2nd hand and back, ace and king there,
// Done: both hands won pay 0.95 x 30 = 28.50, the balance 1028.50. The
// piles, the row, the slots and the dealer's places show what they should at
// every stage, and the sweep leaves the table bare.
TEST(PaiGowProgram, PlaysARoundByClicksAndSettlesToTheCent) {
  PaiGowRun run;
  run.cards = TwoRounds(kPlayerWinsBoth);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  auto record = [] { return R::Record(); };
  const kw::Point pileChip = {kw::kBetPilePlace.x + 16, kw::kBetPilePlace.y + 12};
  plat::COLORREF pileBefore = 0, pileAfter = 0;
  run.When(Betting, [&] {
    pileBefore = R::ScreenPixel(pileChip.x, pileChip.y);
    R::ClickButton(kw::kButtonBet1 + 2);
  });
  run.When([&] { return record()->bet == 25.0; }, [] { R::ClickButton(kw::kButtonBet1 + 1); });
  run.When([&] { return record()->bet == 30.0; }, [] { R::ClickButton(kw::kButtonBet1); });
  run.When([&] { return record()->bet == 31.0; }, [] { R::RightClickButton(kw::kButtonBetArea); });
  run.When([&] { return record()->bet == 30.0; }, [&] {
    pileAfter = R::ScreenPixel(pileChip.x, pileChip.y);
    R::ClickButton(kw::kButtonDeal);
  });
  run.When(Arranging, [&] {
    EXPECT_DOUBLE_EQ(record()->money, 970.0);
    for (int k = 0; k < kw::kRowCards; ++k) {
      EXPECT_TRUE(ShowsFace(run.cards[k], kw::kRowPlaces[k])) << "row place " << k + 1;
    }
    EXPECT_TRUE(ShowsBack(kw::kDealerHighPlace, kw::kCardStripWidth));
    EXPECT_TRUE(ShowsBack({kw::kDealerHighPlace.x + 4 * kw::kHandCardStep, kw::kDealerHighPlace.y}));
    EXPECT_TRUE(ShowsBack(kw::kDealerLowPlace, kw::kCardStripWidth));
    EXPECT_TRUE(ShowsTable(kw::kDeckPlace));
    EXPECT_TRUE(ShowsTable(kw::kSecondHandSlots[0]));
    R::ClickButton(kw::kButtonRowCard1);
  });
  run.When([&] { return Arranging() && record()->slots[0] == 1; }, [&] {
    EXPECT_TRUE(ShowsFace(run.cards[0], kw::kSecondHandSlots[0]));
    EXPECT_TRUE(ShowsTable(kw::kRowPlaces[0]));
    R::ClickButton(kw::kButtonSlot1);
  });
  run.When([&] { return Arranging() && record()->slots[0] == 0; }, [&] {
    EXPECT_TRUE(ShowsFace(run.cards[0], kw::kRowPlaces[0]));
    EXPECT_TRUE(ShowsTable(kw::kSecondHandSlots[0]));
    R::ClickButton(kw::kButtonRowCard1 + 2);
  });
  run.When([&] { return Arranging() && record()->slots[0] == 3; }, [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
  run.When([] { return R::InState(kw::kReadyForDone); }, [&] {
    EXPECT_TRUE(ShowsFace(CardId(14, 0), kw::kSecondHandSlots[0]));
    EXPECT_TRUE(ShowsFace(CardId(13, 0), kw::kSecondHandSlots[1]));
    R::ClickButton(kw::kButtonDone);
  });
  run.When([] { return R::InState(kw::kWaitNewGame); }, [&] {
    EXPECT_EQ(record()->result, 0);
    EXPECT_DOUBLE_EQ(record()->money, 1028.5);
    // The hands laid out face up: each card's strip, the last whole.
    for (int i = 0; i < kw::kHighHandCards; ++i) {
      const int width = i + 1 < kw::kHighHandCards ? kw::kCardStripWidth : kw::kCardWidth;
      EXPECT_TRUE(ShowsFace(record()->playerHigh[i],
                            {kw::kPlayerHighPlace.x + i * kw::kHandCardStep, kw::kPlayerHighPlace.y}, width));
      EXPECT_TRUE(ShowsFace(record()->dealerHigh[i],
                            {kw::kDealerHighPlace.x + i * kw::kHandCardStep, kw::kDealerHighPlace.y}, width));
    }
    EXPECT_TRUE(ShowsFace(record()->dealerLow[0], kw::kDealerLowPlace, kw::kCardStripWidth));
    EXPECT_TRUE(ShowsFace(record()->dealerLow[1], {kw::kDealerLowPlace.x + kw::kHandCardStep, kw::kDealerLowPlace.y}));
    R::ClickButton(kw::kButtonNewGame);
  });
  run.When(Betting, [&] {
    for (const kw::Point place : kw::kRowPlaces) EXPECT_TRUE(ShowsTable(place));
    for (const kw::Point place : kw::kSecondHandSlots) EXPECT_TRUE(ShowsTable(place));
    for (const kw::Point place : kw::kDealerPlaces) EXPECT_TRUE(ShowsTable(place));
    EXPECT_TRUE(ShowsTable(kw::kDealerHighPlace));
    EXPECT_TRUE(ShowsTable({kw::kDealerLowPlace.x + kw::kHandCardStep, kw::kDealerLowPlace.y}));
    EXPECT_TRUE(ShowsBack(kw::kDeckPlace));
    EXPECT_EQ(R::ScreenPixel(pileChip.x, pileChip.y), pileBefore);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_NE(pileAfter, pileBefore);
  EXPECT_TRUE(Sent(run, 1, "BET=30.000000"));
  EXPECT_TRUE(Sent(run, 1, "SECONDCARDS=3,5"));
  double account = 0.0;
  dbGetBalance(1, &account);
  EXPECT_DOUBLE_EQ(account, 1028.5);
  EXPECT_EQ(run.handBacks, 1);
  EXPECT_FALSE(run.cardsRanOut);
}

// Closing the window while the cards are being arranged is refused and the
// game goes on; once the round is over it asks and leaves.
TEST(PaiGowProgram, ClosingWhileArrangingIsRefused) {
  PaiGowRun run;
  run.cards = kPlayerWinsBoth;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(kw::kButtonBet1 + 1); });
  run.When([] { return R::Record()->bet == 5.0; }, [] { R::ClickButton(kw::kButtonDeal); });
  run.When(Arranging, [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  run.When([] { return MessageBoxes().size() == 1; }, [] {
    EXPECT_EQ(MessageBoxes()[0].text, "You can't quit at this point");
    EXPECT_EQ(MessageBoxes()[0].caption, "Pai Gow Poker");
    EXPECT_EQ(R::Record()->exitRequest, 0);
    R::ClickButton(kw::kButtonRowCard1 + 2);
  });
  run.When([] { return Arranging() && R::Record()->slots[0] == 3; }, [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
  run.When([] { return R::InState(kw::kReadyForDone); }, [] { R::ClickButton(kw::kButtonDone); });
  run.When([] { return R::InState(kw::kWaitNewGame); },
           [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 2u);
  EXPECT_EQ(MessageBoxes()[1].text, "Return to main menu?");
  EXPECT_TRUE(Sent(run, 1, "command=CLIENTEXIT"));
  double account = 0.0;
  dbGetBalance(1, &account);
  EXPECT_DOUBLE_EQ(account, 1004.75);
}

// Lower-case 'p' opens the help page; upper-case 'P' does nothing.
TEST(PaiGowProgram, OnlyLowerCasePOpensTheHelpPage) {
  PaiGowRun run;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { plat::headless::PostChar(gMainWindow, 'P', plat::FALSE); });
  run.Then([] {});
  run.When(Betting, [] {
    EXPECT_TRUE(plat::headless::ShellOpens().empty());
    plat::headless::PostChar(gMainWindow, 'p', plat::FALSE);
  });
  run.When([] { return plat::headless::ShellOpens().size() == 1; },
           [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(plat::headless::ShellOpens().size(), 1u);
  EXPECT_NE(plat::headless::ShellOpens()[0].find("kw.htm"), std::string::npos);
}

// The options dialog shows both Pai Gow options on; turning the New Game
// button off reaches "Paigow.cfg": voice 1, New Game button 0.
TEST(PaiGowProgram, OptionsDialogIsSavedInPaigowCfg) {
  PaiGowRun run;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  plat::headless::SetDialogHandler([](int id, plat::HWND dialog) {
    EXPECT_EQ(id, 106);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 105), plat::BST_CHECKED);
    EXPECT_EQ(plat::IsDlgButtonChecked(dialog, 1010), plat::BST_CHECKED);
    plat::headless::ClickControl(dialog, 1010);
    plat::headless::ClickControl(dialog, plat::IDOK);
  });
  run.When(Betting, [] { R::ClickButton(kw::kButtonOptions); });
  run.When([] { return plat::headless::Dialogs().size() == 1; },
           [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(plat::headless::Dialogs().size(), 1u);
  EXPECT_EQ(plat::headless::Dialogs()[0].title, "Pai Gow Poker Configuration");
  EXPECT_EQ(ReadFile("Paigow.cfg"), std::string("\1\0\0\0", 4));
}

// Space presses the bet area through the button path: the last bet comes
// back on its release, which is what the log keeps, so a restore repeats it.
TEST(PaiGowProgram, SpaceRepeatsTheLastBetThroughTheLoggedBetArea) {
  PaiGowRun run;
  run.cards = TwoRounds(kPlayerWinsBoth);
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(kw::kButtonBet1 + 1); });
  run.When([] { return R::Record()->bet == 5.0; }, [] { R::ClickButton(kw::kButtonDeal); });
  run.When(Arranging, [] { R::ClickButton(kw::kButtonRowCard1 + 2); });
  run.When([] { return Arranging() && R::Record()->slots[0] == 3; }, [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
  run.When([] { return R::InState(kw::kReadyForDone); }, [] { R::ClickButton(kw::kButtonDone); });
  run.When([] { return R::InState(kw::kWaitNewGame); }, [] { R::ClickButton(kw::kButtonNewGame); });
  run.When(Betting, [] {
    EXPECT_EQ(R::Record()->bet, 0.0);
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
  });
  run.When([] { return R::Record()->bet == 5.0; }, [] { R::ClickButton(kw::kButtonDeal); });
  run.When(Arranging, [] {
    EXPECT_DOUBLE_EQ(R::Record()->money, 1004.75 - 5.0);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  run.When([] { return MessageBoxes().size() == 1; }, [] { R::ClickButton(kw::kButtonRowCard1); });
  run.When([] { return Arranging() && R::Record()->slots[0] == 1; }, [] { R::ClickButton(kw::kButtonRowCard1 + 1); });
  run.When([] { return R::InState(kw::kReadyForDone); }, [] { R::ClickButton(kw::kButtonDone); });
  run.When([] { return R::InState(kw::kWaitNewGame); }, [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(run.Run(), 0);
  // The second FIRSTDEAL carries the bet area's press with the bet it made.
  int deals = 0;
  for (const RelayedPacket& p : run.packets) {
    if (p.channel != 1 || p.text.find("command=FIRSTDEAL") == std::string::npos) continue;
    if (++deals == 2) {
      EXPECT_NE(p.text.find("BTN=12&"), std::string::npos) << p.text;
      EXPECT_NE(p.text.find("BET=5.000000"), std::string::npos) << p.text;
    }
  }
  EXPECT_EQ(deals, 2);
}

// A right press sounds a chip where one can come off: on a chip or the bet
// area while a bet lies there, and on neither with no bet.
TEST(PaiGowProgram, RightPressSoundsAChipOnlyWhereOneCanComeOff) {
  PaiGowRun run;
  run.cards = kPlayerWinsBoth;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  const auto chipSounded = [] {
    for (const plat::headless::SoundRecord& s : plat::headless::Sounds()) {
      if (s.name == "../wav/c_chip.wav") return true;
    }
    return false;
  };
  bool soundedEmpty = true;
  run.When(Betting, [] {
    plat::headless::ClearSounds();
    R::RightClickButton(kw::kButtonBet1 + 1);
    R::RightClickButton(kw::kButtonBetArea);
  });
  run.Then([&] {
    soundedEmpty = chipSounded();
    R::ClickButton(kw::kButtonBet1 + 1);
  });
  run.When([] { return R::Record()->bet == 5.0; }, [] {
    plat::headless::ClearSounds();
    R::RightClickButton(kw::kButtonBet1 + 1);
  });
  run.When([] { return R::Record()->bet == 0.0; }, [&] {
    EXPECT_TRUE(chipSounded());
    R::ClickButton(kw::kButtonBet1 + 1);
  });
  run.When([] { return R::Record()->bet == 5.0; }, [] {
    plat::headless::ClearSounds();
    R::RightClickButton(kw::kButtonBetArea);
  });
  run.When([] { return R::Record()->bet == 0.0; }, [&] {
    EXPECT_TRUE(chipSounded());
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_FALSE(soundedEmpty);
}

// With the whole balance on the table the $1 chip is off, and the bet area
// with it: its right click leaves the bet as it is.
TEST(PaiGowProgram, BetAreaIsOffWhileTheOneDollarChipIs) {
  PaiGowRun run;
  run.startMoney = 5.0;
  run.cards = kPlayerWinsBoth;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Betting, [] { R::ClickButton(kw::kButtonBet1 + 1); });
  run.When([] { return R::Record()->bet == 5.0; }, [] {
    EXPECT_FALSE(IsButtonEnabled(kw::kButtonBet1));
    EXPECT_FALSE(IsButtonEnabled(kw::kButtonBetArea));
    R::RightClickButton(kw::kButtonBetArea);
  });
  run.Then([] {
    EXPECT_EQ(R::Record()->bet, 5.0);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);
}
