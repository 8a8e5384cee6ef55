// "Cpoker.cfg": one item of 4 bytes, byte 0 the voice samples switch and
// byte 1 the New Game button, both 1 by default and kept when the file is
// missing or short. While the program runs the card-game shell's options
// (kw::gCardGameOptions) hold both switches, so the voice gate sees byte 0
// alone; the file record follows them when the options dialog takes them.
#pragma once

#include <cstdint>

#include "platform/include/plat/dialog.h"

namespace gz {

struct CaribbeanCfg {
  std::uint8_t voice;
  std::uint8_t newGameButton;
  std::uint8_t unused[2];
};
static_assert(sizeof(CaribbeanCfg) == 4, "the settings file holds 4 bytes");
extern CaribbeanCfg gCaribbeanCfg;

// "Casino.cfg", then "Cpoker.cfg" over the defaults into both records.
void LoadCaribbeanConfig();
// The card games' options dialog; OK also updates the file record.
plat::INT_PTR CaribbeanConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam);
// The dialog under the program's caption.
const plat::DLGTEMPLATE& CaribbeanConfigDialog();

}  // namespace gz
