#include "framework/shell/Shutdown.h"

#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/window.h"

namespace {

// The settings file is written back only after it was read, so a start that
// fails early never overwrites it with blank values.
int gSettingsLoaded = 0;

}  // namespace

void KeepSettings() { gSettingsLoaded = 1; }

void ForgetSettings() { gSettingsLoaded = 0; }

void ReleaseProgramResources() {
  if (gAccelerators) plat::DestroyAcceleratorTable(gAccelerators);
  gAccelerators = nullptr;
  gScreen.Free();
  gPicture.Free();
  if (gGame->backgroundPicture) gGame->backgroundPicture->Free();
  if (gGame->FreeWorkBitmaps) gGame->FreeWorkBitmaps();
  gScreen.Palette().Delete();
  FreeHitMap(gHitMap);
  gHitMap = nullptr;
}

void ShutdownApp() {
  if (gSettingsLoaded && gGame->settingsFile && gGame->settings && gGame->settingsSize > 0) {
    WriteSettingsFile(gGame->settingsFile, gGame->settings, gGame->settingsSize);
  }
  ReleaseProgramResources();
}
