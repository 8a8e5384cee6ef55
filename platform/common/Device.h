// The device calls each backend supplies to the Windows model kept once in
// platform/common, one section per area.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/include/plat/sound.h"
#include "platform/include/plat/time.h"

namespace plat::common {

// ---- Sound, the multimedia timer and time (SDL2_mixer and the real clock, or the sound log and a virtual one)

// Milliseconds on the device's steady clock, never going back; any thread may ask.
std::uint64_t ClockMs();
// Seconds since 1970-01-01 UTC.
std::int64_t CalendarSeconds();
// Returns when ms have passed on the clock (the virtual clock runs what falls due meanwhile).
void PassTime(DWORD ms);
// The timers changed: fire each (FireDueTimer, Timers.h) once the clock reaches it; real clock: off-thread.
void TimersChanged();
// Told of every PlaySound call as made, before any check (the sound log).
void WaveAsked(const void* sound, DWORD flags, std::size_t memoryBytes);
// Plays a checked wave image (valid during the call) of durationMs; sync returns at its end; false: undecodable.
bool PlayWave(const std::uint8_t* image, std::size_t size, DWORD durationMs, bool async, bool loop);
// Stops the wave that plays, if any.
void StopWave();
// Told of every sequencer command carried out but MCI_STATUS, with the element as opened (the sound log).
void MidiAsked(UINT command, const std::string& element, DWORD flags);
// Takes a whole MIDI file read from path as piece id and answers its length in ms; false: cannot be played.
bool OpenPiece(MCIDEVICEID id, const std::string& path, std::vector<std::uint8_t> bytes, DWORD* lengthMs);
// Sounds the piece from fromMs on (one piece sounds at a time); a piece paused at fromMs carries on.
void SoundPiece(MCIDEVICEID id, DWORD fromMs);
// Holds the piece's sound where it stands.
void PausePiece(MCIDEVICEID id);
// Stops the piece's sound.
void SilencePiece(MCIDEVICEID id);
// Lets go of the piece.
void ClosePiece(MCIDEVICEID id);
// Calls EndDuePieces (Sequencer.h) on the program's thread once the clock reaches atMs.
void WakeAt(std::uint64_t atMs);

}  // namespace plat::common
