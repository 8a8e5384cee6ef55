// What the card-table sheets (Caribbean Poker, Baccarat, Pai Gow Poker,
// Black Jack) draw alike from a program's button table: the text buttons,
// the push buttons' faces in their states, each chip button's chip lit and
// pressed, the lag strip, and the lists of sprite areas and hit areas.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "artwork/Sheet.h"
#include "artwork/Text.h"
#include "framework/shell/ButtonEntry.h"

namespace artwork {

// A sprite's area in the picture, named for the check that none leaves the
// picture or lies over another.
struct SpriteArea {
  const char* what;
  Rect area;
};

struct ButtonLabel {
  int button;
  const char* text;
  std::uint8_t face;
};

// A program's buttons as its sheet draws them.
struct CardTableButtons {
  std::span<const ButtonEntry> table;
  int firstChip;  // the chip buttons, one for each value
  std::span<const int> chipValues;
  int chipWidth, chipHeight;
};

// The screen area of a button.
Rect ButtonArea(const CardTableButtons& buttons, int button);
// The panel in its colour with the label centred, black on yellow, else white.
void DrawTextButton(IndexedImage& image, const Rect& r, const char* label, std::uint8_t panel);
// A text button lit (yellow).
void DrawLitTextButton(IndexedImage& image, const SheetItem& item);
// A chip of item.value; colour kYellow rings it (pressed).
void DrawChipSprite(IndexedImage& image, const SheetItem& item);
// The lag meter: green to red across its columns.
void DrawLagStrip(IndexedImage& image, const SheetItem& item);

// In this order: the faces of the push buttons in each of states, the lit
// face of each text button, each chip button's chip lit and pressed.
void AddButtonSprites(std::vector<SheetItem>& items, const CardTableButtons& buttons,
                      std::span<const ButtonLabel> pushButtons, std::span<const int> states,
                      std::span<const ButtonLabel> textButtons);
// A "button face" area for every state of every button that has an image.
void AddButtonFaceAreas(std::vector<SpriteArea>& areas, const CardTableButtons& buttons);
// A "font" area for each font.
void AddFontAreas(std::vector<SpriteArea>& areas, std::span<const GlyphFont> fonts);
// The pixels the program reads its transparent and text colours from: the
// two marker items, or their two areas.
void AddColourPixels(std::vector<SheetItem>& items, int transparentX, int transparentY, std::uint8_t key,
                     int textX, int textY, std::uint8_t text);
void AddColourPixelAreas(std::vector<SpriteArea>& areas, int transparentX, int transparentY, int textX, int textY);
// The hit areas of the buttons first .. end - 1 that have an area.
std::vector<HitArea> ButtonHitAreas(const CardTableButtons& buttons, int first, int end);

}  // namespace artwork
