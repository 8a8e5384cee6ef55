// The sample's dialog: a name and a check box.
#pragma once

#include <string>

#include "platform/include/plat/plat.h"

namespace sample {

using namespace plat;

constexpr int kDialogId = 100;

// Registers the template once.
void RegisterSampleDialog();
// Runs the dialog over owner. With autoAnswer it types into the edit and
// presses Enter by posted input. Answers the name entered, "" when cancelled.
std::string AskName(HWND owner, bool autoAnswer);

}  // namespace sample
