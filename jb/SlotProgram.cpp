#include "jb/SlotProgram.h"

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/Program.h"
#include "framework/shell/QuitQuestion.h"
#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "jb/SlotActions.h"
#include "jb/SlotButtons.h"
#include "jb/SlotClient.h"
#include "jb/SlotFiles.h"
#include "jb/SlotInput.h"
#include "jb/SlotMoney.h"
#include "jb/SlotPresentation.h"
#include "jb/SlotServer.h"
#include "mz/MachineShell.h"
#include "platform/include/plat/window.h"

namespace jb {
namespace {

constexpr int kHelpCommand = 104;
GlyphTable gSmallFont = MakeGlyphTable(kSmallFontLayout);

constexpr ScreenLayout kLayout{
    .statusX = kStatusArea.x, .statusY = kStatusArea.y, .statusWidth = kStatusArea.width,
    .statusHeight = kStatusArea.height,
    .userX = kUserArea.x, .userY = kUserArea.y, .userWidth = kUserArea.width, .userHeight = kUserArea.height,
    .moneyX = kMoneyReadout.x, .moneyY = kMoneyReadout.y, .moneyWidth = kMoneyReadout.width,
    .moneyHeight = kMoneyReadout.height,
    .lagX = kLagMeterArea.x, .lagY = kLagMeterArea.y, .lagWidth = kLagMeterArea.width,
    .lagHeight = kLagMeterArea.height,
    .lagSourceX = kLagMeterSource.x, .lagSourceY = kLagMeterSource.y,
    .tickerX = 0, .tickerY = 0, .tickerOnX = 0, .tickerOnY = 0, .tickerOffX = 0, .tickerOffY = 0,
};

// Insert $1..$500 follow the money readout; the shell's other ranges start
// past the table so it touches none of the machine's buttons.
constexpr ButtonRanges kRanges{.firstChipRow = kButtonInsert1, .chipRowCount = kInsertButtons,
                               .firstBetRow = kSlotButtonCount, .firstGameRow = kSlotButtonCount};

constexpr plat::ACCEL kAccelerators[] = {{plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), kHelpCommand}};

// A value that is not one of the machine's would end every spin as an
// invalid bet, or divide by zero: it is read as $1.
void LoadGameConfig() {
  ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
  float value = 1.0f;
  gMachineValueCopy = ReadWholeSettingsFile(kSettingsFile, &value, sizeof value) && IsMachineValue(value) ? value : 1.0f;
  gMachineValue = gMachineValueCopy;
}

int CreateWorkBitmaps() { return 1; }

void FreeWorkBitmaps() { mz::gMachineTimer.Stop(); }

int RemapBitmaps() {
  if (!gPicture.RemapToPalette(gScreen.Palette().Handle())) return 0;
  const plat::BYTE* ink = gPicture.PixelAddress(kTextColourPixel.x, kTextColourPixel.y);
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  if (ink == nullptr || key == nullptr) return 0;
  gTransparentIndex = *key;
  gSmallFont[1] = *key;
  gReadoutFont[1] = *key;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  return 1;
}

void ResetRun() {
  mz::RegisterMachineConfigDialog(kGameName);
  gSmallFont = MakeGlyphTable(kSmallFontLayout);
  ResetSlotButtons();
  ResetClientMachine();
  ResetReels();
  ResetAnimations();
  ResetReadouts();
  ResetInput();
}

void LoopStarting() {
  RandomReelStart();
  ShowDenomination(gMachineValue);
}

void Close(plat::HWND window) {
  SlotClientRecord* r = SlotClientHooks::Current();
  const int quit = AskReturnToMainMenu(window, kGameName);
  if (r != nullptr) r->quitRequest = quit;
}

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  plat::LRESULT answer = 0;
  if (HandleShellMessage(window, message, wParam, lParam, &answer)) return answer;
  switch (message) {
    case plat::WM_CLOSE: Close(window); return 0;
    case plat::WM_KEYDOWN: HandleKeyDown(wParam); return 0;
    case plat::WM_COMMAND:
      if (plat::LOWORD(wParam) != kHelpCommand) break;
      OpenHelpPage(kHelpPage);
      return 0;
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

// The money readout enables every Insert the money reaches.
int BettingOpen() { return 1; }

GameDefinition MakeSlotGame() {
  GameDefinition game;
  game.name = kGameName;
  game.code = kSlotGameCode;
  game.settingsFile = kSettingsFile;
  game.settings = &gMachineValueCopy;
  game.settingsSize = sizeof gMachineValueCopy;
  game.dataFileError = kBitmapDataError;
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.colourTest = 0;
  game.restoresGames = 0;
  mz::ApplyMachineShell(game, LoopStarting);
  game.smallFont = gSmallFont.data();
  game.layout = kLayout;
  game.ranges = kRanges;
  game.buttons = gSlotButtons;
  game.buttonCount = kSlotButtonCount;
  game.accelerators = kAccelerators;
  game.acceleratorCount = static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]);
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.CreateClientRecord = SlotClientHooks::CreateHook<CreateClientRecord>;
  game.DestroyClientRecord = SlotClientHooks::DestroyHook<DestroyClientRecord>;
  game.ClientRun = SlotClientHooks::RunHook<ClientRun>;
  game.ServerInit = SlotServerShell::Init;
  game.ServerFree = SlotServerShell::Free;
  game.GameServerRun = SlotServerShell::RunHook<GameServerRun>;
  game.GameServerOnRemove = SlotServerShell::RemoveHook<GameServerOnRemove>;
  game.HandleButtonInput = HandleButtonInput;
  game.MainWndProc = MainWndProc;
  game.BettingOpen = BettingOpen;
  return game;
}

}  // namespace

const GameDefinition kSlotGame = MakeSlotGame();

int SlotMain(int argc, char** argv) { return RunProgram(argc, argv, kSlotGame); }

}  // namespace jb
