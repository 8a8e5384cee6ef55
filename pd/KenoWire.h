// The client's side of the Keno values: the bet list it sends, the draw it
// reads, the marquee's texts and the pay-table panel's rows. Logic alone,
// with neither drawing nor platform headers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pd/KenoServerRecord.h"

namespace pd {

// The board as the client keeps it: entry i is button 31 + i; the entry of
// a number cell holds its number when marked, else 0.
inline constexpr int kBoardEntries = 82;
inline constexpr int kLastBetEntries = 81;

// "count,stake,pick1,...,pick10": the marked entries in board order (so in
// ascending order), at most ten, the rest 0. lastBet is cleared and gets
// every marked entry at its board place.
void FormatKenoBetList(const std::int32_t board[kBoardEntries], int count, int stake, char* text,
                       std::size_t size, std::int32_t lastBet[kLastBetEntries]);

// Reads "n1,...,n20,win,return": 1 only when there are exactly 22 numbers,
// the 20 drawn ones distinct in 1..80, the win flag 0 or 1 and the return
// not negative; else 0 and nothing written.
int ReadKenoWinList(const char* text, std::int32_t drawn[kKenoDrawn], std::int32_t* winFlag,
                    std::int32_t* winReturn);

// CheckPickCount's answers: 3 with 2 or fewer marked, 4 with more than 10,
// 2 with a stake above 10, else 0.
inline constexpr int kPickOk = 0;
inline constexpr int kPickStakeTooBig = 2;
inline constexpr int kPickTooFew = 3;
inline constexpr int kPickTooMany = 4;
int CheckPickCount(int count, int stake);

// How many marked entries of the board are among the drawn numbers.
int CountBoardMatches(const std::int32_t board[kBoardEntries], const std::int32_t drawn[kKenoDrawn]);

// The marquee's texts: the welcome, and the result of a draw.
inline constexpr char kWelcomeText[] = "WELCOME TO ZENTRIX KENO#| ";
void FormatKenoResult(int matches, int count, int winFlag, int winReturn, char* text, std::size_t size);

// The pay-table panel's rows for count numbers: the match counts it pays,
// highest first. Answers how many (0 for a count outside 3..10).
inline constexpr int kPanelMaxRows = 6;
int PaytableRows(int count, int matches[kPanelMaxRows]);

}  // namespace pd
