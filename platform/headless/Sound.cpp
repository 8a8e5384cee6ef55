// The sound device of the in-memory backend: every request goes to the
// sound log, a synchronous wave takes its time on the virtual clock; and
// the shell calls.
#include "platform/common/Device.h"
#include "platform/common/Sequencer.h"
#include "platform/headless/State.h"

namespace plat {
namespace common {

void WaveAsked(const void* sound, DWORD flags, std::size_t memoryBytes) {
  using headless::SoundRecord;
  // A sound that cannot play is logged too: a test sees what the program
  // asked for even without the files.
  if (!sound || (flags & SND_PURGE)) {
    hl::S().sounds.push_back(SoundRecord{SoundRecord::WAVE_STOP, "", flags, 0});
  } else if (flags & SND_MEMORY) {
    hl::S().sounds.push_back(SoundRecord{SoundRecord::WAVE, "<memory>", flags, memoryBytes});
  } else {
    hl::S().sounds.push_back(SoundRecord{SoundRecord::WAVE, static_cast<const char*>(sound), flags, 0});
  }
}

bool PlayWave(const std::uint8_t*, std::size_t, DWORD durationMs, bool async, bool) {
  if (!async) hl::AdvanceBy(durationMs);
  return true;
}

void StopWave() {}

void MidiAsked(UINT command, const std::string& element, DWORD flags) {
  using headless::SoundRecord;
  SoundRecord::Kind kind;
  switch (command) {
    case MCI_OPEN: kind = SoundRecord::MIDI_OPEN; break;
    case MCI_PLAY: kind = SoundRecord::MIDI_PLAY; break;
    case MCI_PAUSE: kind = SoundRecord::MIDI_PAUSE; break;
    case MCI_RESUME: kind = SoundRecord::MIDI_RESUME; break;
    case MCI_SEEK: kind = SoundRecord::MIDI_SEEK; break;
    case MCI_CLOSE: kind = SoundRecord::MIDI_CLOSE; break;
    default: return;
  }
  hl::S().sounds.push_back(SoundRecord{kind, element, flags, 0});
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

void ClearShellOpens() { hl::S().shellOpens.clear(); }

void SetShellExecuteResult(INT_PTR result) { hl::S().shellResult = result; }

}  // namespace headless
}  // namespace plat
