// The dot patterns of the ticker: 43 characters of 6 x 9 dots.
#pragma once

#include <cstdint>

inline constexpr int kTickerGlyphColumns = 6;
inline constexpr int kTickerGlyphRows = 9;
inline constexpr int kTickerGlyphCount = 43;

// Row r of pattern p: bit (5 - c) set when column c (0 = left) is on.
extern const std::uint8_t kTickerGlyphs[kTickerGlyphCount][kTickerGlyphRows];

// The pattern of a character: blank 0, 'A'..'Z' 1..26, '!' 27, ':' 28,
// '$' 29, '.' 30, ',' 31, '1'..'9' 32..40, '0' 41, '\'' 42; any other
// character is the blank.
int TickerGlyphIndex(char c);
