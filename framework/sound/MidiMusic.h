// CMidiMusic: background music, one MIDI file on one "sequencer" device,
// looped by restarting it when the device reports the end of the piece.
#pragma once

#include "platform/include/plat/sound.h"
#include "platform/include/plat/types.h"

class CMidiMusic {
 public:
  static constexpr int kErrorTextSize = 200;

  // The owner closes the device (the window's WM_DESTROY) while the
  // platform still runs; destruction does not touch it.
  CMidiMusic() = default;
  CMidiMusic(const CMidiMusic&) = delete;
  CMidiMusic& operator=(const CMidiMusic&) = delete;

  // Opens the file on a new device (closing one already open), plays it with
  // notification to window and reads its length. Answers 0 on the first
  // failing step, its code kept for ErrorText; a failed start closes the
  // device again.
  int Play(plat::HWND window, const char* file);
  // Closes the device when one is open; then the music is off. Answers 0
  // when the device refuses (it stays open).
  int Close();
  // mode 1 pauses a playing device, 0 resumes a paused one (playing on with
  // notification to window), -1 toggles. Answers 1 also when there is no
  // device or it is in another mode (nothing done); 0 on a device error.
  int Pause(plat::HWND window, int mode);
  // Called every alive period: restarts file when the open piece has ended or
  // the device stopped without notice, and re-pauses a device that should be
  // paused. Nothing when the music is off. Answers 0 on a device error.
  int KeepPlaying(plat::HWND window, const char* file);
  // The window procedure's MM_MCINOTIFY: when device is the open one, the
  // music is not paused and the device has stopped (the piece ended), plays
  // again from the start. A notification of another device, or one left
  // over from a pause while the device plays again, is ignored (1). Answers
  // 0 on a device error.
  int OnNotify(plat::HWND window, plat::MCIDEVICEID device);
  // The text of the last error (its code through code when not null); empty
  // when the system has no text for it. Valid until the next call.
  const char* ErrorText(plat::MCIERROR* code);

  plat::MCIDEVICEID DeviceId() const { return deviceId; }
  int IsStopped() const { return stopped; }
  int IsPaused() const { return paused; }
  plat::DWORD Length() const { return length; }

 private:
  plat::MCIDEVICEID deviceId = 0;
  plat::MCIERROR lastError = 0;
  char errorText[kErrorTextSize] = {};
  int stopped = 1;
  int paused = 0;
  plat::DWORD length = 0;

  int Status(plat::DWORD item, plat::DWORD* value);
  int PlayFrom(plat::HWND window, const plat::DWORD* from);
};

// The program's music.
CMidiMusic& GameMusic();
