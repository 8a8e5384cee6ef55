#include "kw/PaiGowWire.h"

#include <cstdio>

#include "framework/link/WholeNumbers.h"
#include "kw/Cards.h"

namespace kw {
namespace {

// The seven ids from slot first on, each followed by a comma but the last.
int FormatSeven(const std::int32_t* ids, char out[kCardsTextSize]) {
  return std::snprintf(out, kCardsTextSize, "%i,%i,%i,%i,%i,%i,%i", ids[0], ids[1], ids[2], ids[3],
                       ids[4], ids[5], ids[6]);
}

}  // namespace

void FormatFirstCards(const PaiGowServerRecord& record, char out[kCardsTextSize]) {
  FormatSeven(record.cards, out);
}

void FormatDealerCardsShowdown(const PaiGowServerRecord& record, int houseWay,
                               char out[kCardsTextSize]) {
  const int n = FormatSeven(record.cards + kHandCards, out);
  std::snprintf(out + n, kCardsTextSize - n, ",%i,%i,%i,%i,%i", record.result, houseWay % 10,
                houseWay / 10, record.wonHigh, record.wonLow);
}

void FormatDealerCardsCardFail(const PaiGowServerRecord& record, int houseWay,
                               char out[kCardsTextSize]) {
  const int n = FormatSeven(record.cards + kHandCards, out);
  std::snprintf(out + n, kCardsTextSize - n, ",%i,%i", houseWay % 10, houseWay / 10);
}

int ParseSecondCards(const char* text, std::int32_t* first, std::int32_t* second) {
  std::int32_t pair[2] = {};
  if (text == nullptr || !ReadWholeNumberList(&text, 0, pair, 2)) return 0;
  const int a = pair[0], b = pair[1];
  if (a < 1 || a > kHandCards || b < 1 || b > kHandCards || a == b) return 0;
  *first = a;
  *second = b;
  return 1;
}

}  // namespace kw

namespace kw {
namespace {

// Reads exactly count comma-separated whole numbers.
int ReadNumbers(const char* text, int count, std::int32_t* values) {
  if (!ReadWholeNumberList(&text, 10, values, count)) return 0;
  while (*text == ' ') ++text;
  return *text == '\0' ? 1 : 0;
}

int DistinctIn(const std::int32_t* values, int count, int low, int high) {
  for (int i = 0; i < count; ++i) {
    if (values[i] < low || values[i] > high) return 0;
    for (int j = 0; j < i; ++j) {
      if (values[j] == values[i]) return 0;
    }
  }
  return 1;
}

}  // namespace

int ParseFirstCards(const char* text, std::int32_t ids[7]) {
  std::int32_t values[7];
  if (text == nullptr || !ReadNumbers(text, 7, values) || !DistinctIn(values, 7, 0, kJokerId)) return 0;
  for (int i = 0; i < 7; ++i) ids[i] = values[i];
  return 1;
}

int ParseDealerCards(const char* text, int showdown, DealerCards* cards) {
  const int count = showdown ? 12 : 9;
  std::int32_t v[12] = {};
  if (text == nullptr || !ReadNumbers(text, count, v) || !DistinctIn(v, 7, 0, kJokerId)) return 0;
  const std::int32_t* low = showdown ? v + 8 : v + 7;
  if (!DistinctIn(low, 2, 0, 6)) return 0;
  if (showdown && (v[7] < 0 || v[7] > 2 || v[10] < 0 || v[10] > 1 || v[11] < 0 || v[11] > 1)) return 0;
  DealerCards read{};
  for (int i = 0; i < 7; ++i) read.ids[i] = v[i];
  read.result = showdown ? v[7] : 0;
  read.low[0] = low[0];
  read.low[1] = low[1];
  read.wonHigh = showdown ? v[10] : 0;
  read.wonLow = showdown ? v[11] : 0;
  *cards = read;
  return 1;
}

}  // namespace kw
