// The local game server's own random stream. The client's animations draw
// from the shell's RandomNumber; the server draws only from here, so the
// stream's state at a save point fixes every draw of the round. The save
// point carries the state to the main client, which keeps it under
// kKeyServerRandom, and a restore puts it back (ReadServerRandom, then
// SetServerRandomState), so a restored round draws exactly what the
// interrupted one drew.
#pragma once

#include <cstdint>

// Saved-game record key of the stream's state (index 0, 4 bytes).
inline constexpr char kKeyServerRandom[] = "SERVERRANDOM";

// Seeds the stream (the shell's SeedRandom does, once per run).
void SeedServerRandom(std::uint32_t seed);
// The next value, 0..32767.
int NextServerRandom();
std::uint32_t ServerRandomState();
void SetServerRandomState(std::uint32_t state);
// Reads the state saved with the user's saved game of game into *state. 0,
// or the db code or -1 (a record that is not 4 bytes) after a "Playback
// error" box. The stream itself is not touched.
int ReadServerRandom(int userId, const char* game, std::uint32_t* state);
