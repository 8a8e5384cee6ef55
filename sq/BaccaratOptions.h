// The Baccarat options dialog: the card games' dialog under the program's
// caption. Its two own switches ("Baccarat.cfg", two 16-bit words) are the
// card-game shell's (kw::gCardGameOptions).
#pragma once

#include "platform/include/plat/dialog.h"

namespace sq {

// "Baccarat Configuration", the New Game box under this program's label.
const plat::DLGTEMPLATE& BaccaratConfigDialog();

}  // namespace sq
