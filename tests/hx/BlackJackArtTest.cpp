// The staged Black Jack picture, hit map and sounds, read back as the
// program reads them: every sprite where the program's tables say, the key
// colours where start-up reads them, every button's area carrying its
// number, every file the program opens present.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "artwork/Card.h"
#include "artwork/Generator.h"
#include "artwork/StandardColours.h"
#include "framework/sound/Dib.h"
#include "framework/sound/HitMap.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackFiles.h"
#include "hx/BlackJackFonts.h"
#include "hx/BlackJackLayout.h"
#include "hx/BlackJackTable.h"
#include "hx/art/BlackJackSheet.h"
#include "tests/support/StagedSheet.h"

namespace {

using namespace hx;

class BlackJackArt : public CStagedSheetTest<BlackJackArt> {
 protected:
  static void SetUpTestSuite() { Stage(art::BlackJackSheet(), art::kProgram, kHitMapFile); }
};

TEST_F(BlackJackArt, EverySpriteLiesInThePictureBesideTheScreenAndApartFromTheOthers) {
  ASSERT_EQ(staged->picture.Width(), kPictureWidth);
  ASSERT_EQ(staged->picture.Height(), kPictureHeight);
  ExpectSpritesApart(art::SpriteAreas(), kPictureWidth, kPictureHeight);
}

// Start-up reads the chips' key at the $1 chip's pressed face and the
// pointer's at the first pointer frame: both the key the sprites stand on.
TEST_F(BlackJackArt, KeyColoursLieWhereStartUpReadsThem) {
  EXPECT_EQ(Pixel(kChipKeyPixel.x, kChipKeyPixel.y), kPictureKey);
  EXPECT_EQ(Pixel(kPointerKeyPixel.x, kPointerKeyPixel.y), kPictureKey);
  EXPECT_EQ(Pixel(kSmallFontLayout.x, kSmallFontLayout.y), kSmallFont[1]);
  EXPECT_EQ(Pixel(kTableFontLayout.x, kTableFontLayout.y), kTableFont[1]);
  for (int c = 0; c < kChipCount; ++c) {
    const ButtonSource s = ChipSprite(c);
    EXPECT_NE(Pixel(s.x + kChipWidth / 2, s.y + kChipHeight / 2), kPictureKey) << c;
  }
  for (int frame = 0; frame < kPointerFrames; ++frame) {
    const int x = kPointerSource.x + frame * kPointerFrameStep;
    EXPECT_NE(Pixel(x + kPointerSize / 2, kPointerSource.y + kPointerSize / 2), kPictureKey) << frame;
  }
}

// Entry suit * 13 + value of the card table shows that card, drawn again
// on its own; entry 0 is the back.
TEST_F(BlackJackArt, CardTableEntriesShowTheirCards) {
  EXPECT_EQ(CardPicture(0).x, kCardBackSource.x);
  EXPECT_EQ(CardPicture(0).y, kCardBackSource.y);
  EXPECT_EQ(CardPicture(kCardPictures).x, kCardBackSource.x);
  for (int suit = 0; suit < kSuits; ++suit) {
    for (int value = kAceValue; value <= kKingValue; ++value) {
      const Point p = CardPicture(CardPictureIndex(suit, value));
      EXPECT_EQ(p.x, kCardWidth * (value - 1));
      EXPECT_EQ(p.y, kFaceRowY[suit]);
      artwork::IndexedImage card;
      card.Resize(kCardWidth, kCardHeight, artwork::kKey);
      artwork::DrawCard(card, {0, 0, kCardWidth, kCardHeight}, value == kAceValue ? 14 : value, suit);
      int differing = 0;
      for (int y = 0; y < kCardHeight; ++y) {
        for (int x = 0; x < kCardWidth; ++x) differing += Pixel(p.x + x, p.y + y) != card.At(x, y);
      }
      EXPECT_EQ(differing, 0) << suit << ", " << value;
    }
  }
}

// Each map pixel carries the button whose area holds its point; the New
// Game button shares Split's area, which the map gives to Split.
TEST_F(BlackJackArt, EveryButtonsAreaInTheHitMapCarriesItsNumber) {
  for (int b = 1; b < kButtonNewGame; ++b) {
    const ButtonEntry& row = kBlackJackButtonTable[b];
    const int x = (row.x + row.width / 2) & ~1;
    const int y = (row.y + row.height / 2) & ~1;
    EXPECT_EQ(HitTest(staged->map, x, y), b) << "button " << b;
  }
  EXPECT_EQ(HitTest(staged->map, 20, 20), 0);
}

TEST_F(BlackJackArt, EverySoundTheProgramPlaysAndItsMusicAreStaged) {
  for (const char* name : {kSoundDeal, kSoundBust, kSoundInsurance, kSoundInsuranceWon, kSoundBlackJack,
                           kSoundPlaceBet, kSoundChip, kSoundButton, kSoundMaximum, kSoundPlayerWins,
                           kSoundDealerWins, kSoundPush, "../wav/c_17.wav", "../wav/c_21.wav"}) {
    const std::vector<std::uint8_t> bytes = ReadBytes(StagedPath(name));
    ASSERT_GT(bytes.size(), 44u) << name;
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF") << name;
  }
  const std::vector<std::uint8_t> music = ReadBytes(StagedPath(kMusicFile));
  ASSERT_GT(music.size(), 14u);
  EXPECT_EQ(std::string(music.begin(), music.begin() + 4), "MThd");
}

}  // namespace
