// Where the characters of a bitmap font lie in a picture, and the 16-bit
// glyph table a program draws text with: word 0 the glyph height, word 1 the
// transparent index, then x, y and width for each character from 32 to 125.
// The generator paints the glyphs at exactly these places and a program
// takes the same table, so both compute it from one description.
#pragma once

#include <array>
#include <cstdint>

#include "PixelFont.h"

namespace artwork {

inline constexpr int kGlyphFirst = 32;
inline constexpr int kGlyphLast = 125;
inline constexpr int kGlyphCount = kGlyphLast - kGlyphFirst + 1;
inline constexpr int kGlyphTableWords = 2 + 3 * kGlyphCount;
using GlyphTable = std::array<std::int16_t, kGlyphTableWords>;

struct GlyphFontSpec {
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
constexpr int GlyphHeight(const GlyphFontSpec& spec) {
  return kFontRows * spec.scale + 2 * spec.outline;
}

// Width of the glyph of ch in picture pixels.
constexpr int GlyphWidth(const GlyphFontSpec& spec, int ch) {
  return FontInkWidth(ch) * spec.scale + 2 * spec.outline;
}

// The table, laying the characters out left to right with one pixel between
// them and wrapping at the area's width.
constexpr GlyphTable MakeGlyphTable(const GlyphFontSpec& spec) {
  GlyphTable table{};
  table[0] = static_cast<std::int16_t>(GlyphHeight(spec));
  table[1] = spec.key;
  int x = 0;
  int y = 0;
  for (int ch = kGlyphFirst; ch <= kGlyphLast; ++ch) {
    const int w = GlyphWidth(spec, ch);
    if (x > 0 && x + w > spec.width) {
      x = 0;
      y += GlyphHeight(spec) + 1;
    }
    const int word = 2 + 3 * (ch - kGlyphFirst);
    table[word] = static_cast<std::int16_t>(spec.x + x);
    table[word + 1] = static_cast<std::int16_t>(spec.y + y);
    table[word + 2] = static_cast<std::int16_t>(w);
    x += w + 1;
  }
  return table;
}

// Height of the area the glyphs take.
constexpr int GlyphFontAreaHeight(const GlyphFontSpec& spec) {
  const GlyphTable table = MakeGlyphTable(spec);
  return table[2 + 3 * (kGlyphCount - 1) + 1] - spec.y + GlyphHeight(spec);
}

}  // namespace artwork
