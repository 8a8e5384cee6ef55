// The Craps help page: how to play, and the pay table worked out by the
// game's own settlement over all 36 rolls of the dice, so the page cannot
// disagree with the game.
#pragma once

#include <string>
#include <vector>

namespace dq::art {

// A stake of this many dollars is what the pay table's returns are for.
inline constexpr int kHelpStake = 10;

// One row of the pay table: when the bet is decided, the rolls it wins and
// loses on, and what the stake returns when it wins (stake included).
struct PayRow {
  int kind;
  std::string when;
  std::string wins;
  std::string loses;
  std::string returns;
};

// Every bet kind's rows, in kind order; a bet whose outcome depends on the
// point has one row per point unless all of them read alike.
std::vector<PayRow> PayTable();

// The whole page as HTML.
std::string CrapsHelpPage();

}  // namespace dq::art
