#include "artwork/CardTableSheet.h"

#include "artwork/ButtonFace.h"
#include "artwork/Chip.h"
#include "artwork/SheetItems.h"
#include "artwork/StandardColours.h"

namespace artwork {

Rect ButtonArea(const CardTableButtons& buttons, int button) {
  const ButtonEntry& row = buttons.table[static_cast<std::size_t>(button)];
  return {row.x, row.y, row.width, row.height};
}

void DrawTextButton(IndexedImage& image, const Rect& r, const char* label, std::uint8_t panel) {
  FillRect(image, r, panel);
  DrawTextCentred(image, r, label, {panel == kYellow ? std::uint8_t{kBlack} : std::uint8_t{kWhite}, kBlack, 1, 0});
}

void DrawLitTextButton(IndexedImage& image, const SheetItem& item) { DrawTextButton(image, item.area, item.text, kYellow); }

void DrawChipSprite(IndexedImage& image, const SheetItem& item) {
  if (item.colour != kYellow) {
    DrawChip(image, item.area, item.value);
    return;
  }
  FillEllipse(image, item.area, kYellow);
  DrawChip(image, {item.area.x + 2, item.area.y + 2, item.area.w - 4, item.area.h - 4}, item.value);
}

void DrawLagStrip(IndexedImage& image, const SheetItem& item) {
  for (int x = 0; x < item.area.w; ++x) {
    const std::uint8_t colour = x < 14 ? kChipGreen : (x < 28 ? kYellow : kRed);
    FillRect(image, {item.area.x + x, item.area.y, 1, item.area.h}, (x % 7) == 6 ? std::uint8_t{kBlack} : colour);
  }
}

void AddButtonSprites(std::vector<SheetItem>& items, const CardTableButtons& buttons,
                      std::span<const ButtonLabel> pushButtons, std::span<const int> states,
                      std::span<const ButtonLabel> textButtons) {
  for (const ButtonLabel& b : pushButtons) {
    const ButtonEntry& row = buttons.table[static_cast<std::size_t>(b.button)];
    for (const int state : states) {
      const ButtonSource s = row.source[state];
      items.push_back({DrawButtonItem, {s.x, s.y, row.width, row.height}, state, b.text, b.face});
    }
  }
  for (const ButtonLabel& b : textButtons) {
    const ButtonEntry& row = buttons.table[static_cast<std::size_t>(b.button)];
    const ButtonSource s = row.source[kButtonStatePressed];
    items.push_back({DrawLitTextButton, {s.x, s.y, row.width, row.height}, 0, b.text, 0});
  }
  for (std::size_t c = 0; c < buttons.chipValues.size(); ++c) {
    const ButtonEntry& row = buttons.table[static_cast<std::size_t>(buttons.firstChip) + c];
    const ButtonSource lit = row.source[kButtonStateEnabled];
    const ButtonSource pressed = row.source[kButtonStatePressed];
    const int value = buttons.chipValues[c];
    items.push_back({DrawChipSprite, {lit.x, lit.y, buttons.chipWidth, buttons.chipHeight}, value, nullptr, 0});
    items.push_back(
        {DrawChipSprite, {pressed.x, pressed.y, buttons.chipWidth, buttons.chipHeight}, value, nullptr, kYellow});
  }
}

void AddButtonFaceAreas(std::vector<SpriteArea>& areas, const CardTableButtons& buttons) {
  for (const ButtonEntry& row : buttons.table) {
    for (const ButtonSource& s : row.source) {
      if (s.x != kNoSource) areas.push_back({"button face", {s.x, s.y, row.width, row.height}});
    }
  }
}

void AddFontAreas(std::vector<SpriteArea>& areas, std::span<const GlyphFont> fonts) {
  for (const GlyphFont& font : fonts) {
    areas.push_back({"font", {font.layout.x, font.layout.y, font.layout.width, GlyphAreaHeight(font.layout)}});
  }
}

void AddColourPixels(std::vector<SheetItem>& items, int transparentX, int transparentY, std::uint8_t key,
                     int textX, int textY, std::uint8_t text) {
  items.push_back({DrawMarkerItem, {transparentX, transparentY, 1, 1}, 0, nullptr, key});
  items.push_back({DrawMarkerItem, {textX, textY, 1, 1}, 0, nullptr, text});
}

void AddColourPixelAreas(std::vector<SpriteArea>& areas, int transparentX, int transparentY, int textX, int textY) {
  areas.push_back({"transparent colour", {transparentX, transparentY, 1, 1}});
  areas.push_back({"text colour", {textX, textY, 1, 1}});
}

std::vector<HitArea> ButtonHitAreas(const CardTableButtons& buttons, int first, int end) {
  std::vector<HitArea> areas;
  for (int b = first; b < end; ++b) {
    const Rect r = ButtonArea(buttons, b);
    if (r.w > 0 && r.h > 0) areas.push_back({r, b});
  }
  return areas;
}

}  // namespace artwork
