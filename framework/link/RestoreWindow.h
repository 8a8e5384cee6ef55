// The small window shown instead of the game while a saved game is replayed.
#pragma once

inline constexpr char kRestoreClassName[] = "Lumaro - Restore old game";

// Hidden start only: saves and clears the animation switch, mutes the sounds
// (shell hooks), and shows "Please wait. Restoring old game." centred on the
// screen. Does nothing when a restore is already showing.
void OpenRestoreWindow();
// Only while restoring: puts the switches back, shows the main window
// (maximised or normal) and destroys the restore window. Cheap otherwise;
// called every frame once the playback client has finished.
void CloseRestoreWindow();
// 1 while the restore window is up.
int IsRestoring();
// The animation switch as the player has it: the one put aside while
// restoring, else the live one.
int PlayerShowsAnimations();
