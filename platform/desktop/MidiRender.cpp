#include "platform/desktop/MidiFile.h"

#include <fluidsynth.h>

#include <bit>
#include <cstring>
#include <memory>
#include <sstream>

namespace plat::desktop {
namespace {

// The synthesiser writes native samples and the header is copied as it lies
// in memory; a WAV file holds little-endian ones.
static_assert(std::endian::native == std::endian::little);

constexpr int kChannels = 2;
constexpr int kBlockFrames = 1024;
// SDL_mixer's streaming decoder sets this gain at full music volume.
constexpr float kGain = 1.2f;

struct FluidDeleter {
  void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
  void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
  void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
};

struct WavHeader {
  char riff[4] = {'R', 'I', 'F', 'F'};
  std::uint32_t riffBytes;
  char waveFmt[8] = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
  std::uint32_t fmtBytes = 16;
  std::uint16_t format = 1;  // PCM
  std::uint16_t channels = kChannels;
  std::uint32_t rate;
  std::uint32_t byteRate;
  std::uint16_t frameBytes = kChannels * 2;
  std::uint16_t bits = 16;
  char data[4] = {'d', 'a', 't', 'a'};
  std::uint32_t dataBytes;
};
static_assert(sizeof(WavHeader) == 44);

}  // namespace

bool RenderMidiToWav(const std::vector<std::uint8_t>& midi, const std::string& soundFonts, int rate,
                     const std::atomic<bool>& cancel, std::vector<std::uint8_t>* wav) {
  std::uint32_t ms = 0;
  if (!MidiLengthMs(midi.data(), midi.size(), &ms)) return false;
  // The device stops the music at the piece's end; the fading notes after
  // it are never heard.
  const long long frames = (static_cast<long long>(ms) * rate + 999) / 1000;
  std::unique_ptr<fluid_settings_t, FluidDeleter> settings(new_fluid_settings());
  if (!settings) return false;
  fluid_settings_setnum(settings.get(), "synth.sample-rate", rate);
  std::unique_ptr<fluid_synth_t, FluidDeleter> synth(new_fluid_synth(settings.get()));
  if (!synth) return false;
  bool loaded = false;
  std::istringstream fonts(soundFonts);
  for (std::string font; std::getline(fonts, font, ';');) {
    if (!font.empty() && fluid_synth_sfload(synth.get(), font.c_str(), 1) != FLUID_FAILED) loaded = true;
  }
  if (!loaded) return false;
  fluid_synth_set_gain(synth.get(), kGain);
  std::unique_ptr<fluid_player_t, FluidDeleter> player(new_fluid_player(synth.get()));
  if (!player || fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK ||
      fluid_player_play(player.get()) != FLUID_OK) {
    return false;
  }
  wav->assign(sizeof(WavHeader), 0);
  std::int16_t block[kBlockFrames * kChannels];
  for (long long done = 0; done < frames && fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING;
       done += kBlockFrames) {
    if (cancel.load(std::memory_order_relaxed)) return false;
    if (fluid_synth_write_s16(synth.get(), kBlockFrames, block, 0, 2, block, 1, 2) != FLUID_OK) return false;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(block);
    wav->insert(wav->end(), bytes, bytes + sizeof block);
  }
  const auto dataBytes = static_cast<std::uint32_t>(wav->size() - sizeof(WavHeader));
  const auto perSecond = static_cast<std::uint32_t>(rate);
  const WavHeader header{.riffBytes = dataBytes + 36, .rate = perSecond, .byteRate = perSecond * kChannels * 2,
                         .dataBytes = dataBytes};
  std::memcpy(wav->data(), &header, sizeof header);
  return true;
}

}  // namespace plat::desktop
