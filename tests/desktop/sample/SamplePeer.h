// The sample's second process.
#pragma once

#include "platform/include/plat/plat.h"

namespace sample {

using namespace plat;

constexpr const char* kPeerClass = "CasinoSamplePeer";
constexpr std::uintptr_t kHelloKind = 1;
constexpr std::uintptr_t kPingKind = 2;

// Greets the main window with WM_COPYDATA, answers each ping with the sum of
// its bytes, and ends when its window is closed. Answers the exit code.
int RunPeer(HWND mainWindow);

}  // namespace sample
