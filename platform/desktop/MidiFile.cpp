#include "platform/desktop/MidiFile.h"

#include <fluidsynth.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>

namespace plat::desktop {
namespace {

// A cursor that never reads past the end of its bytes.
struct CReader {
  const std::uint8_t* at;
  const std::uint8_t* end;

  std::size_t Left() const { return static_cast<std::size_t>(end - at); }
  bool Skip(std::size_t n) {
    if (n > Left()) return false;
    at += n;
    return true;
  }
  bool BigEndian(std::size_t bytes, std::uint32_t* out) {
    if (bytes > Left()) return false;
    *out = 0;
    for (std::size_t i = 0; i < bytes; ++i) *out = (*out << 8) | *at++;
    return true;
  }
  // A variable-length quantity: at most four bytes of seven bits.
  bool Quantity(std::uint32_t* out) {
    *out = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
      const std::uint8_t b = *at++;
      *out = (*out << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }
  bool Tag(const char* four) {
    if (Left() < 4 || std::memcmp(at, four, 4) != 0) return false;
    at += 4;
    return true;
  }
};

// tempos: tick -> microseconds per quarter note (the last change at a tick wins).
bool ReadTrack(CReader track, std::map<std::uint64_t, std::uint32_t>* tempos, std::uint64_t* endTick) {
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  while (track.Left() > 0) {
    std::uint32_t delta;
    if (!track.Quantity(&delta) || track.Left() == 0) return false;
    tick += delta;
    std::uint8_t status = *track.at;
    if (status & 0x80) {
      ++track.at;
    } else if (running) {
      status = running;
    } else {
      return false;  // data byte without a status
    }
    if (status < 0xF0) {
      running = status;
      const int kind = status >> 4;
      if (!track.Skip(kind == 0xC || kind == 0xD ? 1 : 2)) return false;
      continue;
    }
    running = 0;
    // System exclusive (type 0) or a meta event: a length and a body.
    std::uint32_t type = 0, length;
    if ((status != 0xF0 && status != 0xF7 && status != 0xFF) || (status == 0xFF && !track.BigEndian(1, &type)) ||
        !track.Quantity(&length) || length > track.Left()) {
      return false;
    }
    const std::uint8_t* body = track.at;
    track.at += length;
    if (type == 0x51 && length == 3) (*tempos)[tick] = (std::uint32_t{body[0]} << 16) | (body[1] << 8) | body[2];
    if (type == 0x2F) break;
  }
  *endTick = tick;
  return true;
}

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

bool MidiLengthMs(const std::uint8_t* data, std::size_t size, std::uint32_t* lengthMs) {
  if (!data || !lengthMs) return false;
  CReader file{data, data + size};
  std::uint32_t headerLength, format, tracks, division;
  if (!file.Tag("MThd") || !file.BigEndian(4, &headerLength) || headerLength < 6 || !file.BigEndian(2, &format) ||
      !file.BigEndian(2, &tracks) || !file.BigEndian(2, &division) || !file.Skip(headerLength - 6) ||
      format > 2 || tracks == 0 || division == 0) {
    return false;
  }
  std::map<std::uint64_t, std::uint32_t> tempos;
  std::uint64_t lastTick = 0;
  std::uint32_t found = 0;
  while (found < tracks && file.Left() > 0) {
    const bool isTrack = file.Tag("MTrk");
    std::uint32_t length;
    // An unknown chunk is skipped.
    if ((!isTrack && !file.Skip(4)) || !file.BigEndian(4, &length) || length > file.Left()) return false;
    if (isTrack) {
      std::uint64_t end = 0;
      if (!ReadTrack(CReader{file.at, file.at + length}, &tempos, &end)) return false;
      lastTick = std::max(lastTick, end);
      ++found;
    }
    file.at += length;
  }
  if (found == 0) return false;

  double micros = 0;
  if (division & 0x8000) {
    // SMPTE time: frames per second and ticks per frame; tempo plays no part.
    const int fps = -static_cast<int>(static_cast<std::int8_t>(division >> 8));
    const int perFrame = static_cast<int>(division & 0xFF);
    if (fps <= 0 || perFrame <= 0) return false;
    micros = static_cast<double>(lastTick) * 1e6 / (fps * perFrame);
  } else {
    std::uint64_t at = 0;
    std::uint32_t tempo = 500000;  // 120 quarter notes a minute until told otherwise
    for (const auto& [tick, next] : tempos) {
      if (tick >= lastTick) break;
      micros += static_cast<double>(tick - at) * tempo / division;
      at = tick;
      tempo = next;
    }
    micros += static_cast<double>(lastTick - at) * tempo / division;
  }
  *lengthMs = static_cast<std::uint32_t>(std::lround(micros / 1000.0));
  return true;
}

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
