#include "sq/BaccaratButtons.h"

#include <cstring>

namespace sq {
namespace {

constexpr const char* kHoverTexts[] = {
    nullptr,    "Info bar",           "Options",            "Help",           "Bet $1",
    "Bet $5",   "Bet $25",            "Bet $100",           "Bet $500",       "Deal",
    "Bet on Player Wins", "Bet on Banker Wins", "Bet on tie", "Exit",         "Start a new game",
};
static_assert(std::size(kHoverTexts) == kBaccaratButtonCount, "one hover text place per button");

}  // namespace

ButtonEntry gBaccaratButtons[kBaccaratButtonCount];

void ResetBaccaratButtons() { std::memcpy(gBaccaratButtons, kBaccaratButtonTable, sizeof gBaccaratButtons); }

const char* ButtonHoverText(int button) {
  return button >= 0 && button < kBaccaratButtonCount ? kHoverTexts[button] : nullptr;
}

}  // namespace sq
