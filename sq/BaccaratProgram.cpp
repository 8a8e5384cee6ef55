#include "sq/BaccaratProgram.h"

#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/resource.h"
#include "platform/include/plat/window.h"
#include "sq/BaccaratBetting.h"
#include "sq/BaccaratButtons.h"
#include "sq/BaccaratClient.h"
#include "sq/BaccaratFiles.h"
#include "sq/BaccaratFonts.h"
#include "sq/BaccaratInput.h"
#include "sq/BaccaratOptions.h"
#include "sq/BaccaratProtocol.h"
#include "sq/BaccaratServer.h"
#include "sq/BaccaratTable.h"

namespace sq {
namespace {

constexpr char kBaccaratName[] = "Baccarat";

constexpr ScreenLayout kBaccaratScreenLayout{
    .statusX = kInfoBarArea.x, .statusY = kInfoBarArea.y, .statusWidth = kInfoBarArea.width,
    .statusHeight = kInfoBarArea.height,
    .userX = 590, .userY = 467, .userWidth = 50, .userHeight = 13,
    .moneyX = 18, .moneyY = 434, .moneyWidth = 80, .moneyHeight = 13,
    .lagX = 0, .lagY = 458, .lagWidth = kLagStripWidth, .lagHeight = kLagStripHeight,
    .lagSourceX = kLagStrip.x, .lagSourceY = kLagStrip.y,
    .tickerX = 0, .tickerY = 0, .tickerOnX = 0, .tickerOnY = 0, .tickerOffX = 0, .tickerOffY = 0,
};

constexpr ButtonRanges kBaccaratButtonRanges{
    .firstChipRow = kButtonChip1, .chipRowCount = kChipCount, .firstBetRow = kButtonChip1, .firstGameRow = kButtonDeal};

constexpr plat::ACCEL kAccelerators[] = {
    {plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), 104},
};

constexpr KeyButton kBaccaratKeys[] = {
    {'1', kButtonChip1},     {'2', kButtonChip1 + 1}, {'3', kButtonChip1 + 2}, {'4', kButtonChip1 + 3},
    {'5', kButtonChip1 + 4}, {'D', kButtonDeal},      {'d', kButtonDeal},      {'O', kButtonOptions},
    {'o', kButtonOptions},   {'p', kButtonHelp},
};

void SetExitRequest(int on) {
  if (BaccaratClientRecord* record = BaccaratClientHooks::Current()) record->exitRequest = on;
}
void SetContinueRequest() { gContinueRequest = 1; }

// Space rebets through the chip and area presses, not a button of its own.
constexpr kw::CardGameTable kBaccaratCardGame{
    kBaccaratName, kSettingsFile, kHelpPage, kBaccaratKeys,
    static_cast<int>(sizeof kBaccaratKeys / sizeof kBaccaratKeys[0]),
    kButtonExit, kButtonNewGame, kButtonNone, SetExitRequest, SetContinueRequest};

void LoadGameConfig() { kw::LoadCardGameConfig(kBaccaratCardGame); }

int CreateWorkBitmaps() { return gStackBitmap.Create(kStackBitmapWidth, kStackBitmapHeight); }

void FreeWorkBitmaps() { gStackBitmap.Free(); }

int RemapBitmaps() {
  const CPalette& palette = gScreen.Palette();
  if (!gPicture.RemapToPalette(palette.Handle())) return 0;
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  if (key == nullptr) return 0;
  gTransparentIndex = *key;
  gSmallFontGlyphs[1] = *key;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  gStackBitmap.Fill(0, 0, gStackBitmap.Width(), gStackBitmap.Height(), gTransparentIndex);
  return 1;
}

void ResetRun() {
  plat::RegisterDialogResource(kOptionsDialogResource, &BaccaratConfigDialog());
  ResetBaccaratButtons();
  ResetClientMachine();
  ResetInput();
  kw::ResetCardGameShell();
}

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  BaccaratClientRecord* record = BaccaratClientHooks::Current();
  if (message == plat::WM_KEYUP && wParam == plat::VK_SPACE && record != nullptr && !gPlaybackClient.IsActive() &&
      CanRebet(*record)) {
    RebetLastBets(record);
  }
  return kw::CardGameWindowMessage(kBaccaratCardGame, window, message, wParam, lParam);
}

std::uint16_t* VoiceSwitch() { return &kw::gCardGameOptions.voice; }

GameDefinition MakeBaccaratGame() {
  GameDefinition game;
  game.name = kBaccaratName;
  game.code = kBaccaratGameCode;
  game.settingsFile = kSettingsFile;
  game.settings = &kw::gCardGameOptions;
  game.settingsSize = sizeof(kw::CardGameOptions);
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.alivePeriod = 3000;
  game.idleSleep = 0;
  game.catchUpLateFrames = 1;
  game.smallFont = gSmallFontGlyphs.data();
  game.layout = kBaccaratScreenLayout;
  game.ranges = kBaccaratButtonRanges;
  game.buttons = gBaccaratButtons;
  game.buttonCount = kBaccaratButtonCount;
  game.accelerators = kAccelerators;
  game.acceleratorCount = static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]);
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.CreateClientRecord = BaccaratClientHooks::CreateHook<CreateClientRecord>;
  game.DestroyClientRecord = BaccaratClientHooks::DestroyHook<DestroyClientRecord>;
  game.ClientRun = BaccaratClientHooks::RunHook<ClientRun>;
  game.ServerInit = BaccaratServerShell::Init;
  game.ServerFree = BaccaratServerShell::Free;
  game.GameServerRun = BaccaratServerShell::RunHook<GameServerRun>;
  game.GameServerPlayback = BaccaratServerShell::Playback;
  game.GameServerLoad = BaccaratServerShell::Load;
  game.GameServerOnRemove = BaccaratServerShell::RemoveHook<GameServerOnRemove>;
  game.HandleButtonInput = HandleButtonInput;
  game.MainWndProc = MainWndProc;
  game.VoiceSwitch = VoiceSwitch;
  game.BettingOpen = BettingOpen;
  game.ClientWaitCallback = kw::OnCommWait;
  return game;
}

}  // namespace

const GameDefinition kBaccaratGame = MakeBaccaratGame();

int BaccaratMain(int argc, char** argv) { return RunProgram(argc, argv, kBaccaratGame); }

}  // namespace sq
