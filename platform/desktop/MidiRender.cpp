#include "platform/desktop/MidiRender.h"

#include <fluidsynth.h>

#include <bit>
#include <cstring>
#include <memory>

#include "platform/desktop/MidiLength.h"

namespace plat::desktop {
namespace {

// The synthesiser writes native samples; a WAV file holds little-endian ones.
static_assert(std::endian::native == std::endian::little);

constexpr int kChannels = 2;
constexpr int kBlockFrames = 1024;
constexpr std::size_t kWavHeaderSize = 44;
// SDL_mixer's streaming decoder sets this gain at full music volume.
constexpr float kGain = 1.2f;

struct FluidDeleter {
  void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
  void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
  void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
};

void Put32(std::uint8_t* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::uint8_t* at, std::uint16_t v) {
  at[0] = static_cast<std::uint8_t>(v);
  at[1] = static_cast<std::uint8_t>(v >> 8);
}

void WriteWavHeader(std::vector<std::uint8_t>* wav, int rate) {
  std::uint8_t* h = wav->data();
  const auto dataBytes = static_cast<std::uint32_t>(wav->size() - kWavHeaderSize);
  std::memcpy(h, "RIFF", 4);
  Put32(h + 4, dataBytes + 36);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  Put32(h + 16, 16);
  Put16(h + 20, 1);  // PCM
  Put16(h + 22, kChannels);
  Put32(h + 24, static_cast<std::uint32_t>(rate));
  Put32(h + 28, static_cast<std::uint32_t>(rate * kChannels * 2));
  Put16(h + 32, kChannels * 2);
  Put16(h + 34, 16);
  std::memcpy(h + 36, "data", 4);
  Put32(h + 40, dataBytes);
}

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
  for (std::size_t from = 0; from <= soundFonts.size();) {
    std::size_t end = soundFonts.find(';', from);
    if (end == std::string::npos) end = soundFonts.size();
    const std::string font = soundFonts.substr(from, end - from);
    if (!font.empty() && fluid_synth_sfload(synth.get(), font.c_str(), 1) != FLUID_FAILED) loaded = true;
    from = end + 1;
  }
  if (!loaded) return false;
  fluid_synth_set_gain(synth.get(), kGain);
  std::unique_ptr<fluid_player_t, FluidDeleter> player(new_fluid_player(synth.get()));
  if (!player || fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK ||
      fluid_player_play(player.get()) != FLUID_OK) {
    return false;
  }
  wav->assign(kWavHeaderSize, 0);
  std::int16_t block[kBlockFrames * kChannels];
  for (long long done = 0; done < frames && fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING;
       done += kBlockFrames) {
    if (cancel.load(std::memory_order_relaxed)) return false;
    if (fluid_synth_write_s16(synth.get(), kBlockFrames, block, 0, 2, block, 1, 2) != FLUID_OK) return false;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(block);
    wav->insert(wav->end(), bytes, bytes + sizeof block);
  }
  WriteWavHeader(wav, rate);
  return true;
}

}  // namespace plat::desktop
