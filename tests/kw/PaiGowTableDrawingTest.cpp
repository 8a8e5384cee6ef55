// What the Pai Gow table draws, read back from the screen's layers: chip
// piles against chips stacked by hand, and a round played with the
// animations on and off ending on the same layers at every stage.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Random.h"
#include "framework/sound/Dib.h"
#include "kw/ChipPiles.h"
#include "kw/PaiGowBetting.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowTableLayout.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/time.h"
#include "platform/include/plat/window.h"
#include "tests/kw/PaiGowRun.h"
#include "tests/kw/ScriptedDeal.h"
#include "tests/support/KilledRun.h"

namespace {

using R = PaiGowRun;

int AnswerOk(const plat::headless::MessageBoxRecord&) { return plat::IDOK; }

bool Betting() { return R::InState(kw::kBetting) && kw::BettingOpen(); }
bool Arranging() { return R::InState(kw::kArranging); }

// ---- Chip piles ---------------------------------------------------------------

// A chip's picture in the sheet by value, stacked by hand below.
kw::Point ChipFace(int value) {
  for (int chip = 0; chip < kw::kChipCount; ++chip) {
    if (kw::kChipValues[chip] == value) {
      const ButtonSource face = kw::ChipSprite(chip);
      return {face.x, face.y};
    }
  }
  ADD_FAILURE() << "no chip of " << value;
  return {0, 0};
}

std::uint8_t PictureIndex(int x, int y) { return *gPicture.PixelAddress(x, y); }

// The pixels of an area of a layer, row by row.
std::vector<std::uint8_t> Area(const CDib& layer, int x, int y, int width, int height) {
  std::vector<std::uint8_t> pixels;
  for (int row = y; row < y + height; ++row) {
    const plat::BYTE* p = layer.PixelAddress(x, row);
    pixels.insert(pixels.end(), p, p + width);
  }
  return pixels;
}

// The room a pile takes: its bottom chip at (x, y), the rise above it, one
// pixel of jitter either side.
struct PileRoom {
  int x, y, width, height;
};
PileRoom RoomOf(int x, int y) {
  return {x - 1, y - kw::kPileRise, kw::kChipWidth + 2, kw::kChipHeight + kw::kPileRise};
}

// The area under faces stacked from the bottom: chip n stands 4 pixels
// above the one below it, moved sideways by the pile's jitter; a chip's
// key-coloured pixels leave what is under them.
std::vector<std::uint8_t> Stacked(std::vector<std::uint8_t> under, const PileRoom& room, int pile,
                                  const std::vector<kw::Point>& faces, int x, int y) {
  for (int n = 0; n < static_cast<int>(faces.size()); ++n) {
    const int jitter = kw::ChipJitter(pile, n);
    EXPECT_GE(jitter, -1);
    EXPECT_LE(jitter, 1);
    const int left = x + jitter;
    const int top = y - kw::kPileChipStep * n;
    for (int dy = 0; dy < kw::kChipHeight; ++dy) {
      for (int dx = 0; dx < kw::kChipWidth; ++dx) {
        const std::uint8_t index = PictureIndex(faces[n].x + dx, faces[n].y + dy);
        if (index == gTransparentIndex) continue;
        under[static_cast<std::size_t>((top + dy - room.y) * room.width + (left + dx - room.x))] = index;
      }
    }
  }
  return under;
}

int Differing(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  int count = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i];
  return count + static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}

struct PileCase {
  float amount;
  std::vector<kw::Point> faces;  // from the bottom
};

// 531 is a 500, a 25, a 5 and a 1 from the bottom up; 0.50 the fraction
// chip alone; 0 nothing at all.
std::vector<PileCase> PileCases() {
  return {{531.0f, {ChipFace(500), ChipFace(25), ChipFace(5), ChipFace(1)}},
          {0.5f, {kw::kFractionChipSprite}},
          {0.0f, {}}};
}

// Drawn on the table where the win pile stands, the pile is the chips
// stacked by hand over the table, pixel for pixel; then the same into a work
// bitmap filled with the key colour, as the flying piles are drawn.
TEST(PaiGowChipPiles, PilesOf531AndAHalfAndNothingShowTheirChips) {
  PaiGowRun run;
  plat::headless::SetMessageBoxHandler(AnswerOk);
  int cases = 0;
  run.When(Betting, [&] {
    const kw::Point at = kw::kWinPilePlace;
    const PileRoom room = RoomOf(at.x, at.y);
    for (const PileCase& c : PileCases()) {
      const std::vector<std::uint8_t> table = Area(gScreen.Background(), room.x, room.y, room.width, room.height);
      kw::DrawChipPile(kw::kWinPile, c.amount, at.x, at.y);
      const std::vector<std::uint8_t> got = Area(gScreen.Background(), room.x, room.y, room.width, room.height);
      EXPECT_EQ(Differing(got, Stacked(table, room, kw::kWinPile, c.faces, at.x, at.y)), 0) << "pile of " << c.amount;
      if (c.faces.empty()) {
        EXPECT_EQ(got, table) << "pile of " << c.amount;
      }
      gScreen.Restore(room.x, room.y, room.width, room.height);

      // The work bitmap: the pile's bottom chip 60 pixels down from (1, 0).
      CDib work;
      ASSERT_TRUE(work.Create(kw::kChipWidth + 2, kw::kChipHeight + kw::kPileRise));
      work.Fill(0, 0, work.Width(), work.Height(), 0);
      kw::DrawChipPileTo(&work, kw::kBetPile, c.amount, 1, 0);
      const PileRoom workRoom = RoomOf(1, kw::kPileRise);
      const std::vector<std::uint8_t> key(static_cast<std::size_t>(work.Width() * work.Height()),
                                          static_cast<std::uint8_t>(gTransparentIndex));
      const std::vector<std::uint8_t> drawn = Area(work, 0, 0, work.Width(), work.Height());
      EXPECT_EQ(Differing(drawn, Stacked(key, workRoom, kw::kBetPile, c.faces, 1, kw::kPileRise)), 0)
          << "work pile of " << c.amount;
      ++cases;
    }
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(cases, 3);
}

// ---- Animations on and off ------------------------------------------------------

// A round both hands won, then the same cards the other way round: 9, 8, 6,
// 4, 2, J, 10 with 6 and 2 to the 2nd hand against the queens, both lost;
// then a round dealt in deck order.
std::vector<int> Cards() {
  std::vector<int> cards = kPlayerWinsBoth;
  cards.insert(cards.end(), kPlayerWinsBoth.begin() + 7, kPlayerWinsBoth.end());
  cards.insert(cards.end(), kPlayerWinsBoth.begin(), kPlayerWinsBoth.begin() + 7);
  for (int id = 0; id < 14; ++id) cards.push_back(id);
  return cards;
}

struct Layers {
  std::vector<std::uint8_t> background;
  std::vector<std::uint8_t> front;
  plat::DWORD time;  // virtual milliseconds since the start
};

Layers TakeLayers() { return {LayerPixels(gScreen.Background()), LayerPixels(gScreen.Front()), plat::GetTickCount()}; }

// The stages of a round at which the table stands still.
enum Stage { kDealt, kOneMoved, kMovedBack, kSecondHandFull, kShownDown, kSwept, kLostShownDown, kLostSwept, kStages };
const char* const kStageNames[] = {"dealt",      "one card moved", "moved back",       "second hand full",
                                   "shown down", "swept",          "lost, shown down", "lost, swept"};

// A round of 30 (25, 5) played by clicks: the queen to the 2nd hand and
// back, ace and king there, Done, New Game; then a round of 5 lost. The
// layers at each stage.
std::vector<Layers> PlayRound(int animations) {
  PaiGowRun run;
  run.cards = Cards();
  plat::headless::SetMessageBoxHandler(AnswerOk);
  std::vector<Layers> taken(kStages);
  auto take = [&taken](Stage stage) { taken[stage] = TakeLayers(); };
  auto record = [] { return R::Record(); };
  run.When(Betting, [animations] {
    gCasinoCfg.showAnimations = static_cast<std::uint16_t>(animations);
    // The same chips' jitter in both runs.
    SeedRandomWith(1736);
    kw::ShuffleChipJitter();
    R::ClickButton(kw::kButtonBet1 + 2);
  });
  run.When([&] { return record()->bet == 25.0; }, [] { R::ClickButton(kw::kButtonBet1 + 1); });
  run.When([&] { return record()->bet == 30.0; }, [] { R::ClickButton(kw::kButtonDeal); });
  run.When(Arranging, [&] {
    take(kDealt);
    R::ClickButton(kw::kButtonRowCard1);
  });
  run.When([&] { return Arranging() && record()->slots[0] == 1; }, [&] {
    take(kOneMoved);
    R::ClickButton(kw::kButtonSlot1);
  });
  run.When([&] { return Arranging() && record()->slots[0] == 0; }, [&] {
    take(kMovedBack);
    R::ClickButton(kw::kButtonRowCard1 + 2);
  });
  run.When([&] { return Arranging() && record()->slots[0] == 3; }, [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
  run.When([] { return R::InState(kw::kReadyForDone); }, [&] {
    take(kSecondHandFull);
    R::ClickButton(kw::kButtonDone);
  });
  run.When([] { return R::InState(kw::kWaitNewGame); }, [&] {
    take(kShownDown);
    R::ClickButton(kw::kButtonNewGame);
  });
  run.When(Betting, [&] {
    take(kSwept);
    R::ClickButton(kw::kButtonBet1 + 1);
  });
  run.When([&] { return record()->bet == 5.0; }, [] { R::ClickButton(kw::kButtonDeal); });
  run.When(Arranging, [] { R::ClickButton(kw::kButtonRowCard1 + 2); });
  run.When([&] { return Arranging() && record()->slots[0] == 3; }, [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
  run.When([] { return R::InState(kw::kReadyForDone); }, [] { R::ClickButton(kw::kButtonDone); });
  run.When([] { return R::InState(kw::kWaitNewGame); }, [&] {
    EXPECT_EQ(record()->result, 1);
    take(kLostShownDown);
    R::ClickButton(kw::kButtonNewGame);
  });
  run.When(Betting, [&] {
    take(kLostSwept);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_FALSE(run.cardsRanOut);
  return taken;
}

TEST(PaiGowAnimations, OnAndOffEndOnTheSameLayersAtEveryStage) {
  const std::vector<Layers> off = PlayRound(0);
  const std::vector<Layers> on = PlayRound(1);
  for (int stage = 0; stage < kStages; ++stage) {
    SCOPED_TRACE(kStageNames[stage]);
    ASSERT_FALSE(off[stage].background.empty());
    ASSERT_FALSE(on[stage].background.empty());
    ExpectSameLayer(on[stage].background, off[stage].background, "background");
    ExpectSameLayer(on[stage].front, off[stage].front, "front");
  }
  // The animations took their frames; the stages differ from one another.
  EXPECT_GT(on[kSwept].time - on[kDealt].time, off[kSwept].time - off[kDealt].time);
  EXPECT_NE(off[kDealt].background, off[kOneMoved].background);
  EXPECT_NE(off[kShownDown].background, off[kSwept].background);
  EXPECT_NE(off[kLostShownDown].background, off[kLostSwept].background);
}

}  // namespace
