// The two bitmap fonts of the Pai Gow picture: the small font of the status
// line and the balance, and the font of the text boxes (the win, the lost
// bet). The Pai Gow sheet (kw/art) paints their glyphs where these tables
// say.
#pragma once

#include "framework/sound/GlyphLayout.h"
#include "kw/PaiGowTableLayout.h"

namespace kw {

// Both lie left of the 0.50 chip, between the screen and the card faces.
inline constexpr int kFontAreaWidth = 350;

inline constexpr GlyphLayout kSmallFontLayout{0, 482, kFontAreaWidth, 1, 0, kPictureKey};
inline constexpr GlyphTable kSmallFont = MakeGlyphTable(kSmallFontLayout);

// Without an outline, so that "Invalid hand, bet is lost!" fits the strip.
inline constexpr GlyphLayout kTextBoxFontLayout{
    0, kSmallFontLayout.y + GlyphAreaHeight(kSmallFontLayout) + 2, kFontAreaWidth, 1, 0, kPictureKey};
inline constexpr GlyphTable kTextBoxFont = MakeGlyphTable(kTextBoxFontLayout);

static_assert(kFontAreaWidth <= kFractionChipSprite.x, "the fonts end left of the 0.50 chip");
static_assert(kTextBoxFontLayout.y + GlyphAreaHeight(kTextBoxFontLayout) <= kFaceRowsY,
              "the fonts end above the card faces");

// The strip behind a text box is 2 taller than the font.
inline constexpr int kTextStripHeight = GlyphHeight(kTextBoxFontLayout) + 2;
// The longest boxed text, "Invalid hand, bet is lost!", at the widest glyph
// and the gap after it, fits on the strip.
inline constexpr int kLongestBoxedText = 26;
static_assert(kLongestBoxedText * (kFontColumns * kTextBoxFontLayout.scale + 2 * kTextBoxFontLayout.outline + 1) +
                      kTextBoxExtraWidth <=
                  kTextStripWidth,
              "the text strip holds the longest boxed text");

}  // namespace kw
