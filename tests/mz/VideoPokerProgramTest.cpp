// The whole Video Poker program (its real entry through the shell) on the
// headless backend, played by scripted clicks against a scripted main
// client: money in, a bet, the deal, holds, the draw, the win paid into the
// credits, cash out, the coin value and its settings file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerLayout.h"
#include "mz/VideoPokerMachine.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/sound.h"
#include "platform/include/plat/window.h"
#include "tests/mz/VideoPokerRun.h"
#include "tests/support/StackedDeck.h"
#include "tests/support/TempFolder.h"

namespace {

using R = VideoPokerRun;
using plat::headless::MessageBoxes;


int BoxesSaying(const std::string& text) {
  int n = 0;
  for (const auto& box : MessageBoxes()) n += box.text == text ? 1 : 0;
  return n;
}

// Some pixel of the area differs from the bare picture: something is drawn there.
bool Drawn(const mz::Area& a) {
  for (int y = a.y; y < a.y + a.height; ++y) {
    for (int x = a.x; x < a.x + a.width; ++x) {
      if (R::ScreenPixel(x, y) != R::PictureColour(x, y)) return true;
    }
  }
  return false;
}

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

// Four aces dealt, all four held, a two drawn: four of a kind for five
// $1 coins pays 100 coins, so $25 in, $5 bet and $100 won leave $120 of
// credits and the balance outside at $975.
TEST(VideoPokerProgram, FourAcesHeldPayIntoTheCredits) {
  R run;
  hx::QueueDeck("AS AH AD AC KS 2C");
  hx::QueueDeck("2S 7H 9D JC KS");
  double credits = -1, money = -1, won = -1, cashedMoney = -1, cashedCredits = -1;
  bool creditsShown = false;
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 2); });
  run.When([] { return R::Record()->credits == 25; }, [] { R::ClickButton(mz::kButtonBetMax); });
  run.When(R::Holding, [] {
    for (int n = 0; n < 4; ++n) R::ClickButton(mz::kButtonHold1 + n);
  });
  run.When([] { return R::Record()->hand[3].hold == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  run.When(R::Choosing, [] {});
  run.When(R::AfterFrames(3), [&] {
    credits = R::Record()->credits;
    money = R::Record()->money;
    won = R::Record()->moneyWon;
    creditsShown = Drawn(mz::kCreditsMeter);
    R::ClickButton(mz::kButtonCashOut);
  });
  run.When(R::AfterFrames(2), [&] {
    cashedMoney = R::Record()->money;
    cashedCredits = R::Record()->credits;
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(won, 100.0);
  EXPECT_DOUBLE_EQ(credits, 120.0);
  EXPECT_DOUBLE_EQ(money, 975.0);
  EXPECT_TRUE(creditsShown);
  EXPECT_DOUBLE_EQ(cashedMoney, 1095.0);
  EXPECT_DOUBLE_EQ(cashedCredits, 0.0);
}

// The cards turn with the flip sound looping; once all five lie face up
// the sound is stopped (the silent file, then a purge), once.
TEST(VideoPokerProgram, FlipSoundLoopsWhileTheCardsTurn) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  hx::QueueDeck("2S 7H 9D JC KS");
  std::vector<plat::headless::SoundRecord> sounds;
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] {
    plat::headless::ClearSounds();
    R::ClickButton(mz::kButtonBetOne);
  });
  run.When([] { return R::Record()->coinsBet == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  run.When(R::Holding, [&] {
    sounds = plat::headless::Sounds();
    R::ClickButton(mz::kButtonDeal);
  });
  run.When(R::Choosing, [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  int flips = 0, stopsAfter = 0;
  for (const auto& sound : sounds) {
    if (sound.name.find("mz_Flip.wav") != std::string::npos) {
      ++flips;
      EXPECT_EQ(sound.flags & (plat::SND_ASYNC | plat::SND_LOOP), plat::SND_ASYNC | plat::SND_LOOP);
    } else if (flips > 0 && sound.name.find("c_dmy.wav") != std::string::npos) {
      ++stopsAfter;
    }
  }
  EXPECT_EQ(flips, 1);
  EXPECT_EQ(stopsAfter, 1);
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.back().kind, plat::headless::SoundRecord::WAVE_STOP);
}

// Fifty-one cards turned in one frame: the screen's dirty list overflows
// into one rectangle of the whole screen, which the frame then flushes.
// A card turning edge-on shows the bare place beside it, no flat card
// behind it; once turned it lies whole.
TEST(VideoPokerProgram, ATurningCardLeavesItsPlaceBareBesideIt) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  hx::QueueDeck("2S 7H 9D JC KS");
  const mz::Point place = mz::CardPlace(0);
  // The felt between the first two cards.
  const plat::COLORREF felt = R::PictureColour(place.x + mz::kCardWidth + 7, place.y + 36);
  bool bareBeside = false, drawnWhenDone = false;
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(mz::kButtonBetOne); });
  run.When([] { return R::Record()->coinsBet == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  run.When([] { return R::Record()->flipPhase[0] == 240; }, [&, place] {
    bareBeside = R::ScreenPixel(place.x + 3, place.y + 36) == felt;
  });
  run.When(R::Holding, [&, place] {
    drawnWhenDone = R::ScreenPixel(place.x + 3, place.y + 36) != felt;
    R::ClickButton(mz::kButtonDeal);
  });
  run.When(R::Choosing, [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(bareBeside);
  EXPECT_TRUE(drawnWhenDone);
}

// The turning blit writes every pixel of a card's sprite: at every frame of
// the deal's turns no pixel of the hand shows the key colour (the corners
// round the cards were key-coloured dots on the felt).
TEST(VideoPokerProgram, TurningCardsShowNoKeyColour) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  hx::QueueDeck("2S 7H 9D JC KS");
  const plat::COLORREF key = R::PictureColour(mz::kTransparentPixel.x, mz::kTransparentPixel.y);
  int turningFrames = 0, keyPixels = 0;
  const auto countKey = [&, key] {
    if (R::Record() == nullptr) return false;
    bool turning = false;
    for (int n = 0; n < mz::kHandCards; ++n) {
      const int phase = R::Record()->flipPhase[n];
      turning |= phase > 0 && phase < mz::kFlipDone;
    }
    if (turning) ++turningFrames;
    const mz::Point first = mz::CardPlace(0), last = mz::CardPlace(mz::kHandCards - 1);
    for (int y = first.y; y < first.y + mz::kCardHeight; ++y) {
      for (int x = first.x; x < last.x + mz::kCardWidth; ++x) keyPixels += R::ScreenPixel(x, y) == key ? 1 : 0;
    }
    return R::Holding();
  };
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(mz::kButtonBetOne); });
  run.When([] { return R::Record()->coinsBet == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  run.When(countKey, [] { R::ClickButton(mz::kButtonDeal); });
  run.When(R::Choosing, [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_GT(turningFrames, 10);
  EXPECT_EQ(keyPixels, 0);
}

TEST(VideoPokerProgram, FiftyOneRotatedBlitsFlushAsOneScreenRectangle) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  int count = -1;
  DirtyRect only{};
  run.When(R::Choosing, [&] {
    for (int i = 0; i < 51; ++i) {
      const mz::Point place = mz::CardPlace(i % mz::kHandCards);
      mz::BlitRotated(place.x, place.y, mz::kCardBackSource.x, mz::kCardBackSource.y, mz::kCardWidth,
                      mz::kCardHeight, 0, 40 + 4 * i, 0);
    }
    count = gScreen.DirtyCount();
    only = gScreen.Dirty(0);
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(only.x, 0);
  EXPECT_EQ(only.y, 0);
  EXPECT_EQ(only.width, 640);
  EXPECT_EQ(only.height, 480);
}

void PressAt(plat::UINT message, int x, int y) {
  plat::headless::PostMouse(gMainWindow, message, gOffsetX + x, gOffsetY + y,
                            message == plat::WM_LBUTTONDOWN ? plat::MK_LBUTTON : 0);
}

// A card and the push part below it are one HOLD button, but the button
// looks pressed only while the pointer is on its push part: pressing the
// card itself holds it with the button raised.
TEST(VideoPokerProgram, HoldButtonLooksPressedOnlyOnItsPushPart) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  hx::QueueDeck("2S 7H 9D JC KS");
  const mz::Point card = mz::CardPlace(0);
  const ButtonEntry& push = mz::kVideoPokerButtonTable[mz::kButtonHold1 + 1];
  int onCard = -1, onPush = -1, cardHeld = -1, pushHeld = -1;
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(mz::kButtonBetOne); });
  run.When([] { return R::Record()->coinsBet == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  run.When(R::Holding, [card] { PressAt(plat::WM_LBUTTONDOWN, card.x + 26, card.y + 36); });
  run.When(R::AfterFrames(2), [&, card] {
    onCard = mz::gVideoPokerButtons[mz::kButtonHold1].currentState;
    PressAt(plat::WM_LBUTTONUP, card.x + 26, card.y + 36);
  });
  run.When(R::AfterFrames(2), [&, push] {
    cardHeld = R::Record()->hand[0].hold;
    PressAt(plat::WM_LBUTTONDOWN, push.x + push.width / 2, push.y + push.height / 2);
  });
  run.When(R::AfterFrames(2), [&, push] {
    onPush = mz::gVideoPokerButtons[mz::kButtonHold1 + 1].currentState;
    PressAt(plat::WM_LBUTTONUP, push.x + push.width / 2, push.y + push.height / 2);
  });
  run.When(R::AfterFrames(2), [&] {
    pushHeld = R::Record()->hand[1].hold;
    R::ClickButton(mz::kButtonDeal);
  });
  run.When(R::Choosing, [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(onCard, kButtonStateEnabled);
  EXPECT_EQ(cardHeld, 1);
  EXPECT_EQ(onPush, kButtonStatePressed);
  EXPECT_EQ(pushHeld, 1);
}

// 1 when the whole area shows the highlighted copy of the pay table, 0 when
// it shows the plain table, -1 for anything else.
int PayAreaLit(const mz::Area& a) {
  bool lit = true, plain = true;
  for (int y = a.y; y < a.y + a.height; ++y) {
    for (int x = a.x; x < a.x + a.width; ++x) {
      const plat::COLORREF shown = R::ScreenPixel(x, y);
      lit &= shown == R::PictureColour(x + mz::kHighlightOffset.x, y + mz::kHighlightOffset.y);
      plain &= shown == R::PictureColour(x, y);
    }
  }
  return lit ? 1 : plain ? 0 : -1;
}

// A winning row keeps blinking while the machine waits for the next hand,
// the meters being redrawn on the way there included.
TEST(VideoPokerProgram, WinningRowBlinksWhileTheMachineWaits) {
  R run;
  hx::QueueDeck("JS JH 2D 5C 9S");
  hx::QueueDeck("2S 7H 9D JC KS");
  const mz::Area row = {mz::kPayTableArea.x, mz::kPayTableArea.y + mz::kPayRowY[0], mz::kPayRowWidth[0],
                        mz::kPayRowHeight[0]};
  int frames = 0, litFrames = 0, plainFrames = 0;
  plat::DWORD sampled = 0;
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(mz::kButtonBetOne); });
  run.When([] { return R::Record()->coinsBet == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  run.When(R::Holding, [] {
    for (int n = 0; n < mz::kHandCards; ++n) R::ClickButton(mz::kButtonHold1 + n);
  });
  run.When([] { return R::Record()->hand[4].hold == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  run.When(
      [&, row] {
        if (!R::Choosing() || R::Record()->moneyWon == 0) return false;
        // One sample a frame.
        if (frames > 0 && plat::headless::Now() - sampled < 20) return false;
        sampled = plat::headless::Now();
        const int lit = PayAreaLit(row);
        litFrames += lit == 1 ? 1 : 0;
        plainFrames += lit == 0 ? 1 : 0;
        return ++frames == 120;
      },
      [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_GT(litFrames, 30);
  EXPECT_GT(plainFrames, 30);
  EXPECT_EQ(litFrames + plainFrames, 120);
}

TEST(VideoPokerProgram, ClosingWhileHoldingIsRefused) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  hx::QueueDeck("2S 7H 9D JC KS");
  int stillHolding = 0;
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(mz::kButtonBetOne); });
  run.When([] { return R::Record()->coinsBet == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  run.When(R::Holding, [] { R::Quit(); });
  run.When(R::AfterFrames(3), [&] {
    stillHolding = R::Holding();
    R::ClickButton(mz::kButtonDeal);
  });
  run.When(R::Choosing, [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(BoxesSaying("You can't quit at this point!"), 1);
  EXPECT_EQ(stillHolding, 1);
}

// A coin value the machine has not is read as $1; the value chosen goes
// to the file at exit.
TEST(VideoPokerProgram, SettingsFileKeepsOnlyAMachineCoinValue) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  const double bad = 2.5;
  WriteFile("MZoker.cfg", std::string(reinterpret_cast<const char*>(&bad), sizeof bad));
  double startValue = 0;
  run.When(R::Choosing, [&] {
    startValue = mz::gCoinValue;
    R::ClickButton(mz::kButtonCoinFive);
  });
  run.When(R::AfterFrames(2), [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(startValue, 1.0);
  // The frame timer ran and was ended with the program.
  EXPECT_EQ(plat::headless::PeriodsBegun(), 0);
  EXPECT_EQ(plat::headless::RunningTimers(), 0);
  const std::string saved = ReadAll("MZoker.cfg");
  ASSERT_EQ(saved.size(), sizeof(double));
  double value = 0;
  std::memcpy(&value, saved.data(), sizeof value);
  EXPECT_DOUBLE_EQ(value, 5.0);
}

// Changing the coin value with 2 coins bet at $1 gives the $2 back.
TEST(VideoPokerProgram, CoinValueChangeReturnsTheBet) {
  R run;
  hx::QueueDeck("2S 7H 9D JC KS");
  double credits = -1, coins = -1;
  run.When(R::Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] {
    R::ClickButton(mz::kButtonBetOne);
    R::ClickButton(mz::kButtonBetOne);
  });
  run.When([] { return R::Record()->coinsBet == 2; }, [] { R::ClickButton(mz::kButtonCoinQuarter); });
  run.When(R::AfterFrames(2), [&] {
    credits = R::Record()->credits;
    coins = R::Record()->coinsBet;
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(credits, 5.0);
  EXPECT_DOUBLE_EQ(coins, 0.0);
  EXPECT_DOUBLE_EQ(mz::gCoinValue, 0.25);
}

}  // namespace
