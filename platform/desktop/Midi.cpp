#include "platform/desktop/Midi.h"

#include <SDL_mixer.h>

#include <QTimer>

#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <strings.h>
#include <thread>
#include <vector>

#include "platform/desktop/Audio.h"
#include "platform/desktop/MidiLength.h"
#include "platform/include/plat/sound.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

namespace plat::desktop {
namespace {

using Clock = std::chrono::steady_clock;

// A device keeps its own clock, so it keeps time (and reports the end of a
// piece) whether or not the decoder can be heard.
struct CMidiDevice {
  MCIDEVICEID id = 0;
  Mix_Music* music = nullptr;  // null: silent
  DWORD length = 0;
  DWORD mode = MCI_MODE_STOP;
  DWORD position = 0;          // while not playing
  DWORD playFrom = 0;          // while playing: position at playStart
  DWORD playTo = 0;
  Clock::time_point playStart;
  HWND notifyWindow = nullptr;
  std::unique_ptr<QTimer> endTimer;
  ~CMidiDevice() {
    if (music) Mix_FreeMusic(music);
  }
};

std::map<MCIDEVICEID, std::unique_ptr<CMidiDevice>>& Devices() {
  static std::map<MCIDEVICEID, std::unique_ptr<CMidiDevice>> devices;
  return devices;
}
MCIDEVICEID g_nextId = 1;
CMidiDevice* g_sounding = nullptr;  // the device whose music SDL plays

DWORD Position(const CMidiDevice& d) {
  if (d.mode != MCI_MODE_PLAY) return d.position;
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - d.playStart);
  const long long p = d.playFrom + ms.count();
  return static_cast<DWORD>(p < d.playTo ? p : d.playTo);
}

void Notify(CMidiDevice& d, WPARAM result) {
  if (!d.notifyWindow) return;
  PostMessage(d.notifyWindow, MM_MCINOTIFY, result, static_cast<LPARAM>(d.id));
  d.notifyWindow = nullptr;
}

void Silence(CMidiDevice& d) {
  if (d.endTimer) d.endTimer->stop();
  if (g_sounding == &d) {
    Mix_HaltMusic();
    g_sounding = nullptr;
  }
}

// Leaves the playing mode at the current position.
void Halt(CMidiDevice& d, DWORD mode) {
  d.position = Position(d);
  d.mode = mode;
  Silence(d);
}

void CheckEnd(CMidiDevice& d) {
  if (d.mode != MCI_MODE_PLAY || Position(d) < d.playTo) return;
  Halt(d, MCI_MODE_STOP);
  Notify(d, MCI_NOTIFY_SUCCESSFUL);
}

CMidiDevice* Find(MCIDEVICEID id) {
  auto it = Devices().find(id);
  if (it == Devices().end()) return nullptr;
  CheckEnd(*it->second);
  return it->second.get();
}

MCIERROR Open(DWORD flags, MCI_OPEN_PARMS* p) {
  if (!p || !(flags & MCI_OPEN_ELEMENT) || !p->lpstrElementName) return MCIERR_MISSING_PARAMETER;
  if ((flags & MCI_OPEN_TYPE) && (!p->lpstrDeviceType || strcasecmp(p->lpstrDeviceType, "sequencer") != 0)) {
    return MCIERR_INVALID_DEVICE_NAME;
  }
  char path[4096];
  if (!ResolvePath(p->lpstrElementName, path, sizeof path) || !FileExists(path)) {
    return MCIERR_FILE_NOT_FOUND;
  }
  std::vector<std::uint8_t> data;
  std::uint32_t length = 0;
  if (!ReadWholeFile(path, &data) || !MidiLengthMs(data.data(), data.size(), &length)) {
    return MCIERR_INVALID_FILE;
  }
  auto d = std::make_unique<CMidiDevice>();
  d->id = g_nextId++;
  d->length = length;
  if (OpenAudio()) d->music = Mix_LoadMUS(path);  // a decoder that fails leaves it silent
  p->wDeviceID = d->id;
  Devices()[d->id] = std::move(d);
  return 0;
}

MCIERROR Play(CMidiDevice& d, DWORD flags, const MCI_PLAY_PARMS* p) {
  if ((flags & (MCI_FROM | MCI_TO | MCI_NOTIFY)) && !p) return MCIERR_MISSING_PARAMETER;
  const bool resume = d.mode == MCI_MODE_PAUSE && !(flags & MCI_FROM);
  const DWORD from = flags & MCI_FROM ? std::min(p->dwFrom, d.length) : Position(d);
  const DWORD to = flags & MCI_TO ? std::min(p->dwTo, d.length) : d.length;
  Notify(d, MCI_NOTIFY_ABORTED);
  if (resume) {
    if (g_sounding == &d) Mix_ResumeMusic();
  } else {
    Halt(d, MCI_MODE_STOP);
    if (d.music && Mix_PlayMusic(d.music, 0) == 0) {
      g_sounding = &d;
      if (from > 0) Mix_SetMusicPosition(from / 1000.0);
    }
  }
  d.mode = MCI_MODE_PLAY;
  d.playFrom = from;
  d.playTo = to < from ? from : to;
  d.playStart = Clock::now();
  if (flags & MCI_NOTIFY) d.notifyWindow = p->dwCallback;
  if (flags & MCI_WAIT) {
    std::this_thread::sleep_for(std::chrono::milliseconds(d.playTo - from));
    CheckEnd(d);
    return 0;
  }
  if (!d.endTimer) {
    d.endTimer = std::make_unique<QTimer>();
    d.endTimer->setSingleShot(true);
    d.endTimer->setTimerType(Qt::PreciseTimer);
    const MCIDEVICEID id = d.id;
    QObject::connect(d.endTimer.get(), &QTimer::timeout, [id] {
      // A timer that fires a little early waits for the rest.
      CMidiDevice* self = Find(id);
      if (self && self->mode == MCI_MODE_PLAY) {
        self->endTimer->start(static_cast<int>(std::max<DWORD>(1, self->playTo - Position(*self))));
      }
    });
  }
  d.endTimer->start(static_cast<int>(d.playTo - from));
  return 0;
}

MCIERROR Status(CMidiDevice& d, DWORD flags, MCI_STATUS_PARMS* p) {
  if (!p || !(flags & MCI_STATUS_ITEM)) return MCIERR_MISSING_PARAMETER;
  switch (p->dwItem) {
    case MCI_STATUS_LENGTH:
      p->dwReturn = d.length;
      return 0;
    case MCI_STATUS_POSITION:
      p->dwReturn = Position(d);
      return 0;
    case MCI_STATUS_MODE:
      p->dwReturn = d.mode;
      return 0;
    default:
      return MCIERR_UNRECOGNIZED_COMMAND;
  }
}

}  // namespace

void CloseAllMidi() {
  for (auto& [id, d] : Devices()) Silence(*d);
  Devices().clear();
  g_sounding = nullptr;
}

}  // namespace plat::desktop

namespace plat {

using desktop::CMidiDevice;

MCIERROR mciSendCommand(MCIDEVICEID device, UINT command, DWORD flags, void* params) {
  if (command == MCI_OPEN) return desktop::Open(flags, static_cast<MCI_OPEN_PARMS*>(params));
  CMidiDevice* d = desktop::Find(device);
  if (!d) return MCIERR_INVALID_DEVICE_ID;
  switch (command) {
    case MCI_CLOSE:
      desktop::Silence(*d);
      desktop::Devices().erase(device);
      return 0;
    case MCI_PLAY:
      return desktop::Play(*d, flags, static_cast<const MCI_PLAY_PARMS*>(params));
    case MCI_PAUSE:
      if (d->mode == MCI_MODE_PLAY) {
        desktop::Notify(*d, MCI_NOTIFY_ABORTED);
        d->position = desktop::Position(*d);
        d->mode = MCI_MODE_PAUSE;
        if (d->endTimer) d->endTimer->stop();
        if (desktop::g_sounding == d) Mix_PauseMusic();
      }
      return 0;
    case MCI_RESUME:
      if (d->mode != MCI_MODE_PAUSE) return 0;
      return desktop::Play(*d, 0, nullptr);
    case MCI_STOP:
      desktop::Notify(*d, MCI_NOTIFY_ABORTED);
      desktop::Halt(*d, MCI_MODE_STOP);
      return 0;
    case MCI_SEEK: {
      const auto* p = static_cast<const MCI_SEEK_PARMS*>(params);
      if (!(flags & (MCI_SEEK_TO_START | MCI_TO)) || ((flags & MCI_TO) && !p)) {
        return MCIERR_MISSING_PARAMETER;
      }
      desktop::Notify(*d, MCI_NOTIFY_ABORTED);
      desktop::Halt(*d, MCI_MODE_STOP);
      d->position = flags & MCI_TO ? std::min(p->dwTo, d->length) : 0;
      return 0;
    }
    case MCI_STATUS:
      return desktop::Status(*d, flags, static_cast<MCI_STATUS_PARMS*>(params));
    default:
      return MCIERR_UNRECOGNIZED_COMMAND;
  }
}

BOOL mciGetErrorString(MCIERROR error, char* buffer, UINT bufferSize) {
  struct Text {
    MCIERROR code;
    const char* text;
  };
  static constexpr Text kTexts[] = {
      {0, "The command was carried out."},
      {MCIERR_INVALID_DEVICE_ID, "The device id does not name an open device."},
      {MCIERR_UNRECOGNIZED_COMMAND, "The device does not know this command."},
      {MCIERR_HARDWARE, "The sound output does not work."},
      {MCIERR_INVALID_DEVICE_NAME, "The device type is not known."},
      {MCIERR_MISSING_PARAMETER, "A parameter the command needs is missing."},
      {MCIERR_FILE_NOT_FOUND, "The file cannot be found."},
      {MCIERR_INVALID_FILE, "The file is not a MIDI file that can be played."},
  };
  if (!buffer || bufferSize == 0) return FALSE;
  for (const Text& t : kTexts) {
    if (t.code != error) continue;
    const std::size_t n = std::min<std::size_t>(std::strlen(t.text), bufferSize - 1);
    std::memcpy(buffer, t.text, n);
    buffer[n] = '\0';
    return TRUE;
  }
  buffer[0] = '\0';
  return FALSE;
}

}  // namespace plat
