// The two bitmap fonts of the Craps picture: the table font of the
// total-bet line and the small font of the status line and the balance.
// The Craps sheet (dq/art) paints their glyphs where these tables say.
#pragma once

#include "framework/sound/GlyphLayout.h"
#include "dq/CrapsTableLayout.h"

namespace dq {

// Its key is the colour the program reads back from (0, 481) as the table
// font's text colour.
inline constexpr GlyphLayout kTableFontLayout{0, 481, 250, 1, 1, kPictureKey};
inline constexpr GlyphTable kTableFont = MakeGlyphTable(kTableFontLayout);

// Without an outline, so that the player's text ("OFFLINE") fits its 50
// pixels; it is drawn on black only.
inline constexpr GlyphLayout kSmallFontLayout{700, 390, 100, 1, 0, kPictureKey};
inline constexpr GlyphTable kSmallFont = MakeGlyphTable(kSmallFontLayout);

}  // namespace dq
