#include "pd/KenoInput.h"

#include <cstring>

#include "framework/link/PlaybackClient.h"
#include "framework/link/ShellHooks.h"
#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/Money.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/SoundFlags.h"
#include "framework/sound/GameSound.h"
#include "pd/KenoBoard.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoFiles.h"
#include "pd/KenoOptionsDialog.h"
#include "pd/KenoPanel.h"
#include "pd/KenoPayTable.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace pd {
namespace {

constexpr char kTitle[] = "Keno";

CButtonTracker gTracker;

KenoClientRecord* Record() { return KenoClientHooks::Current(); }

void Box(const char* text) {
  if (!gPlaybackClient.IsActive()) plat::MessageBox(gMainWindow, text, kTitle, plat::MB_OK | plat::MB_ICONEXCLAMATION);
}

void ClosePaytable(const KenoClientRecord* record) {
  gKenoFlags.paytableShown = gKenoFlags.busy = 0;
  for (int b : {kButtonShoot, kButtonStake1, kButtonStake5, kButtonStake10}) EnableButton(b);
  RestorePaytableArea();
  const int shootReady = record->count >= 3 && record->stake > 0;
  if (!shootReady) gKenoButtons[kButtonShoot].enabled = 0;
  RedrawButtons();
}

void OpenPaytable(const KenoClientRecord* record) {
  gKenoFlags.paytableShown = gKenoFlags.busy = 1;
  for (int b : {kButtonShoot, kButtonStake1, kButtonStake5, kButtonStake10}) gKenoButtons[b].enabled = 0;
  DrawButton(&gPicture, kButtonShoot, 0);
  DrawPaytable(record->count);
}

void PressCell(KenoClientRecord* record, int button) {
  if (gKenoFlags.busy || gKenoFlags.paytableShown) return;
  const int entry = button - kBoardIdOffset;
  if (record->board[entry] != 0) {
    record->board[entry] = 0;
    --record->count;
    InvalidateCell(button);
  } else if (record->count < kKenoMaxPicks) {
    record->board[entry] = entry;
    ++record->count;
    DrawMarkedCell(entry);
    PlayGameSound(kSoundChip, 0, kSoundEffect);
  } else {
    Box("You must only choose between 3 and 10 numbers");
  }
  DrawTotalNumbers(record->count);
}

void PressStake(KenoClientRecord* record, int button) {
  const int stake = kKenoStakeDollars[button - kButtonStake1];
  if (record->money < stake) return;
  DrawStakeChip(stake);
  record->stake = stake;
  DrawTotalBet(stake);
  DrawTotalNumbers(record->count);
}

void Shoot(KenoClientRecord* record) {
  DrawMoney(record->money - record->stake);
  switch (CheckPickCount(record->count, record->stake)) {
    case kPickStakeTooBig: return Box("The game's maximum is set to $10!");
    case kPickTooFew: return Box("The minimum numbers to bet on is 3!");
    case kPickTooMany: return Box("The maximum numbers to bet on is 10!");
    default: break;
  }
  ClientKeyCommand(record, 'S');
  gKenoFlags.busy = 1;
}

void Act(KenoClientRecord* record, int b) {
  if (IsCellButton(b)) return PressCell(record, b);
  if (IsStakeButton(b)) return PressStake(record, b);
  switch (b) {
    case kButtonHelp: return OpenHelpPage(kHelpPage);
    case kButtonOptions: return ShowKenoOptions();
    case kButtonShoot: return Shoot(record);
    case kButtonQuit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    case kButtonPaytable: return OpenPaytable(record);
    case kButtonNewGame:
      ClientKeyCommand(record, 'N');
      gKenoButtons[kButtonNewGame].enabled = 0;
      return;
    default: return;
  }
}

bool Logged(int b) { return b != kButtonHelp && b != kButtonOptions && b != kButtonQuit && b != kButtonPaytable; }

void Release(int b) {
  KenoClientRecord* record = Record();
  if (record == nullptr) return;
  if (Logged(b)) gBtnLogClient.Add(b, gClientStep);
  Act(record, b);
  DrawButton(&gPicture, b, IsButtonEnabled(b) ? 1 : 0);
}

void Press(int b) {
  if (b == kButtonHelp || b == kButtonOptions || (b >= kButtonShoot && b <= kButtonNewGame)) {
    PlayGameSound(kSoundButton, 0, kSoundEffect);
  }
  if (b >= kButtonChip1 && b < kButtonChip1 + kChipRowCount && IsButtonEnabled(kButtonShoot)) {
    PlayGameSound(kSoundChip, 0, kSoundEffect);
  }
}

constexpr ButtonActions kActions{Press, Release, nullptr, kKenoButtonCount, ButtonHoverText};

bool IsRelease(plat::UINT message) { return message == plat::WM_LBUTTONUP || message == plat::WM_RBUTTONUP; }

}  // namespace

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  KenoClientRecord* record = Record();
  if (record == nullptr) return;
  const bool release = button != -1 || IsRelease(message);
  if (release && gKenoFlags.paytableShown) {
    if (gTracker.pressed != 0) DrawButtonReleased(gTracker.pressed);
    gTracker.pressed = gTracker.rightPressed = 0;
    return ClosePaytable(record);
  }
  if (button == -1) return gTracker.OnMouse(kActions, ButtonAt(x, y), message, keys);
  if (button <= 0 || button >= kKenoButtonCount || !IsButtonEnabled(button)) return;
  Release(button);
}

void RebetLastBet() {
  KenoClientRecord* record = Record();
  if (record == nullptr || gKenoFlags.busy || gKenoFlags.paytableShown || !gKenoFlags.rebetAllowed ||
      record->lastStake > record->money) {
    return;
  }
  InvalidateBoard();
  MuteForRestore();
  // The numbers marked before come off through their cells, so the log holds
  // the unmarks and a restore rebuilds this bet, not the two together.
  for (int entry = 0; entry < kLastBetEntries; ++entry) {
    if (record->board[entry] != 0) PressButton(entry + kBoardIdOffset, kPressLeft);
  }
  std::memcpy(record->board, record->lastBet, sizeof record->lastBet);
  record->count = 0;
  const int stake = record->lastStake;
  record->stake = stake;
  std::memset(record->lastBet, 0, sizeof record->lastBet);
  record->lastStake = record->lastCount = 0;
  for (int entry = 0; entry < kLastBetEntries; ++entry) {
    if (record->board[entry] == 0) continue;
    record->board[entry] = 0;
    PressButton(entry + kBoardIdOffset, kPressLeft);
  }
  RestoreSoundFlags();
  for (int s = 0; s < 3; ++s) {
    if (kKenoStakeDollars[s] == stake) PressButton(kButtonStake1 + s, kPressLeft);
  }
  DrawPlayerWins(0);
  gKenoFlags.rebetAllowed = 0;
}

void ResetInput() { gTracker.Reset(); }

}  // namespace pd
