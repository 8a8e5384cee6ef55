// A small sample sheet the toolkit's tests render: a felt table with three
// bet areas and three buttons on screen, and below the screen a strip of
// sprites (chips, dice, cards, button faces in their three states, a glyph
// font) and a help page.
#pragma once

#include "artwork/Sheet.h"
#include "artwork/StandardColours.h"
#include "framework/sound/GlyphLayout.h"

namespace artwork::sample {

inline constexpr char kProgram[] = "sample";
inline constexpr char kHitMapFile[] = "res\\Btndata.dat";
inline constexpr char kHelpFile[] = "help\\sample.htm";
inline constexpr int kWidth = 640;
inline constexpr int kHeight = 620;

struct Button {
  int number;         // its number in the hit map
  const char* label;
  Rect screen;        // where it is shown
  int faceY;          // its faces lie at (kFaceX[state], faceY), the size of screen
};
inline constexpr int kFaceX[3] = {0, 82, 164};
inline constexpr Button kButtons[] = {
    {1, "ROLL", {40, 420, 80, 30}, 510},
    {2, "CLEAR", {140, 420, 80, 30}, 542},
    {3, "EXIT", {520, 420, 80, 30}, 574},
};

struct BetArea {
  int number;
  const char* label;
  Rect screen;
};
inline constexpr BetArea kBetAreas[] = {
    {10, "PASS LINE", {60, 280, 240, 60}},
    {11, "FIELD", {340, 280, 240, 60}},
    {12, "ANY 7", {250, 150, 140, 50}},
};

inline constexpr int kChipValues[] = {1, 5, 25, 100, 500};
inline constexpr Rect ChipSprite(int i) { return {i * 34, 480, 32, 24}; }
inline constexpr Rect DieSprite(int face) { return {180 + (face - 1) * 26, 482, 24, 24}; }
inline constexpr int kCardIds[] = {51, 37, 8, 13};  // ace of spades, king of clubs, 10 of diamonds, 2 of hearts
inline constexpr Rect CardSprite(int i) { return {340 + i * 42, 480, 40, 56}; }  // index 4: the back

inline constexpr GlyphFont kFont{{250, 540, 380, 1, 1, kKey}, kWhite, kBlack};
inline constexpr GlyphTable kFontTable = MakeGlyphTable(kFont.layout);

// Pixels a program reads its colours from.
inline constexpr int kTextColourX = 639;
inline constexpr int kTextColourY = 619;
inline constexpr int kKeyColourX = 638;
inline constexpr int kKeyColourY = 619;

// The sheet of the sample program.
const Sheet& SampleSheet();

}  // namespace artwork::sample
