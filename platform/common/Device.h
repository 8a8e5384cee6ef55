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

// ---- Sound, the multimedia timer and time (desktop: SDL2_mixer and the real clock; headless: the sound log and the virtual clock)

// Milliseconds on the device's steady clock; never goes back. Any thread.
std::uint64_t ClockMs();
// Seconds since 1970-01-01 UTC.
std::int64_t CalendarSeconds();
// Lets ms pass on the clock before returning; the virtual clock runs what falls due meanwhile.
void PassTime(DWORD ms);
// Calls callback(id, 0, user, 0, 0) at ClockMs() + delay and, when periodic, at each
// NextTimerDue after that until stopped; on a real clock from another thread.
void StartTimer(UINT id, UINT delay, LPTIMECALLBACK callback, std::uintptr_t user, bool periodic);
// Stops the timer (waits for a callback under way unless called from it); false when not running.
bool StopTimer(UINT id);
// Told of every PlaySound call as it was made, before any check (the sound log).
void WaveAsked(const void* sound, DWORD flags, std::size_t memoryBytes);
// Plays a checked wave file image lasting durationMs (the image lives only during the call);
// async returns at once, else when it has ended; loop repeats it until stopped. False when
// the device cannot decode it.
bool PlayWave(const std::uint8_t* image, std::size_t size, DWORD durationMs, bool async, bool loop);
// Stops the wave that plays, if any.
void StopWave();
// Told of every sequencer command carried out but MCI_STATUS, element as opened (the sound log).
void MidiAsked(UINT command, const std::string& element, DWORD flags);
// Takes a whole MIDI file (read from path) as piece id; answers its length in ms, or false
// when it cannot be played.
bool OpenPiece(MCIDEVICEID id, const std::string& path, std::vector<std::uint8_t> bytes, DWORD* lengthMs);
// Sounds the piece from fromMs on; a piece paused at fromMs carries on from its pause.
void SoundPiece(MCIDEVICEID id, DWORD fromMs);
// Holds the piece's sound where it stands.
void PausePiece(MCIDEVICEID id);
// Stops the piece's sound.
void SilencePiece(MCIDEVICEID id);
// Lets go of the piece.
void ClosePiece(MCIDEVICEID id);
// Calls EndDuePieces (Sequencer.h) on the program's thread at ClockMs() == atMs or soon after.
void WakeAt(std::uint64_t atMs);

}  // namespace plat::common
