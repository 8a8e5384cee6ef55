// Drawing routines for the common kinds of sheet items.
#pragma once

#include "artwork/Sheet.h"

namespace artwork {

// colour fills area.
void DrawFillItem(IndexedImage& image, const SheetItem& item);
// A rounded felt area of colour with a light rim and text (if any) along its top.
void DrawFeltItem(IndexedImage& image, const SheetItem& item);
// A labelled bet area: a rounded outline of colour with text centred in it.
void DrawBetAreaItem(IndexedImage& image, const SheetItem& item);
// text centred in area, outlined, ink colour, scale value.
void DrawLabelItem(IndexedImage& image, const SheetItem& item);
// A chip of value.
void DrawChipItem(IndexedImage& image, const SheetItem& item);
// A die showing value with a body of colour and black pips.
void DrawDieItem(IndexedImage& image, const SheetItem& item);
// The card of id value: rank id mod 13 + 2 (ace 14), suit id div 13 (Suit);
// kJokerCard the joker.
inline constexpr int kJokerCard = 52;
void DrawCardItem(IndexedImage& image, const SheetItem& item);
// A blue back.
void DrawCardBackItem(IndexedImage& image, const SheetItem& item);
// The face of a button labelled text in state value, face colour.
void DrawButtonItem(IndexedImage& image, const SheetItem& item);
// One pixel of colour at the area's corner: a colour a program reads from
// its picture (text colour, key colour).
void DrawMarkerItem(IndexedImage& image, const SheetItem& item);

}  // namespace artwork
