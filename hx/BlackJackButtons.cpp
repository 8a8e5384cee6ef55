#include "hx/BlackJackButtons.h"

#include <algorithm>

namespace hx {
namespace {

constexpr const char* kHoverTexts[kBlackJackButtonCount] = {
    nullptr,   "Status bar", "Options", "Help",  "Bet $1",
    "Bet $5",  "Bet $25",    "Bet $100", "Bet $500", "Split",
    "Double",  "Stand",      "Hit",      "Deal",     "Bet old sum again / Take away top chip",
    "Exit",    "Start a new game",
};

}  // namespace

ButtonEntry gBlackJackButtons[kBlackJackButtonCount];

void ResetBlackJackButtons() {
  std::copy(std::begin(kBlackJackButtonTable), std::end(kBlackJackButtonTable), gBlackJackButtons);
}

const char* ButtonHoverText(int button) {
  if (button <= 0 || button >= kBlackJackButtonCount) return nullptr;
  return kHoverTexts[button];
}

}  // namespace hx
