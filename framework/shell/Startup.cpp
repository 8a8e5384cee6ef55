#include "framework/shell/Startup.h"

#include <cstdio>

#include "framework/shell/ErrorBox.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/MessageLoop.h"
#include "framework/shell/Random.h"
#include "framework/link/Restore.h"
#include "framework/link/RestoreWindow.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Shutdown.h"
#include "framework/shell/SoundFlags.h"
#include "framework/shell/StatusLine.h"
#include "framework/shell/Ticker.h"
#include "framework/shell/Window.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/gdi.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

namespace {

void ShowWindowAsSet() {
  plat::ShowWindow(gMainWindow, gCasinoCfg.maximised == 1 ? plat::SW_SHOWMAXIMIZED
                                                          : plat::SW_SHOWNORMAL);
}

void ResetRunState() {
  gMainWindow = nullptr;
  gDeviceContext = nullptr;
  gClientRecord = nullptr;
  gServerRecord = nullptr;
  gActive = 0;
  gLinkReady = 0;
  gErrorText[0] = '\0';
  ForgetSettings();
  ResetStatusLine();
  ResetLagMeter();
  ResetFramePump();
  RestartTicker();
  if (gGame->ResetRun) gGame->ResetRun();
}

void LinkFailed(const char* text) {
  plat::MessageBox(gMainWindow, text, "FATAL ERROR",
                   plat::MB_OK | plat::MB_ICONSTOP | plat::MB_SETFOREGROUND);
}

}  // namespace

int WinMain(plat::HINSTANCE instance, plat::HINSTANCE previous, const char* commandLine,
            int showCommand) {
  (void)previous;
  if (const char* missing = MissingGameHook(*gGame)) {
    char text[kErrorTextSize];
    std::snprintf(text, sizeof text, "The game's table lacks %s; the program cannot start.",
                  missing);
    plat::MessageBox(nullptr, text, "ERROR", plat::MB_OK | plat::MB_ICONSTOP);
    return 0;
  }
  ResetRunState();
  gInstance = instance;
  plat::SetCursor(plat::LoadCursor(nullptr, plat::IDC_WAIT));
  if (!StartupInit(commandLine)) {
    ShowPendingError();
    ShutdownApp();
    return 0;
  }
  plat::SetCursor(plat::LoadCursor(nullptr, plat::IDC_ARROW));
  gClientRecord = gGame->CreateClientRecord();
  if (!gClientRecord) {
    ReleaseProgramResources();
    return 0;
  }

  int result = 0;
  gClientComm.Init("clientout.log", "clientin.log");
  gClientTransport = new CMainClientTransport();
  gClientTransport->Reset();
  gClientTransport->RegisterMessages(kChannelClient);
  gClientComm.SetTransport(gClientTransport);
  gLinkReady = 1;
  // Connected before the first paint: the main client answers while the
  // window is mapped and painted.
  const char* linkError = gClientTransport->Connect(gMainWindow);
  ShowStartWindow(showCommand);
  if (linkError) {
    gLinkReady = 0;
    LinkFailed(linkError);
  } else if ((gServerRecord = gGame->ServerInit(gGame->code)) != nullptr) {
    gServerComm.Init("serverout.log", "serverin.log");
    gServerTransport = new CMainClientTransport();
    gServerTransport->Reset();
    gServerTransport->RegisterMessages(kChannelServer);
    gServerComm.SetTransport(gServerTransport);
    gServerTransport->Attach(gClientTransport->mainWnd, gMainWindow);
    // A program without restores (Roulette) still has its wait callback.
    if (gGame->ClientWaitCallback) SetWaitCallback(gClientComm, gGame->ClientWaitCallback);
    if (gGame->restoresGames) {
      InstallPlaybackHooks(gServerComm, gClientComm,
                           GameServerHooks{gGame->code, gGame->GameServerLoad,
                                           gGame->GameServerOnRemove});
      LoadSavedGame(gServerRecord, gServerComm, kSavedGameUser);
    }
    result = RunMessageLoop();
    gServerComm.Shutdown();
    gGame->ServerFree(gServerRecord);
    gServerRecord = nullptr;
  }
  gLinkReady = 0;
  gClientComm.Shutdown();
  gGame->DestroyClientRecord(gClientRecord);
  gClientRecord = nullptr;
  ReleaseProgramResources();
  return result;
}

int StartupInit(const char* commandLine) {
  (void)commandLine;
  if (plat::HWND running = plat::FindWindow(gGame->name, nullptr)) {
    if (plat::IsIconic(running)) plat::ShowWindow(running, plat::SW_RESTORE);
    plat::SetForegroundWindow(running);
    return 0;
  }
  ReadSystemInfo(&gSystemInfo);
  InstallSoundSwitches();
  if (gGame->colourTest && gSystemInfo.bitsPerPixel < 8) {
    plat::MessageBox(nullptr, gGame->colourText, gGame->name,
                     plat::MB_OK | plat::MB_ICONSTOP | plat::MB_SETFOREGROUND);
    return 0;
  }
  gGame->LoadGameConfig();
  KeepSettings();
  if (!SetupApplication()) {
    ErrorBox(__FILE__, __LINE__, "Failed to setup application!");
    return 0;
  }
  if (!SetupWindows()) {
    ErrorBox(__FILE__, __LINE__, "Failed to setup the windows!");
    return 0;
  }
  if (!gGame->CreateWorkBitmaps()) return 0;
  if (!LoadDataFile()) {
    if (gGame->dataFileError) {
      ErrorBox(__FILE__, __LINE__, "%s", gGame->dataFileError);
    } else {
      ErrorBox(__FILE__, __LINE__, "Failed to load the \"%s\" file!", gGame->dataFile);
    }
    return 0;
  }
  if (gGame->backgroundFile && !gGame->backgroundPicture->LoadFile(gGame->backgroundFile)) {
    ErrorBox(__FILE__, __LINE__, "Failed to load the \"%s\" file!", gGame->backgroundFile);
    return 0;
  }
  if (gGame->hitMapFile && !(gHitMap = LoadHitMap(gGame->hitMapFile))) {
    // Said for every program: a start that ends without a word leaves the
    // player no clue.
    ErrorBox(__FILE__, __LINE__, "Failed to load the \"%s\" file!", gGame->hitMapFile);
    return 0;
  }
  if (!gScreen.Init(gDeviceContext, &gPicture, gGame->screenWidth, gGame->screenHeight)) {
    ErrorBox(__FILE__, __LINE__, "Failed to setup buffers!");
    return 0;
  }
  CPalette& palette = gScreen.Palette();
  if (!palette.CreateFromDib(gPicture)) {
    ErrorBox(__FILE__, __LINE__, "Unable to create the palette!");
    return 0;
  }
  palette.MakeIdentity(gDeviceContext);
  plat::SelectPalette(gDeviceContext, palette.Handle(), plat::FALSE);
  plat::RealizePalette(gDeviceContext);
  if (!gGame->RemapBitmaps()) {
    ErrorBox(__FILE__, __LINE__, "Unable to remap bitmaps!");
    return 0;
  }
  gCasinoCfg.reserved = 0;
  return 1;
}

void ShowStartWindow(int showCommand) {
  bool hidden = showCommand == plat::SW_HIDE;
  // A hidden start without a saved game to replay would leave no window at all.
  if (!hidden || gSystemInfo.platformId == plat::VER_PLATFORM_WIN32s || !gGame->restoresGames) {
    ShowWindowAsSet();
  }
  plat::UpdateWindow(gMainWindow);
  if (hidden && gGame->restoresGames) OpenRestoreWindow();
}

int SetupApplication() {
  gAccelerators = plat::LoadAccelerators(gInstance, kAcceleratorResource);
  if (!gAccelerators) return 0;
  SeedRandom();
  if (gGame->commonControls) plat::InitCommonControls();
  return 1;
}

int SetupWindows() {
  plat::WNDCLASS wc{};
  wc.style = plat::CS_HREDRAW | plat::CS_VREDRAW | plat::CS_OWNDC;
  wc.lpfnWndProc = gGame->MainWndProc;
  wc.hInstance = gInstance;
  wc.hIcon = plat::LoadIcon(gInstance, kIconResource);
  wc.hCursor = nullptr;
  wc.hbrBackground = plat::GetStockBrush(plat::BLACK_BRUSH);
  wc.lpszClassName = gGame->name;
  if (!plat::RegisterClass(&wc)) return 0;

  int screenWidth = gSystemInfo.screenWidth;
  int screenHeight = gSystemInfo.screenHeight;
  int width = gGame->screenWidth + 2 * plat::GetSystemMetrics(plat::SM_CXFRAME);
  int height = gGame->screenHeight + 2 * plat::GetSystemMetrics(plat::SM_CYFRAME) +
               plat::GetSystemMetrics(plat::SM_CYCAPTION);
  if (screenWidth <= width || screenHeight <= height) {
    width = gGame->screenWidth;
    height = gGame->screenHeight;
  }
  int x = (screenWidth - width) / 2;
  int y = (screenHeight - height) / 2;
  plat::DWORD style = plat::WS_CLIPCHILDREN;
  if (gCasinoCfg.maximised == 1) style |= plat::WS_MAXIMIZE;
  if (gGame->popupDisplayHeight > 0 && screenHeight <= gGame->popupDisplayHeight) {
    style |= plat::WS_POPUP;
    x = y = 0;
    width = screenWidth;
    height = screenHeight;
  } else {
    style |= screenHeight > gGame->screenHeight ? plat::WS_OVERLAPPEDWINDOW : plat::WS_POPUP;
  }

  gMainWindow = plat::CreateWindow(gGame->name, gGame->name, style, x, y, width, height, nullptr, 0,
                                   gInstance, nullptr);
  if (!gMainWindow) return 0;
  SetWindowTitle(gMainWindow, "%s", gGame->name);
  CentreOffsets(gMainWindow, nullptr, nullptr, gGame->screenWidth, gGame->screenHeight);
  gDeviceContext = plat::GetDC(gMainWindow);
  return gDeviceContext ? 1 : 0;
}

int LoadDataFile() { return gPicture.LoadFile(gGame->dataFile); }
