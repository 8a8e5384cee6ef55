#include "gz/CaribbeanButtons.h"

#include <cstring>

namespace gz {
namespace {

constexpr const char* kHoverTexts[] = {
    nullptr,  "Info bar", "Options", "Help",      "Bet $1", "Bet $5", "Bet $25", "Bet $100",
    "Bet $500", "Deal",   "Surrender", "Bet",     nullptr,  "Exit",   "Start a new game",
};
static_assert(std::size(kHoverTexts) == kCaribbeanButtonCount, "one hover text place per button");

}  // namespace

ButtonEntry gCaribbeanButtons[kCaribbeanButtonCount];

void ResetCaribbeanButtons() { std::memcpy(gCaribbeanButtons, kCaribbeanButtonTable, sizeof gCaribbeanButtons); }

const char* ButtonHoverText(int button) {
  return button >= 0 && button < kCaribbeanButtonCount ? kHoverTexts[button] : nullptr;
}

}  // namespace gz
