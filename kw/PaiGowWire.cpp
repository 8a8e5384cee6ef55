#include "kw/PaiGowWire.h"

#include <cstdio>

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
  int a = 0, b = 0;
  if (text == nullptr || std::sscanf(text, "%i,%i", &a, &b) != 2) return 0;
  if (a < 1 || a > kHandCards || b < 1 || b > kHandCards || a == b) return 0;
  *first = a;
  *second = b;
  return 1;
}

}  // namespace kw
