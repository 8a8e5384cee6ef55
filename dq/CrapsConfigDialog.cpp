#include "dq/CrapsConfigDialog.h"

#include "dq/CrapsClient.h"
#include "dq/CrapsOptions.h"
#include "dq/CrapsTableLayout.h"
#include "dq/CrapsTableView.h"
#include "dq/CrapsTicker.h"
#include "framework/shell/ShellGlobals.h"
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

CrapsClientRecord* Record() { return CrapsClientHooks::Current(); }

void InitCrapsOptions(plat::HWND dialog) {
  const CrapsOptions& o = gCrapsOptions;
  CheckOption(dialog, kControlVoice, o.voice);
  CheckOption(dialog, kControlPlaceWorking, o.placeWorking);
  CheckOption(dialog, kControlBuyWorking, o.buyWorking);
  CheckOption(dialog, kControlComeOddsWorking, o.comeOddsWorking);
  CheckOption(dialog, kControlHardwaysWorking, o.hardwaysWorking);
  CheckOption(dialog, kControlScrollingText, o.scrollingText);
  CheckOption(dialog, kControlOnOffMarker, o.onOffMarker);
}

// A working option switched on works at once on the client's table.
void TakeWorkingOption(plat::HWND dialog, int id, std::uint16_t* option, std::int32_t* flag,
                       CrapsClientRecord* record) {
  if (!IsOptionChecked(dialog, id)) return;
  *option = 1;
  if (record == nullptr) return;
  *flag = 1;
  RedrawAllBets(*record);
  UpdateBetButtons(*record);
}

void TakeCrapsOptions(plat::HWND dialog) {
  CrapsClientRecord* record = Record();
  CrapsOptions& o = gCrapsOptions;
  o = CrapsOptions{};
  if (record != nullptr) {
    record->workingBuy = record->workingPlace = 0;
    record->workingComeOdds = record->workingHardways = 0;
    UpdateBetButtons(*record);
  }
  o.voice = IsOptionChecked(dialog, kControlVoice) ? 1 : 0;
  o.onOffMarker = IsOptionChecked(dialog, kControlOnOffMarker) ? 1 : 0;
  if (!o.onOffMarker && record != nullptr) EraseWorkingBetPiles(*record);
  o.scrollingText = IsOptionChecked(dialog, kControlScrollingText) ? 1 : 0;
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
}

constexpr OptionsDialogHooks kCrapsOptionsHooks{InitCrapsOptions, TakeCrapsOptions};

}  // namespace

const plat::DLGTEMPLATE kCrapsConfigDialog = {
    "Craps Configuration", 330, 190, nullptr, 0, plat::FALSE, kItems,
    static_cast<int>(sizeof kItems / sizeof kItems[0])};

plat::INT_PTR ConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam,
                            plat::LPARAM) {
  return OptionsDialogStep(kCrapsOptionsHooks, dialog, message, wParam);
}

}  // namespace dq
