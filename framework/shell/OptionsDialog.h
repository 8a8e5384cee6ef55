// The options dialog every game shows (resource 106): the game's own check
// boxes beside the shared ones of "Casino.cfg", centred on its owner, OK
// taking the checks and Cancel leaving everything as it was.
#pragma once

#include "platform/include/plat/types.h"

inline constexpr int kOptionsDialogResource = 106;
// The shared check boxes and the game's voice switch.
inline constexpr int kControlVoice = 105;
inline constexpr int kControlSoundEffects = 1006;
inline constexpr int kControlAnimations = 1008;
inline constexpr int kControlMusic = 1009;

struct OptionsDialogHooks {
  // WM_INITDIALOG: checks the game's own boxes from its settings.
  void (*initGame)(plat::HWND dialog);
  // OK, before the shared settings are taken: the game's own settings from
  // their boxes, and what they change on its table.
  void (*takeGame)(plat::HWND dialog);
};

// The dialog procedure's body: WM_INITDIALOG centres the dialog on its owner
// and checks the shared boxes and the game's; OK takes the game's settings,
// then the shared ones (the music started or stopped with the game's music
// file) and writes "Casino.cfg"; OK and Cancel end the dialog.
plat::INT_PTR OptionsDialogStep(const OptionsDialogHooks& hooks, plat::HWND dialog,
                                plat::UINT message, plat::WPARAM wParam);
// 1 when the check box id is checked.
int IsOptionChecked(plat::HWND dialog, int id);
void CheckOption(plat::HWND dialog, int id, int on);
