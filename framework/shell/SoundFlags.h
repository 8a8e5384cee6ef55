// The sound switches around a saved-game replay, and their link to the
// sound library.
#pragma once

// Points PlayGameSound at the soundEffects word of gCasinoCfg and the game's
// voice switch, with the platform id of gSystemInfo.
void InstallSoundSwitches();
// Saves the soundEffects word and the game's voice switch and sets both to 0.
void MuteForRestore();
// Puts the values saved by MuteForRestore back.
void RestoreSoundFlags();
