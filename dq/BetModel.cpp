#include "dq/BetModel.h"

#include <cstddef>

namespace dq {
namespace {

constexpr const char* kBetNames[] = {
    "Passline ",
    "Passline Odds ",
    "Don't Pass ",
    "Don't Pass Odds ",
    "Come Bet ",
    "Come Point 4 ", "Come Point 5 ", "Come Point 6 ",
    "Come Point 8 ", "Come Point 9 ", "Come Point 10 ",
    "Come Point 4 Odds ", "Come Point 5 Odds ", "Come Point 6 Odds ",
    "Come Point 8 Odds ", "Come Point 9 Odds ", "Come Point 10 Odds ",
    "Don't Come Bet ",
    "Don't Come Point 4 ", "Don't Come Point 5 ", "Don't Come Point 6 ",
    "Don't Come Point 8 ", "Don't Come Point 9 ", "Don't Come Point 10 ",
    "Don't Come Point 4 Odds ", "Don't Come Point 5 Odds ", "Don't Come Point 6 Odds ",
    "Don't Come Point 8 Odds ", "Don't Come Point 9 Odds ", "Don't Come Point 10 Odds ",
    "Big 6 ",
    "Big 8 ",
    "Field ",
    "Place Win 4 ", "Place Win 5 ", "Place Win 6 ",
    "Place Win 8 ", "Place Win 9 ", "Place Win 10 ",
    "Place Loose 4 ", "Place Loose 5 ", "Place Loose 6 ",
    "Place Loose 8 ", "Place Loose 9 ", "Place Loose 10 ",
    "Buy Bet 4 ", "Buy Bet 5 ", "Buy Bet 6 ",
    "Buy Bet 8 ", "Buy Bet 9 ", "Buy Bet 10 ",
    "Lay Bet 4 ", "Lay Bet 5 ", "Lay Bet 6 ",
    "Lay Bet 8 ", "Lay Bet 9 ", "Lay Bet 10 ",
    "Any 7 ",
    "Hardway 6 ", "Hardway 8 ", "Hardway 10 ", "Hardway 4 ",
    "Horn 2 ", "Horn 12 ", "Horn 3 ", "Horn 11 ",
    "Any Craps ",
};
static_assert(sizeof(kBetNames) / sizeof(kBetNames[0]) == kCrapsBetKinds,
              "one name per bet kind");

constexpr std::size_t kLongestName = 32;

struct TickerNames {
  char text[kCrapsBetKinds][kLongestName];
};

constexpr TickerNames MakeTickerNames() {
  TickerNames names{};
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    const char* from = kBetNames[kind];
    std::size_t i = 0;
    for (; from[i] != '\0'; ++i) {
      char c = from[i];
      names.text[kind][i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    names.text[kind][i] = '\0';
  }
  return names;
}

constexpr TickerNames kTickerNames = MakeTickerNames();

}  // namespace

int BoxOfRun(int kind, int firstOfRun) {
  if (kind < firstOfRun || kind >= firstOfRun + 6) return 0;
  return kBoxNumbers[kind - firstOfRun];
}

const char* BetName(int kind) {
  if (kind < 0 || kind >= kCrapsBetKinds) return nullptr;
  return kBetNames[kind];
}

const char* TickerBetName(int kind) {
  if (kind < 0 || kind >= kCrapsBetKinds) return nullptr;
  return kTickerNames.text[kind];
}

int IsBetLocked(int) { return 0; }

}  // namespace dq
