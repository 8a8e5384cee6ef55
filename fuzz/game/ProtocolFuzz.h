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

#include "framework/shell/GameDefinition.h"

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
