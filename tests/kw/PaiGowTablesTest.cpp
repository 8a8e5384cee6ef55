// The Pai Gow tables as the player meets them: hover texts, button areas on
// the table, and texts that must fit the places they are drawn in.
#include <gtest/gtest.h>

#include <cstring>

#include "kw/PaiGowButtons.h"
#include "kw/PaiGowFonts.h"
#include "kw/PaiGowTableLayout.h"

namespace {

using namespace kw;

TEST(PaiGowTables, HoverTextOfEveryButton) {
  constexpr const char* kExpected[kPaiGowButtonCount] = {
      nullptr,    "Info bar", "Options",  "Help", "Bet $1", "Bet $5", "Bet $25", "Bet $100",
      "Bet $500", "Deal",     "Done with 2nd hand", "Start a new game", nullptr,  "Exit",
  };
  for (int b = 0; b < kPaiGowButtonCount; ++b) {
    SCOPED_TRACE(b);
    const char* expected = kExpected[b];
    if (b >= kButtonRowCard1 && b < kButtonSlot1) expected = "Move card to 2nd hand";
    if (b >= kButtonSlot1) expected = "Move card to highest";
    if (expected == nullptr) {
      EXPECT_EQ(ButtonHoverText(b), nullptr);
    } else {
      ASSERT_NE(ButtonHoverText(b), nullptr);
      EXPECT_STREQ(ButtonHoverText(b), expected);
    }
  }
  EXPECT_EQ(ButtonHoverText(-1), nullptr);
  EXPECT_EQ(ButtonHoverText(kPaiGowButtonCount), nullptr);
}

bool Inside(Area inner, const ButtonEntry& row) {
  return inner.x >= row.x && inner.y >= row.y && inner.x + inner.width <= row.x + row.width &&
         inner.y + inner.height <= row.y + row.height;
}

// A click on a card, a slot or the bet pile lands on its button; every
// button lies on the screen.
TEST(PaiGowTables, CardsSlotsAndTheBetPileLieInTheirButtons) {
  for (int i = 0; i < kRowCards; ++i) {
    EXPECT_TRUE(Inside({kRowPlaces[i].x, kRowPlaces[i].y, kCardWidth, kCardHeight},
                       kPaiGowButtonTable[kButtonRowCard1 + i]))
        << i;
  }
  for (int i = 0; i < kSecondHandCards; ++i) {
    EXPECT_TRUE(Inside({kSecondHandSlots[i].x, kSecondHandSlots[i].y, kCardWidth, kCardHeight},
                       kPaiGowButtonTable[kButtonSlot1 + i]))
        << i;
  }
  EXPECT_TRUE(Inside({kBetPilePlace.x, kBetPilePlace.y, kChipWidth, kChipHeight}, kPaiGowButtonTable[kButtonBetArea]));
  for (const ButtonEntry& row : kPaiGowButtonTable) {
    EXPECT_GE(row.x, 0);
    EXPECT_GE(row.y, 0);
    EXPECT_LE(row.x + row.width, 640);
    EXPECT_LE(row.y + row.height, 480);
  }
}

// Only the buttons that are usable before a game starts are enabled, and the
// areas that are never drawn have no pictures.
TEST(PaiGowTables, InitialStateOfTheButtons) {
  for (int b = 0; b < kPaiGowButtonCount; ++b) {
    SCOPED_TRACE(b);
    const ButtonEntry& row = kPaiGowButtonTable[b];
    const bool atStart = b == kButtonInfoBar || b == kButtonOptions || b == kButtonHelp || b == kButtonExit;
    EXPECT_EQ(row.enabled, atStart ? 1 : 0);
    EXPECT_EQ(row.source[kButtonStateNormal].x, kNoSource);
    if (row.kind == kButtonHitOnly) {
      for (const ButtonSource& s : row.source) EXPECT_EQ(s.x, kNoSource);
    } else {
      EXPECT_NE(row.source[kButtonStatePressed].x, kNoSource);
    }
  }
  ResetPaiGowButtons();
  EXPECT_EQ(std::memcmp(gPaiGowButtons, kPaiGowButtonTable, sizeof gPaiGowButtons), 0);
}

int Width(const GlyphTable& font, const char* text) {
  int width = 0;
  for (const char* c = text; *c; ++c) width += font[GlyphWord(*c) + 2] + 1;
  return width;
}

// The boxed texts fit the strip behind them, and the largest balance fits
// the money box.
TEST(PaiGowTables, TextsFitTheirPlaces) {
  EXPECT_LE(Width(kTextBoxFont, "Invalid hand, bet is lost!") + kTextBoxExtraWidth, kTextStripWidth);
  EXPECT_LE(Width(kTextBoxFont, "Player wins ; 99999.99") + kTextBoxExtraWidth, kTextStripWidth);
  EXPECT_LE(Width(kSmallFont, "$999999.99"), 80);
  EXPECT_EQ(kTextStripHeight, kTextBoxFont[0] + 2);
}

}  // namespace
