#include "framework/sound/MidiMusic.h"

using plat::MCIERROR;

CMidiMusic& GameMusic() {
  static CMidiMusic music;
  return music;
}

int CMidiMusic::Status(plat::DWORD item, plat::DWORD* value) {
  plat::MCI_STATUS_PARMS status = {};
  status.dwItem = item;
  const MCIERROR error = plat::mciSendCommand(deviceId, plat::MCI_STATUS,
                                              plat::MCI_STATUS_ITEM | plat::MCI_WAIT, &status);
  if (error != 0) {
    lastError = error;
    return 0;
  }
  *value = status.dwReturn;
  return 1;
}

int CMidiMusic::PlayFrom(plat::HWND window, const plat::DWORD* from) {
  plat::MCI_PLAY_PARMS play = {};
  play.dwCallback = window;
  plat::DWORD flags = plat::MCI_NOTIFY;
  if (from) {
    play.dwFrom = *from;
    flags |= plat::MCI_FROM;
  }
  const MCIERROR error = plat::mciSendCommand(deviceId, plat::MCI_PLAY, flags, &play);
  if (error != 0) {
    lastError = error;
    return 0;
  }
  return 1;
}

int CMidiMusic::Play(plat::HWND window, const char* file) {
  if (!Close()) return 0;
  plat::MCI_OPEN_PARMS open = {};
  open.lpstrDeviceType = "sequencer";
  open.lpstrElementName = file;
  const MCIERROR error = plat::mciSendCommand(
      0, plat::MCI_OPEN, plat::MCI_OPEN_TYPE | plat::MCI_OPEN_ELEMENT | plat::MCI_WAIT, &open);
  if (error != 0) {
    lastError = error;
    return 0;
  }
  deviceId = open.wDeviceID;
  if (!PlayFrom(window, nullptr)) {
    plat::MCI_GENERIC_PARMS close = {};
    plat::mciSendCommand(deviceId, plat::MCI_CLOSE, plat::MCI_WAIT, &close);
    deviceId = 0;
    return 0;
  }
  if (!Status(plat::MCI_STATUS_LENGTH, &length)) return 0;
  paused = 0;
  stopped = 0;
  return 1;
}

int CMidiMusic::Close() {
  if (deviceId == 0) return 1;
  plat::MCI_GENERIC_PARMS close = {};
  const MCIERROR error = plat::mciSendCommand(deviceId, plat::MCI_CLOSE, plat::MCI_WAIT, &close);
  if (error != 0) {
    lastError = error;
    return 0;
  }
  deviceId = 0;
  stopped = 1;
  return 1;
}

int CMidiMusic::Pause(plat::HWND window, int mode) {
  if (deviceId == 0) return 1;
  if (mode == -1) mode = paused == 1 ? 0 : 1;
  plat::DWORD deviceMode = 0;
  if (!Status(plat::MCI_STATUS_MODE, &deviceMode)) return 0;
  if (mode == 1 && deviceMode == plat::MCI_MODE_PLAY) {
    plat::MCI_GENERIC_PARMS pause = {};
    const MCIERROR error = plat::mciSendCommand(deviceId, plat::MCI_PAUSE, plat::MCI_WAIT, &pause);
    if (error != 0) {
      lastError = error;
      return 0;
    }
    paused = 1;
  } else if (mode == 0 && deviceMode == plat::MCI_MODE_PAUSE) {
    if (!PlayFrom(window, nullptr)) return 0;
    paused = 0;
  }
  return 1;
}

int CMidiMusic::KeepPlaying(plat::HWND window, const char* file) {
  if (deviceId == 0) return 1;
  plat::DWORD position = 0;
  plat::DWORD deviceMode = 0;
  if (!Status(plat::MCI_STATUS_POSITION, &position) || !Status(plat::MCI_STATUS_MODE, &deviceMode)) {
    return 0;
  }
  if ((position < length && deviceMode == plat::MCI_MODE_PLAY) || stopped == 1) return 1;
  // Paused music that the device still holds paused is left alone.
  if (paused == 1) return deviceMode == plat::MCI_MODE_PAUSE ? 1 : Pause(window, 1);
  if (!Close()) return 0;
  return Play(window, file);
}

int CMidiMusic::OnNotify(plat::HWND window, plat::MCIDEVICEID device) {
  if (deviceId == 0 || device != deviceId || paused == 1) return 1;
  // A pause or a newer play also notifies; a device that plays has not ended.
  plat::DWORD deviceMode = 0;
  if (!Status(plat::MCI_STATUS_MODE, &deviceMode)) return 0;
  if (deviceMode == plat::MCI_MODE_PLAY) return 1;
  const plat::DWORD start = 0;
  if (!PlayFrom(window, &start)) return 0;
  return Status(plat::MCI_STATUS_LENGTH, &length);
}

const char* CMidiMusic::ErrorText(MCIERROR* code) {
  if (code) *code = lastError;
  if (!plat::mciGetErrorString(lastError, errorText, kErrorTextSize)) errorText[0] = '\0';
  return errorText;
}
