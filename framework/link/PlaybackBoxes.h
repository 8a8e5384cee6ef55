// The boxes a restore shows over the main window.
#pragma once

// "INFO" boxes: "Playback error: error: %d Userid: %d Game: %s, dbindex: %d\n%s"
// and "Playback info: Userid: %d Game: %s\n%s". A null game shows as empty.
void PlaybackError(const char* text, int userId, const char* game, int dbIndex, int error);
void PlaybackInfo(const char* text, int userId, const char* game);
