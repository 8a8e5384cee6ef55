// Running the message loop in tests until something happens.
#pragma once

#include <functional>

#include "platform/include/plat/plat.h"

namespace contract {

// Dispatches messages until done() holds; false after timeoutMs (of the
// backend's clock: real on the desktop, virtual headless).
bool PumpUntil(const std::function<bool()>& done, plat::DWORD timeoutMs = 10000);
// Dispatches what arrives for about ms milliseconds.
void PumpFor(plat::DWORD ms);

}  // namespace contract
