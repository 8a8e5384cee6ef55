#include "framework/sound/GlyphTable.h"

#include <algorithm>

int TextWidth(const std::int16_t* glyphs, const char* text) {
  int widest = 0;
  int line = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '\n') {
      line = 0;
      continue;
    }
    int ch = static_cast<unsigned char>(*c);
    if (ch < kFirstGlyph || ch > kLastGlyph) ch = ' ';
    line += glyphs[GlyphWord(ch) + 2] + 1;
    widest = std::max(widest, line);
  }
  return widest;
}
