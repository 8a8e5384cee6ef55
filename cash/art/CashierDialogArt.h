// The cashier dialogs' generated files: the background picture and the
// card logos.
#pragma once

#include <string>

namespace cash::art {

// Writes "res\BGround.dat" and the four card logos under the program's
// folder of the stage. 1 when every file was written, else 0 (with a
// message on stderr).
int WriteCashierDialogArt(const std::string& stage, const char* program);

}  // namespace cash::art
