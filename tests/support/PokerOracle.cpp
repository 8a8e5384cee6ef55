#include "tests/support/PokerOracle.h"

#include <algorithm>

namespace gz::test {

PokerKey RankHand(const std::int32_t* ids) {
  int rankCount[15] = {};
  int suitCount[4] = {};
  for (int i = 0; i < 5; ++i) {
    ++rankCount[ids[i] % 13 + 2];
    ++suitCount[ids[i] / 13];
  }
  // Ranks by their count, then by rank, highest first.
  std::array<std::pair<int, int>, 5> groups{};
  int groupCount = 0;
  for (int rank = 14; rank >= 2; --rank) {
    if (rankCount[rank] > 0) groups[groupCount++] = {rankCount[rank], rank};
  }
  std::stable_sort(groups.begin(), groups.begin() + groupCount,
                   [](auto a, auto b) { return a.first > b.first; });
  PokerKey key;
  for (int i = 0; i < groupCount; ++i) key.ranks[i] = groups[i].second;
  const bool flush = std::find(suitCount, suitCount + 4, 5) != suitCount + 4;
  bool straight = false;
  if (groupCount == 5) {
    if (key.ranks[0] - key.ranks[4] == 4) {
      straight = true;
    } else if (key.ranks[0] == 14 && key.ranks[1] == 5) {
      straight = true;
      key.ranks = {5, 4, 3, 2, 1};
    }
  }
  if (straight && flush) {
    key.category = key.ranks[0] == 14 ? 11 : 10;
  } else if (groups[0].first == 4) {
    key.category = 9;
  } else if (groups[0].first == 3 && groups[1].first == 2) {
    key.category = 8;
  } else if (flush) {
    key.category = 7;
  } else if (straight) {
    key.category = 6;
  } else if (groups[0].first == 3) {
    key.category = 5;
  } else if (groups[0].first == 2 && groups[1].first == 2) {
    key.category = 4;
  } else if (groups[0].first == 2) {
    key.category = 3;
  } else {
    key.category = 1;
  }
  return key;
}

bool Qualifies(const std::int32_t* ids) {
  const PokerKey key = RankHand(ids);
  if (key.category > 1) return true;
  return key.ranks[0] == 14 && key.ranks[1] == 13;
}

}  // namespace gz::test
