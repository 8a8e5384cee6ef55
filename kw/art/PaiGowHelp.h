// The Pai Gow Poker help page: how to play, the ranking of the hands, how
// the dealer sets his cards and what a bet returns, each worked out by the
// game's own rules (kw_rules) so the page cannot disagree with the game.
#pragma once

#include <string>
#include <vector>

namespace kw::art {

// A stake of this many dollars is what the payout rows are for.
inline constexpr int kHelpStake = 20;

// A card as the page shows it: rank and suit symbol, or "Joker".
std::string CardName(int id);

// An example five-card hand and the class the evaluation gives it.
struct RankingRow {
  int handClass;
  std::string name;   // of the class
  std::string cards;  // the example, card names separated by blanks
};
// One example per class, the best first.
std::vector<RankingRow> HandRanking();
// How the joker plays: examples where it fills a straight, a flush or
// counts as an ace.
std::vector<RankingRow> JokerExamples();

// An example of seven cards and the split the dealer's house way makes.
struct HouseWayRow {
  std::string holding;  // what the seven cards make, e.g. "two pairs"
  std::string dealt;
  std::string low;      // his 2-card hand
  std::string high;     // his 5-card hand
};
std::vector<HouseWayRow> HouseWayExamples();

// What the stake returns for each showdown result, stake included.
struct PayoutRow {
  int result;
  std::string outcome;
  std::string returns;  // "$39.00"
};
std::vector<PayoutRow> PayoutRows();
// The commission on a win in percent, from the settlement.
double CommissionPercent();

// The whole page as HTML.
std::string PaiGowHelpPage();

}  // namespace kw::art
