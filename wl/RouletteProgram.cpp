#include "wl/RouletteProgram.h"

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/Program.h"
#include "framework/shell/QuitQuestion.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "kw/CardGameShell.h"
#include "mz/MachineShell.h"
#include "platform/include/plat/window.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteClient.h"
#include "wl/RouletteFiles.h"
#include "wl/RouletteInput.h"
#include "wl/RouletteServer.h"
#include "wl/RouletteTable.h"
#include "wl/RouletteWheel.h"

namespace wl {
namespace {

constexpr int kHelpCommand = 104;
// Maximised, the window keeps the framed size of the table.
constexpr plat::POINT kMaximisedSize{650, 510};
GlyphTable gSmallFont = MakeGlyphTable(kSmallFontLayout);

constexpr ScreenLayout kLayout{
    .statusX = kStatusArea.x, .statusY = kStatusArea.y, .statusWidth = kStatusArea.width,
    .statusHeight = kStatusArea.height,
    .userX = kCreditArea.x, .userY = kCreditArea.y, .userWidth = kCreditArea.width, .userHeight = kCreditArea.height,
    .moneyX = kMoneyArea.x, .moneyY = kMoneyArea.y, .moneyWidth = kMoneyArea.width, .moneyHeight = kMoneyArea.height,
    .lagX = kLagMeterArea.x, .lagY = kLagMeterArea.y, .lagWidth = kLagMeterArea.width,
    .lagHeight = kLagMeterArea.height,
    .lagSourceX = kLagMeterSource.x, .lagSourceY = kLagMeterSource.y,
    .tickerX = 0, .tickerY = 0, .tickerOnX = 0, .tickerOnY = 0, .tickerOffX = 0, .tickerOffY = 0,
};

// The chips $1..$500 follow the money; the shell's other ranges start past
// the table so it touches none of the game's buttons.
constexpr ButtonRanges kRanges{.firstChipRow = kButtonChip1, .chipRowCount = 5,
                               .firstBetRow = kRouletteButtonCount, .firstGameRow = kRouletteButtonCount};

constexpr plat::ACCEL kAccelerators[] = {{plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), kHelpCommand}};

void LoadGameConfig() { ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared); }

int CreateWorkBitmaps() { return 1; }

void FreeWorkBitmaps() { mz::gMachineTimer.Stop(); }

int RemapBitmaps() {
  if (!gPicture.RemapToPalette(gScreen.Palette().Handle())) return 0;
  const plat::BYTE* ink = gPicture.PixelAddress(kTextColourPixel.x, kTextColourPixel.y);
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  if (ink == nullptr || key == nullptr) return 0;
  gTransparentIndex = *key;
  gSmallFont[1] = *key;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  return 1;
}

void ResetRun() {
  mz::RegisterMachineConfigDialog(kGameName);
  kw::ResetCardGameShell();
  gSmallFont = MakeGlyphTable(kSmallFontLayout);
  ResetRouletteButtons();
  ResetClientMachine();
  ResetTable();
  ResetWheel();
  ResetInput();
}

void Close(plat::HWND window) {
  RouletteClientRecord* r = RouletteClientHooks::Current();
  if (r != nullptr) r->quitRequested = 0;
  if (AskReturnToMainMenu(window, kGameName) && r != nullptr) r->quitRequested = 1;
}

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (message == plat::WM_GETMINMAXINFO) {
    if (auto* info = reinterpret_cast<plat::MINMAXINFO*>(lParam)) info->ptMaxSize = kMaximisedSize;
  }
  plat::LRESULT answer = 0;
  if (HandleShellMessage(window, message, wParam, lParam, &answer)) return answer;
  switch (message) {
    case plat::WM_CLOSE: Close(window); return 0;
    case plat::WM_KEYDOWN:
      if ((lParam & (plat::LPARAM{1} << 30)) == 0) KeyDown(wParam);
      return 0;
    case plat::WM_KEYUP: KeyUp(wParam); return 0;
    case plat::WM_COMMAND:
      if (plat::LOWORD(wParam) != kHelpCommand) break;
      OpenHelpPage(kHelpPage);
      return 0;
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

// The money enables every chip it covers, also while a spin runs.
int BettingOpen() { return 1; }

GameDefinition MakeRouletteGame() {
  GameDefinition game;
  game.name = kGameName;
  game.code = kRouletteGameCode;
  game.dataFileError = kBitmapDataError;
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.colourTest = 0;
  game.restoresGames = 0;
  mz::ApplyMachineShell(game, nullptr);
  game.smallFont = gSmallFont.data();
  game.layout = kLayout;
  // A hint gives way to the default text, which goes in its turn.
  game.statusDefaultFrames = 15;
  game.statusEmptyFrames = 50;
  game.ranges = kRanges;
  game.buttons = gRouletteButtons;
  game.buttonCount = kRouletteButtonCount;
  game.accelerators = kAccelerators;
  game.acceleratorCount = static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]);
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.CreateClientRecord = RouletteClientHooks::CreateHook<CreateClientRecord>;
  game.DestroyClientRecord = RouletteClientHooks::DestroyHook<DestroyClientRecord>;
  game.ClientRun = RouletteClientHooks::RunHook<ClientRun>;
  game.ServerInit = RouletteServerShell::Init;
  game.ServerFree = RouletteServerShell::Free;
  game.GameServerRun = RouletteServerShell::RunHook<GameServerRun>;
  game.GameServerOnRemove = RouletteServerShell::RemoveHook<GameServerOnRemove>;
  game.HandleButtonInput = HandleButtonInput;
  game.MainWndProc = MainWndProc;
  game.BettingOpen = BettingOpen;
  game.ClientWaitCallback = kw::OnCommWait;
  return game;
}

}  // namespace

const GameDefinition kRouletteGame = MakeRouletteGame();

int RouletteMain(int argc, char** argv) { return RunProgram(argc, argv, kRouletteGame); }

}  // namespace wl
