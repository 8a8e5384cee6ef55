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

static_assert(artwork::kGlyphTableWords == kGlyphTableWords, "one glyph table form");

constexpr plat::ACCEL kAccelerators[] = {
    {plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), kHelpCommand},
};

// The first hook of a run: everything a run keeps starts afresh, so a
// process can run the program more than once (the tests do).
void StartRun() {
  RegisterCrapsResources();
  ResetCrapsButtons();
  ResetClientMachine();
  ResetInput();
  LoadGameConfig();
}

void* NewClientRecord() { return CreateClientRecord(); }
void FreeClientRecord(void* record) { DestroyClientRecord(static_cast<CrapsClientRecord*>(record)); }
int RunClient(void* record, CComm& comm, int userId) {
  (void)userId;
  return ClientRun(static_cast<CrapsClientRecord*>(record), comm);
}
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
  game.smallFont = gSmallFontGlyphs.data();
  game.buttons = gCrapsButtons;
  game.buttonCount = kCrapsButtonCount;
  game.accelerators = kAccelerators;
  game.acceleratorCount = static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]);
  game.LoadGameConfig = StartRun;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.CreateClientRecord = NewClientRecord;
  game.DestroyClientRecord = FreeClientRecord;
  game.ClientRun = RunClient;
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
