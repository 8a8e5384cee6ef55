#include "mz/VideoPokerProgram.h"

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/KeyButtons.h"
#include "framework/shell/Program.h"
#include "framework/shell/QuitQuestion.h"
#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "mz/CardFlip.h"
#include "mz/MachineShell.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerFiles.h"
#include "mz/VideoPokerInput.h"
#include "mz/VideoPokerMachine.h"
#include "mz/VideoPokerPayTable.h"
#include "mz/VideoPokerServer.h"
#include "platform/include/plat/window.h"

namespace mz {
namespace {

constexpr int kHelpCommand = 104;
GlyphTable gSmallFont = MakeGlyphTable(kSmallFontLayout);

constexpr ScreenLayout kLayout{
    .statusX = kStatusArea.x, .statusY = kStatusArea.y, .statusWidth = kStatusArea.width,
    .statusHeight = kStatusArea.height,
    .userX = kUserArea.x, .userY = kUserArea.y, .userWidth = kUserArea.width, .userHeight = kUserArea.height,
    .moneyX = kMoneyMeter.x, .moneyY = kMoneyMeter.y, .moneyWidth = kMoneyMeter.width,
    .moneyHeight = kMoneyMeter.height,
    .lagX = kLagMeterArea.x, .lagY = kLagMeterArea.y, .lagWidth = kLagMeterArea.width,
    .lagHeight = kLagMeterArea.height,
    .lagSourceX = kLagMeterSource.x, .lagSourceY = kLagMeterSource.y,
    .tickerX = 0, .tickerY = 0, .tickerOnX = 0, .tickerOnY = 0, .tickerOffX = 0, .tickerOffY = 0,
};

// Insert $1..$500 follow the money in DrawMeters; the shell's ranges start
// past the table so it touches none of the machine's buttons.
constexpr ButtonRanges kRanges{.firstChipRow = kButtonInsert1, .chipRowCount = 5,
                               .firstBetRow = kVideoPokerButtonCount, .firstGameRow = kVideoPokerButtonCount};

constexpr plat::ACCEL kAccelerators[] = {{plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), kHelpCommand}};

constexpr KeyButton kKeys[] = {
    {'1', kButtonHold1}, {'2', kButtonHold1 + 1}, {'3', kButtonHold1 + 2}, {'4', kButtonHold1 + 3},
    {'5', kButtonHold1 + 4}, {'B', kButtonBetOne}, {'b', kButtonBetOne}, {'C', kButtonCashOut},
    {'c', kButtonCashOut}, {'D', kButtonDeal}, {'d', kButtonDeal}, {'M', kButtonBetMax},
    {'m', kButtonBetMax}, {'O', kButtonOptions}, {'o', kButtonOptions}, {'p', kButtonHelp}};

void LoadGameConfig() {
  BuildSineTables();
  ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
  double value = 1.0;
  gCoinValue = ReadWholeSettingsFile(kSettingsFile, &value, sizeof value) && IsCoinValue(value) ? value : 1.0;
}

int CreateWorkBitmaps() { return 1; }

void FreeWorkBitmaps() { gMachineTimer.Stop(); }

int RemapBitmaps() {
  if (!gPicture.RemapToPalette(gScreen.Palette().Handle())) return 0;
  const plat::BYTE* ink = gPicture.PixelAddress(kTextColourPixel.x, kTextColourPixel.y);
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  if (ink == nullptr || key == nullptr) return 0;
  gTransparentIndex = *key;
  gSmallFont[1] = *key;
  gMeterFont[1] = *key;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  return 1;
}

void ResetRun() {
  RegisterMachineConfigDialog(kGameName);
  gSmallFont = MakeGlyphTable(kSmallFontLayout);
  ResetVideoPokerButtons();
  ResetClientMachine();
  ResetMachine();
  ResetAnimations();
  ResetInput();
}

void LoopStarting() {
  ResetCardsForNewRound(VideoPokerClientHooks::Current(), 1, 0);
  DrawCoinValueLamp(gCoinValue);
}

void Close(plat::HWND window) {
  VideoPokerClientRecord* r = VideoPokerClientHooks::Current();
  if (r != nullptr) r->quitRequest = 0;
  if (gVideoPokerButtons[kButtonHold1].enabled) {
    plat::MessageBox(window, "You can't quit at this point!", kGameName, plat::MB_OK | plat::MB_ICONEXCLAMATION);
    return;
  }
  if (AskReturnToMainMenu(window, kGameName) && r != nullptr) r->quitRequest = 1;
}

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  plat::LRESULT answer = 0;
  if (HandleShellMessage(window, message, wParam, lParam, &answer)) return answer;
  switch (message) {
    case plat::WM_CLOSE: Close(window); return 0;
    case plat::WM_KEYUP:
      if (wParam == plat::VK_ESCAPE) plat::PostMessage(window, plat::WM_CLOSE, 0, 0);
      return 0;
    case plat::WM_CHAR:
      PressKeyButton(kKeys, static_cast<int>(sizeof kKeys / sizeof kKeys[0]), wParam, lParam);
      return 0;
    case plat::WM_COMMAND:
      if (plat::LOWORD(wParam) != kHelpCommand) break;
      OpenHelpPage(kHelpPage);
      return 0;
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

int BettingOpen() { return gWaiting; }

GameDefinition MakeVideoPokerGame() {
  GameDefinition game;
  game.name = kGameName;
  game.code = kGameCode;
  game.settingsFile = kSettingsFile;
  game.settings = &gCoinValue;
  game.settingsSize = sizeof gCoinValue;
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.musicErrorsReported = 1;
  ApplyMachineShell(game, LoopStarting);
  game.smallFont = gSmallFont.data();
  game.layout = kLayout;
  game.ranges = kRanges;
  game.buttons = gVideoPokerButtons;
  game.buttonCount = kVideoPokerButtonCount;
  game.accelerators = kAccelerators;
  game.acceleratorCount = static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]);
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.CreateClientRecord = VideoPokerClientHooks::CreateHook<CreateClientRecord>;
  game.DestroyClientRecord = VideoPokerClientHooks::DestroyHook<DestroyClientRecord>;
  game.ClientRun = VideoPokerClientHooks::RunHook<ClientRun>;
  game.ServerInit = VideoPokerServerShell::Init;
  game.ServerFree = VideoPokerServerShell::Free;
  game.GameServerRun = VideoPokerServerShell::RunHook<GameServerRun>;
  game.GameServerPlayback = VideoPokerServerShell::Playback;
  game.GameServerLoad = VideoPokerServerShell::Load;
  game.GameServerOnRemove = VideoPokerServerShell::RemoveHook<GameServerOnRemove>;
  game.HandleButtonInput = HandleButtonInput;
  game.MainWndProc = MainWndProc;
  game.BettingOpen = BettingOpen;
  game.IdleFrameStep = MachineIdleStep;
  return game;
}

}  // namespace

const GameDefinition kVideoPokerGame = MakeVideoPokerGame();

int VideoPokerMain(int argc, char** argv) { return RunProgram(argc, argv, kVideoPokerGame); }

}  // namespace mz
