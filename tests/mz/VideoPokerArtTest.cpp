// The staged Video Poker picture read back as the program reads it: the
// card places are bare felt, and each meter keeps its black value place
// with its name beside it, clear of the cards.
#include <gtest/gtest.h>

#include "mz/HandCard.h"
#include "mz/VideoPokerFiles.h"
#include "mz/VideoPokerLayout.h"
#include "mz/art/VideoPokerSheet.h"
#include "tests/support/StagedSheet.h"

namespace {

using namespace mz;

class VideoPokerArt : public CStagedSheetTest<VideoPokerArt> {
 protected:
  static void SetUpTestSuite() { Stage(art::VideoPokerSheet(), art::kProgram, kHitMapFile); }
};

constexpr Area kMeters[] = {kWonMeter, kCreditsMeter, kBetMeter, kMoneyMeter};

// A turning card is drawn over its place restored from the picture: any
// painting there would show round the card's edges.
TEST_F(VideoPokerArt, CardPlacesAreBareFelt) {
  const int felt = Pixel(CardPlace(0).x, CardPlace(0).y);
  for (int n = 0; n < kHandCards; ++n) {
    const Point at = CardPlace(n);
    for (int y = at.y; y < at.y + kCardHeight; ++y) {
      for (int x = at.x; x < at.x + kCardWidth; ++x) ASSERT_EQ(Pixel(x, y), felt) << "card " << n << " at " << x << ", " << y;
    }
  }
}

// The program prints the values into the meters: each is plain black, and
// left of it, on its rows, stands its name.
TEST_F(VideoPokerArt, MetersAreBlankWithTheirNamesBeside) {
  for (const Area& m : kMeters) {
    SCOPED_TRACE(std::to_string(m.x) + ", " + std::to_string(m.y));
    const int black = Pixel(m.x, m.y);
    for (int y = m.y; y < m.y + m.height; ++y) {
      for (int x = m.x; x < m.x + m.width; ++x) ASSERT_EQ(Pixel(x, y), black);
    }
    const int ground = Pixel(m.x - 2, m.y - 2);
    int ink = 0;
    for (int y = m.y; y < m.y + m.height; ++y) {
      for (int x = m.x - 30; x < m.x - 2; ++x) ink += Pixel(x, y) != ground ? 1 : 0;
    }
    EXPECT_GT(ink, 10);
  }
}

}  // namespace
