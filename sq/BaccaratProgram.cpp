#include "sq/BaccaratProgram.h"

#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"
#include "kw/CardGameDefinition.h"
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
  kw::FillCardGameDefinition<BaccaratClientHooks, CreateClientRecord, DestroyClientRecord, ClientRun,
                             BaccaratServerShell, GameServerRun, GameServerOnRemove>(game);
  game.name = kBaccaratName;
  game.code = kBaccaratGameCode;
  game.settingsFile = kSettingsFile;
  game.settings = &kw::gCardGameOptions;
  game.settingsSize = sizeof(kw::CardGameOptions);
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.alivePeriod = 3000;
  game.idleSleep = 0;
  game.smallFont = gSmallFontGlyphs.data();
  game.layout = kBaccaratScreenLayout;
  game.ranges = kBaccaratButtonRanges;
  game.buttons = gBaccaratButtons;
  game.buttonCount = kBaccaratButtonCount;
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.HandleButtonInput = HandleButtonInput;
  game.MainWndProc = MainWndProc;
  game.VoiceSwitch = VoiceSwitch;
  game.BettingOpen = BettingOpen;
  return game;
}

}  // namespace

const GameDefinition kBaccaratGame = MakeBaccaratGame();

int BaccaratMain(int argc, char** argv) { return RunProgram(argc, argv, kBaccaratGame); }

}  // namespace sq
