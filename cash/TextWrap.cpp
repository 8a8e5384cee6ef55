#include "cash/TextWrap.h"

#include "framework/sound/GlyphTable.h"

namespace {

int GlyphAdvance(const std::int16_t* glyphs, char ch) {
  const int c = static_cast<unsigned char>(ch);
  const int code = c >= kFirstGlyph && c <= kLastGlyph ? c : ' ';
  return glyphs[GlyphWord(code) + 2] + 1;
}

}  // namespace

void WrapText(const std::int16_t* glyphs, const char* text, int width, char* out, std::size_t size) {
  if (size == 0) return;
  std::size_t n = 0;
  std::size_t lineStart = 0;
  std::size_t lastBlank = 0;
  bool haveBlank = false;
  int running = 0;
  for (const char* at = text ? text : ""; *at && n + 1 < size; ++at) {
    if (*at == '\n') {
      out[n++] = '\n';
      lineStart = n;
      haveBlank = false;
      running = 0;
      continue;
    }
    const int advance = GlyphAdvance(glyphs, *at);
    if (running + advance > width && n > lineStart) {
      if (haveBlank) {
        out[lastBlank] = '\n';
        lineStart = lastBlank + 1;
        running = 0;
        for (std::size_t k = lineStart; k < n; ++k) running += GlyphAdvance(glyphs, out[k]);
        haveBlank = false;
      } else {
        if (n + 2 >= size) break;
        out[n++] = '\n';
        lineStart = n;
        running = 0;
      }
    }
    if (*at == ' ') {
      lastBlank = n;
      haveBlank = true;
    }
    out[n++] = *at;
    running += advance;
  }
  out[n] = '\0';
}
