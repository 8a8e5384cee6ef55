// The two bitmap fonts of the Black Jack picture: the small font of the
// status line and the balance, and the table font of the money, the
// captions and the text boxes. The sheet paints them where these say.
#pragma once

#include "framework/sound/GlyphLayout.h"
#include "hx/BlackJackLayout.h"

namespace hx {

// Below the New Game faces, side by side.
inline constexpr int kFontAreaY = 881;
inline constexpr int kFontAreaWidth = 340;

inline constexpr GlyphLayout kSmallFontLayout{0, kFontAreaY, kFontAreaWidth, 1, 0, kPictureKey};
inline constexpr GlyphTable kSmallFont = MakeGlyphTable(kSmallFontLayout);
inline constexpr GlyphLayout kTableFontLayout{kFontAreaWidth + 2, kFontAreaY, kFontAreaWidth, 1, 0, kPictureKey};
inline constexpr GlyphTable kTableFont = MakeGlyphTable(kTableFontLayout);

static_assert(kFontAreaY + GlyphAreaHeight(kSmallFontLayout) <= kPictureHeight, "the fonts fit the picture");
static_assert(kFontAreaY + GlyphAreaHeight(kTableFontLayout) <= kPictureHeight, "the fonts fit the picture");
// The text strip lies between the pointer frames and the chips, above the faces.
inline constexpr int kTextStripHeight = GlyphHeight(kTableFontLayout) + 2;
static_assert(kTextStripSource.y + kTextStripHeight <= kFaceRowY[3], "the text strip ends above the faces");

}  // namespace hx
