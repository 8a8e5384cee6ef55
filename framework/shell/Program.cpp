#include "framework/shell/Program.h"

#include <cstring>
#include <string>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Startup.h"
#include "framework/link/ShellHooks.h"
#include "framework/shell/SoundFlags.h"
#include "platform/include/plat/app.h"
#include "platform/include/plat/resource.h"
#include "platform/include/plat/window.h"

namespace {

plat::HWND MainWindow() { return gMainWindow; }
int ShowAnimations() { return gCasinoCfg.showAnimations; }
void SetShowAnimations(int value) { gCasinoCfg.showAnimations = static_cast<std::uint16_t>(value); }
int WindowMaximised() { return gCasinoCfg.maximised; }

}  // namespace

void InstallGame(const GameDefinition& game) {
  gGame = &game;
  plat::RegisterAcceleratorResource(kAcceleratorResource, game.accelerators,
                                    game.acceleratorCount);
  plat::RegisterCursorResource(kHandCursorResource, plat::IDC_HAND);
  SetShellHooks(ShellHooks{MainWindow, PlaybackPressButton, IsButtonEnabled, MuteForRestore,
                           RestoreSoundFlags, ShowAnimations, SetShowAnimations,
                           WindowMaximised});
}

int RunProgram(int argc, char** argv, const GameDefinition& game) {
  if (!plat::InitBackend(argc, argv)) return 1;
  InstallGame(game);
  std::string commandLine;
  int showCommand = plat::SW_SHOWNORMAL;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], kHiddenOption) == 0) {
      showCommand = plat::SW_HIDE;
      continue;
    }
    if (!commandLine.empty()) commandLine += ' ';
    commandLine += argv[i];
  }
  int result = WinMain(plat::GetModuleInstance(), nullptr, commandLine.c_str(), showCommand);
  plat::ShutdownBackend();
  return result;
}
