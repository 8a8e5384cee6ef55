// The two bitmap fonts of the Craps picture: the table font of the
// total-bet line and the small font of the status line and the balance.
// The artwork generator paints their glyphs where these tables say.
#pragma once

#include "artwork/GlyphLayout.h"
// By path: the sound library has a Palette.h of its own.
#include "artwork/StandardColours.h"

namespace dq {

// Its key is the colour the program reads back from (0, 481) as the table
// font's text colour.
inline constexpr artwork::GlyphFontLayout kTableFontLayout{0, 481, 250, 1, 1, artwork::kYellow,
                                                       artwork::kBlack, artwork::kKey};
inline constexpr artwork::GlyphTable kTableFont = artwork::MakeGlyphTable(kTableFontLayout);

inline constexpr artwork::GlyphFontLayout kSmallFontLayout{700, 390, 100, 1, 1, artwork::kWhite,
                                                       artwork::kBlack, artwork::kKey};
inline constexpr artwork::GlyphTable kSmallFont = artwork::MakeGlyphTable(kSmallFontLayout);

}  // namespace dq
