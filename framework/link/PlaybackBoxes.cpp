#include "framework/link/PlaybackBoxes.h"

#include <cstdio>

#include "framework/link/ShellHooks.h"
#include "platform/include/plat/dialog.h"

namespace {

constexpr char kInfoTitle[] = "INFO";

}  // namespace

void PlaybackError(const char* text, int userId, const char* game, int dbIndex, int error) {
  char message[1024];
  std::snprintf(message, sizeof message, "Playback error: error: %d Userid: %d Game: %s, dbindex: %d\n%s",
                error, userId, game ? game : "", dbIndex, text ? text : "");
  plat::MessageBox(GetShellHooks().mainWindow(), message, kInfoTitle, plat::MB_OK | plat::MB_SETFOREGROUND);
}

void PlaybackInfo(const char* text, int userId, const char* game) {
  char message[1024];
  std::snprintf(message, sizeof message, "Playback info: Userid: %d Game: %s\n%s", userId,
                game ? game : "", text ? text : "");
  plat::MessageBox(GetShellHooks().mainWindow(), message, kInfoTitle, plat::MB_OK | plat::MB_SETFOREGROUND);
}
