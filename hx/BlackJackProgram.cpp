#include "hx/BlackJackProgram.h"

#include "framework/shell/Buttons.h"
#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackClient.h"
#include "hx/BlackJackFiles.h"
#include "hx/BlackJackFonts.h"
#include "hx/BlackJackInput.h"
#include "hx/BlackJackServer.h"
#include "hx/BlackJackTable.h"
#include "kw/CardGameDefinition.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/window.h"

namespace hx {
namespace {

constexpr char kBlackJackName[] = "Black Jack";

constexpr ScreenLayout kBlackJackScreenLayout{
    .statusX = kStatusBarArea.x, .statusY = kStatusBarArea.y, .statusWidth = kStatusBarArea.width,
    .statusHeight = kStatusBarArea.height,
    .userX = 590, .userY = 467, .userWidth = 50, .userHeight = 13,
    .moneyX = kMoneyPlace.x, .moneyY = kMoneyPlace.y, .moneyWidth = 80, .moneyHeight = 13,
    .lagX = 0, .lagY = 458, .lagWidth = kLagStripWidth, .lagHeight = kLagStripHeight,
    .lagSourceX = kLagStrip.x, .lagSourceY = kLagStrip.y,
    .tickerX = 0, .tickerY = 0, .tickerOnX = 0, .tickerOnY = 0, .tickerOffX = 0, .tickerOffY = 0,
};

constexpr ButtonRanges kBlackJackButtonRanges{
    .firstChipRow = kButtonBet1, .chipRowCount = kChipCount, .firstBetRow = kButtonBet1, .firstGameRow = kButtonSplit};

constexpr KeyButton kBlackJackKeys[] = {
    {'!', kButtonHelp},    {'D', kButtonDeal},   {'d', kButtonDeal},    {'H', kButtonHit},    {'h', kButtonHit},
    {'O', kButtonOptions}, {'o', kButtonOptions}, {'P', kButtonSplit},  {'p', kButtonSplit},  {'S', kButtonStand},
    {'s', kButtonStand},   {'U', kButtonDouble},  {'u', kButtonDouble},
};

void SetExitRequest(int on) {
  if (BlackJackClientRecord* record = BlackJackClientHooks::Current()) record->exitFlag = on;
}
void SetContinueFlag() { gContinueFlag = 1; }

constexpr kw::CardGameTable kBlackJackCardGame{
    kBlackJackName, kSettingsFile, kHelpPage, kBlackJackKeys,
    static_cast<int>(sizeof kBlackJackKeys / sizeof kBlackJackKeys[0]),
    kButtonExit, kButtonNewGame, kButtonRebet, SetExitRequest, SetContinueFlag};

GlyphTable gSmallFontGlyphs = kSmallFont;

void LoadGameConfig() { kw::LoadCardGameConfig(kBlackJackCardGame); }

int BuildCardSpriteTable() { return gChipBitmap.Create(kChipBitmapWidth, kChipBitmapHeight); }

void FreeWorkBitmaps() { gChipBitmap.Free(); }

int RemapBitmaps() {
  const CPalette& palette = gScreen.Palette();
  if (!gPicture.RemapToPalette(palette.Handle())) return 0;
  const plat::BYTE* key = gPicture.PixelAddress(kChipKeyPixel.x, kChipKeyPixel.y);
  const plat::BYTE* pointerKey = gPicture.PixelAddress(kPointerKeyPixel.x, kPointerKeyPixel.y);
  const plat::BYTE* smallKey = gPicture.PixelAddress(kSmallFontLayout.x, kSmallFontLayout.y);
  const plat::BYTE* tableKey = gPicture.PixelAddress(kTableFontLayout.x, kTableFontLayout.y);
  if (key == nullptr || pointerKey == nullptr || smallKey == nullptr || tableKey == nullptr) return 0;
  gTransparentIndex = *key;
  gPointerKey = *pointerKey;
  gSmallFontGlyphs[1] = *smallKey;
  gTableGlyphs[1] = *tableKey;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  gChipBitmap.Fill(0, 0, kChipBitmapWidth, kChipBitmapHeight, gTransparentIndex);
  return 1;
}

void ResetRun() {
  RegisterBlackJackDialog();
  ResetBlackJackButtons();
  ResetClientMachine();
  ResetInput();
  kw::ResetCardGameShell();
}

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  return kw::CardGameWindowMessage(kBlackJackCardGame, window, message, wParam, lParam);
}

std::uint16_t* VoiceSwitch() { return &kw::gCardGameOptions.voice; }

GameDefinition MakeBlackJackGame() {
  GameDefinition game;
  kw::FillCardGameDefinition<BlackJackClientHooks, CreateClientRecord, DestroyClientRecord, ClientRun,
                             BlackJackServerShell, GameServerRun, GameServerOnRemove>(game);
  game.name = kBlackJackName;
  game.code = kBlackJackGameCode;
  game.settingsFile = kSettingsFile;
  game.settings = &kw::gCardGameOptions;
  game.settingsSize = sizeof(kw::CardGameOptions);
  game.dataFile = kDataFile;
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.alivePeriod = 5000;
  game.idleSleep = 6;
  game.smallFont = gSmallFontGlyphs.data();
  game.moneyFont = gTableGlyphs.data();
  game.layout = kBlackJackScreenLayout;
  game.ranges = kBlackJackButtonRanges;
  game.buttons = gBlackJackButtons;
  game.buttonCount = kBlackJackButtonCount;
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = BuildCardSpriteTable;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.HandleButtonInput = HandleButtonInput;
  game.ButtonInPlace = ButtonInPlace;
  game.MainWndProc = MainWndProc;
  game.VoiceSwitch = VoiceSwitch;
  game.BettingOpen = BettingOpen;
  game.ExtraFrameStep = AnimateHandPointer;
  return game;
}

}  // namespace

const GameDefinition kBlackJackGame = MakeBlackJackGame();

int BlackJackMain(int argc, char** argv) { return RunProgram(argc, argv, kBlackJackGame); }

}  // namespace hx
