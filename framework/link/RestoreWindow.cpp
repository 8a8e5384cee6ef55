#include "framework/link/RestoreWindow.h"

#include "framework/link/ShellHooks.h"
#include "platform/include/plat/app.h"
#include "platform/include/plat/gdi.h"
#include "platform/include/plat/window.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 150;

plat::HWND gWindow = nullptr;
plat::HWND gText = nullptr;
int gRestoring = 0;
int gSavedShowAnimations = 0;

}  // namespace

void OpenRestoreWindow() {
  if (gRestoring) return;
  const ShellHooks& shell = GetShellHooks();
  gSavedShowAnimations = shell.showAnimations();
  shell.setShowAnimations(0);
  shell.muteForRestore();
  gRestoring = 1;

  plat::HINSTANCE instance = plat::GetModuleInstance();
  plat::WNDCLASS wc{};
  wc.style = plat::CS_HREDRAW | plat::CS_VREDRAW;
  wc.lpfnWndProc = plat::DefWindowProc;
  wc.hInstance = instance;
  wc.hbrBackground = plat::GetStockBrush(plat::LTGRAY_BRUSH);
  wc.lpszClassName = kRestoreClassName;
  plat::RegisterClass(&wc);  // already registered by an earlier restore: fine

  int x = (plat::GetSystemMetrics(plat::SM_CXSCREEN) - kWidth) / 2;
  int y = (plat::GetSystemMetrics(plat::SM_CYSCREEN) - kHeight) / 2;
  gWindow = plat::CreateWindow(kRestoreClassName, "Restoring", plat::WS_VISIBLE | plat::WS_DLGFRAME, x, y,
                               kWidth, kHeight, nullptr, 0, instance, nullptr);
  if (gWindow) {
    gText = plat::CreateWindow("STATIC", "Please wait. Restoring old game.", plat::WS_CHILD | plat::WS_VISIBLE,
                               30, 30, 240, 70, gWindow, 0, instance, nullptr);
  }
}

void CloseRestoreWindow() {
  if (!gRestoring) return;
  const ShellHooks& shell = GetShellHooks();
  shell.setShowAnimations(gSavedShowAnimations);
  shell.restoreSoundFlags();
  plat::ShowWindow(shell.mainWindow(), shell.windowMaximised() ? plat::SW_SHOWMAXIMIZED : plat::SW_SHOWNORMAL);
  gRestoring = 0;
  if (gText) plat::DestroyWindow(gText);
  if (gWindow) plat::DestroyWindow(gWindow);
  gText = nullptr;
  gWindow = nullptr;
}

int IsRestoring() { return gRestoring; }

int PlayerShowsAnimations() {
  return gRestoring ? gSavedShowAnimations : GetShellHooks().showAnimations();
}
