// Playing cards: the face with rank and suit, and the back.
#pragma once

#include "artwork/BitmapWriter.h"
#include "artwork/Shapes.h"

namespace artwork {

enum Suit : int { kDiamond = 0, kHeart = 1, kClub = 2, kSpade = 3 };

// A suit symbol filling the square of side size at (x, y).
void DrawSuit(IndexedImage& image, int x, int y, int size, int suit);
// rank 2..14 (11 jack, 12 queen, 13 king, 14 ace).
void DrawCard(IndexedImage& image, const Rect& r, int rank, int suit);
// The joker: "JK" and a star in the corners, a large star in the middle.
void DrawJoker(IndexedImage& image, const Rect& r);
// A white-edged back with a field of one colour crossed by lines of another.
void DrawCardBack(IndexedImage& image, const Rect& r, std::uint8_t field, std::uint8_t lines);

}  // namespace artwork
