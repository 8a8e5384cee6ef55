#include "tests/kw/ScriptedDeal.h"

#include "kw/Cards.h"

using kw::CardId;

const std::vector<int> kPlayerWinsBoth = {
    CardId(12, 1), CardId(7, 3), CardId(14, 0), CardId(12, 2), CardId(13, 0), CardId(5, 2), CardId(3, 0),
    CardId(9, 0),  CardId(8, 1), CardId(6, 2),  CardId(4, 3),  CardId(2, 1),  CardId(11, 2), CardId(10, 3),
};

int ScriptedDeal::Draw() {
  if (next_ >= cards.size()) {
    ranOut = true;
    return 0;
  }
  if (next_ % 14 == 0) {
    left_.clear();
    for (int id = 0; id < kw::kDeckWithJoker; ++id) left_.push_back(id);
  }
  const int wanted = cards[next_++];
  for (std::size_t i = 0; i < left_.size(); ++i) {
    if (left_[i] == wanted) {
      left_.erase(left_.begin() + static_cast<std::ptrdiff_t>(i));
      return static_cast<int>(i);
    }
  }
  ranOut = true;
  return 0;
}
