#include "kw/PaiGowButtons.h"

#include <cstring>

namespace kw {
namespace {

constexpr const char* kHoverTexts[] = {
    nullptr,
    "Info bar",
    "Options",
    "Help",
    "Bet $1", "Bet $5", "Bet $25", "Bet $100", "Bet $500",
    "Deal",
    "Done with 2nd hand",
    "Start a new game",
    nullptr,
    "Exit",
    "Move card to 2nd hand", "Move card to 2nd hand", "Move card to 2nd hand", "Move card to 2nd hand",
    "Move card to 2nd hand", "Move card to 2nd hand", "Move card to 2nd hand",
    "Move card to highest", "Move card to highest",
};
static_assert(std::size(kHoverTexts) == kPaiGowButtonCount, "one hover text place per button");

}  // namespace

ButtonEntry gPaiGowButtons[kPaiGowButtonCount];

void ResetPaiGowButtons() { std::memcpy(gPaiGowButtons, kPaiGowButtonTable, sizeof gPaiGowButtons); }

const char* ButtonHoverText(int button) {
  return button >= 0 && button < kPaiGowButtonCount ? kHoverTexts[button] : nullptr;
}

}  // namespace kw
