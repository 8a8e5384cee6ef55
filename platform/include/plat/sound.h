// Wave sounds and the MIDI sequencer device.
#pragma once

#include "platform/include/plat/types.h"

namespace plat {

// ---- Wave sounds ------------------------------------------------------------------
// One sound plays at a time: starting one stops the one playing.

constexpr DWORD SND_SYNC = 0x0000;       // returns when the sound has ended
constexpr DWORD SND_ASYNC = 0x0001;      // returns at once
constexpr DWORD SND_NODEFAULT = 0x0002;  // a missing sound plays nothing (always so here)
constexpr DWORD SND_MEMORY = 0x0004;     // sound points at a whole wave file in memory
constexpr DWORD SND_LOOP = 0x0008;       // with SND_ASYNC: repeats until stopped
constexpr DWORD SND_PURGE = 0x0040;      // stops what plays
constexpr DWORD SND_FILENAME = 0x00020000;
// With SND_MEMORY the caller keeps the memory alive until the sound has
// stopped (a new sound or a purge stops it). A null sound stops what plays.
// Answers 0 when the file or data is not a playable wave.
BOOL PlaySound(const void* sound, DWORD flags);

// ---- MIDI sequencer (a narrow command interface) -------------------------------

using MCIDEVICEID = UINT;
using MCIERROR = DWORD;  // 0: success

constexpr UINT MCI_OPEN = 0x0803;
constexpr UINT MCI_CLOSE = 0x0804;
constexpr UINT MCI_PLAY = 0x0806;
constexpr UINT MCI_SEEK = 0x0807;
constexpr UINT MCI_STOP = 0x0808;
constexpr UINT MCI_PAUSE = 0x0809;
constexpr UINT MCI_STATUS = 0x0814;
constexpr UINT MCI_RESUME = 0x0855;

constexpr DWORD MCI_NOTIFY = 0x00000001;  // post MM_MCINOTIFY to dwCallback when done
constexpr DWORD MCI_WAIT = 0x00000002;
constexpr DWORD MCI_FROM = 0x00000004;
constexpr DWORD MCI_TO = 0x00000008;
constexpr DWORD MCI_OPEN_ELEMENT = 0x00000200;
constexpr DWORD MCI_OPEN_TYPE = 0x00002000;
constexpr DWORD MCI_STATUS_ITEM = 0x00000100;
constexpr DWORD MCI_SEEK_TO_START = 0x00000100;

constexpr DWORD MCI_STATUS_LENGTH = 0x00000001;
constexpr DWORD MCI_STATUS_POSITION = 0x00000002;
constexpr DWORD MCI_STATUS_MODE = 0x00000004;
constexpr DWORD MCI_MODE_NOT_READY = 524;
constexpr DWORD MCI_MODE_STOP = 525;
constexpr DWORD MCI_MODE_PLAY = 526;
constexpr DWORD MCI_MODE_SEEK = 528;
constexpr DWORD MCI_MODE_PAUSE = 529;

// MM_MCINOTIFY wParam.
constexpr WPARAM MCI_NOTIFY_SUCCESSFUL = 0x0001;
constexpr WPARAM MCI_NOTIFY_SUPERSEDED = 0x0002;
constexpr WPARAM MCI_NOTIFY_ABORTED = 0x0004;
constexpr WPARAM MCI_NOTIFY_FAILURE = 0x0008;

struct MCI_GENERIC_PARMS {
  HWND dwCallback;
};
struct MCI_OPEN_PARMS {
  HWND dwCallback;
  MCIDEVICEID wDeviceID;        // out
  const char* lpstrDeviceType;  // "sequencer"
  const char* lpstrElementName; // the MIDI file
};
struct MCI_PLAY_PARMS {
  HWND dwCallback;
  DWORD dwFrom;  // milliseconds, with MCI_FROM
  DWORD dwTo;
};
struct MCI_SEEK_PARMS {
  HWND dwCallback;
  DWORD dwTo;
};
struct MCI_STATUS_PARMS {
  HWND dwCallback;
  DWORD dwReturn;  // out
  DWORD dwItem;    // MCI_STATUS_*
};

// Errors the sequencer answers.
constexpr MCIERROR MCIERR_INVALID_DEVICE_ID = 257;
constexpr MCIERROR MCIERR_UNRECOGNIZED_COMMAND = 261;
constexpr MCIERROR MCIERR_HARDWARE = 262;
constexpr MCIERROR MCIERR_INVALID_DEVICE_NAME = 263;
constexpr MCIERROR MCIERR_FILE_NOT_FOUND = 275;
constexpr MCIERROR MCIERR_INVALID_FILE = 296;
constexpr MCIERROR MCIERR_MISSING_PARAMETER = 273;

// One device type, "sequencer". Times and positions are milliseconds. When a
// piece played with MCI_NOTIFY reaches its end, MM_MCINOTIFY
// (MCI_NOTIFY_SUCCESSFUL, device id) is posted to dwCallback. With no sound
// output the device still opens and keeps time, silently.
MCIERROR mciSendCommand(MCIDEVICEID device, UINT command, DWORD flags, void* params);
// The text of an error code (at most bufferSize - 1 bytes); 0 for an unknown code.
BOOL mciGetErrorString(MCIERROR error, char* buffer, UINT bufferSize);

}  // namespace plat
