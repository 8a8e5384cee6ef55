// Where the characters of a bitmap font drawn from the pixel font lie in a
// picture. The artwork generator paints the glyphs at exactly these places
// and the program takes the glyph table computed from the same layout.
#pragma once

#include "framework/sound/GlyphTable.h"
#include "framework/sound/PixelFont.h"

struct GlyphLayout {
  int x;        // top-left corner of the font's area in the picture
  int y;
  int width;    // the area's width; rows wrap there
  int scale;    // pixel size of one font dot (1 or more)
  int outline;  // 1: a one-pixel outline around every glyph
  int key;      // transparent index: the area's background
};

// Height of one glyph in picture pixels.
constexpr int GlyphHeight(const GlyphLayout& font) { return kFontRows * font.scale + 2 * font.outline; }

// Width of the glyph of ch in picture pixels.
constexpr int GlyphWidth(const GlyphLayout& font, int ch) {
  return FontInkWidth(ch) * font.scale + 2 * font.outline;
}

// The table, laying the characters out left to right with one pixel between
// them and wrapping at the area's width.
constexpr GlyphTable MakeGlyphTable(const GlyphLayout& font) {
  GlyphTable table{};
  table[0] = static_cast<std::int16_t>(GlyphHeight(font));
  table[1] = static_cast<std::int16_t>(font.key);
  int x = 0;
  int y = 0;
  for (int ch = kFirstGlyph; ch <= kLastGlyph; ++ch) {
    const int w = GlyphWidth(font, ch);
    if (x > 0 && x + w > font.width) {
      x = 0;
      y += GlyphHeight(font) + 1;
    }
    const int word = GlyphWord(ch);
    table[word] = static_cast<std::int16_t>(font.x + x);
    table[word + 1] = static_cast<std::int16_t>(font.y + y);
    table[word + 2] = static_cast<std::int16_t>(w);
    x += w + 1;
  }
  return table;
}

// Height of the area the glyphs take.
constexpr int GlyphAreaHeight(const GlyphLayout& font) {
  const GlyphTable table = MakeGlyphTable(font);
  return table[GlyphWord(kLastGlyph) + 1] - font.y + GlyphHeight(font);
}
