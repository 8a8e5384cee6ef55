// The whole Caribbean Poker program (its real entry through the shell) on
// the headless backend, played by scripted clicks and keys against a
// scripted main client: hands to the cent with what the table shows, the
// ante rules, the rebet, the options file, the voice switch and the checks
// of the server's answers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/Random.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanFiles.h"
#include "gz/CaribbeanTable.h"
#include "gz/CaribbeanTableLayout.h"
#include "gz/art/CaribbeanSheet.h"
#include "kw/CardGameShell.h"
#include "kw/Cards.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/gz/CaribbeanRun.h"
#include "tests/support/KilledRun.h"
#include "tests/support/TempFolder.h"

namespace {

using kw::CardId;
using plat::headless::MessageBoxes;
using R = CaribbeanRun;

// Points in a card's left strip, which an overlapping card leaves bare.
constexpr gz::Point kProbes[] = {{3, 3}, {6, 10}, {10, 40}, {15, 65}};

bool Shows(gz::Point place, gz::Point source) {
  for (const gz::Point d : kProbes) {
    if (R::ScreenPixel(place.x + d.x, place.y + d.y) != R::PictureColour(source.x + d.x, source.y + d.y)) return false;
  }
  return true;
}
bool ShowsFace(int id, int place) { return Shows(gz::kCardPlaces[place], gz::kCardFaces[id]); }
bool ShowsTable(gz::Point place) { return Shows(place, place); }

// The background layer against the picture, by palette index: what was
// just drawn, before a frame shows it.
bool DrawnAs(int x, int y, int sourceX, int sourceY) {
  return *gScreen.Background().PixelAddress(x, y) == *gPicture.PixelAddress(sourceX, sourceY);
}

bool Ante() { return R::InState(gz::kAnte) && gz::AntePhaseOpen(); }
gz::CaribbeanClientRecord* Record() { return R::Record(); }

int AnswerOk(const plat::headless::MessageBoxRecord&) { return plat::IDOK; }

bool Sent(const CaribbeanRun& run, int channel, const std::string& piece) {
  for (const RelayedPacket& p : run.packets) {
    if (p.channel == channel && p.text.find(piece) != std::string::npos) return true;
  }
  return false;
}

double Account() {
  double account = 0.0;
  dbGetBalance(1, &account);
  return account;
}

void Close() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

// The player's pair of kings against the dealer's ace-king high: the
// dealer qualifies and loses. Then a second hand dealt as it comes.
const std::vector<int> kKingsBeatAceKing = {
    CardId(13, 3), CardId(7, 2), CardId(13, 1), CardId(4, 0), CardId(2, 3),
    CardId(14, 0), CardId(13, 2), CardId(8, 1), CardId(6, 3), CardId(3, 2),
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,
};

// A $5 ante, dealt kings against ace-king, surrendered.
void SurrenderAFiveAnte(R& run) {
  run.cards = kKingsBeatAceKing;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Ante, [] { R::ClickButton(gz::kButtonChip1 + 1); });
  run.When([] { return Record()->ante == 5.0; }, [] { R::ClickButton(gz::kButtonDeal); });
  run.When([] { return R::InState(gz::kChoice); }, [] { R::ClickButton(gz::kButtonSurrender); });
}

}  // namespace

// An ante of 25 made by chips and right clicks (25, 5, 1; the ante spot's
// right click takes the 1, the $5 chip's the 5), the deal, the call: a pair
// of kings beats ace-king and the call pays 1:1, so 1000 - 25 + 2 x 25 + 50
// = 1075. The cards, both arranged hands, the win stacks and the bare table
// afterwards are checked on the screen.
TEST(CaribbeanProgram, PlaysAHandByClicksAndSettlesToTheCent) {
  R run;
  run.cards = kKingsBeatAceKing;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Ante, [] { R::ClickButton(gz::kButtonChip1 + 2); });
  run.When([] { return Record()->ante == 25.0; }, [] { R::ClickButton(gz::kButtonChip1 + 1); });
  run.When([] { return Record()->ante == 30.0; }, [] { R::ClickButton(gz::kButtonChip1); });
  run.When([] { return Record()->ante == 31.0; }, [] { R::RightClickButton(gz::kButtonAnteSpot); });
  run.When([] { return Record()->ante == 30.0; }, [] { R::RightClickButton(gz::kButtonChip1 + 1); });
  run.When([] { return Record()->ante == 25.0; }, [] { R::ClickButton(gz::kButtonDeal); });
  run.When([] { return R::InState(gz::kChoice); }, [&] {
    EXPECT_DOUBLE_EQ(Record()->money, 975.0);
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(ShowsFace(run.cards[k], k)) << "player card " << k;
    for (int k = 5; k < 9; ++k) EXPECT_TRUE(Shows(gz::kCardPlaces[k], gz::kCardBacks[gz::gDeckLook])) << k;
    EXPECT_TRUE(ShowsFace(run.cards[5], gz::kUpCardPlace));
    EXPECT_TRUE(ShowsTable(gz::kDeckPlace));
    R::ClickButton(gz::kButtonCall);
  });
  run.When([] { return R::InState(gz::kWaitNewGame); }, [] {
    EXPECT_EQ(Record()->outcome, 0);
    EXPECT_DOUBLE_EQ(Record()->money, 925.0);
    EXPECT_DOUBLE_EQ(Record()->serverMoney, 1075.0);
    EXPECT_DOUBLE_EQ(Record()->anteWin, 25.0);
    EXPECT_DOUBLE_EQ(Record()->callWin, 50.0);
    // Kings first, then 7, 4, 2; the dealer's by rank: A, K, 8, 6, 3.
    const int player[] = {CardId(13, 3), CardId(13, 1), CardId(7, 2), CardId(4, 0), CardId(2, 3)};
    const int dealer[] = {CardId(14, 0), CardId(13, 2), CardId(8, 1), CardId(6, 3), CardId(3, 2)};
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(Record()->hands.player[k], player[k]);
      EXPECT_EQ(Record()->hands.dealer[k], dealer[k]);
      EXPECT_TRUE(ShowsFace(dealer[k], 5 + k));
    }
    EXPECT_TRUE(ShowsFace(player[4], 4));
    // The ante's win ($25) beside the ante, the call's ($25 + $25) beside the call.
    const ButtonSource chip25 = gz::ChipSprite(2);
    const int j = gz::StackJitter(gz::kAnteWinRow, 0);
    EXPECT_EQ(R::ScreenPixel(gz::kAnteWinSpot.x + j + 16, gz::kAnteWinSpot.y + 22),
              R::PictureColour(chip25.x + 16, chip25.y + 22));
    R::ClickButton(gz::kButtonNewGame);
  });
  run.When(Ante, [] {
    for (const gz::Point place : gz::kCardPlaces) EXPECT_TRUE(ShowsTable(place));
    EXPECT_TRUE(ShowsTable({gz::kAnteSpot.x + 4, gz::kAnteSpot.y}));
    EXPECT_TRUE(ShowsTable({gz::kBetWinSpot.x + 4, gz::kBetWinSpot.y}));
    EXPECT_DOUBLE_EQ(Record()->money, 1075.0);
    EXPECT_DOUBLE_EQ(Record()->rebetAnte, 25.0);
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(Sent(run, 1, "ANTE=25.000000"));
  EXPECT_TRUE(Sent(run, 1, "command=PLAYERBET"));
  EXPECT_TRUE(Sent(run, 1, "command=CLIENTEXIT"));
  EXPECT_DOUBLE_EQ(Account(), 1075.0);
  EXPECT_EQ(run.handBacks, 1);
  EXPECT_FALSE(run.cardsRanOut);
}

// A surrender loses the ante only; the dealer's four cards come without an
// outcome and the ante's stack goes to the house.
TEST(CaribbeanProgram, SurrenderLosesTheAnteOnly) {
  R run;
  SurrenderAFiveAnte(run);
  run.When([] { return R::InState(gz::kWaitNewGame); }, [] {
    EXPECT_EQ(Record()->outcome, gz::kOutcomeSurrendered);
    EXPECT_DOUBLE_EQ(Record()->ante, 0.0);
    R::ClickButton(gz::kButtonNewGame);
  });
  run.When(Ante, [] {
    EXPECT_DOUBLE_EQ(Record()->money, 995.0);
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_TRUE(Sent(run, 1, "command=PLAYERSUR"));
  EXPECT_DOUBLE_EQ(Account(), 995.0);
}

// Every prompt of the hand is followed by the player's name: the ante,
// the choice after a click has marked the player as present, the new game.
TEST(CaribbeanProgram, PromptsCarryThePlayersName) {
  R run;
  run.cards = kKingsBeatAceKing;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Ante, [] {
    EXPECT_STREQ(StatusDefaultText(), "Place your ante please Tester");
    gz::gContinueMark = 1;
    R::ClickButton(gz::kButtonChip1 + 1);
  });
  run.When([] { return Record()->ante == 5.0; }, [] { R::ClickButton(gz::kButtonDeal); });
  run.When([] { return R::InState(gz::kChoice); }, [] {
    EXPECT_STREQ(StatusDefaultText(), "Choose... Tester");
    R::ClickButton(gz::kButtonSurrender);
  });
  run.When([] { return R::InState(gz::kWaitNewGame); }, [] {
    EXPECT_STREQ(StatusDefaultText(), "Press new game to continue Tester");
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
}

// With 100: 25 and 5 make 30; another 5 breaks the one-third rule
// (100 / 35 < 3) and is refused with its box; a 1 is taken (100 / 31 >= 3).
TEST(CaribbeanProgram, AnteMustBeAThirdOfTheMoney) {
  R run;
  run.startMoney = 100.0;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Ante, [] { R::ClickButton(gz::kButtonChip1 + 2); });
  run.When([] { return Record()->ante == 25.0; }, [] { R::ClickButton(gz::kButtonChip1 + 1); });
  run.When([] { return Record()->ante == 30.0; }, [] { R::ClickButton(gz::kButtonChip1 + 1); });
  run.When([] { return MessageBoxes().size() == 1; }, [] {
    EXPECT_EQ(MessageBoxes()[0].text, "Ante must be 1/3 of total money!");
    EXPECT_EQ(MessageBoxes()[0].caption, "Invalid Ante");
    EXPECT_DOUBLE_EQ(Record()->ante, 30.0);
    R::ClickButton(gz::kButtonChip1);
  });
  run.When([] { return Record()->ante == 31.0; }, Close);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(Account(), 100.0);
}

// At 480 of a 500 maximum a $25 chip brings the ante to 500; the next chip
// says "You have bet your maximum". The ante spot's right click takes the
// chip its whole-dollar ante ends in: 500 -> 0, 100 -> 0, 25 -> 0, 30 -> 25.
TEST(CaribbeanProgram, MaximumAndTheAnteSpotsChipChoice) {
  R run;
  run.startMoney = 3000.0;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  auto ante = [](double a) { return [a] { return Record() != nullptr && Record()->ante == a; }; };
  run.When(Ante, [] { R::ClickButton(gz::kButtonChip1 + 4); });
  run.When(ante(500), [] { R::RightClickButton(gz::kButtonChip1 + 1); });
  run.When(ante(495), [] { R::ClickButton(gz::kButtonChip1); });
  run.When(ante(496), [] { R::RightClickButton(gz::kButtonChip1 + 2); });
  run.When(ante(471), [] { R::ClickButton(gz::kButtonChip1 + 1); });
  run.When(ante(476), [] { R::RightClickButton(gz::kButtonChip1); });
  run.When(ante(475), [] { R::ClickButton(gz::kButtonChip1 + 1); });
  run.When(ante(480), [] { R::ClickButton(gz::kButtonChip1 + 2); });
  run.When(ante(500), [] { R::ClickButton(gz::kButtonChip1); });
  run.When([] { return MessageBoxes().size() == 1; }, [] {
    EXPECT_EQ(MessageBoxes()[0].text, "You have bet your maximum");
    EXPECT_EQ(MessageBoxes()[0].caption, "Bet Error");
    R::RightClickButton(gz::kButtonAnteSpot);
  });
  run.When(ante(0), [] { R::ClickButton(gz::kButtonChip1 + 3); });
  run.When(ante(100), [] { R::RightClickButton(gz::kButtonAnteSpot); });
  run.When(ante(0), [] { R::ClickButton(gz::kButtonChip1 + 2); });
  run.When(ante(25), [] { R::RightClickButton(gz::kButtonAnteSpot); });
  run.When(ante(0), [] { R::ClickButton(gz::kButtonChip1 + 2); });
  run.When(ante(25), [] { R::ClickButton(gz::kButtonChip1 + 1); });
  run.When(ante(30), [] { R::RightClickButton(gz::kButtonAnteSpot); });
  run.When(ante(25), Close);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(MessageBoxes().size(), 2u);  // the maximum and "Return to main menu?"
}

// The rebet of an ante of 50 with 120 left places 40 (a third of 120), by
// a click on the ante spot; the space bar does the same through the logged
// ante spot.
TEST(CaribbeanProgram, RebetIsCutToAThirdOfTheMoney) {
  R run;
  run.startMoney = 170.0;
  run.cards = kKingsBeatAceKing;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Ante, [] {
    EXPECT_DOUBLE_EQ(Record()->rebetAnte, 5.0);  // the minimum at first
    R::ClickButton(gz::kButtonChip1 + 2);
  });
  run.When([] { return Record()->ante == 25.0; }, [] { R::ClickButton(gz::kButtonChip1 + 2); });
  run.When([] { return Record()->ante == 50.0; }, [] { R::ClickButton(gz::kButtonDeal); });
  run.When([] { return R::InState(gz::kChoice); }, [] { R::ClickButton(gz::kButtonSurrender); });
  run.When([] { return R::InState(gz::kWaitNewGame); }, [] { R::ClickButton(gz::kButtonNewGame); });
  run.When(Ante, [] {
    EXPECT_DOUBLE_EQ(Record()->money, 120.0);
    EXPECT_DOUBLE_EQ(Record()->rebetAnte, 50.0);
    R::ClickButton(gz::kButtonAnteSpot);
  });
  run.When([] { return Record()->ante == 40.0; }, [] { R::RightClickButton(gz::kButtonChip1 + 2); });
  run.When([] { return Record()->ante == 15.0; }, [] {
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
  });
  run.When([] { return Record()->ante == 40.0; }, Close);
  EXPECT_EQ(run.Run(), 0);
}

// A stack of 30.5 is a $25, a $5 and a half dollar from the bottom; a call
// win of 999 (16 chips) shows the banner and its text, 998 (15) a stack.
TEST(CaribbeanProgram, StacksAndTheWinBannerAsDrawn) {
  R run;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Ante, [] {
    EXPECT_EQ(gz::CountChips(30.5), 3);
    constexpr gz::Point at = {100, 300};
    gz::DrawChipStack(gz::kCaribbeanChips, gz::kAnteRow, 30.5, at.x, at.y);
    const ButtonSource sprites[] = {gz::ChipSprite(2), gz::ChipSprite(1),
                                    {gz::kHalfDollarChip.x, gz::kHalfDollarChip.y}};
    // Each chip's lowest rows show below the chip above it.
    for (int n = 0; n < 3; ++n) {
      const int x = at.x + gz::StackJitter(gz::kAnteRow, n) + 16;
      const int y = at.y - 4 * n + 22;
      EXPECT_TRUE(DrawnAs(x, y, sprites[n].x + 16, sprites[n].y + 22)) << "chip " << n;
    }
    const gz::Point probe = {gz::kBannerPlace.x + 53, gz::kBannerPlace.y + 4};
    const gz::Point bannerProbe = {gz::kBannerSprite.x + 53, gz::kBannerSprite.y + 4};
    EXPECT_EQ(gz::CountChips(998.0), 15);
    EXPECT_EQ(gz::CountChips(999.0), 16);
    gz::ShowWinAmount(5.0 + 998.0, 5.0);
    EXPECT_FALSE(DrawnAs(probe.x, probe.y, bannerProbe.x, bannerProbe.y));
    gz::ShowWinAmount(5.0 + 999.0, 5.0);
    EXPECT_TRUE(DrawnAs(probe.x, probe.y, bannerProbe.x, bannerProbe.y));
    // The plate behind "You win $999" starts at (175, 349).
    EXPECT_TRUE(DrawnAs(gz::kPlatePlace.x + 1, gz::kPlatePlace.y, gz::kPlateSprite.x + 1, gz::kPlateSprite.y));
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
}

// The same hand with animations on and off leaves the same two layers at
// the showdown, after the payout and at the next ante.
TEST(CaribbeanProgram, AnimationsOnAndOffEndOnTheSameTable) {
  std::vector<std::uint8_t> layers[2][3];
  for (int animated = 0; animated < 2; ++animated) {
    R run;
    run.cards = kKingsBeatAceKing;
    plat::headless::SetMessageBoxHandler(AnswerOk);
    auto take = [&layers, animated](int stage) {
      layers[animated][stage] = LayerPixels(gScreen.Background());
      const std::vector<std::uint8_t> front = LayerPixels(gScreen.Front());
      layers[animated][stage].insert(layers[animated][stage].end(), front.begin(), front.end());
    };
    run.When(Ante, [animated] {
      gCasinoCfg.showAnimations = static_cast<std::uint16_t>(animated);
      // The same jitter in both runs.
      SeedRandomWith(7);
      gz::JitterChipStacks();
      R::ClickButton(gz::kButtonChip1 + 2);
    });
    run.When([] { return Record()->ante == 25.0; }, [] { R::ClickButton(gz::kButtonDeal); });
    run.When([] { return R::InState(gz::kChoice); }, [take] {
      take(0);
      R::ClickButton(gz::kButtonCall);
    });
    run.When([] { return R::InState(gz::kWaitNewGame); }, [take] {
      take(1);
      R::ClickButton(gz::kButtonNewGame);
    });
    run.When(Ante, [take] {
      take(2);
      Close();
    });
    EXPECT_EQ(run.Run(), 0);
  }
  for (int stage = 0; stage < 3; ++stage) ExpectSameLayer(layers[1][stage], layers[0][stage], "table");
}

// "Cpoker.cfg" holds voice in byte 0 and the New Game button in byte 1. A
// file with voice off and New Game on keeps every voice silent (byte 1 is
// not part of the gate); the options dialog's New Game box reaches byte 1.
TEST(CaribbeanProgram, VoiceOffInCpokerCfgPlaysNoVoiceAndTheDialogWritesByteOne) {
  R run;
  run.cards = kKingsBeatAceKing;
  WriteFile(run.Root() + "/games/caribbean/Cpoker.cfg", std::string("\0\1\0\0", 4));
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
  run.When(Ante, [] {
    EXPECT_EQ(kw::gCardGameOptions.voice, 0);
    EXPECT_EQ(kw::gCardGameOptions.newGameButton, 1);
    R::ClickButton(gz::kButtonChip1 + 2);
  });
  run.When([] { return Record()->ante == 25.0; }, [] { R::ClickButton(gz::kButtonDeal); });
  run.When([] { return R::InState(gz::kChoice); }, [] { R::ClickButton(gz::kButtonCall); });
  run.When([] { return R::InState(gz::kWaitNewGame); }, [] { R::ClickButton(gz::kButtonNewGame); });
  run.When(Ante, [] { R::ClickButton(gz::kButtonOptions); });
  run.When([] { return plat::headless::Dialogs().size() == 1; }, Close);
  EXPECT_EQ(run.Run(), 0);
  bool dealt = false;
  for (const plat::headless::SoundRecord& s : plat::headless::Sounds()) {
    if (s.kind != plat::headless::SoundRecord::WAVE) continue;
    EXPECT_EQ(s.name.find("gz_ante"), std::string::npos);
    EXPECT_EQ(s.name.find("c_Plyw"), std::string::npos);
    if (s.name.find("c_deal") != std::string::npos) dealt = true;
  }
  EXPECT_TRUE(dealt);
  ASSERT_EQ(plat::headless::Dialogs().size(), 1u);
  EXPECT_EQ(plat::headless::Dialogs()[0].title, "Caribbean Poker Configuration");

  EXPECT_EQ(ReadFile(run.Root() + "/games/caribbean/Cpoker.cfg"), std::string("\0\0\0\0", 4));
}

// A short "Cpoker.cfg" keeps both options on, and the file is written whole.
TEST(CaribbeanProgram, ShortCpokerCfgKeepsBothOptionsOn) {
  R run;
  WriteFile(run.Root() + "/games/caribbean/Cpoker.cfg", std::string("\0\0", 2));
  plat::headless::SetMessageBoxHandler(AnswerOk);
  run.When(Ante, [] {
    EXPECT_EQ(kw::gCardGameOptions.voice, 1);
    EXPECT_EQ(kw::gCardGameOptions.newGameButton, 1);
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(ReadFile(run.Root() + "/games/caribbean/Cpoker.cfg"), std::string("\1\1\0\0", 4));
}

// The server's answers as the client checks them: each bad one ends in the
// "FATAL ERROR" box with the check's text.
// What the player does before the bad answer comes: nothing, deal, call or
// surrender the hand, call it and go on to the next, or leave at once.
enum Choice : int { kNone, kDeal, kCall, kSurrender, kCallAndContinue, kLeave };

struct BadAnswer {
  const char* from;  // a piece of the server's packet
  const char* to;    // what it becomes
  int choice;        // Choice
  const char* text;  // the box's client line
};

class CaribbeanAnswerCheck : public ::testing::TestWithParam<BadAnswer> {};

TEST_P(CaribbeanAnswerCheck, EndsInTheFatalBoxWithItsText) {
  const BadAnswer bad = GetParam();
  R run;
  run.cards = kKingsBeatAceKing;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  TheScriptedMainClient().filter = [bad](int channel, std::string& text) {
    const std::size_t at = text.find(bad.from);
    if (channel == 2 && at != std::string::npos) text.replace(at, std::strlen(bad.from), bad.to);
    return static_cast<int>(kRelayPass);
  };
  if (bad.choice == kLeave) {
    run.When(Ante, Close);
  } else if (bad.choice != kNone) {
    run.When(Ante, [] { R::ClickButton(gz::kButtonChip1 + 1); });
    run.When([] { return Record()->ante == 5.0; }, [] { R::ClickButton(gz::kButtonDeal); });
  }
  if (bad.choice != kNone && bad.choice != kDeal && bad.choice != kLeave) {
    run.When([] { return R::InState(gz::kChoice); },
             [bad] { R::ClickButton(bad.choice == kSurrender ? gz::kButtonSurrender : gz::kButtonCall); });
  }
  if (bad.choice == kCallAndContinue) {
    run.When([] { return R::InState(gz::kWaitNewGame); }, [] { R::ClickButton(gz::kButtonNewGame); });
  }
  run.Run();
  ASSERT_FALSE(MessageBoxes().empty());
  const plat::headless::MessageBoxRecord& box = MessageBoxes().back();
  EXPECT_EQ(box.caption, "FATAL ERROR");
  EXPECT_EQ(box.text.substr(0, box.text.find('\n')), std::string("CLIENT: ") + bad.text);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CaribbeanAnswerCheck,
    ::testing::Values(
        BadAnswer{"command=CLIENTINITANSWER&answer=ok", "command=CLIENTINITANSWER&answer=no", kNone,
                  "WAITCLIENTINIT: Answer != ok"},
        BadAnswer{"command=CLIENTINITANSWER", "command=BEGINPLAYANSWER", kNone,
                  "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER"},
        BadAnswer{"MINBET=", "MINBAT=", kNone, "WAITCLIENTINITANSWER: Can't find tag MINBET"},
        BadAnswer{"MAXBET=500.000000", "MAXBET=lots", kNone, "WAITCLIENTINITANSWER: Can't get maxBet"},
        BadAnswer{"command=BEGINPLAYANSWER&answer=ok", "command=BEGINPLAYANSWER&answer=no", kNone,
                  "WAITBEGINPLAY: Answer != ok"},
        BadAnswer{"answer=ok&MONEYAMOUNT=1000.000000", "answer=ok&MONEYAMOUNT=x", kNone,
                  "WAITCLIENTINITANSWER: Can't get moneyamount"},
        BadAnswer{"command=ENDPLAYANSWER&answer=ok", "command=ENDPLAYANSWER&answer=no", kCallAndContinue,
                  "WAITENDPLAYANSWER: Answer != ok"},
        BadAnswer{"command=ENDPLAYANSWER&answer=ok", "command=ENDPLAYANSWER&answer=no", kLeave,
                  "WAITENDPLAYQUITANSWER: Answer != ok"},
        BadAnswer{"command=CLIENTEXITANSWER&answer=ok", "command=CLIENTEXITANSWER&answer=no", kLeave,
                  "WAITCLIENTEXITANSWER: Answer != ok"},
        BadAnswer{"FIRSTCARDS=", "FIRSTCARDZ=", kDeal, "WAITFIRSTDEAL: Can't find tag FIRSTCARDS"},
        BadAnswer{"FIRSTCARDS=50,", "FIRSTCARDS=52,", kDeal, "CONVERTING: FIRSTCARDS"},
        BadAnswer{"FIRSTCARDS=50,31,24,2,39,12", "FIRSTCARDS=50,31,24,2,39", kDeal, "CONVERTING: FIRSTCARDS"},
        BadAnswer{"MONEYLEFT=", "MONEYLEFT=x", kDeal, "WAITFIRSTDEAL: Can't get MONEYLEFT data"},
        BadAnswer{"command=FIRSTDEALANSWER&answer=ok", "command=FIRSTDEALANSWER&answer=no", kDeal,
                  "WAITFIRSTDEAL: Answer != ok"},
        BadAnswer{"command=PLAYERBETANSWER&answer=ok", "command=PLAYERBETANSWER&answer=fail", kCall,
                  "WAITBETANSWER: Answer != ok"},
        BadAnswer{"command=PLAYERBETANSWER", "command=PLAYERSURANSWER", kCall,
                  "WAITBETANSWER: Invalid answerstring: wanted PLAYERBETANSWER"},
        BadAnswer{"SECONDCARDS=", "SECONDCARDZ=", kCall, "WAITBETANSWER: Can't find tag PLAYERCARD"},
        BadAnswer{",0,1015.", ",7,1015.", kCall, "CONVERTING: SECONDCARDS"},
        BadAnswer{"command=PLAYERSURANSWER&answer=ok", "command=PLAYERSURANSWER&answer=bad", kSurrender,
                  "WAITSTANDANSWER: Answer != ok"},
        BadAnswer{"SECONDCARDS=37,", "SECONDCARDS=-1,", kSurrender, "CONVERTING: SECONDCARDS"}));

// "Start a new game" stands on Surrender's place: with the pointer resting
// on it the hand cursor shows and its hint stays on the status line, as
// over any enabled button.
TEST(CaribbeanProgram, PointerOnTheNewGameButtonCountsAsOnAnEnabledButton) {
  R run;
  SurrenderAFiveAnte(run);
  run.When([] { return R::InState(gz::kWaitNewGame); }, [] {
    ASSERT_TRUE(IsButtonEnabled(gz::kButtonNewGame));
    R::PointAt(gz::kCaribbeanButtonTable[gz::kButtonNewGame]);
  });
  run.When(R::AfterFrames(30), [] {
    EXPECT_EQ(plat::headless::CurrentCursor(), plat::IDC_HAND);
    const auto& line = gz::kInfoBarArea;
    EXPECT_FALSE(R::ShowsSheet(gz::art::CaribbeanSheet(), line.x, line.y, line.width, line.height));
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
}

// Exit stays on while the cards and chips are gathered after the new game
// is asked for: a close then asks to return to the main menu and the
// session ends at the next ante.
TEST(CaribbeanProgram, ExitStaysOnWhileTheTableIsCleared) {
  R run;
  SurrenderAFiveAnte(run);
  run.When([] { return R::InState(gz::kWaitNewGame); }, [] { R::ClickButton(gz::kButtonNewGame); });
  run.When([] { return R::InState(gz::kGatherCards); }, [] {
    EXPECT_TRUE(IsButtonEnabled(gz::kButtonExit));
    Close();
  });
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Return to main menu?");
  EXPECT_TRUE(Sent(run, 1, "command=CLIENTEXIT"));
}
