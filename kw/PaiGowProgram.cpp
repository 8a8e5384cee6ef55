#include "kw/PaiGowProgram.h"

#include "framework/shell/Buttons.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"
#include "kw/CardGameDefinition.h"
#include "kw/CardGameShell.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowFiles.h"
#include "kw/PaiGowFonts.h"
#include "kw/PaiGowInput.h"
#include "kw/PaiGowServer.h"
#include "kw/PaiGowTable.h"
#include "platform/include/plat/resource.h"
#include "platform/include/plat/window.h"

namespace kw {
namespace {

constexpr char kPaiGowName[] = "Pai Gow Poker";

constexpr ScreenLayout kPaiGowScreenLayout{
    .statusX = kInfoBarArea.x, .statusY = kInfoBarArea.y, .statusWidth = kInfoBarArea.width,
    .statusHeight = kInfoBarArea.height,
    .userX = 590, .userY = 467, .userWidth = 50, .userHeight = 13,
    .moneyX = 18, .moneyY = 434, .moneyWidth = 80, .moneyHeight = 13,
    .lagX = 0, .lagY = 458, .lagWidth = 0, .lagHeight = 0,
    .lagSourceX = 0, .lagSourceY = 0,
    .tickerX = 0, .tickerY = 0, .tickerOnX = 0, .tickerOnY = 0, .tickerOffX = 0, .tickerOffY = 0,
};

constexpr ButtonRanges kPaiGowButtonRanges{
    .firstChipRow = kButtonBet1, .chipRowCount = kChipCount, .firstBetRow = kButtonBet1, .firstGameRow = kButtonDeal};

constexpr KeyButton kPaiGowKeys[] = {
    {'D', kButtonDeal}, {'d', kButtonDeal}, {'N', kButtonDone}, {'n', kButtonDone},
    {'O', kButtonOptions}, {'o', kButtonOptions}, {'p', kButtonHelp},
};

void SetExitRequest(int on) {
  if (PaiGowClientRecord* record = PaiGowClientHooks::Current()) record->exitRequest = on;
}
void SetNewGameMark() { gNewGameMark = 1; }

constexpr CardGameTable kPaiGowCardGame{
    kPaiGowName, "Paigow.cfg", kHelpPage, kPaiGowKeys, static_cast<int>(sizeof kPaiGowKeys / sizeof kPaiGowKeys[0]),
    kButtonExit, kButtonNewGame, kButtonBetArea, SetExitRequest, SetNewGameMark};

GlyphTable gSmallFontGlyphs = kSmallFont;

void LoadGameConfig() { LoadCardGameConfig(kPaiGowCardGame); }

int CreateWorkBitmaps() {
  return gPileBitmap.Create(kPileBitmapWidth, kPileBitmapHeight) && gFiveBacks.Create(kFiveBacksWidth, kCardHeight) &&
         gTwoBacks.Create(kTwoBacksWidth, kCardHeight);
}

void FreeWorkBitmaps() {
  gPileBitmap.Free();
  gFiveBacks.Free();
  gTwoBacks.Free();
}

int RemapBitmaps() {
  const CPalette& palette = gScreen.Palette();
  if (!gPicture.RemapToPalette(palette.Handle())) return 0;
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  const plat::BYTE* smallKey = gPicture.PixelAddress(kSmallFontLayout.x, kSmallFontLayout.y);
  const plat::BYTE* boxKey = gPicture.PixelAddress(kTextBoxFontLayout.x, kTextBoxFontLayout.y);
  if (key == nullptr || smallKey == nullptr || boxKey == nullptr) return 0;
  gTransparentIndex = *key;
  gSmallFontGlyphs[1] = *smallKey;
  gTextBoxGlyphs[1] = *boxKey;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  return 1;
}

void ResetRun() {
  plat::RegisterDialogResource(kOptionsDialogResource, &kCardGameConfigDialog);
  ResetPaiGowButtons();
  ResetClientMachine();
  ResetInput();
  ResetCardGameShell();
}

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  return CardGameWindowMessage(kPaiGowCardGame, window, message, wParam, lParam);
}

std::uint16_t* VoiceSwitch() { return &gCardGameOptions.voice; }

GameDefinition MakePaiGowGame() {
  GameDefinition game;
  FillCardGameDefinition<PaiGowClientHooks, CreateClientRecord, DestroyClientRecord, ClientRun,
                         PaiGowServerShell, GameServerRun, GameServerOnRemove>(game);
  game.name = kPaiGowName;
  game.code = "KW";
  game.settingsFile = kPaiGowCardGame.settingsFile;
  game.settings = &gCardGameOptions;
  game.settingsSize = sizeof(CardGameOptions);
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.alivePeriod = 5000;
  game.idleSleep = 6;
  game.smallFont = gSmallFontGlyphs.data();
  game.layout = kPaiGowScreenLayout;
  game.ranges = kPaiGowButtonRanges;
  game.buttons = gPaiGowButtons;
  game.buttonCount = kPaiGowButtonCount;
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

const GameDefinition kPaiGowGame = MakePaiGowGame();

int PaiGowMain(int argc, char** argv) { return RunProgram(argc, argv, kPaiGowGame); }

}  // namespace kw
