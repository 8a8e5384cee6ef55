// Card ids as every card game that deals ids uses them: 0..51 are the
// thirteen ranks of suit 0 from the two to the ace, then suits 1, 2 and 3;
// 52 is the joker of the Pai Gow Poker deck.
#pragma once

#include <cstdint>

namespace kw {

inline constexpr int kJokerId = 52;
inline constexpr int kJokerRank = 1;
inline constexpr int kJokerSuit = 4;
inline constexpr int kAce = 14;
inline constexpr int kKing = 13;
inline constexpr int kQueen = 12;
inline constexpr int kJack = 11;
inline constexpr int kRanksPerSuit = 13;
inline constexpr int kDeckWithJoker = 53;

// Rank 2..14 (ace 14), the joker 1.
constexpr int CardRank(int id) { return id == kJokerId ? kJokerRank : id % kRanksPerSuit + 2; }
// Suit 0..3, the joker 4.
constexpr int CardSuit(int id) { return id == kJokerId ? kJokerSuit : id / kRanksPerSuit; }
// The id of a rank 2..14 in a suit 0..3, or of the joker (rank 1).
constexpr int CardId(int rank, int suit) {
  return rank == kJokerRank ? kJokerId : suit * kRanksPerSuit + rank - 2;
}
// The joker compares as an ace.
constexpr int RankAsAce(int rank) { return rank == kJokerRank ? kAce : rank; }

}  // namespace kw
