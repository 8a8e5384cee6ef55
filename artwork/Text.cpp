#include "artwork/Text.h"

namespace artwork {

namespace {

void DrawDots(IndexedImage& image, int x, int y, int ch, int scale, int grow, std::uint8_t colour) {
  const std::uint8_t* rows = FontGlyph(ch);
  const int left = FontInkSpan(ch).left;
  for (int r = 0; r < kFontRows; ++r) {
    for (int c = 0; c < kFontColumns; ++c) {
      if (!(rows[r] & (0x10 >> c))) continue;
      FillRect(image, {x + (c - left) * scale - grow, y + r * scale - grow, scale + 2 * grow, scale + 2 * grow},
               colour);
    }
  }
}

}  // namespace

int DrawGlyph(IndexedImage& image, int x, int y, int ch, const TextStyle& style) {
  if (style.outline) DrawDots(image, x + 1, y + 1, ch, style.scale, 1, style.edge);
  DrawDots(image, x + style.outline, y + style.outline, ch, style.scale, 0, style.ink);
  return FontInkWidth(ch) * style.scale + 2 * style.outline;
}

int TextWidth(const char* text, const TextStyle& style) {
  int width = 0;
  for (const char* p = text; *p; ++p) {
    if (p != text) width += style.scale;
    width += FontInkWidth(static_cast<unsigned char>(*p)) * style.scale + 2 * style.outline;
  }
  return width;
}

int TextHeight(const TextStyle& style) { return kFontRows * style.scale + 2 * style.outline; }

void DrawText(IndexedImage& image, int x, int y, const char* text, const TextStyle& style) {
  for (const char* p = text; *p; ++p) {
    x += DrawGlyph(image, x, y, static_cast<unsigned char>(*p), style) + style.scale;
  }
}

void DrawTextCentred(IndexedImage& image, const Rect& r, const char* text, const TextStyle& style) {
  DrawText(image, r.x + (r.w - TextWidth(text, style)) / 2, r.y + (r.h - TextHeight(style)) / 2, text, style);
}

void DrawGlyphFont(IndexedImage& image, const GlyphFont& font) {
  const GlyphLayout& layout = font.layout;
  const GlyphTable table = MakeGlyphTable(layout);
  FillRect(image, {layout.x, layout.y, layout.width, GlyphAreaHeight(layout)}, static_cast<std::uint8_t>(layout.key));
  const TextStyle style{font.ink, font.edge, layout.scale, layout.outline};
  for (int ch = kFirstGlyph; ch <= kLastGlyph; ++ch) {
    const int word = GlyphWord(ch);
    DrawGlyph(image, table[word], table[word + 1], ch, style);
  }
}

}  // namespace artwork
