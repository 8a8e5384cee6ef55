// The wave device: one mixer channel; without a sound device a wave is
// only timed.
#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/common/Device.h"
#include "platform/desktop/Audio.h"

namespace plat::common {
namespace {

constexpr int kChannel = 0;
Mix_Chunk* g_playing = nullptr;

}  // namespace

void WaveAsked(const void*, DWORD, std::size_t) {}

void StopWave() {
  if (!g_playing) return;
  Mix_HaltChannel(kChannel);
  Mix_FreeChunk(g_playing);
  g_playing = nullptr;
}

bool PlayWave(const std::uint8_t* image, std::size_t size, DWORD durationMs, bool async, bool loop) {
  if (!desktop::OpenAudio()) {
    if (!async) PassTime(durationMs);
    return true;
  }
  // The mixer decodes into its own buffer, so memory the caller frees later is never read.
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(image, static_cast<int>(size)), 1);
  if (!chunk) return false;
  if (Mix_PlayChannel(kChannel, chunk, loop ? -1 : 0) < 0) {
    Mix_FreeChunk(chunk);
    return false;
  }
  g_playing = chunk;
  if (!async) {
    while (Mix_Playing(kChannel)) SDL_Delay(2);
    StopWave();
  }
  return true;
}

}  // namespace plat::common
