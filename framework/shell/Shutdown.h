// The end of a program's run: its settings file written back and every
// resource of the start freed.
#pragma once

// Writes the game's settings file (only when it was read in this run) and
// frees the accelerators, the screen, the picture, the work bitmaps, the
// palette and the hit map. Safe after a start that failed at any step.
void ShutdownApp();
// Frees what ShutdownApp frees without writing any settings (the main
// client lost or never reached).
void ReleaseProgramResources();
// The settings were read in this run, so ShutdownApp may write them back.
void KeepSettings();
// Start of a run: nothing read yet, so nothing is written.
void ForgetSettings();
