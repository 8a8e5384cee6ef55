#include "dq/CrapsProgram.h"

#include "dq/CrapsBetting.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsInput.h"
#include "dq/CrapsOptions.h"
#include "dq/CrapsServer.h"
#include "dq/CrapsStartup.h"
#include "dq/CrapsWindow.h"
#include "framework/shell/Program.h"
#include "framework/sound/Screen.h"
#include "platform/include/plat/window.h"

namespace dq {
namespace {

// Where the shared screen helpers draw on the Craps table.
constexpr ScreenLayout kCrapsScreenLayout{
    .statusX = 6, .statusY = 467, .statusWidth = 580, .statusHeight = 13,
    .userX = 590, .userY = 467, .userWidth = 50, .userHeight = 13,
    .moneyX = 18, .moneyY = 434, .moneyWidth = 80, .moneyHeight = 13,
    .lagX = 0, .lagY = 458, .lagWidth = 41, .lagHeight = 7,
    .lagSourceX = 302, .lagSourceY = 598,
    .tickerX = 336, .tickerY = 26,
    .tickerOnX = 301, .tickerOnY = 276,
    .tickerOffX = 344, .tickerOffY = 28,
};

// The chips are rows 5..9, the bets and the game buttons from row 10 on.
constexpr ButtonRanges kCrapsButtonRanges{
    .firstChipRow = kButtonChip1, .chipRowCount = kChipCount, .firstBetRow = kButtonChip1,
    .firstGameRow = kButtonRoll};

constexpr plat::ACCEL kAccelerators[] = {
    {plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), kHelpCommand},
};

// Everything a run keeps starts afresh, so a process can run the program
// more than once (the tests do).
void ResetRun() {
  RegisterCrapsResources();
  ResetCrapsButtons();
  ResetClientMachine();
  ResetInput();
}

int RunClient(CrapsClientRecord* record, CComm& comm, int) { return ClientRun(record, comm); }
std::uint16_t* VoiceSwitch() { return &gCrapsOptions.voice; }
int BettingOpen() { return gBettingOpen; }

GameDefinition MakeCrapsGame() {
  GameDefinition game;
  game.name = kCrapsName;
  game.code = kCrapsGameCode;
  game.settingsFile = kCrapsCfgName;
  game.settings = &gCrapsOptions;
  game.settingsSize = sizeof(CrapsOptions);
  game.musicFile = "../midi/travel.mid";
  game.alivePeriod = 3000;
  game.smallFont = gSmallFontGlyphs.data();
  game.layout = kCrapsScreenLayout;
  game.ranges = kCrapsButtonRanges;
  game.buttons = gCrapsButtons;
  game.buttonCount = kCrapsButtonCount;
  game.accelerators = kAccelerators;
  game.acceleratorCount = static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]);
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.CreateClientRecord = CrapsClientHooks::CreateHook<CreateClientRecord>;
  game.DestroyClientRecord = CrapsClientHooks::DestroyHook<DestroyClientRecord>;
  game.ClientRun = CrapsClientHooks::RunHook<RunClient>;
  game.ServerInit = CrapsServerShell::Init;
  game.ServerFree = CrapsServerShell::Free;
  game.GameServerRun = CrapsServerShell::RunHook<GameServerRun>;
  game.GameServerPlayback = CrapsServerShell::Playback;
  game.GameServerLoad = CrapsServerShell::Load;
  game.GameServerOnRemove = CrapsServerShell::RemoveHook<GameServerOnRemove>;
  game.HandleButtonInput = HandleButtonInput;
  game.MainWndProc = MainWndProc;
  game.VoiceSwitch = VoiceSwitch;
  game.BettingOpen = BettingOpen;
  return game;
}

}  // namespace

const GameDefinition kCrapsGame = MakeCrapsGame();

int CrapsMain(int argc, char** argv) { return RunProgram(argc, argv, kCrapsGame); }

}  // namespace dq
