// The program's half of the saved game: a game server that restores games
// calls SendSavePoint at its save point, so the main client learns what it
// cannot see in the traffic: the server record and the server end's link
// state. The main client writes them, with the packets and button presses
// it relays, into the program's "db_savef".
//
// Call it once per round, in the step that handles BEGINPLAY, after
// ResetPlaybackLists, after the BEGINPLAY packet was released and with the
// record already in the state that sends the answer (the answer built, not
// yet sent). A restore then replays the first packet of the session, drops
// the client's BEGINPLAY, puts this state back, sends the answer from it and
// lets the recorded button presses play the round again against the real
// server, whose random stream is put back as it stood here.
#pragma once

#include <cstdint>

#include "framework/link/Comm.h"

// Sends the record (recordSize bytes), the server's random stream and
// serverEnd's link state, with its unsent and unread packets, under the game code to the main client that
// serverEnd's transport is attached to. serverEnd's transport must be the
// program's CMainClientTransport. 1 when the main client took it; 0 when the
// link is not ready, the code is longer than 15 characters, the record is
// empty or too large, or the main client refused it.
int SendSavePoint(CComm& serverEnd, const char* game, const void* record, std::uint32_t recordSize);
