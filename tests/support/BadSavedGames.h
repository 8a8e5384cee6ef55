// Saved games a program cannot restore, written into its folder before it
// starts: one of another game and broken ones of its own. Each shows an
// "INFO" box and the game starts fresh.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct BadSavedGame {
  const char* name;
  // Writes the records for the program whose game code is game into the
  // "db_savef" of the current folder.
  void (*write)(const char* game);
  const char* info;  // what the "INFO" box says
};

void PrintTo(const BadSavedGame& bad, std::ostream* out);

// Every kind, for a test parameterised over them.
const std::vector<BadSavedGame>& BadSavedGames();

// The kind of this name.
const BadSavedGame& BadSavedGameNamed(const char* name);

// Writes bad for game into the "db_savef" of folder.
void WriteBadSavedGame(const std::string& folder, const BadSavedGame& bad, const char* game);

// 1 when an "INFO" box of this run said text.
bool InfoBoxSaid(const char* text);
