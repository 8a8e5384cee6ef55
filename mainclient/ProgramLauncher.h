// Starting the programs of the staged tree: each lies in games/<name>/,
// named like its folder, and runs with that folder as its working folder.
#pragma once

#include <string>

#include "mainclient/MainClient.h"
#include "framework/link/MainClientName.h"

struct StagedProgram {
  std::string executable;
  std::string folder;
  std::string savedGame;  // its "db_savef"
};

// The places of the program name under stage. 0 for a name that is empty
// or holds anything but lower-case letters and digits.
int FindStagedProgram(const std::string& stage, const std::string& name, StagedProgram* out);
// Starts the program, hidden when a saved game of it waits, and has the main
// client expect it. 1, or 0 with the reason on stderr.
int LaunchProgram(CMainClient& client, const std::string& stage, const std::string& name);
