#include "mz/VideoPokerButtons.h"

#include <cstring>

namespace mz {

ButtonEntry gVideoPokerButtons[kVideoPokerButtonCount];

void ResetVideoPokerButtons() {
  std::memcpy(gVideoPokerButtons, kVideoPokerButtonTable.data(), sizeof gVideoPokerButtons);
}

const char* ButtonHoverText(int button) {
  static constexpr const char* kTexts[kVideoPokerButtonCount] = {
      nullptr, "Status bar", "Help", "Options", "Insert $1", "Insert $5", "Insert $25", "Insert $100",
      "Insert $500", "Cash out", "Bet 1 coin", "Deal", "Bet max coins", "Hold card 1", "Hold card 2",
      "Hold card 3", "Hold card 4", "Hold card 5", "Set the coin value to $0.25", "Set the coin value to $1",
      "Set the coin value to $5", nullptr, "Exit"};
  return button > 0 && button < kVideoPokerButtonCount ? kTexts[button] : nullptr;
}

}  // namespace mz
