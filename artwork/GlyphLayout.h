// Where the characters of a bitmap font lie in a picture, and the 16-bit
// glyph table a program draws text with: word 0 the glyph height, word 1 the
// transparent index, then x, y and width for each character from 32 to 125.
// The generator paints the glyphs at exactly these places and a program
// takes the same table, so both compute it from one description.
#pragma once

#include <array>
#include <cstdint>

#include "artwork/PixelFont.h"

namespace artwork {

inline constexpr int kGlyphFirst = 32;
inline constexpr int kGlyphLast = 125;
inline constexpr int kGlyphCount = kGlyphLast - kGlyphFirst + 1;
inline constexpr int kGlyphTableWords = 2 + 3 * kGlyphCount;
using GlyphTable = std::array<std::int16_t, kGlyphTableWords>;

struct GlyphFontLayout {
  int x;               // top-left corner of the font's area in the picture
  int y;
  int width;           // the area's width; rows wrap there
  int scale;           // pixel size of one font dot (1 or more)
  int outline;         // 1: a one-pixel outline around every glyph
  std::uint8_t ink;    // colour of the dots
  std::uint8_t edge;   // colour of the outline
  std::uint8_t key;    // transparent index: the area's background
};

// Height of one glyph in picture pixels.
constexpr int GlyphHeight(const GlyphFontLayout& font) {
  return kFontRows * font.scale + 2 * font.outline;
}

// Width of the glyph of ch in picture pixels.
constexpr int GlyphWidth(const GlyphFontLayout& font, int ch) {
  return FontInkWidth(ch) * font.scale + 2 * font.outline;
}

// The table, laying the characters out left to right with one pixel between
// them and wrapping at the area's width.
constexpr GlyphTable MakeGlyphTable(const GlyphFontLayout& font) {
  GlyphTable table{};
  table[0] = static_cast<std::int16_t>(GlyphHeight(font));
  table[1] = font.key;
  int x = 0;
  int y = 0;
  for (int ch = kGlyphFirst; ch <= kGlyphLast; ++ch) {
    const int w = GlyphWidth(font, ch);
    if (x > 0 && x + w > font.width) {
      x = 0;
      y += GlyphHeight(font) + 1;
    }
    const int word = 2 + 3 * (ch - kGlyphFirst);
    table[word] = static_cast<std::int16_t>(font.x + x);
    table[word + 1] = static_cast<std::int16_t>(font.y + y);
    table[word + 2] = static_cast<std::int16_t>(w);
    x += w + 1;
  }
  return table;
}

// Height of the area the glyphs take.
constexpr int GlyphFontAreaHeight(const GlyphFontLayout& font) {
  const GlyphTable table = MakeGlyphTable(font);
  return table[2 + 3 * (kGlyphCount - 1) + 1] - font.y + GlyphHeight(font);
}

}  // namespace artwork
