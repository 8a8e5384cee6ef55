// The cards the cashier takes: names, the digit each number starts with, and
// which of them the account accepts (replaced by the GETVALIDCARDS answer).
#pragma once

inline constexpr int kCardTypeCount = 4;

struct CardTypeRow {
  const char* displayName;
  const char* protocolName;
  int listIndex;   // position in the credit-card page's list
  int accepted;    // 1: the account takes this card
  char leadingDigit;  // 0: no digit test
  int logoBitmap;     // resource id of the 28x17 logo
};

extern CardTypeRow gCardTypes[kCardTypeCount];

// Every row accepted, list positions 0.
void ResetCardTypes();
