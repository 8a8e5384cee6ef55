#include "wl/BetList.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace wl {
namespace {

// The longest number read: the digits of INT_MAX.
constexpr int kMaxDigits = 10;

}  // namespace

int ReadListNumber(const char** at, int* value) {
  const char* p = *at;
  const bool negative = *p == '-';
  if (negative) ++p;
  long long magnitude = 0;
  int digits = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (++digits > kMaxDigits) return 0;
    magnitude = magnitude * 10 + (*p - '0');
  }
  if (digits == 0) return 0;
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > INT_MAX || signedValue < INT_MIN) return 0;
  *value = static_cast<int>(signedValue);
  *at = p;
  return 1;
}

int ReadListedNumber(const char** at, int* value) {
  if (!ReadListNumber(at, value) || **at != ',') return 0;
  ++*at;
  return 1;
}

int ReadBetList(const char* text, int bets[kRouletteSlots], double* total) {
  int read[kRouletteSlots] = {};
  bool named[kRouletteSlots] = {};
  double sum = 0;
  const char* at = text;
  int slot = 0;
  if (!ReadListedNumber(&at, &slot)) return 0;
  for (;;) {
    int amount = 0;
    if (!ReadListNumber(&at, &amount)) return 0;
    if (slot == 0 || amount == 0) break;
    // A negative amount or a slot named again would let one bet cancel
    // another and play stakes the total never counted.
    if (!IsBetSlot(slot) || amount < 0 || named[slot]) return 0;
    named[slot] = true;
    read[slot] = amount;
    sum += amount;
    if (*at != ',') return 0;
    ++at;
    if (!ReadListedNumber(&at, &slot)) return 0;
  }
  std::memcpy(bets, read, sizeof(read));
  *total = sum;
  return 1;
}

int WriteBetList(const int bets[kRouletteSlots], char* text, int size) {
  int at = 0;
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    if (bets[slot] == 0) continue;
    const int n = std::snprintf(text + at, size - at, "%i,%i,", slot, bets[slot]);
    if (n >= size - at) {
      text[0] = '\0';
      return 0;
    }
    at += n;
  }
  if (std::snprintf(text + at, size - at, "0,0") >= size - at) {
    text[0] = '\0';
    return 0;
  }
  return 1;
}

}  // namespace wl
