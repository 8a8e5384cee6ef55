#include "pd/KenoProgram.h"

#include "framework/shell/Buttons.h"
#include "framework/shell/CasinoCfg.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/KeyButtons.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/Program.h"
#include "framework/shell/QuitQuestion.h"
#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "pd/KenoBoard.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoFiles.h"
#include "pd/KenoInput.h"
#include "pd/KenoOptions.h"
#include "pd/KenoOptionsDialog.h"
#include "pd/KenoPanel.h"
#include "pd/KenoServer.h"
#include "platform/include/plat/resource.h"
#include "platform/include/plat/window.h"

namespace pd {

KenoOptions gKenoOptions = kDefaultKenoOptions;

namespace {

constexpr char kKenoName[] = "Keno";
constexpr int kHelpCommand = 104;

constexpr ScreenLayout kKenoScreenLayout{
    .statusX = kStatusArea.x, .statusY = kStatusArea.y, .statusWidth = kStatusArea.width,
    .statusHeight = kStatusArea.height,
    .userX = kCreditArea.x, .userY = kCreditArea.y, .userWidth = kCreditArea.width, .userHeight = kCreditArea.height,
    .moneyX = kMoneyArea.x, .moneyY = kMoneyArea.y, .moneyWidth = kMoneyArea.width, .moneyHeight = kMoneyArea.height,
    .lagX = kLagMeterArea.x, .lagY = kLagMeterArea.y, .lagWidth = kLagMeterArea.width,
    .lagHeight = kLagMeterArea.height,
    .lagSourceX = kLagMeterSource.x, .lagSourceY = kLagMeterSource.y,
    .tickerX = kMarqueeArea.x, .tickerY = kMarqueeArea.y,
    .tickerOnX = kMarqueeOnDot.x, .tickerOnY = kMarqueeOnDot.y,
    .tickerOffX = kMarqueeOffDot.x, .tickerOffY = kMarqueeOffDot.y,
};

constexpr ButtonRanges kKenoButtonRanges{
    .firstChipRow = kButtonChip1, .chipRowCount = kChipRowCount, .firstBetRow = kButtonCell1,
    .firstGameRow = kButtonShoot};

constexpr plat::ACCEL kAccelerators[] = {
    {plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), kHelpCommand},
};

constexpr KeyButton kKenoKeys[] = {{'O', kButtonOptions}, {'o', kButtonOptions}};

void LoadGameConfig() {
  ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
  gKenoOptions = kDefaultKenoOptions;
  ReadWholeSettingsFile(kSettingsFile, &gKenoOptions, sizeof gKenoOptions);
}

int CreateWorkBitmaps() {
  return gPaytableBitmap.Create(kPaytableArea.width, kPaytableArea.height) &&
         gStatusPanel.Create(kMarqueeArea.width, kMarqueeArea.height);
}

void FreeWorkBitmaps() {
  gPaytableBitmap.Free();
  gStatusPanel.Free();
}

int RemapBitmaps() {
  if (!gPicture.RemapToPalette(gScreen.Palette().Handle())) return 0;
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  if (key == nullptr) return 0;
  gTransparentIndex = *key;
  gKenoFont[1] = *key;
  gStatusPanel.Fill(0, 0, kMarqueeArea.width, kMarqueeArea.height, *key);
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  return 1;
}

void ResetRun() {
  plat::RegisterDialogResource(kOptionsDialogResource, &kKenoConfigDialog);
  gKenoOptions = kDefaultKenoOptions;
  ResetKenoButtons();
  ResetClientMachine();
  ResetInput();
}

void SetQuitRequest(int on) {
  if (KenoClientRecord* record = KenoClientHooks::Current()) record->quitRequest = on;
}

void Close(plat::HWND window) {
  if (!IsButtonEnabled(kButtonQuit)) return SayCannotQuitNow(window, kKenoName);
  SetQuitRequest(0);
  if (AskReturnToMainMenu(window, kKenoName)) SetQuitRequest(1);
}

void KeyDown(plat::HWND window, plat::WPARAM key) {
  gKenoFlags.keyOrClick = 1;
  if (key == plat::VK_RETURN && IsButtonEnabled(kButtonShoot)) PressButton(kButtonShoot, kPressLeft);
  if (key == plat::VK_ESCAPE) plat::PostMessage(window, plat::WM_CLOSE, 0, 0);
  if (key == plat::VK_SPACE) {
    if (IsButtonEnabled(kButtonNewGame)) PressButton(kButtonNewGame, kPressLeft);
    gKenoFlags.space = 1;
    RebetLastBet();
  }
}

bool IsMouseButton(plat::UINT message) {
  return message == plat::WM_LBUTTONDOWN || message == plat::WM_LBUTTONUP || message == plat::WM_RBUTTONDOWN ||
         message == plat::WM_RBUTTONUP;
}

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (IsMouseButton(message)) gKenoFlags.keyOrClick = 1;
  plat::LRESULT answer = 0;
  if (HandleShellMessage(window, message, wParam, lParam, &answer)) return answer;
  switch (message) {
    case plat::WM_CLOSE: Close(window); return 0;
    case plat::WM_KEYDOWN: KeyDown(window, wParam); return 0;
    case plat::WM_CHAR:
      PressKeyButton(kKenoKeys, static_cast<int>(sizeof kKenoKeys / sizeof kKenoKeys[0]), wParam, lParam);
      return 0;
    case plat::WM_COMMAND:
      if (plat::LOWORD(wParam) != kHelpCommand) break;
      OpenHelpPage(kHelpPage);
      return 0;
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

// The chips' rows follow the balance at any time in this program.
int ChipsFollowBalance() { return 1; }

GameDefinition MakeKenoGame() {
  GameDefinition game;
  game.name = kKenoName;
  game.code = kKenoGameCode;
  game.settingsFile = kSettingsFile;
  game.settings = &gKenoOptions;
  game.settingsSize = sizeof(KenoOptions);
  game.dataFileError = kBitmapDataError;
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.musicErrorsReported = 1;
  game.alivePeriod = 3000;
  game.idleSleep = 6;
  game.catchUpLateFrames = 1;
  game.colourTest = 0;
  game.errorReport = kErrorStoreText;
  game.linkLostTitle = "ERROR";
  game.serverFatalTitle = "INFO";
  game.smallFont = gKenoFont.data();
  // Over the number cells the line times out as over the table.
  game.statusHoldLastRow = kButtonCell1 - 1;
  game.layout = kKenoScreenLayout;
  game.ranges = kKenoButtonRanges;
  game.buttons = gKenoButtons;
  game.buttonCount = kKenoButtonCount;
  game.accelerators = kAccelerators;
  game.acceleratorCount = static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]);
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.CreateClientRecord = KenoClientHooks::CreateHook<CreateClientRecord>;
  game.DestroyClientRecord = KenoClientHooks::DestroyHook<DestroyClientRecord>;
  game.ClientRun = KenoClientHooks::RunHook<ClientRun>;
  game.ServerInit = KenoServerShell::Init;
  game.ServerFree = KenoServerShell::Free;
  game.GameServerRun = KenoServerShell::RunHook<GameServerRun>;
  game.GameServerPlayback = KenoServerShell::Playback;
  game.GameServerLoad = KenoServerShell::Load;
  game.GameServerOnRemove = KenoServerShell::RemoveHook<GameServerOnRemove>;
  game.HandleButtonInput = HandleButtonInput;
  game.MainWndProc = MainWndProc;
  game.BettingOpen = ChipsFollowBalance;
  return game;
}

}  // namespace

const GameDefinition kKenoGame = MakeKenoGame();

int KenoMain(int argc, char** argv) { return RunProgram(argc, argv, kKenoGame); }

}  // namespace pd
