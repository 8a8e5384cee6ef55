#include "platform/desktop/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstdlib>

#include "platform/common/Device.h"

namespace plat::desktop {
namespace {

bool g_open = false;
bool g_tried = false;

constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};
constexpr const char* kTimidityConfig = "/etc/timidity/timgm6mb.cfg";

void ChooseSoundFont() {
  if (std::getenv("SDL_SOUNDFONTS")) return;  // the user's choice wins
  for (const char* font : kSoundFonts) {
    if (std::FILE* f = std::fopen(font, "rb")) {
      std::fclose(f);
      Mix_SetSoundFonts(font);
      return;
    }
  }
}

}  // namespace

bool OpenAudio() {
  if (g_tried) return g_open;
  g_tried = true;
  // SDL would turn SIGINT and SIGTERM into events nobody reads: the process
  // must still end on them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(1);
  ChooseSoundFont();
  Mix_SetTimidityCfg(kTimidityConfig);
  g_open = true;
  return true;
}

void ShutdownAudio() {
  g_tried = false;
  if (!g_open) return;
  common::StopWave();
  Mix_HaltMusic();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  g_open = false;
}

}  // namespace plat::desktop
