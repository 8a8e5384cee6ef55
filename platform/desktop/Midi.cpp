#include "platform/desktop/Midi.h"

#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <atomic>
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
#include "platform/desktop/MidiRender.h"
#include "platform/desktop/Pump.h"
#include "platform/include/plat/sound.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

namespace plat::desktop {
namespace {

using Clock = std::chrono::steady_clock;

// A piece rendered on a worker thread. The worker writes wav, then sets
// state; the main thread reads wav only once state says it is done.
struct CRender {
  enum { kRunning, kDone, kFailed };
  std::vector<std::uint8_t> midi;
  std::vector<std::uint8_t> wav;
  std::atomic<int> state{kRunning};
  std::atomic<bool> cancel{false};
  std::thread worker;
  ~CRender() {
    cancel = true;
    if (worker.joinable()) worker.join();
  }
};

// The pieces rendered last, the newest first: a program closes and opens
// its tune again each time it ends, and renders it only once.
constexpr std::size_t kKeptRenders = 4;
std::vector<std::shared_ptr<CRender>> g_renders;

// A device keeps its own clock, so it keeps time (and reports the end of a
// piece) whether or not the decoder can be heard.
struct CMidiDevice {
  MCIDEVICEID id = 0;
  std::shared_ptr<CRender> render;  // null: streamed by the mixer's own decoder
  Mix_Music* music = nullptr;  // null: silent (or its rendering still runs)
  std::string path;
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
MCIDEVICEID g_lastPlayed = 0;

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

// Starts the device's music at its clock's position.
void Sound(CMidiDevice& d) {
  const DWORD from = Position(d);
  if (d.music && Mix_PlayMusic(d.music, 0) == 0) {
    g_sounding = &d;
    if (from > 0) Mix_SetMusicPosition(from / 1000.0);
  }
}

// Finished renderings become the music of the devices that wait for them;
// a piece that could not be rendered is streamed by the mixer instead.
void LoadRenders() {
  for (auto& [id, d] : Devices()) {
    if (d->music || !d->render) continue;
    const int state = d->render->state.load(std::memory_order_acquire);
    if (state == CRender::kDone) {
      const std::vector<std::uint8_t>& wav = d->render->wav;
      d->music = Mix_LoadMUS_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1);
    } else if (state == CRender::kFailed) {
      d->render = nullptr;
      d->music = Mix_LoadMUS(d->path.c_str());
    }
  }
}

// The device played last, when it plays unheard because its rendering has
// just finished, is heard from where its clock stands.
void OnRenderDone() {
  LoadRenders();
  auto it = Devices().find(g_lastPlayed);
  if (it == Devices().end()) return;
  CMidiDevice& d = *it->second;
  if (d.mode == MCI_MODE_PLAY && g_sounding != &d) Sound(d);
}

// The rendering of these bytes, started now or earlier; null when there is
// no sound font to render with (the mixer then streams the file itself).
std::shared_ptr<CRender> RenderFor(std::vector<std::uint8_t> midi) {
  const char* fonts = Mix_GetSoundFonts();
  if (!fonts || !*fonts) return nullptr;
  auto same = std::find_if(g_renders.begin(), g_renders.end(),
                           [&](const auto& r) { return r->midi == midi && r->state != CRender::kFailed; });
  if (same != g_renders.end()) {
    std::rotate(g_renders.begin(), same, same + 1);
    return g_renders.front();
  }
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  if (!Mix_QuerySpec(&rate, &format, &channels)) return nullptr;
  auto render = std::make_shared<CRender>();
  render->midi = std::move(midi);
  CRender* r = render.get();
  render->worker = std::thread([r, fonts = std::string(fonts), rate] {
    const bool ok = RenderMidiToWav(r->midi, fonts, rate, r->cancel, &r->wav);
    r->state.store(ok ? CRender::kDone : CRender::kFailed, std::memory_order_release);
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] {
      CQtEntry entry;
      OnRenderDone();
    }, Qt::QueuedConnection);
  });
  g_renders.insert(g_renders.begin(), render);
  if (g_renders.size() > kKeptRenders) g_renders.pop_back();
  return render;
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
  d->path = path;
  if (OpenAudio()) {
    d->render = RenderFor(std::move(data));
    if (!d->render) d->music = Mix_LoadMUS(path);  // a decoder that fails leaves it silent
  }
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
  if (!resume) Halt(d, MCI_MODE_STOP);
  d.mode = MCI_MODE_PLAY;
  d.playFrom = from;
  d.playTo = to < from ? from : to;
  d.playStart = Clock::now();
  g_lastPlayed = d.id;
  if (resume && g_sounding == &d) {
    Mix_ResumeMusic();
  } else {
    LoadRenders();
    Sound(d);
  }
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
  g_renders.clear();
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

}  // namespace plat
