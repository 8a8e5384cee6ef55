// A game's own settings file ("Craps.cfg" and the like): its settings record
// stored byte for byte. Read at start-up, written back by ShutdownApp.
#pragma once

// Copies over settings as many bytes of the file as it holds, up to size, so
// a short file changes only its first bytes and the defaults stay for the
// rest. 1 when something was read, 0 when the file is missing or empty.
int ReadSettingsFile(const char* fileName, void* settings, int size);
// Writes the size bytes (text mode "w"). 1 when all were written, else 0.
int WriteSettingsFile(const char* fileName, const void* settings, int size);
