#include "jb/SlotButtons.h"

#include <cstring>

namespace jb {

ButtonEntry gSlotButtons[kSlotButtonCount];

void ResetSlotButtons() { std::memcpy(gSlotButtons, kSlotButtonTable.data(), sizeof gSlotButtons); }

const char* ButtonHoverText(int button) {
  static constexpr const char* kTexts[kSlotButtonCount] = {
      nullptr, "Status bar", "Help", "Options", "Insert $1", "Insert $5", "Insert $25", "Insert $100",
      "Insert $500", "Cash out the money", "Bet one coin", "Spin the weels", "Bet 3 coins",
      "Change to a $0.25 machine", "Change to a $1 machine", "Change to a $5 machine", "Pull to spin", "Quit"};
  return button > 0 && button < kSlotButtonCount ? kTexts[button] : nullptr;
}

}  // namespace jb
