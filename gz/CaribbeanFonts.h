// The two bitmap fonts of the Caribbean picture: the small font of the
// status line and the balance, and the font of the "You win" plate. The
// Caribbean sheet (gz/art) paints their glyphs where these tables say.
#pragma once

#include "framework/sound/GlyphLayout.h"
#include "gz/CaribbeanTableLayout.h"

namespace gz {

inline constexpr GlyphLayout kSmallFontLayout{0, kFontAreaTop, kFontAreaWidth, 1, 0, kPictureKey};
inline constexpr GlyphTable kSmallFont = MakeGlyphTable(kSmallFontLayout);
static_assert(kSmallFontLayout.y + GlyphAreaHeight(kSmallFontLayout) <= kw::kFaceRowsY,
              "the small font ends above the card faces");
static_assert(kSmallFontLayout.x + kSmallFontLayout.width < kPlateSprite.x, "the small font ends left of the plate");

// Below the card faces, left of the banner's row.
inline constexpr GlyphLayout kPlateFontLayout{0, 841, 176, 1, 0, kPictureKey};
inline constexpr GlyphTable kPlateFont = MakeGlyphTable(kPlateFontLayout);
static_assert(kPlateFontLayout.y + GlyphAreaHeight(kPlateFontLayout) <= kBannerSprite.y,
              "the plate font ends above the banner");
static_assert(kPlateFontLayout.x + kPlateFontLayout.width <= kw::kFlyingFrameSources[1][2].x,
              "the plate font ends left of the deal-flight frames");

inline constexpr int kPlateHeight = GlyphHeight(kPlateFontLayout) + 2;

}  // namespace gz
