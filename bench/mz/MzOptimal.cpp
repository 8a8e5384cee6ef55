// mz_optimal [--hand "JH JS 4C 7D 9S"]
//
// The exact return of jacks or better under optimal play at 1 to 5 coins,
// from the odds of all 32 holds of every deal (no sampling): the return as
// a fraction and a percentage, and how often each final hand comes up
// under that strategy (ties keep the most cards). With --hand, the expected
// pay of each hold of that one hand instead. The counted odds of a few
// hands are checked first against dealing every one of their draws.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/mz/CardText.h"
#include "bench/mz/DrawOdds.h"
#include "bench/mz/OptimalPlay.h"

namespace {

using namespace mz;
using namespace mz::bench;

const char* const kCodeNames[kHandCodes] = {
    "nothing",  "jacks or better", "two pairs",      "three of a kind", "straight",
    "flush",    "full house",      "four of a kind", "straight flush",  "royal flush",
};

std::string WideText(Wide n) {
  if (n == 0) return "0";
  std::string text;
  for (; n > 0; n /= 10) text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
  return text;
}

Wide Gcd(Wide a, Wide b) {
  while (b != 0) {
    const Wide r = a % b;
    a = b;
    b = r;
  }
  return a;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Hands whose every hold is also counted by dealing each draw.
const char* const kCheckedHands[] = {"AS KS QS JS 9S", "JH JS 4C 7D 9S", "2D 3C 8H 9S KD", "TD TC TH 5S 5C"};

int ReadHand(const char* text, int hand[kHandSize]) {
  const char* at = text;
  for (int i = 0; i < kHandSize; ++i) {
    while (*at == ' ') ++at;
    hand[i] = ParseCard(at);
    for (int j = 0; j < i; ++j) {
      if (hand[j] == hand[i]) hand[i] = -1;
    }
    if (hand[i] < 0) return 0;
    at += 2;
  }
  return 1;
}

int CheckByDealing(const CDrawTables& tables) {
  for (const char* text : kCheckedHands) {
    int hand[kHandSize];
    ReadHand(text, hand);
    HoldCounts counted, dealt;
    tables.CountHolds(hand, &counted);
    DealHolds(hand, &dealt);
    if (counted != dealt) {
      std::fprintf(stderr, "mz_optimal: the holds of %s counted differ from the holds dealt\n", text);
      return 0;
    }
  }
  return 1;
}

int PrintHand(const CDrawTables& tables, const char* text) {
  int hand[kHandSize];
  if (!ReadHand(text, hand)) return 0;
  HoldCounts holds;
  tables.CountHolds(hand, &holds);
  const HoldChoice best1 = BestHold(holds, 1), best5 = BestHold(holds, kMaxCoins);
  std::printf("hold            draws  pay per coin at 1-4 coins  at 5 coins\n");
  for (int mask = 0; mask < kHolds; ++mask) {
    std::string held;
    for (int i = 0; i < kHandSize; ++i) held += mask >> i & 1 ? CardName(hand[i]) + " " : "-- ";
    const int n = HeldCards(mask);
    const double one = static_cast<double>(HoldValue(holds[mask], n, 1)) / kDrawsLcm;
    const double five = static_cast<double>(HoldValue(holds[mask], n, kMaxCoins)) / kDrawsLcm / kMaxCoins;
    std::printf("%s %8lld  %.6f%s  %.6f%s\n", held.c_str(), static_cast<long long>(DrawsFor(n)), one,
                mask == best1.mask ? " best" : "     ", five, mask == best5.mask ? " best" : "");
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const char* hand = nullptr;
  if (argc == 3 && std::strcmp(argv[1], "--hand") == 0) {
    hand = argv[2];
  } else if (argc != 1) {
    std::fprintf(stderr, "usage: mz_optimal [--hand \"JH JS 4C 7D 9S\"]\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const CDrawTables tables;
  const double tablesSeconds = Seconds(start);
  if (hand != nullptr) {
    if (PrintHand(tables, hand)) return 0;
    std::fprintf(stderr, "mz_optimal: five distinct cards such as \"JH JS 4C 7D 9S\"\n");
    return 2;
  }
  const auto checkStart = std::chrono::steady_clock::now();
  if (!CheckByDealing(tables)) return 1;
  const double checkSeconds = Seconds(checkStart);
  const auto playStart = std::chrono::steady_clock::now();
  const OptimalPlay play = PlayOptimally(tables);
  const double playSeconds = Seconds(playStart);
  std::printf("jacks or better, optimal play: %lld hands up to suit for %lld deals, 32 holds each\n\n",
              static_cast<long long>(play.patterns), static_cast<long long>(play.deals));
  std::printf("coins  return per coin bet\n");
  for (int coins = 1; coins <= kMaxCoins; ++coins) {
    const Wide num = play.byCoins[coins - 1].payNumerator;
    const Wide den = FrequencyDenominator() * coins;
    const Wide g = Gcd(num, den);
    std::printf("%5d  %s / %s = %.6f%%\n", coins, WideText(num / g).c_str(), WideText(den / g).c_str(),
                100.0 * static_cast<double>(num) / static_cast<double>(den));
  }
  std::printf("\nfinal hands under the best hold (frequency, one in)\n%-17s", "code");
  for (int coins = 1; coins <= kMaxCoins; ++coins) std::printf("  %d coin%s            ", coins, coins > 1 ? "s" : " ");
  std::printf("\n");
  for (int code = kHandCodes - 1; code >= 0; --code) {
    std::printf("%d %-15s", code, kCodeNames[code]);
    for (int coins = 1; coins <= kMaxCoins; ++coins) {
      const double p = static_cast<double>(play.byCoins[coins - 1].codeNumerator[code]) /
                       static_cast<double>(FrequencyDenominator());
      std::printf("  %.8f %9.1f", p, 1 / p);
    }
    std::printf("\n");
  }
  std::printf("\ntables %.2f s, %d hands checked by dealing every draw %.2f s, holds %.2f s, in all %.2f s\n",
              tablesSeconds, static_cast<int>(sizeof kCheckedHands / sizeof kCheckedHands[0]), checkSeconds,
              playSeconds, Seconds(start));
  return 0;
}
