// What the client makes of the settlement answer: the result of each hand,
// the amounts won, the status text and which piles stay with the player.
// Logic alone, no drawing.
#pragma once

#include <cstddef>

#include "hx/CardList.h"

namespace hx {

// Hand results: none, lost, push, won, won with a natural.
enum HandResult : int { kResultNone = 0, kResultLost = 1, kResultPushed = 2, kResultWon = 3, kResultNaturalWon = 4 };
// The insurance result: not won, won.
inline constexpr int kInsuranceNotWon = 1;
inline constexpr int kInsuranceWon = 3;

// WINFLAG1: "WIN", "LOOSE", "WIN2.5", and any other word a push.
int FirstHandResult(const char* word);
// WINFLAG2: the four words, any other no hand.
int SecondHandResult(const char* word);
// A win pays the stake pile (twice it when doubled); a natural 1.5 times it.
double WinAmount(int result, double stakePile, double doublePile);
// The status text of the results into text (bounded); 1, or 0 for the
// "Unhandle won state!" of a pair no row names.
int FormatResultText(int first, int second, int split, double firstWin, double secondWin, char* text,
                     std::size_t size);
// 1 when a lost doubled hand keeps its double pile: the server takes only
// half of a doubled stake when the dealer's ten-valued card made a natural.
int KeepsDoublePile(const CardList& dealer, double doublePile);

}  // namespace hx
