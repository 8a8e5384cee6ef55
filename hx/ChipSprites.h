// Moving chip sprites of the Black Jack table: 21 slots, positions in fixed
// point with 21 fraction bits. A flagged sprite is exclusive: the sprites
// after it in slot order wait until it has ended, so flagged flights run
// one after another.
#pragma once

class CDib;

namespace hx {

inline constexpr int kChipSpriteSlots = 21;
inline constexpr int kFixedShift = 21;
// Flag bit 0: the start area is restored on the first step (the pile
// leaves its place) and the other piles still waiting to leave theirs are
// drawn again over it; bit 1: the sprite stays drawn where it ends.
inline constexpr int kSpriteLeavesStart = 1;
inline constexpr int kSpriteStays = 2;

// Every slot empty.
void ClearChipSprites();
// A straight flight of the area (sourceX, sourceY, width x height) of
// source from start to end in steps frames (1 with the animations off); 0
// when all slots are busy.
int AddChipSprite(const CDib* source, int sourceX, int sourceY, int width, int height, int startX, int startY,
                  int endX, int endY, int steps, int flags);
// One frame of every busy sprite; 1 when no slot is busy any more.
int StepChipSprites();
// The number of busy slots.
int BusyChipSprites();

}  // namespace hx
