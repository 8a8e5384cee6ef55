// Protocol fuzzing of a program's game server on the shared game layer. The fuzz input becomes a sequence of frames: each delivers a
// packet built from the input (the program's own names or random ones, with
// numbers, huge and negative values, "nan", empty and over-long texts and
// broken % escapes), a packet of a well-behaved peer, a refusing transport,
// a save point put back, and steps the machine. After every step:
// - a result of 0, -1 or -2 only, and an end that lasts; a -2 leaves a
//   failure answer with an "errormsg" text;
// - the server's balance equals its start plus every credit minus every
//   debit it made, to the cent, and never falls below zero;
// and a server still going at the end must finish a normal round against
// a well-behaved client.
//
// A program adds its targets in a few lines: its GameDefinition, its names
// and its well-behaved peers (fuzz/dq/CrapsProtocolFuzz.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/shell/GameDefinition.h"

// How many names a target's list holds.
template <std::size_t N>
constexpr int CountOf(const char* const (&)[N]) {
  return static_cast<int>(N);
}

// A hook answering 1 while the record waits in state (a target's
// ServerAtRoundStart or ClientAtRoundStart).
template <class Record, auto kState>
int InState(const void* record) {
  return static_cast<const Record*>(record)->state == kState;
}

struct ProtocolFuzzTarget {
  const GameDefinition* game;
  // Commands and answers of the program's protocol beyond the frame's own.
  const char* const* commands;
  int commandCount;
  // Tags of the program's packets beyond the frame's own.
  const char* const* tags;
  int tagCount;

  // ---- A well-behaved client ----
  // The packet a normal client sends to a server record waiting in its
  // state, null when the server waits for none.
  const char* (*ClientPacketFor)(const void* serverRecord);
  // 1 while the server waits for the start of a round (BEGINPLAY).
  int (*ServerAtRoundStart)(const void* serverRecord);
};

// One input against the server end. Always answers 0; aborts on a fault.
int FuzzGameServer(const ProtocolFuzzTarget& target, const std::uint8_t* data, std::size_t size);

// The client end: the program's shell started once on the headless backend
// as the whole-program tests start it (staged artwork, a scripted main
// client), then per input the run state reset (the GameDefinition's
// ResetRun, a fresh client record, link end and playback objects) and
// ClientRun stepped with frames of fuzzed server answers (for a restoring
// program they can carry a replayed press log), a normal server's answers
// cut up, answers of a normal server, a refusing transport, the player's
// presses of enabled buttons and keys, with what those post run as the
// program's loop runs it, and, for a program with a client snapshot, that
// file written as the client record with fuzzed fields (odd dice, points,
// counts, NaN, huge and negative amounts). After every step:
// - a result of 0, -1 or -2 only, and an end that lasts; a -2 comes after a
//   "FATAL ERROR" box whose text is "CLIENT: " and the client's error, and
//   a -1 without one;
// and a client still going at the end must finish a normal round (or leave
// normally) against a normal server.
struct ClientFuzzTarget {
  const GameDefinition* game;
  const char* const* commands;
  int commandCount;
  const char* const* tags;
  int tagCount;
  // Where the program runs inside the staged tree, e.g. "games/craps".
  const char* folder;
  // Writes the program's picture and hit map under root. 1 or 0.
  int (*StageArtwork)(const std::string& root);

  // ---- A normal server and a normal player ----
  // The answer a normal server gives to a client record waiting in its
  // state, empty when the client waits for none.
  std::string (*ServerAnswerFor)(const void* clientRecord);
  // 1 while the client is about to begin a round (it builds BEGINPLAY next).
  int (*ClientAtRoundStart)(const void* clientRecord);
  // Once per frame of a normal round: the player's part (bet, roll, or
  // leave when the table's limits leave no round to play).
  void (*PlayRound)(void* clientRecord);

  // ---- The client's snapshot file (null for a program that keeps none) ----
  // Writes plain, the client record's stored bytes, to the program's
  // snapshot file through the program's own store transform, for a
  // restore to read back. 1 or 0.
  int (*StoreClientSnapshot)(const void* plain) = nullptr;
  std::size_t clientRecordSize = 0;
  // The client's error when a restore refuses the file.
  const char* snapshotRefusedText = "";

  // ---- An animation of the program's own option (null for none) ----
  // Turns it on or off, as the shared animation switch is for every input.
  void (*SwitchOwnAnimation)(int on) = nullptr;
};

// The client's balance when it is a plain amount, else 1000: a fuzzed
// answer may have left it negative, huge or NaN, which a normal server's
// answer must not carry on.
inline double NormalMoney(double money) {
  return money >= 0 && money < 1e9 ? money : 1000.0;
}

// The whole fuzzer for the client end: main() of the target hands its
// arguments on. Answers the process's exit code.
int RunClientFuzz(const ClientFuzzTarget& target, int argc, char** argv);
