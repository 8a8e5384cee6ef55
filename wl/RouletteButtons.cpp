#include "wl/RouletteButtons.h"

#include <cstring>

namespace wl {

ButtonEntry gRouletteButtons[kRouletteButtonCount];

void ResetRouletteButtons() {
  std::memcpy(gRouletteButtons, kRouletteButtonTable.data(), sizeof gRouletteButtons);
}

const char* ButtonHoverText(int button) {
  static constexpr const char* kTexts[kRouletteButtonCount] = {
      nullptr,      "Status bar", "Help", "Options",      "Select $1", "Select $5", "Select $25",
      "Select $100", "Select $500", "Spin", "Quit", "Last numbers", "Info",      nullptr};
  return button > 0 && button < kRouletteButtonCount ? kTexts[button] : nullptr;
}

}  // namespace wl
