// The cards the Pai Gow server is to deal, 14 a round (the player's seven,
// then the dealer's), turned into the random numbers that draw them.
#pragma once

#include <cstddef>
#include <vector>

// The player's pair of queens and ace-king against the dealer's jack high,
// dealt in row order Q, 7, A, Q, K, 5, 3: with A and K to the 2nd hand both
// hands win.
extern const std::vector<int> kPlayerWinsBoth;

struct ScriptedDeal {
  std::vector<int> cards;
  // Set when the server asked for a card past the list, or for one twice in
  // a round (no deck the server deals could give that).
  bool ranOut = false;

  // The next random number: the server draws random() mod (cards left) from
  // the ordered deck, so the index of the wanted card among those left.
  int Draw();

 private:
  std::size_t next_ = 0;
  std::vector<int> left_;
};
