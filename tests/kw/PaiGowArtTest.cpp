// The staged Pai Gow picture, hit map and sounds, read back as the program
// reads them: every sprite where the program's tables say, every face a
// card of its own, every button's area carrying its number, every file the
// program opens present.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "artwork/Card.h"
#include "artwork/Generator.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "framework/sound/Dib.h"
#include "framework/sound/HitMap.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowFiles.h"
#include "kw/PaiGowFonts.h"
#include "kw/PaiGowTableLayout.h"
#include "kw/art/PaiGowSheet.h"
#include "tests/support/StagedSheet.h"

namespace {

using namespace kw;

class PaiGowArt : public CStagedSheetTest<PaiGowArt> {
 protected:
  static void SetUpTestSuite() { Stage(art::PaiGowSheet(), art::kProgram, kHitMapFile); }

  // The pixels of an area, row by row.
  static std::vector<int> Block(int x, int y, int width, int height) {
    std::vector<int> pixels;
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) pixels.push_back(Pixel(x + column, y + row));
    }
    return pixels;
  }
};

TEST_F(PaiGowArt, EverySpriteLiesInThePictureBesideTheScreenAndApartFromTheOthers) {
  ASSERT_EQ(staged->picture.Width(), kPictureWidth);
  ASSERT_EQ(staged->picture.Height(), kPictureHeight);
  ExpectSpritesApart(art::SpriteAreas(), kPictureWidth, kPictureHeight);
}

// The piles are drawn with the transparent colour: each chip has key round
// it and colour in its middle, and the program reads that key back.
TEST_F(PaiGowArt, ChipsAndFlyingCardsStandOnTheKeyColour) {
  EXPECT_EQ(Pixel(kTransparentPixel.x, kTransparentPixel.y), kPictureKey);
  EXPECT_NE(Pixel(kTextColourPixel.x, kTextColourPixel.y), kPictureKey);
  EXPECT_EQ(Pixel(kSmallFontLayout.x, kSmallFontLayout.y), kSmallFont[1]);
  EXPECT_EQ(Pixel(kTextBoxFontLayout.x, kTextBoxFontLayout.y), kTextBoxFont[1]);

  std::vector<Area> sprites;
  for (int c = 0; c < kChipCount; ++c) sprites.push_back({ChipSprite(c).x, ChipSprite(c).y, kChipWidth, kChipHeight});
  sprites.push_back({kFractionChipSprite.x, kFractionChipSprite.y, kChipWidth, kChipHeight});
  for (const auto& design : kFlyingFrameSources) {
    for (const Area& frame : design) sprites.push_back(frame);
  }
  for (const Area& s : sprites) {
    SCOPED_TRACE(std::to_string(s.x) + ", " + std::to_string(s.y));
    EXPECT_EQ(Pixel(s.x, s.y), kPictureKey);
    EXPECT_EQ(Pixel(s.x + s.width - 1, s.y + s.height - 1), kPictureKey);
    EXPECT_NE(Pixel(s.x + s.width / 2, s.y + s.height / 2), kPictureKey);
  }
}

// The face table gives each card id the picture of that very card: drawn
// again on its own, it matches the staged pixels.
TEST_F(PaiGowArt, FaceOfEachIdShowsThatCard) {
  for (int id = 0; id < kDeckWithJoker; ++id) {
    SCOPED_TRACE(id);
    artwork::IndexedImage card;
    card.Resize(kCardWidth, kCardHeight, artwork::kKey);
    if (id == kJokerId) {
      artwork::DrawJoker(card, {0, 0, kCardWidth, kCardHeight});
    } else {
      artwork::DrawCard(card, {0, 0, kCardWidth, kCardHeight}, CardRank(id), CardSuit(id));
    }
    const std::vector<int> staged = Block(kCardFaces[id].x, kCardFaces[id].y, kCardWidth, kCardHeight);
    EXPECT_EQ(staged, std::vector<int>(card.pixels.begin(), card.pixels.end()));
  }
}

// Every face differs from every other face and from both backs, whole and
// in the left strip that an overlapped card shows.
TEST_F(PaiGowArt, EveryFaceIsDistinctWholeAndInItsStrip) {
  std::vector<std::vector<int>> faces;
  std::vector<std::vector<int>> strips;
  for (const Point face : kCardFaces) {
    faces.push_back(Block(face.x, face.y, kCardWidth, kCardHeight));
    strips.push_back(Block(face.x, face.y, kCardStripWidth, kCardHeight));
  }
  for (std::size_t i = 0; i < faces.size(); ++i) {
    for (std::size_t j = i + 1; j < faces.size(); ++j) {
      EXPECT_NE(faces[i], faces[j]) << i << " and " << j;
      EXPECT_NE(strips[i], strips[j]) << i << " and " << j;
    }
  }
  const std::vector<int> blue = Block(kCardBacks[0].x, kCardBacks[0].y, kCardWidth, kCardHeight);
  const std::vector<int> red = Block(kCardBacks[1].x, kCardBacks[1].y, kCardWidth, kCardHeight);
  EXPECT_NE(blue, red);
  for (const auto& face : faces) {
    EXPECT_NE(face, blue);
    EXPECT_NE(face, red);
  }
}

// The two designs look different in flight too.
TEST_F(PaiGowArt, FlyingFramesDifferByDesign) {
  for (int frame = 0; frame < kFlyingFrames; ++frame) {
    SCOPED_TRACE(frame);
    const Area a = kFlyingFrameSources[kDeckDesignBlue][frame];
    const Area b = kFlyingFrameSources[kDeckDesignRed][frame];
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    EXPECT_NE(Block(a.x, a.y, a.width, a.height), Block(b.x, b.y, b.width, b.height));
  }
}

// Each map pixel carries the button whose area holds its screen point, 0
// where none lies; no two areas share a point.
TEST_F(PaiGowArt, EveryButtonsAreaInTheHitMapCarriesItsNumber) {
  int pixelsOf[kPaiGowButtonCount] = {};
  for (int y = 0; y < artwork::kScreenHeight; y += 2) {
    for (int x = 0; x < artwork::kScreenWidth; x += 2) {
      int holder = 0;
      for (int b = 1; b < kPaiGowButtonCount; ++b) {
        const ButtonEntry& row = kPaiGowButtonTable[b];
        if (x < row.x || x >= row.x + row.width || y < row.y || y >= row.y + row.height) continue;
        ASSERT_EQ(holder, 0) << "buttons " << holder << " and " << b << " share " << x << ", " << y;
        holder = b;
      }
      ASSERT_EQ(HitTest(staged->map, x, y), holder) << "at " << x << ", " << y;
      ++pixelsOf[holder];
    }
  }
  for (int b = 1; b < kPaiGowButtonCount; ++b) EXPECT_GT(pixelsOf[b], 0) << "button " << b << " has no area";
}

// The labels the table shows for Options, Help and Exit fit their buttons.
TEST_F(PaiGowArt, TextButtonLabelsFitTheirButtons) {
  const artwork::TextStyle style{artwork::kWhite, artwork::kBlack, 1, 0};
  const std::pair<int, const char*> labels[] = {
      {kButtonOptions, "OPTIONS"}, {kButtonHelp, "HELP"}, {kButtonExit, "EXIT"}};
  for (const auto& [button, text] : labels) {
    EXPECT_LT(artwork::TextWidth(text, style), kPaiGowButtonTable[button].width) << text;
  }
}

TEST_F(PaiGowArt, EverySoundTheProgramPlaysAndItsMusicAreStaged) {
  for (const char* name : kPaiGowSounds) {
    const std::vector<std::uint8_t> bytes = ReadBytes(StagedPath(name));
    ASSERT_GT(bytes.size(), 44u) << name;
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF") << name;
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE") << name;
  }
  const std::vector<std::uint8_t> music = ReadBytes(StagedPath(kMusicFile));
  ASSERT_GT(music.size(), 14u);
  EXPECT_EQ(std::string(music.begin(), music.begin() + 4), "MThd");
}

// The help key opens PATH from ORVANTA.INI with the page's name behind it.
TEST_F(PaiGowArt, HelpPageLiesWhereOrvantaIniLeads) {
  const std::vector<std::uint8_t> ini = ReadBytes(StagedPath(artwork::kHelpIniFile));
  const std::string text(ini.begin(), ini.end());
  const std::string key = "PATH=";
  const std::size_t at = text.find(key);
  ASSERT_NE(at, std::string::npos);
  const std::string path = text.substr(at + key.size(), text.find('\r', at) - at - key.size());
  const std::vector<std::uint8_t> page = ReadBytes(StagedPath((path + "help\\" + kHelpPage).c_str()));
  EXPECT_NE(std::string(page.begin(), page.end()).find("<h1>Pai Gow Poker</h1>"), std::string::npos);
}

}  // namespace
