// Palette arithmetic shared by both backends.
#pragma once

#include "platform/include/plat/gdi.h"
#include "platform/include/plat/types.h"
#include "platform/include/plat/window.h"

namespace plat::common {

// The index of the entry closest to (r, g, b) by squared RGB distance, the
// lowest index on a tie; CLR_INVALID when count is 0 or entries is null.
UINT NearestPaletteIndex(const PALETTEENTRY* entries, UINT count, int r, int g, int b);

inline COLORREF EntryColour(const PALETTEENTRY& e) { return RGB(e.peRed, e.peGreen, e.peBlue); }

constexpr int kStaticColours = 20;       // 10 at the start, 10 at the end
constexpr int kSystemPaletteSize = 256;

// The 256-entry system palette of a display: the 20 static colours in
// entries 0..9 and 246..255, black (flags 0) in between.
const PALETTEENTRY* DefaultSystemPalette();
// The 20 static colours in order (entries 0..9 then 246..255): the default
// logical palette a DC has before SelectPalette.
const PALETTEENTRY* StaticColours();

// The character TranslateMessage makes of a key-down: letters (upper case
// with shift, else lower case), digits, space, return (13), backspace (8),
// tab (9), escape (27); 0 when the key makes no character.
int CharFromVirtualKey(WPARAM virtualKey, bool shift);

}  // namespace plat::common
