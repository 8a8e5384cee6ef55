#include "bench/kw/Exhaustive.h"

#include <chrono>
#include <cstdio>

#include "bench/kw/BruteFive.h"
#include "bench/kw/Choose.h"
#include "bench/kw/CountReport.h"
#include "bench/kw/ExhaustiveFive.h"
#include "bench/kw/ExhaustiveSeven.h"
#include "bench/kw/Parallel.h"
#include "bench/kw/RankPatterns.h"
#include "kw/Cards.h"

namespace kw::sim {
namespace {

constexpr const char* kKindNames[kPairKinds] = {
    "no pair",        "one pair",        "two pairs",          "three pairs",
    "three of a kind", "two threes",     "full house",         "four of a kind",
    "four and a pair", "four and a three", "three and two pairs", "five aces",
    "five aces and a pair",
};

constexpr const char* kCodeNames[kStraightFlushCodes] = {
    "neither", "straight only", "flush only", "straight and flush",
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void ReportSevenCounts(const SevenCounts& m, const SevenCounts& c, long long binomial, CCountReport* report) {
  report->Heading("7-card hands", "code under test", "combinatorics");
  report->Line("hands", m.hands, c.hands);
  report->Line("hands of the rank patterns (binomial)", c.hands, binomial);
  char label[80];
  for (int k = 0; k < kPairKinds; ++k) {
    std::snprintf(label, sizeof label, "ClassifyPairs7 kind %d %s", k, kKindNames[k]);
    report->Line(label, m.kind[k], c.kind[k]);
  }
  for (int code = 0; code < kStraightFlushCodes; ++code) {
    std::snprintf(label, sizeof label, "FindStraightFlush7 code %d %s", code, kCodeNames[code]);
    report->Line(label, m.code[code], c.code[code]);
  }
  for (int code = 1; code < kStraightFlushCodes; code += 2) {
    for (int n = 5; n <= 7; ++n) {
      std::snprintf(label, sizeof label, "  code %d, a run of %d", code, n);
      report->Line(label, m.runLength[code][n], c.runLength[code][n]);
    }
  }
  for (int code = 2; code < kStraightFlushCodes; ++code) {
    for (int n = 5; n <= 7; ++n) {
      std::snprintf(label, sizeof label, "  code %d, %d cards of the flush suit", code, n);
      report->Line(label, m.flushCount[code][n], c.flushCount[code][n]);
    }
  }
}

void ReportHouseWay(const HouseWayCounts& h, CCountReport* report) {
  report->Heading("DealerHouseWay", "code under test", "own check");
  report->Line("not two different positions 0..6", h.invalid, 0);
  long long refused = 0, ownRefused = 0;
  char label[80];
  for (int code = 0; code < kStraightFlushCodes; ++code) {
    for (int k = 0; k < kPairKinds; ++k) {
      refused += h.refused[code][k];
      ownRefused += h.ownRefused[code][k];
      if (h.refused[code][k] == 0 && h.ownRefused[code][k] == 0) continue;
      std::snprintf(label, sizeof label, "refused: code %d, kind %d %s", code, k, kKindNames[k]);
      report->Line(label, h.refused[code][k], h.ownRefused[code][k]);
    }
  }
  report->Line("refused by IsValidSplit, in all", refused, ownRefused);
}

}  // namespace

int RunExhaustive(int firstCard) {
  const int threads = CoreCount();
  const auto start = std::chrono::steady_clock::now();
  if (firstCard < 0) {
    std::printf("paigow_sim --exhaustive: every hand of the 53 cards, %d threads\n", threads);
  } else {
    std::printf("paigow_sim --exhaustive: the hands whose lowest card is id %d, %d threads\n", firstCard,
                threads);
  }
  CCountReport report;
  CFiveCardTable table;
  table.Build(threads);
  CompareFiveCardClasses(table, firstCard, &report);
  std::printf("  (%.1f s)\n", SecondsSince(start));

  const auto sevenStart = std::chrono::steady_clock::now();
  SevenTally measured;
  TallySevenCardHands(table, firstCard, threads, &measured);
  const double sevenSeconds = SecondsSince(sevenStart);
  SevenCounts combinatorics;
  CountByRankPatterns(firstCard, &combinatorics);
  const long long binomial =
      firstCard < 0 ? Choose(kDeckWithJoker, 7) : Choose(kDeckWithJoker - 1 - firstCard, 6);
  ReportSevenCounts(measured.counts, combinatorics, binomial, &report);
  ReportHouseWay(measured.houseWay, &report);
  std::printf("  (%.1f s, %.0f hands per second)\n", sevenSeconds,
              sevenSeconds > 0 ? measured.counts.hands / sevenSeconds : 0.0);

  std::printf("\n%s: %d disagreements; elapsed %.1f s\n", report.Disagreements() ? "FAILED" : "all agree",
              report.Disagreements(), SecondsSince(start));
  return report.Disagreements();
}

}  // namespace kw::sim
