// The glyph table of a bitmap font, as CScreen::DrawText reads it: word 0
// the glyph height, word 1 the font's transparent index, then {x, y, width}
// in the font bitmap for each character 32..125.
#pragma once

#include <array>
#include <cstdint>

constexpr int kFirstGlyph = 32;
constexpr int kLastGlyph = 125;
constexpr int kGlyphCount = kLastGlyph - kFirstGlyph + 1;
constexpr int kGlyphTableWords = 2 + 3 * kGlyphCount;
using GlyphTable = std::array<std::int16_t, kGlyphTableWords>;

// The first of the three words of ch (kFirstGlyph..kLastGlyph).
constexpr int GlyphWord(int ch) { return 2 + 3 * (ch - kFirstGlyph); }
