// A game server's saved state as the main client writes it at a save
// point, for the restore tests, and the boxes a restore shows.
#pragma once

#include <cstdint>

// Writes the user's record of game under "<game>DATA" and the server's
// random stream (randomState) as the whole of "db_savef" in the working
// folder.
void WriteSavedServer(const char* game, const void* record, std::uint32_t size,
                      std::uint32_t randomState = 1);
// 1 when a message box shown so far said text.
bool BoxSaid(const char* text);
