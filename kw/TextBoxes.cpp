#include "kw/TextBoxes.h"

#include <cstdarg>
#include <cstdio>

#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GlyphTable.h"

namespace kw {
namespace {
constexpr int kBoxLeft = 4;
constexpr int kBoxExtraWidth = 7;
constexpr int kEraseExtraWidth = 10;
}  // namespace

void PrintTextBox(const TextBoxStyle& style, int x, int y, const char* format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  const int width = TextWidth(style.glyphs, text) + kBoxExtraWidth;
  gScreen.Blit(x - kBoxLeft, y - 1, &gPicture, style.stripX, style.stripY, width, style.stripHeight, -1);
  gScreen.DrawText(&gPicture, style.glyphs, text, x, y, style.glyphs[1]);
}

void EraseTextBox(const TextBoxStyle& style, int x, int y, const char* text) {
  gScreen.Restore(x - kBoxLeft, y - 1, TextWidth(style.glyphs, text) + kEraseExtraWidth, style.stripHeight);
}

}  // namespace kw
