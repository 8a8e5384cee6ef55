#include "framework/link/ShellHooks.h"

namespace {

plat::HWND NoWindow() { return nullptr; }
void NoPress(int, int) {}
int NoButton(int) { return 0; }
void Nothing() {}
int Zero() { return 0; }
void NoValue(int) {}

constexpr ShellHooks kDefaultHooks{NoWindow, NoPress, NoButton, Nothing, Nothing, Zero, NoValue, Zero};

ShellHooks gShellHooks = kDefaultHooks;

}  // namespace

void SetShellHooks(const ShellHooks& hooks) {
  gShellHooks = hooks;
  // A hole in the table keeps its no-op, so callers never test for null.
  if (!gShellHooks.mainWindow) gShellHooks.mainWindow = kDefaultHooks.mainWindow;
  if (!gShellHooks.pressButton) gShellHooks.pressButton = kDefaultHooks.pressButton;
  if (!gShellHooks.isButtonEnabled) gShellHooks.isButtonEnabled = kDefaultHooks.isButtonEnabled;
  if (!gShellHooks.muteForRestore) gShellHooks.muteForRestore = kDefaultHooks.muteForRestore;
  if (!gShellHooks.restoreSoundFlags) gShellHooks.restoreSoundFlags = kDefaultHooks.restoreSoundFlags;
  if (!gShellHooks.showAnimations) gShellHooks.showAnimations = kDefaultHooks.showAnimations;
  if (!gShellHooks.setShowAnimations) gShellHooks.setShowAnimations = kDefaultHooks.setShowAnimations;
  if (!gShellHooks.windowMaximised) gShellHooks.windowMaximised = kDefaultHooks.windowMaximised;
}

const ShellHooks& GetShellHooks() { return gShellHooks; }
