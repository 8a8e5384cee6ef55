#include "dq/CrapsInput.h"

#include <cmath>

#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "dq/CrapsBetting.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsConfigDialog.h"
#include "dq/CrapsStartup.h"
#include "dq/CrapsTableView.h"
#include "framework/sound/GameSound.h"
#include "framework/link/PlaybackClient.h"
#include "framework/link/ShellHooks.h"
#include "framework/shell/ShellGlobals.h"
#include "dq/TableRules.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace dq {
namespace {

constexpr char kButtonSound[] = "../wav/c_button.wav";
constexpr char kChipSound[] = "../wav/c_chip.wav";
constexpr plat::UINT kRightRelease = kPressRight;

CButtonTracker gTracker;

CrapsClientRecord* Record() { return CrapsClientHooks::Current(); }

bool IsChipButton(int b) { return b >= kButtonChip1 && b < kButtonChip1 + kChipCount; }

void RunOptions(CrapsClientRecord* record) {
  PlayGameSound(kButtonSound, 0, kSoundEffect);
  if (plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, ConfigDlgProc, 0) ==
      -1) {
    plat::MessageBox(gMainWindow, "Unable to show the config dialog", "Craps",
                     plat::MB_OK | plat::MB_ICONSTOP);
  }
  RedrawAllBets(*record);
}

void LeftAction(CrapsClientRecord* record, int b) {
  switch (b) {
    case kButtonOptions: return RunOptions(record);
    case kButtonHelp:
      PlayGameSound(kButtonSound, 0, kSoundEffect);
      return OpenHelpPage(kCrapsHelpPage);
    case kButtonExit:
      plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
      return;
    case kButtonRoll:
      if (gLinkReady) record->rollRequest = 1;
      return;
    default: break;
  }
  if (IsChipButton(b)) {
    record->selectedChip = b - kButtonChip1;
    SelectChip(record);
    return;
  }
  const int kind = BetKindOfButton(b);
  if (kind < 0 || record->chipValue <= 0) return;
  if (kind == kDontPass && record->comeOut != 1) return;
  if (PlaceBet(record, record->chipValue, kind)) PlayGameSound(kChipSound, 0, kSoundEffect);
}

void LeftRelease(CrapsClientRecord* record, int b) {
  gCrapsButtons[b].pressState = 1;
  if (b != kButtonNone && b != kButtonOptions && b != kButtonHelp && b != kButtonExit) {
    gBtnLogClient.Add(b, gTransitionCounter);
  }
  LeftAction(record, b);
  DrawButton(&gPicture, b, record->autoPress ? 0 : (IsButtonEnabled(b) ? 1 : 0));
  gCrapsButtons[b].pressState = 0;
}

int WholeDollars(float amount) { return static_cast<int>(std::trunc(amount)); }

// Takes one chip off kind when it holds a stake; 1 when a take-off was made.
// The info menu button lies among the bet buttons but holds no bet.
int TakeChip(CrapsClientRecord* record, int kind) {
  if (kind < 0 || record->bets[kind] <= 0.0f) return 0;
  PlaceBet(record, record->negativeChipValue, kind);
  return 1;
}

void RightRelease(CrapsClientRecord* record, int b) {
  gCrapsButtons[b].pressState = 2;
  // Logged as well, so a restore takes the chip off again.
  gBtnLogClient.Add(b, gTransitionCounter, kBtnValueRight);
  if (b == kButtonDontPass) {
    if (record->comeOut == 0 && record->bets[kDontPass] > 0.0f) {
      if (record->bets[kDontPassOdds] > 0.0f) {
        PlaceBet(record, -WholeDollars(record->bets[kDontPassOdds]), kDontPassOdds);
      }
      PlaceBet(record, -WholeDollars(record->bets[kDontPass]), kDontPass);
    } else if (record->comeOut == 1) {
      TakeChip(record, kDontPass);
    }
    return;
  }
  int removed = 0;
  if (b >= kFirstDontComeOddsButton && b < kFirstDontComeOddsButton + 6) {
    const int odds = kDontComePointOdds4 + (b - kFirstDontComeOddsButton);
    const int point = odds - 6;
    if (record->bets[odds] > 0.0f) {
      removed = TakeChip(record, odds);
    } else if (record->bets[point] > 0.0f) {
      PlaceBet(record, -WholeDollars(record->bets[point]), point);
      removed = 1;
    }
  } else {
    removed = TakeChip(record, BetKindOfButton(b));
  }
  if (removed) PlayGameSound(kChipSound, 0, kSoundEffect);
}

void LeftPress(int b) {
  if (b == kButtonExit || b == kButtonRoll) PlayGameSound(kButtonSound, 0, kSoundEffect);
  if (IsChipButton(b) && gBettingOpen && IsChipUsable(b)) {
    PlayGameSound(kChipSound, 0, kSoundEffect);
  }
}

void LeftReleaseOfRecord(int b) {
  if (CrapsClientRecord* record = Record()) LeftRelease(record, b);
}

void RightReleaseOfRecord(int b) {
  if (CrapsClientRecord* record = Record()) RightRelease(record, b);
}

constexpr ButtonActions kCrapsButtonActions{LeftPress, LeftReleaseOfRecord, RightReleaseOfRecord,
                                            kFirstBetButton, ButtonHoverText};

}  // namespace

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  CrapsClientRecord* record = Record();
  if (record == nullptr) return;
  if (button == -1) return gTracker.OnMouse(kCrapsButtonActions, ButtonAt(x, y), message, keys);
  if (button <= 0 || button >= kCrapsButtonCount || !IsButtonEnabled(button)) return;
  if (message == kRightRelease) {
    if (button >= kFirstBetButton) RightRelease(record, button);
    DrawButtonReleased(button);
    return;
  }
  LeftRelease(record, button);
}

void ResetInput() { gTracker.Reset(); }

}  // namespace dq
