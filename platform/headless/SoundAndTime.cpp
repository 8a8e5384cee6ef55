// The in-memory backend's sound and time: every sound request goes to the
// sound log and nothing sounds; the virtual clock ends the pieces of music
// and fires the multimedia timers as it moves. And the shell calls.
#include <algorithm>
#include <utility>

#include "platform/common/Device.h"
#include "platform/common/Schedule.h"
#include "platform/headless/State.h"

namespace plat {
namespace hl {

void ResetClock() {
  State& s = S();
  s.elapsed = 0;
  s.calendarBase = 1704067200;
  s.calendarSetAt = 0;
  s.idleAdvance = 1;
  s.idleHook = nullptr;
  s.blockedRounds = 0;
  common::ResetTimers();
  common::SetShownClock(0);
}

// Walks the clock to target, stopping at each timer that falls due and each
// piece of music that ends, in time order (timers first at equal times).
void AdvanceBy(std::uint64_t ms) {
  State& s = S();
  const std::uint64_t target = s.elapsed + ms;
  for (;;) {
    std::uint64_t timer = 0, end = 0;
    const bool haveTimer = common::EarliestTimerDue(&timer) && timer <= target;
    const bool haveEnd = common::NextPieceEnd(&end) && end <= target;
    if (!haveTimer && !haveEnd) break;
    s.elapsed = std::max(s.elapsed, haveTimer && (!haveEnd || timer <= end) ? timer : end);
    if (common::FireDueTimer(s.elapsed)) continue;
    common::EndDuePieces();
  }
  s.elapsed = std::max(s.elapsed, target);  // a callback may have slept past it
}

void ResetSound() {
  common::CloseAllPieces();
  S().sounds.clear();
  S().midiLength = 60000;
}

}  // namespace hl

namespace common {

std::uint64_t ClockMs() { return hl::S().elapsed; }

std::int64_t CalendarSeconds() {
  const hl::State& s = hl::S();
  return s.calendarBase + static_cast<std::int64_t>((s.elapsed - s.calendarSetAt) / 1000);
}

void PassTime(DWORD ms) { hl::AdvanceBy(ms); }

// The virtual clock fires the timers as it moves (AdvanceBy).
void TimersChanged() {}

// A sound that cannot play is logged too: a test sees what the program asked
// for even without the files.
void WaveAsked(const void* sound, DWORD flags, std::size_t memoryBytes) {
  using headless::SoundRecord;
  if (!sound || (flags & SND_PURGE)) {
    hl::S().sounds.push_back(SoundRecord{SoundRecord::WAVE_STOP, "", flags, 0});
    return;
  }
  const char* name = flags & SND_MEMORY ? "<memory>" : static_cast<const char*>(sound);
  hl::S().sounds.push_back(SoundRecord{SoundRecord::WAVE, name, flags, memoryBytes});
}

int PlayWave(const std::uint8_t*, std::size_t, bool, bool) { return -1; }

void StopWave() {}

void MidiAsked(UINT command, const std::string& element, DWORD flags) {
  using headless::SoundRecord;
  static constexpr std::pair<UINT, SoundRecord::Kind> kLogged[] = {
      {MCI_OPEN, SoundRecord::MIDI_OPEN}, {MCI_PLAY, SoundRecord::MIDI_PLAY}, {MCI_PAUSE, SoundRecord::MIDI_PAUSE},
      {MCI_RESUME, SoundRecord::MIDI_RESUME}, {MCI_SEEK, SoundRecord::MIDI_SEEK}, {MCI_CLOSE, SoundRecord::MIDI_CLOSE}};
  for (const auto& [logged, kind] : kLogged) {
    if (logged == command) hl::S().sounds.push_back(SoundRecord{kind, element, flags, 0});
  }
}

// Every piece lasts as long as the test said.
bool OpenPiece(MCIDEVICEID, const std::string&, std::vector<std::uint8_t>, DWORD* lengthMs) {
  *lengthMs = hl::S().midiLength;
  return true;
}

void SoundPiece(MCIDEVICEID, DWORD) {}
void PausePiece(MCIDEVICEID) {}
void SilencePiece(MCIDEVICEID) {}
void ClosePiece(MCIDEVICEID) {}
// The virtual clock stops at each piece's end by itself (AdvanceBy).
void WakeAt(std::uint64_t) {}

}  // namespace common

INT_PTR ShellExecute(HWND, const char*, const char* file, const char*, const char*, int) {
  if (!file || !*file) return 2;
  hl::S().shellOpens.push_back(file);
  return hl::S().shellResult;
}

namespace headless {

DWORD Now() { return timeGetTime(); }

void SetClock(DWORD ms) { common::SetShownClock(ms); }

void AdvanceClock(DWORD ms) { hl::AdvanceBy(ms); }

void SetCalendarTime(std::int64_t seconds) {
  hl::S().calendarBase = seconds;
  hl::S().calendarSetAt = hl::S().elapsed;
}

void SetTimerCapsFail(BOOL fail) { common::SetTimerCapsFail(fail != FALSE); }
int PeriodsBegun() { return common::PeriodsBegun(); }
int RunningTimers() { return common::RunningTimers(); }

const std::vector<SoundRecord>& Sounds() { return hl::S().sounds; }

void ClearSounds() { hl::S().sounds.clear(); }

void SetMidiLength(DWORD ms) { hl::S().midiLength = ms; }

void EndMidiPiece() { common::EndPiecesNow(); }

void StopMidiSilently() { common::StopPiecesSilently(); }

const std::vector<std::string>& ShellOpens() { return hl::S().shellOpens; }

void ClearShellOpens() { hl::S().shellOpens.clear(); }

void SetShellExecuteResult(INT_PTR result) { hl::S().shellResult = result; }

}  // namespace headless
}  // namespace plat
