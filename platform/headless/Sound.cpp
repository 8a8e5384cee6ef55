// The sound device of the in-memory backend: every request goes to the
// sound log and nothing sounds; and the shell calls.
#include <utility>

#include "platform/common/Device.h"
#include "platform/common/Schedule.h"
#include "platform/headless/State.h"

namespace plat {
namespace common {

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

namespace hl {

void ResetSound() {
  common::CloseAllPieces();
  S().sounds.clear();
  S().midiLength = 60000;
}

}  // namespace hl

INT_PTR ShellExecute(HWND, const char*, const char* file, const char*, const char*, int) {
  if (!file || !*file) return 2;
  hl::S().shellOpens.push_back(file);
  return hl::S().shellResult;
}

BOOL WinHelp(HWND, const char*, UINT command, std::uintptr_t) { return command == HELP_QUIT ? TRUE : FALSE; }

namespace headless {

const std::vector<SoundRecord>& Sounds() { return hl::S().sounds; }

void ClearSounds() { hl::S().sounds.clear(); }

void SetMidiLength(DWORD ms) { hl::S().midiLength = ms; }

void EndMidiPiece() { common::EndPiecesNow(); }

void StopMidiSilently() { common::StopPiecesSilently(); }

const std::vector<std::string>& ShellOpens() { return hl::S().shellOpens; }

void SetShellExecuteResult(INT_PTR result) { hl::S().shellResult = result; }

}  // namespace headless
}  // namespace plat
