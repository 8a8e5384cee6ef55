#include "pd/KenoButtons.h"

#include <cstring>

namespace pd {

ButtonEntry gKenoButtons[kKenoButtonCount];

void ResetKenoButtons() { std::memcpy(gKenoButtons, kKenoButtonTable.data(), sizeof gKenoButtons); }

const char* ButtonHoverText(int button) {
  switch (button) {
    case kButtonStatusBar: return "Status bar";
    case kButtonHelp: return "Help";
    case kButtonOptions: return "Options";
    case kButtonShoot: return "Shoot";
    case kButtonQuit: return "Quit";
    case kButtonPaytable: return "Paytable";
    case kButtonNewGame: return "New Game";
    case kButtonStake1: return "Bet $1";
    case kButtonStake5: return "Bet $5";
    case kButtonStake10: return "Bet $10";
    default: return nullptr;
  }
}

}  // namespace pd
