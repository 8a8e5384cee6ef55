// The Keno board of 80 cells, the counters above it and the animations of
// the draw: the turning bowl, the ball rolling out of it and flying to its
// cell, the hit or miss mark. Each animation step keeps its own frame
// counter and answers 1 in the frame in which it has finished.
#pragma once

#include <cstdint>

#include "framework/sound/GlyphTable.h"
#include "pd/KenoWire.h"

namespace pd {

// The program's font with its transparent index taken from the picture.
extern GlyphTable gKenoFont;

// ---- Texts ----
void DrawPlayerWins(int winReturn);
void DrawTotalBet(int stake);
void DrawTotalNumbers(int count);
// text at (x, y) in the program's font, lasting.
void DrawKenoText(int x, int y, const char* text);

// ---- The board ----
void DrawMarkedCell(int number);
void InvalidateCell(int button);
void InvalidateBoard();
// The lit chip of a stake (1, 5, 10) on its spot, the other spots cleared;
// stake 0 clears all three.
void DrawStakeChip(int stake);

// ---- The draw ----
// One frame of the ball leaving the bowl; 1 once all 30 have been shown.
int AnimateBallRoll();
// One frame of the flight of number to its cell, then its mark; 1 when the
// ball is finished (every counter back to 0).
int AnimateBallToCell(const std::int32_t board[kBoardEntries], int number);
// The mark alone, for the animations switched off: at least ten frames,
// then until the four-frame divider fires; 1 when finished.
int CheckHitAnimation(const std::int32_t board[kBoardEntries], int number);
// The bowl, one frame every second call.
void CycleBallSprite();
// 1 on every 61st call.
int TickDivider();
// Every counter back to 0 (start of a run).
void ResetBoardAnimations();

}  // namespace pd
