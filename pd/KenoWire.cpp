#include "pd/KenoWire.h"

#include <cstdio>
#include <cstring>

#include "framework/link/WholeNumbers.h"
#include "pd/KenoPayTable.h"

namespace pd {

void FormatKenoBetList(const std::int32_t board[kBoardEntries], int count, int stake, char* text,
                       std::size_t size, std::int32_t lastBet[kLastBetEntries]) {
  std::int32_t picks[kKenoPickSlots] = {};
  int n = 0;
  std::memset(lastBet, 0, sizeof(std::int32_t) * kLastBetEntries);
  for (int i = 0; i < kBoardEntries; ++i) {
    if (board[i] == 0) continue;
    if (n < kKenoPickSlots) picks[n++] = board[i];
    if (i < kLastBetEntries) lastBet[i] = board[i];
  }
  std::snprintf(text, size, "%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i", count, stake, picks[0], picks[1], picks[2],
                picks[3], picks[4], picks[5], picks[6], picks[7], picks[8], picks[9]);
}

int ReadKenoWinList(const char* text, std::int32_t drawn[kKenoDrawn], std::int32_t* winFlag,
                    std::int32_t* winReturn) {
  constexpr int kValues = kKenoDrawn + 2;
  std::int32_t values[kValues] = {};
  if (!ReadWholeNumberList(&text, 0, values, kValues)) return 0;
  bool seen[kKenoNumbers + 1] = {};
  for (int i = 0; i < kKenoDrawn; ++i) {
    const int n = values[i];
    if (n < 1 || n > kKenoNumbers || seen[n]) return 0;
    seen[n] = true;
  }
  const int flag = values[kKenoDrawn];
  const int won = values[kKenoDrawn + 1];
  if ((flag != 0 && flag != 1) || won < 0) return 0;
  for (int i = 0; i < kKenoDrawn; ++i) drawn[i] = values[i];
  *winFlag = flag;
  *winReturn = won;
  return 1;
}

int CheckPickCount(int count, int stake) {
  if (count <= 2) return kPickTooFew;
  if (count > kKenoMaxPicks) return kPickTooMany;
  if (stake > 10) return kPickStakeTooBig;
  return kPickOk;
}

int CountBoardMatches(const std::int32_t board[kBoardEntries], const std::int32_t drawn[kKenoDrawn]) {
  int matches = 0;
  for (int i = 0; i < kBoardEntries; ++i) {
    if (board[i] == 0) continue;
    for (int d = 0; d < kKenoDrawn; ++d) {
      if (drawn[d] == board[i]) ++matches;
    }
  }
  return matches;
}

void FormatKenoResult(int matches, int count, int winFlag, int winReturn, char* text, std::size_t size) {
  if (winFlag) {
    std::snprintf(text, size, "STARS MATCHED: %d OUT OF TOTAL %d   TOTAL WIN:  $%d    @ #| ", matches, count,
                  winReturn);
  } else {
    std::snprintf(text, size, "STARS MATCHED: %d OUT OF TOTAL %d#| ", matches, count);
  }
}

int PaytableRows(int count, int matches[kPanelMaxRows]) {
  if (count < kKenoMinPicks || count > kKenoMaxPicks) return 0;
  int rows = 0;
  for (int column = 0; column < kKenoColumns && rows < kPanelMaxRows; ++column) {
    if (KenoReturn(1, count, count - column) != 0) matches[rows++] = count - column;
  }
  return rows;
}

}  // namespace pd
