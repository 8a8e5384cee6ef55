#include "tests/kw/CardText.h"

#include <sstream>

#include "kw/HouseWay.h"

namespace kw_test {
namespace {

constexpr char kRanks[] = "23456789TJQKA";
constexpr char kSuits[] = "shdc";

int IndexOf(const char* table, char c) {
  for (int i = 0; table[i]; ++i) {
    if (table[i] == c) return i;
  }
  return -1;
}

}  // namespace

std::vector<int> Ids(const std::string& text) {
  std::vector<int> ids;
  std::istringstream in(text);
  std::string card;
  while (in >> card) {
    if (card == "Xj") {
      ids.push_back(52);
    } else {
      ids.push_back(IndexOf(kSuits, card[1]) * 13 + IndexOf(kRanks, card[0]));
    }
  }
  return ids;
}

std::string Name(int id) {
  if (id == 52) return "Xj";
  return std::string(1, kRanks[id % 13]) + kSuits[id / 13];
}

void RanksSuits(const std::vector<int>& ids, std::int32_t* ranks, std::int32_t* suits) {
  for (size_t i = 0; i < ids.size(); ++i) {
    ranks[i] = ids[i] == 52 ? 1 : ids[i] % 13 + 2;
    suits[i] = ids[i] == 52 ? 4 : ids[i] / 13;
  }
}

std::string HouseWayLow(const std::string& hand) {
  const std::vector<int> ids = Ids(hand);
  std::int32_t ranks[7], suits[7];
  RanksSuits(ids, ranks, suits);
  kw::PairStructure pairs;
  kw::StraightFlushFindings findings;
  const int value = kw::HouseWay7(ranks, suits, &pairs, &findings);
  return Name(ids[value / 10]) + " " + Name(ids[value % 10]);
}

}  // namespace kw_test
