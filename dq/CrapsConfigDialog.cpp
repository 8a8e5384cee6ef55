#include "dq/CrapsConfigDialog.h"

#include "framework/shell/CasinoCfg.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsOptions.h"
#include "dq/CrapsTableLayout.h"
#include "dq/CrapsTableView.h"
#include "dq/CrapsTicker.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Window.h"
#include "platform/include/plat/window.h"

namespace dq {
namespace {

constexpr plat::DLGITEMTEMPLATE kItems[] = {
    {plat::CTL_STATICFRAME, -1, nullptr, 10, 10, 150, 170, 0},
    {plat::CTL_CHECKBOX, kControlVoice, "Play &voice samples", 20, 20, 135, 22, plat::CS_GROUP},
    {plat::CTL_CHECKBOX, kControlScrollingText, "&Show scrolling text", 20, 46, 135, 22, 0},
    {plat::CTL_CHECKBOX, kControlOnOffMarker, "Use On/Off marker", 20, 72, 135, 22, 0},
    {plat::CTL_CHECKBOX, kControlAnimations, "Show &animations", 20, 98, 135, 22, 0},
    {plat::CTL_CHECKBOX, kControlSoundEffects, "Play &sound effects", 20, 124, 135, 22, 0},
    {plat::CTL_CHECKBOX, kControlMusic, "Play &midi music", 20, 150, 135, 22, 0},
    {plat::CTL_GROUPBOX, kControlWorkingGroup, "Working bets", 170, 10, 150, 128, 0},
    {plat::CTL_CHECKBOX, kControlPlaceWorking, "Place bets", 180, 32, 130, 22, plat::CS_GROUP},
    {plat::CTL_CHECKBOX, kControlBuyWorking, "Buy bets ", 180, 58, 130, 22, 0},
    {plat::CTL_CHECKBOX, kControlComeOddsWorking, "Come odds bets", 180, 84, 130, 22, 0},
    {plat::CTL_CHECKBOX, kControlHardwaysWorking, "Hardways bets", 180, 110, 130, 22, 0},
    {plat::CTL_DEFPUSHBUTTON, plat::IDOK, "&Ok", 170, 150, 70, 28, plat::CS_GROUP},
    {plat::CTL_PUSHBUTTON, plat::IDCANCEL, "&Cancel", 250, 150, 70, 28, 0},
};

constexpr char kMusicFile[] = "../midi/travel.mid";

CrapsClientRecord* Record() { return CrapsClientHooks::Current(); }

bool Checked(plat::HWND dialog, int id) {
  return plat::IsDlgButtonChecked(dialog, id) == plat::BST_CHECKED;
}

void Check(plat::HWND dialog, int id, int on) {
  plat::CheckDlgButton(dialog, id, on ? plat::BST_CHECKED : plat::BST_UNCHECKED);
}

void InitDialog(plat::HWND dialog) {
  plat::HWND owner = plat::GetParent(dialog);
  CentreWindow(dialog, owner != nullptr ? owner : gMainWindow);
  const CrapsOptions& o = gCrapsOptions;
  Check(dialog, kControlVoice, o.voice);
  Check(dialog, kControlPlaceWorking, o.placeWorking);
  Check(dialog, kControlBuyWorking, o.buyWorking);
  Check(dialog, kControlComeOddsWorking, o.comeOddsWorking);
  Check(dialog, kControlHardwaysWorking, o.hardwaysWorking);
  Check(dialog, kControlScrollingText, o.scrollingText);
  Check(dialog, kControlOnOffMarker, o.onOffMarker);
  Check(dialog, kControlAnimations, gCasinoCfg.showAnimations);
  Check(dialog, kControlSoundEffects, gCasinoCfg.soundEffects);
  Check(dialog, kControlMusic, gCasinoCfg.midiMusic);
}

// A working option switched on works at once on the client's table.
void TakeWorkingOption(plat::HWND dialog, int id, std::uint16_t* option, std::int32_t* flag,
                       CrapsClientRecord* record) {
  if (!Checked(dialog, id)) return;
  *option = 1;
  if (record == nullptr) return;
  *flag = 1;
  RedrawAllBets(*record);
  UpdateBetButtons(*record);
}

void TakeSettings(plat::HWND dialog) {
  CrapsClientRecord* record = Record();
  CrapsOptions& o = gCrapsOptions;
  o = CrapsOptions{};
  gCasinoCfg.showAnimations = 0;
  gCasinoCfg.soundEffects = 0;
  if (record != nullptr) {
    record->workingBuy = record->workingPlace = 0;
    record->workingComeOdds = record->workingHardways = 0;
    UpdateBetButtons(*record);
  }
  o.voice = Checked(dialog, kControlVoice) ? 1 : 0;
  o.onOffMarker = Checked(dialog, kControlOnOffMarker) ? 1 : 0;
  if (!o.onOffMarker && record != nullptr) EraseWorkingBetPiles(*record);
  o.scrollingText = Checked(dialog, kControlScrollingText) ? 1 : 0;
  if (!o.scrollingText) {
    gScreen.Restore(kTickerStrip.x, kTickerStrip.y, kTickerStrip.width, kTickerStrip.height);
    ClearTicker();
  }
  if (record != nullptr) {
    TakeWorkingOption(dialog, kControlPlaceWorking, &o.placeWorking, &record->workingPlace, record);
    TakeWorkingOption(dialog, kControlBuyWorking, &o.buyWorking, &record->workingBuy, record);
    TakeWorkingOption(dialog, kControlComeOddsWorking, &o.comeOddsWorking,
                      &record->workingComeOdds, record);
    TakeWorkingOption(dialog, kControlHardwaysWorking, &o.hardwaysWorking,
                      &record->workingHardways, record);
  }
  gCasinoCfg.showAnimations = Checked(dialog, kControlAnimations) ? 1 : 0;
  gCasinoCfg.soundEffects = Checked(dialog, kControlSoundEffects) ? 1 : 0;
  if (!Checked(dialog, kControlMusic)) {
    if (!gMusic.IsStopped()) gMusic.Close();
    gCasinoCfg.midiMusic = 0;
  } else {
    if (gMusic.IsStopped()) gMusic.Play(gMainWindow, kMusicFile);
    gCasinoCfg.midiMusic = 1;
  }
  WriteCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
}

}  // namespace

const plat::DLGTEMPLATE kCrapsConfigDialog = {
    "Craps Configuration", 330, 190, nullptr, 0, plat::FALSE, kItems,
    static_cast<int>(sizeof kItems / sizeof kItems[0])};

plat::INT_PTR ConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam,
                            plat::LPARAM lParam) {
  (void)lParam;
  switch (message) {
    case plat::WM_INITDIALOG:
      InitDialog(dialog);
      return plat::TRUE;
    case plat::WM_COMMAND:
      switch (plat::LOWORD(wParam)) {
        case plat::IDOK:
          TakeSettings(dialog);
          plat::EndDialog(dialog, plat::IDOK);
          return plat::TRUE;
        case plat::IDCANCEL:
          plat::EndDialog(dialog, plat::IDCANCEL);
          return plat::TRUE;
        default: return plat::FALSE;
      }
    default: return plat::FALSE;
  }
}

}  // namespace dq
