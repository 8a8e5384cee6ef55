// Texts on a backing strip cut from the picture: the win and the lost bet
// of the card tables.
#pragma once

#include <cstdint>

namespace kw {

// The box font and its strip in the picture.
struct TextBoxStyle {
  const std::int16_t* glyphs;  // the font, in the picture
  int stripX, stripY;          // the backing strip's top-left in the picture
  int stripHeight;             // 2 taller than the font
};

// Prints the formatted text at (x, y) on the strip, 7 pixels wider than the
// text and placed 4 left of and 1 above it.
void PrintTextBox(const TextBoxStyle& style, int x, int y, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
// Restores the box of text at (x, y) from the picture (10 wider than the text).
void EraseTextBox(const TextBoxStyle& style, int x, int y, const char* text);

}  // namespace kw
