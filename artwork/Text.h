// Text in the built-in pixel font, optionally outlined, and the painting of
// a glyph-table font into a picture.
#pragma once

#include <cstdint>

#include "artwork/BitmapWriter.h"
#include "artwork/Shapes.h"
#include "framework/sound/GlyphLayout.h"

namespace artwork {

struct TextStyle {
  std::uint8_t ink;
  std::uint8_t edge;  // outline colour, used when outline is 1
  int scale;          // 1 or more
  int outline;        // 0 or 1
};

// Draws one character with its top-left corner at (x, y); answers its width
// (the ink width times scale plus the outline on both sides).
int DrawGlyph(IndexedImage& image, int x, int y, int ch, const TextStyle& style);
// Width of a one-line text: the glyph widths with scale pixels between them.
int TextWidth(const char* text, const TextStyle& style);
int TextHeight(const TextStyle& style);
void DrawText(IndexedImage& image, int x, int y, const char* text, const TextStyle& style);
// Centred in r both ways (one line).
void DrawTextCentred(IndexedImage& image, const Rect& r, const char* text, const TextStyle& style);
// A bitmap font of a picture: where its glyphs lie and how they look.
struct GlyphFont {
  GlyphLayout layout;
  std::uint8_t ink;   // colour of the dots
  std::uint8_t edge;  // colour of the outline
};

// Fills the font's area with its key colour and paints every glyph where
// MakeGlyphTable places it.
void DrawGlyphFont(IndexedImage& image, const GlyphFont& font);

}  // namespace artwork
