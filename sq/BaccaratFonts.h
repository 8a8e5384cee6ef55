// The bitmap font of the Baccarat picture: the status line, the balance and
// the totals. The Baccarat sheet (sq/art) paints its glyphs where this
// table says.
#pragma once

#include "framework/sound/GlyphLayout.h"
#include "sq/BaccaratTableLayout.h"

namespace sq {

inline constexpr GlyphLayout kSmallFontLayout{0, kFontAreaTop, kFontAreaWidth, 1, 0, kPictureKey};
inline constexpr GlyphTable kSmallFont = MakeGlyphTable(kSmallFontLayout);
static_assert(kSmallFontLayout.y + GlyphAreaHeight(kSmallFontLayout) <= kw::kFaceRowsY,
              "the font ends above the card faces");
static_assert(kSmallFontLayout.x + kSmallFontLayout.width < kFractionChip.x, "the font ends left of the fraction chip");
inline constexpr int kTextHeight = GlyphHeight(kSmallFontLayout) + 2;

}  // namespace sq
