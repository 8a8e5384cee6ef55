#include "gz/CaribbeanProgram.h"

#include "framework/shell/Buttons.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanFiles.h"
#include "gz/CaribbeanFonts.h"
#include "gz/CaribbeanInput.h"
#include "gz/CaribbeanOptions.h"
#include "gz/CaribbeanProtocol.h"
#include "gz/CaribbeanServer.h"
#include "gz/CaribbeanTable.h"
#include "kw/CardGameDefinition.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/resource.h"
#include "platform/include/plat/window.h"

namespace gz {
namespace {

constexpr char kCaribbeanName[] = "Caribbean Poker";

// The lag meter's strip lies below the chip faces; the meter stays at the
// screen's left edge.
constexpr ScreenLayout kCaribbeanScreenLayout{
    .statusX = kInfoBarArea.x, .statusY = kInfoBarArea.y, .statusWidth = kInfoBarArea.width,
    .statusHeight = kInfoBarArea.height,
    .userX = 590, .userY = 467, .userWidth = 50, .userHeight = 13,
    .moneyX = 18, .moneyY = 434, .moneyWidth = 80, .moneyHeight = 13,
    .lagX = 0, .lagY = 458, .lagWidth = kLagStripWidth, .lagHeight = kLagStripHeight,
    .lagSourceX = kLagStrip.x, .lagSourceY = kLagStrip.y,
    .tickerX = 0, .tickerY = 0, .tickerOnX = 0, .tickerOnY = 0, .tickerOffX = 0, .tickerOffY = 0,
};

constexpr ButtonRanges kCaribbeanButtonRanges{
    .firstChipRow = kButtonChip1, .chipRowCount = kChipCount, .firstBetRow = kButtonChip1, .firstGameRow = kButtonDeal};

constexpr KeyButton kCaribbeanKeys[] = {
    {'D', kButtonDeal}, {'d', kButtonDeal}, {'O', kButtonOptions}, {'o', kButtonOptions}, {'p', kButtonHelp},
};

void SetExitRequest(int on) {
  if (CaribbeanClientRecord* record = CaribbeanClientHooks::Current()) record->exitRequest = on;
}
void SetContinueMark() { gContinueMark = 1; }

constexpr kw::CardGameTable kCaribbeanCardGame{
    kCaribbeanName, kSettingsFile, kHelpPage, kCaribbeanKeys,
    static_cast<int>(sizeof kCaribbeanKeys / sizeof kCaribbeanKeys[0]),
    kButtonExit, kButtonNewGame, kButtonAnteSpot, SetExitRequest, SetContinueMark};

GlyphTable gSmallFontGlyphs = kSmallFont;

int CreateWorkBitmaps() { return gStackBitmap.Create(kStackBitmapWidth, kChipHeight + kStackRise + 4); }

void FreeWorkBitmaps() { gStackBitmap.Free(); }

int RemapBitmaps() {
  const CPalette& palette = gScreen.Palette();
  if (!gPicture.RemapToPalette(palette.Handle())) return 0;
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  if (key == nullptr) return 0;
  gTransparentIndex = *key;
  gSmallFontGlyphs[1] = *key;
  gPlateGlyphs[1] = *key;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  gStackBitmap.Fill(0, 0, gStackBitmap.Width(), gStackBitmap.Height(), gTransparentIndex);
  return 1;
}

void ResetRun() {
  plat::RegisterDialogResource(kOptionsDialogResource, &CaribbeanConfigDialog());
  ResetCaribbeanButtons();
  ResetClientMachine();
  ResetInput();
  kw::ResetCardGameShell();
  gCaribbeanCfg = CaribbeanCfg{1, 1, {0, 0}};
}

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  return kw::CardGameWindowMessage(kCaribbeanCardGame, window, message, wParam, lParam);
}

// Byte 0 of "Cpoker.cfg" alone, held as the shell's voice word.
std::uint16_t* VoiceSwitch() { return &kw::gCardGameOptions.voice; }

GameDefinition MakeCaribbeanGame() {
  GameDefinition game;
  kw::FillCardGameDefinition<CaribbeanClientHooks, CreateClientRecord, DestroyClientRecord, ClientRun,
                             CaribbeanServerShell, GameServerRun, GameServerOnRemove>(game);
  game.name = kCaribbeanName;
  game.code = kCaribbeanGameCode;
  game.settingsFile = kSettingsFile;
  game.settings = &gCaribbeanCfg;
  game.settingsSize = sizeof(CaribbeanCfg);
  game.hitMapFile = kHitMapFile;
  game.musicFile = kMusicFile;
  game.alivePeriod = 3000;
  game.idleSleep = 0;
  game.smallFont = gSmallFontGlyphs.data();
  game.layout = kCaribbeanScreenLayout;
  game.ranges = kCaribbeanButtonRanges;
  game.buttons = gCaribbeanButtons;
  game.buttonCount = kCaribbeanButtonCount;
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadCaribbeanConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.HandleButtonInput = HandleButtonInput;
  game.ButtonInPlace = ButtonInPlace;
  game.MainWndProc = MainWndProc;
  game.VoiceSwitch = VoiceSwitch;
  game.BettingOpen = AntePhaseOpen;
  return game;
}

}  // namespace

const GameDefinition kCaribbeanGame = MakeCaribbeanGame();

int CaribbeanMain(int argc, char** argv) { return RunProgram(argc, argv, kCaribbeanGame); }

}  // namespace gz
