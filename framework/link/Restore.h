// Saved-game restore: the record and playback hooks of both link ends, the
// load of a saved game at start-up and the hand-over back to the game server.
//
// The game-specific calls reach the library through GameServerHooks, given
// once to InstallPlaybackHooks at start-up (before LoadSavedGame); the
// library never links a game. The game's server record travels as void*.
#pragma once

#include "framework/link/Comm.h"
#include "framework/link/PlaybackBoxes.h"
#include "framework/link/SavedGameKeys.h"
// Shown when a replayed game cannot be put back and the program must end.
inline constexpr char kRestoreFailedText[] =
    "The saved game could not be restored. Start the game again to play a new game.";

struct GameServerHooks {
  // The game code under which the saved records lie ("DQ", "KW", ...).
  const char* game;
  // The game's GameServerLoad: replaces the record from its saved copy; 0 or
  // an error (shown by the game). Null counts as a failed load.
  int (*load)(void* record, int userId, const char* game);
  // The game's GameServerOnRemove: settles what a removed game leaves open.
  // Null does nothing.
  void (*onRemove)(void* record, int userId);
};

// Installs the record and playback hooks on both link ends and the
// hand-over at the end of a playback, and keeps the game's table (copied; its
// texts must outlive the program). Call once after both ends are Init'ed,
// since Init resets the hooks.
void InstallPlaybackHooks(CComm& serverEnd, CComm& clientEnd, const GameServerHooks& game);
// The client end's part of that: its presses go out with each packet and a
// replayed log comes in with the answers.
void InstallClientPlaybackHooks(CComm& clientEnd);
// The table given last to InstallPlaybackHooks (all null before).
const GameServerHooks& GetGameServerHooks();

// At start-up: loads a saved playback of the installed game. 0 (a playback,
// if any, then runs frame by frame), or -1 when a remove flag was found: the
// saved server state is put back at once and no playback runs.
int LoadSavedGame(void* record, CComm& serverEnd, int userId);
// Loads the button and packet logs of a saved game. 0, or -1 when a remove
// flag exists. Every error shows a "Playback error" box and leaves empty
// stores; the user's records are then removed unless a remove flag exists.
int LoadPlayback(int userId, const char* game);
// Puts back the saved link state (and the unsent and unread packets) of the
// server end. 0, or the db code after a "Playback error" box (link end
// unchanged).
int GameServerLoadComm(CComm& comm, int userId, const char* game);
// Ends a restore: link state, then the game's record; on success the game's
// remove hook when a remove flag exists. The user's saved records are removed
// in every case; on failure both playback stores are cleared too. Answers 0
// when the saved game was put back, -1 when it was not.
int GameServerLoadPart2(void* record, CComm& comm, int userId, const char* game);
// Puts the record and playback objects of both link ends back to their
// state at program start (logs empty, no packet seen, no playback).
void ResetPlaybackObjects();
// The save point of a game server (BEGINPLAY): forgets the logs of the last
// round (keeping the first packet) and any playback.
void ResetPlaybackLists();
// Removes every saved record of the user.
void RemoveSavedGame(int userId);
