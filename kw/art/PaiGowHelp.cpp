#include "kw/art/PaiGowHelp.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "kw/Cards.h"
#include "kw/HandEval.h"
#include "kw/HouseWay.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowTableLayout.h"
#include "kw/Settlement.h"
#include "kw/Showdown.h"

namespace kw::art {
namespace {

constexpr const char* kClassNames[] = {
    "High card", "One pair", "Two pairs",      "Three of a kind", "Straight",
    "Flush",     "Full house", "Four of a kind", "Straight flush",  "Five aces",
};
static_assert(std::size(kClassNames) == kFiveAces + 1, "a name for every hand class");

constexpr const char* kPairKindNames[] = {
    "no pair",
    "one pair",
    "two pairs",
    "three pairs",
    "three of a kind",
    "two threes",
    "full house",
    "four of a kind",
    "four of a kind and a pair",
    "four of a kind and three",
    "three and two pairs",
    "five aces",
    "five aces and a pair",
};
static_assert(std::size(kPairKindNames) == kFiveAcesAndPair7 + 1, "a name for every pair structure");

constexpr const char* kStraightFlushNames[] = {"", "straight", "flush", "straight and flush"};
static_assert(std::size(kStraightFlushNames) == kStraightAndFlush + 1, "a name for every straight and flush");

struct Outcome {
  int result;
  const char* text;
};
constexpr Outcome kOutcomes[] = {
    {kPlayerWins, "You win both hands"},
    {kPush, "You win one hand and lose the other"},
    {kDealerWins, "The dealer wins both hands"},
};
static_assert(std::size(kOutcomes) == 3, "a row for every showdown result");

enum Suit : int { kD = 0, kH = 1, kC = 2, kS = 3 };
constexpr int kJ = kJokerId;
constexpr int C(int rank, int suit) { return CardId(rank, suit); }

// One example per hand class, in no particular order: the page sorts them
// by the class the evaluation finds.
constexpr int kRankingExamples[][5] = {
    {C(8, kD), C(7, kC), C(6, kH), C(5, kS), C(4, kD)},
    {C(14, kS), C(14, kH), C(14, kC), C(14, kD), kJ},
    {C(9, kH), C(8, kH), C(7, kH), C(6, kH), C(5, kH)},
    {C(12, kS), C(12, kH), C(12, kC), C(12, kD), C(3, kC)},
    {C(10, kS), C(10, kH), C(10, kC), C(4, kD), C(4, kC)},
    {C(13, kC), C(10, kC), C(8, kC), C(5, kC), C(2, kC)},
    {C(7, kS), C(7, kH), C(7, kD), C(13, kC), C(2, kS)},
    {C(11, kS), C(11, kD), C(4, kH), C(4, kC), C(14, kS)},
    {C(9, kC), C(9, kD), C(14, kH), C(6, kS), C(3, kD)},
    {C(14, kS), C(12, kD), C(9, kH), C(6, kC), C(3, kS)},
};

constexpr int kJokerHands[][5] = {
    {kJ, C(14, kS), C(13, kD), C(5, kH), C(2, kC)},
    {kJ, C(9, kH), C(8, kH), C(6, kH), C(5, kH)},
    {kJ, C(12, kC), C(9, kC), C(7, kC), C(3, kC)},
    {kJ, C(5, kD), C(4, kS), C(3, kH), C(2, kC)},
};

constexpr int kHouseWayHands[][kHandCards] = {
    {C(14, kS), C(13, kH), C(10, kC), C(8, kD), C(6, kS), C(4, kH), C(2, kC)},
    {C(9, kS), C(9, kH), C(14, kC), C(13, kD), C(7, kS), C(4, kH), C(2, kC)},
    {C(11, kS), C(11, kH), C(5, kC), C(5, kD), C(14, kS), C(8, kH), C(3, kC)},
    {C(6, kS), C(6, kH), C(3, kC), C(3, kD), C(13, kS), C(9, kH), C(2, kC)},
    {C(13, kS), C(13, kH), C(8, kC), C(8, kD), C(4, kS), C(4, kH), C(14, kC)},
    {C(10, kS), C(10, kH), C(10, kC), C(14, kD), C(8, kS), C(5, kH), C(2, kC)},
    {C(14, kS), C(14, kH), C(14, kC), C(13, kD), C(8, kS), C(5, kH), C(2, kC)},
    {C(9, kS), C(8, kH), C(7, kC), C(6, kD), C(5, kS), C(13, kH), C(2, kC)},
    {C(13, kH), C(11, kH), C(8, kH), C(6, kH), C(3, kH), C(12, kC), C(9, kS)},
    {C(12, kS), C(12, kH), C(12, kC), C(7, kD), C(7, kS), C(14, kH), C(3, kC)},
    {C(8, kS), C(8, kH), C(8, kC), C(8, kD), C(14, kS), C(13, kH), C(3, kC)},
    {kJ, C(14, kS), C(12, kH), C(9, kC), C(7, kD), C(4, kS), C(2, kH)},
    {C(14, kS), C(14, kH), C(14, kC), C(14, kD), kJ, C(13, kS), C(13, kH)},
};

std::string Money(double amount) {
  char text[32];
  std::snprintf(text, sizeof text, "$%.2f", amount);
  return text;
}

std::string Names(const int* ids, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    text += CardName(ids[i]);
  }
  return text;
}

RankingRow Rank(const int (&ids)[5]) {
  int ranks[5];
  int suits[5];
  for (int i = 0; i < 5; ++i) {
    ranks[i] = CardRank(ids[i]);
    suits[i] = CardSuit(ids[i]);
  }
  HandValue value{};
  EvaluateHand5(ranks, suits, &value);
  return {value.handClass, kClassNames[value.handClass], Names(ids, 5)};
}

std::string Holding(const PairStructure& pairs, const StraightFlushFindings& findings) {
  const char* pair = kPairKindNames[pairs.kind];
  const char* run = kStraightFlushNames[findings.code];
  if (findings.code == kNeitherStraightNorFlush) return pair;
  if (pairs.kind == kNoPair7) return run;
  return std::string(run) + " with " + pair;
}

std::string Chips() {
  std::string text;
  for (int c = 0; c < kChipCount; ++c) {
    text += c == 0 ? "" : (c + 1 == kChipCount ? " or " : ", ");
    text += "$" + std::to_string(kChipValues[c]);
  }
  return text;
}

std::string RankingTable(const std::vector<RankingRow>& rows) {
  std::string table = "<table>\n<tr><th>Hand</th><th>Example</th></tr>\n";
  for (const RankingRow& row : rows) table += "<tr><td>" + row.name + "</td><td>" + row.cards + "</td></tr>\n";
  return table + "</table>\n";
}

}  // namespace

std::string CardName(int id) {
  if (id == kJokerId) return "Joker";
  static constexpr const char* kRanks[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static constexpr const char* kSuits[] = {"&diams;", "&hearts;", "&clubs;", "&spades;"};
  return std::string(kRanks[CardRank(id) - 2]) + kSuits[CardSuit(id)];
}

std::vector<RankingRow> HandRanking() {
  std::vector<RankingRow> rows;
  for (const auto& ids : kRankingExamples) rows.push_back(Rank(ids));
  std::sort(rows.begin(), rows.end(),
            [](const RankingRow& a, const RankingRow& b) { return a.handClass > b.handClass; });
  return rows;
}

std::vector<RankingRow> JokerExamples() {
  std::vector<RankingRow> rows;
  for (const auto& ids : kJokerHands) rows.push_back(Rank(ids));
  return rows;
}

std::vector<HouseWayRow> HouseWayExamples() {
  std::vector<HouseWayRow> rows;
  for (const auto& ids : kHouseWayHands) {
    std::int32_t ranks[kHandCards];
    std::int32_t suits[kHandCards];
    for (int i = 0; i < kHandCards; ++i) {
      ranks[i] = CardRank(ids[i]);
      suits[i] = CardSuit(ids[i]);
    }
    PairStructure pairs{};
    StraightFlushFindings findings{};
    const int split = HouseWay7(ranks, suits, &pairs, &findings);
    const int lowIds[2] = {ids[split / 10], ids[split % 10]};
    int highIds[5];
    int n = 0;
    for (int i = 0; i < kHandCards; ++i) {
      if (i != split / 10 && i != split % 10) highIds[n++] = ids[i];
    }
    rows.push_back({Holding(pairs, findings), Names(ids, kHandCards), Names(lowIds, 2), Names(highIds, 5)});
  }
  return rows;
}

std::vector<PayoutRow> PayoutRows() {
  std::vector<PayoutRow> rows;
  for (const Outcome& o : kOutcomes) rows.push_back({o.result, o.text, Money(ShowdownCredit(o.result, kHelpStake))});
  return rows;
}

double CommissionPercent() {
  const double won = ShowdownCredit(kPlayerWins, kHelpStake) - kHelpStake;
  return 100.0 * (kHelpStake - won) / kHelpStake;
}

std::string PaiGowHelpPage() {
  char commission[16];
  std::snprintf(commission, sizeof commission, "%g%%", CommissionPercent());
  std::string page =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Pai Gow Poker help</title>\n"
      "<style>body{font-family:sans-serif;max-width:60em;margin:1em auto;padding:0 1em}"
      "table{border-collapse:collapse}th,td{border:1px solid #888;padding:2px 8px;text-align:left}"
      "th{background:#063}th{color:#fff}</style></head><body>\n<h1>Pai Gow Poker</h1>\n";
  page += "<h2>How to play</h2>\n<ol>\n<li>Click the chips of " + Chips() +
          " to bet, between the table's minimum and maximum. A right click on a chip takes that much back; "
          "a right click on the bet takes one chip off. Clicking the bet (or Space) bets your last bet "
          "again.</li>\n"
          "<li>Press DEAL (or D). You and the dealer get seven cards each from a deck of 52 cards and a "
          "joker.</li>\n"
          "<li>Set your hands: click two of your cards to move them up to your 2nd hand, the 2-card hand; the "
          "other five are your high hand. Click a card of the 2nd hand to put it back. Your 2-card hand must "
          "not beat your 5-card hand, or the bet is lost.</li>\n"
          "<li>Press DONE (or N). The dealer shows his cards, set the house way, and each of your hands "
          "plays against his hand of the same size. A hand that ties the dealer's goes to the dealer.</li>\n"
          "<li>Press NEW GAME, or click anywhere when the New Game button is turned off, for the next "
          "round.</li>\n</ol>\n"
          "<p>OPTIONS (or O) turns the voice, the New Game button, animations, sounds and music on or off. "
          "HELP (or p) shows this page; EXIT (or Esc) returns to the main menu between rounds.</p>\n";

  page += "<h2>What a bet returns</h2>\n<p>What a $" + std::to_string(kHelpStake) +
          " bet returns, the stake included. A win pays even money less a commission of " + commission +
          ".</p>\n<table>\n<tr><th>Showdown</th><th>Returns</th></tr>\n";
  for (const PayoutRow& row : PayoutRows()) {
    page += "<tr><td>" + row.outcome + "</td><td>" + row.returns + "</td></tr>\n";
  }
  page += "</table>\n";

  page += "<h2>The hands</h2>\n<p>The 5-card hands, the best first. A 2-card hand is a pair or two single "
          "cards; a pair beats any two singles.</p>\n";
  page += RankingTable(HandRanking());
  page += "<p>The joker counts as an ace, or completes a straight, a flush or a straight flush:</p>\n";
  page += RankingTable(JokerExamples());

  page += "<h2>The house way</h2>\n<p>The dealer always sets his seven cards the same way. Some examples:</p>\n"
          "<table>\n<tr><th>Holding</th><th>Dealt</th><th>2-card hand</th><th>5-card hand</th></tr>\n";
  for (const HouseWayRow& row : HouseWayExamples()) {
    page += "<tr><td>" + row.holding + "</td><td>" + row.dealt + "</td><td>" + row.low + "</td><td>" + row.high +
            "</td></tr>\n";
  }
  page += "</table>\n</body></html>\n";
  return page;
}

}  // namespace kw::art
