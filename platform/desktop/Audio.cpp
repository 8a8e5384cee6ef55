// The mixer, opened at the first sound, and the wave device on its one channel.
#include "platform/desktop/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <unistd.h>

#include <cstdlib>

#include "platform/common/Device.h"

namespace plat::desktop {
namespace {

bool g_open = false;
bool g_tried = false;
constexpr int kWaveChannel = 0;
Mix_Chunk* g_playing = nullptr;

constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

void ChooseSoundFont() {
  if (std::getenv("SDL_SOUNDFONTS")) return;  // the user's choice wins
  for (const char* font : kSoundFonts) {
    if (::access(font, R_OK) == 0) {
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
  Mix_SetTimidityCfg("/etc/timidity/timgm6mb.cfg");
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

namespace plat::common {

void WaveAsked(const void*, DWORD, std::size_t) {}

void StopWave() {
  if (!desktop::g_playing) return;
  Mix_HaltChannel(desktop::kWaveChannel);
  Mix_FreeChunk(desktop::g_playing);
  desktop::g_playing = nullptr;
}

int PlayWave(const std::uint8_t* image, std::size_t size, bool async, bool loop) {
  if (!desktop::OpenAudio()) return -1;
  // The mixer decodes into its own buffer, so memory the caller frees later is never read.
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(image, static_cast<int>(size)), 1);
  if (!chunk) return 0;
  if (Mix_PlayChannel(desktop::kWaveChannel, chunk, loop ? -1 : 0) < 0) {
    Mix_FreeChunk(chunk);
    return 0;
  }
  desktop::g_playing = chunk;
  if (!async) {
    while (Mix_Playing(desktop::kWaveChannel)) SDL_Delay(2);
    StopWave();
  }
  return 1;
}

}  // namespace plat::common
