#include "cash/CashierProgram.h"

#include "cash/CardTypes.h"
#include "cash/CashierClient.h"
#include "cash/CashierClientRecord.h"
#include "cash/CashierFiles.h"
#include "cash/CashierInput.h"
#include "cash/CashierLayout.h"
#include "cash/CashierResources.h"
#include "cash/CashierScreen.h"
#include "cash/OfflineServer.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/TempFilePath.h"
#include "framework/link/MainClientTransport.h"
#include "framework/shell/CasinoCfg.h"
#include "framework/shell/GameHooks.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/KeyButtons.h"
#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

namespace cash {
namespace {

using ClientHooks = CClientHooks<CashierClientRecord>;

constexpr int kHelpCommand = 104;
constexpr char kCasinoCfgFile[] = "..\\..\\Casino.cfg";
constexpr plat::DWORD kAlivePeriod = 1000;
// A display this high or less gets the cashier as a popup over all of it.
constexpr int kPopupDisplayHeight = 480;

constexpr plat::ACCEL kAccelerators[] = {{plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), kHelpCommand}};

constexpr KeyButton kKeys[] = {{'D', kButtonDeposit}, {'d', kButtonDeposit}, {'V', kButtonViewLog},
                               {'v', kButtonViewLog}, {'W', kButtonWithdraw}, {'w', kButtonWithdraw}};

char gTempFile[kTempPathSize];

void EnvironmentValue(const char* name, char* out, plat::DWORD size) {
  const plat::DWORD n = plat::GetEnvironmentVariable(name, out, size);
  if (n == 0 || n >= size) out[0] = '\0';
}

void LoadGameConfig() {
  ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
  char temp[kTempPathSize];
  char tmp[kTempPathSize];
  EnvironmentValue("TEMP", temp, sizeof temp);
  EnvironmentValue("TMP", tmp, sizeof tmp);
  TempFilePath(temp, tmp, gTempFile, sizeof gTempFile);
}

int CreateWorkBitmaps() { return 1; }

// The end of the run: the temporary file goes with it.
void FreeWorkBitmaps() {
  if (gTempFile[0]) plat::DeleteFile(gTempFile);
}

int RemapBitmaps() {
  if (!gPicture.RemapToPalette(gScreen.Palette().Handle())) return 0;
  const plat::BYTE* ink = gPicture.PixelAddress(kTextColourPixel.x, kTextColourPixel.y);
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  if (ink == nullptr || key == nullptr) return 0;
  gCashierTextColour = *ink;
  gTransparentIndex = *key;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  return 1;
}

void ResetRun() {
  RegisterCashierResources();
  ResetCashierScreen();
  ResetCardTypes();
  ResetOrderTypes();
  gOrderForm = OrderForm{};
  gPendingState = kNoPendingState;
  gOfflineServerFailed = 0;
  gTempFile[0] = '\0';
  ResetInput();
}

void LoopStarting() { SelectTransferMode(kTransferDeposit, 0); }

int RunClient(CashierClientRecord* record, CComm& comm, int) { return ClientRun(record, comm); }

void* ServerInit(const char*) { return OfflineServerInit(); }
void ServerFree(void* record) { OfflineServerFree(static_cast<CashierServerRecord*>(record)); }
int ServerRun(void* record, CComm& comm, int userId) {
  const int result = OfflineServerRun(static_cast<CashierServerRecord*>(record), comm, userId, gPlayerRecord);
  if (result == -2) gOfflineServerFailed = 1;
  return result;
}

void IdleFrameStep() { RedrawPanel(kPanelFrame, 0); }

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case plat::WM_GETMINMAXINFO:
      // Maximised, the window still shows the whole screen and no more.
      if (auto* info = reinterpret_cast<plat::MINMAXINFO*>(lParam)) {
        info->ptMaxSize = plat::POINT{kScreenWidth + 2 * plat::GetSystemMetrics(plat::SM_CXFRAME),
                                      kScreenHeight + 2 * plat::GetSystemMetrics(plat::SM_CYFRAME) +
                                          plat::GetSystemMetrics(plat::SM_CYCAPTION)};
      }
      return 0;
    case plat::WM_CLOSE:
      if (CashierClientRecord* r = ClientHooks::Current()) r->quit = 1;
      return 0;
    case plat::WM_DESTROY:
      gCasinoCfg.maximised = plat::IsZoomed(window) ? 1 : 0;
      break;
    default: break;
  }
  plat::LRESULT answer = 0;
  if (HandleShellMessage(window, message, wParam, lParam, &answer)) {
    const auto* data = reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam);
    if (message == plat::WM_COPYDATA && gLinkReady && data && data->dwData == kDataPlayerRecord) {
      TakeModeFromPlayerRecord(gPlayerRecord);
    }
    return answer;
  }
  switch (message) {
    case plat::WM_KEYDOWN:
      if (wParam == plat::VK_ESCAPE) plat::PostMessage(window, plat::WM_CLOSE, 0, 0);
      return 0;
    case plat::WM_CHAR:
      PressKeyButton(kKeys, static_cast<int>(sizeof kKeys / sizeof kKeys[0]), wParam, lParam);
      return 0;
    case plat::WM_COMMAND:
      if (plat::LOWORD(wParam) != kHelpCommand) break;
      OpenHelpPage(kHelpPage);
      return 0;
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

GameDefinition MakeCashierGame() {
  GameDefinition game;
  game.name = kCashierName;
  game.code = "CA";
  // The cashier has no settings of its own: it writes the shared ones back.
  game.settingsFile = kCasinoCfgFile;
  game.settings = &gCasinoCfg;
  game.settingsSize = sizeof gCasinoCfg;
  game.hitMapFile = nullptr;
  game.backgroundFile = kBackgroundPictureFile;
  game.backgroundPicture = &gCashierBackground;
  game.alivePeriod = kAlivePeriod;
  game.catchUpLateFrames = 0;
  game.restoresGames = 0;
  game.errorReport = kErrorModuleText;
  game.colourText =
      "This program requires 256 colors or more!\nChange to display mode that has at least 256 colors and try again.";
  game.commonControls = 1;
  game.serverFatalTitle = "INFO";
  game.screenWidth = kScreenWidth;
  game.screenHeight = kScreenHeight;
  game.popupDisplayHeight = kPopupDisplayHeight;
  game.buttons = gCashierButtons;
  game.buttonCount = kCashierButtonCount;
  game.ranges = ButtonRanges{kCashierButtonCount, 0, kCashierButtonCount, kCashierButtonCount};
  game.accelerators = kAccelerators;
  game.acceleratorCount = static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]);
  game.ResetRun = ResetRun;
  game.LoadGameConfig = LoadGameConfig;
  game.CreateWorkBitmaps = CreateWorkBitmaps;
  game.FreeWorkBitmaps = FreeWorkBitmaps;
  game.RemapBitmaps = RemapBitmaps;
  game.CreateClientRecord = ClientHooks::CreateHook<CreateClientRecord>;
  game.DestroyClientRecord = ClientHooks::DestroyHook<DestroyClientRecord>;
  game.ClientRun = ClientHooks::RunHook<RunClient>;
  game.ServerInit = ServerInit;
  game.ServerFree = ServerFree;
  game.GameServerRun = ServerRun;
  game.HandleButtonInput = HandleButtonInput;
  game.MainWndProc = MainWndProc;
  game.IdleFrameStep = IdleFrameStep;
  game.LoopStarting = LoopStarting;
  return game;
}

}  // namespace

const GameDefinition kCashierGame = MakeCashierGame();

int CashierMain(int argc, char** argv) { return RunProgram(argc, argv, kCashierGame); }

}  // namespace cash
