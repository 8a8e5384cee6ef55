#include "hx/BlackJackResults.h"

#include <cstdio>
#include <cstring>

namespace hx {
namespace {

bool Is(const char* word, const char* text) { return word != nullptr && std::strcmp(word, text) == 0; }

}  // namespace

int FirstHandResult(const char* word) {
  if (Is(word, "WIN")) return kResultWon;
  if (Is(word, "LOOSE")) return kResultLost;
  if (Is(word, "WIN2.5")) return kResultNaturalWon;
  return kResultPushed;
}

int SecondHandResult(const char* word) {
  if (Is(word, "WIN")) return kResultWon;
  if (Is(word, "LOOSE")) return kResultLost;
  if (Is(word, "PUSH")) return kResultPushed;
  if (Is(word, "WIN2.5")) return kResultNaturalWon;
  return kResultNone;
}

double WinAmount(int result, double stakePile, double doublePile) {
  if (result == kResultWon) return doublePile > 0.0 ? 2 * stakePile : stakePile;
  if (result == kResultNaturalWon) return 1.5 * stakePile;
  return 0.0;
}

int FormatResultText(int first, int second, int split, double firstWin, double secondWin, char* text,
                     std::size_t size) {
  const bool won1 = first >= kResultWon;
  const bool won2 = second >= kResultWon;
  int n = -1;
  if (!split) {
    if (won1) n = std::snprintf(text, size, "You win $%.2f", firstWin);
    if (first == kResultLost) n = std::snprintf(text, size, "Dealer wins");
    if (first == kResultPushed) n = std::snprintf(text, size, "Push");
  } else if (won1 && won2) {
    n = std::snprintf(text, size, "You win $%.2f on hand 1 and $%.2f on hand 2", firstWin, secondWin);
  } else if (first == kResultLost && second == kResultLost) {
    n = std::snprintf(text, size, "Dealer wins");
  } else if (first == kResultPushed && second == kResultPushed) {
    n = std::snprintf(text, size, "Push");
  } else if (won1 && second == kResultLost) {
    n = std::snprintf(text, size, "You win $%.2f on hand 1 and dealer wins on hand 2", firstWin);
  } else if (first == kResultLost && won2) {
    n = std::snprintf(text, size, "Dealer wins on hand 1 and you win $%.2f on hand 2", secondWin);
  } else if (won1 && second == kResultPushed) {
    n = std::snprintf(text, size, "You win $%.2f on hand 1 and it's push on hand 2", firstWin);
  } else if (first == kResultPushed && won2) {
    n = std::snprintf(text, size, "It's push on hand 1 and you win $%.2f on hand 2", secondWin);
  } else if (first == kResultLost && second == kResultPushed) {
    n = std::snprintf(text, size, "Dealer wins on hand 1 and it's push on hand 2");
  } else if (first == kResultPushed && second == kResultLost) {
    n = std::snprintf(text, size, "It's push on hand 1 and dealer wins on hand 2");
  }
  if (n >= 0) return 1;
  std::snprintf(text, size, "Unhandle won state!");
  return 0;
}

int KeepsDoublePile(const CardList& dealer, double doublePile) {
  return doublePile > 0.0 && dealer.count > 0 && IsTenValued(dealer.cards[0].value) && IsNatural(dealer);
}

}  // namespace hx
