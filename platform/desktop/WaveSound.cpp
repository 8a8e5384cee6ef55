#include "platform/desktop/WaveSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/desktop/Audio.h"
#include "platform/include/plat/sound.h"

namespace plat::desktop {
namespace {

constexpr int kChannel = 0;
constexpr std::uint32_t kLargestWave = 256u << 20;
Mix_Chunk* g_playing = nullptr;

std::uint32_t Little32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// A wave file in memory carries its own size in the RIFF header.
bool WaveInMemory(const void* sound, const std::uint8_t** data, std::size_t* size) {
  const auto* p = static_cast<const std::uint8_t*>(sound);
  if (std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return false;
  const std::uint32_t riff = Little32(p + 4);
  if (riff < 4 || riff > kLargestWave) return false;
  *data = p;
  *size = static_cast<std::size_t>(riff) + 8;
  return true;
}

// Without a device the sound is only checked, and a synchronous one takes
// its playing time.
bool PlaySilently(const std::uint8_t* data, std::size_t size, bool wait) {
  SDL_AudioSpec format;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1, &format, &buffer, &length)) {
    return false;
  }
  const int frameBytes = SDL_AUDIO_BITSIZE(format.format) / 8 * format.channels;
  const double seconds = frameBytes > 0 && format.freq > 0
                             ? static_cast<double>(length) / frameBytes / format.freq
                             : 0.0;
  SDL_FreeWAV(buffer);
  if (wait) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  return true;
}

}  // namespace

void StopWave() {
  if (!g_playing) return;
  Mix_HaltChannel(kChannel);
  Mix_FreeChunk(g_playing);
  g_playing = nullptr;
}

}  // namespace plat::desktop

namespace plat {

BOOL PlaySound(const void* sound, DWORD flags) {
  desktop::StopWave();
  if (!sound || (flags & SND_PURGE)) return TRUE;
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  std::vector<std::uint8_t> file;
  if (flags & SND_MEMORY) {
    if (!desktop::WaveInMemory(sound, &data, &size)) return FALSE;
  } else {
    if (!desktop::ReadWholeFile(static_cast<const char*>(sound), &file) || file.size() < 12) {
      return FALSE;
    }
    data = file.data();
    size = file.size();
  }
  const bool async = (flags & SND_ASYNC) != 0;
  if (!desktop::OpenAudio()) return desktop::PlaySilently(data, size, !async) ? TRUE : FALSE;
  // The mixer decodes into its own buffer, so memory the caller frees later is never read.
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(data, static_cast<int>(size)), 1);
  if (!chunk) return FALSE;
  const int loops = async && (flags & SND_LOOP) ? -1 : 0;
  if (Mix_PlayChannel(desktop::kChannel, chunk, loops) < 0) {
    Mix_FreeChunk(chunk);
    return FALSE;
  }
  desktop::g_playing = chunk;
  if (!async) {
    while (Mix_Playing(desktop::kChannel)) SDL_Delay(2);
    desktop::StopWave();
  }
  return TRUE;
}

}  // namespace plat
