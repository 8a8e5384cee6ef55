// The MIDI device: pieces rendered once by FluidSynth (or streamed by the
// mixer's own decoder) and sounded by SDL2_mixer; the sequencer's model in
// common/Sequencer.cpp keeps the time.
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/common/Device.h"
#include "platform/common/Schedule.h"
#include "platform/desktop/Audio.h"
#include "platform/desktop/MidiFile.h"
#include "platform/desktop/Pump.h"

namespace plat::common {
namespace {

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

struct CPieceSound {
  std::shared_ptr<CRender> render;  // null: streamed by the mixer's own decoder
  Mix_Music* music = nullptr;       // null: silent (or its rendering still runs)
  std::string path;
  ~CPieceSound() {
    if (music) Mix_FreeMusic(music);
  }
};

std::map<MCIDEVICEID, std::unique_ptr<CPieceSound>> g_pieces;

// The piece meant to sound: from `from` at clock time `since`, unless paused.
struct CSounding {
  MCIDEVICEID id = 0;
  DWORD from = 0;
  std::uint64_t since = 0;
  bool paused = false;
  bool heard = false;  // the mixer plays it
};
CSounding g_now;
std::unique_ptr<QTimer> g_wake;

// The piece meant to sound is heard from where its clock stands, once its
// music is there: its finished rendering, or the mixer's own decoder when
// it could not be rendered.
void Hear() {
  auto it = g_pieces.find(g_now.id);
  if (it == g_pieces.end() || g_now.paused || g_now.heard) return;
  CPieceSound& p = *it->second;
  const int state = p.render && !p.music ? p.render->state.load(std::memory_order_acquire) : CRender::kRunning;
  if (state == CRender::kDone) {
    p.music = Mix_LoadMUS_RW(SDL_RWFromConstMem(p.render->wav.data(), static_cast<int>(p.render->wav.size())), 1);
  } else if (state == CRender::kFailed) {
    p.render = nullptr;
    p.music = Mix_LoadMUS(p.path.c_str());
  }
  if (!p.music || Mix_PlayMusic(p.music, 0) != 0) return;
  g_now.heard = true;
  const std::uint64_t at = g_now.from + (ClockMs() - g_now.since);
  if (at > 0) Mix_SetMusicPosition(static_cast<double>(at) / 1000.0);
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
    const bool ok = desktop::RenderMidiToWav(r->midi, fonts, rate, r->cancel, &r->wav);
    r->state.store(ok ? CRender::kDone : CRender::kFailed, std::memory_order_release);
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] {
      desktop::CQtEntry entry;
      Hear();
    }, Qt::QueuedConnection);
  });
  g_renders.insert(g_renders.begin(), render);
  if (g_renders.size() > kKeptRenders) g_renders.pop_back();
  return render;
}

}  // namespace

void MidiAsked(UINT, const std::string&, DWORD) {}

bool OpenPiece(MCIDEVICEID id, const std::string& path, std::vector<std::uint8_t> bytes, DWORD* lengthMs) {
  std::uint32_t length = 0;
  if (!desktop::MidiLengthMs(bytes.data(), bytes.size(), &length)) return false;
  auto piece = std::make_unique<CPieceSound>();
  piece->path = path;
  if (desktop::OpenAudio()) {
    piece->render = RenderFor(std::move(bytes));
    if (!piece->render) piece->music = Mix_LoadMUS(path.c_str());  // a decoder that fails leaves it silent
  }
  g_pieces[id] = std::move(piece);
  *lengthMs = length;
  return true;
}

void SoundPiece(MCIDEVICEID id, DWORD fromMs) {
  const bool resume = g_now.id == id && g_now.paused && g_now.heard;
  if (resume) {
    Mix_ResumeMusic();
  } else {
    SilencePiece(g_now.id);
  }
  g_now = CSounding{id, fromMs, ClockMs(), false, resume};
  Hear();
}

void PausePiece(MCIDEVICEID id) {
  if (g_now.id != id) return;
  if (g_now.heard) Mix_PauseMusic();
  g_now.paused = true;
}

void SilencePiece(MCIDEVICEID id) {
  if (g_now.id != id) return;
  if (g_now.heard) Mix_HaltMusic();
  g_now = CSounding{};
}

void ClosePiece(MCIDEVICEID id) {
  SilencePiece(id);
  g_pieces.erase(id);
}

// One timer for the earliest end; it sets itself again for the next one.
void WakeAt(std::uint64_t atMs) {
  const std::uint64_t now = ClockMs();
  const int wait = atMs > now ? static_cast<int>(atMs - now) : 1;
  if (!g_wake) {
    g_wake = std::make_unique<QTimer>();
    g_wake->setSingleShot(true);
    g_wake->setTimerType(Qt::PreciseTimer);
    QObject::connect(g_wake.get(), &QTimer::timeout, [] {
      EndDuePieces();
      std::uint64_t next = 0;
      if (NextPieceEnd(&next)) WakeAt(next);
    });
  }
  if (g_wake->isActive() && g_wake->remainingTime() <= wait) return;
  g_wake->start(wait);
}

}  // namespace plat::common

namespace plat::desktop {

void CloseAllMidi() {
  common::CloseAllPieces();
  common::g_renders.clear();
  common::g_wake.reset();
}

}  // namespace plat::desktop
