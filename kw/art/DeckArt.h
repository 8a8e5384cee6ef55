// The card backs of the two deck designs and the frames of a back seen
// turning in flight, as the Pai Gow and Caribbean sheets paint them.
#pragma once

#include "artwork/Sheet.h"

namespace kw::art {

// value: the deck design.
void DrawBack(artwork::IndexedImage& image, const artwork::SheetItem& item);
// A back seen turning in flight. value: design * 16 + frame (0..2).
void DrawFlyingBack(artwork::IndexedImage& image, const artwork::SheetItem& item);

}  // namespace kw::art
