// Wave sounds and the MIDI sequencer, simulated on the virtual clock, and the
// shell calls; every action is logged for the tests.
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/headless/State.h"

namespace plat {
namespace hl {
namespace {

std::uint32_t Le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Checks a whole wave file image; answers its playing time in ms.
bool ParseWave(const std::uint8_t* data, std::size_t size, DWORD* durationMs) {
  if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return false;
  std::uint32_t byteRate = 0, dataBytes = 0;
  bool haveFormat = false, haveData = false;
  std::size_t pos = 12;
  while (pos + 8 <= size) {
    const std::uint32_t len = Le32(data + pos + 4);
    if (std::memcmp(data + pos, "fmt ", 4) == 0 && len >= 16 && pos + 8 + 16 <= size) {
      byteRate = Le32(data + pos + 8 + 8);
      haveFormat = true;
    } else if (std::memcmp(data + pos, "data", 4) == 0) {
      dataBytes = len;
      haveData = true;
    }
    if (len > size) break;
    pos += 8 + len + (len & 1);
  }
  if (!haveFormat || !haveData) return false;
  *durationMs = byteRate ? static_cast<DWORD>(static_cast<std::uint64_t>(dataBytes) * 1000 / byteRate) : 0;
  return true;
}

void LogSound(headless::SoundRecord::Kind kind, const std::string& name, DWORD flags, std::size_t bytes = 0) {
  S().sounds.push_back(headless::SoundRecord{kind, name, flags, bytes});
}

DWORD PositionOf(const MidiDevice& d) {
  if (d.mode != MCI_MODE_PLAY) return d.position;
  const std::uint64_t played = S().elapsed - d.playStart;
  return static_cast<DWORD>(std::min<std::uint64_t>(d.playFrom + played, d.playTo));
}

void Notify(MidiDevice& d, MCIDEVICEID id, WPARAM code) {
  if (!d.notifyPending) return;
  d.notifyPending = false;
  if (FindWindowObj(d.callback)) common::PostFromDevice(d.callback, MM_MCINOTIFY, code, static_cast<LPARAM>(id));
}

// Stops playing at the current position.
void Halt(MidiDevice& d) {
  d.position = PositionOf(d);
  d.mode = MCI_MODE_STOP;
}

MCIERROR Play(MCIDEVICEID id, MidiDevice& d, DWORD flags, const MCI_PLAY_PARMS* p) {
  if ((flags & (MCI_NOTIFY | MCI_FROM | MCI_TO)) && !p) return MCIERR_MISSING_PARAMETER;
  DWORD from = PositionOf(d);
  if (flags & MCI_FROM) from = p->dwFrom;
  DWORD to = d.length;
  if (flags & MCI_TO) to = p->dwTo;
  if (from > d.length || to > d.length || from > to) return MCIERR_HARDWARE;
  if (flags & MCI_NOTIFY) {
    Notify(d, id, MCI_NOTIFY_SUPERSEDED);
    d.notifyPending = true;
    d.callback = p->dwCallback;
  }
  d.mode = MCI_MODE_PLAY;
  d.playFrom = from;
  d.playTo = to;
  d.playStart = S().elapsed;
  d.position = from;
  if (flags & MCI_WAIT) AdvanceBy(to - from);
  return 0;
}

}  // namespace

void RunMidiEventsAt(std::uint64_t now) {
  for (auto& [id, d] : S().midi) {
    if (d.mode != MCI_MODE_PLAY) continue;
    if (d.playStart + (d.playTo - d.playFrom) > now) continue;
    d.position = d.playTo;
    d.mode = MCI_MODE_STOP;
    Notify(d, id, MCI_NOTIFY_SUCCESSFUL);
  }
}

void ResetSound() {
  State& s = S();
  s.sounds.clear();
  s.midi.clear();
  s.midiLength = 60000;
  s.wavePlaying = false;
}

}  // namespace hl

using namespace hl;

BOOL PlaySound(const void* sound, DWORD flags) {
  State& s = S();
  if (!sound || (flags & SND_PURGE)) {
    s.wavePlaying = false;
    LogSound(headless::SoundRecord::WAVE_STOP, "", flags);
    return TRUE;
  }
  // Every request is logged, a sound that cannot play too: a test sees what
  // the program asked for even without the files.
  DWORD duration = 0;
  bool playable = false;
  if (flags & SND_MEMORY) {
    const std::uint8_t* p = static_cast<const std::uint8_t*>(sound);
    const bool riff = std::memcmp(p, "RIFF", 4) == 0;
    const std::size_t bytes = riff ? static_cast<std::size_t>(Le32(p + 4)) + 8 : 0;
    playable = riff && ParseWave(p, bytes, &duration);
    LogSound(headless::SoundRecord::WAVE, "<memory>", flags, bytes);
  } else {
    const char* name = static_cast<const char*>(sound);
    if (std::FILE* f = OpenFile(name, "rb")) {
      std::vector<std::uint8_t> data;
      std::uint8_t chunk[65536];
      std::size_t got;
      while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) data.insert(data.end(), chunk, chunk + got);
      std::fclose(f);
      playable = ParseWave(data.data(), data.size(), &duration);
    }
    LogSound(headless::SoundRecord::WAVE, name, flags);
  }
  if (!playable) {
    s.wavePlaying = false;
    return FALSE;
  }
  if (flags & SND_ASYNC) {
    s.wavePlaying = true;
  } else {
    s.wavePlaying = false;
    AdvanceBy(duration);
  }
  return TRUE;
}

MCIERROR mciSendCommand(MCIDEVICEID device, UINT command, DWORD flags, void* params) {
  State& s = S();
  if (command == MCI_OPEN) {
    auto* p = static_cast<MCI_OPEN_PARMS*>(params);
    if (!p) return MCIERR_MISSING_PARAMETER;
    if ((flags & MCI_OPEN_TYPE) && (!p->lpstrDeviceType || ::strcasecmp(p->lpstrDeviceType, "sequencer") != 0))
      return MCIERR_INVALID_DEVICE_NAME;
    if (!(flags & MCI_OPEN_ELEMENT) || !p->lpstrElementName) return MCIERR_MISSING_PARAMETER;
    if (!FileExists(p->lpstrElementName)) return MCIERR_FILE_NOT_FOUND;
    MidiDevice d;
    d.element = p->lpstrElementName;
    d.length = s.midiLength;
    const MCIDEVICEID id = s.nextMidiId++;
    s.midi[id] = d;
    p->wDeviceID = id;
    LogSound(headless::SoundRecord::MIDI_OPEN, d.element, flags);
    return 0;
  }
  auto it = s.midi.find(device);
  if (it == s.midi.end()) return MCIERR_INVALID_DEVICE_ID;
  MidiDevice& d = it->second;
  switch (command) {
    case MCI_CLOSE: {
      Notify(d, device, MCI_NOTIFY_ABORTED);
      const std::string name = d.element;
      s.midi.erase(it);
      LogSound(headless::SoundRecord::MIDI_CLOSE, name, flags);
      return 0;
    }
    case MCI_PLAY: {
      const MCIERROR e = Play(device, d, flags, static_cast<const MCI_PLAY_PARMS*>(params));
      if (e == 0) LogSound(headless::SoundRecord::MIDI_PLAY, d.element, flags);
      return e;
    }
    case MCI_STOP:
      Halt(d);
      Notify(d, device, MCI_NOTIFY_ABORTED);
      return 0;
    case MCI_PAUSE:
      if (d.mode == MCI_MODE_PLAY) {
        Halt(d);
        d.mode = MCI_MODE_PAUSE;
        Notify(d, device, MCI_NOTIFY_ABORTED);
      }
      LogSound(headless::SoundRecord::MIDI_PAUSE, d.element, flags);
      return 0;
    case MCI_RESUME:
      if (d.mode == MCI_MODE_PAUSE) {
        MCI_PLAY_PARMS p{};
        if (params) p.dwCallback = static_cast<MCI_GENERIC_PARMS*>(params)->dwCallback;
        d.mode = MCI_MODE_STOP;
        const MCIERROR e = Play(device, d, flags & (MCI_NOTIFY | MCI_WAIT), params ? &p : nullptr);
        if (e) return e;
      }
      LogSound(headless::SoundRecord::MIDI_RESUME, d.element, flags);
      return 0;
    case MCI_SEEK: {
      auto* p = static_cast<MCI_SEEK_PARMS*>(params);
      DWORD to = 0;
      if (flags & MCI_SEEK_TO_START) {
        to = 0;
      } else if ((flags & MCI_TO) && p) {
        to = std::min(p->dwTo, d.length);
      } else {
        return MCIERR_MISSING_PARAMETER;
      }
      Notify(d, device, MCI_NOTIFY_ABORTED);
      d.mode = MCI_MODE_STOP;
      d.position = to;
      LogSound(headless::SoundRecord::MIDI_SEEK, d.element, flags);
      return 0;
    }
    case MCI_STATUS: {
      auto* p = static_cast<MCI_STATUS_PARMS*>(params);
      if (!p || !(flags & MCI_STATUS_ITEM)) return MCIERR_MISSING_PARAMETER;
      switch (p->dwItem) {
        case MCI_STATUS_LENGTH: p->dwReturn = d.length; return 0;
        case MCI_STATUS_POSITION: p->dwReturn = PositionOf(d); return 0;
        case MCI_STATUS_MODE: p->dwReturn = d.mode; return 0;
        default: return MCIERR_UNRECOGNIZED_COMMAND;
      }
    }
    default:
      return MCIERR_UNRECOGNIZED_COMMAND;
  }
}

INT_PTR ShellExecute(HWND, const char*, const char* file, const char*, const char*, int) {
  if (!file || !*file) return 2;
  S().shellOpens.push_back(file);
  return S().shellResult;
}

BOOL WinHelp(HWND, const char*, UINT command, std::uintptr_t) { return command == HELP_QUIT ? TRUE : FALSE; }

namespace headless {

const std::vector<SoundRecord>& Sounds() { return S().sounds; }

void ClearSounds() { S().sounds.clear(); }

void SetMidiLength(DWORD ms) { S().midiLength = ms; }

void EndMidiPiece() {
  for (auto& [id, d] : S().midi) {
    if (d.mode != MCI_MODE_PLAY && d.mode != MCI_MODE_PAUSE) continue;
    d.position = d.mode == MCI_MODE_PLAY ? d.playTo : d.length;
    d.mode = MCI_MODE_STOP;
    Notify(d, id, MCI_NOTIFY_SUCCESSFUL);
  }
}

void StopMidiSilently() {
  for (auto& [id, d] : S().midi) {
    Halt(d);
    d.notifyPending = false;
  }
}

const std::vector<std::string>& ShellOpens() { return S().shellOpens; }

void SetShellExecuteResult(INT_PTR result) { S().shellResult = result; }

}  // namespace headless
}  // namespace plat
