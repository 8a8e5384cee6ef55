// Word wrap of a bitmap-font text: pure, so it can be tested alone.
#pragma once

#include <cstddef>
#include <cstdint>

// Copies text into out (size bytes, always terminated, cut when too long)
// with line breaks put in so no line is wider than width: the running width
// is the sum of the glyph widths plus one each; when it passes width, the
// last blank of the line becomes the break, or, in a word wider than the
// line, the break goes in before the character that passed it. "\n" starts
// a new line. glyphs: a glyph table (framework/sound/GlyphTable.h).
void WrapText(const std::int16_t* glyphs, const char* text, int width, char* out, std::size_t size);
