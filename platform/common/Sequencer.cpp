// The MIDI "sequencer" behind mciSendCommand: commands, device ids, modes,
// positions on the device clock, MM_MCINOTIFY and the error texts, kept once
// whichever device plays.
#include "platform/common/Schedule.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/common/Device.h"
#include "platform/common/Files.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/window.h"

namespace plat::common {
namespace {

struct CPiece {
  std::string element;  // as opened
  DWORD length = 0;
  DWORD mode = MCI_MODE_STOP;
  DWORD position = 0;  // while playing: the position at playStart
  DWORD playTo = 0;
  std::uint64_t playStart = 0;
  HWND notify = nullptr;  // a notification is pending for this window
};

std::map<MCIDEVICEID, CPiece> g_pieces;
MCIDEVICEID g_nextId = 1;

std::uint64_t EndOf(const CPiece& p) { return p.playStart + (p.playTo - p.position); }

DWORD Position(const CPiece& p) {
  if (p.mode != MCI_MODE_PLAY) return p.position;
  const std::uint64_t now = ClockMs();
  const std::uint64_t played = now > p.playStart ? now - p.playStart : 0;
  return static_cast<DWORD>(std::min<std::uint64_t>(p.position + played, p.playTo));
}

void Notify(MCIDEVICEID id, CPiece& p, WPARAM code) {
  if (p.notify) PostMessage(std::exchange(p.notify, nullptr), MM_MCINOTIFY, code, static_cast<LPARAM>(id));
}

// Stops playing or pause at the current position; a pending notification stays.
void Stop(MCIDEVICEID id, CPiece& p) {
  if (p.mode == MCI_MODE_PLAY) p.position = Position(p);
  if (p.mode == MCI_MODE_PLAY || p.mode == MCI_MODE_PAUSE) SilencePiece(id);
  p.mode = MCI_MODE_STOP;
}

void Abort(MCIDEVICEID id, CPiece& p) {
  Stop(id, p);
  Notify(id, p, MCI_NOTIFY_ABORTED);
}

// Stops at end as a play that has reached it.
void EndAt(MCIDEVICEID id, CPiece& p, DWORD end) {
  Stop(id, p);
  p.position = end;
  Notify(id, p, MCI_NOTIFY_SUCCESSFUL);
}

void EndIfDue(MCIDEVICEID id, CPiece& p) {
  if (p.mode == MCI_MODE_PLAY && ClockMs() >= EndOf(p)) EndAt(id, p, p.playTo);
}

MCIERROR Open(DWORD flags, MCI_OPEN_PARMS* p) {
  if (!p || !(flags & MCI_OPEN_ELEMENT) || !p->lpstrElementName) return MCIERR_MISSING_PARAMETER;
  if ((flags & MCI_OPEN_TYPE) && (!p->lpstrDeviceType || ::strcasecmp(p->lpstrDeviceType, "sequencer") != 0))
    return MCIERR_INVALID_DEVICE_NAME;
  char path[4096];
  if (!ResolvePath(p->lpstrElementName, path, sizeof path) || !FileExists(path)) return MCIERR_FILE_NOT_FOUND;
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, &bytes) || bytes.size() < 4 || std::memcmp(bytes.data(), "MThd", 4) != 0)
    return MCIERR_INVALID_FILE;
  DWORD length = 0;
  if (!OpenPiece(g_nextId, path, std::move(bytes), &length)) return MCIERR_INVALID_FILE;
  g_pieces[g_nextId] = CPiece{.element = p->lpstrElementName, .length = length};
  p->wDeviceID = g_nextId++;
  return 0;
}

MCIERROR Play(MCIDEVICEID id, CPiece& p, DWORD flags, const MCI_PLAY_PARMS* params) {
  if ((flags & (MCI_NOTIFY | MCI_FROM | MCI_TO)) && !params) return MCIERR_MISSING_PARAMETER;
  const DWORD from = flags & MCI_FROM ? params->dwFrom : Position(p);
  const DWORD to = flags & MCI_TO ? params->dwTo : p.length;
  if (from > p.length || to > p.length || from > to) return MCIERR_HARDWARE;
  // A new notification supersedes the one pending; a play without one
  // means the old one's play will not end as asked.
  Notify(id, p, flags & MCI_NOTIFY ? MCI_NOTIFY_SUPERSEDED : MCI_NOTIFY_ABORTED);
  if (flags & MCI_NOTIFY) p.notify = params->dwCallback;
  const bool resume = p.mode == MCI_MODE_PAUSE && from == p.position;
  if (!resume) Stop(id, p);
  p.mode = MCI_MODE_PLAY;
  p.playTo = to;
  p.playStart = ClockMs();
  p.position = from;
  SoundPiece(id, from);
  if (flags & MCI_WAIT) {
    PassTime(to - from);
    EndIfDue(id, p);
  } else {
    WakeAt(EndOf(p));
  }
  return 0;
}

MCIERROR Seek(MCIDEVICEID id, CPiece& p, DWORD flags, const MCI_SEEK_PARMS* params) {
  const bool toStart = (flags & MCI_SEEK_TO_START) != 0;
  if (!toStart && (!(flags & MCI_TO) || !params)) return MCIERR_MISSING_PARAMETER;
  const DWORD to = toStart ? 0 : std::min(params->dwTo, p.length);
  Abort(id, p);
  p.position = to;
  return 0;
}

MCIERROR Status(CPiece& p, DWORD flags, MCI_STATUS_PARMS* params) {
  if (!params || !(flags & MCI_STATUS_ITEM)) return MCIERR_MISSING_PARAMETER;
  switch (params->dwItem) {
    case MCI_STATUS_LENGTH: params->dwReturn = p.length; return 0;
    case MCI_STATUS_POSITION: params->dwReturn = Position(p); return 0;
    case MCI_STATUS_MODE: params->dwReturn = p.mode; return 0;
    default: return MCIERR_UNRECOGNIZED_COMMAND;
  }
}

MCIERROR Command(MCIDEVICEID id, CPiece& p, UINT command, DWORD flags, void* params) {
  switch (command) {
    case MCI_PLAY:
      return Play(id, p, flags, static_cast<const MCI_PLAY_PARMS*>(params));
    case MCI_PAUSE:
      if (p.mode == MCI_MODE_PLAY) {
        p.position = Position(p);
        p.mode = MCI_MODE_PAUSE;
        PausePiece(id);
        Notify(id, p, MCI_NOTIFY_ABORTED);
      }
      return 0;
    case MCI_RESUME: {
      if (p.mode != MCI_MODE_PAUSE) return 0;
      MCI_PLAY_PARMS play{};
      if (params) play.dwCallback = static_cast<const MCI_GENERIC_PARMS*>(params)->dwCallback;
      return Play(id, p, flags & (MCI_NOTIFY | MCI_WAIT), params ? &play : nullptr);
    }
    case MCI_STOP:
    case MCI_CLOSE:
      Abort(id, p);
      return 0;
    case MCI_SEEK:
      return Seek(id, p, flags, static_cast<const MCI_SEEK_PARMS*>(params));
    case MCI_STATUS:
      return Status(p, flags, static_cast<MCI_STATUS_PARMS*>(params));
    default:
      return MCIERR_UNRECOGNIZED_COMMAND;
  }
}

}  // namespace

bool NextPieceEnd(std::uint64_t* when) {
  bool found = false;
  for (const auto& [id, p] : g_pieces) {
    if (p.mode != MCI_MODE_PLAY || (found && EndOf(p) >= *when)) continue;
    *when = EndOf(p);
    found = true;
  }
  return found;
}

void EndDuePieces() {
  for (auto& [id, p] : g_pieces) EndIfDue(id, p);
}

void EndPiecesNow() {
  for (auto& [id, p] : g_pieces) {
    if (p.mode == MCI_MODE_PLAY || p.mode == MCI_MODE_PAUSE)
      EndAt(id, p, p.mode == MCI_MODE_PLAY ? p.playTo : p.length);
  }
}

void StopPiecesSilently() {
  for (auto& [id, p] : g_pieces) {
    Stop(id, p);
    p.notify = nullptr;
  }
}

void CloseAllPieces() {
  for (auto& [id, p] : g_pieces) {
    Stop(id, p);
    ClosePiece(id);
  }
  g_pieces.clear();
  g_nextId = 1;
}

}  // namespace plat::common

namespace plat {

MCIERROR mciSendCommand(MCIDEVICEID device, UINT command, DWORD flags, void* params) {
  using namespace common;
  if (command == MCI_OPEN) {
    auto* open = static_cast<MCI_OPEN_PARMS*>(params);
    const MCIERROR e = Open(flags, open);
    if (e == 0) MidiAsked(MCI_OPEN, open->lpstrElementName, flags);
    return e;
  }
  auto it = g_pieces.find(device);
  if (it == g_pieces.end()) return MCIERR_INVALID_DEVICE_ID;
  CPiece& p = it->second;
  EndIfDue(device, p);
  const MCIERROR e = Command(device, p, command, flags, params);
  if (e == 0 && command != MCI_STATUS) MidiAsked(command, p.element, flags);
  if (command == MCI_CLOSE) {
    ClosePiece(device);
    g_pieces.erase(it);
  }
  return e;
}

BOOL mciGetErrorString(MCIERROR error, char* buffer, UINT bufferSize) {
  static constexpr std::pair<MCIERROR, const char*> kTexts[] = {
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
  for (const auto& [code, text] : kTexts) {
    if (code != error) continue;
    std::snprintf(buffer, bufferSize, "%s", text);
    return TRUE;
  }
  buffer[0] = '\0';
  return FALSE;
}

}  // namespace plat
