// The drawing rules of punto banco as a dealer states them, written apart
// from the server's table: the oracle the Baccarat tests and simulation set
// beside the server.
#pragma once

namespace sq::test {

// The Banker's third card at a two-card total 0..7 (no natural on either
// side); playerThird is the point of the Player's third card, or -1 when
// the Player stood.
inline bool BankerDrawsByRule(int bankerTotal, int playerThird) {
  if (playerThird < 0) return bankerTotal <= 5;
  switch (bankerTotal) {
    case 0:
    case 1:
    case 2: return true;
    case 3: return playerThird != 8;
    case 4: return playerThird >= 2 && playerThird <= 7;
    case 5: return playerThird >= 4 && playerThird <= 7;
    case 6: return playerThird == 6 || playerThird == 7;
    default: return false;
  }
}

struct RuleCoup {
  int playerTotal;
  int bankerTotal;
  bool playerDraws;
  bool bankerDraws;
};

// The coup of six point values in the order P1, P2, B1, B2, P3, B3.
inline RuleCoup PlayByRule(const int points[6]) {
  RuleCoup c{(points[0] + points[1]) % 10, (points[2] + points[3]) % 10, false, false};
  if (c.playerTotal >= 8 || c.bankerTotal >= 8) return c;
  c.playerDraws = c.playerTotal <= 5;
  const int bankerTwoCards = c.bankerTotal;
  if (c.playerDraws) c.playerTotal = (c.playerTotal + points[4]) % 10;
  c.bankerDraws = BankerDrawsByRule(bankerTwoCards, c.playerDraws ? points[4] : -1);
  if (c.bankerDraws) c.bankerTotal = (c.bankerTotal + points[5]) % 10;
  return c;
}

}  // namespace sq::test
