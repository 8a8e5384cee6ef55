// The texts of the MCI error codes, the same whichever device plays.
#include <cstdio>

#include "platform/include/plat/sound.h"

namespace plat {

BOOL mciGetErrorString(MCIERROR error, char* buffer, UINT bufferSize) {
  struct Text {
    MCIERROR code;
    const char* text;
  };
  static constexpr Text kTexts[] = {
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
  for (const Text& t : kTexts) {
    if (t.code != error) continue;
    std::snprintf(buffer, bufferSize, "%s", t.text);
    return TRUE;
  }
  buffer[0] = '\0';
  return FALSE;
}

}  // namespace plat
