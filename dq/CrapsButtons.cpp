#include "dq/CrapsButtons.h"

#include <cstring>

namespace dq {
namespace {

constexpr const char* kHoverTexts[] = {
    nullptr,
    "Info bar",
    "Options",
    "Help",
    "Exit",
    "Bet $1", "Bet $5", "Bet $25", "Bet $100", "Bet $500",
    nullptr,
    "Passline",
    "Passline Odds",
    "Don't Pass",
    "Come",
    "Don't Come",
    "Big 6", "Big 8", "Field",
    "Place Win 4", "Place Win 5", "Place Win 6", "Place Win 8", "Place Win 9", "Place Win 10",
    "Place Loose 4", "Place Loose 5", "Place Loose 6", "Place Loose 8", "Place Loose 9",
    "Place Loose 10",
    "Come Point Odds 4", "Come Point Odds 5", "Come Point Odds 6", "Come Point Odds 8",
    "Come Point Odds 9", "Come Point Odds 10",
    "Don't Come Point 4 / Don't Come Point Odds 4", "Don't Come Point 5 / Don't Come Point Odds 5",
    "Don't Come Point 6 / Don't Come Point Odds 6", "Don't Come Point 8 / Don't Come Point Odds 8",
    "Don't Come Point 9 / Don't Come Point Odds 9",
    "Don't Come Point 10 / Don't Come Point Odds 10",
    "Any 7",
    "Hardway 6", "Hardway 8", "Hardway 10", "Hardway 4",
    "Horn 2", "Horn 12", "Horn 3", "Horn 11",
    "Any Craps",
    "Info Menu",
    "Lay Bet 4", "Lay Bet 5", "Lay Bet 6", "Lay Bet 8", "Lay Bet 9", "Lay Bet 10",
    "Buy Bet 4", "Buy Bet 5", "Buy Bet 6", "Buy Bet 8", "Buy Bet 9", "Buy Bet 10",
    "Don't Pass Odds",
};
static_assert(sizeof(kHoverTexts) / sizeof(kHoverTexts[0]) == kCrapsButtonCount,
              "one hover text place per button");

}  // namespace

ButtonEntry gCrapsButtons[kCrapsButtonCount];

void ResetCrapsButtons() {
  std::memcpy(gCrapsButtons, kCrapsButtonTable.rows, sizeof gCrapsButtons);
}

const char* ButtonHoverText(int button) {
  return button >= 0 && button < kCrapsButtonCount ? kHoverTexts[button] : nullptr;
}

}  // namespace dq
