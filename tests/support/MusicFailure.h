// A program whose music cannot start: the settings that turn music on, and
// what the boxes must show once the player has left.
#pragma once

#include <string>

// "../../Casino.cfg" with sound effects and music on, the rest off.
void WriteCasinoCfgWithMusicOn();
// The quit question, then the kept music error ("Error:\n" and its text) in
// one box captioned caption.
void ExpectQuitThenKeptError(const std::string& caption);
